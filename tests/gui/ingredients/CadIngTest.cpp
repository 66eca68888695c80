// The ingredient register: typing, modes, the questions of every path, the
// ingredient file written on leaving, and what reaches the preparations.
#include "core/records/IngredientRecord.h"
#include "core/records/PreparationRecords.h"
#include "core/store/Cp1252.h"
#include "core/store/CriUnit.h"
#include "core/store/FileIo.h"
#include "core/store/Paths.h"
#include "core/store/RecordList.h"
#include "core/tables/ActiveTable.h"
#include "gui/dialogs/AltNomUnit.h"
#include "gui/dialogs/ConUnit.h"
#include "gui/dialogs/IteVerUnit.h"
#include "gui/dialogs/LisUnit.h"
#include "gui/ingredients/CadIngUnit.h"
#include "gui/widgets/BitBtn.h"
#include "gui/widgets/MaskEdit.h"
#include "harness/GuiHarness.h"

#include <QApplication>
#include <QComboBox>
#include <QtTest>

using namespace treluza;
using namespace treluza::test;

namespace {

namespace fs = std::filesystem;

const std::string kTable = "TACO                ";

std::string pad(const std::string& text, std::size_t width)
{
    return text + std::string(width - text.size(), ' ');
}
std::string name60(const std::string& name)
{
    return pad(name, 60);
}
std::string name40(const std::string& name)
{
    return pad(name, 40);
}

/** An ingredient line with the given fields over a blank record. */
std::string ingredient(const std::string& name, std::initializer_list<std::pair<int, std::string>> fields)
{
    IngredientFields f = blankIngredient(name60(name));
    for (const auto& [n, text] : fields)
        f[n] = text;
    return MakeLine(f);
}

void writeIngredients(const fs::path& base, const std::vector<std::string>& lines)
{
    RecordList list(true);
    for (const auto& l : lines)
        list.add(l);
    NullProgress none;
    SaveScrambledFile(IngredientFilePath(base, kTable), list, none);
}

/** The ingredient file as plain lines, in file order. */
std::vector<std::string> readIngredients(const fs::path& base)
{
    std::vector<std::string> lines = loadLines(dataRoot(base) / "TACO" / "Ingrediente" / "ArqIng.dad");
    for (std::size_t i = 0; i < lines.size(); ++i)
        lines[i] = UnscrambleLine(i, lines[i]);
    return lines;
}

fs::path indexPath(const fs::path& base)
{
    return PreparationIndexPath(base, kTable);
}
fs::path prepPath(const fs::path& base, const std::string& name)
{
    return PreparationFilePath(base, kTable, name40(name));
}

/** One preparation, "Sopa": yield 500, per-capita yield 100, no tablespoon;
 *  "Leite" (net weight 50,0, energy 100,00 per 100 g, cost 4,00 per kg) and
 *  "Sal" (energy 20,00 in the line). */
void writeSoup(const fs::path& base)
{
    IndexFields idx = blankIndex(name40("Sopa"));
    idx[IdxField::Yield] = "   500";
    idx[IdxField::PortionYield] = "   100";
    idx[IdxField::Energy] = "    70,00";
    idx[IdxField::PerCapitaEnergy] = "    14,00";
    SaveLines(indexPath(base), {MakeLine(idx)});
    LineFields milk = blankLine(name60("Leite"));
    milk[LineField::Gross] = "    55,0";
    milk[LineField::Net] = "    50,0";
    milk[LineField::UnitCost] = "     4,00";
    milk[LineField::Cost] = "     0,22";
    milk[LineField::QuoteDate] = "01/02/24";
    milk[LineField::Energy] = "    50,00";
    LineFields salt = blankLine(name60("Sal"));
    salt[LineField::Net] = "    10,0";
    salt[LineField::Energy] = "    20,00";
    RecordList lines(true);
    lines.add(MakeLine(milk));
    lines.add(MakeLine(salt));
    SaveRecordFile(prepPath(base, "Sopa"), lines);
}

std::string milkRecord()
{
    return ingredient("Leite", {{IngField::Energy, " 100,00"},
                                {IngField::FC, "  1,10"},
                                {IngField::UnitCost, "     4,00"},
                                {IngField::QuoteDate, "01/02/24"},
                                {IngField::FirstSource, "TACO"}});
}

/** Closes the usage warning that a change or delete of a used ingredient shows. */
std::shared_ptr<bool> continueAfterUsageWarning()
{
    return onNextModal<TIteVerForm>([](TIteVerForm& f) { click(*f.BitBtn3); });
}

/** The offscreen platform does not give the activation back to the window
 *  under a modal window that closed; without it no field would be left. */
bool reactivate(QWidget& window)
{
    QApplication::setActiveWindow(&window);
    return QTest::qWaitFor([&] { return QApplication::activeWindow() == &window; }, 2000);
}

} // namespace

