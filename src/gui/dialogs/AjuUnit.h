#pragma once
// The help window: shows and prints the help text file.
//
// How to use it: showHelp() opens it modally (from the main menu or a
// register's "A&juda" button); the text is read from the context's help file
// each time it opens. "Imprime" prints it through the print dialog; a line
// holding "<quebra página>" is not printed and starts a new document.
#include "gui/widgets/Form.h"
#include "gui/widgets/FormContext.h"

class QLabel;
class QPlainTextEdit;

namespace treluza {

class TBitBtn;

class TAjuForm : public TForm, public HelpViewer {
    Q_OBJECT
public:
    explicit TAjuForm(FormContext& context, QWidget* parent = nullptr);

    void showHelp() override { openModal(); }

    void ImpBitBtnClick();
    void BitBtn1Click();

    QLabel* TitLabel;
    QPlainTextEdit* AjuMemo;
    TBitBtn* ImpBitBtn;
    TBitBtn* BitBtn1;

protected:
    void FormActivate() override;

private:
    void loadHelp();

    FormContext& m_context;
};

/** The line of the help text that starts a new print document. */
QString pageBreakMarker();

} // namespace treluza
