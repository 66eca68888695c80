// The main menu: captions, the active table, and opening the windows plugged in.
#include "core/store/Cp1252.h"
#include "core/store/IniFile.h"
#include "core/store/Paths.h"
#include "core/tables/ActiveTable.h"
#include "gui/app/NutUnit.h"
#include "gui/dialogs/LisUnit.h"
#include "harness/GuiHarness.h"
#include "support/Names.h"

#include <QListWidget>
#include <QToolButton>
#include <QtTest>

using namespace treluza;
using namespace treluza::test;

namespace {

const QString kCaption = QStringLiteral("TELA PRINCIPAL - TRELUZA versão 4.0");

// A window that only records that it was opened, and on which table.
class ProbeForm : public TForm, public TableWindow {
    Q_OBJECT
public:
    void handOver(const ActiveTable& active) override { table = active; }
    ActiveTable table;
    int opened = 0;
    std::function<void()> onOpen;

protected:
    void FormActivate() override
    {
        ++opened;
        if (onOpen)
            onOpen();
        done(1);
    }
};

struct Menu {
    GuiEnvironment env;
    TTreluzaV4Form* form;
    Menu()
    {
        form = new TTreluzaV4Form(env.context());
        QVERIFY(openForm(*form));
    }
    ~Menu() { delete form; }

    void writeRegistry(const std::string& lines)
    {
        GuiEnvironment::writeBytes(TableRegistryPath(env.base()), lines);
    }
    void writeConfig(bool fixed, const std::string& name)
    {
        IniFile ini(env.configFile());
        ini.writeBool(kSecFixTable, kKeyFixTab, fixed);
        ini.writeString(kSecFixTable, kKeyNomTab, name + "|");
    }
    ProbeForm* plug(MenuButton button)
    {
        auto* probe = new ProbeForm;
        probe->setParent(form, Qt::Dialog);
        form->plugWindow(button, probe, probe);
        return probe;
    }
};

const std::string kRegistry =
    testing::name20("Tabela 1") + "|Minha tabela|1|\r\n" + testing::name20("TACO") + "|Tabela oficial|0|\r\n";

} // namespace

class NutTest : public QObject {
    Q_OBJECT

private slots:
    // A window plugged by its maker is made when its button is first clicked,
    // once, and opens like any other; until then the button is enabled.
    void aWindowIsMadeWhenItsButtonIsFirstClicked()
    {
        Menu m;
        int made = 0;
        ProbeForm* probe = nullptr;
        m.form->plugWindowMaker(MenuButton::Tables, [&] {
            ++made;
            probe = new ProbeForm;
            probe->setParent(m.form, Qt::Dialog);
            return TTreluzaV4Form::PluggedWindow{probe, probe};
        });
        QVERIFY(m.form->TabBitBtn->isEnabled());
        QCOMPARE(made, 0);
        click(*m.form->TabBitBtn);
        QCOMPARE(made, 1);
        QCOMPARE(probe->opened, 1);
        click(*m.form->TabBitBtn);
        QCOMPARE(made, 1);
        QCOMPARE(probe->opened, 2);
    }

