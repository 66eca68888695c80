// The preparation register and its ingredient window: a technical sheet
// written end to end, checked byte for byte against values worked by hand.
#include "PreparationFixture.h"

using namespace treluza;
using namespace treluza::test;

namespace {

/** An index line: the name, the yield, the eleven whole-recipe values, the
 *  portions and per-capita yield with the eleven per-capita values, the
 *  tablespoon weight with its eleven values, and the date. */
std::string indexLine(const std::string& name, const char* yield, std::vector<const char*> whole,
                      const char* portions, const char* portionYield, std::vector<const char*> perCapita,
                      const char* spoon, std::vector<const char*> perSpoon, const char* date)
{
    IndexFields f = blankIndex(name40(name));
    f[IdxField::Yield] = yield;
    f[IdxField::Portions] = portions;
    f[IdxField::PortionYield] = portionYield;
    f[IdxField::Tablespoon] = spoon;
    for (std::size_t k = 0; k < kRecipeValues.size(); ++k) {
        f[kRecipeValues[k].index] = whole[k];
        f[kRecipeValues[k].perCapita] = perCapita[k];
        f[kRecipeValues[k].perSpoon] = perSpoon[k];
    }
    f[IdxField::Date] = date;
    return joinFields(f);
}

// The lines worked by hand (values per 100 g: energy of each, then 10,00
// carbohydrate, 2,00 protein, 1,00 fat, 0,50 saturated, 0,00 cholesterol,
// 3,00 fibre, 20,00 calcium, 1,00 iron, 5,00 sodium):
// Batata: gross 120,0 and net 100,0 typed: FC 120/100 = 1,20; cost
//   120 x 4,00 / 1000 = 0,48; values x 100/100.
const std::string kBatata =
    name60("Batata") +
    "|   120,0|   100,0|      , |      , |  1,20|   ,  |     4,00|     0,48|  /  /  ||   ,  |"
    "   350,00|    10,00|     2,00|     1,00|     0,50|     0,00|     3,00|    20,00|     1,00|"
    "     5,00|";
// Feijao: net 100,0, raw 100,0, cooked 250,0 typed: FCC 250/100 = 2,50.
const std::string kFeijao =
    name60("Feijao") +
    "|      , |   100,0|   250,0|   100,0|   ,  |  2,50|      ,  |      ,  |  /  /  ||   ,  |"
    "   329,00|    10,00|     2,00|     1,00|     0,50|     0,00|     3,00|    20,00|     1,00|"
    "     5,00|";
// Oleo: 2 "Colher sopa" of 8,0 g: net 16,0; energy 884 x 16/100 = 141,44;
//   the quantity comes back from the net weight as 16/8 = 2,00.
const std::string kOleo =
    name60("Oleo") + "|      , |    16,0|      , |      , |   ,  |   ,  |      ,  |      ,  |  /  /  |" +
    name20("Colher sopa") +
    "|  2,00|   141,44|     1,60|     0,32|     0,16|     0,08|     0,00|     0,48|     3,20|"
    "     0,16|     0,80|";

} // namespace

class CadTreluzaRotTest : public QObject {
    Q_OBJECT

    /** A new preparation named in the register: yield, portions, tablespoon. */
    void startSheet(Kitchen& k)
    {
        QVERIFY(openForm(k.form));
        typeInto(*k.form.NomPreMaskEdit, QStringLiteral("Arroz e feijao"));
        leaveTowards(*k.form.NomPreMaskEdit, *k.form.NovBitBtn);
        QCOMPARE(k.form.mode(), RegisterMode::Inserting);
        QVERIFY(k.form.unsaved());
        enter(*k.form.DatPreMaskEdit, QStringLiteral("08122026"), *k.form.values->RenPesMaskEdit);
        enter(*k.form.values->RenPesMaskEdit, QStringLiteral("1000"), *k.form.values->NumPorMaskEdit);
        enter(*k.form.values->NumPorMaskEdit, QStringLiteral("4"), *k.form.values->RenColSopMaskEdit);
        QCOMPARE(k.form.values->RenPorMaskEdit->coreText(), std::string("   250"));
        enter(*k.form.values->RenColSopMaskEdit, QStringLiteral("15"), *k.form.GraBitBtn);
    }

