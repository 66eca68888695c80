#pragma once
// What the benchmarks that drive windows share: the offscreen platform by
// default, and opening a window as the program does.
#include "gui/widgets/Form.h"

#include <QApplication>
#include <QElapsedTimer>

namespace treluza::bench {

/** Runs on the offscreen platform unless another one is asked for. */
inline void offscreenByDefault()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

/** Shows the window with its open flag set and waits until its activation ran
 *  and it is the active window; false after 10 s. The offscreen platform
 *  activates a window only when asked, nor gives the activation back when
 *  the progress window closes. */
inline bool openAndWait(TForm& form)
{
    form.setOpenFlag(true);
    form.show();
    QApplication::setActiveWindow(&form);
    QElapsedTimer waited;
    waited.start();
    while (form.activationPending() || QApplication::activeWindow() != &form) {
        QApplication::processEvents();
        if (!form.activationPending() && QApplication::activeWindow() != &form)
            QApplication::setActiveWindow(&form);
        if (waited.elapsed() > 10000)
            return false;
    }
    return true;
}

} // namespace treluza::bench
