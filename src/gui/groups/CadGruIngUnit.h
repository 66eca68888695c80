#pragma once
#include "gui/groups/CadGruUnit.h"

namespace treluza {

/** The ingredient groups of the active table. */
class TCadGruIngForm final : public TCadGruForm {
    Q_OBJECT
public:
    explicit TCadGruIngForm(FormContext& context, QWidget* parent = nullptr)
        : TCadGruForm(context, GroupKind::Ingredient, parent)
    {
    }
};

} // namespace treluza
