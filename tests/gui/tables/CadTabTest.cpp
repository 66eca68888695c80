// The table registry: the whole register cycle through its messages, and the
// bytes of the registry file.
#include "core/store/Cp1252.h"
#include "gui/dialogs/LisUnit.h"
#include "gui/tables/CadTabUnit.h"
#include "gui/widgets/BitBtn.h"
#include "gui/widgets/MaskEdit.h"
#include "harness/GuiHarness.h"

#include <QListWidget>
#include <QtTest>

using namespace treluza;
using namespace treluza::test;

namespace {

std::string registry(GuiEnvironment& env)
{
    return GuiEnvironment::readBytes(env.base() / "Dados" / "ArqTab.dad");
}

std::string blanks(int n)
{
    return std::string(static_cast<std::size_t>(n), ' ');
}

std::string line(const std::string& name, const std::string& description, const std::string& flag = "1")
{
    return name + blanks(20 - static_cast<int>(name.size())) + "|" + description +
           blanks(65 - static_cast<int>(description.size())) + "|" + flag + "|\r\n";
}

} // namespace

class CadTabTest : public QObject {
    Q_OBJECT

    struct Fixture {
        GuiEnvironment env;
        TLisForm lis;
        TCadTabForm form{env.context()};
    };

    void create(Fixture& f, const QString& name, const QString& description)
    {
        MessageScript script{{QStringLiteral("Confirma inclusão?"), kYes},
                             {QStringLiteral("Inclusão efetuada com sucesso!"), kOk}};
        typeInto(*f.form.TabMaskEdit, name);
        pressEnter(*f.form.TabMaskEdit); // the description is disabled: Enter moves on to a button
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
        QCOMPARE(registry(f.env), line("Tabela 1", "Minha tabela"));
        QVERIFY(!std::filesystem::exists(f.env.base() / "Dados" / "Tabela 1"));
        create(f, QStringLiteral("Açaí 2008/09"), QStringLiteral("Frutas da região"));
        QCOMPARE(registry(f.env),
                 line(cp("Açaí 2008/09"), cp("Frutas da região")) + line("Tabela 1", "Minha tabela"));
        screenshot(f.form, QStringLiteral("cadtab_empty"));
    }

    void existingNameInOtherCaseShowsTheTableAndChangesIt()
    {
        Fixture f;
        GuiEnvironment::writeBytes(f.env.base() / "Dados" / "ArqTab.dad", line("Tabela 1", "Antiga", "0 "));
        QVERIFY(openForm(f.form));
        typeInto(*f.form.TabMaskEdit, QStringLiteral("TABELA 1"));
        leaveTowards(*f.form.TabMaskEdit, *f.form.NovBitBtn);
        QCOMPARE(f.form.mode(), RegisterMode::Showing);
        QCOMPARE(f.form.TabMaskEdit->maskText(), QStringLiteral("Tabela 1            "));
        // A table delivered for consultation only cannot be changed or deleted.
        QVERIFY(!f.form.DesTabMaskEdit->isEnabled());
        {
            MessageScript script{
                {QStringLiteral("A tabela Tabela 1 está disponível somente para consulta!"), kOk}};
            click(*f.form.GraBitBtn);
            QVERIFY(script.done());
            QCOMPARE(f.form.mode(), RegisterMode::Showing);
        }
        {
            MessageScript script{
                {QStringLiteral("A tabela Tabela 1 está disponível somente para consulta!"), kOk}};
            click(*f.form.ExcBitBtn);
            QVERIFY(script.done());
            QCOMPARE(f.form.mode(), RegisterMode::Showing);
        }
        QCOMPARE(registry(f.env), line("Tabela 1", "Antiga", "0 "));
        screenshot(f.form, QStringLiteral("cadtab_consultation"));
    }

    void changeRewritesTheDescriptionAndDeclineShowsTheStoredOne()
    {
        Fixture f;
        GuiEnvironment::writeBytes(f.env.base() / "Dados" / "ArqTab.dad", line("T1", "Velha"));
        QVERIFY(openForm(f.form));
        typeInto(*f.form.TabMaskEdit, QStringLiteral("t1"));
        leaveTowards(*f.form.TabMaskEdit, *f.form.NovBitBtn);
        QVERIFY(f.form.DesTabMaskEdit->isEnabled());
        f.form.DesTabMaskEdit->setMaskText(QStringLiteral("Nova"));
        {
            MessageScript script{{QStringLiteral("Confirma alteração?"), kNo}};
            click(*f.form.GraBitBtn);
            QVERIFY(script.done());
            QCOMPARE(f.form.mode(), RegisterMode::Showing);
            // The edits never hold what the file does not.
            QCOMPARE(f.form.DesTabMaskEdit->maskText().trimmed(), QStringLiteral("Velha"));
        }
        f.form.DesTabMaskEdit->setMaskText(QStringLiteral("Nova"));
        {
            MessageScript script{{QStringLiteral("Confirma alteração?"), kYes},
                                 {QStringLiteral("Alteração efetuada com sucesso!"), kOk}};
            click(*f.form.GraBitBtn);
            QVERIFY(script.done());
        }
        QCOMPARE(registry(f.env), line("T1", "Nova"));
        QCOMPARE(f.form.mode(), RegisterMode::Empty);
        QCOMPARE(f.form.TabMaskEdit->maskText(), QString(20, u' '));
    }

