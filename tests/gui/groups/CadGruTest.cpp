// The twin group registers: create, refuse to delete a group in use, rename
// with the carry into the ingredients and the preparation index.
#include "core/store/Cp1252.h"
#include "core/store/FileIo.h"
#include "core/store/Paths.h"
#include "gui/dialogs/AltNomUnit.h"
#include "gui/dialogs/IteVerUnit.h"
#include "gui/dialogs/LisUnit.h"
#include "gui/groups/CadGruIngUnit.h"
#include "gui/groups/CadGruPreUnit.h"
#include "gui/widgets/BitBtn.h"
#include "gui/widgets/MaskEdit.h"
#include "harness/GuiHarness.h"
#include "support/TableBuilder.h"

#include <QtTest>

using namespace treluza;
using namespace treluza::test;

namespace {

struct Fixture {
    GuiEnvironment env;
    TableFixture table{env.base(), "Tabela 1            "};
    Fixture()
    {
        table.ingredient("Banana", "Frutas").ingredient("Sal", "Temperos").ingredient("Maçã", "Frutas");
        table.preparation("Salada de frutas", "Sobremesas", {{"Banana", ""}});
        table.preparation("Arroz", "Pratos", {{"Sal", ""}});
        table.write();
        table.groups(IngredientGroupFilePath(env.base(), table.table()), 20,
                     {"Frutas", "Temperos", "Carnes"});
        table.groups(PreparationGroupFilePath(env.base(), table.table()), 30, {"Sobremesas", "Pratos"});
    }
    std::string bytes(const std::filesystem::path& p) { return GuiEnvironment::readBytes(p); }
};

void showRecord(TCadGruForm& form, const QString& name)
{
    typeInto(*form.GruMaskEdit, name);
    leaveTowards(*form.GruMaskEdit, *form.NovBitBtn);
}

} // namespace

class CadGruTest : public QObject {
    Q_OBJECT

private slots:
    // The caption, with the longest table name, shows whole in a title bar of
    // the application's font in bold, with room for the bar's icon and buttons.
    void captionShowsWholeWithTheLongestTableName()
    {
        GuiEnvironment env;
        TCadGruIngForm ingredientGroups(env.context());
        TCadGruPreForm preparationGroups(env.context());
        QFont bold = QApplication::font();
        bold.setBold(true);
        for (TCadGruForm* form : std::initializer_list<TCadGruForm*>{&ingredientGroups, &preparationGroups}) {
            form->handOver({cp("Tabela de referência"), true});
            QVERIFY(openForm(*form));
            QVERIFY(form->windowTitle().endsWith(QStringLiteral("Tabela de referência")));
            QVERIFY(QFontMetrics(bold).horizontalAdvance(form->windowTitle()) + 100 <= form->width());
            QCOMPARE(form->height(), 118);
            click(*form->RetBitBtn);
        }
    }

    void createsAGroupWithItsPaddingAndCaption()
    {
        Fixture f;
        TCadGruPreForm form(f.env.context());
        form.handOver({f.table.table(), true});
        QVERIFY(openForm(form));
        QCOMPARE(form.windowTitle(),
                 QStringLiteral("CADASTRO DE GRUPOS DE PREPARAÇÕES - Tabela ativa : Tabela 1"));
        MessageScript script{{QStringLiteral("Confirma inclusão?"), kYes},
                             {QStringLiteral("Inclusão efetuada com sucesso!"), kOk}};
        showRecord(form, QStringLiteral("Bolos"));
        QCOMPARE(form.mode(), RegisterMode::Inserting);
        QCOMPARE(QApplication::focusWidget(), form.GraBitBtn);
        click(*form.GraBitBtn);
        QVERIFY(script.done());
        QCOMPARE(f.bytes(PreparationGroupFilePath(f.env.base(), f.table.table())),
                 padded("Bolos", 30) + "|\r\n" + padded("Pratos", 30) + "|\r\n" + padded("Sobremesas", 30) +
                     "|\r\n");
        screenshot(form, QStringLiteral("cadgrupre"));
    }

