#pragma once
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace treluza {

/** The table a window works on, as the main menu hands it over: its name as
 *  the registry spells it, and whether it may be changed (its registry flag is
 *  "1"; otherwise it is open for consultation only). */
struct ActiveTable {
    std::string name;
    bool editable = false;
};

/** What the configuration says about the active table, checked against the
 *  registry. */
struct ActiveTableReading {
    /** The configuration fixes a table and the registry holds it. */
    bool fixed = false;
    /** The configuration fixes a table (found or not): the caption names it. */
    bool configFixed = false;
    /** The name as the configuration spells it (its closing "|" dropped). */
    std::string configName;
    /** The registry's spelling when found, otherwise the configuration's. */
    std::string name;
    /** The table's editable flag, when it was found. */
    bool found = false;
    bool editable = false;
};

/** Reads the fixed table from the configuration file and looks it up in the
 *  registry of the base folder (ignoring case). A registry that cannot be read
 *  reads as empty; a name that cannot name a folder is not found. */
ActiveTableReading readActiveTableSetting(const std::filesystem::path& configFile,
                                          const std::filesystem::path& base);

/** The caption of the main menu (Windows-1252): the table's name, as the
 *  configuration spells it, follows when a table is fixed. */
std::string mainMenuCaption(bool configFixed, const std::string& configName);

/** The tables of the registry, in its sorted order, with their editable flags. */
struct TableChoices {
    std::vector<std::string> names;
    std::vector<bool> editable;
};

/** Names that cannot name a folder (a damaged line: empty, only dots and
 *  blanks, a NUL, too long) are left out. A registry not written yet holds no
 *  table (and is not created); FileReadError is thrown when it cannot be read. */
TableChoices loadTableChoices(const std::filesystem::path& base);

/** The registry flag of a table that may be changed. */
bool isEditableFlag(std::string_view field3);

} // namespace treluza
