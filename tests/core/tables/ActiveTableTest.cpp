#include "core/tables/ActiveTable.h"

#include "core/store/FileIo.h"
#include "core/store/IniFile.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace treluza {
namespace {

// A damaged registry: names that cannot name a folder never reach the picker,
// and a fixed table with such a name is not found.
TEST(ActiveTable, NamesThatCannotNameAFolderAreNoTables)
{
    TempFolder dir;
    const std::string tooLong(300, 'x');
    dir.write("Dados/ArqTab.dad", std::string("|sem nome|1|\r\n") + "..|pontos|1|\r\n" + "  .  |x|1|\r\n" +
                                      tooLong + "|x|1|\r\n" + "Tabela 2008/09      |boa|1|\r\n" +
                                      "\xC1gua|acento|0|\r\n");
    const TableChoices choices = loadTableChoices(dir.path());
    EXPECT_EQ(choices.names, (std::vector<std::string>{"\xC1gua", "Tabela 2008/09      "}));
    EXPECT_EQ(choices.editable, (std::vector<bool>{false, true}));

    IniFile ini(dir.path() / "c.ini");
    ini.setBool(kSecFixTable, kKeyFixTab, true);
    ini.setString(kSecFixTable, kKeyNomTab, "..|");
    ini.save();
    const ActiveTableReading dots = readActiveTableSetting(dir.path() / "c.ini", dir.path());
    EXPECT_FALSE(dots.found);
    EXPECT_FALSE(dots.fixed);
    ini.writeString(kSecFixTable, kKeyNomTab, "tabela 2008/09      |");
    const ActiveTableReading good = readActiveTableSetting(dir.path() / "c.ini", dir.path());
    EXPECT_TRUE(good.fixed);
    EXPECT_EQ(good.name, "Tabela 2008/09      ");
}

} // namespace
} // namespace treluza
