#include "dialogs/MesDlgUnit.h"

#include "gui/BitBtn.h"
#include "gui/JpegImage.h"
#include "gui/QtText.h"

#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QPalette>
#include <QScreen>
#include <QStyle>

#include <cmath>
#include <memory>

namespace treluza {

namespace {

constexpr int kLabelLeft = 15;
constexpr int kLabelTop = 27;
constexpr int kMinContentWidth = 330;
constexpr int kButtonWidth = 100;
constexpr int kButtonHeight = 35;
constexpr int kButtonTop = 74;
constexpr int kPictureWidth = 67;
constexpr int kPictureHeight = 128;

MessageHandler& Handler()
{
    static MessageHandler handler;
    return handler;
}

TMesDlgForm*& DialogForm()
{
    static TMesDlgForm* form = nullptr;
    return form;
}

int RoundHalfUp(double x)
{
    return static_cast<int>(std::floor(x + 0.5));
}

} // namespace

QImage MessagePicture()
{
    QFile file(QStringLiteral(":/pictures/mensagem.jpg"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return DecodeJpeg(file.readAll());
}

TMesDlgForm::TMesDlgForm(QWidget* parent) : TForm(parent)
{
    setObjectName(QStringLiteral("MesDlgForm"));
    setWindowTitle(QStringLiteral("TRELUZA"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    font.setBold(true);
    setFont(font);

    DesImage = new QLabel(this);
    DesImage->setObjectName(QStringLiteral("DesImage"));
    DesImage->setPixmap(QPixmap::fromImage(MessagePicture()));
    DesImage->setFixedSize(kPictureWidth, kPictureHeight);

    MenLabel = new QLabel(this);
    MenLabel->setObjectName(QStringLiteral("MenLabel"));
    MenLabel->setWordWrap(false);
    MenLabel->setAlignment(Qt::AlignCenter);
    MenLabel->setTextFormat(Qt::PlainText);
    QFont labelFont = font;
    labelFont.setPointSize(12);
    MenLabel->setFont(labelFont);

    SimBitBtn = new TBitBtn(QStringLiteral("&SIM"), Glyph(QStringLiteral("sim")), this);
    SimBitBtn->setObjectName(QStringLiteral("SimBitBtn"));
    SimBitBtn->setModalResult(6);
    NaoBitBtn = new TBitBtn(QStringLiteral("&NÃO"), Glyph(QStringLiteral("nao")), this);
    NaoBitBtn->setObjectName(QStringLiteral("NaoBitBtn"));
    NaoBitBtn->setModalResult(7);
    OkBitBtn = new TBitBtn(QStringLiteral("&OK"), Glyph(QStringLiteral("ok")), this);
    OkBitBtn->setObjectName(QStringLiteral("OkBitBtn"));
    OkBitBtn->setModalResult(1);
    for (TBitBtn* b : {SimBitBtn, NaoBitBtn, OkBitBtn})
        b->setFixedSize(kButtonWidth, kButtonHeight);

    setClientSize(595, kPictureHeight);
}

void TMesDlgForm::Prepare(const QString& text, int kind)
{
    MenLabel->setText(text);
    MenLabel->adjustSize();
    const int labelWidth = MenLabel->width();
    int w = labelWidth + 2 * kLabelLeft;
    int left = kLabelLeft;
    if (w < kMinContentWidth) {
        w = kMinContentWidth;
        left = RoundHalfUp((kMinContentWidth - labelWidth) / 2.0);
    }
    MenLabel->move(left, kLabelTop);

    SimBitBtn->setDefault(false);
    OkBitBtn->setDefault(false);
    if (kind == 2) {
        OkBitBtn->hide();
        SimBitBtn->show();
        NaoBitBtn->show();
        SimBitBtn->setDefault(true);
        SimBitBtn->move(RoundHalfUp(w / 2.0 - 3.0 * kButtonWidth / 2.0), kButtonTop);
        NaoBitBtn->move(RoundHalfUp(w / 2.0 + kButtonWidth / 2.0), kButtonTop);
    } else {
        SimBitBtn->hide();
        NaoBitBtn->hide();
        OkBitBtn->show();
        OkBitBtn->setDefault(true);
        OkBitBtn->move(RoundHalfUp(w / 2.0 - kButtonWidth / 2.0), kButtonTop);
    }
    DesImage->move(w, 0);
    setClientSize(w + kPictureWidth, kPictureHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
}

int TMesDlgForm::ShowMessage(const QString& text, int kind)
{
    Prepare(text, kind);
    return openModal();
}

void TMesDlgForm::FormActivate()
{
    // Enter presses the default button, which holds the focus.
    if (OkBitBtn->isVisible())
        OkBitBtn->setFocus();
    else
        SimBitBtn->setFocus();
}

int ShowMessageDialog(const QString& text, int kind)
{
    if (Handler())
        return Handler()(text, kind);
    if (TMesDlgForm* form = DialogForm())
        return form->ShowMessage(text, kind);
    TMesDlgForm form;
    return form.ShowMessage(text, kind);
}

int ShowCoreMessage(const std::string& cp1252Text, int kind)
{
    return ShowMessageDialog(Qs(cp1252Text), kind);
}

MessageHandler SetMessageHandler(MessageHandler handler)
{
    MessageHandler old = std::move(Handler());
    Handler() = std::move(handler);
    return old;
}

void SetMessageDialogForm(TMesDlgForm* form)
{
    DialogForm() = form;
}

Answer DialogMessageSink::show(const std::string& text, MessageKind kind)
{
    const int result = ShowCoreMessage(text, static_cast<int>(kind));
    if (result == 6)
        return Answer::Yes;
    if (result == 7)
        return Answer::No;
    return kind == MessageKind::Question ? Answer::No : Answer::Ok;
}

} // namespace treluza
