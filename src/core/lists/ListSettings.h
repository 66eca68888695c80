#pragma once
#include <filesystem>
#include <string>
#include <string_view>

namespace treluza {

/** What a list window remembers between openings, in its section of the
 *  configuration file: the group filter, the ordering, the list position and,
 *  for the ingredient browser, the keyword filter. */
struct ListSettings {
    bool groupFilter = false;   // "AtiFil"
    std::string group;          // "GruFil", stored with a closing "|" that keeps its trailing blanks
    bool ordering = false;      // "AtiOrd"
    std::string orderField;     // "CamOrd", stored with a closing "|"
    int position = 0;           // "PosFilOrd": the selected row, -1 for none
    bool keywordFilter = false; // "AtiFilPalCha" (ingredient browser only)
    std::string keywords;       // "PalCha" (ingredient browser only)

    friend bool operator==(const ListSettings&, const ListSettings&) = default;
};

/** Reads the settings of a section; missing keys give the defaults above.
 *  withKeywords reads the two keyword keys too. A file that cannot be read
 *  gives the defaults. */
ListSettings readListSettings(const std::filesystem::path& configFile, std::string_view section,
                              bool withKeywords);

/** Writes the settings of a section (the keyword keys only withKeywords).
 *  Throws FileWriteError; keys written before the failure stay written. */
void writeListSettings(const std::filesystem::path& configFile, std::string_view section,
                       const ListSettings& settings, bool withKeywords);

} // namespace treluza
