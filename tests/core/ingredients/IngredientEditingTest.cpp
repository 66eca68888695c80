#include "ingredients/IngredientEditing.h"

#include "TempFolder.h"
#include "store/Cp1252.h"
#include "store/FileIo.h"
#include "store/Paths.h"

#include <gtest/gtest.h>

namespace treluza {
namespace {

namespace fs = std::filesystem;

TEST(QuoteDate, AcceptsCalendarDaysWithBlanksAroundNumbers)
{
    EXPECT_TRUE(IsValidQuoteDate("01/02/24"));
    EXPECT_TRUE(IsValidQuoteDate(" 1/ 2/24"));
    EXPECT_TRUE(IsValidQuoteDate("31/12/99"));
    EXPECT_TRUE(IsValidQuoteDate("29/02/24"));
    EXPECT_TRUE(IsValidQuoteDate("29/02/00")); // 2000 was a leap year
    EXPECT_TRUE(IsValidQuoteDate("5 /6 /7 "));
}

TEST(QuoteDate, RefusesWhatNamesNoDay)
{
    for (const char* text :
         {"29/02/23", "31/04/24", "00/01/24", "01/13/24", "01/00/24", "32/01/24", "  /  /  ", "  /02/24",
          "01/02/  ", "1a/02/24", "01-02-24", "01/02/24/", "", "123/1/24"})
        EXPECT_FALSE(IsValidQuoteDate(text)) << text;
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
    MoveMeasureFile(base(), "TACO", "Leite" + std::string(55, ' '), Cp("Leite/pó") + std::string(52, ' '));
    EXPECT_FALSE(fs::exists(measures() / "Leite.med"));
    EXPECT_EQ(ReadWholeFile(measures() / NamePath(Cp("Leite_pó.med"))),
              "Copo                |  200,0|\r\nX\xED"
              "cara|240|\r\n");
}

TEST_F(MeasureFiles, MoveWithoutMeasuresLeavesNoFileUnderEitherName)
{
    MoveMeasureFile(base(), "TACO", "Leite", "Queijo");
    EXPECT_FALSE(fs::exists(measures() / "Leite.med"));
    EXPECT_FALSE(fs::exists(measures() / "Queijo.med"));

    folder.write("Dados/TACO/Medidas/Leite.med", "");
    folder.write("Dados/TACO/Medidas/Queijo.med", "Fatia|\r\n");
    MoveMeasureFile(base(), "TACO", "Leite", "Queijo");
    EXPECT_FALSE(fs::exists(measures() / "Leite.med"));
    EXPECT_EQ(ReadWholeFile(measures() / "Queijo.med"), "Fatia|\r\n"); // an empty file moves nothing
}

TEST_F(MeasureFiles, DeleteRemovesOnlyAnExistingFileAndCreatesNone)
{
    EXPECT_FALSE(DeleteMeasureFile(base(), "TACO", "Leite   "));
    EXPECT_FALSE(fs::exists(measures() / "Leite.med"));
    folder.write("Dados/TACO/Medidas/Leite.med", "Copo|\r\n");
    folder.write("Dados/TACO/Medidas/Leite em p\xC3\xB3.med", "Copo|\r\n");
    EXPECT_TRUE(DeleteMeasureFile(base(), "TACO", "Leite   "));
    EXPECT_FALSE(fs::exists(measures() / "Leite.med"));
    EXPECT_TRUE(fs::exists(measures() / NamePath(Cp("Leite em pó.med"))));
}

TEST_F(MeasureFiles, UnusableNamesThrowInsteadOfTouchingTheDataRoot)
{
    EXPECT_THROW(DeleteMeasureFile(base(), "TACO", "   "), UnusableNameError);
    folder.write("Dados/TACO/Medidas/Leite.med", "Copo|\r\n");
    EXPECT_THROW(MoveMeasureFile(base(), "TACO", "Leite", ".."), UnusableNameError);
    EXPECT_TRUE(fs::exists(measures() / "Leite.med"));
}

} // namespace
} // namespace treluza
