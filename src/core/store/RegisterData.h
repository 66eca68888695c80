#pragma once
#include "core/store/RecordList.h"
#include "core/store/Sinks.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace treluza {

/** The modes every register window goes through. */
enum class RegisterMode { Empty = 0, Inserting = 1, Deleting = 2, Changing = 3, Showing = 4, Consulting = 5 };

/** The data side of a register window: the record list and key list of its
 *  file, the current index, and the editing pattern every register shares (add
 *  a record with its key, replace the current line, delete the current record,
 *  write the whole file). The lists live from the window's activation
 *  (load) to its "Retorna" (release). */
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
    /** Empties both lists and forgets the path. */
    void release();

    const RecordList& records() const { return m_records; }
    RecordList& records() { return m_records; }
    const KeyList& keys() const { return m_keys; }
    KeyList& keys() { return m_keys; }
    const std::filesystem::path& path() const { return m_path; }
    int count() const { return m_records.count(); }
    bool empty() const { return m_records.empty(); }

    int current() const { return m_current; }
    void setCurrent(int index) { m_current = index; }

    /** Looks a key up in the key list (case-insensitive); the current index
     *  becomes its place, or the place it would take when it is not there. */
    bool lookup(std::string_view key);

    /** Field n of the current record (the missing-record text for a negative index). */
    std::string field(int n) const;
    /** The key at the current index. */
    std::string currentKey() const;

    /** Adds the line to the record list and its key to the key list; the
     *  current index becomes the line's place. */
    void insert(const std::string& line);
    /** Puts the line at the current index; the list stays sorted (the line moves
     *  to its place and the current index follows it). */
    void replaceCurrent(const std::string& line);
    /** Deletes the current record from both lists; the current index becomes 0. */
    void removeCurrent();
    /** Replaces key and line of the current record (a rename): both lists are
     *  re-sorted and the current index follows the record. */
    void renameCurrent(const std::string& newKey, const std::string& line);

private:
    std::filesystem::path m_path;
    bool m_scrambled = false;
    RecordList m_records{true};
    KeyList m_keys{true};
    int m_current = 0;
};

} // namespace treluza
