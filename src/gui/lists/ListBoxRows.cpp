#include "gui/lists/ListBoxRows.h"

#include "gui/widgets/QtText.h"

#include <QListWidget>
#include <QStringList>

namespace treluza {

std::vector<QString> rowTexts(const std::vector<std::string>& lines)
{
    std::vector<QString> texts;
    texts.reserve(lines.size());
    for (const std::string& line : lines)
        texts.push_back(qs(line));
    return texts;
}

void showRows(QListWidget& box, const std::vector<QString>& texts, const std::vector<int>& rows, int selected)
{
    QStringList items;
    items.reserve(static_cast<qsizetype>(rows.size()));
    for (int r : rows)
        items.append(texts[static_cast<std::size_t>(r)]);
    box.setUpdatesEnabled(false);
    box.clear();
    box.addItems(items);
    box.setUpdatesEnabled(true);
    selectRow(box, selected);
}

void selectRow(QListWidget& box, int row)
{
    if (row < 0 || row >= box.count()) {
        box.setCurrentRow(-1);
        box.clearSelection();
        return;
    }
    box.setCurrentRow(row);
    box.scrollToItem(box.item(row), QAbstractItemView::PositionAtCenter);
}

QFont listFont(bool bold)
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPointSize(8);
    font.setBold(bold);
    return font;
}

} // namespace treluza
