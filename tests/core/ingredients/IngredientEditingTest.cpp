#include "core/ingredients/IngredientEditing.h"

#include "core/store/Cp1252.h"
#include "core/store/FileIo.h"
#include "core/store/Paths.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace treluza {
namespace {

namespace fs = std::filesystem;

TEST(QuoteDate, AcceptsCalendarDaysWithBlanksAroundNumbers)
{
    EXPECT_TRUE(isValidQuoteDate("01/02/24"));
    EXPECT_TRUE(isValidQuoteDate(" 1/ 2/24"));
    EXPECT_TRUE(isValidQuoteDate("31/12/99"));
    EXPECT_TRUE(isValidQuoteDate("29/02/24"));
    EXPECT_TRUE(isValidQuoteDate("29/02/00")); // 2000 was a leap year
    EXPECT_TRUE(isValidQuoteDate("5 /6 /7 "));
}

TEST(QuoteDate, RefusesWhatNamesNoDay)
{
    for (const char* text :
         {"29/02/23", "31/04/24", "00/01/24", "01/13/24", "01/00/24", "32/01/24", "  /  /  ", "  /02/24",
          "01/02/  ", "1a/02/24", "01-02-24", "01/02/24/", "", "123/1/24"})
        EXPECT_FALSE(isValidQuoteDate(text)) << text;
}

class MeasureFiles : public ::testing::Test {
protected:
    TempFolder folder;
    const fs::path& base() const { return folder.path(); }
    fs::path measures() const { return base() / "Dados" / "TACO" / "Medidas"; }
};

TEST_F(MeasureFiles, MoveCarriesTheLinesToTheNewStemAndDeletesTheOldFile)
{
    folder.write("Dados/TACO/Medidas/Leite.med", "Copo                |  200,0|\r\nX\xED"
                                                 "cara|240|\r\n");
    moveMeasureFile(base(), "TACO", "Leite" + std::string(55, ' '), cp("Leite/pó") + std::string(52, ' '));
    EXPECT_FALSE(fs::exists(measures() / "Leite.med"));
    EXPECT_EQ(readWholeFile(measures() / namePath(cp("Leite_pó.med"))),
              "Copo                |  200,0|\r\nX\xED"
              "cara|240|\r\n");
}

TEST_F(MeasureFiles, MoveWithoutMeasuresLeavesNoFileUnderEitherName)
{
    moveMeasureFile(base(), "TACO", "Leite", "Queijo");
    EXPECT_FALSE(fs::exists(measures() / "Leite.med"));
    EXPECT_FALSE(fs::exists(measures() / "Queijo.med"));

    folder.write("Dados/TACO/Medidas/Leite.med", "");
    folder.write("Dados/TACO/Medidas/Queijo.med", "Fatia|\r\n");
    moveMeasureFile(base(), "TACO", "Leite", "Queijo");
    EXPECT_FALSE(fs::exists(measures() / "Leite.med"));
    EXPECT_EQ(readWholeFile(measures() / "Queijo.med"), "Fatia|\r\n"); // an empty file moves nothing
}

TEST_F(MeasureFiles, DeleteRemovesOnlyAnExistingFileAndCreatesNone)
{
    EXPECT_FALSE(deleteMeasureFile(base(), "TACO", "Leite   "));
    EXPECT_FALSE(fs::exists(measures() / "Leite.med"));
    folder.write("Dados/TACO/Medidas/Leite.med", "Copo|\r\n");
    folder.write("Dados/TACO/Medidas/Leite em p\xC3\xB3.med", "Copo|\r\n");
    EXPECT_TRUE(deleteMeasureFile(base(), "TACO", "Leite   "));
    EXPECT_FALSE(fs::exists(measures() / "Leite.med"));
    EXPECT_TRUE(fs::exists(measures() / namePath(cp("Leite em pó.med"))));
}

TEST_F(MeasureFiles, UnusableNamesThrowInsteadOfTouchingTheDataRoot)
{
    EXPECT_THROW(deleteMeasureFile(base(), "TACO", "   "), UnusableNameError);
    folder.write("Dados/TACO/Medidas/Leite.med", "Copo|\r\n");
    EXPECT_THROW(moveMeasureFile(base(), "TACO", "Leite", ".."), UnusableNameError);
    EXPECT_TRUE(fs::exists(measures() / "Leite.med"));
}

} // namespace
} // namespace treluza
