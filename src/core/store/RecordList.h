#pragma once
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace treluza {

/** An ordered list of text lines with a sorted switch. While sorted, the lines
 *  stay in ascending CompareText order and a line equal to one already present is
 *  not added again. A record file's lines with their keys are a KeyedRecords. */
class RecordList {
public:
    explicit RecordList(bool sorted = false) : m_sorted(sorted) {}

    int count() const { return static_cast<int>(m_lines.size()); }
    bool empty() const { return m_lines.empty(); }
    /** The line at index; throws std::out_of_range outside 0..count-1. */
    const std::string& at(int index) const;
    const std::string& operator[](int index) const { return at(index); }
    const std::vector<std::string>& lines() const { return m_lines; }

    bool sorted() const { return m_sorted; }
    /** Switching on sorts the lines in place (equal lines are all kept);
     *  switching off keeps the current order. */
    void setSorted(bool sorted);

    /** Sorted: inserts at its place, or returns the index of an equal line
     *  without adding. Unsorted: appends. Returns the line's index. */
    int add(std::string line);
    /** Inserts at index; only while unsorted (std::logic_error otherwise). */
    void insert(int index, std::string line);
    /** Replaces the line at index; only while unsorted (std::logic_error otherwise). */
    void replace(int index, std::string line);
    void remove(int index);
    void clear() { m_lines.clear(); }
    /** Replaces the whole content, keeping the sorted switch (sorting if on). */
    void assign(std::vector<std::string> lines);

    /** Index of a line equal (CompareText) to text, or -1. Binary search while
     *  sorted, a scan otherwise. */
    int find(std::string_view text) const;

private:
    void checkIndex(int index) const;
    void checkUnsorted() const;

    std::vector<std::string> m_lines;
    bool m_sorted;
};

/** Field 1 of every record line is its key. */
inline constexpr int kKeyField = 1;

/** Takes the first field off rest: returns the text up to the first "|" (up
 *  to the end when there is none) and removes it from rest with its "|". The
 *  one step of FieldOf and of the record readers (splitFields). */
inline std::string_view takeField(std::string_view& rest)
{
    const std::size_t bar = rest.find('|');
    const std::string_view field = rest.substr(0, bar);
    rest.remove_prefix(bar == std::string_view::npos ? rest.size() : bar + 1);
    return field;
}

/** Field n (1-based) of a record line: the text before its "|"; a last field
 *  without its "|" runs to the end of the line. A field the line does not have
 *  (n <= 0, or a number past the last field) reads as the empty text, as the
 *  record readers read it: a short line never gives one field's text for
 *  another. The view points into line, which must outlive it. */
std::string_view FieldOf(int n, std::string_view line);

/** Throws UnusableNameError for a value that a record line cannot hold: one
 *  with a "|" (the field separator), a CR or an LF (line breaks). */
void checkFieldValue(std::string_view value);

/** Replaces field n of the line by value, adding terminated empty fields when
 *  the line has fewer than n. Throws UnusableNameError for a value that a
 *  record cannot hold (checkFieldValue). */
void SetFieldOf(int n, std::string& line, std::string_view value);

/** The key of a record line: the text before the first "|" (empty without one). */
std::string keyOf(std::string_view line);

/** The text shown for a failed key lookup. */
const std::string& missingRecordText();

/** Field n of the line at index; for a negative index missingRecordText(). */
std::string GetRecordField(const RecordList& list, int index, int n);

/** Replaces the line at index, keeping the list's sorted switch (the line
 *  moves to its sorted place). The key list is not touched. */
void ReplaceRecord(RecordList& list, int index, std::string line);

/** Replaces field n of the line at index, keeping the list's sorted switch (the
 *  line moves to its sorted place). The key list is not touched. A negative
 *  index does nothing. */
void SetRecordField(RecordList& list, int index, int n, std::string_view value);

/** Writes the list in its current order, each line followed by CR LF, replacing
 *  the file atomically. Throws FileWriteError (the file is then untouched). */
void SaveRecordFile(const std::filesystem::path& path, const RecordList& list);

} // namespace treluza
