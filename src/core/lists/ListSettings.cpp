#include "core/lists/ListSettings.h"

#include "core/store/IniFile.h"

namespace treluza {

ListSettings readListSettings(const std::filesystem::path& configFile, std::string_view section,
                              bool withKeywords)
{
    // An unreadable file reads as empty: every key gives its default.
    const IniFile ini(configFile);
    ListSettings s;
    s.groupFilter = ini.readBool(section, kKeyAtiFil, false);
    s.group = dropLastChar(ini.readString(section, kKeyGruFil, ""));
    s.ordering = ini.readBool(section, kKeyAtiOrd, false);
    s.orderField = dropLastChar(ini.readString(section, kKeyCamOrd, ""));
    s.position = ini.readInteger(section, kKeyPosFilOrd, 0);
    if (withKeywords) {
        s.keywordFilter = ini.readBool(section, kKeyAtiFilPalCha, false);
        s.keywords = ini.readString(section, kKeyPalCha, "");
    }
    return s;
}

void writeListSettings(const std::filesystem::path& configFile, std::string_view section,
                       const ListSettings& settings, bool withKeywords)
{
    IniFile ini(configFile);
    // All the keys of one closing go in one replacement of the file.
    ini.setBool(section, kKeyAtiFil, settings.groupFilter);
    ini.setString(section, kKeyGruFil, settings.group + "|");
    ini.setBool(section, kKeyAtiOrd, settings.ordering);
    ini.setString(section, kKeyCamOrd, settings.orderField + "|");
    if (withKeywords) {
        ini.setBool(section, kKeyAtiFilPalCha, settings.keywordFilter);
        ini.setString(section, kKeyPalCha, settings.keywords);
    }
    ini.setInteger(section, kKeyPosFilOrd, settings.position);
    ini.save();
}

} // namespace treluza
