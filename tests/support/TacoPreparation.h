#pragma once
// A preparation of real foods: per-100 g values of the Brazilian food
// composition table (TACO, 4th edition), written as an index line, ingredient
// lines and a method text, as the program stores them.
#include "core/records/PreparationRecords.h"
#include "core/store/Cp1252.h"
#include "core/store/FileIo.h"
#include "core/store/Paths.h"
#include "core/store/StrUnit.h"

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace treluza::testing {

struct TacoPreparation {
    std::string table = "TACO                ";
    std::string name;
    std::string indexLine;
    std::vector<std::string> lines;
    std::vector<std::string> method;

    void write(const std::filesystem::path& base) const
    {
        SaveLines(ensureFile(PreparationFilePath(base, table, name)), lines);
        SaveLines(ensureFile(MethodFilePath(base, table, name)), method);
    }
};

/** "Arroz/feijão com frango": eight foods, four portions. */
inline TacoPreparation tacoPreparation()
{
    struct Food {
        const char* name;
        std::array<double, 10> per100; // kcal, CHO, PTN, LIP, SAT, COL, FIB, Ca, Fe, Na
        double net, fc, costPerKg;
        const char* measure;
        double measureWeight;
    };
    static const Food foods[] = {
        {"Arroz, tipo 1, cru", {358, 78.8, 7.2, 0.3, 0.1, 0, 1.6, 4, 0.7, 1}, 200, 1.0, 6.5, "Xícara", 160},
        {"Feijão, carioca, cru", {329, 61.2, 20, 1.3, 0.2, 0, 18.4, 123, 8, 0}, 150, 1.0, 9.8, "Xícara", 150},
        {"Frango, peito, sem pele, cru",
         {119, 0, 21.5, 3, 1.1, 59, 0, 7, 0.4, 56},
         400,
         1.2,
         22.9,
         "Filé médio",
         100},
        {"Óleo, de soja", {884, 0, 0, 100, 15.2, 0, 0, 0, 0, 0}, 20, 1.0, 8.0, "Colher de sopa", 8},
        {"Cebola, crua", {39, 8.9, 1.7, 0.1, 0, 0, 2.2, 14, 0.2, 1}, 80, 1.1, 5.5, "Unidade média", 80},
        {"Alho, cru", {113, 23.9, 7, 0.2, 0, 0, 4.3, 14, 0.8, 5}, 10, 1.2, 30.0, "Dente", 5},
        {"Tomate, com semente, cru",
         {15, 3.1, 1.1, 0.2, 0, 0, 1.2, 7, 0.2, 1},
         120,
         1.05,
         7.9,
         "Unidade média",
         120},
        {"Cenoura, crua", {34, 7.7, 1.3, 0.2, 0, 0, 3.2, 23, 0.2, 3}, 100, 1.17, 4.5, "Unidade média", 100},
    };
    TacoPreparation p;
    p.name = cp("Arroz/feijão com frango");
    p.name.resize(40, ' ');
    std::array<double, 11> totals{}; // ten values and the cost
    for (const Food& f : foods) {
        LineFields l = blankLine("");
        std::string name = cp(f.name);
        name.resize(60, ' ');
        l[LineField::Name] = name;
        const double gross = f.net * f.fc;
        l[LineField::Gross] = FormatDecimal(1, 8, gross);
        l[LineField::Net] = FormatDecimal(1, 8, f.net);
        l[LineField::FC] = FormatDecimal(2, 6, f.fc);
        l[LineField::UnitCost] = FormatDecimal(2, 9, f.costPerKg);
        const double cost = gross * f.costPerKg / 1000;
        l[LineField::Cost] = FormatDecimal(2, 9, cost);
        l[LineField::QuoteDate] = "01/03/24";
        std::string measure = cp(f.measure);
        measure.resize(20, ' ');
        l[LineField::Measure] = measure;
        l[LineField::Quantity] = FormatDecimal(2, 6, f.net / f.measureWeight);
        for (std::size_t k = 0; k < 10; ++k) {
            const double v = f.per100[k] * f.net / 100;
            l[LineField::Energy + static_cast<int>(k)] = FormatDecimal(2, 9, v);
            totals[k] += ParseDecimal(FormatDecimal(2, 9, v));
        }
        totals[10] += ParseDecimal(FormatDecimal(2, 9, cost));
        p.lines.push_back(joinFields(l));
    }
    IndexFields x = blankIndex(p.name);
    const double yield = 1000, portion = 250, spoon = 25;
    x[IdxField::Yield] = FormatDecimal(0, 6, yield);
    x[IdxField::Portions] = FormatDecimal(0, 6, 4);
    x[IdxField::PortionYield] = FormatDecimal(0, 6, portion);
    x[IdxField::Tablespoon] = FormatDecimal(0, 6, spoon);
    for (int k = 0; k <= 10; ++k) {
        const double t = totals[static_cast<std::size_t>(k)];
        x[IdxField::Energy + k] = FormatDecimal(2, 9, t);
        x[IdxField::PerCapitaEnergy + k] = FormatDecimal(2, 9, t * portion / yield);
        x[IdxField::SpoonEnergy + k] = FormatDecimal(2, 9, t * spoon / yield);
    }
    x[IdxField::Group] = "Pratos principais   ";
    x[IdxField::Date] = "15/03/2024";
    p.indexLine = joinFields(x);
    for (const char* step :
         {"Lave o arroz e o feijão.", "Cozinhe o feijão na panela de pressão por 30 minutos.",
          "Corte o frango em cubos e tempere com alho e cebola.",
          "Refogue o frango no óleo até dourar; junte o tomate e a cenoura.",
          "Cozinhe o arroz em água fervente por 20 minutos.", "Sirva quente."})
        p.method.push_back(cp(step));
    return p;
}

} // namespace treluza::testing
