#include "core/store/RegisterData.h"

#include "core/store/CriUnit.h"
#include "core/store/FileIo.h"

namespace treluza {

void RegisterData::load(const std::filesystem::path& path)
{
    m_path = path;
    m_scrambled = false;
    LoadRecordFile(path, m_list);
    m_current = 0;
}

void RegisterData::loadScrambled(const std::filesystem::path& path, ProgressSink& progress)
{
    m_path = path;
    m_scrambled = true;
    LoadScrambledFile(path, m_list, progress);
    m_current = 0;
}

std::string RegisterData::fileBytes(ProgressSink& progress) const
{
    return m_scrambled ? scrambledFileBytes(records(), progress) : joinLines(m_list.lines());
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
    m_list.clear();
    m_current = 0;
}

bool RegisterData::lookup(std::string_view key)
{
    bool found = false;
    m_current = m_list.keyPosition(key, found);
    return found;
}

std::string RegisterData::field(int n) const
{
    if (m_current >= m_list.count())
        return missingRecordText();
    return GetRecordField(records(), m_current, n);
}

std::string RegisterData::currentKey() const
{
    return m_current >= 0 && m_current < keys().count() ? keys()[m_current] : std::string();
}

void RegisterData::insert(const std::string& line)
{
    m_current = m_list.add(line);
}

void RegisterData::replaceCurrent(const std::string& line)
{
    if (m_current < 0 || m_current >= m_list.count())
        return;
    m_current = m_list.replace(m_current, line);
}

void RegisterData::removeCurrent()
{
    m_list.remove(m_current);
    m_current = 0;
}

} // namespace treluza
