#pragma once
// The windows that other windows open through the context (help, list picker,
// rename dialog, usage warning, list viewer, ingredient browser), each made
// the first time it is asked for, so that start-up builds none of them.
//
// How to use it: make one after the context's folders are set and plug() it
// into the context; the main menu's help button opens help().
#include "gui/widgets/FormContext.h"

#include <memory>

namespace treluza {

class TAjuForm;
class TLisForm;
class TAltNomForm;
class TIteVerForm;
class TVisLisForm;
class TVisLisIngForm;

class SharedWindows final : public HelpViewer,
                            public ListPicker,
                            public NamePrompt,
                            public UsageList,
                            public ListViewer,
                            public IngredientBrowser {
public:
    explicit SharedWindows(FormContext& context);
    ~SharedWindows() override;

    /** Puts these windows in the context. */
    void plug();
    /** The help window, made when first asked for. */
    TAjuForm& help();

    void showHelp() override;
    int pick(const QString& caption, const QStringList& items, int selected) override;
    std::optional<std::string> askNewName(const QString& caption, const QString& editMask,
                                          std::string_view currentName) override;
    void showUsage(std::string_view message, const std::vector<std::string>& names) override;
    bool ScanIngredientUse(std::string_view table, std::string_view ingredient) override;
    int showList(const ListSetup& setup) override;
    std::optional<int> browse(const std::string& activeTable, bool activeEditable, RecordList& records,
                              KeyList& keys, int currentIndex) override;

private:
    FormContext& m_context;
    std::unique_ptr<TAjuForm> m_help;
    std::unique_ptr<TLisForm> m_picker;
    std::unique_ptr<TAltNomForm> m_prompt;
    std::unique_ptr<TIteVerForm> m_usage;
    std::unique_ptr<TVisLisForm> m_viewer;
    std::unique_ptr<TVisLisIngForm> m_browser;
};

} // namespace treluza
