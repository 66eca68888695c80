#pragma once
#include "core/store/KeyedRecords.h"
#include "core/store/Sinks.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace treluza {

/** The modes every register window goes through. */
enum class RegisterMode { Empty = 0, Inserting = 1, Deleting = 2, Changing = 3, Showing = 4, Consulting = 5 };

/** The data side of a register window: the keyed records of its file, the
 *  current index, and the editing pattern every register shares (add a record,
 *  replace the current line, delete the current record, write the whole
 *  file). The records live from the window's activation (load) to its
 *  "Retorna" (release). */
class RegisterData {
public:
    /** Loads a record file and remembers its path and whether it is
     *  scrambled; current index 0. Throws FileReadError. */
    void load(const std::filesystem::path& path);
    void loadScrambled(const std::filesystem::path& path, ProgressSink& progress);
    /** Writes the record list, whole, to the remembered path, scrambled when it
     *  was loaded so. Throws FileWriteError. */
    void save(ProgressSink& progress) const;
    void save() const;
    /** The bytes save() would write. */
    std::string fileBytes(ProgressSink& progress) const;
    /** Empties the records and forgets the path. */
    void release();

    const KeyedRecords& list() const { return m_list; }
    /** The records, to be replaced whole (a copy of another file's lines). */
    KeyedRecords& list() { return m_list; }
    const RecordList& records() const { return m_list.records(); }
    const RecordList& keys() const { return m_list.keys(); }
    const std::filesystem::path& path() const { return m_path; }
    int count() const { return m_list.count(); }
    bool empty() const { return m_list.empty(); }

    int current() const { return m_current; }
    void setCurrent(int index) { m_current = index; }

    /** Looks a key up in the key list (case-insensitive); the current index
     *  becomes its place, or the place it would take when it is not there. */
    bool lookup(std::string_view key);

    /** Field n of the current record (the missing-record text for a negative index). */
    std::string field(int n) const;
    /** The key at the current index. */
    std::string currentKey() const;

    /** Adds the line with its key; the current index becomes the line's place. */
    void insert(const std::string& line);
    /** Puts the line, with its key, at the current index (a change or a
     *  rename); the records stay sorted and the current index follows the line. */
    void replaceCurrent(const std::string& line);
    /** Deletes the current record; the current index becomes 0. */
    void removeCurrent();

private:
    std::filesystem::path m_path;
    bool m_scrambled = false;
    KeyedRecords m_list;
    int m_current = 0;
};

} // namespace treluza
