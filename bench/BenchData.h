#pragma once
// Realistic ingredient records for the benchmarks: names from the composition
// table, values, group, factors, cost, date and sources.
#include "core/store/Cp1252.h"
#include "core/store/RecordList.h"
#include "core/store/StrUnit.h"
#include "taco/TacoTable.h"

#include <random>
#include <string>
#include <vector>

namespace treluza::bench {

// The food names of the composition table (data/taco), as the table delivered
// with the program names them.
inline std::vector<std::string> foodNames()
{
    std::vector<std::string> names;
    const taco::TacoTable table = taco::buildTable(TRELUZA_TACO_DATA);
    for (const std::string& line : table.ingredients.lines())
        names.push_back(TrimTrailingSpaces(keyOf(line)));
    return names;
}

/** count ingredient lines of 30 fields, sorted. */
inline RecordList makeIngredients(int count)
{
    const auto names = foodNames();
    std::mt19937 rng(1);
    std::uniform_real_distribution<double> value(0, 900);
    RecordList list(true);
    for (int i = 0; list.count() < count; ++i) {
        std::string name = names[static_cast<std::size_t>(i) % names.size()] + " " + std::to_string(i);
        name = name.substr(0, 60);
        std::string line = name + std::string(60 - name.size(), ' ') + "|";
        for (int f = 2; f <= 10; ++f)
            line += FormatDecimal(2, 7, value(rng)) + "|";
        line += FormatDecimal(2, 8, value(rng)) + "||" + FitRight("Frutas", 20) + "|" +
                FormatDecimal(2, 6, 1.05) + "|" + FormatDecimal(2, 6, 2.1) + "|" +
                FormatDecimal(2, 9, value(rng)) + "|01/12/24|";
        for (int f = 18; f <= 30; ++f)
            line += cp("Tabela Brasileira de Composição") + "|";
        list.add(line);
    }
    return list;
}

} // namespace treluza::bench
