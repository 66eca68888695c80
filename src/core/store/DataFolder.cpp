#include "core/store/DataFolder.h"

#include "core/store/Paths.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <utility>

namespace treluza {

namespace fs = std::filesystem;

std::optional<DataFolderLock> DataFolderLock::take(const fs::path& base)
{
    ensureDataRoot(base);
    const fs::path file = dataRoot(base) / kLockFileName;
    const int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0)
        return DataFolderLock(-1);
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        if (error == EWOULDBLOCK)
            return std::nullopt;
        return DataFolderLock(-1);
    }
    return DataFolderLock(fd);
}

DataFolderLock::DataFolderLock(DataFolderLock&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}

DataFolderLock& DataFolderLock::operator=(DataFolderLock&& other) noexcept
{
    if (this != &other) {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = std::exchange(other.m_fd, -1);
    }
    return *this;
}

DataFolderLock::~DataFolderLock()
{
    if (m_fd >= 0)
        ::close(m_fd); // releases the lock
}

std::optional<OpenedDataFolder> openDataFolder(const fs::path& base)
{
    std::optional<DataFolderLock> lock = DataFolderLock::take(base);
    if (!lock)
        return std::nullopt;
    StartUpReport report = replayJournals(base);
    return OpenedDataFolder{std::move(*lock), std::move(report)};
}

} // namespace treluza
