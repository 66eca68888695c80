// The preparation ingredient window: the over-limit messages, the copy of
// another preparation's lines, the list picker and a click in the list, and
// the question about a household measure left without a quantity. Expected
// values are worked by hand in the comments.
#include "PreparationFixture.h"

#include "gui/ingredients/VisLisIngUnit.h"
#include "gui/widgets/QtText.h"

using namespace treluza;
using namespace treluza::test;

namespace {

// The kitchen's values per 100 g: energy of each, then 10,00 carbohydrate,
// 2,00 protein, 1,00 fat, 0,50 saturated, 0,00 cholesterol, 3,00 fibre,
// 20,00 calcium, 1,00 iron, 5,00 sodium.
// Batata: gross 120,0, net 100,0: FC 1,20, cost 120 x 4,00 / 1000 = 0,48.
const std::string kBatata =
    name60("Batata") +
    "|   120,0|   100,0|      , |      , |  1,20|   ,  |     4,00|     0,48|  /  /  ||   ,  |"
    "   350,00|    10,00|     2,00|     1,00|     0,50|     0,00|     3,00|    20,00|     1,00|     5,00|";
// Feijao: net 100,0, raw 100,0, cooked 250,0: FCC 2,50.
const std::string kFeijao =
    name60("Feijao") +
    "|      , |   100,0|   250,0|   100,0|   ,  |  2,50|      ,  |      ,  |  /  /  ||   ,  |"
    "   329,00|    10,00|     2,00|     1,00|     0,50|     0,00|     3,00|    20,00|     1,00|     5,00|";
// Oleo: 2 "Colher sopa" of 8,0 g: net 16,0, energy 884 x 16 / 100 = 141,44.
const std::string kOleo = name60("Oleo") +
                          "|      , |    16,0|      , |      , |   ,  |   ,  |      ,  |      ,  |  /  /  |" +
                          name20("Colher sopa") +
                          "|  2,00|   141,44|     1,60|     0,32|     0,16|     0,08|     0,00|     0,48|    "
                          " 3,20|     0,16|     0,80|";

std::string file(std::initializer_list<std::string> lines)
{
    std::string bytes;
    for (const std::string& l : lines)
        bytes += l + "\r\n";
    return bytes;
}

/** The kitchen with two preparations on disk: "Arroz e feijao" with the
 *  Batata line, "Sopa" with the Feijao and Oleo lines. */
struct TwoSheets : Kitchen {
    const std::string arrozIndex = sheetLine("Arroz e feijao", {"   350,00"}, {}, {});
    const std::string sopaIndex = sheetLine("Sopa", {"   470,44"}, {}, {});
    TwoSheets()
    {
        GuiEnvironment::writeBytes(indexPath(), file({arrozIndex, sopaIndex}));
        GuiEnvironment::writeBytes(linesPath("Arroz e feijao"), file({kBatata}));
        GuiEnvironment::writeBytes(linesPath("Sopa"), file({kFeijao, kOleo}));
    }
};

/** Stores the line shown as a new one, with the messages in between. */
void insertLine(TCadIngTreluzaForm& w, std::initializer_list<ExpectedMessage> between = {})
{
    MessageScript script{{QStringLiteral("Confirma inclusão?"), kYes}};
    for (const ExpectedMessage& m : between)
        script.expect(m.text, m.answer);
    script.expect(QStringLiteral("Inclusão efetuada com sucesso!"), kOk);
    click(*w.GraBitBtn);
    QVERIFY(script.done());
}

/** A new preparation named in the register, stored by "&Ingredientes". */
bool startSheet(Kitchen& k, const QString& name)
{
    if (!openForm(k.form))
        return false;
    typeInto(*k.form.NomPreMaskEdit, name);
    leaveTowards(*k.form.NomPreMaskEdit, *k.form.NovBitBtn);
    return k.form.mode() == RegisterMode::Inserting;
}

QStringList texts(const std::array<TMaskEdit*, 10>& edits)
{
    QStringList out;
    for (const TMaskEdit* e : edits)
        out << e->maskText();
    return out;
}

void clickRow(QListWidget& list, int row)
{
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(row)).center());
}

const QString kSolution =
    QStringLiteral("Solução : diminua os pesos de todos os ingredientes na mesma proporção!");

} // namespace

