// The table registry: the whole register cycle through its messages, and the
// bytes of the registry file.
#include "app/LisUnit.h"
#include "gui/BitBtn.h"
#include "gui/MaskEdit.h"
#include "harness/GuiHarness.h"
#include "store/Cp1252.h"
#include "tables/CadTabUnit.h"

#include <QListWidget>
#include <QtTest>

using namespace treluza;
using namespace treluza::test;

namespace {

std::string Registry(GuiEnvironment& env) { return GuiEnvironment::readBytes(env.base() / "Dados" / "ArqTab.dad"); }

std::string Blanks(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

std::string Line(const std::string& name, const std::string& description, const std::string& flag = "1")
{
    return name + Blanks(20 - static_cast<int>(name.size())) + "|" + description +
           Blanks(65 - static_cast<int>(description.size())) + "|" + flag + "|\r\n";
}

}  // namespace

class CadTabTest : public QObject {
    Q_OBJECT

    struct Fixture {
        GuiEnvironment env;
        TLisForm lis;
        TCadTabForm form{env.context()};
        Fixture() { env.context().lisForm = &lis; }
    };

    void create(Fixture& f, const QString& name, const QString& description)
    {
        MessageScript script{{QStringLiteral("Confirma inclusão?"), kYes},
                             {QStringLiteral("Inclusão efetuada com sucesso!"), kOk}};
        typeInto(*f.form.TabMaskEdit, name);
        pressEnter(*f.form.TabMaskEdit);  // the description is disabled: Enter moves on to a button
        QCOMPARE(f.form.mode(), RegisterMode::Inserting);
        typeInto(*f.form.DesTabMaskEdit, description);
        click(*f.form.GraBitBtn);
        QVERIFY(script.done());
        QCOMPARE(f.form.mode(), RegisterMode::Empty);
    }

private slots:
    void createsTablePaddedWithFlagOneAndNoFolder()
    {
        Fixture f;
        QVERIFY(openForm(f.form));
        QCOMPARE(f.form.windowTitle(), QStringLiteral("CADASTRA NOME PARA NOVA TABELA DE INGREDIENTES"));
        QVERIFY(f.form.TabMaskEdit->isEnabled());
        QVERIFY(!f.form.DesTabMaskEdit->isEnabled());
        QVERIFY(!f.form.GraBitBtn->isEnabled());
        create(f, QStringLiteral("Tabela 1"), QStringLiteral("Minha tabela"));
        QCOMPARE(Registry(f.env), Line("Tabela 1", "Minha tabela"));
        QVERIFY(!std::filesystem::exists(f.env.base() / "Dados" / "Tabela 1"));
        create(f, QStringLiteral("Açaí 2008/09"), QStringLiteral("Frutas da região"));
        QCOMPARE(Registry(f.env), Line(Cp("Açaí 2008/09"), Cp("Frutas da região")) + Line("Tabela 1", "Minha tabela"));
        screenshot(f.form, QStringLiteral("cadtab_empty"));
    }

    void existingNameInOtherCaseShowsTheTableAndChangesIt()
    {
        Fixture f;
        GuiEnvironment::writeBytes(f.env.base() / "Dados" / "ArqTab.dad", Line("Tabela 1", "Antiga", "0 "));
        QVERIFY(openForm(f.form));
        typeInto(*f.form.TabMaskEdit, QStringLiteral("TABELA 1"));
        leaveTowards(*f.form.TabMaskEdit, *f.form.NovBitBtn);
        QCOMPARE(f.form.mode(), RegisterMode::Showing);
        QCOMPARE(f.form.TabMaskEdit->Text(), QStringLiteral("Tabela 1            "));
        // A table delivered for consultation only cannot be changed or deleted.
        QVERIFY(!f.form.DesTabMaskEdit->isEnabled());
        {
            MessageScript script{{QStringLiteral("A tabela Tabela 1 está disponível somente para consulta!"), kOk}};
            click(*f.form.GraBitBtn);
            QVERIFY(script.done());
            QCOMPARE(f.form.mode(), RegisterMode::Showing);
        }
        {
            MessageScript script{{QStringLiteral("A tabela Tabela 1 está disponível somente para consulta!"), kOk}};
            click(*f.form.ExcBitBtn);
            QVERIFY(script.done());
            QCOMPARE(f.form.mode(), RegisterMode::Showing);
        }
        QCOMPARE(Registry(f.env), Line("Tabela 1", "Antiga", "0 "));
        screenshot(f.form, QStringLiteral("cadtab_consultation"));
    }