    /** Stores the line shown in the ingredient window as a new one. */
    void insertLine(TCadIngTreluzaForm& w)
    {
        MessageScript script{{QStringLiteral("Confirma inclusão?"), kYes},
                             {QStringLiteral("Inclusão efetuada com sucesso!"), kOk}};
        click(*w.GraBitBtn);
        QVERIFY(script.done());
        QCOMPARE(w.mode(), RegisterMode::Showing);
    }

    /** Batata, Feijao and Oleo typed into the ingredient window. */
    void typeThreeLines(TCadIngTreluzaForm& w)
    {
        chooseIngredient(w, QStringLiteral("Batata"));
        QCOMPARE(w.mode(), RegisterMode::Inserting);
        enter(*w.linePanel->PesBruMaskEdit, QStringLiteral("120"), *w.linePanel->PesLiqMaskEdit);
        QCOMPARE(w.linePanel->CusCalMaskEdit->coreText(), std::string("     0,48"));
        enter(*w.linePanel->PesLiqMaskEdit, QStringLiteral("100"), *w.linePanel->PesCozMaskEdit);
        insertLine(w);

        click(*w.NovBitBtn);
        chooseIngredient(w, QStringLiteral("Feijao"));
        enter(*w.linePanel->PesLiqMaskEdit, QStringLiteral("100"), *w.linePanel->PesCruMaskEdit);
        enter(*w.linePanel->PesCruMaskEdit, QStringLiteral("100"), *w.linePanel->PesCozMaskEdit);
        enter(*w.linePanel->PesCozMaskEdit, QStringLiteral("250"), *w.linePanel->PesCruMaskEdit);
        QCOMPARE(w.linePanel->FCCMaskEdit->coreText(), std::string("  2,50"));
        insertLine(w);

        click(*w.NovBitBtn);
        chooseIngredient(w, QStringLiteral("Oleo"));
        QCOMPARE(w.linePanel->NomMedCasComboBox->count(), 1);
        QVERIFY(!w.linePanel->QuaMedCasMaskEdit->isEnabled());
        w.linePanel->NomMedCasComboBox->setCurrentIndex(0);
        QVERIFY(w.linePanel->QuaMedCasMaskEdit->isEnabled());
        QCOMPARE(w.linePanel->UmaMedCasMaskEdit->coreText(), std::string("     8,0"));
        enter(*w.linePanel->QuaMedCasMaskEdit, QStringLiteral("2"), *w.linePanel->PesLiqMaskEdit);
        QCOMPARE(w.linePanel->PesLiqMaskEdit->coreText(), std::string("    16,0"));
        leaveTowards(*w.linePanel->PesLiqMaskEdit, *w.linePanel->PesBruMaskEdit);
        insertLine(w);
    }

private slots:
    void aTechnicalSheetFromAnEmptyTableToPerTablespoonValues()
    {
        Kitchen k;
        startSheet(k);
        auto typed = onNextModal<TCadIngTreluzaForm>([this](TCadIngTreluzaForm& w) {
            QCOMPARE(w.NomPreMaskEdit->coreText(), name40("Arroz e feijao"));
            typeThreeLines(w);
            // The list shows a row per line in a fixed-pitch font, the totals under it.
            QCOMPARE(w.IngTreluzaListBox->count(), 3);
            QCOMPARE(w.IngTreluzaListBox->item(0)->text().left(23),
                     QStringLiteral("Bat|   100,0|   350,00|"));
            QCOMPARE(w.RodLabel->text().left(23), QStringLiteral("Som|   216,0|   820,44|"));
            screenshot(w, QStringLiteral("cadingtreluza_lines"));

            // A change of Batata's net weight: FC 120/200 = 0,60, values doubled.
            w.IngTreluzaListBoxClick(0);
            QCOMPARE(w.mode(), RegisterMode::Showing);
            enter(*w.linePanel->PesLiqMaskEdit, QStringLiteral("200"), *w.linePanel->PesCozMaskEdit);
            QCOMPARE(w.linePanel->FCMaskEdit->coreText(), std::string("  0,60"));
            {
                MessageScript script{{QStringLiteral("Confirma alteração?"), kYes},
                                     {QStringLiteral("Alteração efetuada com sucesso!"), kOk}};
                click(*w.GraBitBtn);
                QVERIFY(script.done());
            }
            // Oleo goes.
            w.IngTreluzaListBoxClick(2);
            {
                MessageScript script{{QStringLiteral("Confirma exclusão?"), kYes},
                                     {QStringLiteral("Exclusão efetuada com sucesso!"), kOk}};
                click(*w.ExcBitBtn);
                QVERIFY(script.done());
            }
            QCOMPARE(w.mode(), RegisterMode::Empty);
            QCOMPARE(w.IngTreluzaListBox->count(), 2);
            click(*w.RetBitBtn);
        });
        {
            // The register stores the new preparation without asking first.
            MessageScript none;
            click(*k.form.IngBitBtn);
            QVERIFY(*typed);
            QVERIFY(none.done());
        }
        QVERIFY(reactivate(k.form));
        QCOMPARE(k.form.mode(), RegisterMode::Showing);
        QCOMPARE(QApplication::focusWidget(), k.form.values->RenPesMaskEdit);
        screenshot(k.form, QStringLiteral("cadtreluzarot_values"));

        // Batata at net 200: 700,00 kcal, the rest doubled; Feijao as typed.
        // Totals: energy 700 + 329 = 1029,00, cost 0,48. Per capita x 250/1000,
        // per tablespoon x 15/1000, rounded half away from zero.
        const std::string expectedIndex =
            indexLine("Arroz e feijao", "  1000",
                      {"  1029,00", "    30,00", "     6,00", "     3,00", "     1,50", "     0,00",
                       "     9,00", "    60,00", "     3,00", "    15,00", "     0,48"},
                      "     4", "   250",
                      {"   257,25", "     7,50", "     1,50", "     0,75", "     0,38", "     0,00",
                       "     2,25", "    15,00", "     0,75", "     3,75", "     0,12"},
                      "    15",
                      {"    15,44", "     0,45", "     0,09", "     0,05", "     0,02", "     0,00",
                       "     0,14", "     0,90", "     0,05", "     0,23", "     0,01"},
                      "08/12/2026");
        QCOMPARE(GuiEnvironment::readBytes(k.indexPath()), expectedIndex + "\r\n");
        const std::string batata =
            name60("Batata") +
            "|   120,0|   200,0|      , |      , |  0,60|   ,  |     4,00|     0,48|  /  /  ||   ,  |"
            "   700,00|    20,00|     4,00|     2,00|     1,00|     0,00|     6,00|    40,00|     2,00|    "
            "10,00|";
        QCOMPARE(GuiEnvironment::readBytes(k.linesPath("Arroz e feijao")),
                 batata + "\r\n" + kFeijao + "\r\n");
    }

