#pragma once
#include "core/store/KeyedRecords.h"
#include "core/store/Sinks.h"

#include <filesystem>
#include <string>

namespace treluza {

/** The two tables of a copy: the active table, which receives the ingredient,
 *  and the viewed table it comes from, as the table registry describes them. */
struct CopyTables {
    std::filesystem::path base;
    std::string activeTable;
    bool activeEditable = false;
    std::string viewedTable;
    std::string viewedDescription; // registry field 2
    std::string viewedFlag;        // registry field 3: "1" for a table of the user's own
};

enum class CopyResult {
    NotEditable,  // the active table is open for consultation only
    AlreadyThere, // the active table holds an ingredient of that name
    Declined,     // the user did not confirm
    Failed,       // a file could not be read or written; nothing was added
    Copied,
};

struct CopyOutcome {
    CopyResult result = CopyResult::Failed;
    /** The ingredient's place in the active key list: where it was found, or
     *  where it goes (-1 when the active table was not looked at). */
    int position = -1;
};

/** Copies the ingredient line row of the viewed table into the active table,
 *  with the questions and messages of the copy:
 *  - its household measure file replaces the active table's file of that name;
 *  - its group is added to the active table's group file when missing there;
 *  - from a table that is not the user's own (flag other than "1"), every
 *    filled value field gets the table's description as its source, since the
 *    values of such a table carry the table as their source;
 *  - the line is added to the active table's records, and its ingredient file
 *    is written from them;
 *  the three files change in one transaction. A file that cannot be read or
 *  written stops the copy with "Erro durante inclusão!": no file changes and
 *  the records are as they were. */
CopyOutcome CopyToActive(const CopyTables& tables, std::string row, KeyedRecords& active,
                         MessageSink& messages);

/** The row with the description of a table written as the source of every
 *  value field that holds a value (neither empty nor its blank template). The
 *  description goes in without its trailing blanks, and cut to the width of
 *  the cost source for the unit cost. */
std::string withTableSources(std::string row, std::string_view description);

} // namespace treluza
