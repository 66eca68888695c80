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
    ini.writeBool(section, kKeyAtiFil, settings.groupFilter);
    ini.writeString(section, kKeyGruFil, settings.group + "|");
    ini.writeBool(section, kKeyAtiOrd, settings.ordering);
    ini.writeString(section, kKeyCamOrd, settings.orderField + "|");
    if (withKeywords) {
        ini.writeBool(section, kKeyAtiFilPalCha, settings.keywordFilter);
        ini.writeString(section, kKeyPalCha, settings.keywords);
    }
    ini.writeInteger(section, kKeyPosFilOrd, settings.position);
}

} // namespace treluza
