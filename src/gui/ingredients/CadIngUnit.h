#pragma once
// TCadIngForm: the register of the active table's ingredients.
//
// How to open it: HandOver(tableName) with the active table's name as the
// registry spells it, then openModal(). Whether the table may be changed is
// read from g_activeTableEditable when the window activates; a table open only
// for consultation is shown record by record and nothing can be written.
//
// Unlike the other registers, confirmed inserts, changes and deletes change
// the record list in memory only; the ingredient file is written when the
// window is left with "&Retorna", right after a rename, and when the window is
// closed by a logic error. Every stored change of a nutrient, the unit cost or
// its date is carried at once into the preparations that use the ingredient.
#include "core/ingredients/IngredientPropagation.h"
#include "gui/widgets/RegisterForm.h"

#include <array>
#include <filesystem>
#include <string>
#include <vector>

class QComboBox;
class QLabel;

namespace treluza {

class TCadIngForm : public TRegisterForm {
    Q_OBJECT
public:
    explicit TCadIngForm(FormContext& context, QWidget* parent = nullptr);

    /** The opener's hand-over: the active table's name and register mode Empty. */
    void HandOver(const std::string& table);
    std::string tableName;

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

    bool editable() const { return m_editable; }
    /** Edits changed since the record was shown, cleared or stored. */
    bool unsaved() const { return m_unsaved; }
    /** The record list differs from the ingredient file. */
    bool fileChanged() const { return m_fileChanged; }
    const std::filesystem::path& filePath() const { return m_filePath; }

    void IngMaskEditExit(QWidget* next) { keyEditExit(next); }
    void DatCotMaskEditExit(QWidget* next);
    void NovBitBtnClick();
    void GraBitBtnClick();
    void ExcBitBtnClick();
    void AntBitBtnClick();
    void ProBitBtnClick();
    void RetBitBtnClick();
    void AltNomBitBtnClick();
    void LimNomGruBitBtnClick();

    /** Offers to store edits not yet stored, before they are dropped. */
    void AskToSave();

protected:
    void FormActivate() override;
    void closeEvent(QCloseEvent* e) override;

    TMaskEdit* keyEdit() override { return IngMaskEdit; }
    std::string MakeLine() override;
    void ShowCurrent() override;
    void ClearFields() override;
    void ApplyMode() override;
    void saveFile() override;
    bool acceptNewKey(const std::string& key) override;
    QString listCaption() const override;

private:
    /** Before a change (kind 3) or delete (kind 2): refuses a table open for
     *  consultation only (false), otherwise shows the preparations that use the
     *  ingredient, if any (true). */
    bool warnBeforeTouching();
    void buildFields(int top);
    void EnableValueFields(bool on);
    void loadGroups();
    ProgressSink& progress();

    /** The store of a change from "&Grava" or the save question: replaces the
     *  current record and carries the changed values into the preparations;
     *  false (after the failure message) when a step failed. */
    bool storeChange();
    /** Normalises the focused value edit, which a store may find not left yet. */
    void normaliseFocusedEdit();
    /** Takes the texts of the tracked edits as their current values. */
    void takeCurrentValues();
    /** The shown values become the current ones: the record as stored. */
    void markStored();
    IngredientChange trackedChange() const;
    /** The consultation-only refusal of a write: message, then mode Showing. */
    void refuseConsultationOnly();
    /** Writes the record list to the ingredient file; false (after the failure
     *  message) when it could not be written. */
    bool writeIngredientFile();

    std::array<TMaskEdit*, 13> m_valueEdits{};
    std::array<TMaskEdit*, 13> m_sourceEdits{};
    std::vector<std::string> m_groups;
    std::filesystem::path m_filePath;
    /** Shown and current texts of the ten nutrients, the unit cost and the date. */
    std::array<TrackedValue, 10> m_nutrients;
    TrackedValue m_unitCost;
    TrackedValue m_date;
    bool m_editable = true;
    bool m_unsaved = false;
    bool m_fileChanged = false;
    bool m_loaded = false;
};

} // namespace treluza
