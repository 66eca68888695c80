#pragma once
// The progress window shown during long file operations.
//
// How to use it: pass it as the ProgressSink of a core operation
// (LoadScrambledFile, ScanIngredientUse, ...). begin(maximum) shows it, not
// modal, with the bar's range 0..maximum, once the work has lasted a moment
// (quick work shows nothing); position() moves the bar; end() closes it.
// While it shows, the window repaints but takes no user input.
#include "core/store/Sinks.h"
#include "gui/widgets/Form.h"

#include <QElapsedTimer>

class QProgressBar;

namespace treluza {

class TConForm : public TForm, public ProgressSink {
    Q_OBJECT
public:
    explicit TConForm(QWidget* parent = nullptr);

    void begin(int maximum) override;
    void position(int value) override;
    void end() override;

    QProgressBar* ProgressBar;

    /** How long work runs before the window shows (0 shows it at once). */
    void setShowDelay(int milliseconds) { m_showDelay = milliseconds; }

private:
    static constexpr qint64 kPaintInterval = 40;

    void showNow();
    void repaintNow();

    QElapsedTimer m_clock;
    qint64 m_lastPaint = 0;
    int m_showDelay = 150;
};

} // namespace treluza
