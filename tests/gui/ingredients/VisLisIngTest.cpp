// The ingredient browser: the list and its filters, the settings kept between
// openings, the pick handed back, and the copy of an ingredient from a table
// open for consultation into the user's own table, down to the bytes of the
// files it writes.
#include "core/records/IngredientRecord.h"
#include "core/store/Cp1252.h"
#include "core/store/CriUnit.h"
#include "core/store/FileIo.h"
#include "core/store/IniFile.h"
#include "core/store/Paths.h"
#include "core/store/RecordList.h"
#include "core/store/StrUnit.h"
#include "gui/ingredients/VisLisIngUnit.h"
#include "gui/widgets/BitBtn.h"
#include "gui/widgets/MaskEdit.h"
#include "gui/widgets/QtText.h"
#include "harness/GuiHarness.h"
#include "support/Names.h"
#include "taco/TacoTable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QtTest>

using namespace treluza;
using namespace treluza::test;

namespace {

namespace fs = std::filesystem;

const std::string kMine = "Minha tabela        ";
const std::string kTaco = "TACO                ";
const std::string kTacoDescription = "Tabela TACO - NEPA/UNICAMP";

using testing::pad;

/** An ingredient line: the name, the ten nutrients as stored, the group, every
 *  source "TACO" where the table keeps one. */
std::string food(const char* name, const char* group, const std::vector<const char*>& nutrients,
                 const char* source = "")
{
    IngredientFields f = blankIngredient(pad(cp(name), 60));
    for (std::size_t i = 0; i < nutrients.size(); ++i)
        f[IngField::Energy + static_cast<int>(i)] = nutrients[i];
    f[IngField::Group] = *group ? pad(cp(group), 20) : std::string();
    for (int n = IngField::FirstSource; n <= IngField::LastSource; ++n)
        f[n] = source;
    return ingredientRecordLine(f);
}

// Foods with their values per 100 g from the composition table.
const std::string kBrownRice = food("Arroz, integral, cozido", "Cereais",
                                    {" 124,00", "  25,80", "   2,60", "   1,00", "   0,30", "    ,  ",
                                     "   2,70", "   5,00", "   0,30", "    1,00"},
                                    "TACO");
const std::string kWhiteRice = food("Arroz, tipo 1, cozido", "Cereais",
                                    {" 128,00", "  28,10", "   2,50", "   0,20", "   0,20", "    ,  ",
                                     "   1,60", "   4,00", "   0,10", "    1,00"},
                                    "TACO");
const std::string kSugar = food("Açúcar, refinado", "Açucarados",
                                {" 387,00", "  99,50", "   0,30", "   0,00", "    ,  ", "    ,  ", "    ,  ",
                                 "   4,00", "   0,10", "   12,00"},
                                "TACO");
const std::string kBeans = food("Feijão, carioca, cozido", "Leguminosas",
                                {"  76,00", "  13,60", "   4,80", "   0,50", "   0,20", "    ,  ", "   8,50",
                                 "  27,00", "   1,30", "    2,00"},
                                "TACO");

void writeScrambled(const fs::path& base, const std::string& table, const std::vector<std::string>& lines)
{
    RecordList list(true);
    for (const std::string& l : lines)
        list.add(l);
    NullProgress none;
    SaveScrambledFile(ensureFile(IngredientFilePath(base, table)), list, none);
}

/** The bytes of an ingredient file holding the lines, in order. */
std::string scrambledBytes(const std::vector<std::string>& lines)
{
    std::string bytes;
    for (std::size_t i = 0; i < lines.size(); ++i)
        bytes += ScrambleLine(i, lines[i]) + "\r\n";
    return bytes;
}

QStringList rows(const QListWidget& box)
{
    QStringList out;
    for (int i = 0; i < box.count(); ++i)
        out << box.item(i)->text().left(60).trimmed();
    return out;
}

void choose(QComboBox& combo, const QString& text)
{
    const int i = combo.findText(text, Qt::MatchStartsWith);
    QVERIFY2(i >= 0, qPrintable(text));
    combo.setCurrentIndex(i);
    emit combo.activated(i);
}

/** The ingredient lines of the composition table of data/taco, as the table
 *  delivered with the program holds them. */
std::vector<std::string> compositionTable()
{
    return taco::buildTable(TRELUZA_TACO_DATA).ingredients.lines();
}

} // namespace

class VisLisIngTest : public QObject {
    Q_OBJECT

