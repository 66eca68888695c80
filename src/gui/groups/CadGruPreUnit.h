#pragma once
#include "gui/groups/CadGruUnit.h"

namespace treluza {

/** The preparation groups of the active table. */
class TCadGruPreForm final : public TCadGruForm {
    Q_OBJECT
public:
    explicit TCadGruPreForm(FormContext& context, QWidget* parent = nullptr)
        : TCadGruForm(context, GroupKind::Preparation, parent)
    {
    }
};

} // namespace treluza
