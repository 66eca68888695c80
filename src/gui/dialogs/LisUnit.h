#pragma once
// The list picker: a list of lines in a fixed-pitch font, one of them chosen.
//
// How to use it: pick(caption, items, selected) sets the caption, fills the
// list, selects an entry and shows the window modally; it returns the index
// selected when the window closed by Enter or a double click; the close box
// and Escape close it without a choice, returning the entry selected when it
// opened. With an empty list it returns -1. pickCore() takes Windows-1252
// lines (a key list).
#include "gui/widgets/Form.h"
#include "gui/widgets/FormContext.h"

#include <string>
#include <vector>

class QListWidget;

namespace treluza {

class TLisForm : public TForm, public ListPicker {
    Q_OBJECT
public:
    explicit TLisForm(QWidget* parent = nullptr);

    int pick(const QString& caption, const QStringList& items, int selected) override;

    /** Fills the list (replacing what it held). */
    void setItems(const QStringList& items);
    int itemIndex() const;
    void setItemIndex(int index);

    QListWidget* ListBox;

protected:
    void FormActivate() override;
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    /** Closes with the entry selected when the picker opened. */
    void closeWithoutChoice();

    int m_openedWith = -1;
};

} // namespace treluza
