#include "core/store/RegisterData.h"

#include "core/store/Collation.h"
#include "core/store/CriUnit.h"
#include "core/store/FileIo.h"

#include <algorithm>

namespace treluza {

void RegisterData::load(const std::filesystem::path& path)
{
    m_path = path;
    m_scrambled = false;
    LoadRecordFile(path, m_records, m_keys);
    m_current = 0;
}

void RegisterData::loadScrambled(const std::filesystem::path& path, ProgressSink& progress)
{
    m_path = path;
    m_scrambled = true;
    LoadScrambledFile(path, m_records, m_keys, progress);
    m_current = 0;
}

std::string RegisterData::fileBytes(ProgressSink& progress) const
{
    return m_scrambled ? scrambledFileBytes(m_records, progress) : joinLines(m_records.lines());
}

void RegisterData::save(ProgressSink& progress) const
{
    if (m_path.empty())
        throw FileWriteError(m_path, "no file was loaded");
    writeFileAtomic(m_path, fileBytes(progress));
}

void RegisterData::save() const
{
    NullProgress none;
    save(none);
}

void RegisterData::release()
{
    // No path either: a save after a failed load cannot reach another file.
    m_path.clear();
    m_records.clear();
    m_keys.clear();
    m_current = 0;
}

bool RegisterData::lookup(std::string_view key)
{
    const auto& keys = m_keys.lines();
    const auto it =
        std::lower_bound(keys.begin(), keys.end(), key,
                         [](const std::string& a, std::string_view b) { return compareText(a, b) < 0; });
    m_current = static_cast<int>(it - keys.begin());
    return it != keys.end() && compareText(*it, key) == 0;
}

std::string RegisterData::field(int n) const
{
    if (m_current >= m_records.count())
        return missingRecordText();
    return GetRecordField(m_records, m_current, n);
}

std::string RegisterData::currentKey() const
{
    return m_current >= 0 && m_current < m_keys.count() ? m_keys[m_current] : std::string();
}

void RegisterData::insert(const std::string& line)
{
    m_current = m_records.add(line);
    m_keys.add(keyOf(line));
}

void RegisterData::replaceCurrent(const std::string& line)
{
    if (m_current < 0 || m_current >= m_records.count())
        return;
    m_records.setSorted(false);
    m_records.replace(m_current, line);
    m_records.setSorted(true);
    m_current = std::max(0, m_records.find(line));
}

void RegisterData::removeCurrent()
{
    if (m_current >= 0 && m_current < m_records.count())
        m_records.remove(m_current);
    if (m_current >= 0 && m_current < m_keys.count())
        m_keys.remove(m_current);
    m_current = 0;
}

void RegisterData::renameCurrent(const std::string& newKey, const std::string& line)
{
    if (m_current < 0 || m_current >= m_records.count())
        return;
    m_records.setSorted(false);
    m_records.replace(m_current, line);
    m_records.setSorted(true);
    if (m_current < m_keys.count()) {
        m_keys.setSorted(false);
        m_keys.replace(m_current, newKey);
        m_keys.setSorted(true);
    }
    m_current = std::max(0, m_records.find(line));
}

} // namespace treluza