    void deleteKeepsTheFolderAndANewTableFindsTheOldData()
    {
        Fixture f;
        GuiEnvironment::writeBytes(f.env.base() / "Dados" / "ArqTab.dad", line("T1", "x") + line("T2", "y"));
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
        QCOMPARE(registry(f.env), line("T2", "y"));
        QVERIFY(std::filesystem::exists(f.env.base() / "Dados" / "T1" / "ArqGruIng.dad"));
    }

    void browseDisablesOnlyItselfAtTheEnds()
    {
        Fixture f;
        GuiEnvironment::writeBytes(f.env.base() / "Dados" / "ArqTab.dad",
                                   line("A", "a") + line("B", "b", "") + line("C", "c"));
        QVERIFY(openForm(f.form));
        typeInto(*f.form.TabMaskEdit, QStringLiteral("A"));
        leaveTowards(*f.form.TabMaskEdit, *f.form.NovBitBtn);
        click(*f.form.AntBitBtn);
        QVERIFY(!f.form.AntBitBtn->isEnabled());
        QVERIFY(f.form.ProBitBtn->isEnabled());
        QCOMPARE(f.form.TabMaskEdit->maskText().trimmed(), QStringLiteral("A"));
        click(*f.form.ProBitBtn);
        QCOMPARE(f.form.TabMaskEdit->maskText().trimmed(), QStringLiteral("B"));
        QVERIFY(!f.form.DesTabMaskEdit->isEnabled()); // flag empty: consultation only
        QVERIFY(f.form.AntBitBtn->isEnabled());
        click(*f.form.ProBitBtn);
        QCOMPARE(f.form.DesTabMaskEdit->maskText().trimmed(), QStringLiteral("c"));
        QVERIFY(f.form.DesTabMaskEdit->isEnabled());
        click(*f.form.ProBitBtn);
        QVERIFY(!f.form.ProBitBtn->isEnabled());
        QVERIFY(f.form.AntBitBtn->isEnabled());
        QCOMPARE(f.form.TabMaskEdit->maskText().trimmed(), QStringLiteral("C"));
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
            lis.setItemIndex(1);
            lis.close();
        });
        click(*f.form.LisBitBtn);
        QVERIFY(*ran);
        QCOMPARE(f.form.mode(), RegisterMode::Showing);
        QCOMPARE(f.form.TabMaskEdit->maskText().trimmed(), QStringLiteral("B"));
    }

    void blankNameAndUnusableNamesAreRefused()
    {
        Fixture f;
        QVERIFY(openForm(f.form));
        {
            // Every other control is disabled in mode Empty, so the exit is
            // called as the focus change towards a data control would.
            MessageScript script{{QStringLiteral("Código inválido!"), kOk}};
            f.form.keyEditExit(f.form.GraBitBtn);
            QVERIFY(script.done());
            QCOMPARE(QApplication::focusWidget(), f.form.TabMaskEdit);
        }
        {
            // Leaving a blank name towards "&Novo" or "&Retorna" says nothing.
            MessageScript script;
            leaveTowards(*f.form.TabMaskEdit, *f.form.NovBitBtn);
            QVERIFY(script.done());
        }
        // Names that would leave the data root or name one of its own files.
        for (const char* name : {" .. ", "ArqTab.dad.tmp", "transacao.jnl", "Treluza.lck"}) {
            MessageScript script{{QStringLiteral("Código inválido!"), kOk}};
            f.form.TabMaskEdit->clearText();
            typeInto(*f.form.TabMaskEdit, QString::fromLatin1(name));
            leaveTowards(*f.form.TabMaskEdit, *f.form.NovBitBtn);
            QVERIFY(script.done());
            QCOMPARE(f.form.mode(), RegisterMode::Empty);
        }
        {
            MessageScript script{{QStringLiteral("Não é permitido utilizar o caracter (_) !"), kOk}};
            f.form.TabMaskEdit->clearText();
            typeInto(*f.form.TabMaskEdit, QStringLiteral("a_"));
            QVERIFY(script.done());
            QCOMPARE(f.form.TabMaskEdit->maskText().trimmed(), QStringLiteral("a"));
        }
    }

    // "&Novo" by its mnemonic from the description, inserting or showing:
    // the focus goes back to the emptied name without "Código inválido!", and
    // what is typed next is the new name.
    void novoByItsMnemonicFromTheDescriptionStartsANewNameQuietly()
    {
        for (const QString& name : {QStringLiteral("Nova"), QStringLiteral("T1")}) {
            Fixture f;
            GuiEnvironment::writeBytes(f.env.base() / "Dados" / "ArqTab.dad", line("T1", "Velha"));
            QVERIFY(openForm(f.form));
            typeInto(*f.form.TabMaskEdit, name);
            pressEnter(*f.form.TabMaskEdit);
            QCOMPARE(QApplication::focusWidget(), f.form.DesTabMaskEdit);
            MessageScript none;
            QTest::keyClick(f.form.DesTabMaskEdit, Qt::Key_N, Qt::AltModifier);
            QTRY_COMPARE(f.form.mode(), RegisterMode::Empty);
            QTest::qWait(50);
            QVERIFY(none.done());
            QCOMPARE(QApplication::focusWidget(), f.form.TabMaskEdit);
            typeKeys(*QApplication::focusWidget(), QStringLiteral("Outra tabela"));
            QCOMPARE(f.form.TabMaskEdit->maskText().trimmed(), QStringLiteral("Outra tabela"));
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
        QCOMPARE(f.form.data().keys()[0], std::string("T9") + blanks(18));
    }
};

QTEST_MAIN(CadTabTest)
#include "CadTabTest.moc"
