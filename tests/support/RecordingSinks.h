#pragma once
#include "core/store/Cp1252.h"
#include "core/store/Sinks.h"

#include <string>
#include <vector>

namespace treluza::testing {

/** Keeps every message shown, as UTF-8 for readable failures, and answers Ok. */
class RecordingMessages final : public MessageSink {
public:
    Answer show(const std::string& text, MessageKind kind) override
    {
        texts.push_back(toUtf8(text));
        kinds.push_back(kind);
        return Answer::Ok;
    }
    std::vector<std::string> texts;
    std::vector<MessageKind> kinds;
};

/** Keeps the calls a walk makes on its progress bar. */
class RecordingProgress final : public ProgressSink {
public:
    void begin(int maximum) override { calls.push_back("begin " + std::to_string(maximum)); }
    void position(int value) override { calls.push_back("position " + std::to_string(value)); }
    void end() override { calls.push_back("end"); }
    std::vector<std::string> calls;
};

} // namespace treluza::testing
