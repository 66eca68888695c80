#pragma once
// TVisLisForm: the list viewer. It shows the record lines of a caller's list
// under a column header, restricted to one group and ordered by one column on
// request, and hands the chosen record back.
//
// How to use it: fill a ListSetup and call SetupList(), then openModal(). The
// viewer reads the caller's records while it is open (they must
// live until it closes) and does not change them. After it closes,
// SelectedRecordIndex() tells which record was chosen. The filter, the order
// and the position are remembered in the caller's section of the
// configuration file.
#include "core/lists/ListSetup.h"
#include "core/store/RecordList.h"
#include "gui/lists/ListWindow.h"

#include <string>
#include <vector>

class QLineEdit;

namespace treluza {

class TVisLisForm : public TListWindow, public ListViewer {
    Q_OBJECT
public:
    explicit TVisLisForm(FormContext& context, QWidget* parent = nullptr);

    /** Takes the caller's list: fills both combos (nothing selected), keeps the
     *  other arguments and shows the header. */
    void SetupList(const ListSetup& setup);

    /** The chosen record's index in the caller's key list: the position of
     *  field 1 of the line selected when the viewer closed, -1 when the key
     *  list does not hold it, and 0 when no line was selected. */
    int SelectedRecordIndex() const { return m_selectedRecordIndex; }

    /** SetupList, the viewer shown modally, then SelectedRecordIndex. */
    int showList(const ListSetup& setup) override;

    QLineEdit* CabMemo = nullptr;

    void RefreshList();
    void RetBitBtnClick();

    void done(int result) override;

protected:
    void FormActivate() override;
    void rebuildRows() override { RefreshList(); }
    void chooseRow(bool) override { accept(); }

private:
    /** Writes the remembered settings and takes the chosen record. */
    void FormClose();
    const std::vector<std::string>& lines() const;

    ListSetup m_setup;
    int m_savedPosition = 0;
    int m_initialIndex = 0;
    int m_selectedRecordIndex = 0;
    bool m_open = false;
};

} // namespace treluza
