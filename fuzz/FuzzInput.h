#pragma once
// Splits a fuzzer's input into the parts a target needs.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace treluza::fuzz {

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : m_rest(reinterpret_cast<const char*>(data), size) {}

    /** One byte (0 when there is none left). */
    unsigned char byte()
    {
        if (m_rest.empty())
            return 0;
        const unsigned char b = static_cast<unsigned char>(m_rest.front());
        m_rest.remove_prefix(1);
        return b;
    }

    /** The text up to the next separator byte (or the end), separator dropped. */
    std::string_view part(char separator = '\x1f')
    {
        const std::size_t at = m_rest.find(separator);
        const std::string_view part = m_rest.substr(0, at);
        m_rest.remove_prefix(at == std::string_view::npos ? m_rest.size() : at + 1);
        return part;
    }

    std::string_view rest() const { return m_rest; }

private:
    std::string_view m_rest;
};

} // namespace treluza::fuzz
