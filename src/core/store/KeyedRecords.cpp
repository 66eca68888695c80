#include "core/store/KeyedRecords.h"

#include "core/store/Collation.h"
#include "core/store/FileIo.h"

#include <algorithm>

namespace treluza {

void KeyedRecords::assign(std::vector<std::string> lines)
{
    m_records.assign(std::move(lines));
    m_keys.clear();
    for (const auto& line : m_records.lines())
        m_keys.add(keyOf(line));
}

void KeyedRecords::clear()
{
    m_records.clear();
    m_keys.clear();
}

int KeyedRecords::add(std::string line)
{
    std::string key = keyOf(line);
    const int index = m_records.add(std::move(line));
    m_keys.add(std::move(key));
    return index;
}

int KeyedRecords::replace(int index, std::string line)
{
    std::string key = keyOf(line);
    ReplaceRecord(m_records, index, line);
    if (index < m_keys.count() && m_keys[index] != key)
        ReplaceRecord(m_keys, index, std::move(key));
    return std::max(0, m_records.find(line));
}

void KeyedRecords::remove(int index)
{
    if (index >= 0 && index < m_records.count())
        m_records.remove(index);
    if (index >= 0 && index < m_keys.count())
        m_keys.remove(index);
}

int KeyedRecords::keyPosition(std::string_view key, bool& found) const
{
    const auto& keys = m_keys.lines();
    const auto it =
        std::lower_bound(keys.begin(), keys.end(), key,
                         [](const std::string& a, std::string_view b) { return compareText(a, b) < 0; });
    found = it != keys.end() && compareText(*it, key) == 0;
    return static_cast<int>(it - keys.begin());
}

void LoadRecordFile(const std::filesystem::path& path, KeyedRecords& list)
{
    list.assign(loadLines(path));
}

KeyedRecords keyedLines(std::string_view bytes)
{
    KeyedRecords list;
    list.assign(splitLines(bytes));
    return list;
}

} // namespace treluza
