#pragma once
#include "core/records/PreparationRecords.h"
#include "core/store/RecordList.h"

#include <filesystem>
#include <string_view>

namespace treluza {

// The files of a preparation: its line in the table's preparation index, its
// ingredient-line file (".dad"), its method text (".rec") and its label file
// (".eti"), the last three named by the preparation's name. Failures are thrown
// to the caller: FileWriteError for a write, rename or delete that did not
// happen, FileReadError for a read, UnusableNameError for a name that cannot
// name a file.

/** Writes the whole preparation index of the table, plain, in list order. */
void savePreparationIndex(const std::filesystem::path& base, std::string_view table, const RecordList& index);

/** A new preparation: its line is added to the index list and its name to the
 *  key list, and the index is written. Returns the line's position. When the
 *  write fails the lists keep the new line and the error is thrown. The other
 *  files come into being when their paths are first built. */
int createPreparation(const std::filesystem::path& base, std::string_view table, RecordList& index,
                      KeyList& keys, const IndexFields& fields);

/** Renames the preparation at position to the name in fields (the other fields
 *  are stored too): the old line leaves both lists, the new one is added, the
 *  index is written, then the preparation's files are moved with
 *  MovePreparationFiles. Returns the new line's position, or -1 when the key
 *  list already holds the new name (the same name in any letter case
 *  included), in which case nothing changes. When the index cannot be written
 *  the error is thrown before any file is moved. */
int renamePreparation(const std::filesystem::path& base, std::string_view table, RecordList& index,
                      KeyList& keys, int position, const IndexFields& fields);

/** Moves the ingredient-line file, the method text and the label file, in this
 *  order, from the old name to the new one. For each, both paths are built
 *  (which creates an empty file where there was none), the file at the new path
 *  is deleted and the old one renamed to it; so afterwards all three exist under
 *  the new name and none under the old. Names with the same file stem move
 *  nothing. A failed step does not stop the others; the first failure is thrown
 *  at the end. */
void movePreparationFiles(const std::filesystem::path& base, std::string_view table, std::string_view oldName,
                          std::string_view newName);

/** Deletes the preparation at position: its line leaves both lists, the index
 *  is written, then its files are deleted with DeletePreparationFiles. When the
 *  index cannot be written the error is thrown and no file is deleted. */
void deletePreparation(const std::filesystem::path& base, std::string_view table, RecordList& index,
                       KeyList& keys, int position);

/** Deletes the method text, the ingredient-line file and the label file of a
 *  preparation, in this order, building each path first (so the three folders
 *  exist afterwards). A failed delete does not stop the others; the first
 *  failure is thrown at the end. */
void deletePreparationFiles(const std::filesystem::path& base, std::string_view table, std::string_view name);

} // namespace treluza
