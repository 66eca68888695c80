#pragma once
// The key filter of name fields.
//
// How to use it: installNameFilter(edit) on every field that holds a name that
// may become a folder or file name (table, ingredient, source, group,
// preparation, household measure, a new name). The field then refuses the
// forbidden name characters and every character without a Windows-1252 form:
// the key is dropped and "Não é permitido utilizar o caracter (" + the
// character + ") !" is shown. Every TMaskEdit refuses characters without a
// Windows-1252 form on its own, with the same message.
#include <QChar>

namespace treluza {

class TMaskEdit;

/** Shows the message of a refused character. */
void refuseCharacter(QChar c);

/** The filter itself, for a KeyPress handler: drops (sets to QChar()) and
 *  reports a refused character; returns whether the key was dropped. */
bool filterNameKey(QChar& key);

/** Connects the filter to the field's KeyPress, before its other handlers
 *  when installed first. */
void installNameFilter(TMaskEdit& edit);

} // namespace treluza
