#pragma once
#include "core/groups/GroupUsage.h"
#include "gui/widgets/RegisterForm.h"

#include <string>

class QLabel;

namespace treluza {

/** The group register shared by the ingredient groups and the preparation
 *  groups of the active table; the two windows differ only in their kind. */
class TCadGruForm : public TRegisterForm, public TableWindow {
    Q_OBJECT
public:
    TCadGruForm(FormContext& context, GroupKind kind, QWidget* parent = nullptr);

    /** The opener's hand-over: the active table's name; mode Empty. */
    void handOver(const ActiveTable& table) override;

    QLabel* GruLabel = nullptr;
    TMaskEdit* GruMaskEdit = nullptr;
    TBitBtn* AltNomBitBtn = nullptr;

    GroupKind kind() const { return m_kind; }
    void AltNomBitBtnClick();

protected:
    void FormActivate() override;

    TMaskEdit* keyEdit() override { return GruMaskEdit; }
    std::string MakeLine() override;
    void ShowCurrent() override;
    void ClearFields() override;
    void ApplyMode() override;
    bool checkDelete() override;
    QString listCaption() const override;
    void carryRename(const std::string& oldKey, const std::string& newKey, Transaction& changes) override;

private:
    GroupKind m_kind;
};

} // namespace treluza
