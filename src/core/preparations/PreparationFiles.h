#pragma once
#include "core/records/PreparationRecords.h"
#include "core/store/RecordList.h"

#include <filesystem>
#include <string_view>

namespace treluza {

class Transaction;

// The files of a preparation: its line in the table's preparation index, its
// ingredient-line file (".dad"), its method text (".rec") and its label file
// (".eti"), the last three named by the preparation's name.
//
// Every operation that changes files comes in two forms. The one given a
// transaction stages its files in it and leaves the commit to the caller, who
// may add files of its own to the same change; the other runs in a transaction
// of its own and commits it, so the index and the files change together or
// not at all. The record list and key list given are changed in memory at
// once, whatever happens to the commit (what the caller keeps is its own
// business). Failures are thrown: FileWriteError from a commit (see
// Transaction::commit), FileReadError for a file to move that cannot be read,
// UnusableNameError for a name that cannot name a file.

/** Writes the whole preparation index of the table, plain, in list order. */
void savePreparationIndex(const std::filesystem::path& base, std::string_view table, const RecordList& index);
/** Stages the whole preparation index, plain, in list order. */
void stagePreparationIndex(const std::filesystem::path& base, std::string_view table, const RecordList& index,
                           Transaction& changes);

/** A new preparation: its line is added to the index list and its name to the
 *  key list, and the index is written. Returns the line's position. The other
 *  files come into being when the windows that keep them first open. */
int createPreparation(const std::filesystem::path& base, std::string_view table, RecordList& index,
                      KeyList& keys, const IndexFields& fields, Transaction& changes);
int createPreparation(const std::filesystem::path& base, std::string_view table, RecordList& index,
                      KeyList& keys, const IndexFields& fields);

/** Renames the preparation at position to the name in fields (the other fields
 *  are stored too): the old line leaves both lists, the new one is added, the
 *  index is written and the preparation's files are moved with
 *  movePreparationFiles, all in one change. Returns the new line's position, or
 *  -1 when the key list already holds the new name (the same name in any
 *  letter case included), in which case nothing changes. */
int renamePreparation(const std::filesystem::path& base, std::string_view table, RecordList& index,
                      KeyList& keys, int position, const IndexFields& fields, Transaction& changes);
int renamePreparation(const std::filesystem::path& base, std::string_view table, RecordList& index,
                      KeyList& keys, int position, const IndexFields& fields);

/** Moves the ingredient-line file, the method text and the label file from the
 *  old name to the new one. The old name's files are first created empty where
 *  there were none; the file at the new path gets the old one's content at the
 *  commit and the old one is deleted, so afterwards all three exist under the
 *  new name and none under the old. Nothing is created under the new name
 *  before the commit. Names with the same file stem move nothing (their three
 *  files exist afterwards). */
void movePreparationFiles(const std::filesystem::path& base, std::string_view table, std::string_view oldName,
                          std::string_view newName, Transaction& changes);
void movePreparationFiles(const std::filesystem::path& base, std::string_view table, std::string_view oldName,
                          std::string_view newName);

/** Deletes the preparation at position: its line leaves both lists, the index
 *  is written and its files are deleted with deletePreparationFiles, in one
 *  change. */
void deletePreparation(const std::filesystem::path& base, std::string_view table, RecordList& index,
                       KeyList& keys, int position, Transaction& changes);
void deletePreparation(const std::filesystem::path& base, std::string_view table, RecordList& index,
                       KeyList& keys, int position);

/** Deletes the method text, the ingredient-line file and the label file of a
 *  preparation, each created empty first where it was missing (so the three
 *  folders exist afterwards). */
void deletePreparationFiles(const std::filesystem::path& base, std::string_view table, std::string_view name,
                            Transaction& changes);
void deletePreparationFiles(const std::filesystem::path& base, std::string_view table, std::string_view name);

} // namespace treluza
