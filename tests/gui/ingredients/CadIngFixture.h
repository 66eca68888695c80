#pragma once
// What the ingredient register tests share: a table "TACO" with its
// ingredient file, a preparation "Sopa" that uses "Leite", and the window
// with the shared windows it opens.
#include "core/records/IngredientRecord.h"
#include "core/records/PreparationRecords.h"
#include "core/store/Cp1252.h"
#include "core/store/CriUnit.h"
#include "core/store/FileIo.h"
#include "core/store/Journal.h"
#include "core/store/Paths.h"
#include "core/store/RecordList.h"
#include "gui/dialogs/AltNomUnit.h"
#include "gui/dialogs/ConUnit.h"
#include "gui/dialogs/IteVerUnit.h"
#include "gui/dialogs/LisUnit.h"
#include "gui/dialogs/MesDlgUnit.h"
#include "gui/ingredients/CadIngUnit.h"
#include "gui/ingredients/VisLisIngUnit.h"
#include "gui/widgets/BitBtn.h"
#include "gui/widgets/MaskEdit.h"
#include "gui/widgets/Messages.h"
#include "harness/GuiHarness.h"
#include "support/Names.h"

#include <QApplication>
#include <QComboBox>
#include <QtTest>

namespace treluza::test {

namespace fs = std::filesystem;
using testing::name40;
using testing::name60;

inline const std::string kTable = "TACO                ";

/** An ingredient line with the given fields over a blank record. */
inline std::string ingredient(const std::string& name,
                              std::initializer_list<std::pair<int, std::string>> fields)
{
    IngredientFields f = blankIngredient(name60(name));
    for (const auto& [n, text] : fields)
        f[n] = text;
    return ingredientRecordLine(f);
}

inline void writeIngredients(const fs::path& base, const std::vector<std::string>& lines)
{
    RecordList list(true);
    for (const auto& l : lines)
        list.add(l);
    NullProgress none;
    SaveScrambledFile(ensureFile(IngredientFilePath(base, kTable)), list, none);
}

/** The ingredient file as plain lines, in file order. */
inline std::vector<std::string> readIngredients(const fs::path& base)
{
    std::vector<std::string> lines = loadLines(dataRoot(base) / "TACO" / "Ingrediente" / "ArqIng.dad");
    for (std::size_t i = 0; i < lines.size(); ++i)
        lines[i] = UnscrambleLine(i, lines[i]);
    return lines;
}

inline fs::path indexPath(const fs::path& base)
{
    return PreparationIndexPath(base, kTable);
}
inline fs::path prepPath(const fs::path& base, const std::string& name)
{
    return PreparationFilePath(base, kTable, name40(name));
}

/** One preparation, "Sopa": yield 500, per-capita yield 100, no tablespoon;
 *  "Leite" (net weight 50,0, energy 100,00 per 100 g, cost 4,00 per kg) and
 *  "Sal" (energy 20,00 in the line). */
inline void writeSoup(const fs::path& base)
{
    IndexFields idx = blankIndex(name40("Sopa"));
    idx[IdxField::Yield] = "   500";
    idx[IdxField::PortionYield] = "   100";
    idx[IdxField::Energy] = "    70,00";
    idx[IdxField::PerCapitaEnergy] = "    14,00";
    SaveLines(ensureFile(indexPath(base)), {joinFields(idx)});
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
    lines.add(joinFields(milk));
    lines.add(joinFields(salt));
    SaveRecordFile(ensureFile(prepPath(base, "Sopa")), lines);
}

inline std::string milkRecord()
{
    return ingredient("Leite", {{IngField::Energy, " 100,00"},
                                {IngField::FC, "  1,10"},
                                {IngField::UnitCost, "     4,00"},
                                {IngField::QuoteDate, "01/02/24"},
                                {IngField::FirstSource, "TACO"}});
}

/** Closes the usage warning that a change or delete of a used ingredient shows. */
inline std::shared_ptr<bool> continueAfterUsageWarning()
{
    return onNextModal<TIteVerForm>([](TIteVerForm& f) { click(*f.BitBtn3); });
}

/** The offscreen platform does not give the activation back to the window
 *  under a modal window that closed; without it no field would be left. */
inline bool reactivate(QWidget& window)
{
    QApplication::setActiveWindow(&window);
    return QTest::qWaitFor([&] { return QApplication::activeWindow() == &window; }, 2000);
}

struct Fixture {
    GuiEnvironment env;
    TCadIngForm form{env.context()};
    explicit Fixture(bool editable = true) { form.handOver({kTable, editable}); }
    /** The usage warning window the register opens. */
    TIteVerForm& iteVer() { return env.shared().usage(); }
    const fs::path& base() const { return env.base(); }
};

/** Shows a stored ingredient by typing its name. */
inline void show(Fixture& f, const QString& name)
{
    typeInto(*f.form.IngMaskEdit, name);
    leaveTowards(*f.form.IngMaskEdit, *f.form.NovBitBtn);
    QCOMPARE(f.form.mode(), RegisterMode::Showing);
}

/** Replaces the text of a value edit by typing and leaves it. */
inline void retype(TMaskEdit& edit, QWidget& next, const QString& text)
{
    edit.clearText();
    typeInto(edit, text);
    leaveTowards(edit, next);
}

} // namespace treluza::test
