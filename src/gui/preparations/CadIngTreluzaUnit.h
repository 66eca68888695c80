#pragma once
// TCadIngTreluzaForm: the ingredient lines of one preparation. The user picks
// an ingredient of the active table, optionally a household measure and its
// quantity, types the weights, and the window derives the rest, writes the
// preparation's ingredient-line file and keeps the preparation's
// whole-recipe values in the register's index line up to date.
//
// How to open it: handOver() with the table, the preparation's name and the
// register's index (a copy, its current record the preparation), then
// openModal(); afterwards indexLine() is the preparation's index line with
// the whole-recipe values of its lines, for the register to take. Every store
// of a line writes the ingredient-line file and the preparation index in one
// transaction, the index line with its whole-recipe values and the per-capita
// and per-tablespoon values derived from them, so the two files always agree
// on disk.
#include "core/preparations/LineCalculations.h"
#include "core/preparations/PreparationLines.h"
#include "core/preparations/PreparationTotals.h"
#include "gui/widgets/RegisterForm.h"

#include <array>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QListWidget;

namespace treluza {

class TLinePanel;

class TCadIngTreluzaForm : public TRegisterForm {
    Q_OBJECT
public:
    explicit TCadIngTreluzaForm(FormContext& context, QWidget* parent = nullptr);
    ~TCadIngTreluzaForm() override;

    /** The register's hand-over: the table, the preparation and a copy of the
     *  index whose current record is the preparation. */
    void handOver(const ActiveTable& table, const std::string& preparation, const RegisterData& index,
                  const std::vector<std::string>& groups);
    /** The preparation's index line as the window leaves it. */
    const std::string& indexLine() const;

    TBitBtn* CopBitBtn = nullptr;
    TBitBtn* TabBitBtn = nullptr;
    QComboBox* NomIngComboBox = nullptr;
    TMaskEdit* NomPreMaskEdit = nullptr;
    /** The fields of the line. */
    TLinePanel* linePanel = nullptr;
    QLabel* CabLabel = nullptr;
    QListWidget* IngTreluzaListBox = nullptr;
    QLabel* RodLabel = nullptr;

    void NomIngComboBoxClick();
    void NomIngComboBoxExit(QWidget* next);
    void TabBitBtnClick();
    void IngTreluzaListBoxClick(int row);
    void CopBitBtnClick();

protected:
    void FormActivate() override;

    TMaskEdit* keyEdit() override { return nullptr; }
    QWidget* keyControl() override;
    std::string keyText() override;
    std::string MakeLine() override;
    void ShowCurrent() override;
    void ClearFields() override;
    void ApplyMode() override;
    QString listCaption() const override;
    std::optional<int> pickFromList() override;
    void recordBrowsed() override;

    void focusFields() override;
    void carryInsert(const RegisterData& lines, Transaction& changes) override;
    void carryChange(const RegisterData& lines, Transaction& changes) override;
    void carryDelete(const std::string& key, Transaction& changes) override;
    void stored() override;
    bool beforeLeave() override;

private:
    void buildHead(int top);
    void buildList(int top);
    void setTabOrderOfFields();
    void onFocusChanged(QWidget* old, QWidget* now);

    /** The chosen ingredient's record (blank when none is chosen). */
    IngredientFields chosenIngredient() const;
    /** The ingredient of the current line becomes the chosen one. */
    void chooseLineIngredient();
    void LoadIngredientDefaults();
    void warnMissingValues();
    void refillIngredients();

    /** The rows of the list and the totals row, from the lines. */
    void refreshRows();
    void refreshTotalsRow();

    std::string m_preparation;
    RegisterData m_index;  // the register's index, its current record the preparation
    StagedTotals m_staged; // the index line and totals of the store being written
    std::vector<std::string> m_groups;
    KeyedRecords m_ingredients;
    int m_chosenIngredient = -1;
    WindowTotals m_totals;
    bool m_showing = false; // the combo being filled by the program
};

} // namespace treluza
