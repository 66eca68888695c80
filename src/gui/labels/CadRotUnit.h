#pragma once
// The nutrition label window ("Rótulo"): what the user types for the label
// of a preparation, kept in its ".eti" file, and the table and front mark
// computed from the preparation, shown as they print, printed and saved as a
// PDF file and a PNG picture.
//
// How to use it: the preparation register stores its pending record, calls
// handOver(table, preparation, indexLine) and then openModal(). The label
// file is read on activation; "&Grava" writes it after a question, and
// leaving with unsaved inputs asks whether to write them.
#include "core/labels/NutritionLabel.h"
#include "core/records/PreparationRecords.h"
#include "gui/widgets/DocumentForm.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

class QCheckBox;
class QLabel;
class QRadioButton;

namespace treluza {

class TBitBtn;
class TLabelPreview;
class TMaskEdit;

class TCadRotForm : public TDocumentForm {
    Q_OBJECT
public:
    explicit TCadRotForm(FormContext& context, QWidget* parent = nullptr);

    /** The active table, the preparation's name as typed and its index line. */
    void handOver(std::string_view tableName, std::string_view preparationName, std::string_view indexLine);

    /** The inputs as the label file holds them. */
    LabelFields editFields() const;

    void GraBitBtnClick();
    void ImpBitBtnClick();
    void PdfBitBtnClick();
    void ImgBitBtnClick();

    QRadioButton* SolRadioButton;
    QRadioButton* LiqRadioButton;
    QLabel* PorLabel;
    TMaskEdit* PorMaskEdit;
    TMaskEdit* MedCasMaskEdit;
    TMaskEdit* PorEmbMaskEdit;
    QCheckBox* CerCheckBox;
    TMaskEdit* AcuTotMaskEdit;
    TMaskEdit* AcuAdiMaskEdit;
    TMaskEdit* GorTraMaskEdit;
    QCheckBox* FibCheckBox;
    QCheckBox* ColCheckBox;
    QCheckBox* CalCheckBox;
    QCheckBox* FerCheckBox;
    QCheckBox* IseCheckBox;
    QLabel* NotLabel;
    TLabelPreview* RotPreview;
    TBitBtn* GraBitBtn;
    TBitBtn* ImpBitBtn;
    TBitBtn* PdfBitBtn;
    TBitBtn* ImgBitBtn;
    TBitBtn* AjuBitBtn;
    TBitBtn* RetBitBtn;

protected:
    void FormActivate() override;

private:
    void buildInputs();
    void buildButtons();
    void showFields(const LabelFields& fields);
    /** An input changed: unsaved, and the preview follows. */
    void inputChanged();
    void refreshPreview();
    /** The label, or nothing after the message that names what is missing. */
    std::optional<NutritionLabel> labelToOutput();
    /** Writes the label file. */
    bool writeDocument() override;
    /** The file name offered by the save dialogs: the preparation's file stem. */
    QString offeredName() const;

    std::string m_table;
    std::string m_preparation;
    IndexFields m_index;
    std::filesystem::path m_file;
    bool m_showing = false; // fields being filled by the program
};

} // namespace treluza
