// The configuration window: what it reads, what it writes, and the reset of
// the list settings when another table is picked.
#include "core/store/Cp1252.h"
#include "core/store/FileIo.h"
#include "core/store/IniFile.h"
#include "gui/tables/CfgNutUnit.h"
#include "gui/widgets/BitBtn.h"
#include "gui/widgets/MaskEdit.h"
#include "harness/GuiHarness.h"

#include <QCheckBox>
#include <QComboBox>
#include <QtTest>

using namespace treluza;
using namespace treluza::test;

namespace {

const std::string kRegistry = "Alfa                |a|1|\r\nBeta                |b|0|\r\n";

std::string ini(GuiEnvironment& env)
{
    return GuiEnvironment::readBytes(env.configFile());
}

} // namespace

class CfgNutTest : public QObject {
    Q_OBJECT

private slots:
    void checkingSelectsTheFirstTableAndSaveFixesIt()
    {
        GuiEnvironment env;
        GuiEnvironment::writeBytes(env.base() / "Dados" / "ArqTab.dad", kRegistry);
        TCfgNutForm form(env.context());
        QVERIFY(openForm(form));
        QCOMPARE(form.windowTitle(), QStringLiteral("CONFIGURAÇÃO - DEFINE TABELA DE INGREDIENTES ATIVA"));
        QCOMPARE(form.NomTabComboBox->count(), 2);
        QVERIFY(!form.FixTabCheckBox->isChecked());
        QVERIFY(!form.NomTabComboBox->isEnabled());
        QCOMPARE(form.NomTabComboBox->currentIndex(), -1);
        QTest::mouseClick(form.FixTabCheckBox, Qt::LeftButton, {},
                          QPoint(5, form.FixTabCheckBox->height() / 2));
        QVERIFY(form.FixTabCheckBox->isChecked());
        QCOMPARE(form.NomTabComboBox->currentText(), QStringLiteral("Alfa                "));
        typeInto(*form.NomTecMaskEdit, QStringLiteral("Maria José"));
        screenshot(form, QStringLiteral("cfgnut"));
        MessageScript script;
        click(*form.GraBitBtn);
        QVERIFY(script.done());
        QVERIFY(!form.isVisible());
        // Only checking the box is not a change of table: no list reset.
        QCOMPARE(ini(env), cp("[Fixa Tabela]\r\nFixTab=1\r\nNomTab=Alfa                |\r\n\r\n[Técnico]\r\n"
                              "NomTec=Maria José\r\nConTec=\r\n"));
    }

    void pickingAnotherTableResetsBothListSections()
    {
        GuiEnvironment env;
        GuiEnvironment::writeBytes(env.base() / "Dados" / "ArqTab.dad", kRegistry);
        {
            IniFile ini(env.configFile());
            ini.writeBool(kSecFixTable, kKeyFixTab, true);
            ini.writeString(kSecFixTable, kKeyNomTab, "ALFA                |");
            ini.writeBool(kSecIngredientList, kKeyAtiFil, true);
            ini.writeString(kSecIngredientList, kKeyGruFil, "Frutas|");
            ini.writeBool(kSecIngredientList, kKeyAtiFilPalCha, true);
            ini.writeString(kSecIngredientList, kKeyPalCha, "arroz");
            ini.writeInteger(kSecPreparationList, kKeyPosFilOrd, 7);
        }
        TCfgNutForm form(env.context());
        QVERIFY(openForm(form));
        QCOMPARE(form.NomTabComboBox->currentIndex(), 0); // found whatever the case
        QVERIFY(form.NomTabComboBox->isEnabled());
        form.NomTabComboBox->setCurrentIndex(1); // as the user picks it
        QVERIFY(form.tableChanged());
        click(*form.GraBitBtn);
        IniFile ini(env.configFile());
        QCOMPARE(ini.readString(kSecFixTable, kKeyNomTab, ""), std::string("Beta                |"));
        for (const char* section : {kSecIngredientList, kSecPreparationList}) {
            QCOMPARE(ini.readString(section, kKeyAtiFil, "?"), std::string("0"));
            QCOMPARE(ini.readString(section, kKeyGruFil, "?"), std::string(""));
            QCOMPARE(ini.readString(section, kKeyAtiOrd, "?"), std::string("0"));
            QCOMPARE(ini.readString(section, kKeyCamOrd, "?"), std::string(""));
            QCOMPARE(ini.readString(section, kKeyPosFilOrd, "?"), std::string("0"));
        }
        QVERIFY(ini.readBool(kSecIngredientList, kKeyAtiFilPalCha, false));
        QCOMPARE(ini.readString(kSecIngredientList, kKeyPalCha, ""), std::string("arroz"));
    }