    /** Two tables: the user's own ("Minha tabela", flag 1, a few ingredients,
     *  one group) and "TACO" (flag 0, four foods with their groups and a
     *  household measure for brown rice). The opener's lists are those of the
     *  user's table, as the ingredient register holds them. */
    struct Fixture {
        GuiEnvironment env;
        TVisLisIngForm form{env.context()};
        KeyedRecords records;
        explicit Fixture(std::vector<std::string> mine = {})
        {
            if (mine.empty()) {
                mine = {food("Leite, de vaca, integral", "Leites", {"  61,00"}),
                        food("Arroz, tipo 2, cozido", "", {" 130,00"}), food("Sal", "", {}),
                        food("Arroz doce", "Doces", {" 120,00"})};
            }
            SaveLines(ensureFile(TableRegistryPath(base())),
                      {kMine + "|" + pad("Receitas da casa", 65) + "|1|",
                       kTaco + "|" + pad(kTacoDescription, 65) + "|0|"});
            writeScrambled(base(), kMine, mine);
            SaveLines(ensureFile(IngredientGroupFilePath(base(), kMine)), {"Leites              |"});
            writeScrambled(base(), kTaco, {kBrownRice, kWhiteRice, kSugar, kBeans});
            SaveLines(ensureFile(IngredientGroupFilePath(base(), kTaco)),
                      {cp("Açucarados          |"), "Cereais             |", "Leguminosas         |"});
            SaveLines(ensureFile(MeasureFilePath(base(), kTaco, pad("Arroz, integral, cozido", 60))),
                      {"Colher de sopa      |  25,0|", "Escumadeira         |  90,0|"});
            NullProgress none;
            LoadScrambledFile(IngredientFilePath(base(), kMine), records, none);
        }
        const fs::path& base() const { return env.base(); }
        bool open(int current, bool editable = true)
        {
            form.handOver({kMine, editable}, records, current);
            return openForm(form);
        }
        /** What the opener does when the browser closes: adds the copies to
         *  its records; the chosen ingredient's index there. */
        std::optional<int> taken() { return applyBrowse(records, form.result()); }
        /** Views the TACO table. */
        void viewTaco()
        {
            click(*form.NomTabCheckBox);
            QVERIFY(form.NomTabComboBox->isEnabled() && form.CopIngBitBtn->isEnabled());
            QVERIFY(!form.RetBitBtn->isEnabled());
            choose(*form.NomTabComboBox, QStringLiteral("TACO"));
            QCOMPARE(form.viewedTable(), kTaco);
        }
        void keywords(const QString& text)
        {
            if (!form.PalChaCheckBox->isChecked())
                click(*form.PalChaCheckBox);
            form.PalChaMaskEdit->clearText();
            typeInto(*form.PalChaMaskEdit, text);
            click(*form.PalChaBitBtn);
        }
    };

private slots:
    void copiesFromAConsultationTableIntoTheActiveOne()
    {
        Fixture f;
        QVERIFY(f.open(0));
        QCOMPARE(f.form.windowTitle(),
                 QStringLiteral("TELA VISUALIZA INGREDIENTES - TABELA ATIVA : Minha tabela - "
                                "TABELA VISUALIZADA : Minha tabela"));
        QCOMPARE(rows(*f.form.LisFilOrdListBox),
                 QStringList({"Arroz doce", "Arroz, tipo 2, cozido", "Leite, de vaca, integral", "Sal"}));
        QVERIFY(!f.form.CopIngBitBtn->isEnabled() && f.form.RetBitBtn->isEnabled());

        f.viewTaco();
        QCOMPARE(f.form.windowTitle(),
                 QStringLiteral("TELA VISUALIZA INGREDIENTES - TABELA ATIVA : Minha tabela - "
                                "TABELA VISUALIZADA : TACO"));
        QCOMPARE(f.form.NomGruComboBox->count(), 3);
        // Typed in lower case, forced to upper case, accents folded by "Ok".
        f.keywords(QStringLiteral("arroz integral"));
        QCOMPARE(f.form.PalChaMaskEdit->coreText(), "ARROZ INTEGRAL      ");
        QCOMPARE(rows(*f.form.LisFilOrdListBox), QStringList({"Arroz, integral, cozido"}));
        QCOMPARE(f.form.LisFilOrdListBox->currentRow(), 0);

        {
            MessageScript script{{"Copia ingrediente para tabela ativa?", kNo},
                                 {"Confirma inclusão do ingrediente na Tabela Ativa?", kYes},
                                 {"O ingrediente foi copiado com sucesso para a tabela ativa!", kOk},
                                 {"O ingrediente já existe na Tabela Ativa!", kOk}};
            f.form.LisFilOrdListBox->setFocus();
            pressEnter(*f.form.LisFilOrdListBox);
            click(*f.form.CopIngBitBtn);
            click(*f.form.CopIngBitBtn);
            QVERIFY(script.done());
        }
        // The copy is on disk when its message says so; the opener's records
        // take it when the browser closes.
        QCOMPARE(splitLines(GuiEnvironment::readBytes(IngredientFilePath(f.base(), kMine))).size(), 5u);
        QCOMPARE(f.records.count(), 4);

        // Back on the active table the copy is the selected row.
        click(*f.form.NomTabCheckBox);
        QCOMPARE(f.form.viewedTable(), kMine);
        QVERIFY(f.form.RetBitBtn->isEnabled() && !f.form.CopIngBitBtn->isEnabled());
        QCOMPARE(f.form.LisFilOrdListBox->currentItem()->text().left(23),
                 QStringLiteral("Arroz, integral, cozido"));
        click(*f.form.RetBitBtn);
        QVERIFY(!f.form.isVisible());
        QCOMPARE(f.form.result().copied.size(), 1u);
        QCOMPARE(f.taken(), std::optional<int>(1));
        QCOMPARE(GuiEnvironment::readBytes(IngredientFilePath(f.base(), kMine)),
                 scrambledBytes(f.records.lines()));

        // The filled values carry the table's description as their source;
        // the blank cholesterol, factors and cost keep what the table held.
        const std::string d = kTacoDescription;
        const std::string copied =
            pad("Arroz, integral, cozido", 60) +
            "| 124,00|  25,80|   2,60|   1,00|   0,30|    ,  |   2,70|   5,00|   0,30|    1,00|"
            "|Cereais             |   ,  |   ,  |      ,  |  /  /  |" +
            d + "|" + d + "|" + d + "|" + d + "|" + d + "|TACO|" + d + "|" + d + "|" + d + "|" + d +
            "|TACO|TACO|TACO|";
        QCOMPARE(
            GuiEnvironment::readBytes(IngredientFilePath(f.base(), kMine)),
            scrambledBytes({food("Arroz doce", "Doces", {" 120,00"}), copied,
                            food("Arroz, tipo 2, cozido", "", {" 130,00"}),
                            food("Leite, de vaca, integral", "Leites", {"  61,00"}), food("Sal", "", {})}));
        QCOMPARE(
            GuiEnvironment::readBytes(MeasureFilePath(f.base(), kMine, pad("Arroz, integral, cozido", 60))),
            std::string("Colher de sopa      |  25,0|\r\nEscumadeira         |  90,0|\r\n"));
        QCOMPARE(GuiEnvironment::readBytes(IngredientGroupFilePath(f.base(), kMine)),
                 std::string("Cereais             |\r\nLeites              |\r\n"));
    }

