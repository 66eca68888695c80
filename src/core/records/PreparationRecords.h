#pragma once
#include "core/records/FieldTexts.h"
#include "core/records/RecordLayouts.h"

#include <string>
#include <string_view>

namespace treluza {

/** The texts of an index line, as the preparation register's fields hold them;
 *  joinFields makes the line of fields 1 to 40, each followed by "|". */
using IndexFields = FieldTexts<IdxField::Count>;
/** The texts of an ingredient line, as the ingredient window's fields hold
 *  them; joinFields makes the line of fields 1 to 22, each followed by "|". */
using LineFields = FieldTexts<LineField::Count>;

/** A preparation with the given name and every other field empty. */
IndexFields blankIndex(std::string_view name);
/** An ingredient line with the given ingredient and every other field empty. */
LineFields blankLine(std::string_view ingredient);

/** The fields of a stored index line; missing fields read as the empty text. */
IndexFields readIndex(std::string_view line);
/** The fields of a stored ingredient line; missing fields read as the empty text. */
LineFields readLine(std::string_view line);

} // namespace treluza
