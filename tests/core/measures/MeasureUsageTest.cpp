#include "core/measures/MeasureUsage.h"
#include "core/store/Cp1252.h"
#include "core/store/FileIo.h"
#include "core/store/Paths.h"
#include "core/store/RecordList.h"
#include "core/store/StrUnit.h"

#include "support/TempFolder.h"

#include "support/Names.h"

#include <gtest/gtest.h>

namespace treluza {
namespace {

using testing::pad;

// An ingredient line with its 60-character ingredient (field 1) and its
// 20-character measure (field 11); the other fields hold their own numbers.
std::string line(const std::string& ingredient, const std::string& measure)
{
    std::string line;
    for (int f = 1; f <= 22; ++f)
        SetFieldOf(f, line, std::to_string(f));
    SetFieldOf(1, line, pad(cp(ingredient.c_str()), 60));
    SetFieldOf(11, line, pad(cp(measure.c_str()), 20));
    return line;
}

class MeasureUsageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto prep = [&](const char* name, std::vector<std::string> lines) {
            SaveLines(ensureFile(PreparationFilePath(base.path(), table, pad(cp(name), 40))), lines);
            index.push_back(pad(cp(name), 40) + "|   500|");
        };
        prep("Arroz doce", {line("Arroz", "Colher de sopa"), line("Leite", "Xícara")});
        prep("Feijoada", {line("Feijão", "Colher de sopa"), line("Arroz", "Xícara")});
        prep("Pão/queijo", {line("Arroz", "Colher de sopa"), line("Arroz", "Colher de sopa")});
        SaveLines(ensureFile(PreparationIndexPath(base.path(), table)), index);
    }
    std::vector<std::string> lines(const char* prep)
    {
        return loadLines(PreparationFilePath(base.path(), table, pad(cp(prep), 40)));
    }

    TempFolder base;
    std::string table = "T";
    std::vector<std::string> index;
    NullProgress progress;
    std::string arroz = pad("Arroz", 60);
    std::string spoon = pad("Colher de sopa", 20);
};

TEST_F(MeasureUsageTest, ChangeIsBlockedOnlyByLinesOfTheSameIngredient)
{
    const auto found = scanMeasureUse(base.path(), table, arroz, spoon, MeasureOperation::Change, progress);
    ASSERT_EQ(found.size(), 9u); // Arroz doce once, Pão/queijo twice
    EXPECT_EQ(found[0], cp("Preparação  : ") + pad("Arroz doce", 40));
    EXPECT_EQ(found[1], "Ingrediente : " + arroz);
    EXPECT_EQ(found[2], std::string(73, '-'));
    EXPECT_EQ(found[3], cp("Preparação  : ") + pad(cp("Pão/queijo"), 40));
    EXPECT_TRUE(
        scanMeasureUse(base.path(), table, pad("Leite", 60), spoon, MeasureOperation::Change, progress)
            .empty());
}

TEST_F(MeasureUsageTest, DeleteIsBlockedByAnyLine)
{
    const auto found =
        scanMeasureUse(base.path(), table, pad("Leite", 60), spoon, MeasureOperation::Delete, progress);
    ASSERT_EQ(found.size(), 12u);
    EXPECT_EQ(found[4], "Ingrediente : " + pad(cp("Feijão"), 60));
}

TEST_F(MeasureUsageTest, RenameTouchesOnlyFieldElevenOfThisIngredient)
{
    const auto beforeFeijoada = lines("Feijoada");
    const auto beforeArroz = lines("Arroz doce");
    const std::string spoonNew = pad("Colher grande", 20);
    EXPECT_EQ(carryMeasureRename(base.path(), table, arroz, spoon, spoonNew, progress), 3);
    const auto afterArroz = lines("Arroz doce");
    EXPECT_EQ(afterArroz[0], line("Arroz", "Colher grande"));
    EXPECT_EQ(afterArroz[1], beforeArroz[1]);
    EXPECT_EQ(lines("Feijoada"), beforeFeijoada); // Feijão keeps its spoon
    EXPECT_EQ(lines("Pão/queijo"),
              (std::vector<std::string>{line("Arroz", "Colher grande"), line("Arroz", "Colher grande")}));
    // Exact case: a lower-case old name matches nothing.
    EXPECT_EQ(carryMeasureRename(base.path(), table, arroz, pad("colher grande", 20), spoon, progress), 0);
}

TEST_F(MeasureUsageTest, MessagesAndBrokenIndexLines)
{
    EXPECT_EQ(measureInUseMessage(MeasureOperation::Delete, spoon).substr(0, 40),
              cp(" A medida caseira <<<Colher de sopa>>>//"));
    // An index line whose name cannot name a file, and one without bars, are walked harmlessly.
    SaveLines(ensureFile(PreparationIndexPath(base.path(), table)), {"..|", "", std::string(5000, 'x')});
    EXPECT_TRUE(scanMeasureUse(base.path(), table, arroz, spoon, MeasureOperation::Delete, progress).empty());
}

} // namespace
} // namespace treluza
