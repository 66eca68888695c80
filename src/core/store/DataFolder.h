#pragma once
// The data folder of one run of the program: one run at a time works on it.
#include "core/store/Journal.h"

#include <filesystem>
#include <optional>

namespace treluza {

/** The lock of a data folder, held for a whole run: a second run on the same
 *  folder cannot take it. It is the operating system's lock on the lock file,
 *  released when the process ends however it ends, so the lock of a run that
 *  is gone (a crash, a kill) is simply taken over. */
class DataFolderLock {
public:
    /** Takes the lock of the data root under base (the root is created when
     *  missing). Nothing when another run holds it; a lock file that cannot be
     *  made (a folder that cannot be written) gives a lock that holds nothing. */
    static std::optional<DataFolderLock> take(const std::filesystem::path& base);

    DataFolderLock(DataFolderLock&& other) noexcept;
    DataFolderLock& operator=(DataFolderLock&& other) noexcept;
    ~DataFolderLock();

private:
    explicit DataFolderLock(int fd) : m_fd(fd) {}
    int m_fd = -1;
};

/** A data folder opened for a run: its lock, and what the start-up pass did. */
struct OpenedDataFolder {
    DataFolderLock lock;
    StartUpReport report;
};

/** Opens the data folder under base for this run: takes its lock, then
 *  completes the changes a failure or a crash interrupted and removes the
 *  temporary files left behind (replayJournals). Nothing when another run holds
 *  the folder: then no file is touched. Never throws for a damaged file. */
std::optional<OpenedDataFolder> openDataFolder(const std::filesystem::path& base);

} // namespace treluza