class CadIngTreluzaTest : public QObject {
    Q_OBJECT

private slots:
    // "Consulta Tabelas" opens the ingredient browser on the active table; its
    // pick becomes the chosen ingredient, with its household measures.
    void theBrowsersPickBecomesTheChosenIngredient()
    {
        Kitchen k;
        TVisLisIngForm browser(k.env.context());
        QVERIFY(startSheet(k, QStringLiteral("Fritura")));
        QVERIFY(inIngredientWindow(k, [](TCadIngTreluzaForm& w) {
            QVERIFY(w.TabBitBtn->isEnabled());
            auto picked = onNextModal<TVisLisIngForm>([](TVisLisIngForm& b) {
                QCOMPARE(b.LisFilOrdListBox->count(), 3);
                b.LisFilOrdListBox->setCurrentRow(2);
                click(*b.RetBitBtn);
            });
            click(*w.TabBitBtn);
            QVERIFY(*picked);
            QCOMPARE(cs(w.NomIngComboBox->currentText()), name60("Oleo"));
            QCOMPARE(w.linePanel->NomMedCasComboBox->count(), 1);
            QCOMPARE(w.focusWidget(), w.NomIngComboBox);
            click(*w.RetBitBtn);
        }));
    }

    // A line value over 999999,99 is reported when the net weight is left,
    // nutrient by nutrient in field order, and capped; a sum over it is
    // reported when a line is stored, field by field, and capped in the index.
    void overLimitMessagesComeInFieldOrder()
    {
        Kitchen k;
        // Acucar per 100 g: 400 kcal, 99,90 g carbohydrate, 500 mg sodium.
        addIngredients(k.base(), {ingredientRecord("Acucar", {{IngField::Energy, " 400,00"},
                                                              {IngField::Carbohydrate, "  99,90"},
                                                              {IngField::Protein, "   0,00"},
                                                              {IngField::TotalFat, "   0,00"},
                                                              {IngField::SaturatedFat, "   0,00"},
                                                              {IngField::Cholesterol, "   0,00"},
                                                              {IngField::Fibre, "   0,00"},
                                                              {IngField::Calcium, "   1,00"},
                                                              {IngField::Iron, "   0,10"},
                                                              {IngField::Sodium, "  500,00"}})});
        QVERIFY(startSheet(k, QStringLiteral("Calda")));
        QVERIFY(inIngredientWindow(k, [&](TCadIngTreluzaForm& w) {
            chooseIngredient(w, QStringLiteral("Acucar"));
            // 300 kg: 400 x 3000 = 1.200.000 kcal and 500 x 3000 = 1.500.000 mg
            // sodium are over; carbohydrate 99,90 x 3000 = 299.700,00 is not.
            {
                MessageScript script{
                    {QStringLiteral("ERRO! Quantidade de Calorias para o peso líquido maior que 999999,99!"),
                     kOk},
                    {kSolution, kOk},
                    {QStringLiteral("ERRO! Quantidade de Sódio para o peso líquido maior que 999999,99!"),
                     kOk},
                    {kSolution, kOk}};
                enter(*w.linePanel->PesLiqMaskEdit, QStringLiteral("300000"), *w.linePanel->PesCozMaskEdit);
                QVERIFY(script.done());
            }
            QCOMPARE(texts(w.linePanel->perNetEdits),
                     QStringList({"999999,99", "299700,00", "     0,00", "     0,00", "     0,00",
                                  "     0,00", "     0,00", "  3000,00", "   300,00", "999999,99"}));
            insertLine(w); // one line: the sums are its own values

            // Batata at 1000 g adds 3500 kcal and 50 mg sodium: both sums go over.
            click(*w.NovBitBtn);
            chooseIngredient(w, QStringLiteral("Batata"));
            enter(*w.linePanel->PesLiqMaskEdit, QStringLiteral("1000"), *w.linePanel->PesCozMaskEdit);
            insertLine(w, {{QStringLiteral("ERRO! Somatório do Calorias maior que 999999,99!"), kOk},
                           {kSolution, kOk},
                           {QStringLiteral("ERRO! Somatório do Sódio maior que 999999,99!"), kOk},
                           {kSolution, kOk}});
            // Net 300000 + 1000; carbohydrate 299700 + 100.
            QCOMPARE(w.RodLabel->text().left(33), QStringLiteral("Som|301000,0|999999,99|299800,00|"));
            click(*w.RetBitBtn);
        }));
        const IndexFields index = readIndex(loadLines(k.indexPath()).at(0));
        QCOMPARE(index[IdxField::Energy], std::string("999999,99"));
        QCOMPARE(index[IdxField::Energy + 1], std::string("299800,00"));
        QCOMPARE(index[IdxField::Sodium], std::string("999999,99"));
    }

