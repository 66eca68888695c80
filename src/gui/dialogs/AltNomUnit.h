#pragma once
// The rename dialog: shows a current name and asks for a new one.
//
// How to use it: askNewName(caption, editMask, currentName) gives both fields
// the edit mask of the caller's name field, shows the current name, empties
// the new one and shows the window modally; it returns the new name (core
// text, fixed length with its mask) when the user confirms and nothing when
// he cancels.
#include "gui/widgets/Form.h"
#include "gui/widgets/FormContext.h"

#include <string>

class QLabel;

namespace treluza {

class TBitBtn;
class TMaskEdit;

class TAltNomForm : public TForm, public NamePrompt {
    Q_OBJECT
public:
    explicit TAltNomForm(QWidget* parent = nullptr);

    std::optional<std::string> askNewName(const QString& caption, const QString& editMask,
                                          std::string_view currentName) override;

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