class CadIngTest : public QObject {
    Q_OBJECT

    struct Fixture {
        GuiEnvironment env;
        TLisForm lis;
        TConForm con;
        TAltNomForm altNom;
        TIteVerForm iteVer{env.context()};
        TCadIngForm form{env.context()};
        explicit Fixture(bool editable = true)
        {
            env.context().lisForm = &lis;
            env.context().conForm = &con;
            env.context().altNomForm = &altNom;
            env.context().iteVerForm = &iteVer;
            g_activeTableEditable = editable;
            form.HandOver(kTable);
        }
        const fs::path& base() const { return env.base(); }
    };

    /** Shows a stored ingredient by typing its name. */
    void show(Fixture& f, const QString& name)
    {
        typeInto(*f.form.IngMaskEdit, name);
        leaveTowards(*f.form.IngMaskEdit, *f.form.NovBitBtn);
        QCOMPARE(f.form.mode(), RegisterMode::Showing);
    }

    /** Replaces the text of a value edit by typing and leaves it. */
    void retype(TMaskEdit& edit, QWidget& next, const QString& text)
    {
        edit.clearText();
        typeInto(edit, text);
        leaveTowards(edit, next);
    }

private slots:
    void insertingTypesNormalisesAndWritesTheFileOnlyOnReturn()
    {
        Fixture f;
        GuiEnvironment::writeBytes(IngredientGroupFilePath(f.base(), kTable),
                                   cp("Cereais             |\r\n"));
        QVERIFY(openForm(f.form));
        QCOMPARE(f.form.windowTitle(), QStringLiteral("CADASTRO DE INGREDIENTES - TABELA ATIVA : TACO"));
        QCOMPARE(f.form.mode(), RegisterMode::Empty);
        QVERIFY(f.form.IngMaskEdit->isEnabled() && f.form.NovBitBtn->isEnabled() &&
                f.form.RetBitBtn->isEnabled());
        QVERIFY(!f.form.kalMaskEdit->isEnabled() && !f.form.GraBitBtn->isEnabled() &&
                !f.form.ExcBitBtn->isEnabled());
        QVERIFY(!f.form.LisBitBtn->isEnabled()); // no ingredient browser yet
        QCOMPARE(f.form.NomGruComboBox->count(), 1);

        typeInto(*f.form.IngMaskEdit, QStringLiteral("Pão/queijo"));
        pressEnter(*f.form.IngMaskEdit);
        QCOMPARE(f.form.mode(), RegisterMode::Inserting);
        QCOMPARE(QApplication::focusWidget(), f.form.kalMaskEdit);
        QVERIFY(!f.form.IngMaskEdit->isEnabled() && !f.form.AltNomBitBtn->isEnabled());
        QVERIFY(f.form.GraBitBtn->isEnabled() && !f.form.AntBitBtn->isEnabled());

        // "." is a comma, and the comma pushes the digits typed so far against it.
        typeKeys(*f.form.kalMaskEdit, QStringLiteral("12."));
        QCOMPARE(f.form.kalMaskEdit->maskText(), QStringLiteral("  12,  "));
        typeKeys(*f.form.kalMaskEdit, QStringLiteral("5"));
        pressEnter(*f.form.kalMaskEdit); // on to the energy source
        QCOMPARE(f.form.kalMaskEdit->maskText(), QStringLiteral("  12,50"));
        QCOMPARE(QApplication::focusWidget(), f.form.KALFonMaskEdit);
        typeKeys(*f.form.KALFonMaskEdit, QStringLiteral("Rótulo"));
        typeInto(*f.form.CHOMaskEdit, QStringLiteral(","));
        leaveTowards(*f.form.CHOMaskEdit, *f.form.SODMaskEdit);
        QCOMPARE(f.form.CHOMaskEdit->maskText(), QStringLiteral("   0,00"));
        typeKeys(*f.form.SODMaskEdit, QStringLiteral("12345"));
        leaveTowards(*f.form.SODMaskEdit, *f.form.DatCotMaskEdit);
        QCOMPARE(f.form.SODMaskEdit->maskText(), QStringLiteral("12345,00"));
        typeInto(*f.form.DatCotMaskEdit, QStringLiteral("150324"));
        leaveTowards(*f.form.DatCotMaskEdit, *f.form.CusFonMaskEdit);
        f.form.NomGruComboBox->setCurrentIndex(0);

        {
            MessageScript script{{QStringLiteral("Confirma inclusão?"), kNo}};
            click(*f.form.GraBitBtn);
            QVERIFY(script.done());
            QCOMPARE(f.form.mode(), RegisterMode::Inserting);
            QCOMPARE(QApplication::focusWidget(), f.form.kalMaskEdit);
        }
        {
            MessageScript script{{QStringLiteral("Confirma inclusão?"), kYes}};
            click(*f.form.GraBitBtn);
            QVERIFY(script.done());
        }
        QCOMPARE(f.form.mode(), RegisterMode::Showing);
        QVERIFY(f.form.ExcBitBtn->isEnabled() && f.form.AltNomBitBtn->isEnabled());
        screenshot(f.form, QStringLiteral("cading_editable"));
        // Kept in memory until the window is left.
        QVERIFY(readIngredients(f.base()).empty());
        click(*f.form.RetBitBtn);
        QVERIFY(!f.form.isVisible());

        const std::string expected = name60(cp("Pão/queijo")) +
                                     "|  12,50|   0,00|    ,  |    ,  |    ,  |    ,  |"
                                     "    ,  |    ,  |    ,  |12345,00||Cereais             |   ,  |   ,  |"
                                     "      ,  |15/03/24|" +
                                     cp("Rótulo") + "|||||||||||||";
        const auto written = readIngredients(f.base());
        QCOMPARE(written.size(), std::size_t(1));
        QCOMPARE(QString::fromLatin1(written[0]), QString::fromLatin1(expected));
    }

