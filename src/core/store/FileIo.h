#pragma once
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace treluza {

/** A file could not be read. */
class FileReadError : public std::runtime_error {
public:
    FileReadError(const std::filesystem::path& path, const std::string& reason);
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

/** A file could not be written; the file on disk is as it was before. */
class FileWriteError : public std::runtime_error {
public:
    FileWriteError(const std::filesystem::path& path, const std::string& reason);
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

/** The whole content of a file. Throws FileReadError. */
std::string readWholeFile(const std::filesystem::path& path);

/** Replaces the file with the given bytes: they go to a temporary file in the
 *  same folder, which is flushed to disk and then renamed over the old file, so
 *  a crash or a full disk leaves the old file or the new one, never half of one.
 *  Throws FileWriteError; the old file is then untouched. */
void writeFileAtomic(const std::filesystem::path& path, std::string_view bytes);

/** Splits text into lines: a line ends at CR, at LF or at CR LF, a NUL byte ends
 *  the text, and the last line needs no break. */
std::vector<std::string> splitLines(std::string_view text);

/** Every line followed by CR LF. */
std::string joinLines(const std::vector<std::string>& lines);

/** Writes lines as a text file, each followed by CR LF, atomically. */
void SaveLines(const std::filesystem::path& path, const std::vector<std::string>& lines);

/** Reads the lines of a text file. Throws FileReadError. */
std::vector<std::string> loadLines(const std::filesystem::path& path);

} // namespace treluza
