#pragma once
// FormContext: what every window is handed when it is made.
//
// How to use it: the program's wiring (gui/app's WindowContext) makes one
// FormContext on the folders of the run and the one set of shared windows,
// and passes it by reference to every window it makes. A window test makes
// its own WindowContext, on a temporary base folder and configuration file.
// Nothing here looks paths up: they are handed over.
//
// The shared windows are always there, reached through the small interfaces
// below, so that the shared machinery never includes a window of its own.
#include "core/lists/ListSetup.h"
#include "core/store/KeyedRecords.h"
#include "core/store/Sinks.h"
#include "core/tables/ActiveTable.h"

#include <QString>
#include <QStringList>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace treluza {

/** The help window. */
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    virtual void showHelp() = 0;
};

/** The list picker: lines in a fixed-pitch font, one of them chosen. */
class ListPicker {
public:
    virtual ~ListPicker() = default;
    /** Shows the lines with one selected; returns the index selected when the
     *  window closed, or -1 for an empty list. */
    virtual int pick(const QString& caption, const QStringList& items, int selected) = 0;
    /** The same for Windows-1252 lines (a key list). */
    int pickCore(const QString& caption, const std::vector<std::string>& items, int selected);
};

/** The rename dialog. */
class NamePrompt {
public:
    virtual ~NamePrompt() = default;
    /** Shows the current name (core text) in a field of the caller's edit mask
     *  and asks for a new one; the new name as core text when the user
     *  confirms, nothing when he cancels. */
    virtual std::optional<std::string> askNewName(const QString& caption, const QString& editMask,
                                                  std::string_view currentName) = 0;
};

/** The usage warning window. */
class UsageList {
public:
    virtual ~UsageList() = default;
    /** Lists the message lines and the names under them and shows the window. */
    virtual void showUsage(std::string_view message, const std::vector<std::string>& names) = 0;
    /** Scans the table's preparations for the ingredient and, when it is used,
     *  shows them; returns whether the window was shown. */
    virtual bool ScanIngredientUse(std::string_view table, std::string_view ingredient) = 0;
};

/** The list viewer: record lines under a header, with a group filter and an
 *  ordering remembered in the caller's configuration section. */
class ListViewer {
public:
    virtual ~ListViewer() = default;
    /** Shows the lines of the setup modally; the chosen record's index in the
     *  caller's key list (-1 when the key list does not hold it, 0 when no line
     *  was chosen). */
    virtual int showList(const ListSetup& setup) = 0;
};

/** What the ingredient browser hands back when it closes. */
struct BrowseResult {
    /** The key of the row selected when it closed; nothing when none was. */
    std::optional<std::string> chosen;
    /** The ingredient lines copied into the active table during the opening,
     *  already in its files, for the opener to add to its records. */
    std::vector<std::string> copied;
};

/** Adds the copied lines to the opener's records of the active table's
 *  ingredients and returns the chosen ingredient's index among them: -1 when
 *  they do not hold it, nothing when no row was chosen. */
std::optional<int> applyBrowse(KeyedRecords& records, const BrowseResult& result);

/** The ingredient browser over the tables. */
class IngredientBrowser {
public:
    virtual ~IngredientBrowser() = default;
    /** Shows the active table's ingredients (the caller's records, which it
     *  only reads) and the other tables', from which it copies into the
     *  active table's files; the caller applies the result (applyBrowse). */
    virtual BrowseResult browse(const ActiveTable& active, const KeyedRecords& records, int currentIndex) = 0;
};

/** The windows every window may open: the one set of a run, each window made
 *  the first time it is asked for. */
class SharedWindowSet : public HelpViewer,
                        public ListPicker,
                        public NamePrompt,
                        public UsageList,
                        public ListViewer,
                        public IngredientBrowser {
public:
    /** The progress window of long file work. */
    virtual ProgressSink& progressWindow() = 0;
};

/** A window that works on the active table: the opener hands it the table
 *  before showing it. */
class TableWindow {
public:
    virtual ~TableWindow() = default;
    virtual void handOver(const ActiveTable& table) = 0;
};

struct FormContext {
    FormContext(std::filesystem::path base, std::filesystem::path config, std::filesystem::path helpText,
                SharedWindowSet& shared);

    /** The base folder; the data root "Dados" is under it. */
    std::filesystem::path baseFolder;
    /** The configuration file itself (not its folder). */
    std::filesystem::path configFile;
    /** The help text file. */
    std::filesystem::path helpFile;

    HelpViewer& help;
    ListPicker& picker;
    NamePrompt& namePrompt;
    UsageList& usage;
    ListViewer& viewer;
    IngredientBrowser& browser;

    /** The progress window. */
    ProgressSink& progress() const { return m_shared.progressWindow(); }

private:
    SharedWindowSet& m_shared;
};

} // namespace treluza
