#pragma once
#include <string>
#include <string_view>

namespace treluza {

/** A registry line: the 20-character name, the description and the flag "1". */
std::string makeTableLine(std::string_view name, std::string_view description);

/** Whether a registry line's table may be changed: its flag is exactly "1". */
bool isEditableTableLine(std::string_view line);

/** "A tabela <name> está disponível somente para consulta!" */
std::string consultationOnlyMessage(std::string_view name);

} // namespace treluza
