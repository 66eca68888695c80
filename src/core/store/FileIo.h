#pragma once
#include "core/store/StoreError.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace treluza {

/** The whole content of a file. Throws FileReadError. */
std::string readWholeFile(const std::filesystem::path& path);

/** The whole content of a file, or the empty text when there is no file (nor
 *  its folder): what a file never written holds. Throws FileReadError for a
 *  file that is there and cannot be read (a folder in its place included). */
std::string readFileIfPresent(const std::filesystem::path& path);

/** Replaces the file with the given bytes: they go to the target's temporary
 *  file (temporaryPathFor), which is flushed to disk and then renamed over the
 *  old file, and the folder is synced so that the rename itself survives a
 *  power cut. A crash or a full disk leaves the old file or the new one, never
 *  half of one, and at most the one temporary file, which the next write of the
 *  same target replaces. The old file's permissions are kept. Throws
 *  FileWriteError; the old file is then untouched and the temporary removed.
 *  A caller that replaces many files of one folder in a row (a transaction,
 *  whose journal redoes them after a power cut) may pass syncFolderAfter false
 *  and sync the folder once at the end. */
void writeFileAtomic(const std::filesystem::path& path, std::string_view bytes, bool syncFolderAfter = true);

/** Deletes a file and syncs its folder (unless syncFolderAfter is false).
 *  Returns false when there was no file. Throws FileWriteError when it cannot
 *  be deleted (a folder in its place included). */
bool removeFile(const std::filesystem::path& path, bool syncFolderAfter = true);

/** Flushes a folder's entries (creations, renames, deletes) to disk; best
 *  effort, failures are ignored. */
void syncFolder(const std::filesystem::path& folder);

/** The one temporary file a write of path goes through: the same name with
 *  ".tmp" added, in the same folder. */
std::filesystem::path temporaryPathFor(const std::filesystem::path& path);

/** Whether a file name is a temporary left by an interrupted write: a name
 *  ending in ".tmp", or the ".tmp-" and ten letters or digits that earlier
 *  versions used. No data file has such a name. */
bool isTemporaryName(const std::string& fileName);

/** Test seam for full disks: the n-th change of a file through this layer from
 *  now on (a write of writeFileAtomic or a delete of removeFile; 1 is the next
 *  one) fails as a full disk does, after writing part of its temporary file.
 *  0 switches the failure off. Also restarts the count of writesSinceInjection. */
void injectWriteFailure(int nth);

/** The number of file changes attempted through this layer since the last
 *  injectWriteFailure call (the failing one included). */
int writesSinceInjection();

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
