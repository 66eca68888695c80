#pragma once
// Realistic ingredient records for the benchmarks: names from the composition
// table when it is at hand, values, group, factors, cost, date and sources.
#include "core/store/Cp1252.h"
#include "core/store/RecordList.h"
#include "core/store/StrUnit.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace treluza::bench {

// Food names from the composition table when it is at hand, else made up.
inline std::vector<std::string> foodNames()
{
    std::vector<std::string> names;
    std::ifstream in(std::filesystem::path(TRELUZA_TACO_DATA) / "alimentos.csv");
    std::string row;
    std::getline(in, row);
    while (std::getline(in, row)) {
        const auto a = row.find(",\"", row.find(",\"") + 1);
        const auto b = row.find('"', a + 2);
        if (a != std::string::npos && b != std::string::npos)
            names.push_back(fromUtf8(row.substr(a + 2, b - a - 2)));
    }
    if (names.empty())
        names = {cp("Arroz, integral, cozido"), cp("Feijão, carioca, cru"), cp("Pão, trigo, francês")};
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
