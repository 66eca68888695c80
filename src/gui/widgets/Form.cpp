#include "gui/widgets/Form.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

#include <algorithm>

namespace treluza {

namespace {

// The X11 window type that Qt's X11 platform layer reads when a window's flags
// change; other platforms ignore it. 0x08 is its value for a toolbar.
const char* const kX11WindowType = "_q_xcb_wm_window_type";
constexpr int kX11Toolbar = 0x08;

} // namespace

TForm::TForm(QWidget* parent) : QDialog(parent)
{
    setModal(true);
    setBorderIcons(BorderIcons::None);
}

void TForm::setUp(const Look& look)
{
    setObjectName(QString::fromLatin1(look.name));
    setWindowTitle(look.title);
    if (look.points > 0) {
        QFont face(QStringLiteral("Arial"));
        face.setPointSize(look.points);
        face.setBold(look.bold);
        setFont(face);
    }
    setBorderIcons(look.icons);
    if (look.width > 0 && look.height > 0)
        setClientSize(look.width, look.height);
    if (look.white) {
        setAutoFillBackground(true);
        QPalette pal = palette();
        pal.setColor(QPalette::Window, Qt::white);
        setPalette(pal);
    }
}

void TForm::chainTabOrder(const std::vector<QWidget*>& order)
{
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

int TForm::openModal()
{
    setOpenFlag(true);
    return exec();
}

void TForm::setClientSize(int width, int height)
{
    m_clientWidth = width;
    setFixedSize(width, height);
}

void TForm::fitCaption()
{
    // The title bar is drawn by the window manager in a face the program
    // cannot ask for: the application's font in bold stands for it, and the
    // allowance covers the bar's icon, buttons and margins.
    constexpr int kTitleBarAllowance = 140;
    QFont bar = QApplication::font();
    bar.setBold(true);
    const int needed = QFontMetrics(bar).horizontalAdvance(windowTitle().trimmed()) + kTitleBarAllowance;
    setFixedSize(std::max(m_clientWidth, needed), height());
}

void TForm::setBorderIcons(BorderIcons icons)
{
    m_borderIcons = icons;
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (icons == BorderIcons::Close || icons == BorderIcons::MinimizeClose)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (icons == BorderIcons::MinimizeClose)
        flags |= Qt::WindowMinimizeButtonHint;
    const bool visible = isVisible();
    setWindowFlags(flags);
    if (visible)
        show();
}

void TForm::declareWindowType()
{
    // The flags already ask for no minimise or maximise button (nor a close
    // box unless there is one), which most window managers honour; some draw
    // every button whatever the flags say, and leave out minimise and maximise
    // only for a toolbar window.
    QWindow* native = windowHandle();
    if (!native)
        return;
    const int wanted = m_borderIcons == BorderIcons::MinimizeClose ? 0 : kX11Toolbar;
    const QVariant declared = native->property(kX11WindowType);
    if (declared.isValid() ? declared.toInt() == wanted : wanted == 0)
        return;
    native->setProperty(kX11WindowType, wanted);
    const Qt::WindowFlags flags = native->flags();
    native->setFlags(flags ^ Qt::WindowStaysOnTopHint);
    native->setFlags(flags);
}

void TForm::focusNextControl()
{
    focusNextPrevChild(true);
}

bool TForm::event(QEvent* e)
{
    if (e->type() == QEvent::WindowActivate)
        windowActivated();
    else if (e->type() == QEvent::WindowDeactivate)
        windowDeactivated();
    return QDialog::event(e);
}

void TForm::showEvent(QShowEvent* e)
{
    // Buttons made after construction (or by a subclass) must not turn default
    // when they take the focus.
    for (QPushButton* b : findChildren<QPushButton*>())
        b->setAutoDefault(false);
    declareWindowType();
    QDialog::showEvent(e);
    if (m_openFlag && !e->spontaneous()) {
        m_openFlag = false;
        m_activationPending = true;
        // Queued, so that it runs inside the modal loop that exec() starts:
        // a set-up that closes the window then ends that loop.
        QTimer::singleShot(0, this, &TForm::runActivation);
    }
}

void TForm::runActivation()
{
    if (!m_activationPending)
        return;
    m_activationPending = false;
    if (isVisible())
        FormActivate();
}

bool isMnemonicKey(const QKeyEvent& e)
{
    return (e.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) == Qt::AltModifier;
}

void TForm::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        QWidget* focused = QApplication::focusWidget();
        QAbstractButton* button = qobject_cast<QPushButton*>(focused);
        if (!button)
            button = qobject_cast<QToolButton*>(focused);
        if (m_enterPressesButtons && button && button->window() == this && button->isEnabled())
            button->click();
        else
            focusNextControl();
        e->accept();
        return;
    }
    case Qt::Key_Escape:
        e->accept();
        return;
    default:
        QDialog::keyPressEvent(e);
    }
}

void TForm::closeEvent(QCloseEvent* e)
{
    if (e->spontaneous() && m_borderIcons == BorderIcons::None) {
        e->ignore();
        closeBoxClicked();
        return;
    }
    QDialog::closeEvent(e);
}

} // namespace treluza
