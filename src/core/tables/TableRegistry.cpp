#include "core/tables/TableRegistry.h"

#include "core/records/RecordLayouts.h"
#include "core/store/Cp1252.h"
#include "core/store/RecordList.h"
#include "core/store/StrUnit.h"

namespace treluza {

std::string makeTableLine(std::string_view name, std::string_view description)
{
    return std::string(name) + "|" + std::string(description) + "|1|";
}

bool isEditableTableLine(std::string_view line)
{
    return FieldOf(RegistryField::Flag, line) == "1";
}

std::string consultationOnlyMessage(std::string_view name)
{
    return "A tabela " + TrimTrailingSpaces(std::string(name)) +
           cp(" está disponível somente para consulta!");
}

} // namespace treluza
