#pragma once
// Conversions between window text (QString) and core text (std::string of
// Windows-1252 bytes). Windows convert at this line only: a handler reads a
// control with cs(), calls the core, and shows core text with qs().
#include <QString>

#include <string>
#include <string_view>
#include <vector>

class QComboBox;

namespace treluza {

/** Window text of Windows-1252 core text; every byte has a form. */
QString qs(std::string_view cp1252);

/** Core text of a window text; characters without a Windows-1252 form become "?".
 *  Controls refuse such characters as they are typed, so this only matters for
 *  texts that did not come from a control. */
std::string cs(const QString& text);

/** Whether the character can be stored in core text. */
bool hasCp1252Form(QChar c);

/** Replaces a combo's items by core texts, none selected, without signalling.
 *  The items go in at once, as one list: a table holds thousands of names. */
void fillCombo(QComboBox& combo, const std::vector<std::string>& entries);

} // namespace treluza
