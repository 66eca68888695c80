#pragma once
#include <string>

namespace treluza {

/** Receives progress of a long file operation (a window shows a bar). */
class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    virtual void begin(int maximum) = 0;
    virtual void position(int value) = 0;
    virtual void end() = 0;
};

/** A progress sink that shows nothing. */
class NullProgress final : public ProgressSink {
public:
    void begin(int) override {}
    void position(int) override {}
    void end() override {}
};

/** Kinds of message, as the message dialog shows them. */
enum class MessageKind { Message = 1, Question = 2 };

/** Answer to a question: yes is 6, as the message dialog returns it. */
enum class Answer { Ok = 1, Yes = 6, No = 7 };

/** Receives the messages and questions a core operation raises; texts are
 *  Windows-1252. */
class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual Answer show(const std::string& text, MessageKind kind) = 0;
};

/** Shows bars while a scope is alive: begin on construction, end on destruction
 *  (also when an exception leaves the scope). */
class ProgressScope {
public:
    ProgressScope(ProgressSink& sink, int maximum) : m_sink(sink) { m_sink.begin(maximum); }
    ~ProgressScope() { m_sink.end(); }
    ProgressScope(const ProgressScope&) = delete;
    ProgressScope& operator=(const ProgressScope&) = delete;
    void position(int value) { m_sink.position(value); }

private:
    ProgressSink& m_sink;
};

} // namespace treluza
