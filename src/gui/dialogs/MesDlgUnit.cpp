#include "gui/dialogs/MesDlgUnit.h"

#include "gui/widgets/BitBtn.h"
#include "gui/widgets/JpegImage.h"
#include "gui/widgets/Messages.h"
#include "gui/widgets/QtText.h"

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

int roundHalfUp(double x)
{
    return static_cast<int>(std::floor(x + 0.5));
}

} // namespace

QImage messagePicture()
{
    QFile file(QStringLiteral(":/pictures/mensagem.jpg"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return decodeJpeg(file.readAll());
}

TMesDlgForm::TMesDlgForm(QWidget* parent) : TForm(parent)
{
    setUp(
        {.name = "MesDlgForm", .title = QStringLiteral("TRELUZA"), .points = 8, .bold = true, .white = true});
    setEnterPressesButtons(true);

    DesImage = new QLabel(this);
    DesImage->setObjectName(QStringLiteral("DesImage"));
    DesImage->setPixmap(QPixmap::fromImage(messagePicture()));
    DesImage->setFixedSize(kPictureWidth, kPictureHeight);

    MenLabel = new QLabel(this);
    MenLabel->setObjectName(QStringLiteral("MenLabel"));
    MenLabel->setWordWrap(false);
    MenLabel->setAlignment(Qt::AlignCenter);
    MenLabel->setTextFormat(Qt::PlainText);
    QFont labelFont = font();
    labelFont.setPointSize(12);
    MenLabel->setFont(labelFont);

    SimBitBtn = new TBitBtn(QStringLiteral("&SIM"), glyph(QStringLiteral("sim")), this);
    SimBitBtn->setObjectName(QStringLiteral("SimBitBtn"));
    SimBitBtn->setModalResult(6);
    NaoBitBtn = new TBitBtn(QStringLiteral("&NÃO"), glyph(QStringLiteral("nao")), this);
    NaoBitBtn->setObjectName(QStringLiteral("NaoBitBtn"));
    NaoBitBtn->setModalResult(7);
    OkBitBtn = new TBitBtn(QStringLiteral("&OK"), glyph(QStringLiteral("ok")), this);
    OkBitBtn->setObjectName(QStringLiteral("OkBitBtn"));
    OkBitBtn->setModalResult(1);
    for (TBitBtn* b : {SimBitBtn, NaoBitBtn, OkBitBtn})
        b->setFixedSize(kButtonWidth, kButtonHeight);

    setClientSize(595, kPictureHeight);
}

void TMesDlgForm::prepare(const QString& text, MessageKind kind, Answer defaultAnswer)
{
    MenLabel->setText(text);
    MenLabel->adjustSize();
    const int labelWidth = MenLabel->width();
    int w = labelWidth + 2 * kLabelLeft;
    int left = kLabelLeft;
    if (w < kMinContentWidth) {
        w = kMinContentWidth;
        left = roundHalfUp((kMinContentWidth - labelWidth) / 2.0);
    }
    MenLabel->move(left, kLabelTop);

    SimBitBtn->setDefault(false);
    NaoBitBtn->setDefault(false);
    OkBitBtn->setDefault(false);
    if (kind == MessageKind::Question) {
        OkBitBtn->hide();
        SimBitBtn->show();
        NaoBitBtn->show();
        (defaultAnswer == Answer::No ? NaoBitBtn : SimBitBtn)->setDefault(true);
        SimBitBtn->move(roundHalfUp(w / 2.0 - 3.0 * kButtonWidth / 2.0), kButtonTop);
        NaoBitBtn->move(roundHalfUp(w / 2.0 + kButtonWidth / 2.0), kButtonTop);
    } else {
        SimBitBtn->hide();
        NaoBitBtn->hide();
        OkBitBtn->show();
        OkBitBtn->setDefault(true);
        OkBitBtn->move(roundHalfUp(w / 2.0 - kButtonWidth / 2.0), kButtonTop);
    }
    DesImage->move(w, 0);
    setClientSize(w + kPictureWidth, kPictureHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
}

Answer TMesDlgForm::showMessage(const QString& text, MessageKind kind, Answer defaultAnswer)
{
    prepare(text, kind, defaultAnswer);
    const int result = openModal();
    if (result == static_cast<int>(Answer::Yes))
        return Answer::Yes;
    if (kind == MessageKind::Question)
        return Answer::No;
    return Answer::Ok;
}

void TMesDlgForm::FormActivate()
{
    // Enter presses the default button, which holds the focus.
    for (TBitBtn* b : {OkBitBtn, SimBitBtn, NaoBitBtn}) {
        if (b->isVisible() && b->isDefault())
            b->setFocus();
    }
}

void installMessageDialog(TMesDlgForm* form)
{
    if (!form) {
        setMessageDialog({});
        return;
    }
    setMessageDialog([form](const QString& text, MessageKind kind, Answer defaultAnswer) {
        return form->showMessage(text, kind, defaultAnswer);
    });
}

} // namespace treluza