    void changeRewritesTheDescriptionAndDeclineKeepsShowing()
    {
        Fixture f;
        GuiEnvironment::writeBytes(f.env.base() / "Dados" / "ArqTab.dad", Line("T1", "Velha"));
        QVERIFY(openForm(f.form));
        typeInto(*f.form.TabMaskEdit, QStringLiteral("t1"));
        leaveTowards(*f.form.TabMaskEdit, *f.form.NovBitBtn);
        QVERIFY(f.form.DesTabMaskEdit->isEnabled());
        f.form.DesTabMaskEdit->SetText(QStringLiteral("Nova"));
        {
            MessageScript script{{QStringLiteral("Confirma alteração?"), kNo}};
            click(*f.form.GraBitBtn);
            QVERIFY(script.done());
            QCOMPARE(f.form.mode(), RegisterMode::Showing);
        }
        {
            MessageScript script{{QStringLiteral("Confirma alteração?"), kYes},
                                 {QStringLiteral("Alteração efetuada com sucesso!"), kOk}};
            click(*f.form.GraBitBtn);
            QVERIFY(script.done());
        }
        QCOMPARE(Registry(f.env), Line("T1", "Nova"));
        QCOMPARE(f.form.mode(), RegisterMode::Empty);
        QCOMPARE(f.form.TabMaskEdit->Text(), QString(20, u' '));
    }

    void deleteKeepsTheFolderAndANewTableFindsTheOldData()
    {
        Fixture f;
        GuiEnvironment::writeBytes(f.env.base() / "Dados" / "ArqTab.dad", Line("T1", "x") + Line("T2", "y"));
        GuiEnvironment::writeBytes(f.env.base() / "Dados" / "T1" / "ArqGruIng.dad", "Frutas|\r\n");
        QVERIFY(openForm(f.form));
        typeInto(*f.form.TabMaskEdit, QStringLiteral("T1"));
        leaveTowards(*f.form.TabMaskEdit, *f.form.NovBitBtn);
        {
            MessageScript script{{QStringLiteral("Confirma exclusão?"), kNo}};
            click(*f.form.ExcBitBtn);
            QVERIFY(script.done());
            QCOMPARE(f.form.mode(), RegisterMode::Showing);
        }
        {
            MessageScript script{{QStringLiteral("Confirma exclusão?"), kYes},
                                 {QStringLiteral("Exclusão efetuada com sucesso!"), kOk}};
            click(*f.form.ExcBitBtn);
            QVERIFY(script.done());
        }
        QCOMPARE(Registry(f.env), Line("T2", "y"));
        QVERIFY(std::filesystem::exists(f.env.base() / "Dados" / "T1" / "ArqGruIng.dad"));
    }

    void browseDisablesOnlyItselfAtTheEnds()
    {
        Fixture f;
        GuiEnvironment::writeBytes(f.env.base() / "Dados" / "ArqTab.dad",
                                   Line("A", "a") + Line("B", "b", "") + Line("C", "c"));
        QVERIFY(openForm(f.form));
        typeInto(*f.form.TabMaskEdit, QStringLiteral("A"));
        leaveTowards(*f.form.TabMaskEdit, *f.form.NovBitBtn);
        click(*f.form.AntBitBtn);
        QVERIFY(!f.form.AntBitBtn->isEnabled());
        QVERIFY(f.form.ProBitBtn->isEnabled());
        QCOMPARE(f.form.TabMaskEdit->Text().trimmed(), QStringLiteral("A"));
        click(*f.form.ProBitBtn);
        QCOMPARE(f.form.TabMaskEdit->Text().trimmed(), QStringLiteral("B"));
        QVERIFY(!f.form.DesTabMaskEdit->isEnabled());  // flag empty: consultation only
        QVERIFY(f.form.AntBitBtn->isEnabled());
        click(*f.form.ProBitBtn);
        QCOMPARE(f.form.DesTabMaskEdit->Text().trimmed(), QStringLiteral("c"));
        QVERIFY(f.form.DesTabMaskEdit->isEnabled());
        click(*f.form.ProBitBtn);
        QVERIFY(!f.form.ProBitBtn->isEnabled());
        QVERIFY(f.form.AntBitBtn->isEnabled());
        QCOMPARE(f.form.TabMaskEdit->Text().trimmed(), QStringLiteral("C"));
    }