    void typingChecksNamesSourcesDateAndGroup()
    {
        Fixture f;
        GuiEnvironment::writeBytes(IngredientGroupFilePath(f.base(), kTable), "Frutas              |\r\n");
        writeIngredients(f.base(), {ingredient(cp("Maçã"), {{IngField::Group, "FRUTAS              "}}),
                                    ingredient("Uva", {{IngField::Group, "Sumidos             "}})});
        QVERIFY(openForm(f.form));
        {
            MessageScript script{{QStringLiteral("Não é permitido utilizar o caracter (*) !"), kOk}};
            typeInto(*f.form.IngMaskEdit, QStringLiteral("MA*ÇÃ"));
            QVERIFY(script.done());
        }
        leaveTowards(*f.form.IngMaskEdit, *f.form.NovBitBtn);
        // Another letter case shows the stored record, its group found ignoring case.
        QCOMPARE(f.form.mode(), RegisterMode::Showing);
        QCOMPARE(f.form.IngMaskEdit->coreText(), name60(cp("Maçã")));
        QCOMPARE(f.form.NomGruComboBox->currentIndex(), 0);
        QVERIFY(!f.form.unsaved());
        {
            MessageScript script{{QStringLiteral("Não é permitido utilizar o caracter (|) !"), kOk},
                                 {QStringLiteral("Não é permitido utilizar o caracter (\\) !"), kOk}};
            typeInto(*f.form.PTNFonMaskEdit, QStringLiteral("a|b\\c"));
            QVERIFY(script.done());
            QCOMPARE(f.form.PTNFonMaskEdit->maskText(), QStringLiteral("abc"));
        }
        {
            MessageScript script{{QStringLiteral("Data inválida!"), kOk}};
            typeInto(*f.form.DatCotMaskEdit, QStringLiteral("310224"));
            leaveTowards(*f.form.DatCotMaskEdit, *f.form.CusFonMaskEdit);
            QVERIFY(script.done());
            QCOMPARE(QApplication::focusWidget(), f.form.DatCotMaskEdit);
        }
        f.form.DatCotMaskEdit->clearText();
        leaveTowards(*f.form.DatCotMaskEdit, *f.form.CusFonMaskEdit); // blank is accepted
        {
            MessageScript script{{QStringLiteral("Limpa o campo \"Grupo\"?"), kNo},
                                 {QStringLiteral("Limpa o campo \"Grupo\"?"), kYes}};
            click(*f.form.LimNomGruBitBtn);
            QCOMPARE(f.form.NomGruComboBox->currentIndex(), 0);
            click(*f.form.LimNomGruBitBtn);
            QCOMPARE(f.form.NomGruComboBox->currentIndex(), -1);
            QVERIFY(script.done());
        }
        {
            // A group missing from the group file shows no group; storing writes it empty.
            MessageScript script{{QStringLiteral("Os dados não foram gravados! Deseja gravá-los?"), kYes}};
            click(*f.form.ProBitBtn);
            QVERIFY(script.done());
        }
        QCOMPARE(f.form.IngMaskEdit->coreText(), name60("Uva"));
        QCOMPARE(f.form.NomGruComboBox->currentIndex(), -1);
        f.form.KALFonMaskEdit->setMaskText(QStringLiteral("x"));
        {
            MessageScript script{{QStringLiteral("Os dados não foram gravados! Deseja gravá-los?"), kYes}};
            click(*f.form.RetBitBtn);
            QVERIFY(script.done());
        }
        const auto lines = readIngredients(f.base());
        QCOMPARE(lines.size(), std::size_t(2));
        QCOMPARE(FieldOf(IngField::Group, lines[0]), std::string());
        QCOMPARE(FieldOf(IngField::Group, lines[1]), std::string());
        QCOMPARE(FieldOf(IngField::FirstSource, lines[1]), std::string("x"));
    }

