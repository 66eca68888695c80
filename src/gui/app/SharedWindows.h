#pragma once
// The windows that other windows open through the context (help, list picker,
// rename dialog, usage warning, list viewer, ingredient browser, progress),
// each but the progress window made the first time it is asked for, so that
// start-up builds none of them.
//
// How to use it: WindowContext makes one with the context it hands out; the
// main menu's help button opens help(); tests reach the windows themselves
// through the accessors.
#include "gui/widgets/FormContext.h"

#include <memory>

namespace treluza {

class TAjuForm;
class TConForm;
class TLisForm;
class TAltNomForm;
class TIteVerForm;
class TVisLisForm;
class TVisLisIngForm;

class SharedWindows final : public SharedWindowSet {
public:
    SharedWindows();
    ~SharedWindows() override;

    /** The windows, made when first asked for. */
    TAjuForm& help();
    TLisForm& picker();
    TAltNomForm& namePrompt();
    TIteVerForm& usage();
    TVisLisForm& viewer();
    TVisLisIngForm& browser();
    TConForm& progress() { return *m_progress; }

    /** The context the windows are made on; set before any is asked for (the
     *  context itself is made on this object, so it comes second). */
    void serve(FormContext& context) { m_context = &context; }

    void showHelp() override;
    int pick(const QString& caption, const QStringList& items, int selected) override;
    std::optional<std::string> askNewName(const QString& caption, const QString& editMask,
                                          std::string_view currentName) override;
    void showUsage(std::string_view message, const std::vector<std::string>& names) override;
    bool ScanIngredientUse(std::string_view table, std::string_view ingredient) override;
    int showList(const ListSetup& setup) override;
    BrowseResult browse(const ActiveTable& active, const KeyedRecords& records, int currentIndex) override;
    ProgressSink& progressWindow() override;

private:
    FormContext* m_context = nullptr;
    std::unique_ptr<TConForm> m_progress;
    std::unique_ptr<TAjuForm> m_help;
    std::unique_ptr<TLisForm> m_picker;
    std::unique_ptr<TAltNomForm> m_prompt;
    std::unique_ptr<TIteVerForm> m_usage;
    std::unique_ptr<TVisLisForm> m_viewer;
    std::unique_ptr<TVisLisIngForm> m_browser;
};

/** The context of a run's windows with the shared windows it hands out: what
 *  every window of the program, and of a window test, is made on. */
class WindowContext {
public:
    WindowContext(std::filesystem::path base, std::filesystem::path config, std::filesystem::path helpText);

    FormContext& context() { return m_context; }
    SharedWindows& shared() { return m_shared; }

private:
    // Made first: the context below is made on it, and handed back to it
    // before any window is asked for.
    SharedWindows m_shared;
    FormContext m_context;
};

} // namespace treluza
