#include "core/store/FileIo.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace treluza {

namespace fs = std::filesystem;

FileReadError::FileReadError(const fs::path& path, const std::string& reason)
    : StoreError("cannot read " + path.string() + ": " + reason), m_path(path)
{
}

FileWriteError::FileWriteError(const fs::path& path, const std::string& reason)
    : StoreError("cannot write " + path.string() + ": " + reason), m_path(path)
{
}

std::string readWholeFile(const fs::path& path)
{
    std::error_code ec;
    if (fs::is_directory(path, ec))
        throw FileReadError(path, "is a folder");
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw FileReadError(path, std::strerror(errno));
    std::string data;
    in.seekg(0, std::ios::end);
    const auto size = in.tellg();
    if (size > 0) {
        data.resize(static_cast<std::size_t>(size));
        in.seekg(0, std::ios::beg);
        in.read(data.data(), size);
        data.resize(static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad())
        throw FileReadError(path, "read failed");
    return data;
}

std::string readFileIfPresent(const fs::path& path)
{
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (status.type() == fs::file_type::not_found)
        return {};
    return readWholeFile(path);
}

namespace {

// The full-disk seam: which change fails, and how many were attempted.
int g_failAt = 0;
int g_changes = 0;

// Counts a change; true when this one is to fail.
bool injectedFailure()
{
    ++g_changes;
    return g_failAt > 0 && g_changes == g_failAt;
}

bool writeAll(int fd, std::string_view bytes)
{
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

fs::path folderOf(const fs::path& path)
{
    return path.has_parent_path() ? path.parent_path() : fs::path(".");
}

} // namespace

void injectWriteFailure(int nth)
{
    g_failAt = nth;
    g_changes = 0;
}

int writesSinceInjection()
{
    return g_changes;
}

fs::path temporaryPathFor(const fs::path& path)
{
    fs::path temp = path;
    temp += ".tmp";
    return temp;
}

bool isTemporaryName(const std::string& fileName)
{
    constexpr std::string_view kSuffix = ".tmp";
    if (fileName.size() > kSuffix.size() && fileName.ends_with(kSuffix))
        return true;
    // name.tmp-xxxxxxxxxx
    constexpr std::size_t kRandom = 10;
    const std::size_t mark = fileName.rfind(".tmp-");
    if (mark == std::string::npos || mark == 0 || fileName.size() != mark + 5 + kRandom)
        return false;
    for (std::size_t i = mark + 5; i < fileName.size(); ++i) {
        const char c = fileName[i];
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z')))
            return false;
    }
    return true;
}

void syncFolder(const fs::path& folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

void writeFileAtomic(const fs::path& path, std::string_view bytes, bool syncFolderAfter)
{
    std::error_code ec;
    if (fs::is_directory(path, ec))
        throw FileWriteError(path, "is a folder");
    const bool fail = injectedFailure();
    // One fixed temporary per target: whatever an interrupted write left there
    // is removed first, so crashes never pile copies up.
    const fs::path temp = temporaryPathFor(path);
    if (::unlink(temp.c_str()) != 0 && errno != ENOENT && errno != EISDIR && errno != EPERM)
        throw FileWriteError(path, std::strerror(errno));
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd < 0)
        throw FileWriteError(path, std::strerror(errno));

    // Keep the permissions of the file being replaced.
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0)
        ::fchmod(fd, st.st_mode & 07777);

    bool written = false;
    int error = 0;
    if (fail) {
        writeAll(fd, bytes.substr(0, bytes.size() / 2));
        error = ENOSPC;
    } else {
        written = writeAll(fd, bytes) && ::fsync(fd) == 0;
        error = errno;
    }
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        if (written)
            error = errno;
        ::unlink(temp.c_str());
        throw FileWriteError(path, std::strerror(error));
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const int e = errno;
        ::unlink(temp.c_str());
        throw FileWriteError(path, std::strerror(e));
    }
    if (syncFolderAfter)
        syncFolder(folderOf(path));
}

bool removeFile(const fs::path& path, bool syncFolderAfter)
{
    std::error_code ec;
    const bool isFolder = fs::is_directory(path, ec);
    if (!isFolder && !fs::exists(fs::symlink_status(path, ec)))
        return false;
    if (injectedFailure())
        throw FileWriteError(path, std::strerror(EIO));
    if (isFolder)
        throw FileWriteError(path, "is a folder");
    if (::unlink(path.c_str()) != 0) {
        if (errno == ENOENT)
            return false;
        throw FileWriteError(path, std::strerror(errno));
    }
    if (syncFolderAfter)
        syncFolder(folderOf(path));
    return true;
}

std::vector<std::string> splitLines(std::string_view text)
{
    const std::size_t nul = text.find('\0');
    if (nul != std::string_view::npos)
        text = text.substr(0, nul);
    std::vector<std::string> lines;
    constexpr std::size_t none = std::string_view::npos;
    const std::size_t n = text.size();
    // The next CR and the next LF are each looked for again only once passed,
    // so the text is scanned by the library's search rather than byte by byte.
    std::size_t nextCr = text.find('\r');
    std::size_t nextLf = text.find('\n');
    std::size_t start = 0;
    while (start < n) {
        if (nextCr != none && nextCr < start)
            nextCr = text.find('\r', start);
        if (nextLf != none && nextLf < start)
            nextLf = text.find('\n', start);
        const std::size_t end = std::min(nextCr, nextLf);
        if (end == none) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + ((text[end] == '\r' && end + 1 < n && text[end + 1] == '\n') ? 2 : 1);
    }
    return lines;
}

std::string joinLines(const std::vector<std::string>& lines)
{
    std::size_t total = 0;
    for (const auto& l : lines)
        total += l.size() + 2;
    std::string out;
    out.reserve(total);
    for (const auto& l : lines) {
        out += l;
        out += "\r\n";
    }
    return out;
}

void SaveLines(const fs::path& path, const std::vector<std::string>& lines)
{
    writeFileAtomic(path, joinLines(lines));
}

std::vector<std::string> loadLines(const fs::path& path)
{
    return splitLines(readWholeFile(path));
}

} // namespace treluza
