#pragma once
// The method text window: the preparation's method, at most 32 lines of 70
// characters, kept in its ".rec" file.
//
// How to use it: the preparation register saves its pending record, calls
// handOver(tableName, preparationName) and then openModal(). The text is read
// on activation; "&Grava" writes it after a question, "&Imprime" writes it
// without one (the reports print the saved text), and closing with unsaved
// changes asks whether to write them.
#include "gui/widgets/DocumentForm.h"

#include <QStringList>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

class QLabel;
class QTextEdit;

namespace treluza {

class TBitBtn;

class TCadRecForm : public TDocumentForm {
    Q_OBJECT
public:
    explicit TCadRecForm(FormContext& context, QWidget* parent = nullptr);

    void handOver(std::string_view tableName, std::string_view preparationName);

    /** The memo's lines as it shows them (a long line wraps at 70 characters). */
    QStringList memoLines() const;

    void GraBitBtnClick();
    void ImpBitBtnClick();

    TBitBtn* GraBitBtn;
    TBitBtn* ImpBitBtn;
    TBitBtn* AjuBitBtn;
    TBitBtn* RetBitBtn;
    QLabel* NomPreLabel;
    QTextEdit* RecMemo;

protected:
    void FormActivate() override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void RecMemoChange();
    /** Whether a typed key may reach the memo; see the limits of the text. */
    bool RecMemoKeyPress(QChar key);
    /** Writes the memo's lines to the method file. */
    bool writeDocument() override;

    std::string m_table;
    std::string m_preparation;
    std::filesystem::path m_file;
};

} // namespace treluza