    void groupInUseIsNotDeletedAndTheUsersAreListed()
    {
        Fixture f;
        TCadGruIngForm form(f.env.context());
        form.handOver({f.table.table(), true});
        QVERIFY(openForm(form));
        showRecord(form, QStringLiteral("frutas"));
        QCOMPARE(form.mode(), RegisterMode::Showing);
        std::vector<std::string> listed;
        auto ran = onNextModal<TIteVerForm>([&](TIteVerForm& w) {
            listed = w.lines();
            w.close();
        });
        MessageScript script;
        click(*form.ExcBitBtn);
        QVERIFY(*ran);
        QVERIFY(script.done());
        QCOMPARE(form.mode(), RegisterMode::Showing);
        QCOMPARE(listed.size(), std::size_t(8));
        QCOMPARE(listed[0], cp(" O grupo de ingrediente <<<Frutas>>>"));
        QCOMPARE(listed[5], std::string(73, '='));
        QCOMPARE(listed[6], padded("Banana", 60));
        QCOMPARE(listed[7], padded("Maçã", 60));
        // A group nobody uses goes.
        form.activateWindow(); // the offscreen platform does not give it back by itself
        QVERIFY(QTest::qWaitForWindowActive(&form));
        click(*form.NovBitBtn);
        QCOMPARE(form.mode(), RegisterMode::Empty);
        showRecord(form, QStringLiteral("Carnes"));
        QCOMPARE(form.GruMaskEdit->maskText(), QStringLiteral("Carnes              "));
        QCOMPARE(form.mode(), RegisterMode::Showing);
        MessageScript del{{QStringLiteral("Confirma exclusão?"), kYes},
                          {QStringLiteral("Exclusão efetuada com sucesso!"), kOk}};
        click(*form.ExcBitBtn);
        QVERIFY(del.done());
        QCOMPARE(f.bytes(IngredientGroupFilePath(f.env.base(), f.table.table())),
                 padded("Frutas", 20) + "|\r\n" + padded("Temperos", 20) + "|\r\n");
    }

    // A rename whose files cannot be written changes nothing, in the files or
    // in memory: a later store writes the old name the records still hold.
    void failedRenameKeepsTheOldNameEverywhere()
    {
        Fixture f;
        TCadGruIngForm ingredientGroups(f.env.context());
        TCadGruPreForm preparationGroups(f.env.context());
        const struct {
            TCadGruForm* form;
            QString group;
            std::filesystem::path groups;
            std::filesystem::path users;
        } cases[] = {
            {&ingredientGroups, QStringLiteral("Frutas"),
             IngredientGroupFilePath(f.env.base(), f.table.table()),
             IngredientFilePath(f.env.base(), f.table.table())},
            {&preparationGroups, QStringLiteral("Pratos"),
             PreparationGroupFilePath(f.env.base(), f.table.table()),
             PreparationIndexPath(f.env.base(), f.table.table())},
        };
        for (const auto& c : cases) {
            c.form->handOver({f.table.table(), true});
            QVERIFY(openForm(*c.form));
            showRecord(*c.form, c.group);
            const std::string groupsBefore = f.bytes(c.groups);
            const std::string usersBefore = f.bytes(c.users);
            const auto keysBefore = c.form->data().keys().lines();
            auto ran = onNextModal<TAltNomForm>([&](TAltNomForm& d) {
                typeInto(*d.NovNomMaskEdit, QStringLiteral("Outro nome"));
                click(*d.ConBitBtn);
            });
            {
                MessageScript script{{QStringLiteral("Erro durante a alteração!"), kOk}};
                injectWriteFailure(1);
                click(*c.form->AltNomBitBtn);
                injectWriteFailure(0);
                QVERIFY(*ran);
                QVERIFY(script.done());
            }
            QCOMPARE(c.form->data().keys().lines(), keysBefore);
            QCOMPARE(c.form->GruMaskEdit->maskText().trimmed(), c.group);
            QCOMPARE(c.form->mode(), RegisterMode::Showing);
            QCOMPARE(f.bytes(c.groups), groupsBefore);
            QCOMPARE(f.bytes(c.users), usersBefore);
            MessageScript script{{QStringLiteral("Confirma alteração?"), kYes},
                                 {QStringLiteral("Alteração efetuada com sucesso!"), kOk}};
            click(*c.form->GraBitBtn);
            QVERIFY(script.done());
            QCOMPARE(f.bytes(c.groups), groupsBefore);
            click(*c.form->RetBitBtn);
        }
    }