    void declinedChangeShowsTheStoredRecordAndDeleteStillWorks()
    {
        Fixture f;
        writeIngredients(f.base(), {milkRecord()});
        GuiEnvironment::writeBytes(MeasureFilePath(f.base(), kTable, name60("Leite"), false), "Copo|\r\n");
        QVERIFY(openForm(f.form));
        show(f, QStringLiteral("leite"));
        retype(*f.form.kalMaskEdit, *f.form.KALFonMaskEdit, QStringLiteral("200"));
        {
            MessageScript script{{QStringLiteral("Confirma alteração?"), kNo}};
            click(*f.form.GraBitBtn);
            QVERIFY(script.done());
        }
        QCOMPARE(f.form.mode(), RegisterMode::Showing);
        QCOMPARE(f.form.kalMaskEdit->maskText(), QStringLiteral(" 100,00"));
        QVERIFY(!f.form.unsaved());
        {
            MessageScript script{{QStringLiteral("Confirma exclusão?"), kNo}};
            click(*f.form.ExcBitBtn);
            QVERIFY(script.done());
            QCOMPARE(f.form.mode(), RegisterMode::Showing);
        }
        {
            MessageScript script{{QStringLiteral("Confirma exclusão?"), kYes}};
            click(*f.form.ExcBitBtn);
            QVERIFY(script.done());
        }
        QCOMPARE(f.form.mode(), RegisterMode::Empty);
        QVERIFY(!fs::exists(MeasureFilePath(f.base(), kTable, name60("Leite"), false)));
        QVERIFY(fs::exists(indexPath(f.base()))); // read, never written: no preparation uses it
        QCOMPARE(GuiEnvironment::readBytes(indexPath(f.base())), std::string());
        QCOMPARE(readIngredients(f.base()).size(), std::size_t(1));
        click(*f.form.RetBitBtn);
        QVERIFY(readIngredients(f.base()).empty());
    }

