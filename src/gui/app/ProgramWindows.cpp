#include "gui/app/ProgramWindows.h"

#include "gui/dialogs/AjuUnit.h"
#include "gui/dialogs/MesDlgUnit.h"
#include "gui/groups/CadGruIngUnit.h"
#include "gui/groups/CadGruPreUnit.h"
#include "gui/ingredients/CadIngUnit.h"
#include "gui/measures/CadMedCas2Unit.h"
#include "gui/preparations/CadTreluzaRotUnit.h"
#include "gui/tables/CadTabUnit.h"
#include "gui/tables/CfgNutUnit.h"
#include "gui/widgets/Messages.h"

#include <type_traits>

namespace treluza {

namespace {

/** The maker of a menu button's window: makes it into slot; a window that
 *  works on a table is also handed the table. */
template <class Window>
std::function<TTreluzaV4Form::PluggedWindow()> madeOnClick(std::unique_ptr<Window>& slot,
                                                           FormContext& context)
{
    return [&slot, &context] {
        slot = std::make_unique<Window>(context);
        TableWindow* table = nullptr;
        if constexpr (std::is_base_of_v<TableWindow, Window>)
            table = slot.get();
        return TTreluzaV4Form::PluggedWindow{slot.get(), table};
    };
}

} // namespace

ProgramWindows::ProgramWindows(std::filesystem::path base, std::filesystem::path config,
                               std::filesystem::path helpText)
    : m_windows(std::move(base), std::move(config), std::move(helpText)),
      m_messages(std::make_unique<TMesDlgForm>()), m_menu(std::make_unique<TTreluzaV4Form>(context()))
{
    installMessageDialog(m_messages.get());
    TTreluzaV4Form& menu = *m_menu;
    menu.plugWindowMaker(MenuButton::Help, [this] {
        return TTreluzaV4Form::PluggedWindow{&shared().help(), nullptr};
    });
    menu.plugWindowMaker(MenuButton::Tables, madeOnClick(m_tables, context()));
    menu.plugWindowMaker(MenuButton::Config, madeOnClick(m_configuration, context()));
    menu.plugWindowMaker(MenuButton::IngredientGroups, madeOnClick(m_ingredientGroups, context()));
    menu.plugWindowMaker(MenuButton::PreparationGroups, madeOnClick(m_preparationGroups, context()));
    menu.plugWindowMaker(MenuButton::Ingredients, madeOnClick(m_ingredients, context()));
    menu.plugWindowMaker(MenuButton::Measures, madeOnClick(m_measures, context()));
    menu.plugWindowMaker(MenuButton::Preparations, madeOnClick(m_preparations, context()));
}

ProgramWindows::~ProgramWindows()
{
    // The windows go first (the menu's windows, then the menu), the message
    // dialog last: a window closing may still say something.
    m_preparations.reset();
    m_measures.reset();
    m_ingredients.reset();
    m_preparationGroups.reset();
    m_ingredientGroups.reset();
    m_configuration.reset();
    m_tables.reset();
    m_menu.reset();
    installMessageDialog(nullptr);
}

} // namespace treluza
