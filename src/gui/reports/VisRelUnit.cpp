#include "gui/reports/VisRelUnit.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>

namespace treluza {

namespace {

constexpr int kMaxWidth = 780;
constexpr int kMaxHeight = 540;

} // namespace

void TImage::mouseDoubleClickEvent(QMouseEvent* e)
{
    e->accept();
    emit DblClick();
}

TVisRelForm::TVisRelForm(QWidget* parent) : TForm(parent)
{
    setUp({.name = "VisRelForm",
           .title = QStringLiteral("TELA VISUALIZA RELATÓRIO - click duas vezes para voltar..."),
           .icons = BorderIcons::Close});
    ScrollBox = new QScrollArea(this);
    ScrollBox->setObjectName(QStringLiteral("ScrollBox"));
    ScrollBox->setFrameShape(QFrame::NoFrame);
    ScrollBox->setWidgetResizable(false);
    Panel1 = new QWidget;
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Image1 = new TImage(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->move(0, 0);
    ScrollBox->setWidget(Panel1);
    connect(Image1, &TImage::DblClick, this, &TVisRelForm::Image1DblClick);
    setClientSize(kMaxWidth, kMaxHeight);
}

void TVisRelForm::fitTo(const QSize& picture)
{
    Image1->resize(picture);
    Panel1->resize(picture);
    m_scrollBars = picture.width() > kMaxWidth || picture.height() > kMaxHeight;
    const Qt::ScrollBarPolicy policy = m_scrollBars ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
    ScrollBox->setHorizontalScrollBarPolicy(policy);
    ScrollBox->setVerticalScrollBarPolicy(policy);
    const int width = picture.width() < kMaxWidth + 1 ? picture.width() : kMaxWidth;
    // A tall picture makes the whole window, title bar included, 540 high.
    const int titleBar = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
    const int height = picture.height() < kMaxHeight + 1 ? picture.height() : kMaxHeight - titleBar;
    setClientSize(width, height);
    ScrollBox->setGeometry(0, 0, width, height);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center() - QPoint(width / 2, (height + titleBar) / 2));
    }
}

void TVisRelForm::showPicture(const QImage& picture)
{
    Image1->setPixmap(QPixmap::fromImage(picture));
    fitTo(picture.size());
    openModal();
}

void TVisRelForm::Image1DblClick()
{
    done(0);
}

} // namespace treluza
