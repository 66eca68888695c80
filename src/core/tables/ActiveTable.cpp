#include "core/tables/ActiveTable.h"

#include "core/records/RecordLayouts.h"
#include "core/store/Cp1252.h"
#include "core/store/FileIo.h"
#include "core/store/IniFile.h"
#include "core/store/Paths.h"
#include "core/store/RecordList.h"

namespace treluza {

bool isEditableFlag(std::string_view field3)
{
    return field3 == "1";
}

ActiveTableReading readActiveTableSetting(const std::filesystem::path& configFile,
                                          const std::filesystem::path& base)
{
    ActiveTableReading r;
    {
        const IniFile ini(configFile);
        r.configFixed = ini.readBool(kSecFixTable, kKeyFixTab, false);
        r.configName = dropLastChar(ini.readString(kSecFixTable, kKeyNomTab, ""));
    }
    r.name = r.configName;
    if (!r.configFixed)
        return r;
    RecordList records(true);
    KeyList keys(true);
    try {
        LoadRecordFile(TableRegistryPath(base), records, keys);
    } catch (const FileReadError&) {
        return r;
    }
    const int k = keys.find(r.configName);
    if (k < 0 || !isUsableNameFor(NameUse::Table, keys.at(k)))
        return r;
    r.fixed = true;
    r.found = true;
    r.name = keys.at(k);
    r.editable = isEditableFlag(FieldOf(RegistryField::Flag, records.at(k)));
    return r;
}

std::string mainMenuCaption(bool configFixed, const std::string& configName)
{
    const std::string caption = cp("TELA PRINCIPAL - TRELUZA versão 4.0");
    if (!configFixed)
        return caption;
    return caption + cp(" - Tabela Ativa :") + configName;
}

TableChoices loadTableChoices(const std::filesystem::path& base)
{
    // A registry never written holds no table.
    RecordList records(true);
    KeyList keys(true);
    records.assign(splitLines(readFileIfPresent(TableRegistryPath(base))));
    rebuildKeyList(records, keys);
    TableChoices choices;
    for (int i = 0; i < keys.count(); ++i) {
        // A damaged registry line whose name cannot name a folder is no table.
        if (!isUsableNameFor(NameUse::Table, keys.at(i)))
            continue;
        choices.names.push_back(keys.at(i));
        choices.editable.push_back(isEditableFlag(FieldOf(RegistryField::Flag, records.at(i))));
    }
    return choices;
}

} // namespace treluza
