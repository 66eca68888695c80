#pragma once
// The method text window: the preparation's method, at most 32 lines of 70
// characters, kept in its ".rec" file.
//
// How to use it: the preparation register saves its pending record, calls
// handOver(tableName, preparationName) and then openModal(). The text is read
// on activation; "&Grava" writes it after a question, "&Imprime" writes it
// without one (the reports print the saved text), and closing with unsaved
// changes asks whether to write them.
#include "gui/widgets/Form.h"
#include "gui/widgets/FormContext.h"

#include <QStringList>

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

class QLabel;
class QTextEdit;

namespace treluza {

class TBitBtn;

class TCadRecForm : public TForm {
    Q_OBJECT
public:
    explicit TCadRecForm(FormContext& context, QWidget* parent = nullptr);

    void handOver(std::string_view tableName, std::string_view preparationName);

    /** The memo's lines as it shows them (a long line wraps at 70 characters). */
    QStringList memoLines() const;
    bool changed() const { return m_changed; }

    void GraBitBtnClick();
    void ImpBitBtnClick();
    void AjuBitBtnClick();
    void RetBitBtnClick();

    TBitBtn* GraBitBtn;
    TBitBtn* ImpBitBtn;
    TBitBtn* AjuBitBtn;
    TBitBtn* RetBitBtn;
    QLabel* NomPreLabel;
    QTextEdit* RecMemo;

protected:
    void FormActivate() override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    void RecMemoChange();
    /** Whether a typed key may reach the memo; see the limits of the text. */
    bool RecMemoKeyPress(QChar key);
    /** Asks about unsaved changes; false when the window must stay open. */
    bool FormClose();
    /** Writes the memo's lines to the method file; false (after a message)
     *  when the file cannot be written, and the text stays unsaved. */
    bool writeMethod();

    FormContext& m_context;
    std::string m_table;
    std::string m_preparation;
    std::filesystem::path m_file;
    bool m_changed = false;
};

} // namespace treluza