    void renameCarriesIntoTheIngredientsAndRefusesTakenNames()
    {
        Fixture f;
        TCadGruIngForm form(f.env.context());
        form.handOver({f.table.table(), true});
        QVERIFY(openForm(form));
        showRecord(form, QStringLiteral("Frutas"));
        const auto before = f.table.ingredientLines();
        for (const QString& taken : {QStringLiteral("Temperos"), QStringLiteral("FRUTAS")}) {
            auto ran = onNextModal<TAltNomForm>([&](TAltNomForm& d) {
                QCOMPARE(d.windowTitle(), QStringLiteral("Altera nome do grupo de ingredientes"));
                typeInto(*d.NovNomMaskEdit, taken);
                click(*d.ConBitBtn);
            });
            MessageScript script{{QStringLiteral("Nome do grupo já existe!"), kOk}};
            click(*form.AltNomBitBtn);
            QVERIFY(*ran);
            QVERIFY(script.done());
        }
        QCOMPARE(f.table.ingredientLines(), before);
        auto ran = onNextModal<TAltNomForm>([&](TAltNomForm& d) {
            typeInto(*d.NovNomMaskEdit, QStringLiteral("Frutas frescas"));
            click(*d.ConBitBtn);
        });
        MessageScript script;
        click(*form.AltNomBitBtn);
        QVERIFY(*ran);
        QVERIFY(script.done());
        QCOMPARE(form.GruMaskEdit->maskText(), QStringLiteral("Frutas frescas      "));
        const auto after = f.table.ingredientLines();
        QCOMPARE(after.size(), before.size());
        for (std::size_t i = 0; i < after.size(); ++i) {
            std::string expected = before[i];
            SetFieldOf(IngField::Group, expected,
                       FieldOf(IngField::Group, before[i]) == padded("Frutas", 20)
                           ? padded("Frutas frescas", 20)
                           : FieldOf(IngField::Group, before[i]));
            QCOMPARE(after[i], expected);
        }
        // "&Grava" now acts on the group under its new name.
        MessageScript save{{QStringLiteral("Confirma alteração?"), kYes},
                           {QStringLiteral("Alteração efetuada com sucesso!"), kOk}};
        click(*form.GraBitBtn);
        QVERIFY(save.done());
        QCOMPARE(f.bytes(IngredientGroupFilePath(f.env.base(), f.table.table())),
                 padded("Carnes", 20) + "|\r\n" + padded("Frutas frescas", 20) + "|\r\n" +
                     padded("Temperos", 20) + "|\r\n");
    }

    void preparationGroupRenameRewritesFieldThirtyNineOnly()
    {
        Fixture f;
        TCadGruPreForm form(f.env.context());
        form.handOver({f.table.table(), true});
        QVERIFY(openForm(form));
        showRecord(form, QStringLiteral("Pratos"));
        const auto index = PreparationIndexPath(f.env.base(), f.table.table());
        const std::string before = f.bytes(index);
        auto ran = onNextModal<TAltNomForm>([&](TAltNomForm& d) {
            typeInto(*d.NovNomMaskEdit, QStringLiteral("Pratos principais"));
            click(*d.ConBitBtn);
        });
        click(*form.AltNomBitBtn);
        QVERIFY(*ran);
        std::string expected = before;
        expected.replace(expected.find(padded("Pratos", 30)), 30, padded("Pratos principais", 30));
        QCOMPARE(f.bytes(index), expected);
    }

    void emptyListAndBlankName()
    {
        GuiEnvironment env;
        TLisForm lis;
        TCadGruIngForm form(env.context());
        form.handOver({"T", true});
        QVERIFY(openForm(form));
        MessageScript script{{QStringLiteral("Não existem registros no arquivo!"), kOk}};
        click(*form.LisBitBtn);
        QVERIFY(script.done());
    }
};

QTEST_MAIN(CadGruTest)
#include "CadGruTest.moc"
