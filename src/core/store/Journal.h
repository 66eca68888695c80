#pragma once
#include <filesystem>
#include <map>
#include <optional>
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
 *  commits. The commit writes the new content of every file, with a checksum,
 *  to the folder's journal file (atomically), then replaces the files one by
 *  one, then deletes the journal. A crash or a full disk before the journal is
 *  complete changes nothing; after it, replayJournal (run at start-up and
 *  before a table is opened) completes the change. Replaying is idempotent:
 *  a journal replayed twice leaves the same files.
 *
 *  Files are read through the transaction (read), so a walk that runs after
 *  another one on the same transaction sees what the first one staged. */
class Transaction {
public:
    /** A transaction whose journal lives in folder; every file it changes must
     *  be inside that folder (std::invalid_argument otherwise). */
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
    /** Whether anything is staged for the file. */
    bool stages(const std::filesystem::path& file) const;

    bool empty() const { return m_entries.empty(); }
    /** The staged files, in the order they were first staged. */
    const std::vector<JournalEntry>& entries() const { return m_entries; }

    /** Makes every staged change; afterwards nothing is staged. A journal left
     *  in the folder by an earlier crash is replayed first. Throws
     *  FileWriteError: when the journal could not be written no file changed;
     *  when a file could not be replaced the journal stays complete and the
     *  change completes at the next replay. The staged changes are kept after a
     *  failure, so the same commit can be tried again. */
    void commit();

private:
    std::string relative(const std::filesystem::path& file) const;
    JournalEntry& entryFor(const std::filesystem::path& file);

    std::filesystem::path m_folder;
    std::vector<JournalEntry> m_entries;
    std::map<std::string, std::size_t> m_byPath;
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

/** The journal file of a folder. */
std::filesystem::path journalPath(const std::filesystem::path& folder);

/** The bytes of a journal holding the entries, closed by their checksum. */
std::string encodeJournal(const std::vector<JournalEntry>& entries);

/** The entries of a journal, or nothing when the bytes are not one whole
 *  journal: cut short, a checksum that does not match, a path that is empty,
 *  absolute, holds a NUL or climbs out of the folder (".."), or bytes after the
 *  end. */
std::optional<std::vector<JournalEntry>> parseJournal(std::string_view bytes);

/** Completes the change left by a crash in a folder: a whole journal found
 *  there is applied (every file written or deleted as it says) and deleted; a
 *  journal cut short or damaged is deleted without touching any file. Returns
 *  whether a change was completed. Throws FileReadError when the journal cannot
 *  be read and FileWriteError when a file cannot be replaced (the journal then
 *  stays for the next try). */
bool replayJournal(const std::filesystem::path& folder);

/** The start-up pass over a base folder: replayJournal in every table folder
 *  of the data root and in the data root itself, and removal of the temporary
 *  files interrupted writes left behind there. Every folder is tried; the first
 *  failure is thrown at the end. Returns the number of changes completed. */
int replayJournals(const std::filesystem::path& base);

/** Replays the journal of one table before it is opened (replayJournal of its
 *  folder). Throws as replayJournal, and UnusableNameError. */
bool replayTableJournal(const std::filesystem::path& base, std::string_view table);

} // namespace treluza
