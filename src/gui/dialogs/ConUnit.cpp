#include "gui/dialogs/ConUnit.h"

#include <QApplication>
#include <QProgressBar>
#include <QVBoxLayout>

namespace treluza {

TConForm::TConForm(QWidget* parent) : TForm(parent)
{
    setUp({.name = "ConForm", .title = QStringLiteral("Aguarde Processamento ..."), .white = true});
    setModal(false);
    ProgressBar = new QProgressBar(this);
    ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
    ProgressBar->setRange(0, 100);
    ProgressBar->setTextVisible(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ProgressBar);
    setClientSize(436, 30);
}

void TConForm::begin(int maximum)
{
    ProgressBar->setRange(0, std::max(maximum, 0));
    ProgressBar->setValue(0);
    m_clock.start();
    m_lastPaint = 0;
    if (m_showDelay <= 0)
        showNow();
}

void TConForm::position(int value)
{
    // Work that ends quickly never shows the window (nor touches the bar);
    // longer work shows it and repaints a few times a second, not at every step.
    if (!isVisible()) {
        if (m_clock.elapsed() < m_showDelay)
            return;
        ProgressBar->setValue(value);
        showNow();
        return;
    }
    if (value == ProgressBar->value())
        return;
    ProgressBar->setValue(value);
    if (m_clock.elapsed() - m_lastPaint >= kPaintInterval)
        repaintNow();
}

void TConForm::end()
{
    hide();
}

void TConForm::showNow()
{
    show();
    raise();
    repaintNow();
}

void TConForm::repaintNow()
{
    // Paint and window-system events only: keys and clicks wait until the
    // operation is over.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    m_lastPaint = m_clock.elapsed();
}

} // namespace treluza
