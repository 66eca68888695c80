// The shell end to end: a table created in the table registry and fixed in
// the configuration window becomes the active table of the main menu.
#include "gui/app/NutUnit.h"
#include "gui/app/ProgramWindows.h"
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

namespace {

/** The program's windows, wired as main() wires them, on temporary folders. */
struct Program {
    QTemporaryDir dir;
    std::filesystem::path base = std::filesystem::path(dir.path().toStdString()) / "base";
    ProgramWindows windows{base,
                           std::filesystem::path(dir.path().toStdString()) / "config" / "CfgTreluza.ini",
                           base / "Ajuda.hlp"};
    TTreluzaV4Form& menu() { return windows.menu(); }
};

} // namespace

class ShellTest : public QObject {
    Q_OBJECT

private slots:
    // The windows opened through the context are made when first asked for,
    // once, and answer as themselves.
    void sharedWindowsAreMadeOnFirstUse()
    {
        Program p;
        TLisForm* first = nullptr;
        for (int round = 0; round < 2; ++round) {
            auto picked = onNextModal<TLisForm>([&](TLisForm& lis) {
                if (!first)
                    first = &lis;
                QCOMPARE(&lis, first);
                QCOMPARE(&lis, &p.windows.shared().picker());
                lis.ListBox->setCurrentRow(1);
                lis.accept();
            });
            QCOMPARE(p.windows.context().picker.pick(QStringLiteral("LISTA"), {"a", "b", "c"}, 0), 1);
            QVERIFY(*picked);
        }
        auto cancelled = onNextModal<TAltNomForm>([](TAltNomForm& f) { click(*f.CanBitBtn); });
        QCOMPARE(p.windows.context().namePrompt.askNewName(QStringLiteral("Altera"), QString(), "Sal"),
                 std::optional<std::string>());
        QVERIFY(*cancelled);
    }

    void createdAndFixedTableShowsInTheCaption()
    {
        Program p;
        TTreluzaV4Form& menu = p.menu();
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
        QCOMPARE(menu.activeTable().name, std::string("Tabela 1            "));
        QVERIFY(menu.activeTable().editable);
    }

    void groupButtonAsksForATableWhenNoneIsNamed()
    {
        Program p;
        GuiEnvironment::writeBytes(p.base / "Dados" / "ArqTab.dad", "Alfa                |a|1|\r\n");
        TTreluzaV4Form& menu = p.menu();
        QVERIFY(openForm(menu));
        std::shared_ptr<bool> opened;
        auto picked = onNextModal<TLisForm>([&](TLisForm& picker) {
            QCOMPARE(picker.windowTitle(), QStringLiteral("LISTA DE TABELAS"));
            // The register opens after the pick, on the table picked.
            opened = onNextModal<TCadGruIngForm>([](TCadGruIngForm& form) {
                QVERIFY(form.windowTitle().endsWith(QStringLiteral("Alfa")));
                click(*form.RetBitBtn);
            });
            picker.close();
        });
        QTest::mouseClick(menu.GruBitBtn, Qt::LeftButton);
        QVERIFY(*picked);
        QVERIFY(*opened);
        // Nothing was made for an unnamed table directly in the data root.
        QVERIFY(!std::filesystem::exists(p.base / "Dados" / "ArqGruIng.dad"));
    }
};

QTEST_MAIN(ShellTest)
#include "ShellTest.moc"
