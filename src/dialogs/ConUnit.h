#pragma once
// The progress window shown during long file operations.
//
// How to use it: pass it as the ProgressSink of a core operation
// (LoadScrambledFile, ScanIngredientUse, ...). begin(maximum) shows it, not
// modal, with the bar's range 0..maximum; position() moves the bar; end()
// closes it. While it shows, the window repaints but takes no user input.
#include "gui/Form.h"
#include "store/Sinks.h"

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

private:
    void repaintNow();
};

} // namespace treluza
