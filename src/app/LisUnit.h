#pragma once
// The list picker: a list of lines in a fixed-pitch font, one of them chosen.
//
// How to use it: Pick(caption, items, selected) sets the caption, fills the
// list, selects an entry and shows the window modally; it returns the index
// selected when the window closed (Enter, a double click or the close box:
// there is no cancel). With an empty list it returns -1. PickCore() takes
// Windows-1252 lines (a key list).
#include "gui/Form.h"

#include <string>
#include <vector>

class QListWidget;

namespace treluza {

class TLisForm : public TForm {
    Q_OBJECT
public:
    explicit TLisForm(QWidget* parent = nullptr);

    int Pick(const QString& caption, const QStringList& items, int selected);
    int PickCore(const QString& caption, const std::vector<std::string>& items, int selected);

    /** Fills the list (replacing what it held). */
    void SetItems(const QStringList& items);
    int ItemIndex() const;
    void SetItemIndex(int index);

    QListWidget* ListBox;

protected:
    void FormActivate() override;
    void keyPressEvent(QKeyEvent* e) override;
};

} // namespace treluza
