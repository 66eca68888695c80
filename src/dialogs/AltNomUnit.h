#pragma once
// The rename dialog: shows a current name and asks for a new one.
//
// How to use it: AskNewName(caption, editMask, currentName) gives both fields
// the edit mask of the caller's name field, shows the current name, empties
// the new one and shows the window modally; it returns 1 when the user
// confirms and 2 when he cancels. Read the new name with NewName() (the
// field's text, fixed length with its mask) or NewCoreName().
#include "gui/Form.h"

#include <string>

class QLabel;

namespace treluza {

class TBitBtn;
class TMaskEdit;

class TAltNomForm : public TForm {
    Q_OBJECT
public:
    explicit TAltNomForm(QWidget* parent = nullptr);

    int AskNewName(const QString& caption, const QString& editMask, const QString& currentName);
    QString NewName() const;
    std::string NewCoreName() const;

    TBitBtn* ConBitBtn;
    TBitBtn* CanBitBtn;
    QLabel* NomAtuLabel;
    QLabel* NovNomLabel;
    TMaskEdit* NomAtuMaskEdit;
    TMaskEdit* NovNomMaskEdit;

protected:
    void FormActivate() override;
};

} // namespace treluza
