#include "core/store/RecordList.h"

#include "core/store/Collation.h"
#include "core/store/Cp1252.h"
#include "core/store/FileIo.h"

#include <algorithm>
#include <stdexcept>

namespace treluza {

namespace {

bool less(const std::string& a, const std::string& b)
{
    return compareText(a, b) < 0;
}

// Files are written sorted, so a load finds its lines in order: checking
// that costs one comparison a line, a sort many.
void sortLines(std::vector<std::string>& lines)
{
    if (!std::is_sorted(lines.begin(), lines.end(), less))
        std::stable_sort(lines.begin(), lines.end(), less);
}

} // namespace

const std::string& RecordList::at(int index) const
{
    checkIndex(index);
    return m_lines[static_cast<std::size_t>(index)];
}

void RecordList::checkIndex(int index) const
{
    if (index < 0 || index >= count())
        throw std::out_of_range("list index out of bounds (" + std::to_string(index) + ")");
}

void RecordList::checkUnsorted() const
{
    if (m_sorted)
        throw std::logic_error("operation not allowed on a sorted list");
}

void RecordList::setSorted(bool sorted)
{
    if (sorted && !m_sorted)
        sortLines(m_lines);
    m_sorted = sorted;
}

int RecordList::add(std::string line)
{
    if (!m_sorted) {
        m_lines.push_back(std::move(line));
        return count() - 1;
    }
    // Appending in order (loads, key rebuilds) is the common case: check the end first.
    if (m_lines.empty() || compareText(m_lines.back(), line) < 0) {
        m_lines.push_back(std::move(line));
        return count() - 1;
    }
    const auto it = std::lower_bound(m_lines.begin(), m_lines.end(), line, less);
    const int index = static_cast<int>(it - m_lines.begin());
    if (it != m_lines.end() && compareText(*it, line) == 0)
        return index;
    m_lines.insert(it, std::move(line));
    return index;
}

void RecordList::insert(int index, std::string line)
{
    checkUnsorted();
    if (index < 0 || index > count())
        throw std::out_of_range("list index out of bounds (" + std::to_string(index) + ")");
    m_lines.insert(m_lines.begin() + index, std::move(line));
}

void RecordList::replace(int index, std::string line)
{
    checkUnsorted();
    checkIndex(index);
    m_lines[static_cast<std::size_t>(index)] = std::move(line);
}

void RecordList::remove(int index)
{
    checkIndex(index);
    m_lines.erase(m_lines.begin() + index);
}

void RecordList::assign(std::vector<std::string> lines)
{
    m_lines = std::move(lines);
    if (m_sorted)
        sortLines(m_lines);
}

int RecordList::find(std::string_view text) const
{
    if (m_sorted) {
        const auto it =
            std::lower_bound(m_lines.begin(), m_lines.end(), text,
                             [](const std::string& a, std::string_view b) { return compareText(a, b) < 0; });
        if (it != m_lines.end() && compareText(*it, text) == 0)
            return static_cast<int>(it - m_lines.begin());
        return -1;
    }
    for (int i = 0; i < count(); ++i) {
        if (compareText(m_lines[static_cast<std::size_t>(i)], text) == 0)
            return i;
    }
    return -1;
}

std::string_view FieldOf(int n, std::string_view line)
{
    if (n < 1)
        return {};
    for (int i = 1; i < n && !line.empty(); ++i)
        takeField(line);
    return takeField(line);
}

void checkFieldValue(std::string_view value)
{
    if (value.find_first_of("|\r\n") != std::string_view::npos)
        throw UnusableNameError(std::string(value));
}

void SetFieldOf(int n, std::string& line, std::string_view value)
{
    checkFieldValue(value);
    const auto bars = static_cast<int>(std::count(line.begin(), line.end(), '|'));
    if (bars < n)
        line.append(static_cast<std::size_t>(n - bars), '|');
    std::size_t start = 0;
    for (int seen = 0; seen < n - 1; ++seen)
        start = line.find('|', start) + 1;
    std::size_t end = line.find('|', start);
    if (end == std::string::npos)
        end = line.size();
    line.replace(start, end - start, value);
}

std::string keyOf(std::string_view line)
{
    const std::size_t p = line.find('|');
    return std::string(p == std::string_view::npos ? std::string_view() : line.substr(0, p));
}

const std::string& missingRecordText()
{
    static const std::string text = fromUtf8("Erro! Codigo não existe!");
    return text;
}

std::string GetRecordField(const RecordList& list, int index, int n)
{
    if (index < 0)
        return missingRecordText();
    return std::string(FieldOf(n, list.at(index)));
}

void SetRecordField(RecordList& list, int index, int n, std::string_view value)
{
    if (index < 0)
        return;
    std::string line = list.at(index);
    SetFieldOf(n, line, value);
    ReplaceRecord(list, index, std::move(line));
}

void ReplaceRecord(RecordList& list, int index, std::string line)
{
    const bool wasSorted = list.sorted();
    list.setSorted(false);
    list.replace(index, std::move(line));
    if (wasSorted)
        list.setSorted(true);
}

void SaveRecordFile(const std::filesystem::path& path, const RecordList& list)
{
    SaveLines(path, list.lines());
}

} // namespace treluza
