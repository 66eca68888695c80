#include "tables/TableRegistry.h"

#include "store/Cp1252.h"
#include "store/RecordList.h"
#include "store/StrUnit.h"

namespace treluza {

std::string MakeTableLine(std::string_view name, std::string_view description)
{
    return std::string(name) + "|" + std::string(description) + "|1|";
}

bool IsEditableTableLine(std::string_view line) { return FieldOf(kTableFlagField, line) == "1"; }

std::string ConsultationOnlyMessage(std::string_view name)
{
    return "A tabela " + TrimTrailingSpaces(std::string(name)) + Cp(" está disponível somente para consulta!");
}

}  // namespace treluza
