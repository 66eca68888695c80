#pragma once
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace treluza {

/** One file of a change: its path relative to the journal's folder ("/"
 *  between folders) and either its new content or its deletion. */
struct JournalEntry {
    std::string path;
    bool remove = false;
    std::string bytes;

    bool operator==(const JournalEntry&) const = default;
};

/** A change of several files of one folder (a table folder) made all at once,
 *  through a redo journal.
 *
 *  The caller stages new contents and deletions (a move is the content of the
 *  old file staged under the new name plus the deletion of the old one), then
 *  commits. The commit writes the new content of every file, with a checksum
 *  and the folder's name, to the folder's journal file (atomically), then
 *  replaces the files one by one, then deletes the journal. A crash or a full
 *  disk before the journal is complete changes nothing; after it, the change
 *  is recorded and completes at the next replay. Replaying is idempotent: a
 *  journal replayed twice leaves the same files. A change of one file alone
 *  needs no journal: its atomic write is the whole change.
 *
 *  While a journal of the folder exists nothing else reads or writes the
 *  folder's files: a transaction completes it when it is made, before anything
 *  is read through it, and refuses to exist when it cannot.
 *
 *  Files are read through the transaction (read), so a walk that runs after
 *  another one on the same transaction sees what the first one staged. A file
 *  is staged once: it may be written again with new content, but a second,
 *  different entry for it (a write of a file staged for deletion or the other
 *  way round, a move from or onto a staged file, the same path in another
 *  letter case) is refused with UnusableNameError rather than letting the
 *  last one win. */
class Transaction {
public:
    /** A transaction whose journal lives in folder; every file it changes must
     *  be inside that folder (std::invalid_argument otherwise). A journal the
     *  folder holds is completed first (finishPendingChange), and its failure
     *  thrown. */
    explicit Transaction(std::filesystem::path folder);

    /** The transaction of a table: its journal lives in the table's folder.
     *  Throws UnusableNameError for a table name that cannot name a folder. */
    static Transaction forTable(const std::filesystem::path& base, std::string_view table);

    const std::filesystem::path& folder() const { return m_folder; }

    /** Stages the new content of a file, replacing what was staged for it. */
    void write(const std::filesystem::path& file, std::string bytes);
    /** Stages the deletion of a file (nothing happens at commit when it is gone). */
    void remove(const std::filesystem::path& file);
    /** Stages a move: the file at to gets the content of from as it stands now
     *  (staged or on disk; empty when from does not exist) and from is deleted.
     *  The same path twice stages nothing. Throws FileReadError. */
    void move(const std::filesystem::path& from, const std::filesystem::path& to);

    /** The content of a file as the commit would leave it: the staged content,
     *  the empty text for a staged deletion, otherwise the file on disk.
     *  Throws FileReadError. */
    std::string read(const std::filesystem::path& file) const;
    /** As read, but a file neither staged nor on disk reads as the empty text
     *  (readFileIfPresent). Throws FileReadError. */
    std::string readIfPresent(const std::filesystem::path& file) const;
    /** Whether anything is staged for the file. */
    bool stages(const std::filesystem::path& file) const;

    bool empty() const { return m_entries.empty(); }
    /** The staged files, in the order they were first staged. */
    const std::vector<JournalEntry>& entries() const { return m_entries; }

    /** Makes every staged change; afterwards nothing is staged. A journal left
     *  in the folder is completed first. Throws FileWriteError when the journal
     *  (or the one file of a change of one file) could not be written: no file
     *  changed. Throws ChangePendingError when a file could not be replaced
     *  after the journal was complete: the change is recorded and completes at
     *  the next replay. The staged changes are kept after a failure, so the
     *  same commit can be tried again. */
    void commit();

private:
    std::string relative(const std::filesystem::path& file) const;
    /** What is staged for the file (the empty text for a deletion), or null. */
    const std::string* stagedBytes(const std::filesystem::path& file) const;
    /** The entry of a file, made when it is not staged yet; a file staged as
     *  the other kind (a write or a deletion) or under another letter case is
     *  refused. */
    JournalEntry& entryFor(const std::filesystem::path& file, bool remove);

    std::filesystem::path m_folder;
    std::vector<JournalEntry> m_entries;
    std::map<std::string, std::size_t> m_byPath;
    struct IgnoringCase {
        bool operator()(const std::string& a, const std::string& b) const;
    };
    std::set<std::string, IgnoringCase> m_namesIgnoringCase; // Windows-1252 paths
};

/** Runs stage on a new transaction of the table, commits it and returns what
 *  stage returned: the form of a staging function that commits by itself. */
template <typename Stage>
auto inTableTransaction(const std::filesystem::path& base, std::string_view table, Stage&& stage)
{
    Transaction changes = Transaction::forTable(base, table);
    auto result = stage(changes);
    changes.commit();
    return result;
}

/** Replaces one file of a table, whole and atomically, once the table's
 *  pending change is complete: the write of a file that changes alone. Throws
 *  FileWriteError, and UnusableNameError for a table name that cannot name a
 *  folder. */
void writeTableFile(const std::filesystem::path& base, std::string_view table,
                    const std::filesystem::path& file, std::string bytes);

/** The journal file of a folder. */
std::filesystem::path journalPath(const std::filesystem::path& folder);

/** The largest journal a change of a table can write; a bigger file is not a
 *  journal of the program's. */
inline constexpr std::uintmax_t kLargestJournal = 256ull * 1024 * 1024;

/** A journal read back: the name of the folder it was written in, and its
 *  entries. */
struct JournalContents {
    std::string folder;
    std::vector<JournalEntry> entries;

    bool operator==(const JournalContents&) const = default;
};

/** The bytes of a journal of the folder of that name holding the entries,
 *  closed by their checksum. */
std::string encodeJournal(std::string_view folderName, const std::vector<JournalEntry>& entries);

/** The contents of a journal, or nothing when the bytes are not one whole
 *  journal: cut short, a checksum that does not match, a path that is empty,
 *  absolute, holds a NUL or climbs out of the folder (".."), or bytes after the
 *  end. */
std::optional<JournalContents> parseJournal(std::string_view bytes);

/** What finishing a folder's pending change did. */
enum class PendingChange {
    None,      // the folder held no journal
    Completed, // its journal was applied and deleted
    SetAside,  // its journal could not be used and was renamed (setAsideName)
};

/** Completes the change a failure or a crash left in a folder. A journal found
 *  there is applied (every file written or deleted as it says) and deleted. A
 *  journal that cannot be one of this folder's changes is set aside under
 *  another name, untouched, and no file is changed: something that is not a
 *  regular file (a folder, a FIFO, a link), a file larger than
 *  kLargestJournal, bytes that are not a whole journal, a journal of another
 *  folder, or one that names a folder in place of a file or a path whose real
 *  location is outside the folder. Throws FileReadError when the journal
 *  cannot be read, and FileWriteError when a file cannot be replaced (the
 *  journal then stays for the next try) or when a journal that cannot be used
 *  cannot be renamed either. */
PendingChange finishPendingChange(const std::filesystem::path& folder);

/** finishPendingChange, true when a change was completed. */
bool replayJournal(const std::filesystem::path& folder);

/** The name a journal set aside in a folder takes: "Transacao.jnl.<n>.recusado"
 *  with the first n free. */
std::filesystem::path setAsideName(const std::filesystem::path& folder);

/** What the start-up pass over a data folder did. */
struct StartUpReport {
    int completed = 0;
    /** The folders (their names) whose journal was set aside, each to be
     *  reported once. */
    std::vector<std::string> setAside;
    /** The folders whose journal could not be completed now; it stays, and the
     *  table's windows report the failure when they open it. */
    std::vector<std::string> failed;
};

/** The start-up pass over a base folder: finishPendingChange in every table
 *  folder of the data root and in the data root itself, and removal of the
 *  temporary files interrupted writes left behind there. A table folder that
 *  is a link, and any link inside a table folder, is not acted on: nothing
 *  outside the data folder is written or deleted (the data folder itself may
 *  be a link). Every folder is tried and nothing is thrown. */
StartUpReport replayJournals(const std::filesystem::path& base);

/** Finishes the pending change of one table before it is opened. Throws as
 *  finishPendingChange, and UnusableNameError. */
PendingChange replayTableJournal(const std::filesystem::path& base, std::string_view table);

} // namespace treluza
