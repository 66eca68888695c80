#include "core/lists/ListSetup.h"

#include "core/records/RecordLayouts.h"
#include "core/store/Cp1252.h"
#include "core/store/IniFile.h"
#include "core/store/StrUnit.h"

namespace treluza {

ListSetup preparationListSetup(std::string_view table, int initialIndex,
                               const std::vector<std::string>& groups, const KeyedRecords& index,
                               int yieldTitleWidth)
{
    ListSetup s;
    s.listName = "TRELUZA";
    s.tableName = std::string(table);
    s.groupField = IdxField::Group;
    s.initialIndex = initialIndex;
    s.columnNames = {"TRELUZA",      "RENDIMENTO",       "CALORIAS",   "CARBOIDRATOS",       "PROTEINAS",
                     cp("LIPÍDIOS"), "GORDURA SATURADA", "COLESTEROL", cp("FIBRAS - PORÇÃO")};
    s.groupNames = groups;
    s.records = &index;
    const char* const titles[] = {"TRELUZA", "RENDIMENTO", "KCAL", "CHO", "PTN", "LIP", "SAT", "COL", "FIB"};
    for (int n = 1; n <= 9; ++n) {
        const int width = n == IdxField::Yield ? yieldTitleWidth : fieldWidth(RecordKind::Index, n);
        s.header += CenterText(titles[n - 1], width) + "|";
    }
    s.section = kSecPreparationList;
    return s;
}

} // namespace treluza
