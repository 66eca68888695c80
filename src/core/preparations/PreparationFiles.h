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
// transaction stages its files in it and leaves the commit to the caller (the
// preparation register, which writes the index in the same change); the
// other runs in a transaction of its own and commits it. Failures are thrown:
// FileWriteError from a commit (see Transaction::commit), FileReadError for a
// file to move that cannot be read, UnusableNameError for a name that cannot
// name a file.

/** Stages the whole preparation index, plain, in list order. */
void stagePreparationIndex(const std::filesystem::path& base, std::string_view table, const RecordList& index,
                           Transaction& changes);

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

/** Deletes the method text, the ingredient-line file and the label file of a
 *  preparation, each created empty first where it was missing (so the three
 *  folders exist afterwards). */
void deletePreparationFiles(const std::filesystem::path& base, std::string_view table, std::string_view name,
                            Transaction& changes);
void deletePreparationFiles(const std::filesystem::path& base, std::string_view table, std::string_view name);

} // namespace treluza