    void aTableOpenOnlyForConsultationTakesNoCopy()
    {
        Fixture f;
        QVERIFY(f.open(0, false));
        f.viewTaco();
        MessageScript script{{"A tabela Minha tabela não pode ser alterada!", kOk}};
        const QRect r = f.form.LisFilOrdListBox->visualItemRect(f.form.LisFilOrdListBox->item(2));
        QTest::mouseClick(f.form.LisFilOrdListBox->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(f.form.LisFilOrdListBox->viewport(), Qt::LeftButton, {}, r.center());
        QVERIFY(script.done());
        QVERIFY(f.form.isVisible());
        click(*f.form.NomTabCheckBox);
        click(*f.form.RetBitBtn);
        QVERIFY(f.form.result().copied.empty());
        QCOMPARE(f.records.count(), 4);
    }

    void filtersOrderingAndKeywordsAreRestoredOnReopening()
    {
        Fixture f(
            {kBrownRice, kWhiteRice, kSugar, kBeans, food("Arroz doce", "Cereais", {" 200,00", "  20,00"})});
        GuiEnvironment::writeBytes(IngredientGroupFilePath(f.base(), kMine),
                                   cp("Açucarados          |\r\nCereais             |\r\n"));
        QVERIFY(f.open(0));
        click(*f.form.AtiFilCheckBox);
        QVERIFY(f.form.NomGruComboBox->isEnabled());
        choose(*f.form.NomGruComboBox, QStringLiteral("Cereais"));
        QCOMPARE(rows(*f.form.LisFilOrdListBox),
                 QStringList({"Arroz doce", "Arroz, integral, cozido", "Arroz, tipo 1, cozido"}));
        click(*f.form.AtiOrdCheckBox);
        choose(*f.form.NomCamComboBox, QStringLiteral("CALORIAS - KCAL"));
        QCOMPARE(rows(*f.form.LisFilOrdListBox),
                 QStringList({"Arroz, integral, cozido", "Arroz, tipo 1, cozido", "Arroz doce"}));
        choose(*f.form.NomCamComboBox, QStringLiteral("CARBOIDRATOS - CHO"));
        QCOMPARE(rows(*f.form.LisFilOrdListBox),
                 QStringList({"Arroz doce", "Arroz, integral, cozido", "Arroz, tipo 1, cozido"}));
        f.keywords(QStringLiteral("COZIDO"));
        QCOMPARE(rows(*f.form.LisFilOrdListBox),
                 QStringList({"Arroz, integral, cozido", "Arroz, tipo 1, cozido"}));
        f.form.LisFilOrdListBox->setCurrentRow(1);
        click(*f.form.RetBitBtn);
        QCOMPARE(f.taken(), std::optional<int>(3));
        const IniFile ini(f.env.configFile());
        QCOMPARE(ini.readString(kSecIngredientList, kKeyGruFil, ""), "Cereais             |");
        QCOMPARE(ini.readString(kSecIngredientList, kKeyCamOrd, ""), "CARBOIDRATOS - CHO|");
        QCOMPARE(ini.readInteger(kSecIngredientList, kKeyPosFilOrd, -5), 1);

        // Reopened on sugar, which the filters leave out: the first row is selected.
        QVERIFY(f.open(0));
        QVERIFY(f.form.AtiFilCheckBox->isChecked() && f.form.NomGruComboBox->isEnabled());
        QCOMPARE(f.form.NomGruComboBox->currentText(), QStringLiteral("Cereais             "));
        QVERIFY(f.form.AtiOrdCheckBox->isChecked());
        QCOMPARE(f.form.NomCamComboBox->currentText(), QStringLiteral("CARBOIDRATOS - CHO"));
        QVERIFY(f.form.PalChaCheckBox->isChecked() && f.form.PalChaMaskEdit->isEnabled());
        QCOMPARE(f.form.PalChaMaskEdit->coreText(), "COZIDO              ");
        QCOMPARE(rows(*f.form.LisFilOrdListBox),
                 QStringList({"Arroz, integral, cozido", "Arroz, tipo 1, cozido"}));
        QCOMPARE(f.form.LisFilOrdListBox->currentRow(), 0);

        // Unchecking the boxes rebuilds without each filter in turn.
        click(*f.form.PalChaCheckBox);
        QCOMPARE(f.form.PalChaMaskEdit->coreText(), std::string(20, ' '));
        QCOMPARE(f.form.LisFilOrdListBox->count(), 3);
        click(*f.form.AtiFilCheckBox);
        QCOMPARE(f.form.LisFilOrdListBox->count(), 5);
        click(*f.form.AtiOrdCheckBox);
        QCOMPARE(rows(*f.form.LisFilOrdListBox).front(), QStringLiteral("Açúcar, refinado"));
        click(*f.form.RetBitBtn);

        // Another table starts without the filters.
        QVERIFY(f.open(0));
        f.keywords(QStringLiteral("AÇUCAR"));
        QCOMPARE(rows(*f.form.LisFilOrdListBox), QStringList({"Açúcar, refinado"}));
        f.viewTaco();
        QVERIFY(!f.form.PalChaCheckBox->isChecked() && !f.form.PalChaMaskEdit->isEnabled());
        QCOMPARE(f.form.LisFilOrdListBox->count(), 4);
        // Back on the active table its settings come back.
        click(*f.form.NomTabCheckBox);
        QVERIFY(f.form.PalChaCheckBox->isChecked());
        QCOMPARE(rows(*f.form.LisFilOrdListBox), QStringList({"Açúcar, refinado"}));
        click(*f.form.RetBitBtn);
    }

    void theOpenersRecordIsSelectedUnderAKeywordFilter()
    {
        Fixture f({kSugar, kBeans, food("Leite", "", {}), food("Ovo", "", {}), kBrownRice, kWhiteRice});
        IniFile(f.env.configFile()).writeBool(kSecIngredientList, kKeyAtiFilPalCha, true);
        IniFile(f.env.configFile()).writeString(kSecIngredientList, kKeyPalCha, "ARROZ");
        // Key list order: Açúcar 0, Arroz integral 1, Arroz tipo 1 2, Feijão 3, Leite 4, Ovo 5.
        QVERIFY(f.open(2));
        QCOMPARE(rows(*f.form.LisFilOrdListBox),
                 QStringList({"Arroz, integral, cozido", "Arroz, tipo 1, cozido"}));
        QCOMPARE(f.form.LisFilOrdListBox->currentRow(), 1);
        // A double click on a row of the active table hands it back.
        const QRect r = f.form.LisFilOrdListBox->visualItemRect(f.form.LisFilOrdListBox->item(0));
        QTest::mouseClick(f.form.LisFilOrdListBox->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(f.form.LisFilOrdListBox->viewport(), Qt::LeftButton, {}, r.center());
        QVERIFY(!f.form.isVisible());
        QCOMPARE(f.taken(), std::optional<int>(1));

        // A keyword that finds nothing leaves no row to pick.
        QVERIFY(f.open(5));
        f.keywords(QStringLiteral("PUDIM"));
        QCOMPARE(f.form.LisFilOrdListBox->count(), 0);
        f.form.LisFilOrdListBox->setFocus();
        pressEnter(*f.form.LisFilOrdListBox); // nothing to choose: the window stays
        QVERIFY(f.form.isVisible());
        click(*f.form.RetBitBtn);
        QCOMPARE(f.taken(), std::nullopt);
    }

    void movesByQuarters()
    {
        std::vector<std::string> ten;
        for (int i = 0; i < 10; ++i)
            ten.push_back(food(("Item " + std::to_string(i)).c_str(), "", {}));
        Fixture f(ten);
        QVERIFY(f.open(1));
        QCOMPARE(f.form.LisFilOrdListBox->currentRow(), 1);
        click(*f.form.BitBtn1);
        QCOMPARE(f.form.LisFilOrdListBox->currentRow(), 0);
        click(*f.form.BitBtn3);
        click(*f.form.BitBtn3);
        QCOMPARE(f.form.LisFilOrdListBox->currentRow(), 4);
        click(*f.form.UltBitBtn);
        click(*f.form.BitBtn3);
        QCOMPARE(f.form.LisFilOrdListBox->currentRow(), 9);
        click(*f.form.PriBitBtn);
        QCOMPARE(f.form.LisFilOrdListBox->currentRow(), 0);
        click(*f.form.RetBitBtn);
        QCOMPARE(f.taken(), std::optional<int>(0));
    }

    void showsTheCompositionTableUnderAKeywordFilter()
    {
        const std::vector<std::string> table = compositionTable();
        QVERIFY2(!table.empty(), "no food in " TRELUZA_TACO_DATA "/alimentos.csv");
        Fixture f(table);
        QVERIFY(f.open(0));
        QCOMPARE(f.form.LisFilOrdListBox->count(), static_cast<int>(table.size()));
        QCOMPARE(f.form.CabLabel->text(),
                 qs(std::string(24, ' ')) + QStringLiteral("INGREDIENTE") + qs(std::string(25, ' ')) +
                     QStringLiteral("| KCAL  |  CHO  |  PTN  |G.TOTAL|G.SATUR|COLESTE|"));
        QVERIFY(QFontInfo(f.form.LisFilOrdListBox->font()).fixedPitch());
        click(*f.form.AtiOrdCheckBox);
        choose(*f.form.NomCamComboBox, QStringLiteral("CALORIAS - KCAL"));
        f.keywords(QStringLiteral("FEIJAO"));
        QVERIFY(f.form.LisFilOrdListBox->count() > 5);
        for (const QString& r : rows(*f.form.LisFilOrdListBox))
            QVERIFY2(r.startsWith(QStringLiteral("Feijão")) || r.contains(QStringLiteral("feijão")),
                     qPrintable(r));
        // Increasing energy.
        double last = -1;
        for (int i = 0; i < f.form.LisFilOrdListBox->count(); ++i) {
            const double kcal = ParseDecimal(cs(f.form.LisFilOrdListBox->item(i)->text().mid(61, 7)));
            QVERIFY(kcal >= last);
            last = kcal;
        }
        screenshot(f.form, QStringLiteral("browser-keyword"));
        click(*f.form.RetBitBtn);
    }
};

QTEST_MAIN(VisLisIngTest)
#include "VisLisIngTest.moc"
