#include "gui/widgets/Messages.h"

#include "core/store/StrUnit.h"

#include "gui/widgets/QtText.h"

#include <stdexcept>

namespace treluza {

namespace {

MessageHandler& TestHandler()
{
    static MessageHandler handler;
    return handler;
}

MessageDialog& DialogHandler()
{
    static MessageDialog dialog;
    return dialog;
}

} // namespace

Answer ShowMessageDialog(const QString& text, MessageKind kind, Answer defaultAnswer)
{
    if (TestHandler())
        return TestHandler()(text, kind);
    if (DialogHandler())
        return DialogHandler()(text, kind, defaultAnswer);
    throw std::logic_error("no message dialog installed for: " + text.toStdString());
}

void tell(const QString& text)
{
    ShowMessageDialog(text, MessageKind::Message);
}

void tellCore(std::string_view cp1252Text)
{
    tell(qs(cp1252Text));
}

bool ask(const QString& text, Answer defaultAnswer)
{
    return ShowMessageDialog(text, MessageKind::Question, defaultAnswer) == Answer::Yes;
}

void tellUnreadable(const QString& path)
{
    tell(QStringLiteral("Não foi possível ler o arquivo ") + path + QStringLiteral(" !"));
}

void tellStoreError(const StoreError& error)
{
    if (const auto* read = dynamic_cast<const FileReadError*>(&error))
        tellUnreadable(QString::fromStdString(read->path().string()));
    else if (const auto* write = dynamic_cast<const FileWriteError*>(&error))
        tellUnreadable(QString::fromStdString(write->path().string()));
    else
        tell(QStringLiteral("Código inválido!")); // a name that cannot name a file
}

void tellSetAsideJournal(std::string_view table)
{
    tell(QStringLiteral("Não foi possível concluir uma alteração interrompida da tabela ") +
         qs(TrimTrailingSpaces(std::string(table))));
}

MessageHandler setMessageHandler(MessageHandler handler)
{
    MessageHandler old = std::move(TestHandler());
    TestHandler() = std::move(handler);
    return old;
}

void setMessageDialog(MessageDialog dialog)
{
    DialogHandler() = std::move(dialog);
}

Answer DialogMessageSink::show(const std::string& text, MessageKind kind)
{
    return ShowMessageDialog(qs(text), kind);
}

} // namespace treluza