    // "&Copia" lists the preparations in the viewer; once confirmed, the
    // chosen one's lines replace the current ones on disk, and the register
    // shares the new whole-recipe values out when the window closes.
    void copyReplacesTheLinesAndTheRegisterRecomputes()
    {
        TwoSheets k;
        QVERIFY(showPreparation(k, QStringLiteral("Arroz e feijao")));
        QVERIFY(inIngredientWindow(k, [&](TCadIngTreluzaForm& w) {
            for (const Answer answer : {kNo, kYes}) {
                auto listed = onNextModal<TVisLisForm>([](TVisLisForm& v) {
                    QCOMPARE(v.LisFilOrdListBox->count(), 2);
                    // "RENDIMENTO" stands in the 8 places of a net weight.
                    QVERIFY(v.CabMemo->text().contains(QStringLiteral("|RENDIMEN|")));
                    v.LisFilOrdListBox->setCurrentRow(1);
                    click(*v.RetBitBtn);
                });
                MessageScript script{{QStringLiteral("Confirma copia dos ingredientes?"), answer}};
                click(*w.CopBitBtn);
                QVERIFY(*listed);
                QVERIFY(script.done());
                const bool copied = answer == kYes;
                QCOMPARE(GuiEnvironment::readBytes(k.linesPath("Arroz e feijao")),
                         copied ? file({kFeijao, kOleo}) : file({kBatata}));
                QCOMPARE(w.IngTreluzaListBox->count(), copied ? 2 : 1);
            }
            QCOMPARE(w.mode(), RegisterMode::Empty);
            // Net 100 + 16; energy 329 + 141,44.
            QCOMPARE(w.RodLabel->text().left(23), QStringLiteral("Som|   116,0|   470,44|"));
            click(*w.RetBitBtn);
        }));
        QVERIFY(reactivate(k.form));
        QCOMPARE(k.form.mode(), RegisterMode::Showing);
        // Feijao + Oleo, cost 0 (neither has one); x 250/1000 per capita and
        // x 15/1000 per tablespoon, half away from zero (0,58 x 0,25 = 0,145).
        const std::string arroz =
            sheetLine("Arroz e feijao",
                      {"   470,44", "    11,60", "     2,32", "     1,16", "     0,58", "     0,00",
                       "     3,48", "    23,20", "     1,16", "     5,80", "     0,00"},
                      {"   117,61", "     2,90", "     0,58", "     0,29", "     0,15", "     0,00",
                       "     0,87", "     5,80", "     0,29", "     1,45", "     0,00"},
                      {"     7,06", "     0,17", "     0,03", "     0,02", "     0,01", "     0,00",
                       "     0,05", "     0,35", "     0,02", "     0,09", "     0,00"});
        QCOMPARE(GuiEnvironment::readBytes(k.indexPath()), file({arroz, k.sopaIndex}));
        QCOMPARE(GuiEnvironment::readBytes(k.linesPath("Sopa")), file({kFeijao, kOleo}));
    }