    void energyChangeReachesTheLineTheTotalAndThePerCapitaValue()
    {
        Fixture f;
        writeIngredients(f.base(), {milkRecord()});
        writeSoup(f.base());
        QVERIFY(openForm(f.form));
        show(f, QStringLiteral("Leite"));
        retype(*f.form.kalMaskEdit, *f.form.KALFonMaskEdit, QStringLiteral("200"));
        {
            MessageScript script{{QStringLiteral("Confirma alteração?"), kYes}};
            auto warned = continueAfterUsageWarning();
            click(*f.form.GraBitBtn);
            QVERIFY(*warned);
            QVERIFY(script.done());
        }
        QCOMPARE(f.iteVer.lines().back(), name40("Sopa"));
        QVERIFY(reactivate(f.form));
        QCOMPARE(f.form.mode(), RegisterMode::Showing);
        const auto index = loadLines(indexPath(f.base()));
        QCOMPARE(index.size(), std::size_t(1));
        QCOMPARE(FieldOf(IdxField::Energy, index[0]), std::string("   120,00"));
        QCOMPARE(FieldOf(IdxField::PerCapitaEnergy, index[0]), std::string("    24,00"));
        QCOMPARE(FieldOf(IdxField::SpoonEnergy, index[0]),
                 blankField(RecordKind::Index, IdxField::SpoonEnergy));
        const auto lines = loadLines(prepPath(f.base(), "Sopa"));
        QCOMPARE(FieldOf(LineField::Energy, lines[0]), std::string("   100,00"));
        QCOMPARE(FieldOf(LineField::Energy, lines[1]), std::string("    20,00"));

        // A second change carries only what changed since the first was stored.
        retype(*f.form.CusUniMaskEdit, *f.form.DatCotMaskEdit, QStringLiteral("10"));
        {
            MessageScript script{{QStringLiteral("Confirma alteração?"), kYes}};
            auto warned = continueAfterUsageWarning();
            click(*f.form.GraBitBtn);
            QVERIFY(*warned);
            QVERIFY(script.done());
        }
        const auto after = loadLines(prepPath(f.base(), "Sopa"));
        QCOMPARE(FieldOf(LineField::UnitCost, after[0]), std::string("    10,00"));
        QCOMPARE(FieldOf(LineField::Cost, after[0]), std::string("     0,55"));
        QCOMPARE(FieldOf(LineField::Energy, after[0]), std::string("   100,00"));
        QCOMPARE(FieldOf(IdxField::Cost, loadLines(indexPath(f.base()))[0]), std::string("     0,55"));

        click(*f.form.RetBitBtn);
        const auto stored = readIngredients(f.base());
        QCOMPARE(FieldOf(IngField::Energy, stored[0]), std::string(" 200,00"));
        QCOMPARE(FieldOf(IngField::UnitCost, stored[0]), std::string("    10,00"));
    }

    void factorsGroupAndSourcesAloneLeaveEveryPreparationByteAsItWas()
    {
        Fixture f;
        GuiEnvironment::writeBytes(IngredientGroupFilePath(f.base(), kTable), "Leites              |\r\n");
        writeIngredients(f.base(), {milkRecord()});
        writeSoup(f.base());
        const std::string indexBefore = GuiEnvironment::readBytes(indexPath(f.base()));
        const std::string linesBefore = GuiEnvironment::readBytes(prepPath(f.base(), "Sopa"));
        QVERIFY(openForm(f.form));
        show(f, QStringLiteral("Leite"));
        retype(*f.form.FCMaskEdit, *f.form.FCFonMaskEdit, QStringLiteral("2"));
        retype(*f.form.FCCMaskEdit, *f.form.FCCFonMaskEdit, QStringLiteral("3"));
        typeInto(*f.form.KALFonMaskEdit, QStringLiteral("Outra "));
        f.form.NomGruComboBox->setCurrentIndex(0);
        {
            MessageScript script{{QStringLiteral("Confirma alteração?"), kYes}};
            auto warned = continueAfterUsageWarning();
            click(*f.form.GraBitBtn);
            QVERIFY(*warned);
            QVERIFY(script.done());
        }
        QCOMPARE(GuiEnvironment::readBytes(indexPath(f.base())), indexBefore);
        QCOMPARE(GuiEnvironment::readBytes(prepPath(f.base(), "Sopa")), linesBefore);
        click(*f.form.RetBitBtn);
        const auto stored = readIngredients(f.base());
        QCOMPARE(FieldOf(IngField::FC, stored[0]), std::string("  2,00"));
        QCOMPARE(FieldOf(IngField::FCC, stored[0]), std::string("  3,00"));
        QCOMPARE(FieldOf(IngField::Group, stored[0]), std::string("Leites              "));
        QCOMPARE(FieldOf(IngField::FirstSource, stored[0]), std::string("Outra TACO"));
    }

