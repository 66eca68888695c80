#pragma once
// KeyedRecords: the lines of a record file, sorted, with the sorted list of
// their keys beside them (index i of the keys is the key of line i). The two
// lists change only together, so that what a window looks up by name and
// what it writes to its file never drift apart.
//
// How to use it: load it with LoadRecordFile (or LoadScrambledFile), or
// assign() lines read some other way; change it with add, replace and
// remove; look names up with findKey or keyPosition. A duplicate line or key,
// which only a damaged file holds, is kept once in the keys as the file's
// readers have always done.
#include "core/store/RecordList.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace treluza {

class KeyedRecords {
public:
    const RecordList& records() const { return m_records; }
    const RecordList& keys() const { return m_keys; }
    const std::vector<std::string>& lines() const { return m_records.lines(); }
    int count() const { return m_records.count(); }
    bool empty() const { return m_records.empty(); }
    /** The line at index; throws std::out_of_range outside 0..count-1. */
    const std::string& operator[](int index) const { return m_records.at(index); }
    const std::string& at(int index) const { return m_records.at(index); }

    /** Replaces the content: the lines are sorted and their keys rebuilt. */
    void assign(std::vector<std::string> lines);
    void clear();
    /** Adds the line at its sorted place and its key to the keys; returns the
     *  line's index. */
    int add(std::string line);
    /** Puts the line at index; line and key move to their sorted places.
     *  Returns the line's new index. */
    int replace(int index, std::string line);
    /** Deletes the line at index and its key; an index out of range does nothing. */
    void remove(int index);

    /** The index of the key (case-insensitive), or -1. */
    int findKey(std::string_view key) const { return m_keys.find(key); }
    /** Where the key is in the keys, or where it would go. */
    int keyPosition(std::string_view key, bool& found) const;

private:
    RecordList m_records{true};
    RecordList m_keys{true};
};

/** Loads a plain record file. Throws FileReadError. */
void LoadRecordFile(const std::filesystem::path& path, KeyedRecords& list);

/** The lines of bytes, split at CR LF, as a keyed list. */
KeyedRecords keyedLines(std::string_view bytes);

} // namespace treluza
