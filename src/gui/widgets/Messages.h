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
#include "core/store/StoreError.h"

#include <QString>

#include <functional>
#include <string_view>

namespace treluza {

using MessageHandler = std::function<Answer(const QString& text, MessageKind kind)>;
/** The program's dialog also gets the answer a question's default button gives. */
using MessageDialog = std::function<Answer(const QString& text, MessageKind kind, Answer defaultAnswer)>;

/** Shows a message or asks a question; a question's default button (the one
 *  Enter presses) is "&SIM" unless defaultAnswer is Answer::No. */
Answer ShowMessageDialog(const QString& text, MessageKind kind, Answer defaultAnswer = Answer::Yes);

/** A message with "&OK". */
void tell(const QString& text);
/** A message of Windows-1252 core text. */
void tellCore(std::string_view cp1252Text);
/** A yes/no question; true for yes. */
bool ask(const QString& text, Answer defaultAnswer = Answer::Yes);

/** "Não foi possível ler o arquivo <path> !" */
void tellUnreadable(const QString& path);

/** Tells what a failed read prevented ("Não foi possível ler o arquivo <path>
 *  !"), or "Código inválido!" for a name that cannot name a file. */
void tellStoreError(const StoreError& error);

/** "Não foi possível concluir uma alteração interrompida da tabela <table>":
 *  a journal of the table could not be used and was set aside. */
void tellSetAsideJournal(std::string_view table);

/** Installs the handler of a test; returns the one it replaces. */
MessageHandler setMessageHandler(MessageHandler handler);

/** Installs the program's message dialog (shown when no test handler is set). */
void setMessageDialog(MessageDialog dialog);

/** The message sink of the windows: core messages go to ShowMessageDialog. */
class DialogMessageSink final : public MessageSink {
public:
    Answer show(const std::string& text, MessageKind kind) override;
};

} // namespace treluza
