#include "gui/widgets/Messages.h"

#include "gui/widgets/QtText.h"

#include <stdexcept>

namespace treluza {

namespace {

MessageHandler& TestHandler()
{
    static MessageHandler handler;
    return handler;
}

MessageHandler& DialogHandler()
{
    static MessageHandler dialog;
    return dialog;
}

} // namespace

Answer ShowMessageDialog(const QString& text, MessageKind kind)
{
    if (TestHandler())
        return TestHandler()(text, kind);
    if (DialogHandler())
        return DialogHandler()(text, kind);
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

bool ask(const QString& text)
{
    return ShowMessageDialog(text, MessageKind::Question) == Answer::Yes;
}

void tellUnreadable(const QString& path)
{
    tell(QStringLiteral("Não foi possível ler o arquivo ") + path + QStringLiteral(" !"));
}

MessageHandler setMessageHandler(MessageHandler handler)
{
    MessageHandler old = std::move(TestHandler());
    TestHandler() = std::move(handler);
    return old;
}

void setMessageDialog(MessageHandler dialog)
{
    DialogHandler() = std::move(dialog);
}

Answer DialogMessageSink::show(const std::string& text, MessageKind kind)
{
    return ShowMessageDialog(qs(text), kind);
}

} // namespace treluza
