#pragma once
// What the preparation window tests share: a table "Casa" with three
// ingredients (one with a household measure), the preparation register with
// the windows it opens, and helpers that type into the ingredient window.
#include "core/records/IngredientRecord.h"
#include "core/records/PreparationRecords.h"
#include "core/store/CriUnit.h"
#include "core/store/FileIo.h"
#include "core/store/KeyedRecords.h"
#include "core/store/Paths.h"
#include "gui/dialogs/AltNomUnit.h"
#include "gui/dialogs/ConUnit.h"
#include "gui/dialogs/LisUnit.h"
#include "gui/lists/VisLisUnit.h"
#include "gui/preparations/CadIngTreluzaUnit.h"
#include "gui/preparations/CadTreluzaRotUnit.h"
#include "gui/preparations/LinePanel.h"
#include "gui/preparations/RecipeValues.h"
#include "gui/widgets/BitBtn.h"
#include "gui/widgets/MaskEdit.h"
#include "harness/GuiHarness.h"
#include "support/Names.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QtTest>

#include <functional>
#include <map>

namespace treluza::test {

namespace fs = std::filesystem;
using testing::name20;
using testing::name40;
using testing::name60;

inline const std::string kTable = name20("Casa");

/** An ingredient record with the given fields over a blank one. */
inline std::string ingredientRecord(const std::string& name,
                                    std::initializer_list<std::pair<int, std::string>> fields)
{
    IngredientFields f = blankIngredient(name60(name));
    for (const auto& [n, text] : fields)
        f[n] = text;
    return ingredientRecordLine(f);
}

/** Batata: 350,00 kcal and unit cost 4,00 per kg. Feijao: 329,00 kcal.
 *  Oleo: 884,00 kcal, with the measure "Colher sopa" of 8,0 g. Every other
 *  value is filled so that no warning about a missing value is shown. */
inline void writeKitchen(const fs::path& base)
{
    // Per 100 g, carbohydrate to sodium, the same for the three.
    const std::pair<int, const char*> values[] = {
        {IngField::Carbohydrate, "  10,00"}, {IngField::Protein, "   2,00"},
        {IngField::TotalFat, "   1,00"},     {IngField::SaturatedFat, "   0,50"},
        {IngField::Cholesterol, "   0,00"},  {IngField::Fibre, "   3,00"},
        {IngField::Calcium, "  20,00"},      {IngField::Iron, "   1,00"},
        {IngField::Sodium, "    5,00"}};
    RecordList list(true);
    for (const auto& [name, energy] :
         {std::pair{"Batata", " 350,00"}, {"Feijao", " 329,00"}, {"Oleo", " 884,00"}}) {
        IngredientFields f = blankIngredient(name60(name));
        f[IngField::Energy] = energy;
        for (const auto& [n, text] : values)
            f[n] = text;
        if (std::string(name) == "Batata")
            f[IngField::UnitCost] = "     4,00";
        list.add(ingredientRecordLine(f));
    }
    NullProgress none;
    SaveScrambledFile(ensureFile(IngredientFilePath(base, kTable)), list, none);
    SaveLines(ensureFile(MeasureFilePath(base, kTable, name60("Oleo"))),
              {name20("Colher sopa") + "|     8,0|"});
}

/** The register with the windows it opens, on a fresh base folder. */
struct Kitchen {
    GuiEnvironment env;
    TCadTreluzaRotForm form{env.context()};
    Kitchen()
    {
        writeKitchen(env.base());
        form.handOver({kTable, true});
    }
    const fs::path& base() const { return env.base(); }
    fs::path indexPath() const { return PreparationIndexPath(env.base(), kTable); }
    fs::path linesPath(const std::string& name) const
    {
        return PreparationFilePath(env.base(), kTable, name40(name));
    }
};

/** Types a new text into an edit of the register or the ingredient window
 *  and leaves it towards next. */
inline void enter(TMaskEdit& edit, const QString& text, QWidget& next)
{
    edit.clearText();
    typeInto(edit, text);
    leaveTowards(edit, next);
}

/** Chooses an ingredient in the ingredient window's combo and leaves it. */
inline void chooseIngredient(TCadIngTreluzaForm& w, const QString& name)
{
    w.NomIngComboBox->setFocus();
    w.NomIngComboBox->setCurrentIndex(w.NomIngComboBox->findText(name, Qt::MatchStartsWith));
    // Tab from the combo reaches the list first: the line's fields are off.
    leaveTowards(*w.NomIngComboBox, *w.IngTreluzaListBox);
}

/** Adds ingredient records to the kitchen's ingredient file. */
inline void addIngredients(const fs::path& base, const std::vector<std::string>& records)
{
    const fs::path file = IngredientFilePath(base, kTable);
    KeyedRecords list;
    NullProgress none;
    LoadScrambledFile(file, list, none);
    for (const std::string& r : records)
        list.add(r);
    writeFileAtomic(file, scrambledFileBytes(list.records(), none));
}

/** An index line with a yield of 1000 in 4 portions of 250 and a tablespoon
 *  of 15, no group and the date given: the whole-recipe, per-capita and
 *  per-tablespoon values in the order energy to sodium, then the cost (values
 *  not given stay blank). */
inline std::string sheetLine(const std::string& name, const std::vector<const char*>& whole,
                             const std::vector<const char*>& perCapita,
                             const std::vector<const char*>& perSpoon, const char* date = "  /  /    ")
{
    IndexFields f = blankIndex(name40(name));
    f[IdxField::Yield] = "  1000";
    f[IdxField::Portions] = "     4";
    f[IdxField::PortionYield] = "   250";
    f[IdxField::Tablespoon] = "    15";
    for (std::size_t k = 0; k < kRecipeValues.size(); ++k) {
        if (k < whole.size())
            f[kRecipeValues[k].index] = whole[k];
        if (k < perCapita.size())
            f[kRecipeValues[k].perCapita] = perCapita[k];
        if (k < perSpoon.size())
            f[kRecipeValues[k].perSpoon] = perSpoon[k];
    }
    f[IdxField::Date] = date;
    return joinFields(f);
}

/** Every file under a folder with its bytes, by path relative to it ("/"
 *  between folders, names as the file manager shows them). */
using Snapshot = std::map<std::string, std::string>;
inline Snapshot snapshot(const fs::path& folder)
{
    Snapshot files;
    for (const auto& e : fs::recursive_directory_iterator(folder)) {
        if (e.is_regular_file())
            files[fs::relative(e.path(), folder).generic_string()] = readWholeFile(e.path());
    }
    return files;
}

/** A snapshot as lines "path: bytes" (line breaks shown as \r\n), so that a
 *  failed comparison names the file. */
inline QStringList listing(const Snapshot& files)
{
    QStringList out;
    for (const auto& [path, bytes] : files) {
        QString text = QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
        text.replace(QStringLiteral("\r"), QStringLiteral("\\r"))
            .replace(QStringLiteral("\n"), QStringLiteral("\\n"));
        out << QString::fromStdString(path) + QStringLiteral(": ") + text;
    }
    return out;
}

/** Opens the register and shows a stored preparation by its name. */
inline bool showPreparation(Kitchen& k, const QString& name)
{
    if (!openForm(k.form))
        return false;
    typeInto(*k.form.NomPreMaskEdit, name);
    leaveTowards(*k.form.NomPreMaskEdit, *k.form.NovBitBtn);
    return k.form.mode() == RegisterMode::Showing;
}

/** Runs fn in the ingredient window opened by "&Ingredientes"; fn must close
 *  it. False when the window did not open. */
inline bool inIngredientWindow(Kitchen& k, std::function<void(TCadIngTreluzaForm&)> fn)
{
    auto ran = onNextModal<TCadIngTreluzaForm>(std::move(fn));
    click(*k.form.IngBitBtn);
    return *ran;
}

/** Checks that the edits show what the window computes as read-only fields:
 *  on the window's colour, no "_" to type over, no focus taken from a click
 *  (it stays on from) nor from Tab. */
inline void expectDisplayOnly(QWidget& window, const std::vector<TMaskEdit*>& edits, QWidget& from)
{
    from.setFocus();
    for (TMaskEdit* e : edits) {
        QVERIFY2(e->isReadOnly(), qPrintable(e->objectName()));
        QVERIFY2(!e->shownText().contains(u'_'), qPrintable(e->objectName() + u' ' + e->shownText()));
        QCOMPARE(e->palette().color(QPalette::Base), window.palette().color(QPalette::Window));
        QTest::mouseClick(e, Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), &from);
    }
    // A whole round of Tab stops on none of them.
    for (int i = 0; i < 60; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY2(std::find(edits.begin(), edits.end(), QApplication::focusWidget()) == edits.end(),
                 qPrintable(QApplication::focusWidget()->objectName()));
    }
}

/** The offscreen platform does not give the activation back to the window
 *  under a modal window that closed. */
inline bool reactivate(QWidget& window)
{
    QApplication::setActiveWindow(&window);
    return QTest::qWaitFor([&] { return QApplication::activeWindow() == &window; }, 2000);
}

} // namespace treluza::test