    void insertedRecordSurvivesADeclinedQuestionForAnother()
    {
        Fixture f;
        writeIngredients(f.base(), {milkRecord()});
        QVERIFY(openForm(f.form));
        typeInto(*f.form.IngMaskEdit, QStringLiteral("Arroz"));
        leaveTowards(*f.form.IngMaskEdit, *f.form.NovBitBtn);
        QCOMPARE(f.form.mode(), RegisterMode::Inserting);
        typeInto(*f.form.kalMaskEdit, QStringLiteral("128"));
        {
            MessageScript script{{QStringLiteral("Confirma inclusão?"), kYes}};
            click(*f.form.GraBitBtn);
            QVERIFY(script.done());
        }
        click(*f.form.NovBitBtn); // nothing changed since the insert: no question
        show(f, QStringLiteral("Leite"));
        retype(*f.form.kalMaskEdit, *f.form.KALFonMaskEdit, QStringLiteral("300"));
        {
            MessageScript script{{QStringLiteral("Os dados não foram gravados! Deseja gravá-los?"), kNo}};
            click(*f.form.NovBitBtn);
            QVERIFY(script.done());
        }
        QVERIFY(f.form.fileChanged());
        click(*f.form.RetBitBtn);
        QCOMPARE(
            readIngredients(f.base()),
            (std::vector<std::string>{ingredient("Arroz", {{IngField::Energy, " 128,00"}}), milkRecord()}));
    }

    void askToSaveOnNewStoresTheInsertAndAnswersNoOnlyOnce()
    {
        Fixture f;
        QVERIFY(openForm(f.form));
        typeInto(*f.form.IngMaskEdit, QStringLiteral("Feijão"));
        leaveTowards(*f.form.IngMaskEdit, *f.form.NovBitBtn);
        typeInto(*f.form.kalMaskEdit, QStringLiteral("1"));
        {
            MessageScript script{{QStringLiteral("Os dados não foram gravados! Deseja gravá-los?"), kYes}};
            click(*f.form.NovBitBtn);
            QVERIFY(script.done());
        }
        QCOMPARE(f.form.mode(), RegisterMode::Empty);
        QCOMPARE(f.form.data().count(), 1);
        QCOMPARE(FieldOf(IngField::Energy, f.form.data().records()[0]), std::string("   1,00"));
        click(*f.form.RetBitBtn); // nothing unsaved: no question
        QCOMPARE(readIngredients(f.base()).size(), std::size_t(1));
    }

