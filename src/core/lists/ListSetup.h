#pragma once
#include "core/store/KeyedRecords.h"

#include <string>
#include <string_view>
#include <vector>

namespace treluza {

/** What a caller hands the viewer. */
struct ListSetup {
    /** The words after "VISUALIZA LISTA DE " in the caption. */
    std::string listName;
    /** The active table's name, shown in the caption. */
    std::string tableName;
    /** The field (from 1) of a line that holds its group. */
    int groupField = 0;
    /** The row selected when neither the filter nor the order is active. */
    int initialIndex = 0;
    /** The entries of the order combo: entry k orders by field k + 1. */
    std::vector<std::string> columnNames;
    /** The entries of the group combo (group keys with their trailing blanks). */
    std::vector<std::string> groupNames;
    /** The caller's records: their lines are shown, and the chosen line's
     *  index among their keys is given back. */
    const KeyedRecords* records = nullptr;
    /** The line shown above the list. */
    std::string header;
    /** The configuration section of the remembered settings. */
    std::string section;
};

/** The list viewer over a table's preparation index, as the preparation
 *  windows open it (section "Lista Preparações", grouped by field 39): the
 *  header titles each centred in the width of the index field under it, but
 *  for "RENDIMENTO", which is centred in yieldTitleWidth. */
ListSetup preparationListSetup(std::string_view table, int initialIndex,
                               const std::vector<std::string>& groups, const KeyedRecords& index,
                               int yieldTitleWidth);

} // namespace treluza
