#pragma once
// The message seam: every message and every yes/no question of the program
// goes through ShowMessageDialog.
//
// How to use it:
//  * tell(text) shows a message with "&OK"; ask(text) asks a question with
//    "&SIM"/"&NÃO" and returns whether the answer was yes. ShowMessageDialog
//    (text, kind) is the call under both and returns the Answer.
//  * Core operations report through a MessageSink; DialogMessageSink passes
//    their (Windows-1252) texts to ShowMessageDialog.
//  * The program installs its message dialog with setMessageDialog() at
//    start-up; a test replaces whatever shows the messages with
//    setMessageHandler() (a script of expected texts and answers), and an
//    empty handler gives the dialog back. Showing a message with neither is a
//    programming error (std::logic_error).
#include "core/store/Sinks.h"

#include <QString>

#include <functional>
#include <string_view>

namespace treluza {

using MessageHandler = std::function<Answer(const QString& text, MessageKind kind)>;

Answer ShowMessageDialog(const QString& text, MessageKind kind);

/** A message with "&OK". */
void tell(const QString& text);
/** A message of Windows-1252 core text. */
void tellCore(std::string_view cp1252Text);
/** A yes/no question; true for yes. */
bool ask(const QString& text);

/** "Não foi possível ler o arquivo <path> !" */
void tellUnreadable(const QString& path);

/** Installs the handler of a test; returns the one it replaces. */
MessageHandler setMessageHandler(MessageHandler handler);

/** Installs the program's message dialog (shown when no test handler is set). */
void setMessageDialog(MessageHandler dialog);

/** The message sink of the windows: core messages go to ShowMessageDialog. */
class DialogMessageSink final : public MessageSink {
public:
    Answer show(const std::string& text, MessageKind kind) override;
};

} // namespace treluza
