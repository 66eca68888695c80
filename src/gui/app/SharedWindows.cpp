#include "gui/app/SharedWindows.h"

#include "gui/dialogs/AjuUnit.h"
#include "gui/dialogs/AltNomUnit.h"
#include "gui/dialogs/ConUnit.h"
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

SharedWindows::SharedWindows() : m_progress(std::make_unique<TConForm>()) {}

SharedWindows::~SharedWindows() = default;

TAjuForm& SharedWindows::help()
{
    return madeOnce(m_help, *m_context);
}

TLisForm& SharedWindows::picker()
{
    return madeOnce(m_picker);
}

TAltNomForm& SharedWindows::namePrompt()
{
    return madeOnce(m_prompt);
}

TIteVerForm& SharedWindows::usage()
{
    return madeOnce(m_usage, *m_context);
}

TVisLisForm& SharedWindows::viewer()
{
    return madeOnce(m_viewer, *m_context);
}

TVisLisIngForm& SharedWindows::browser()
{
    return madeOnce(m_browser, *m_context);
}

void SharedWindows::showHelp()
{
    help().showHelp();
}

int SharedWindows::pick(const QString& caption, const QStringList& items, int selected)
{
    return picker().pick(caption, items, selected);
}

std::optional<std::string> SharedWindows::askNewName(const QString& caption, const QString& editMask,
                                                     std::string_view currentName)
{
    return namePrompt().askNewName(caption, editMask, currentName);
}

void SharedWindows::showUsage(std::string_view message, const std::vector<std::string>& names)
{
    usage().showUsage(message, names);
}

bool SharedWindows::ScanIngredientUse(std::string_view table, std::string_view ingredient)
{
    return usage().ScanIngredientUse(table, ingredient);
}

int SharedWindows::showList(const ListSetup& setup)
{
    return viewer().showList(setup);
}

BrowseResult SharedWindows::browse(const ActiveTable& active, const KeyedRecords& records, int currentIndex)
{
    return browser().browse(active, records, currentIndex);
}

ProgressSink& SharedWindows::progressWindow()
{
    return *m_progress;
}

WindowContext::WindowContext(std::filesystem::path base, std::filesystem::path config,
                             std::filesystem::path helpText)
    : m_context(std::move(base), std::move(config), std::move(helpText), m_shared)
{
    m_shared.serve(m_context);
}

} // namespace treluza