    // "&Lista" offers the lines' ingredients and shows the one chosen; a
    // click in the list shows its line, after asking about unsaved edits.
    void listPickerAndClickShowTheLine()
    {
        TwoSheets k;
        GuiEnvironment::writeBytes(k.linesPath("Arroz e feijao"), file({kBatata, kFeijao, kOleo}));
        QVERIFY(showPreparation(k, QStringLiteral("Arroz e feijao")));
        QVERIFY(inIngredientWindow(k, [&](TCadIngTreluzaForm& w) {
            auto picked = onNextModal<TLisForm>([](TLisForm& lis) {
                QCOMPARE(lis.windowTitle(), QStringLiteral("LISTA DE INGREDIENTES DA TRELUZA"));
                QCOMPARE(lis.ListBox->count(), 3);
                QCOMPARE(cs(lis.ListBox->item(2)->text()), name60("Oleo"));
                QCOMPARE(lis.itemIndex(), 0);
                lis.setItemIndex(2);
                lis.close();
            });
            click(*w.LisBitBtn);
            QVERIFY(*picked);
            QCOMPARE(w.mode(), RegisterMode::Showing);
            QCOMPARE(w.IngTreluzaListBox->currentRow(), 2);
            QCOMPARE(cs(w.NomIngComboBox->currentText()), name60("Oleo"));
            QCOMPARE(cs(w.linePanel->NomMedCasComboBox->currentText()), name20("Colher sopa"));
            QVERIFY(w.linePanel->QuaMedCasMaskEdit->isEnabled());
            QCOMPARE(w.linePanel->QuaMedCasMaskEdit->maskText(), QStringLiteral("  2,00"));
            QCOMPARE(w.linePanel->UmaMedCasMaskEdit->maskText(), QStringLiteral("     8,0"));
            QCOMPARE(w.linePanel->perNetEdits[0]->maskText(), QStringLiteral("   141,44"));

            clickRow(*w.IngTreluzaListBox, 0);
            QCOMPARE(cs(w.NomIngComboBox->currentText()), name60("Batata"));
            QCOMPARE(w.linePanel->FCMaskEdit->maskText(), QStringLiteral("  1,20"));
            QCOMPARE(w.linePanel->CusCalMaskEdit->maskText(), QStringLiteral("     0,48"));
            QCOMPARE(w.linePanel->NomMedCasComboBox->currentIndex(), -1);
            QVERIFY(!w.linePanel->QuaMedCasMaskEdit->isEnabled());

            // An edit not stored: the click asks, and "Não" drops it.
            enter(*w.linePanel->PesLiqMaskEdit, QStringLiteral("200"), *w.linePanel->PesCozMaskEdit);
            QVERIFY(w.unsaved());
            {
                MessageScript script{{QStringLiteral("Os dados não foram gravados! Deseja gravá-los?"), kNo}};
                clickRow(*w.IngTreluzaListBox, 1);
                QVERIFY(script.done());
            }
            QCOMPARE(cs(w.NomIngComboBox->currentText()), name60("Feijao"));
            QCOMPARE(w.linePanel->FCCMaskEdit->maskText(), QStringLiteral("  2,50"));
            QCOMPARE(w.IngTreluzaListBox->currentRow(), 1);
            QCOMPARE(w.mode(), RegisterMode::Showing);
            QCOMPARE(GuiEnvironment::readBytes(k.linesPath("Arroz e feijao")),
                     file({kBatata, kFeijao, kOleo}));
            click(*w.RetBitBtn);
        }));
    }