    void listPicksATableAndEmptyRegistrySaysSo()
    {
        Fixture f;
        QVERIFY(openForm(f.form));
        {
            MessageScript script{{QStringLiteral("Não existem registros no arquivo!"), kOk}};
            click(*f.form.LisBitBtn);
            QVERIFY(script.done());
        }
        create(f, QStringLiteral("A"), QStringLiteral("a"));
        create(f, QStringLiteral("B"), QStringLiteral("b"));
        auto ran = onNextModal<TLisForm>([](TLisForm& lis) {
            QCOMPARE(lis.windowTitle(), QStringLiteral("LISTA DE NOMES DAS TABELAS"));
            QCOMPARE(lis.ListBox->count(), 2);
            lis.SetItemIndex(1);
            lis.close();
        });
        click(*f.form.LisBitBtn);
        QVERIFY(*ran);
        QCOMPARE(f.form.mode(), RegisterMode::Showing);
        QCOMPARE(f.form.TabMaskEdit->Text().trimmed(), QStringLiteral("B"));
    }

    void blankNameAndUnusableNamesAreRefused()
    {
        Fixture f;
        QVERIFY(openForm(f.form));
        {
            // Every other control is disabled in mode Empty, so the exit is
            // called as the focus change towards a data control would.
            MessageScript script{{QStringLiteral("Código inválido!"), kOk}};
            f.form.KeyEditExit(f.form.GraBitBtn);
            QVERIFY(script.done());
            QCOMPARE(QApplication::focusWidget(), f.form.TabMaskEdit);
        }
        {
            // Leaving a blank name towards "&Novo" or "&Retorna" says nothing.
            MessageScript script;
            leaveTowards(*f.form.TabMaskEdit, *f.form.NovBitBtn);
            QVERIFY(script.done());
        }
        {
            MessageScript script{{QStringLiteral("Código inválido!"), kOk}};
            typeInto(*f.form.TabMaskEdit, QStringLiteral(" .. "));
            leaveTowards(*f.form.TabMaskEdit, *f.form.NovBitBtn);
            QVERIFY(script.done());
            QCOMPARE(f.form.mode(), RegisterMode::Empty);
        }
        {
            MessageScript script{{QStringLiteral("Não é permitido utilizar o caracter (_) !"), kOk}};
            f.form.TabMaskEdit->Clear();
            typeInto(*f.form.TabMaskEdit, QStringLiteral("a_"));
            QVERIFY(script.done());
            QCOMPARE(f.form.TabMaskEdit->Text().trimmed(), QStringLiteral("a"));
        }
    }

    void failedWriteIsReportedAndKeptInMemory()
    {
        Fixture f;
        QVERIFY(openForm(f.form));
        // A folder in place of the registry file makes every write fail.
        std::filesystem::remove(f.env.base() / "Dados" / "ArqTab.dad");
        std::filesystem::create_directory(f.env.base() / "Dados" / "ArqTab.dad");
        MessageScript script{{QStringLiteral("Confirma inclusão?"), kYes},
                             {QStringLiteral("Erro durante inclusão!"), kOk}};
        typeInto(*f.form.TabMaskEdit, QStringLiteral("T9"));
        leaveTowards(*f.form.TabMaskEdit, *f.form.NovBitBtn);
        click(*f.form.GraBitBtn);
        QVERIFY(script.done());
        QCOMPARE(f.form.data().count(), 1);
        QCOMPARE(f.form.data().keys()[0], std::string("T9") + Blanks(18));
    }
};

QTEST_MAIN(CadTabTest)
#include "CadTabTest.moc"
