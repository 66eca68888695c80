#pragma once
#include "core/records/FieldTexts.h"
#include "core/records/RecordLayouts.h"

#include <array>
#include <string>
#include <string_view>

namespace treluza {

/** The texts of an ingredient record, as the register's edits hold them. */
using IngredientFields = FieldTexts<IngField::Count>;

/** An ingredient with the given name and nothing typed: every value and the date
 *  their blank templates, group, reserved field and sources empty. */
IngredientFields blankIngredient(std::string_view name);

/** The record line of an ingredient: the edits in field order, each followed
 *  by "|" (joinFields), except the reserved field 12, which is always written
 *  empty. The texts go in as they are (no trimming or conversion). */
std::string ingredientRecordLine(const IngredientFields& edits);

/** The fields of a stored ingredient line; fields missing from a short line
 *  read as the empty text. */
IngredientFields readIngredient(std::string_view line);

/** What the 13 source edits show (in the order of fields 18 to 30). In an
 *  editable table they are the stored fields 18 to 30. In a table open only for
 *  consultation the stored sources are not read: a source shows the table's
 *  name when its value field holds anything but its blank template, and the
 *  empty text otherwise. */
std::array<std::string, 13> shownSources(const IngredientFields& record, bool editable,
                                         std::string_view tableName);

} // namespace treluza
