#pragma once
// TCadIngForm: the register of the active table's ingredients.
//
// How to open it: handOver(table) with the active table (its name as the
// registry spells it and whether it may be changed), then openModal(). A
// table open only for consultation is shown record by record (mode
// Consulting) and nothing can be written.
//
// Every confirmed insert, change, delete and rename writes the ingredient
// file at once, in one transaction with what it carries into the table's
// other files: the ingredient's lines and the totals of every preparation
// that uses it, and its household measure file. A store that fails changes no
// file and leaves the record list as the files hold it; the edits stay on
// screen, unsaved.
#include "core/ingredients/ValueTracking.h"
#include "gui/widgets/RegisterForm.h"

#include <array>
#include <string>
#include <vector>

class QComboBox;
class QLabel;

namespace treluza {

class TCadIngForm : public TRegisterForm, public TableWindow {
    Q_OBJECT
public:
    explicit TCadIngForm(FormContext& context, QWidget* parent = nullptr);

    /** The opener's hand-over: the active table's name and register mode Empty. */
    void handOver(const ActiveTable& table) override;

    QLabel* IngLabel = nullptr;
    TMaskEdit* IngMaskEdit = nullptr;
    TBitBtn* AltNomBitBtn = nullptr;

    // Value edits, each with its source edit.
    TMaskEdit* kalMaskEdit = nullptr;
    TMaskEdit* CHOMaskEdit = nullptr;
    TMaskEdit* PTNMaskEdit = nullptr;
    TMaskEdit* LipMaskEdit = nullptr;
    TMaskEdit* SATMaskEdit = nullptr;
    TMaskEdit* COLMaskEdit = nullptr;
    TMaskEdit* FibMaskEdit = nullptr;
    TMaskEdit* CalMaskEdit = nullptr;
    TMaskEdit* FerMaskEdit = nullptr;
    TMaskEdit* SODMaskEdit = nullptr;
    TMaskEdit* FCMaskEdit = nullptr;
    TMaskEdit* FCCMaskEdit = nullptr;
    TMaskEdit* CusUniMaskEdit = nullptr;
    TMaskEdit* DatCotMaskEdit = nullptr;
    TMaskEdit* KALFonMaskEdit = nullptr;
    TMaskEdit* CHOFonMaskEdit = nullptr;
    TMaskEdit* PTNFonMaskEdit = nullptr;
    TMaskEdit* LipFonMaskEdit = nullptr;
    TMaskEdit* SatFonMaskEdit = nullptr;
    TMaskEdit* ColFonMaskEdit = nullptr;
    TMaskEdit* FibFonMaskEdit = nullptr;
    TMaskEdit* CalFonMaskEdit = nullptr;
    TMaskEdit* FerFonMaskEdit = nullptr;
    TMaskEdit* SodFonMaskEdit = nullptr;
    TMaskEdit* FCFonMaskEdit = nullptr;
    TMaskEdit* FCCFonMaskEdit = nullptr;
    TMaskEdit* CusFonMaskEdit = nullptr;
    QComboBox* NomGruComboBox = nullptr;
    TBitBtn* LimNomGruBitBtn = nullptr;

    /** The thirteen value edits in the order of their source fields, and the
     *  source edits in the same order. */
    const std::array<TMaskEdit*, 13>& valueEdits() const { return m_valueEdits; }
    const std::array<TMaskEdit*, 13>& sourceEdits() const { return m_sourceEdits; }

    bool editable() const { return m_table.editable; }

    void IngMaskEditExit(QWidget* next) { keyEditExit(next); }
    void DatCotMaskEditExit(QWidget* next);
    void AltNomBitBtnClick();
    void LimNomGruBitBtnClick();

protected:
    void FormActivate() override;

    TMaskEdit* keyEdit() override { return IngMaskEdit; }
    std::string MakeLine() override;
    void ShowCurrent() override;
    void ClearFields() override;
    void ApplyMode() override;
    QString listCaption() const override;
    std::optional<int> pickFromList() override;

    bool acceptNewKey(const std::string& key) override;
    bool checkInsert() override;
    bool checkChange() override;
    bool checkDelete() override;
    void focusFields() override;
    void carryChange(const RegisterData& data, Transaction& changes) override;
    void carryDelete(const std::string& key, Transaction& changes) override;
    void carryRename(const std::string& oldKey, const std::string& newKey, Transaction& changes) override;
    void stored() override;

private:
    QLabel* caption(const QString& text, int x, int y, int width, Qt::Alignment align = Qt::AlignLeft);
    TMaskEdit* edit(const char* name, const QString& mask, int x, int y, int width);
    void buildValueRows(int top);
    void buildCostAndGroup(int top);
    void connectEdits();
    void setTabOrderOfFields();

    void EnableValueFields(bool on);
    /** Fills the group combo; false when the group file could not be read (the
     *  window then closes). */
    bool loadGroups();
    /** The texts of the edits as the fields of a record. */
    IngredientFields editFields();
    /** In a table open only for consultation: refuses a write (true) with the
     *  message, then mode Showing. */
    bool refusedForConsultation();

    std::array<TMaskEdit*, 13> m_valueEdits{};
    std::array<TMaskEdit*, 13> m_sourceEdits{};
    std::vector<std::string> m_groups;
    IngredientValueTracker m_values;
};

} // namespace treluza