    void renameMovesTheMeasuresWritesTheFileAndCarriesTheName()
    {
        Fixture f;
        writeIngredients(f.base(), {milkRecord(), ingredient("Sal", {})});
        writeSoup(f.base());
        GuiEnvironment::writeBytes(MeasureFilePath(f.base(), kTable, name60("Leite"), false),
                                   "Copo|  200,0|\r\n");
        QVERIFY(openForm(f.form));
        show(f, QStringLiteral("Leite"));
        // An edit not stored yet is stored by the rename and reaches the preparations.
        retype(*f.form.kalMaskEdit, *f.form.KALFonMaskEdit, QStringLiteral("200"));
        {
            MessageScript script{{QStringLiteral("Já existe um ingrediente com o novo nome!"), kOk}};
            auto ran = onNextModal<TAltNomForm>([](TAltNomForm& d) {
                QCOMPARE(d.windowTitle(), QStringLiteral("Altera nome do ingrediente"));
                QCOMPARE(d.NomAtuMaskEdit->maskText(), QString::fromStdString(name60("Leite")));
                typeInto(*d.NovNomMaskEdit, QStringLiteral("LEITE"));
                click(*d.ConBitBtn);
            });
            click(*f.form.AltNomBitBtn);
            QVERIFY(*ran);
            QVERIFY(script.done());
        }
        auto ran = onNextModal<TAltNomForm>([](TAltNomForm& d) {
            typeInto(*d.NovNomMaskEdit, QStringLiteral("Leite/pó"));
            click(*d.ConBitBtn);
        });
        click(*f.form.AltNomBitBtn);
        QVERIFY(*ran);
        QCOMPARE(f.form.IngMaskEdit->coreText(), name60(cp("Leite/pó")));
        QCOMPARE(f.form.mode(), RegisterMode::Showing);
        QVERIFY(!f.form.fileChanged());
        // Written at once, before leaving.
        const auto stored = readIngredients(f.base());
        QCOMPARE(stored.size(), std::size_t(2));
        QCOMPARE(keyOf(stored[0]), name60(cp("Leite/pó")));
        QVERIFY(!fs::exists(MeasureFilePath(f.base(), kTable, name60("Leite"), false)));
        QCOMPARE(GuiEnvironment::readBytes(MeasureFilePath(f.base(), kTable, name60(cp("Leite/pó")), false)),
                 std::string("Copo|  200,0|\r\n"));
        const auto lines = loadLines(prepPath(f.base(), "Sopa"));
        QCOMPARE(keyOf(lines[0]), name60(cp("Leite/pó")));
        QCOMPARE(FieldOf(LineField::Energy, lines[0]), std::string("   100,00"));
        QCOMPARE(FieldOf(IngField::Energy, stored[0]), std::string(" 200,00"));
        QCOMPARE(keyOf(lines[1]), name60("Sal"));

        // Sal has no measures: none appears under either name.
        click(*f.form.ProBitBtn);
        QCOMPARE(f.form.IngMaskEdit->coreText(), name60("Sal"));
        auto again = onNextModal<TAltNomForm>([](TAltNomForm& d) {
            typeInto(*d.NovNomMaskEdit, QStringLiteral("Sal grosso"));
            click(*d.ConBitBtn);
        });
        click(*f.form.AltNomBitBtn);
        QVERIFY(*again);
        QVERIFY(!fs::exists(MeasureFilePath(f.base(), kTable, name60("Sal"), false)));
        QVERIFY(!fs::exists(MeasureFilePath(f.base(), kTable, name60("Sal grosso"), false)));
        click(*f.form.RetBitBtn);
        QCOMPARE(keyOf(readIngredients(f.base())[1]), name60("Sal grosso"));
    }

    void deleteOfAUsedIngredientRecomputesThePreparation()
    {
        Fixture f;
        writeIngredients(f.base(), {milkRecord()});
        writeSoup(f.base());
        QVERIFY(openForm(f.form));
        show(f, QStringLiteral("Leite"));
        {
            MessageScript script{{QStringLiteral("Confirma exclusão?"), kYes}};
            auto warned = continueAfterUsageWarning();
            click(*f.form.ExcBitBtn);
            QVERIFY(*warned);
            QVERIFY(script.done());
        }
        const auto lines = loadLines(prepPath(f.base(), "Sopa"));
        QCOMPARE(lines.size(), std::size_t(1));
        QCOMPARE(keyOf(lines[0]), name60("Sal"));
        const auto index = loadLines(indexPath(f.base()));
        QCOMPARE(FieldOf(IdxField::Energy, index[0]), std::string("    20,00"));
        QCOMPARE(FieldOf(IdxField::PerCapitaEnergy, index[0]), std::string("     4,00"));
        click(*f.form.RetBitBtn);
        QVERIFY(readIngredients(f.base()).empty());
    }