    // After three lines the index already holds their sums and shares: the
    // lines file and the index are written together with every line.
    void everyStoredLineWritesTheLinesAndTheIndexTogether()
    {
        Kitchen k;
        startSheet(k);
        auto typed = onNextModal<TCadIngTreluzaForm>([&](TCadIngTreluzaForm& w) {
            typeThreeLines(w);
            QCOMPARE(GuiEnvironment::readBytes(k.linesPath("Arroz e feijao")),
                     kBatata + "\r\n" + kFeijao + "\r\n" + kOleo + "\r\n");
            // 350 + 329 + 141,44 = 820,44; per capita x 0,25; per tablespoon x 0,015.
            const std::string expected =
                indexLine("Arroz e feijao", "  1000",
                          {"   820,44", "    21,60", "     4,32", "     2,16", "     1,08", "     0,00",
                           "     6,48", "    43,20", "     2,16", "    10,80", "     0,48"},
                          "     4", "   250",
                          {"   205,11", "     5,40", "     1,08", "     0,54", "     0,27", "     0,00",
                           "     1,62", "    10,80", "     0,54", "     2,70", "     0,12"},
                          "    15",
                          {"    12,31", "     0,32", "     0,06", "     0,03", "     0,02", "     0,00",
                           "     0,10", "     0,65", "     0,03", "     0,16", "     0,01"},
                          "08/12/2026");
            QCOMPARE(GuiEnvironment::readBytes(k.indexPath()), expected + "\r\n");
            // Deleting every line leaves the sums at 0,00.
            for (int i = 0; i < 3; ++i) {
                w.IngTreluzaListBoxClick(0);
                MessageScript script{{QStringLiteral("Confirma exclusão?"), kYes},
                                     {QStringLiteral("Exclusão efetuada com sucesso!"), kOk}};
                click(*w.ExcBitBtn);
                QVERIFY(script.done());
            }
            const std::string index = GuiEnvironment::readBytes(k.indexPath());
            for (const RecipeValueFields& v : kRecipeValues)
                QCOMPARE(FieldOf(v.index, index), std::string("     0,00"));
            QCOMPARE(GuiEnvironment::readBytes(k.linesPath("Arroz e feijao")), std::string());
            QCOMPARE(w.IngTreluzaListBox->count(), 0);
            click(*w.RetBitBtn);
        });
        click(*k.form.IngBitBtn);
        QVERIFY(*typed);
    }

