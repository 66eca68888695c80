#pragma once
// The message dialog and ShowMessageDialog, through which every message and
// every yes/no question of the program is shown.
//
// How to use it:
//  * ShowMessageDialog(text, 1) shows a message with "&OK" and returns 1;
//    ShowMessageDialog(text, 2) asks a question with "&SIM"/"&NÃO" and returns
//    6 for yes and 7 for no. Compare a question's result with 6.
//  * Core operations report through a MessageSink; DialogMessageSink passes
//    their (Windows-1252) texts to ShowMessageDialog.
//  * SetMessageHandler() replaces what ShowMessageDialog does (the window test
//    harness installs a script of expected texts and answers); an empty
//    handler restores the dialog. SetMessageDialogForm() names the dialog
//    window the program created at start-up; without one, each call makes a
//    dialog of its own.
#include "gui/Form.h"
#include "store/Sinks.h"

#include <functional>
#include <string>

class QLabel;

namespace treluza {

class TBitBtn;

class TMesDlgForm : public TForm {
    Q_OBJECT
public:
    explicit TMesDlgForm(QWidget* parent = nullptr);

    /** Lays the dialog out for the text and kind and shows it modally; returns
     *  the modal result (1, 6 or 7). */
    int ShowMessage(const QString& text, int kind);

    /** Lays the dialog out without showing it (ShowMessage does this first). */
    void Prepare(const QString& text, int kind);

    QLabel* DesImage;
    QLabel* MenLabel;
    TBitBtn* SimBitBtn;
    TBitBtn* NaoBitBtn;
    TBitBtn* OkBitBtn;

protected:
    void FormActivate() override;
};

/** The picture of the message dialog, decoded from its JPEG. */
QImage MessagePicture();

using MessageHandler = std::function<int(const QString& text, int kind)>;

int ShowMessageDialog(const QString& text, int kind);

/** Shows a Windows-1252 core text. */
int ShowCoreMessage(const std::string& cp1252Text, int kind);

/** Installs a handler; returns the one it replaces (empty for the dialog). */
MessageHandler SetMessageHandler(MessageHandler handler);

void SetMessageDialogForm(TMesDlgForm* form);

/** The message sink of the windows: core messages go to ShowMessageDialog. */
class DialogMessageSink final : public MessageSink {
public:
    Answer show(const std::string& text, MessageKind kind) override;
};

} // namespace treluza