    void consultationOnlyTableBrowsesWithTheTableAsSource()
    {
        Fixture f(false);
        const std::vector<std::string> records = {
            ingredient("Arroz", {{IngField::Energy, " 358,00"}, {IngField::FirstSource, cp("Rótulo")}}),
            ingredient(cp("Feijão"), {{IngField::UnitCost, "     7,00"}, {IngField::LastSource, "Feira"}})};
        writeIngredients(f.base(), records);
        const std::string before = GuiEnvironment::readBytes(IngredientFilePath(f.base(), kTable));
        QVERIFY(openForm(f.form));
        QCOMPARE(f.form.mode(), RegisterMode::Consulting);
        QCOMPARE(f.form.IngMaskEdit->coreText(), name60("Arroz"));
        QCOMPARE(f.form.KALFonMaskEdit->maskText(), QStringLiteral("TACO"));
        QCOMPARE(f.form.CHOFonMaskEdit->maskText(), QString());
        QCOMPARE(f.form.CusFonMaskEdit->maskText(), QString());
        for (QWidget* w : f.form.findChildren<QWidget*>()) {
            if (!qobject_cast<TMaskEdit*>(w) && !qobject_cast<QAbstractButton*>(w) &&
                !qobject_cast<QComboBox*>(w))
                continue;
            const bool on = w == f.form.AntBitBtn || w == f.form.ProBitBtn || w == f.form.AjuBitBtn ||
                            w == f.form.RetBitBtn;
            QVERIFY2(w->isEnabled() == on, qPrintable(w->objectName()));
        }
        screenshot(f.form, QStringLiteral("cading_consultation"));
        click(*f.form.ProBitBtn);
        QCOMPARE(f.form.IngMaskEdit->coreText(), name60(cp("Feijão")));
        QCOMPARE(f.form.CusFonMaskEdit->maskText(), QStringLiteral("TACO"));
        QCOMPARE(f.form.KALFonMaskEdit->maskText(), QString());
        QCOMPARE(f.form.mode(), RegisterMode::Consulting);
        {
            // A delete requested while consulting is a logic error: the window closes.
            MessageScript script{{QStringLiteral("Erro de lógica!"), kOk}};
            f.form.ExcBitBtnClick();
            QVERIFY(script.done());
        }
        QVERIFY(!f.form.isVisible());
        QCOMPARE(GuiEnvironment::readBytes(IngredientFilePath(f.base(), kTable)), before);
    }

    void failedWriteOnReturnKeepsTheWindowAndTheChanges()
    {
        Fixture f;
        writeIngredients(f.base(), {milkRecord()});
        QVERIFY(openForm(f.form));
        show(f, QStringLiteral("Leite"));
        {
            MessageScript script{{QStringLiteral("Confirma exclusão?"), kYes}};
            click(*f.form.ExcBitBtn);
            QVERIFY(script.done());
        }
        // A folder in the file's place makes every write fail.
        const fs::path file = IngredientFilePath(f.base(), kTable);
        const std::string bytes = GuiEnvironment::readBytes(file);
        fs::remove(file);
        fs::create_directory(file);
        {
            MessageScript script{{QStringLiteral("Erro durante a alteração!"), kOk}};
            click(*f.form.RetBitBtn);
            QVERIFY(script.done());
        }
        QVERIFY(f.form.isVisible());
        QVERIFY(f.form.fileChanged());
        fs::remove(file);
        click(*f.form.RetBitBtn);
        QVERIFY(!f.form.isVisible());
        QVERIFY(readIngredients(f.base()).empty());
        QVERIFY(fs::exists(file));
    }

    void unreadableFileClosesTheWindowWithoutWriting()
    {
        Fixture f;
        const fs::path file = IngredientFilePath(f.base(), kTable);
        fs::remove(file);
        fs::create_directory(file);
        MessageScript script{{QStringLiteral("Não foi possível ler o arquivo ") +
                                  QString::fromStdString(file.string()) + QStringLiteral(" !"),
                              kOk}};
        QVERIFY(openForm(f.form));
        QTRY_VERIFY(!f.form.isVisible());
        QVERIFY(script.done());
        QVERIFY(fs::is_directory(file));
    }

    void garbageLinesShowWithoutCrashing()
    {
        Fixture f(false);
        GuiEnvironment::writeBytes(IngredientFilePath(f.base(), kTable), std::string("\x01\xff|x|||\r\n", 8) +
                                                                             std::string(5000, 'z') +
                                                                             "\r\nabc\r\n");
        QVERIFY(openForm(f.form));
        QCOMPARE(f.form.data().count(), 3);
        for (int i = 0; i < 3; ++i)
            click(*f.form.ProBitBtn);
        QVERIFY(!f.form.ProBitBtn->isEnabled());
        QCOMPARE(f.form.mode(), RegisterMode::Consulting);
        click(*f.form.RetBitBtn);
        QVERIFY(!f.form.isVisible());
    }
};

QTEST_MAIN(CadIngTest)
#include "CadIngTest.moc"