    void uncheckingStoresABarAndReturnAsksOnlyWhenModified()
    {
        GuiEnvironment env;
        GuiEnvironment::writeBytes(env.base() / "Dados" / "ArqTab.dad", kRegistry);
        {
            IniFile ini(env.configFile());
            ini.writeBool(kSecFixTable, kKeyFixTab, true);
            ini.writeString(kSecFixTable, kKeyNomTab, "Beta                |");
        }
        const std::string before = ini(env);
        TCfgNutForm form(env.context());
        QVERIFY(openForm(form));
        {
            MessageScript script; // nothing changed: no question
            click(*form.RetBitBtn);
            QVERIFY(script.done());
            QVERIFY(!form.isVisible());
            QCOMPARE(ini(env), before);
        }
        QVERIFY(openForm(form));
        QTest::mouseClick(form.FixTabCheckBox, Qt::LeftButton, {},
                          QPoint(5, form.FixTabCheckBox->height() / 2));
        QCOMPARE(form.NomTabComboBox->currentText(), QString());
        {
            MessageScript script{{QStringLiteral("Os dados não foram salvos! Deseja salvá-los?"), kNo}};
            click(*form.RetBitBtn);
            QVERIFY(script.done());
            QCOMPARE(ini(env), before);
        }
        QVERIFY(openForm(form));
        QTest::mouseClick(form.FixTabCheckBox, Qt::LeftButton, {},
                          QPoint(5, form.FixTabCheckBox->height() / 2));
        {
            MessageScript script{{QStringLiteral("Os dados não foram salvos! Deseja salvá-los?"), kYes}};
            click(*form.RetBitBtn);
            QVERIFY(script.done());
        }
        IniFile ini(env.configFile());
        QVERIFY(!ini.readBool(kSecFixTable, kKeyFixTab, true));
        QCOMPARE(ini.readString(kSecFixTable, kKeyNomTab, ""), std::string("|"));
    }

    // One save is one replacement of the file: a write that fails leaves
    // every key as it was, never the table fixed under the old name.
    void saveWritesAllItsKeysInOneReplacement()
    {
        const std::string before = "[Fixa Tabela]\r\nFixTab=0\r\nNomTab=|\r\n";
        for (const int failing : {1, 2}) {
            GuiEnvironment env;
            GuiEnvironment::writeBytes(env.base() / "Dados" / "ArqTab.dad", kRegistry);
            GuiEnvironment::writeBytes(env.configFile(), before);
            TCfgNutForm form(env.context());
            QVERIFY(openForm(form));
            QTest::mouseClick(form.FixTabCheckBox, Qt::LeftButton, {},
                              QPoint(5, form.FixTabCheckBox->height() / 2));
            typeInto(*form.NomTecMaskEdit, QStringLiteral("Ana"));
            MessageScript script;
            if (failing == 1)
                script.expect(QStringLiteral("Erro durante a alteração!"), kOk);
            injectWriteFailure(failing);
            click(*form.GraBitBtn);
            injectWriteFailure(0);
            QVERIFY(script.done());
            if (failing == 1) {
                QCOMPARE(ini(env), before);
                QVERIFY(form.isVisible());
                form.close();
            } else {
                QCOMPARE(ini(env),
                         std::string("[Fixa Tabela]\r\nFixTab=1\r\nNomTab=Alfa                |\r\n\r\n"
                                     "[T\xE9"
                                     "cnico]\r\nNomTec=Ana\r\nConTec=\r\n"));
                QVERIFY(!form.isVisible());
            }
        }
    }

    void failedSaveIsReportedAndTheWindowKeepsTheValues()
    {
        GuiEnvironment env;
        TCfgNutForm form(env.context());
        QVERIFY(openForm(form));
        typeInto(*form.ConTecMaskEdit, QStringLiteral("ramal 12"));
        std::filesystem::remove(env.configFile());
        std::filesystem::create_directory(env.configFile());
        MessageScript script{{QStringLiteral("Erro durante a alteração!"), kOk}};
        click(*form.GraBitBtn);
        QVERIFY(script.done());
        QVERIFY(form.isVisible());
        QCOMPARE(form.ConTecMaskEdit->maskText(), QStringLiteral("ramal 12"));
        QVERIFY(form.modified());
        form.close();
    }

    // A configuration that could not be read is never replaced, and a full
    // disk saves no key at all: the window says so and keeps what was typed.
    void unreadableFileOrFullDiskSavesNothing()
    {
        for (const bool unreadable : {true, false}) {
            GuiEnvironment env;
            const std::string before = "[Fixa Tabela]\r\nFixTab=0\r\n";
            if (unreadable)
                std::filesystem::create_symlink(env.configFile().filename(), env.configFile());
            else
                GuiEnvironment::writeBytes(env.configFile(), before);
            TCfgNutForm form(env.context());
            QVERIFY(openForm(form));
            typeInto(*form.NomTecMaskEdit, QStringLiteral("Ana"));
            injectWriteFailure(unreadable ? 0 : 1);
            MessageScript script{{QStringLiteral("Erro durante a alteração!"), kOk}};
            click(*form.GraBitBtn);
            injectWriteFailure(0);
            QVERIFY(script.done());
            QVERIFY(form.isVisible());
            QCOMPARE(form.NomTecMaskEdit->maskText().trimmed(), QStringLiteral("Ana"));
            if (unreadable)
                QVERIFY(std::filesystem::is_symlink(env.configFile()));
            else
                QCOMPARE(ini(env), before);
            form.close();
        }
    }
};

QTEST_MAIN(CfgNutTest)
#include "CfgNutTest.moc"
