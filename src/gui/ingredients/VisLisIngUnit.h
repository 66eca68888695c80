#pragma once
// TVisLisIngForm: the ingredient browser. It lists the ingredients of the
// active table, or of any other registered table, one record line per row,
// filtered by group and by keywords and ordered by a chosen field. A row of
// the active table is handed back to the opener; a row of another table can
// be copied into the active table.
//
// How to open it: browse(), or handOver() then openModal(), with the active table, whether it may be
// changed, the opener's record list and key list of the active table's
// ingredient file and the opener's current index, then openModal(). The
// lists are shared: a copy is added to them and written to the active
// table's ingredient file at once, with the measure and group files it brings
// (a copy that cannot be written changes neither the lists nor any file).
// Afterwards pick() gives the chosen ingredient and copied() whether anything
// was copied. The filters, the ordering and the keywords are remembered in the
// configuration file between openings.
#include "core/store/RecordList.h"
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

    /** The opener's hand-over. The lists must live until the browser closes. */
    std::optional<int> browse(const ActiveTable& active, RecordList& records, KeyList& keys,
                              int currentIndex) override;

    void handOver(const ActiveTable& active, RecordList& records, KeyList& keys, int currentIndex);

    /** The ingredient of the row selected when the browser closed, as its index
     *  in the opener's key list (-1 when the key list does not hold it);
     *  nothing when no row was selected. */
    std::optional<int> pick() const { return m_pick; }
    /** An ingredient was copied into the opener's lists during the opening. */
    bool copied() const { return m_copied; }

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

    // The opener's hand-over (empty lists until there is one).
    std::string m_activeTable;
    bool m_activeEditable = false;
    RecordList m_noRecords{true};
    KeyList m_noKeys{true};
    RecordList* m_records = &m_noRecords;
    KeyList* m_keys = &m_noKeys;
    /** The key of the record to select at the next build; empty selects row 0. */
    std::string m_remembered;

    // The table registry, for the table combo and the viewed table's flag.
    RecordList m_registry{true};
    KeyList m_registryKeys{true};

    std::string m_viewedTable;
    std::string m_viewedDescription;
    std::string m_viewedFlag;
    /** The ingredients of a viewed table that is not the active one. */
    RecordList m_other{true};
    bool m_viewingActive = true;
    std::vector<std::string> m_groups;
    std::vector<std::string> m_keywords;

    std::optional<int> m_pick;
    bool m_copied = false;
};

} // namespace treluza
