// The configuration reader on any file, and the writer: a key written reads
// back as written (without line breaks, trimmed), and the other keys of the
// file keep their values.
#include "FuzzInput.h"

#include "core/store/IniFile.h"

#include <cstdlib>

using namespace treluza;

namespace {

// A section or key name made of the input: letters only, so that it is one.
std::string name(std::string_view part, const char* fallback)
{
    std::string s;
    for (char c : part.substr(0, 12))
        s += static_cast<char>('a' + static_cast<unsigned char>(c) % 26);
    return s.empty() ? fallback : s;
}

std::string_view trim(std::string_view s)
{
    const std::size_t first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::Input in(data, size);
    const std::string section = name(in.part(), "s");
    const std::string key = name(in.part(), "k");
    const std::string value(in.part());
    const std::string_view file = in.rest();

    IniFile ini = IniFile::fromBytes(file);
    const std::string other = ini.readString("Fixa Tabela", "NomTab", "");
    ini.readBool(section, key, false);
    ini.readInteger(section, key, 300);
    int number = 0;
    parseIniInteger(value, number);

    ini.setString(section, key, value);
    IniFile again = IniFile::fromBytes(ini.bytes());
    std::string expected = value.substr(0, value.find('\0'));
    for (char& c : expected) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    std::string_view trimmed = trim(expected);
    if (trimmed.size() >= 2 && (trimmed.front() == '"' || trimmed.front() == '\'') &&
        trimmed.back() == trimmed.front())
        trimmed = trimmed.substr(1, trimmed.size() - 2);
    if (again.readString(section, key, "") != trimmed)
        std::abort();
    // The section written is made of letters, so it is never "Fixa Tabela".
    if (again.readString("Fixa Tabela", "NomTab", "") != other)
        std::abort();
    return 0;
}
