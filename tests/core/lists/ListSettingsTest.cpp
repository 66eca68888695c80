#include "core/lists/ListSettings.h"
#include "core/store/Cp1252.h"
#include "core/store/FileIo.h"
#include "core/store/IniFile.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace treluza {
namespace {

TEST(ListSettings, WrittenAndReadBackWithPaddingKept)
{
    TempFolder dir;
    const auto ini = dir.write("CfgTreluza.ini", "[Fixa Tabela]\r\nFixTab=1\r\n");
    ListSettings s;
    s.groupFilter = true;
    s.group = cp("Cereais             ");
    s.ordering = true;
    s.orderField = cp("CALORIAS - KCAL");
    s.position = 7;
    s.keywordFilter = true;
    s.keywords = cp("ARROZ BRANCO        ");
    writeListSettings(ini, kSecIngredientList, s, true);
    EXPECT_EQ(readWholeFile(ini), "[Fixa Tabela]\r\nFixTab=1\r\n\r\n[Lista Ingredientes]\r\nAtiFil=1\r\n"
                                  "GruFil=Cereais             |\r\nAtiOrd=1\r\nCamOrd=CALORIAS - KCAL|\r\n"
                                  "AtiFilPalCha=1\r\nPalCha=ARROZ BRANCO        \r\nPosFilOrd=7\r\n");

    ListSettings back = readListSettings(ini, kSecIngredientList, true);
    EXPECT_EQ(back.group, s.group);           // the bar keeps the blanks
    EXPECT_EQ(back.keywords, "ARROZ BRANCO"); // values are read trimmed
    back.keywords = s.keywords;
    EXPECT_EQ(back, s);

    // The viewer's section has no keyword keys.
    writeListSettings(ini, kSecPreparationList, s, false);
    const IniFile file(ini);
    EXPECT_FALSE(file.hasKey(kSecPreparationList, kKeyPalCha));
    EXPECT_FALSE(readListSettings(ini, kSecPreparationList, false).keywordFilter);
    EXPECT_EQ(readListSettings(ini, kSecPreparationList, false).group, s.group);
}

TEST(ListSettings, MissingKeysGiveTheDefaults)
{
    TempFolder dir;
    const auto ini = dir.write("CfgTreluza.ini", "[Lista Ingredientes]\r\nGruFil=|\r\nPosFilOrd=abc\r\n");
    EXPECT_EQ(readListSettings(ini, kSecIngredientList, true), ListSettings{});
    EXPECT_EQ(readListSettings(dir.path() / "none.ini", kSecIngredientList, true), ListSettings{});
}

} // namespace
} // namespace treluza
