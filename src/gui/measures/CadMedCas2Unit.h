#pragma once
#include "gui/widgets/RegisterForm.h"

#include <string>

class QComboBox;
class QLabel;

namespace treluza {

/** The household measures of each ingredient of the active table. */
class TCadMedCas2Form : public TRegisterForm, public TableWindow {
    Q_OBJECT
public:
    explicit TCadMedCas2Form(FormContext& context, QWidget* parent = nullptr);
    ~TCadMedCas2Form() override;

    /** The opener's hand-over: the active table's name; mode Empty. */
    void handOver(const ActiveTable& table) override;

    QLabel* NomIngLabel = nullptr;
    QComboBox* NomIngComboBox = nullptr;
    QLabel* MedCasLabel = nullptr;
    TMaskEdit* MedCasMaskEdit = nullptr;
    TBitBtn* AltNomBitBtn = nullptr;
    QLabel* QuaLabel = nullptr;
    TMaskEdit* QuaMaskEdit = nullptr;
    QLabel* UniLabel = nullptr;

    /** The ingredient whose measures are shown (the combo text when it was left). */
    const std::string& currentIngredient() const { return m_ingredient; }

    void AltNomBitBtnClick();
    void NomIngComboBoxChange();
    void NomIngComboBoxExit(QWidget* next);

protected:
    void FormActivate() override;

    TMaskEdit* keyEdit() override { return MedCasMaskEdit; }
    std::string MakeLine() override;
    void ShowCurrent() override;
    void ClearFields() override;
    void ApplyMode() override;
    bool isFreeTarget(QWidget* next) const override;
    bool checkChange() override;
    bool checkDelete() override;
    QString listCaption() const override;
    QString listItem(int record) const override;
    void carryRename(const std::string& oldKey, const std::string& newKey, Transaction& changes) override;

private:
    /** Loads the measure file of the ingredient in the combo (created when
     *  missing); false when it could not be read (the window then closes). */
    bool loadMeasures();
    /** The usage scan: false (after the warning) when a preparation uses the measure. */
    bool measureFree(bool forDelete, const QString& failure);
    void onFocusChanged(QWidget* old, QWidget* now);

    std::string m_ingredient;
};

} // namespace treluza
