#pragma once
// What the preparation window tests share: a table "Casa" with three
// ingredients (one with a household measure), the preparation register with
// the windows it opens, and helpers that type into the ingredient window.
#include "core/records/IngredientRecord.h"
#include "core/records/PreparationRecords.h"
#include "core/store/CriUnit.h"
#include "core/store/FileIo.h"
#include "core/store/Paths.h"
#include "core/store/RecordList.h"
#include "gui/dialogs/AltNomUnit.h"
#include "gui/dialogs/ConUnit.h"
#include "gui/dialogs/LisUnit.h"
#include "gui/lists/VisLisUnit.h"
#include "gui/preparations/CadIngTreluzaUnit.h"
#include "gui/preparations/CadTreluzaRotUnit.h"
#include "gui/widgets/BitBtn.h"
#include "gui/widgets/MaskEdit.h"
#include "harness/GuiHarness.h"
#include "support/Names.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QtTest>

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
    return MakeLine(f);
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
        list.add(MakeLine(f));
    }
    NullProgress none;
    SaveScrambledFile(IngredientFilePath(base, kTable), list, none);
    SaveLines(MeasureFilePath(base, kTable, name60("Oleo"), true), {name20("Colher sopa") + "|     8,0|"});
}

/** The register with the windows it opens, on a fresh base folder. */
struct Kitchen {
    GuiEnvironment env;
    TLisForm lis;
    TConForm con;
    TAltNomForm altNom;
    TVisLisForm visLis{env.context()};
    TCadIngTreluzaForm ingredients{env.context()};
    TCadTreluzaRotForm form{env.context()};
    Kitchen()
    {
        env.context().lisForm = &lis;
        env.context().altNomForm = &altNom;
        env.context().visLisForm = &visLis;
        env.context().activeTableEditable = true;
        writeKitchen(env.base());
        form.plugWindows(&ingredients, nullptr, nullptr);
        form.handOver(kTable);
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

/** The offscreen platform does not give the activation back to the window
 *  under a modal window that closed. */
inline bool reactivate(QWidget& window)
{
    QApplication::setActiveWindow(&window);
    return QTest::qWaitFor([&] { return QApplication::activeWindow() == &window; }, 2000);
}

} // namespace treluza::test
