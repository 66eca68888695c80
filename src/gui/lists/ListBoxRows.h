#pragma once
// Filling the list boxes of the list windows from record lines.
//
// How to use it: convert the lines once with rowTexts() when they are loaded;
// after every change of a filter or an ordering call showRows() with the row
// indexes the core computed. Only the chosen rows are added to the box, and
// the texts are shared, not copied.
#include <QFont>
#include <QString>

#include <string>
#include <vector>

class QListWidget;

namespace treluza {

/** The window texts of Windows-1252 lines. */
std::vector<QString> rowTexts(const std::vector<std::string>& lines);

/** Replaces the content of the list box by texts[rows[0]], texts[rows[1]], ...
 *  and selects the row selected (none when it is outside the list). */
void showRows(QListWidget& box, const std::vector<QString>& texts, const std::vector<int>& rows,
              int selected);

/** Selects a row of the list box and scrolls it into view; -1 selects none. */
void selectRow(QListWidget& box, int row);

/** The fixed-pitch font of the lists and their headers, so that the columns
 *  of the header stand over the fields of the rows. */
QFont listFont(bool bold);

} // namespace treluza