    void buttonsCarryTheirCaptionsAndOnlyPluggedOnesWork()
    {
        Menu m;
        QVERIFY(std::filesystem::is_directory(m.env.base() / "Dados"));
        const QList<QPair<QToolButton*, QString>> captions{
            {m.form->FimBitBtn, QStringLiteral("Ajuda")},
            {m.form->TabBitBtn, QStringLiteral("Cria NOVA Tabela de Ingredientes")},
            {m.form->CfgNutBitBtn, QStringLiteral("Configuração - Define Tabela Ativa")},
            {m.form->GruBitBtn, QStringLiteral("Grupos de Ingredientes da Tabela Ativa")},
            {m.form->CadIngBitBtn, QStringLiteral("Ingredientes da Tabela Ativa")},
            {m.form->MedCasBitBtn, QStringLiteral("Medidas Caseiras para os Ingredientes")},
            {m.form->RelBitBtn, QStringLiteral("Grupos de Preparações da Tabela Ativa")},
            {m.form->CadTreluzaRotRotBitBtn, QStringLiteral("Cadastra Preparações da Tabela Ativa")},
            {m.form->BitBtn1, QStringLiteral("FIM")}};
        for (const auto& [button, caption] : captions) {
            QCOMPARE(button->text(), caption);
            QCOMPARE(button->isEnabled(), button == m.form->BitBtn1);
            QCOMPARE(button->size().height(), 140);
            // The whole caption fits on the button.
            QVERIFY2(button->fontMetrics().horizontalAdvance(caption) < button->width() - 8,
                     qPrintable(caption));
        }
        m.plug(MenuButton::Ingredients);
        QVERIFY(m.form->CadIngBitBtn->isEnabled());
        QCOMPARE(m.form->size(), QSize(749, 420));

        // Tab order 0..8 starts at the configuration button (disabled buttons are skipped by Tab).
        const QList<QWidget*> expected{
            m.form->TabBitBtn,    m.form->CadIngBitBtn,           m.form->GruBitBtn, m.form->RelBitBtn,
            m.form->MedCasBitBtn, m.form->CadTreluzaRotRotBitBtn, m.form->BitBtn1};
        QWidget* w = m.form->CfgNutBitBtn;
        for (QWidget* next : expected) {
            w = w->nextInFocusChain();
            QCOMPARE(w, next);
        }
        m.form->FimBitBtn->setEnabled(true);
        m.form->BitBtn1->setFocus();
        QTest::keyClick(m.form->BitBtn1, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), m.form->FimBitBtn);
        screenshot(*m.form, QStringLiteral("menu"));
    }

    void fixedRegisteredTableShowsInTheCaptionAndOpensDirectly()
    {
        Menu m;
        m.writeRegistry(kRegistry);
        m.writeConfig(true, testing::name20("Tabela 1"));
        m.form->ReadActiveTable();
        QVERIFY(m.form->fixed());
        QCOMPARE(m.form->windowTitle(), kCaption + QStringLiteral(" - Tabela Ativa :Tabela 1            "));
        QVERIFY(m.form->activeTable().editable);
        ProbeForm* probe = m.plug(MenuButton::Ingredients);
        MessageScript none;
        click(*m.form->CadIngBitBtn);
        QCOMPARE(probe->opened, 1);
        QCOMPARE(probe->table.name, testing::name20("Tabela 1"));
        QVERIFY(probe->table.editable);
    }

    void nameInAnotherCaseTakesTheRegistrySpellingButTheCaptionKeepsItsOwn()
    {
        Menu m;
        m.writeRegistry(kRegistry);
        m.writeConfig(true, testing::name20("Tabela 1"));
        m.form->ReadActiveTable();
        QVERIFY(m.form->activeTable().editable);
        m.writeConfig(true, testing::name20("taco"));
        m.form->ReadActiveTable();
        QVERIFY(m.form->fixed());
        QCOMPARE(m.form->activeTable().name, testing::name20("TACO"));
        QVERIFY(m.form->windowTitle().endsWith(QStringLiteral(":taco                ")));
        QVERIFY(!m.form->activeTable().editable); // flag "0": consultation only
    }

    void unknownFixedTableKeepsTheCaptionAndAsksForATable()
    {
        Menu m;
        m.writeRegistry(kRegistry);
        m.writeConfig(true, testing::name20("Tabela 1"));
        m.form->ReadActiveTable();
        m.writeConfig(true, testing::name20("Sumiu"));
        m.form->ReadActiveTable();
        QVERIFY(!m.form->fixed());
        QVERIFY(m.form->windowTitle().endsWith(QStringLiteral(":Sumiu               ")));
        QVERIFY(m.form->activeTable().editable); // kept as it was
        ProbeForm* probe = m.plug(MenuButton::Preparations);
        auto picked = onNextModal<TLisForm>([](TLisForm& lis) {
            QCOMPARE(lis.windowTitle(), QStringLiteral("LISTA DE TABELAS"));
            QCOMPARE(lis.ListBox->count(), 2);
            QCOMPARE(lis.itemIndex(), 0);
            QCOMPARE(lis.ListBox->item(0)->text(), QStringLiteral("Tabela 1            "));
            QTest::keyClick(lis.ListBox, Qt::Key_Down);
            QTest::keyClick(lis.ListBox, Qt::Key_Return);
        });
        click(*m.form->CadTreluzaRotRotBitBtn);
        QVERIFY(*picked);
        QCOMPARE(probe->table.name, testing::name20("TACO"));
        QVERIFY(!probe->table.editable);
        // The pick is not remembered: the menu reads the configuration again.
        QVERIFY(!m.form->fixed());
        QCOMPARE(m.form->activeTable().name, testing::name20("Sumiu"));
    }

    void flagWithABlankOrEmptyIsConsultationOnly()
    {
        Menu m;
        m.writeRegistry(testing::name20("A") + "|x|1 |\r\n" + testing::name20("B") + "|y||\r\n" +
                        testing::name20("C") + "|z|1|\r\n");
        for (const char* name : {"A", "B"}) {
            m.writeConfig(true, testing::name20("C"));
            m.form->ReadActiveTable();
            QVERIFY(m.form->activeTable().editable);
            m.writeConfig(true, testing::name20(name));
            m.form->ReadActiveTable();
            QVERIFY(m.form->fixed());
            QVERIFY(!m.form->activeTable().editable);
        }
    }

    void emptyRegistrySaysSoAndOpensNothing()
    {
        Menu m;
        ProbeForm* probe = m.plug(MenuButton::Measures);
        m.form->ReadActiveTable();
        QCOMPARE(m.form->windowTitle(), kCaption);
        MessageScript script{{QStringLiteral("Não existem tabelas cadastradas!"), kOk}};
        click(*m.form->MedCasBitBtn);
        QVERIFY(script.done());
        QCOMPARE(probe->opened, 0);
    }

    void groupButtonsUseTheNameAsItStandsWithoutAsking()
    {
        Menu m;
        m.writeRegistry(kRegistry);
        m.writeConfig(false, testing::name20("Outra")); // named, not fixed
        m.form->ReadActiveTable();
        ProbeForm* ingredientGroups = m.plug(MenuButton::IngredientGroups);
        ProbeForm* preparationGroups = m.plug(MenuButton::PreparationGroups);
        MessageScript none;
        click(*m.form->GruBitBtn);
        click(*m.form->RelBitBtn);
        QVERIFY(none.done());
        QCOMPARE(ingredientGroups->opened, 1);
        QCOMPARE(ingredientGroups->table.name, testing::name20("Outra"));
        QCOMPARE(preparationGroups->opened, 1);
    }

    void groupButtonsAskForATableWhenNoneIsNamed()
    {
        Menu m;
        m.writeRegistry(kRegistry);
        m.writeConfig(false, ""); // "NomTab" is just "|"
        m.form->ReadActiveTable();
        ProbeForm* ingredientGroups = m.plug(MenuButton::IngredientGroups);
        auto picked = onNextModal<TLisForm>([](TLisForm& picker) {
            picker.setItemIndex(1); // "TACO": the registry sorts "Tabela 1" first
            picker.close();
        });
        click(*m.form->GruBitBtn);
        QVERIFY(*picked);
        QCOMPARE(ingredientGroups->opened, 1);
        QCOMPARE(ingredientGroups->table.name, testing::name20("TACO"));
    }

    void configurationTakesEffectWhenItsWindowCloses()
    {
        Menu m;
        m.writeRegistry(kRegistry);
        m.form->ReadActiveTable();
        QCOMPARE(m.form->windowTitle(), kCaption);
        ProbeForm* config = m.plug(MenuButton::Config);
        config->onOpen = [&m] { m.writeConfig(true, testing::name20("Tabela 1")); };
        click(*m.form->CfgNutBitBtn);
        QCOMPARE(config->opened, 1);
        QVERIFY(m.form->fixed());
        QCOMPARE(m.form->windowTitle(), kCaption + QStringLiteral(" - Tabela Ativa :Tabela 1            "));
    }

    void garbageFilesDoNotCrash()
    {
        Menu m;
        m.writeRegistry(std::string("\xFF\xFE|\r\n") + std::string(100000, 'x') + "\r\nsem barra\r\n" +
                        std::string("A\0B|z|1|\r\n", 11));
        GuiEnvironment::writeBytes(m.env.configFile(), "[Fixa Tabela]\r\nFixTab=lixo\r\nNomTab\r\n\x01\x02");
        m.form->ReadActiveTable();
        QVERIFY(!m.form->fixed());
        QCOMPARE(m.form->windowTitle(), kCaption);
        ProbeForm* probe = m.plug(MenuButton::Ingredients);
        auto picked = onNextModal<TLisForm>([](TLisForm& lis) {
            QVERIFY(lis.ListBox->count() >= 1);
            QTest::keyClick(lis.ListBox, Qt::Key_Return);
        });
        click(*m.form->CadIngBitBtn);
        QVERIFY(*picked);
        QCOMPARE(probe->opened, 1);
    }

    void fimEndsTheProgram()
    {
        Menu m;
        click(*m.form->BitBtn1);
        QVERIFY(!m.form->isVisible());
    }

    void captionOfTheCore()
    {
        QCOMPARE(mainMenuCaption(false, "x"), cp("TELA PRINCIPAL - TRELUZA versão 4.0"));
        QCOMPARE(mainMenuCaption(true, ""), cp("TELA PRINCIPAL - TRELUZA versão 4.0 - Tabela Ativa :"));
    }
};

QTEST_MAIN(NutTest)
#include "NutTest.moc"
