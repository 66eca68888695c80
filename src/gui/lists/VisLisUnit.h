#pragma once
// TVisLisForm: the list viewer. It shows the record lines of a caller's list
// under a column header, restricted to one group and ordered by one column on
// request, and hands the chosen record back.
//
// How to use it: fill a ListSetup and call SetupList(), then openModal(). The
// viewer reads the caller's lines and key list while it is open (they must
// live until it closes) and does not change them. After it closes,
// SelectedRecordIndex() tells which record was chosen. The filter, the order
// and the position are remembered in the caller's section of the
// configuration file.
#include "core/store/RecordList.h"
#include "gui/widgets/Form.h"
#include "gui/widgets/FormContext.h"

#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;

namespace treluza {

class TBitBtn;

/** What a caller hands the viewer. */
struct ListSetup {
    /** The words after "VISUALIZA LISTA DE " in the caption. */
    std::string listName;
    /** The active table's name, shown in the caption. */
    std::string tableName;
    /** The field (from 1) of a line that holds its group. */
    int groupField = 0;
    /** The row selected when neither the filter nor the order is active. */
    int initialIndex = 0;
    /** The entries of the order combo: entry k orders by field k + 1. */
    std::vector<std::string> columnNames;
    /** The entries of the group combo (group keys with their trailing blanks). */
    std::vector<std::string> groupNames;
    /** The caller's key list, to give the chosen line's index back. */
    const KeyList* keys = nullptr;
    /** The lines shown. */
    const RecordList* lines = nullptr;
    /** The line shown above the list. */
    std::string header;
    /** The configuration section of the remembered settings. */
    std::string section;
};

class TVisLisForm : public TForm {
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

    QCheckBox* AtiFilCheckBox = nullptr;
    QComboBox* NomGruComboBox = nullptr;
    QCheckBox* AtiOrdCheckBox = nullptr;
    QComboBox* NomCamComboBox = nullptr;
    TBitBtn* PriBitBtn = nullptr;
    TBitBtn* BitBtn1 = nullptr;
    TBitBtn* BitBtn3 = nullptr;
    TBitBtn* UltBitBtn = nullptr;
    TBitBtn* AjuBitBtn = nullptr;
    TBitBtn* RetBitBtn = nullptr;
    QLineEdit* CabMemo = nullptr;
    QListWidget* LisFilOrdListBox = nullptr;

    void RefreshList();
    void AtiFilCheckBoxClick();
    void NomGruComboBoxClick();
    void AtiOrdCheckBoxClick();
    void NomCamComboBoxClick();
    void PriBitBtnClick();
    void UltBitBtnClick();
    void BitBtn1Click();
    void BitBtn3Click();
    void LisFilOrdListBoxDblClick();
    void AjuBitBtnClick();
    void RetBitBtnClick();

    void done(int result) override;

protected:
    void FormActivate() override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    /** Writes the remembered settings and takes the chosen record. */
    void FormClose();
    const std::vector<std::string>& lines() const;

    FormContext& m_context;
    ListSetup m_setup;
    std::vector<QString> m_texts;
    std::vector<int> m_rows;
    int m_savedPosition = 0;
    int m_initialIndex = 0;
    int m_selectedRecordIndex = 0;
    bool m_open = false;
};

} // namespace treluza
