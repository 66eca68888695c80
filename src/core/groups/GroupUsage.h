#pragma once
#include "core/records/RecordLayouts.h"
#include "core/store/Sinks.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace treluza {

class Transaction;

/** Which of the two group files of a table. */
enum class GroupKind { Ingredient, Preparation };

/** The record kind of the group file of a kind. */
RecordKind groupRecordKind(GroupKind kind);

/** The records that may name a group: the ingredients of the table (by
 *  ingredient name) or the lines of the preparation index (by preparation
 *  name), each whose whole line holds the padded group name anywhere. */
std::vector<std::string> scanGroupUse(const std::filesystem::path& base, std::string_view table,
                                      GroupKind kind, std::string_view paddedName, ProgressSink& progress);

/** Writes the new group name into the group field of every record that holds
 *  the old padded name there (field 13 of an ingredient, field 39 of an index
 *  line; the first occurrence, case-sensitive) and stages the file (the
 *  ingredient file scrambled, the index plain) in the transaction when
 *  anything changed; the group register stages its own file in the same
 *  transaction and commits. The records are read through the transaction.
 *  Returns the number of records changed. Throws FileReadError. */
int carryGroupRename(const std::filesystem::path& base, std::string_view table, GroupKind kind,
                     std::string_view oldPadded, std::string_view newPadded, Transaction& changes,
                     ProgressSink& progress);
/** The same in a transaction of its own, committed at once (FileWriteError). */
int carryGroupRename(const std::filesystem::path& base, std::string_view table, GroupKind kind,
                     std::string_view oldPadded, std::string_view newPadded, ProgressSink& progress);

/** The message of the usage warning of a group that cannot be deleted. */
std::string groupInUseMessage(GroupKind kind, std::string_view paddedName);

} // namespace treluza
