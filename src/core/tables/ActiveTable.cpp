#include "core/tables/ActiveTable.h"

#include "core/records/RecordLayouts.h"
#include "core/store/Cp1252.h"
#include "core/store/FileIo.h"
#include "core/store/IniFile.h"
#include "core/store/KeyedRecords.h"
#include "core/store/Paths.h"

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
    KeyedRecords registry;
    try {
        LoadRecordFile(TableRegistryPath(base), registry);
    } catch (const FileReadError&) {
        return r;
    }
    const int k = registry.findKey(r.configName);
    if (k < 0 || !isUsableNameFor(NameUse::Table, registry.keys()[k]))
        return r;
    r.fixed = true;
    r.found = true;
    r.name = registry.keys()[k];
    r.editable = isEditableFlag(FieldOf(RegistryField::Flag, registry[k]));
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
    const KeyedRecords registry = keyedLines(readFileIfPresent(TableRegistryPath(base)));
    TableChoices choices;
    for (int i = 0; i < registry.keys().count(); ++i) {
        // A damaged registry line whose name cannot name a folder is no table.
        if (!isUsableNameFor(NameUse::Table, registry.keys()[i]))
            continue;
        choices.names.push_back(registry.keys()[i]);
        choices.editable.push_back(isEditableFlag(FieldOf(RegistryField::Flag, registry[i])));
    }
    return choices;
}

} // namespace treluza
