#include "core/store/IniFile.h"

#include "core/store/Collation.h"
#include "core/store/Cp1252.h"
#include "core/store/FileIo.h"

#include <charconv>
#include <climits>
#include <fstream>

namespace treluza {

namespace {

std::string_view trim(std::string_view s)
{
    const std::size_t first = s.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t") - first + 1);
}

bool sameName(std::string_view a, std::string_view b)
{
    return compareText(trim(a), trim(b)) == 0;
}

// The section name of a "[name]" line, or false.
bool sectionName(std::string_view line, std::string_view& name)
{
    line = trim(line);
    if (line.size() < 2 || line.front() != '[')
        return false;
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos)
        return false;
    name = line.substr(1, close - 1);
    return true;
}

// The key and value of a "key=value" line, or false.
bool keyValue(std::string_view line, std::string_view& key, std::string_view& value)
{
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos)
        return false;
    key = trim(line.substr(0, eq));
    value = trim(line.substr(eq + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return !key.empty() && key.front() != ';';
}

} // namespace

bool parseIniInteger(std::string_view text, int& value)
{
    text = trim(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty())
        return false;
    long long magnitude = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (ec != std::errc() || end != text.data() + text.size())
        return false;
    const long long v = negative ? -magnitude : magnitude;
    // Hexadecimal values keep their 32-bit pattern (0xFFFFFFFF reads as -1).
    if (base == 16 && !negative && v > INT_MAX && v <= static_cast<long long>(UINT_MAX)) {
        value = static_cast<int>(static_cast<unsigned int>(v));
        return true;
    }
    if (v < INT_MIN || v > INT_MAX)
        return false;
    value = static_cast<int>(v);
    return true;
}

std::string dropLastChar(std::string text)
{
    if (!text.empty())
        text.pop_back();
    return text;
}

IniFile::IniFile(std::filesystem::path path) : m_path(std::move(path))
{
    std::error_code ec;
    // Something at the path that cannot be read (a link to nowhere included)
    // is a failure to read, not a missing file.
    if (!std::filesystem::exists(std::filesystem::symlink_status(m_path, ec))) {
        if (m_path.has_parent_path())
            std::filesystem::create_directories(m_path.parent_path(), ec);
        std::ofstream create(m_path, std::ios::binary);
        return;
    }
    try {
        // Saved as "Unicode" by a text editor, or with a NUL inside: what can
        // be read is read, but a file not taken whole is never replaced by a
        // shorter one.
        const DecodedText decoded = decodeTextFile(readWholeFile(m_path));
        m_lines = splitLines(decoded.text);
        m_readFailed = !decoded.whole;
    } catch (const FileReadError&) {
        // An unreadable file reads as empty (every key gives its default), and
        // no write may replace it.
        m_lines.clear();
        m_readFailed = true;
    }
    m_saved = m_lines;
}

IniFile IniFile::fromBytes(std::string_view bytes)
{
    IniFile ini;
    ini.m_lines = splitLines(bytes);
    ini.m_saved = ini.m_lines;
    return ini;
}

int IniFile::findSection(std::string_view section) const
{
    std::string_view name;
    for (int i = 0; i < static_cast<int>(m_lines.size()); ++i) {
        if (sectionName(m_lines[static_cast<std::size_t>(i)], name) && sameName(name, section))
            return i;
    }
    return -1;
}

int IniFile::findKey(int sectionLine, std::string_view key) const
{
    std::string_view name, k, v;
    for (auto i = static_cast<std::size_t>(sectionLine) + 1; i < m_lines.size(); ++i) {
        if (sectionName(m_lines[i], name))
            break;
        if (keyValue(m_lines[i], k, v) && sameName(k, key))
            return static_cast<int>(i);
    }
    return -1;
}

bool IniFile::hasKey(std::string_view section, std::string_view key) const
{
    const int s = findSection(section);
    return s >= 0 && findKey(s, key) >= 0;
}

std::string IniFile::readString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const
{
    const int s = findSection(section);
    const int k = s < 0 ? -1 : findKey(s, key);
    if (k < 0)
        return std::string(defaultValue);
    std::string_view name, value;
    keyValue(m_lines[static_cast<std::size_t>(k)], name, value);
    return std::string(value);
}

int IniFile::readInteger(std::string_view section, std::string_view key, int defaultValue) const
{
    if (!hasKey(section, key))
        return defaultValue;
    int value = 0;
    return parseIniInteger(readString(section, key, ""), value) ? value : defaultValue;
}

bool IniFile::readBool(std::string_view section, std::string_view key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void IniFile::setString(std::string_view section, std::string_view key, std::string_view value)
{
    std::vector<std::string>& lines = m_lines;
    // A line break inside a value would start a line of its own in the file.
    std::string clean(value.substr(0, value.find('\0')));
    for (char& c : clean) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    value = clean;
    const std::string entry = std::string(key) + "=" + std::string(value);
    const int s = findSection(section);
    if (s < 0) {
        if (!lines.empty() && !trim(lines.back()).empty())
            lines.emplace_back();
        lines.push_back("[" + std::string(section) + "]");
        lines.push_back(entry);
    } else if (const int k = findKey(s, key); k >= 0) {
        std::string_view oldKey, oldValue;
        keyValue(lines[static_cast<std::size_t>(k)], oldKey, oldValue);
        lines[static_cast<std::size_t>(k)] = std::string(oldKey) + "=" + std::string(value);
    } else {
        // After the last non-blank line of the section.
        std::size_t at = static_cast<std::size_t>(s) + 1;
        std::string_view name;
        for (std::size_t i = at; i < lines.size() && !sectionName(lines[i], name); ++i) {
            if (!trim(lines[i]).empty())
                at = i + 1;
        }
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), entry);
    }
}

void IniFile::setBool(std::string_view section, std::string_view key, bool value)
{
    setString(section, key, value ? "1" : "0");
}

void IniFile::setInteger(std::string_view section, std::string_view key, int value)
{
    setString(section, key, std::to_string(value));
}

std::string IniFile::bytes() const
{
    return joinLines(m_lines);
}

void IniFile::save()
{
    try {
        if (m_readFailed)
            throw FileWriteError(m_path, "the file could not be read, so it is not replaced");
        if (m_path.empty())
            throw FileWriteError(m_path, "a configuration in memory has no file");
        writeFileAtomic(m_path, bytes());
    } catch (const FileWriteError&) {
        m_lines = m_saved;
        throw;
    }
    m_saved = m_lines;
}

void IniFile::writeString(std::string_view section, std::string_view key, std::string_view value)
{
    setString(section, key, value);
    save();
}

void IniFile::writeBool(std::string_view section, std::string_view key, bool value)
{
    writeString(section, key, value ? "1" : "0");
}

void IniFile::writeInteger(std::string_view section, std::string_view key, int value)
{
    writeString(section, key, std::to_string(value));
}

} // namespace treluza
