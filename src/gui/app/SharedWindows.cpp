#include "gui/app/SharedWindows.h"

#include "gui/dialogs/AjuUnit.h"
#include "gui/dialogs/AltNomUnit.h"
#include "gui/dialogs/IteVerUnit.h"
#include "gui/dialogs/LisUnit.h"
#include "gui/ingredients/VisLisIngUnit.h"
#include "gui/lists/VisLisUnit.h"

namespace treluza {

namespace {

/** The window in slot, made first when there is none. */
template <class Window, class... Args> Window& madeOnce(std::unique_ptr<Window>& slot, Args&... args)
{
    if (!slot)
        slot = std::make_unique<Window>(args...);
    return *slot;
}

} // namespace

SharedWindows::SharedWindows(FormContext& context) : m_context(context) {}

SharedWindows::~SharedWindows() = default;

void SharedWindows::plug()
{
    m_context.ajuForm = this;
    m_context.lisForm = this;
    m_context.altNomForm = this;
    m_context.iteVerForm = this;
    m_context.visLisForm = this;
    m_context.visLisIngForm = this;
}

TAjuForm& SharedWindows::help()
{
    return madeOnce(m_help, m_context);
}

void SharedWindows::showHelp()
{
    help().showHelp();
}

int SharedWindows::pick(const QString& caption, const QStringList& items, int selected)
{
    return madeOnce(m_picker).pick(caption, items, selected);
}

std::optional<std::string> SharedWindows::askNewName(const QString& caption, const QString& editMask,
                                                     std::string_view currentName)
{
    return madeOnce(m_prompt).askNewName(caption, editMask, currentName);
}

void SharedWindows::showUsage(std::string_view message, const std::vector<std::string>& names)
{
    madeOnce(m_usage, m_context).showUsage(message, names);
}

bool SharedWindows::ScanIngredientUse(std::string_view table, std::string_view ingredient)
{
    return madeOnce(m_usage, m_context).ScanIngredientUse(table, ingredient);
}

int SharedWindows::showList(const ListSetup& setup)
{
    return madeOnce(m_viewer, m_context).showList(setup);
}

std::optional<int> SharedWindows::browse(const std::string& activeTable, bool activeEditable,
                                         RecordList& records, KeyList& keys, int currentIndex)
{
    return madeOnce(m_browser, m_context).browse(activeTable, activeEditable, records, keys, currentIndex);
}

} // namespace treluza
