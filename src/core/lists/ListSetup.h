#pragma once
#include "core/store/RecordList.h"

#include <string>
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
    /** The caller's key list, to give the chosen line's index back. */
    const KeyList* keys = nullptr;
    /** The lines shown. */
    const RecordList* lines = nullptr;
    /** The line shown above the list. */
    std::string header;
    /** The configuration section of the remembered settings. */
    std::string section;
};

} // namespace treluza
