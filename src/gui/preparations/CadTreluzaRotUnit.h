#pragma once
// TCadTreluzaRotForm: the register of the active table's preparations (the
// technical sheets). It edits one line of the preparation index at a time:
// name, date, group, yield, number of portions and tablespoon weight are
// typed or chosen here; the whole-recipe values come from the preparation
// ingredient window ("&Ingredientes"); the per-capita and per-tablespoon
// values are computed here.
//
// How to open it: handOver(table), then openModal(). It makes the windows
// it opens (the preparation ingredient window, the method text, the reports
// and the label) with itself.
#include "core/records/PreparationRecords.h"
#include "gui/widgets/RegisterForm.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

class QComboBox;
class QLabel;

namespace treluza {

class TCadIngTreluzaForm;
class TCadRecForm;
class TCadRotForm;
class TRecipeValues;
class TSelRelForm;

class TCadTreluzaRotForm : public TRegisterForm, public TableWindow {
    Q_OBJECT
public:
    explicit TCadTreluzaRotForm(FormContext& context, QWidget* parent = nullptr);
    ~TCadTreluzaRotForm() override;

    /** The opener's hand-over: the active table. */
    void handOver(const ActiveTable& table) override;

    QLabel* NomPreLabel = nullptr;
    TMaskEdit* NomPreMaskEdit = nullptr;
    TBitBtn* AltNomBitBtn = nullptr;
    TMaskEdit* DatPreMaskEdit = nullptr;
    QComboBox* NomGruPreComboBox = nullptr;
    TBitBtn* LimNomGruPreBitBtn = nullptr;
    TBitBtn* IngBitBtn = nullptr;
    TBitBtn* RecBitBtn = nullptr;
    TBitBtn* ImpTreluzaBitBtn = nullptr;
    TBitBtn* ImpRotBitBtn = nullptr;

    /** The value rows, with the yield, portion and tablespoon edits. */
    TRecipeValues* values = nullptr;
    /** The edits of index fields 2 to 38 that hold a value, by field number
     *  (null for the fields without an edit). */
    TMaskEdit* valueEdit(int field) const;

    void NomPreMaskEditExit(QWidget* next) { keyEditExit(next); }
    void DatPreMaskEditExit(QWidget* next);
    void RenPesMaskEditExit(QWidget* next);
    void NumPorMaskEditExit(QWidget* next);
    void RenColSopMaskEditExit(QWidget* next);
    void LimNomGruPreBitBtnClick();
    void AltNomBitBtnClick();
    void IngBitBtnClick();
    void RecBitBtnClick();
    void ImpTreluzaBitBtnClick();
    void ImpRotBitBtnClick();

protected:
    void FormActivate() override;

    TMaskEdit* keyEdit() override { return NomPreMaskEdit; }
    std::string MakeLine() override;
    void ShowCurrent() override;
    void ClearFields() override;
    void ApplyMode() override;
    QString listCaption() const override;
    std::optional<int> pickFromList() override;

    bool acceptNewKey(const std::string& key) override;
    void focusFields() override;
    void carryDelete(const std::string& key, Transaction& changes) override;
    void carryRename(const std::string& oldKey, const std::string& newKey, Transaction& changes) override;

private:
    void buildNameRow(int top);
    void connectFields();
    void setTabOrderOfFields();
    void loadGroups();
    /** The texts of the fields as an index line's fields. */
    IndexFields editFields() const;
    /** Puts the fields' texts into the edits (without marking them unsaved). */
    void showFields(const IndexFields& fields);
    void EnableRecordFields(bool on);
    /** The silent store before another window opens; false when it failed. */
    bool storeBeforeOpening();

    std::vector<std::string> m_groups;
    bool m_showing = false; // fields being filled by the program
    // The windows this register opens.
    std::unique_ptr<TCadIngTreluzaForm> m_ingredients;
    std::unique_ptr<TCadRecForm> m_method;
    std::unique_ptr<TSelRelForm> m_reports;
    std::unique_ptr<TCadRotForm> m_label;
};

} // namespace treluza
