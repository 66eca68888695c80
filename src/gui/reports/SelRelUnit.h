#pragma once
// The report window: one preparation as a one-page report in one of three
// layouts, printed, viewed (and saved as a BMP picture) or saved as a PDF.
//
// How to use it: the preparation register calls handOver(indexLine, table,
// preparation) with the index line it holds in memory, the active table's name
// and the name as typed, then openModal(). Each opening selects the first
// layout again and reads the printer resolution ("ResImp"); "&Retorna" writes
// it back.
#include "core/reports/ReportLayouts.h"
#include "gui/widgets/Form.h"
#include "gui/widgets/FormContext.h"

#include <optional>
#include <string>
#include <string_view>

class QLabel;
class QRadioButton;

namespace treluza {

class TBitBtn;
class TMaskEdit;
class TVisRelForm;

class TSelRelForm : public TForm {
    Q_OBJECT
public:
    explicit TSelRelForm(FormContext& context, QWidget* parent = nullptr);

    void handOver(std::string_view indexLine, std::string_view tableName, std::string_view preparationName);

    ReportLayout layout() const { return m_layout; }
    int resolution() const { return m_resolution; }
    TVisRelForm& viewer() { return *m_viewer; }

    void MedCasRadioButtonClick();
    void CusRadioButtonClick();
    void RelCozRadioButtonClick();
    void ResImpMaskEditExit();
    void ImpBitBtnClick();
    void VisBitBtnClick();
    void PdfBitBtnClick();
    void AjuBitBtnClick();
    void RetBitBtnClick();

    QRadioButton* MedCasRadioButton;
    QRadioButton* CusRadioButton;
    QRadioButton* RelCozRadioButton;
    QLabel* ResImpLabel;
    TMaskEdit* ResImpMaskEdit;
    QLabel* PppLabel;
    TBitBtn* ImpBitBtn;
    TBitBtn* VisBitBtn;
    TBitBtn* PdfBitBtn;
    TBitBtn* AjuBitBtn;
    TBitBtn* RetBitBtn;

protected:
    void FormActivate() override;

private:
    /** The report's data, read now; nothing (after a message) when a file
     *  cannot be read. */
    std::optional<ReportInput> loadInput();
    /** The file name offered by the save dialogs: the preparation's file stem. */
    QString offeredName() const;
    void showResolution();

    FormContext& m_context;
    TVisRelForm* m_viewer;
    std::string m_indexLine;
    std::string m_table;
    std::string m_preparation;
    ReportLayout m_layout = ReportLayout::Analysis;
    int m_resolution = 300;
};

} // namespace treluza