    // A weight entered with Tab shows its whole text selected although the
    // chain of the field left rewrites it: typing replaces the value instead
    // of merging with it (120 typed over 110,0 gave 120110,0).
    void typingOverAShownWeightReplacesIt()
    {
        TwoSheets k;
        QVERIFY(showPreparation(k, QStringLiteral("Arroz e feijao")));
        QVERIFY(inIngredientWindow(k, [&](TCadIngTreluzaForm& w) {
            clickRow(*w.IngTreluzaListBox, 0); // Batata: gross 120,0, net 100,0
            QTest::mouseClick(w.linePanel->PesLiqMaskEdit, Qt::LeftButton);
            QTest::keyClick(w.linePanel->PesLiqMaskEdit, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), w.linePanel->PesBruMaskEdit);
            QCOMPARE(w.linePanel->PesBruMaskEdit->selectedText(), w.linePanel->PesBruMaskEdit->shownText());
            QTest::keyClicks(w.linePanel->PesBruMaskEdit, QStringLiteral("130"));
            QTest::keyClick(w.linePanel->PesBruMaskEdit, Qt::Key_Tab);
            QCOMPARE(w.linePanel->PesBruMaskEdit->maskText(), QStringLiteral("   130,0"));
            // 130,0 / 100,0; 130 x 4,00 / 1000.
            QCOMPARE(w.linePanel->FCMaskEdit->maskText(), QStringLiteral("  1,30"));
            QCOMPARE(w.linePanel->CusCalMaskEdit->maskText(), QStringLiteral("     0,52"));
            // Once stored, the changed line's row stays selected; every row
            // shows its ingredient's whole name as a tip.
            MessageScript script{{QStringLiteral("Confirma alteração?"), kYes},
                                 {QStringLiteral("Alteração efetuada com sucesso!"), kOk}};
            click(*w.GraBitBtn);
            QVERIFY(script.done());
            QCOMPARE(w.IngTreluzaListBox->currentRow(), 0);
            QVERIFY(w.IngTreluzaListBox->item(0)->isSelected());
            QCOMPARE(w.IngTreluzaListBox->item(0)->toolTip(), QStringLiteral("Batata"));
            click(*w.RetBitBtn);
        }));
    }

    // The factors, costs, quotation date, weight of one measure and the
    // values per 100 g and per net weight are computed: they look read-only
    // and take no focus.
    void computedFieldsLookReadOnlyAndTakeNoFocus()
    {
        TwoSheets k;
        QVERIFY(showPreparation(k, QStringLiteral("Arroz e feijao")));
        QVERIFY(inIngredientWindow(k, [&](TCadIngTreluzaForm& w) {
            clickRow(*w.IngTreluzaListBox, 0);
            std::vector<TMaskEdit*> computed{w.linePanel->FCMaskEdit,     w.linePanel->FCCMaskEdit,
                                             w.linePanel->CusUniMaskEdit, w.linePanel->CusCalMaskEdit,
                                             w.linePanel->DatCotMaskEdit, w.linePanel->UmaMedCasMaskEdit};
            computed.insert(computed.end(), w.linePanel->per100Edits.begin(), w.linePanel->per100Edits.end());
            computed.insert(computed.end(), w.linePanel->perNetEdits.begin(), w.linePanel->perNetEdits.end());
            expectDisplayOnly(w, computed, *w.linePanel->PesLiqMaskEdit);
            MessageScript none;
            click(*w.RetBitBtn);
        }));
    }

    // A measure chosen and its quantity left blank: "Sim" keeps the measure
    // (the net weight then gives the quantity), "Não" drops it and closes
    // the quantity.
    void measureLeftWithoutQuantity_data()
    {
        QTest::addColumn<bool>("keep");
        QTest::addColumn<std::string>("measure");
        QTest::addColumn<std::string>("quantity");
        // Net 10,0 g of 8,0 g measures: 1,25.
        QTest::newRow("Sim") << true << name20("Colher sopa") << std::string("  1,25");
        QTest::newRow("Não") << false << std::string() << std::string("   ,  ");
    }
    void measureLeftWithoutQuantity()
    {
        QFETCH(bool, keep);
        QFETCH(std::string, measure);
        QFETCH(std::string, quantity);
        Kitchen k;
        QVERIFY(startSheet(k, QStringLiteral("Salada")));
        QVERIFY(inIngredientWindow(k, [&](TCadIngTreluzaForm& w) {
            chooseIngredient(w, QStringLiteral("Oleo"));
            w.linePanel->NomMedCasComboBox->setCurrentIndex(0);
            QVERIFY(w.linePanel->QuaMedCasMaskEdit->isEnabled());
            {
                MessageScript script{
                    {QStringLiteral("Deseja manter descrição da medida caseira?"), keep ? kYes : kNo}};
                leaveTowards(*w.linePanel->QuaMedCasMaskEdit, *w.linePanel->PesLiqMaskEdit);
                QVERIFY(script.done());
            }
            QCOMPARE(w.linePanel->QuaMedCasMaskEdit->isEnabled(), keep);
            QCOMPARE(w.linePanel->NomMedCasComboBox->currentIndex(), keep ? 0 : -1);
            enter(*w.linePanel->PesLiqMaskEdit, QStringLiteral("10"), *w.linePanel->PesBruMaskEdit);
            insertLine(w);
            click(*w.RetBitBtn);
        }));
        // Oleo at 10 g: 884 x 10 / 100 = 88,40 kcal, the rest a tenth of the
        // values per 100 g.
        QCOMPARE(
            GuiEnvironment::readBytes(k.linesPath("Salada")),
            file(
                {name60("Oleo") +
                 "|      , |    10,0|      , |      , |   ,  |   ,  |      ,  |      ,  |  /  /  |" +
                 measure + "|" + quantity +
                 "|    88,40|     1,00|     0,20|     0,10|     0,05|     0,00|     0,30|     2,00|     0,10|"
                 "     0,50|"}));
    }
};

QTEST_MAIN(CadIngTreluzaTest)
#include "CadIngTreluzaTest.moc"
