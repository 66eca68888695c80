#include "core/store/IniFile.h"
#include "core/store/Cp1252.h"
#include "core/store/FileIo.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace treluza {
namespace {

TEST(IniFile, MissingFileIsCreatedEmptyAndReadsDefaults)
{
    TempFolder dir;
    const auto path = dir.path() / "sub" / "CfgTreluza.ini";
    IniFile ini(path);
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(readWholeFile(path), "");
    EXPECT_FALSE(ini.readBool(kSecFixTable, kKeyFixTab, false));
    EXPECT_EQ(ini.readString(kSecFixTable, kKeyNomTab, ""), "");
    EXPECT_EQ(ini.readInteger(kSecTechnician, kKeyResImp, kDefaultResImp), 300);
    EXPECT_EQ(dropLastChar(ini.readString(kSecFixTable, kKeyNomTab, "")), "");
}

TEST(IniFile, CaseInsensitiveNamesTrimmedValuesNumbers)
{
    TempFolder dir;
    const auto path = dir.write("c.ini", cp("; comentário\r\n[fixa TABELA]\r\n  fixtab =  1  \r\n"
                                            "NomTab=Tabela 1            |\r\n[TÉCNICO]\r\n"
                                            "ResImp=0x12C\r\nConTec=abc\r\n[Lista Ingredientes]\r\n"
                                            "PosFilOrd=x12\r\nAtiFil=7\r\nAtiOrd=\r\n"));
    IniFile ini(path);
    EXPECT_TRUE(ini.readBool(kSecFixTable, kKeyFixTab, false));
    EXPECT_EQ(dropLastChar(ini.readString(kSecFixTable, kKeyNomTab, "")), "Tabela 1            ");
    EXPECT_EQ(ini.readInteger(kSecTechnician, kKeyResImp, 300), 300);    // hex read
    EXPECT_EQ(ini.readInteger(kSecIngredientList, kKeyPosFilOrd, 5), 5); // not a number
    EXPECT_TRUE(ini.readBool(kSecIngredientList, kKeyAtiFil, false));    // any non-zero
    EXPECT_TRUE(ini.readBool(kSecIngredientList, kKeyAtiOrd, true));     // empty: default
    EXPECT_EQ(ini.readString(kSecTechnician, kKeyNomTec, "fulano"), "fulano");
}

TEST(IniFile, WritesKeepForeignLinesAndUseCrLf)
{
    TempFolder dir;
    const auto path = dir.write("c.ini", "[Outro]\r\nchave=valor\r\n\r\n[Fixa Tabela]\r\nFixTab=0\r\n");
    IniFile ini(path);
    ini.writeBool(kSecFixTable, kKeyFixTab, true);
    ini.writeString("FIXA tabela", kKeyNomTab, "T1|");
    ini.writeString(kSecTechnician, kKeyNomTec, cp("Maria José"));
    ini.writeInteger(kSecTechnician, kKeyResImp, 600);
    EXPECT_EQ(readWholeFile(path),
              cp("[Outro]\r\nchave=valor\r\n\r\n[Fixa Tabela]\r\nFixTab=1\r\nNomTab=T1|\r\n"
                 "\r\n[Técnico]\r\nNomTec=Maria José\r\nResImp=600\r\n"));
    IniFile again(path);
    EXPECT_EQ(again.readString(kSecTechnician, kKeyNomTec, ""), cp("Maria José"));
    EXPECT_EQ(again.readInteger(kSecTechnician, kKeyResImp, 0), 600);
    EXPECT_EQ(again.readString("outro", "CHAVE", ""), "valor");
}

TEST(IniFile, ALineBreakInAValueCannotAddKeys)
{
    TempFolder dir;
    IniFile ini(dir.path() / "c.ini");
    ini.writeString(kSecTechnician, kKeyNomTec, "Ana\r\nFixTab=1");
    IniFile again(dir.path() / "c.ini");
    EXPECT_EQ(again.readString(kSecTechnician, kKeyNomTec, ""), "Ana  FixTab=1");
    EXPECT_FALSE(again.hasKey(kSecTechnician, kKeyFixTab));
}

TEST(IniFile, FailedWriteKeepsOldValue)
{
    TempFolder dir;
    const auto path = dir.path() / "c.ini";
    IniFile ini(path);
    ini.writeString(kSecTechnician, kKeyNomTec, "Ana");
    std::filesystem::remove(path);
    std::filesystem::create_directory(path); // a folder now stands in the file's place
    EXPECT_THROW(ini.writeString(kSecTechnician, kKeyNomTec, "Bia"), FileWriteError);
    EXPECT_EQ(ini.readString(kSecTechnician, kKeyNomTec, ""), "Ana");
}

TEST(IniFile, AFileThatCouldNotBeReadIsNeverReplaced)
{
    TempFolder dir;
    // A link to itself exists but cannot be read, even by root.
    const auto path = dir.path() / "c.ini";
    std::filesystem::create_symlink("c.ini", path);
    IniFile ini(path);
    EXPECT_TRUE(ini.readFailed());
    EXPECT_EQ(ini.readString(kSecTechnician, kKeyNomTec, "x"), "x");
    EXPECT_THROW(ini.writeString(kSecTechnician, kKeyNomTec, "Ana"), FileWriteError);
    ini.setBool(kSecFixTable, kKeyFixTab, true);
    EXPECT_THROW(ini.save(), FileWriteError);
    EXPECT_FALSE(ini.readBool(kSecFixTable, kKeyFixTab, false)) << "the memory follows the file";
    EXPECT_TRUE(std::filesystem::is_symlink(path));
    EXPECT_FALSE(IniFile(dir.path() / "novo.ini").readFailed());
}

TEST(IniFile, SeveralKeysAreWrittenInOneReplacement)
{
    TempFolder dir;
    const auto path = dir.write("c.ini", "[Fixa Tabela]\r\nFixTab=0\r\n");
    IniFile ini(path);
    ini.setBool(kSecFixTable, kKeyFixTab, true);
    ini.setString(kSecFixTable, kKeyNomTab, "T1|");
    ini.setInteger(kSecTechnician, kKeyResImp, 600);
    EXPECT_TRUE(ini.pending());
    EXPECT_EQ(ini.readInteger(kSecTechnician, kKeyResImp, 0), 600);
    EXPECT_EQ(readWholeFile(path), "[Fixa Tabela]\r\nFixTab=0\r\n") << "nothing written before save";

    injectWriteFailure(1); // a full disk
    EXPECT_THROW(ini.save(), FileWriteError);
    EXPECT_EQ(readWholeFile(path), "[Fixa Tabela]\r\nFixTab=0\r\n");
    EXPECT_FALSE(ini.readBool(kSecFixTable, kKeyFixTab, true));
    EXPECT_FALSE(ini.pending());

    injectWriteFailure(0);
    ini.setBool(kSecFixTable, kKeyFixTab, true);
    ini.setString(kSecFixTable, kKeyNomTab, "T1|");
    ini.save();
    EXPECT_EQ(writesSinceInjection(), 1);
    EXPECT_EQ(readWholeFile(path), "[Fixa Tabela]\r\nFixTab=1\r\nNomTab=T1|\r\n");
    EXPECT_EQ(IniFile::fromBytes(ini.bytes()).readString(kSecFixTable, kKeyNomTab, ""), "T1|");
}

TEST(IniFile, Integers)
{
    int v = 0;
    EXPECT_TRUE(parseIniInteger(" 42 ", v));
    EXPECT_EQ(v, 42);
    EXPECT_TRUE(parseIniInteger("-7", v));
    EXPECT_EQ(v, -7);
    EXPECT_TRUE(parseIniInteger("0xff", v));
    EXPECT_EQ(v, 255);
    EXPECT_TRUE(parseIniInteger("0xFFFFFFFF", v));
    EXPECT_EQ(v, -1);
    EXPECT_FALSE(parseIniInteger("", v));
    EXPECT_FALSE(parseIniInteger("12a", v));
    EXPECT_FALSE(parseIniInteger("0x", v));
    EXPECT_FALSE(parseIniInteger("99999999999", v));
}

} // namespace
} // namespace treluza