    // The recipe's values, per capita and per tablespoon, and the portion's
    // weight are computed: they look read-only and take no focus.
    void computedValuesLookReadOnlyAndTakeNoFocus()
    {
        Kitchen k;
        startSheet(k);
        std::vector<TMaskEdit*> computed;
        for (int n = IdxField::Yield; n <= IdxField::SpoonCost; ++n) {
            TMaskEdit* e = k.form.valueEdit(n);
            if (e && e != k.form.values->RenPesMaskEdit && e != k.form.values->NumPorMaskEdit &&
                e != k.form.values->RenColSopMaskEdit)
                computed.push_back(e);
        }
        QCOMPARE(computed.size(), std::size_t(34));
        expectDisplayOnly(k.form, computed, *k.form.values->RenPesMaskEdit);
    }

    void aBlankYieldClearsPortionsAndEveryShare()
    {
        Kitchen k;
        startSheet(k);
        QCOMPARE(k.form.values->RenPorMaskEdit->coreText(), std::string("   250"));
        k.form.values->RenPesMaskEdit->clearText();
        leaveTowards(*k.form.values->RenPesMaskEdit, *k.form.values->NumPorMaskEdit);
        for (int n = IdxField::Portions; n <= IdxField::SpoonCost; ++n)
            QCOMPARE(k.form.valueEdit(n)->coreText(), blankField(RecordKind::Index, n));
        {
            MessageScript script{{QStringLiteral("Número de porções deve ser maior que zero!"), kOk}};
            enter(*k.form.values->NumPorMaskEdit, QStringLiteral("0"), *k.form.values->RenColSopMaskEdit);
            QVERIFY(script.done());
            QCOMPARE(QApplication::focusWidget(), k.form.values->NumPorMaskEdit);
        }
        k.form.values->NumPorMaskEdit->clearText();
        leaveTowards(*k.form.values->NumPorMaskEdit, *k.form.values->RenColSopMaskEdit);
        // Leaving a new, never stored preparation asks about it, by the close
        // box that some window managers draw as by "Retorna".
        MessageScript script{{QStringLiteral("Os dados não foram gravados! Deseja gravá-los?"), kNo}};
        clickCloseBox(k.form);
        QVERIFY(script.done());
        QVERIFY(!k.form.isVisible());
        QCOMPARE(GuiEnvironment::readBytes(k.indexPath()), std::string());
    }
};

QTEST_MAIN(CadTreluzaRotTest)
#include "CadTreluzaRotTest.moc"
