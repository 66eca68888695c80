#include "core/store/IniFile.h"
#include "core/store/Cp1252.h"
#include "core/store/FileIo.h"

#include "support/TempFolder.h"

#include <fstream>
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

// A file saved as "Unicode" or UTF-8 with its mark reads as such; one the
// reader cannot take whole (a NUL, a character without a Windows-1252 form)
// reads as far as it can and is never rewritten.
TEST(IniFile, EncodingsAreReadAndAFileNotTakenWholeIsNeverRewritten)
{
    const std::u16string text = u"[Técnico]\r\nNomTec=José\r\nConTec=Turma\r\n";
    const auto utf16 = [&](bool big, std::u16string t) {
        std::string bytes = big ? "\xFE\xFF" : "\xFF\xFE";
        for (const char16_t c : t) {
            const char hi = static_cast<char>(c >> 8), lo = static_cast<char>(c & 0xFF);
            bytes += big ? std::string{hi, lo} : std::string{lo, hi};
        }
        return bytes;
    };
    const struct {
        const char* name;
        std::string bytes;
        bool whole;
        const char* contact;
    } cases[] = {
        {"UTF-16 LE", utf16(false, text), true, "Turma"},
        {"UTF-16 BE", utf16(true, text), true, "Turma"},
        {"UTF-8", "\xEF\xBB\xBF[T\xC3\xA9\x63nico]\r\nNomTec=Jos\xC3\xA9\r\nConTec=Turma\r\n", true, "Turma"},
        {"Windows-1252", "[T\xE9\x63nico]\r\nNomTec=Jos\xE9\r\nConTec=Turma\r\n", true, "Turma"},
        {"a NUL", std::string("[T\xE9\x63nico]\r\nNomTec=Jos\xE9\r\n\0ConTec=Turma\r\n", 39), false, "x"},
        {"no Windows-1252 form", utf16(false, u"[Técnico]\r\nNomTec=José\r\nConTec=Turma \u4E2D\r\n"), false,
         "Turma ?"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder dir;
        const auto path = dir.path() / "CfgTreluza.ini";
        std::ofstream(path, std::ios::binary) << c.bytes;
        IniFile ini(path);
        EXPECT_EQ(ini.readString(cp("Técnico"), "NomTec", "x"), cp("José"));
        EXPECT_EQ(ini.readString(cp("Técnico"), "ConTec", "x"), c.contact);
        EXPECT_EQ(ini.readFailed(), !c.whole);
        if (c.whole) {
            ini.writeString("Fixa Tabela", "NomTab", "TACO");
            EXPECT_EQ(readWholeFile(path), cp("[Técnico]\r\nNomTec=José\r\nConTec=Turma\r\n\r\n"
                                              "[Fixa Tabela]\r\nNomTab=TACO\r\n"));
        } else {
            EXPECT_THROW(ini.writeString("Fixa Tabela", "NomTab", "TACO"), FileWriteError);
            EXPECT_EQ(readWholeFile(path), c.bytes);
        }
    }
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
