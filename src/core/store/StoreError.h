#pragma once
#include <filesystem>
#include <stdexcept>
#include <string>

namespace treluza {

/** A failure of the data store that a window reports to the user: a file that
 *  could not be read or written, or a name that cannot name a file. Windows
 *  catch this base; programming errors (std::logic_error, std::out_of_range)
 *  are not store errors and reach the tests. */
class StoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

/** A file could not be read. */
class FileReadError : public StoreError {
public:
    FileReadError(const std::filesystem::path& path, const std::string& reason);
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

/** A file could not be written; the file on disk is as it was before (or, for
 *  a transaction, its journal is complete and the change completes when the
 *  journal is replayed). */
class FileWriteError : public StoreError {
public:
    FileWriteError(const std::filesystem::path& path, const std::string& reason);
    const std::filesystem::path& path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

/** A change of several files whose journal is complete, but whose files could
 *  not all be replaced: the change is recorded and completes when the journal
 *  is replayed (before the next change of the folder, or at the next start).
 *  What a window holds is kept as the completed change. */
class ChangePendingError : public FileWriteError {
public:
    using FileWriteError::FileWriteError;
};

/** A name that cannot name a file or folder, or a text a record cannot hold:
 *  a stem that is empty or made only of dots and blanks (it would name the
 *  data root or leave it), too long for a file name, one of the program's own
 *  file names, or a text holding a NUL, a "|", a CR or an LF. */
class UnusableNameError : public StoreError {
public:
    explicit UnusableNameError(const std::string& name);
};

} // namespace treluza
