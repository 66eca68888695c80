// The composition table delivered with the program, as the build wrote it,
// checked against the published CSV files it came from; and the faults in the
// data that stop the build.
#include "taco/TacoTable.h"
#include "core/records/IngredientRecord.h"
#include "core/store/Collation.h"
#include "core/store/Cp1252.h"
#include "core/store/CriUnit.h"
#include "core/store/FileIo.h"
#include "core/store/RecordList.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <set>

namespace treluza {
namespace {

namespace fs = std::filesystem;
using Row = std::map<std::string, std::string>;

const fs::path kData = TRELUZA_TACO_DATA;
const fs::path kDelivered = fs::path(TRELUZA_DELIVERED_TABLES) / "TACO";

/** The rows of one of the CSV files, by header (UTF-8). These files have no
 *  quote inside a quoted field and no line break inside a field. */
std::vector<Row> csvRows(const fs::path& path)
{
    const auto split = [](const std::string& line) {
        std::vector<std::string> fields(1);
        bool quoted = false;
        for (const char c : line) {
            if (c == '"')
                quoted = !quoted;
            else if (c == ',' && !quoted)
                fields.emplace_back();
            else if (c != '\r')
                fields.back() += c;
        }
        return fields;
    };
    std::ifstream in(path, std::ios::binary);
    std::string line;
    std::getline(in, line);
    const std::vector<std::string> header = split(line);
    std::vector<Row> rows;
    while (std::getline(in, line)) {
        const std::vector<std::string> fields = split(line);
        EXPECT_EQ(fields.size(), header.size()) << line;
        Row row;
        for (std::size_t i = 0; i < header.size() && i < fields.size(); ++i)
            row[header[i]] = fields[i];
        rows.push_back(row);
    }
    return rows;
}

std::string padded(const std::string& utf8, std::size_t width)
{
    std::string s = cp(utf8);
    return s + std::string(width - std::min(width, s.size()), ' ');
}

/** What a value of the published table must read as in a field of the width:
 *  NA blank, traces 0,00, otherwise the number with two decimals after a comma. */
std::string expectedField(const std::string& csv, std::size_t width)
{
    if (csv == "NA")
        return std::string(width - 3, ' ') + ",  ";
    const std::string number = csv == "1e-05" ? "0" : csv;
    const std::size_t point = number.find('.');
    std::string decimals = point == std::string::npos ? "" : number.substr(point + 1);
    EXPECT_LE(decimals.size(), 2u) << csv;
    decimals.resize(2, '0');
    const std::string text = number.substr(0, point) + "," + decimals;
    return std::string(width - text.size(), ' ') + text;
}

TEST(TacoTable, EveryFoodMatchesThePublishedTable)
{
    std::map<std::string, std::string> shortNames; // food number -> name
    for (const Row& r : csvRows(kData / "nomes.csv"))
        shortNames[r.at("Número do Alimento")] = r.at("Nome");
    std::map<std::string, std::string> groups; // category -> group
    for (const Row& r : csvRows(kData / "grupos.csv"))
        groups[r.at("Categoria do alimento")] = r.at("Grupo");
    std::map<std::string, std::string> saturated; // food number -> saturated fat
    for (const Row& r : csvRows(kData / "acidos-graxos.csv"))
        saturated[r.at("Número do Alimento")] = r.at("Saturados..g.");

    // The file unscrambled line by line, each by its place in the file.
    const std::vector<std::string> scrambled = loadLines(kDelivered / "ArqIng.dad");
    std::map<std::string, std::string> byName;
    std::string previous;
    for (std::size_t i = 0; i < scrambled.size(); ++i) {
        const std::string line = UnscrambleLine(i, scrambled[i]);
        EXPECT_EQ(std::count(line.begin(), line.end(), '|'), 30) << toUtf8(line);
        EXPECT_EQ(line.back(), '|');
        EXPECT_LT(compareText(previous, line), 0) << "not in order: " << toUtf8(line);
        previous = line;
        byName[keyOf(line)] = line;
    }

    const std::vector<Row> foods = csvRows(kData / "alimentos.csv");
    ASSERT_EQ(foods.size(), 597u);
    ASSERT_EQ(scrambled.size(), foods.size());
    const std::string source = cp("TACO 4ª edição");
    const std::pair<int, const char*> columns[] = {
        {2, "Energia..kcal."}, {3, "Carboidrato..g."}, {4, "Proteína..g."},
        {5, "Lipídeos..g."},   {7, "Colesterol..mg."}, {8, "Fibra.Alimentar..g."},
        {9, "Cálcio..mg."},    {10, "Ferro..mg."},     {11, "Sódio..mg."},
    };
    for (const Row& food : foods) {
        const std::string& number = food.at("Número do Alimento");
        const auto renamed = shortNames.find(number);
        const std::string name =
            padded(renamed == shortNames.end() ? food.at("Descrição dos alimentos") : renamed->second, 60);
        ASSERT_EQ(name.size(), 60u) << number;
        ASSERT_TRUE(byName.count(name)) << "food " << number << " is missing";
        const IngredientFields got = readIngredient(byName[name]);
        SCOPED_TRACE("food " + number);

        std::vector<std::pair<int, std::string>> values;
        for (const auto& [field, column] : columns)
            values.emplace_back(field, food.at(column));
        const auto fat = saturated.find(number);
        values.emplace_back(6, fat == saturated.end() ? "NA" : fat->second);
        for (const auto& [field, csv] : values) {
            EXPECT_EQ(got[field], expectedField(csv, field == 11 ? 8 : 7)) << "field " << field;
            // Sources follow their values: fields 2 to 11 have theirs in 18 to 27.
            const std::string expectedSource = csv == "NA" ? "" : csv == "1e-05" ? source + " (Tr)" : source;
            EXPECT_EQ(got[field + 16], expectedSource) << "source of field " << field;
        }
        EXPECT_EQ(got[12], "");
        EXPECT_EQ(got[13], padded(groups.at(food.at("Categoria do alimento")), 20));
        EXPECT_EQ(got[14], "   ,  ");
        EXPECT_EQ(got[15], "   ,  ");
        EXPECT_EQ(got[16], "      ,  ");
        EXPECT_EQ(got[17], "  /  /  ");
        for (int f = 28; f <= 30; ++f)
            EXPECT_EQ(got[f], "") << "field " << f;
    }
}

TEST(TacoTable, RegistryLineAndGroups)
{
    EXPECT_EQ(readWholeFile(kDelivered / "ArqTab.dad"),
              padded("TACO 4ª edição", 20) +
                  cp("|TACO 4ª ed. - NEPA/UNICAMP 2011 - valores por 100 g|0|\r\n"));

    std::set<std::string> expected;
    for (const Row& r : csvRows(kData / "grupos.csv"))
        expected.insert(padded(r.at("Grupo"), 20) + "|");
    const std::vector<std::string> lines = loadLines(kDelivered / "ArqGruIng.dad");
    EXPECT_EQ(std::set<std::string>(lines.begin(), lines.end()), expected);
    EXPECT_EQ(lines.size(), 15u);
    EXPECT_TRUE(std::is_sorted(lines.begin(), lines.end(), [](const std::string& a, const std::string& b) {
        return compareText(a, b) < 0;
    }));
}

// A small table in the form of the published one: each case changes one file
// and the build must refuse it, naming the fault.
TEST(TacoTable, FaultsInTheDataStopTheBuild)
{
    const std::string header = "\"Número do Alimento\",\"Categoria do alimento\",\"Descrição dos alimentos\","
                               "\"Energia..kcal.\",\"Proteína..g.\",\"Lipídeos..g.\",\"Colesterol..mg.\","
                               "\"Carboidrato..g.\",\"Fibra.Alimentar..g.\",\"Cálcio..mg.\",\"Ferro..mg.\","
                               "\"Sódio..mg.\"\n";
    const auto food = [](const char* number, const char* name, const char* energy = "124") {
        return std::string(number) + ",\"Frutas e derivados\",\"" + name + "\"," + energy +
               ",2.6,1,NA,25.8,2.7,5,0.3,1e-05\n";
    };
    const std::string fats = "\"Número do Alimento\",\"Saturados..g.\"\n1,0.3\n";
    const std::string groups = "\"Categoria do alimento\",\"Grupo\"\n\"Frutas e derivados\",\"Frutas\"\n";
    const std::string names = "\"Número do Alimento\",\"Descrição dos alimentos\",\"Nome\"\n";
    const std::string tooLong = "Margarina, com óleo interesterificado, com sal (65%de lipídeos)";

    struct Case {
        const char* what;
        std::string foods, fats, groups, names;
        const char* message; // a part of the error message
    };
    const std::string ok = header + food("1", "Abacate, cru") + food("2", "Maçã, crua");
    const Case cases[] = {
        {"a name too long", header + food("1", tooLong.c_str()), fats, groups, names, "longer than 60"},
        {"a name shortened by hand", header + food("1", tooLong.c_str()), fats, groups,
         names + "1,\"" + tooLong + "\",\"Margarina, óleo interesterificado, com sal (65% de lipídeos)\"\n",
         ""},
        {"a shorter name for another description", ok, fats, groups,
         names + "1,\"Abacate\",\"Abacate cru\"\n", "described as"},
        {"names equal but for case and accents", header + food("1", "Maçã, crua") + food("2", "MACA, CRUA"),
         fats, groups, names, "is taken by food 1"},
        {"a category without a group", ok, fats, "\"Categoria do alimento\",\"Grupo\"\n", names,
         "has no group"},
        {"a group name too long", ok, fats,
         "\"Categoria do alimento\",\"Grupo\"\n\"Frutas e derivados\",\"Frutas e seus derivados\"\n", names,
         "longer than 20"},
        {"a value beyond its field", header + food("1", "Abacate, cru", "10000"), fats, groups, names,
         "does not fit"},
        {"a value that is not a number", header + food("1", "Abacate, cru", "Tr"), fats, groups, names,
         "is not a number"},
        {"a forbidden character in a name", header + food("1", "Abacate_cru"), fats, groups, names,
         "holds the character _"},
        {"saturated fat of a food not in the table", ok, fats + "9,0.1\n", groups, names, "not in"},
        {"a row with a missing field", ok + "3,\"Frutas e derivados\"\n", fats, groups, names, "fields"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder data;
        data.write("alimentos.csv", c.foods);
        data.write("acidos-graxos.csv", c.fats);
        data.write("grupos.csv", c.groups);
        data.write("nomes.csv", c.names);
        if (*c.message == '\0') {
            EXPECT_NO_THROW(taco::buildTable(data.path()));
            continue;
        }
        try {
            taco::buildTable(data.path());
            ADD_FAILURE() << "the data was accepted";
        } catch (const taco::TacoError& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
    }
}

} // namespace
} // namespace treluza
