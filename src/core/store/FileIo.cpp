#include "core/store/FileIo.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace treluza {

namespace fs = std::filesystem;

FileReadError::FileReadError(const fs::path& path, const std::string& reason)
    : std::runtime_error("cannot read " + path.string() + ": " + reason), m_path(path)
{
}

FileWriteError::FileWriteError(const fs::path& path, const std::string& reason)
    : std::runtime_error("cannot write " + path.string() + ": " + reason), m_path(path)
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

namespace {

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

std::string tempSuffix()
{
    static std::mt19937_64 rng{std::random_device{}()};
    static const char digits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::string s = ".tmp-";
    for (int i = 0; i < 10; ++i)
        s += digits[rng() % 36];
    return s;
}

} // namespace

void writeFileAtomic(const fs::path& path, std::string_view bytes)
{
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    std::error_code ec;
    if (fs::is_directory(path, ec))
        throw FileWriteError(path, "is a folder");
    fs::path temp;
    int fd = -1;
    for (int attempt = 0; attempt < 20 && fd < 0; ++attempt) {
        temp = folder / (path.filename().string() + tempSuffix());
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        throw FileWriteError(path, std::strerror(errno));

    // Keep the permissions of the file being replaced.
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0)
        ::fchmod(fd, st.st_mode & 07777);

    const bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    const int savedErrno = errno;
    const bool closed = ::close(fd) == 0;
    if (!written || !closed) {
        ::unlink(temp.c_str());
        throw FileWriteError(path, std::strerror(written ? errno : savedErrno));
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const int e = errno;
        ::unlink(temp.c_str());
        throw FileWriteError(path, std::strerror(e));
    }
}

std::vector<std::string> splitLines(std::string_view text)
{
    const std::size_t nul = text.find('\0');
    if (nul != std::string_view::npos)
        text = text.substr(0, nul);
    std::vector<std::string> lines;
    std::size_t start = 0;
    const std::size_t n = text.size();
    while (start < n) {
        std::size_t end = start;
        while (end < n && text[end] != '\r' && text[end] != '\n')
            ++end;
        lines.emplace_back(text.substr(start, end - start));
        if (end < n)
            end += (text[end] == '\r' && end + 1 < n && text[end + 1] == '\n') ? 2 : 1;
        start = end;
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
