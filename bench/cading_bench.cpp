// Opening the ingredient register on a table of 5,000 ingredients, up to the
// first key typed into the name, on the offscreen platform, against loading
// the same scrambled ingredient file with the core alone. Prints the ratio.
#include "BenchSupport.h"

#include "app/ActiveTable.h"
#include "dialogs/ConUnit.h"
#include "gui/FormContext.h"
#include "gui/MaskEdit.h"
#include "ingredients/CadIngUnit.h"
#include "store/Cp1252.h"
#include "store/CriUnit.h"
#include "store/FileIo.h"
#include "store/Paths.h"
#include "store/RecordList.h"
#include "store/StrUnit.h"

#include <QApplication>

#include <filesystem>
#include <fstream>
#include <random>
#include <unistd.h>

using namespace treluza;

namespace {

namespace fs = std::filesystem;

constexpr int kIngredients = 5000;
const std::string kTable = "Bancada             ";

// Food names from the composition table when it is at hand, else made up.
std::vector<std::string> FoodNames()
{
    std::vector<std::string> names;
    std::ifstream in(fs::path(TRELUZA_SHARED_DATA) / "taco" / "alimentos.csv");
    std::string row;
    std::getline(in, row);
    while (std::getline(in, row)) {
        const auto a = row.find(",\"", row.find(",\"") + 1);
        const auto b = row.find('"', a + 2);
        if (a != std::string::npos && b != std::string::npos)
            names.push_back(FromUtf8(row.substr(a + 2, b - a - 2)));
    }
    if (names.empty())
        names = {Cp("Arroz, integral, cozido"), Cp("Feijão, carioca, cru"), Cp("Pão, trigo, francês")};
    return names;
}

RecordList MakeIngredients(int count)
{
    const auto names = FoodNames();
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
            line += Cp("Tabela Brasileira de Composição") + "|";
        list.add(line);
    }
    return list;
}

/** A base folder with one table of kIngredients ingredients and its groups. */
struct Table {
    fs::path base = fs::temp_directory_path() / ("treluza-bench-cading-" + std::to_string(::getpid()));
    fs::path file;
    Table()
    {
        fs::remove_all(base);
        RecordList list = MakeIngredients(kIngredients);
        NullProgress none;
        file = IngredientFilePath(base, kTable);
        SaveScrambledFile(file, list, none);
        SaveLines(IngredientGroupFilePath(base, kTable), {"Cereais             |", "Frutas              |",
                                                          "Leites              |", "Carnes              |"});
    }
    ~Table() { fs::remove_all(base); }
};

Table* g_table = nullptr;

void LoadInCore(benchmark::State& state)
{
    NullProgress progress;
    for (auto _ : state) {
        RecordList list(true);
        KeyList keys(true);
        LoadScrambledFile(g_table->file, list, keys, progress);
        benchmark::DoNotOptimize(list.count());
    }
}

void OpenWindow(benchmark::State& state)
{
    FormContext context;
    context.baseFolder = g_table->base;
    TConForm con;
    context.conForm = &con;
    TCadIngForm form(context);
    g_activeTableEditable = true;
    for (auto _ : state) {
        form.HandOver(kTable);
        form.setOpenFlag(true);
        form.show();
        while (form.activationPending() || QApplication::focusWidget() != form.IngMaskEdit)
            QApplication::processEvents();
        form.IngMaskEdit->typeCharacter(u'A');
        QApplication::processEvents();
        state.PauseTiming();
        if (form.data().count() != kIngredients)
            state.SkipWithError("the ingredients were not loaded");
        form.IngMaskEdit->Clear();
        form.RetBitBtnClick();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    Table table;
    g_table = &table;
    benchmark::RegisterBenchmark("LoadInCore", LoadInCore)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("OpenWindow", OpenWindow)->Unit(benchmark::kMillisecond);
    treluza::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio("OpenWindow", "LoadInCore", 1.5);
    benchmark::Shutdown();
    return 0;
}
