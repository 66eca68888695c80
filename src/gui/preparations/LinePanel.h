#pragma once
// TLinePanel: the fields of one ingredient line in the preparation
// ingredient window: the household measure with its quantity and weight, the
// four weights, the factors, costs and quotation date, and the ingredient's
// values per 100 g with the line's values in the net weight. It runs the
// recalculation chains of the line when a weight or the quantity is left,
// and the choice of a measure.
//
// How to use it: the window places it, gives it the chosen ingredient with
// setIngredient() and its measures with setMeasures(), reads the line with
// edits() and shows one with show(). edited() tells of every change the user
// makes (the window's unsaved flag).
#include "core/preparations/LineCalculations.h"
#include "core/store/KeyedRecords.h"

#include <QWidget>

#include <array>
#include <string>

class QComboBox;

namespace treluza {

class TBitBtn;
class TMaskEdit;

class TLinePanel : public QWidget {
    Q_OBJECT
public:
    explicit TLinePanel(QWidget* parent);

    QComboBox* NomMedCasComboBox = nullptr;
    TBitBtn* LimNomMedCasBitBtn = nullptr;
    TMaskEdit* QuaMedCasMaskEdit = nullptr;
    TMaskEdit* UmaMedCasMaskEdit = nullptr;
    TMaskEdit* PesBruMaskEdit = nullptr;
    TMaskEdit* PesLiqMaskEdit = nullptr;
    TMaskEdit* PesCozMaskEdit = nullptr;
    TMaskEdit* PesCruMaskEdit = nullptr;
    TMaskEdit* FCMaskEdit = nullptr;
    TMaskEdit* FCCMaskEdit = nullptr;
    TMaskEdit* CusUniMaskEdit = nullptr;
    TMaskEdit* CusCalMaskEdit = nullptr;
    TMaskEdit* DatCotMaskEdit = nullptr;
    std::array<TMaskEdit*, 10> per100Edits{};
    std::array<TMaskEdit*, 10> perNetEdits{};

    /** The ingredient whose values the chains use and the fields per 100 g show. */
    void setIngredient(const IngredientFields& ingredient);
    const IngredientFields& ingredient() const { return m_ingredient; }
    /** The ingredient's measures; none chosen. */
    void setMeasures(KeyedRecords measures);
    /** Chooses the measure of that name (none when it is not among them);
     *  returns its index. */
    int chooseMeasure(const std::string& name);
    int chosenMeasure() const { return m_chosenMeasure; }
    /** The weight in g (or ml) of one measure of the measure at index. */
    std::string weightOfMeasure(int index) const;

    /** The texts of the line with the given ingredient key, and the weight of
     *  one measure. */
    LineEdits edits(const std::string& ingredientKey) const;
    /** Shows texts (not an edit by the user). */
    void show(const LineEdits& e);
    /** The values per 100 g, the measures and every field emptied. */
    void clearAll();
    /** The weights, the measure and its clear button; the quantity only while
     *  a measure is chosen. */
    void enableFields(bool on);

    void NomMedCasComboBoxChange();
    void LimNomMedCasBitBtnClick();

signals:
    /** The user changed a weight, the quantity or the measure. */
    void edited();
    /** The raw weight was left towards next (the window may move the focus). */
    void rawLeft(QWidget* next);

private:
    void buildMeasureRow(int top);
    void buildDerivedRow(int top);
    void buildNutrientRows(int top);
    void connectFields();
    void selectMeasure(int index);
    void leaveWeight(TMaskEdit* edit);
    void leaveQuantity();

    IngredientFields m_ingredient;
    KeyedRecords m_measures;
    int m_chosenMeasure = -1;
    bool m_enabled = false;
    bool m_showing = false; // fields being filled by the program
};

} // namespace treluza
