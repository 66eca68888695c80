// The shell end to end: a table created in the table registry and fixed in
// the configuration window becomes the active table of the main menu.
#include "gui/app/NutUnit.h"
#include "gui/app/SharedWindows.h"
#include "gui/dialogs/AltNomUnit.h"
#include "gui/dialogs/LisUnit.h"
#include "gui/groups/CadGruIngUnit.h"
#include "gui/tables/CadTabUnit.h"
#include "gui/tables/CfgNutUnit.h"
#include "gui/widgets/BitBtn.h"
#include "gui/widgets/MaskEdit.h"
#include "harness/GuiHarness.h"

#include <QCheckBox>
#include <QListWidget>
#include <QToolButton>
#include <QtTest>

using namespace treluza;
using namespace treluza::test;

class ShellTest : public QObject {
    Q_OBJECT

private slots:
    // The windows opened through the context are made when first asked for,
    // once, and answer as themselves.
    void sharedWindowsAreMadeOnFirstUse()
    {
        GuiEnvironment env;
        SharedWindows shared(env.context());
        shared.plug();
        QCOMPARE(static_cast<void*>(env.context().lisForm),
                 static_cast<void*>(static_cast<ListPicker*>(&shared)));
        TLisForm* first = nullptr;
        for (int round = 0; round < 2; ++round) {
            auto picked = onNextModal<TLisForm>([&](TLisForm& lis) {
                if (!first)
                    first = &lis;
                QCOMPARE(&lis, first);
                lis.ListBox->setCurrentRow(1);
                lis.accept();
            });
            QCOMPARE(env.context().lisForm->pick(QStringLiteral("LISTA"), {"a", "b", "c"}, 0), 1);
            QVERIFY(*picked);
        }
        auto cancelled = onNextModal<TAltNomForm>([](TAltNomForm& f) { click(*f.CanBitBtn); });
        QCOMPARE(env.context().altNomForm->askNewName(QStringLiteral("Altera"), QString(), "Sal"),
                 std::optional<std::string>());
        QVERIFY(*cancelled);
    }

    void createdAndFixedTableShowsInTheCaption()
    {
        GuiEnvironment env;
        TLisForm lis;
        env.context().lisForm = &lis;
        TTreluzaV4Form menu(env.context());
        TCfgNutForm cfgNut(env.context());
        TCadTabForm cadTab(env.context());
        menu.plugWindow(MenuButton::Tables, &cadTab);
        menu.plugWindow(MenuButton::Config, &cfgNut);
        QVERIFY(openForm(menu));
        QCOMPARE(menu.windowTitle(), QStringLiteral("TELA PRINCIPAL - TRELUZA versão 4.0"));

        auto created = onNextModal<TCadTabForm>([](TCadTabForm& form) {
            MessageScript script{{QStringLiteral("Confirma inclusão?"), kYes},
                                 {QStringLiteral("Inclusão efetuada com sucesso!"), kOk}};
            typeInto(*form.TabMaskEdit, QStringLiteral("Tabela 1"));
            pressEnter(*form.TabMaskEdit);
            typeInto(*form.DesTabMaskEdit, QStringLiteral("Minha tabela"));
            click(*form.GraBitBtn);
            QVERIFY(script.done());
            click(*form.RetBitBtn);
        });
        QTest::mouseClick(menu.TabBitBtn, Qt::LeftButton);
        QVERIFY(*created);

        auto fixed = onNextModal<TCfgNutForm>([](TCfgNutForm& form) {
            QTest::mouseClick(form.FixTabCheckBox, Qt::LeftButton, {},
                              QPoint(5, form.FixTabCheckBox->height() / 2));
            click(*form.GraBitBtn);
        });
        QTest::mouseClick(menu.CfgNutBitBtn, Qt::LeftButton);
        QVERIFY(*fixed);
        QTRY_COMPARE(
            menu.windowTitle(),
            QStringLiteral("TELA PRINCIPAL - TRELUZA versão 4.0 - Tabela Ativa :Tabela 1            "));
        QVERIFY(menu.fixed());
        QCOMPARE(menu.activeTableName(), std::string("Tabela 1            "));
    }

    void groupButtonAsksForATableWhenNoneIsNamed()
    {
        GuiEnvironment env;
        TLisForm lis;
        env.context().lisForm = &lis;
        GuiEnvironment::writeBytes(env.base() / "Dados" / "ArqTab.dad", "Alfa                |a|1|\r\n");
        TTreluzaV4Form menu(env.context());
        TCadGruIngForm groups(env.context());
        menu.plugWindow(MenuButton::IngredientGroups, &groups, &groups);
        QVERIFY(openForm(menu));
        std::shared_ptr<bool> opened;
        auto picked = onNextModal<TLisForm>([&](TLisForm& picker) {
            QCOMPARE(picker.windowTitle(), QStringLiteral("LISTA DE TABELAS"));
            // The register opens after the pick.
            opened = onNextModal<TCadGruIngForm>([](TCadGruIngForm& form) { click(*form.RetBitBtn); });
            picker.close();
        });
        QTest::mouseClick(menu.GruBitBtn, Qt::LeftButton);
        QVERIFY(*picked);
        QVERIFY(*opened);
        QCOMPARE(groups.tableName, std::string("Alfa                "));
        // Nothing was made for an unnamed table directly in the data root.
        QVERIFY(!std::filesystem::exists(env.base() / "Dados" / "ArqGruIng.dad"));
    }
};

QTEST_MAIN(ShellTest)
#include "ShellTest.moc"
