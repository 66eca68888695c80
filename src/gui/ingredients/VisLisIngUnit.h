#pragma once
// TVisLisIngForm: the ingredient browser. It lists the ingredients of the
// active table, or of any other registered table, one record line per row,
// filtered by group and by keywords and ordered by a chosen field. A row of
// the active table is handed back to the opener; a row of another table can
// be copied into the active table.
//
// How to open it: browse(), or handOver() then openModal(), with the active
// table (its name and whether it may be changed), the opener's records of its
// ingredient file and the opener's current index. The browser only reads the
// opener's records: a copy is written to the active table's ingredient file
// at once, with the measure and group files it brings, from a copy of them
// of its own (a copy that cannot be written changes no file). Afterwards
// result() gives the chosen ingredient and the lines copied, which the opener
// adds to its records (applyBrowse). The filters, the ordering and the
// keywords are remembered in the configuration file between openings.
#include "core/store/KeyedRecords.h"
#include "gui/lists/ListWindow.h"

#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;

namespace treluza {

class TBitBtn;
class TMaskEdit;

class TVisLisIngForm : public TListWindow, public IngredientBrowser {
    Q_OBJECT
public:
    explicit TVisLisIngForm(FormContext& context, QWidget* parent = nullptr);

    /** The opener's hand-over. The records must live until the browser closes. */
    BrowseResult browse(const ActiveTable& active, const KeyedRecords& records, int currentIndex) override;

    void handOver(const ActiveTable& active, const KeyedRecords& records, int currentIndex);

    /** What the last opening chose and copied. */
    const BrowseResult& result() const { return m_result; }

    QLabel* CabLabel = nullptr;
    QCheckBox* NomTabCheckBox = nullptr;
    QComboBox* NomTabComboBox = nullptr;
    QCheckBox* PalChaCheckBox = nullptr;
    TMaskEdit* PalChaMaskEdit = nullptr;
    TBitBtn* PalChaBitBtn = nullptr;
    TBitBtn* CopIngBitBtn = nullptr;

    /** The table whose rows are listed. */
    const std::string& viewedTable() const { return m_viewedTable; }

    void LoadViewedTable();
    void BuildList();
    void SplitKeywords();
    void CopyToActive();
    void ReadListSettings();
    void WriteListSettings();
    void ClearListSettings();

    void PalChaBitBtnClick();
    void PalChaCheckBoxClick();
    void NomTabCheckBoxClick();
    void NomTabComboBoxClick();
    void CopIngBitBtnClick();
    void RetBitBtnClick();

protected:
    void FormActivate() override;
    void rebuildRows() override { BuildList(); }
    /** A row chosen by a double click or by Enter (asking first). */
    void chooseRow(bool askFirst) override;

private:
    void buildControls();
    /** The groups of a table into the group combo, nothing selected. */
    /** Fills the group combo; false when the group file could not be read (the
     *  window then closes). */
    bool loadGroups(const std::string& table);
    void setCaption();
    /** Writes the copies and the settings, takes the pick and closes. */
    void closeBrowser();
    const std::vector<std::string>& viewedLines() const;
    /** The active table's records: the opener's, or this window's copy of
     *  them once something was copied. */
    const KeyedRecords& activeRecords() const { return m_withCopies ? *m_withCopies : *m_records; }

    // The opener's hand-over (no records until there is one).
    std::string m_activeTable;
    bool m_activeEditable = false;
    const KeyedRecords m_noRecords;
    const KeyedRecords* m_records = &m_noRecords;
    std::optional<KeyedRecords> m_withCopies;
    /** The key of the record to select at the next build; empty selects row 0. */
    std::string m_remembered;

    // The table registry, for the table combo and the viewed table's flag.
    KeyedRecords m_registry;

    std::string m_viewedTable;
    std::string m_viewedDescription;
    std::string m_viewedFlag;
    /** The ingredients of a viewed table that is not the active one. */
    RecordList m_other{true};
    bool m_viewingActive = true;
    std::vector<std::string> m_groups;
    std::vector<std::string> m_keywords;

    BrowseResult m_result;
};

} // namespace treluza
