#pragma once
// What the whole program shares before its first window is made.
class QApplication;

namespace treluza {

/** Puts Qt's own dialogs (save and print dialogs, the standard buttons) in
 *  Brazilian Portuguese, like every window of the program, and maps the font
 *  faces the windows name to installed faces of the same kind; an Alt+key
 *  that no mnemonic took types nothing. Call once, right after the
 *  application object is made. */
void setUpApplication(QApplication& app);

} // namespace treluza
