#include "core/ingredients/IngredientList.h"
#include "core/lists/Keywords.h"
#include "core/records/IngredientRecord.h"
#include "core/store/Cp1252.h"

#include <gtest/gtest.h>

namespace treluza {
namespace {

std::string food(const char* name, const char* group, const char* energy)
{
    IngredientFields f = blankIngredient(cp(name) + std::string(60 - cp(name).size(), ' '));
    f[IngField::Group] = *group ? cp(group) + std::string(20 - cp(group).size(), ' ') : std::string();
    f[IngField::Energy] = energy;
    return ingredientRecordLine(f);
}

std::vector<std::string> names(const std::vector<std::string>& lines, const std::vector<int>& rows)
{
    std::vector<std::string> out;
    for (int r : rows) {
        const std::string& l = lines[static_cast<std::size_t>(r)];
        out.push_back(toUtf8(l.substr(0, l.find_last_not_of(' ', l.find('|') - 1) + 1)));
    }
    return out;
}

TEST(IngredientList, HeaderStandsOverTheFields)
{
    const std::string header = ingredientListHeader();
    EXPECT_EQ(header, std::string(24, ' ') + "INGREDIENTE" + std::string(25, ' ') +
                          "| KCAL  |  CHO  |  PTN  |G.TOTAL|G.SATUR|COLESTE|");
    // Each "|" of the header falls where the record line has one.
    const std::string line = food("Arroz", "", " 124,00");
    for (std::size_t i = 0; i < header.size(); ++i) {
        if (header[i] == '|') {
            EXPECT_EQ(line[i], '|') << i;
        }
    }
}

TEST(IngredientList, FiltersCombineAndOrderByValue)
{
    const std::vector<std::string> lines = {
        food("Açúcar, refinado", "Açucarados", " 387,00"),
        food("Arroz branco, cozido", "Cereais", " 128,00"),
        food("Arroz, integral, cozido", "Cereais", " 124,00"),
        food("Arroz doce", "cereais", "  95,00"),
        food("Feijão, branco", "Leguminosas", "    ,  "),
        food("Manteiga", "", " 726,00"),
    };
    IngredientQuery q;
    EXPECT_EQ(BuildList(lines, q).size(), lines.size());

    q.groupFilter = true;
    q.group = cp("Cereais             ");
    EXPECT_EQ(names(lines, BuildList(lines, q)),
              (std::vector<std::string>{"Arroz branco, cozido", "Arroz, integral, cozido"}));

    q.orderField = IngField::Energy;
    EXPECT_EQ(names(lines, BuildList(lines, q)),
              (std::vector<std::string>{"Arroz, integral, cozido", "Arroz branco, cozido"}));

    q.groupFilter = false;
    q.keywordFilter = true;
    q.keywords = SplitKeywords("ARROZ");
    EXPECT_EQ(names(lines, BuildList(lines, q)),
              (std::vector<std::string>{"Arroz doce", "Arroz, integral, cozido", "Arroz branco, cozido"}));

    // The keyword box checked with no keyword lets everything through.
    q.keywords.clear();
    EXPECT_EQ(names(lines, BuildList(lines, q)).front(), "Feijão, branco"); // blank energy first
    q.keywords = SplitKeywords("ARROZ  DOCE");
    EXPECT_TRUE(BuildList(lines, q).empty());
}

} // namespace
} // namespace treluza
