#pragma once
#include "gui/widgets/Form.h"
#include "gui/widgets/FormContext.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;

namespace treluza {

class TBitBtn;
class TMaskEdit;

/** The configuration window: the fixed active table and the responsible
 *  technician's name and contact. */
class TCfgNutForm : public TForm {
    Q_OBJECT
public:
    explicit TCfgNutForm(FormContext& context, QWidget* parent = nullptr);

    TBitBtn* GraBitBtn;
    TBitBtn* AjuBitBtn;
    TBitBtn* RetBitBtn;
    QGroupBox* TabGroupBox;
    QCheckBox* FixTabCheckBox;
    QLabel* NomTabLabel;
    QComboBox* NomTabComboBox;
    QGroupBox* TecGroupBox;
    QLabel* NomTecLabel;
    TMaskEdit* NomTecMaskEdit;
    QLabel* ConTecLabel;
    TMaskEdit* ConTecMaskEdit;

    void GraBitBtnClick();
    void RetBitBtnClick();
    void AjuBitBtnClick();
    void FixTabCheckBoxClick();

    bool modified() const { return m_modified; }
    bool tableChanged() const { return m_tableChanged; }

protected:
    void FormActivate() override;

private:
    void NomTabComboBoxChange();
    void textChanged();

    FormContext& m_context;
    bool m_modified = false;
    bool m_tableChanged = false;
    bool m_loading = false;
};

} // namespace treluza
