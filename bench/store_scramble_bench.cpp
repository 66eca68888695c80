// Loading and saving a scrambled ingredient file of 20,000 thirty-field lines,
// against loading and saving the same lines as a plain file.
#include "BenchSupport.h"

#include "store/Cp1252.h"
#include "store/CriUnit.h"
#include "store/FileIo.h"
#include "store/RecordList.h"
#include "store/StrUnit.h"

#include <filesystem>
#include <fstream>
#include <random>

using namespace treluza;

namespace {

namespace fs = std::filesystem;

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
        std::string line = FitRight(names[static_cast<std::size_t>(i) % names.size()] + " " + std::to_string(i), 60);
        line = TrimTrailingSpaces(line) + std::string(60 - TrimTrailingSpaces(line).size(), ' ') + "|";
        for (int f = 2; f <= 11; ++f)
            line += FormatDecimal(2, 9, value(rng)) + "|";
        line += "|" + FitRight("Frutas", 20) + "|" + FormatDecimal(2, 5, 1.05) + "|" + FormatDecimal(2, 5, 2.1) +
                "|" + FormatDecimal(2, 9, value(rng)) + "|01/12/26|";
        for (int f = 19; f <= 30; ++f)
            line += Cp("Tabela Brasileira de Composição") + "|";
        list.add(line);
    }
    return list;
}

struct Files {
    fs::path folder = fs::temp_directory_path() / "treluza-bench-scramble";
    fs::path plain = folder / "plain.dad";
    fs::path scrambled = folder / "ArqIng.dad";
    RecordList list = MakeIngredients(20000);
    Files()
    {
        fs::create_directories(folder);
        SaveRecordFile(plain, list);
        NullProgress progress;
        SaveScrambledFile(scrambled, list, progress);
    }
    ~Files() { fs::remove_all(folder); }
};

Files* g_files = nullptr;

void LoadPlain(benchmark::State& state)
{
    for (auto _ : state) {
        RecordList list;
        KeyList keys;
        LoadRecordFile(g_files->plain, list, keys);
        benchmark::DoNotOptimize(list.count());
    }
}

void LoadScrambled(benchmark::State& state)
{
    NullProgress progress;
    for (auto _ : state) {
        RecordList list;
        KeyList keys;
        LoadScrambledFile(g_files->scrambled, list, keys, progress);
        benchmark::DoNotOptimize(list.count());
    }
}

void SavePlain(benchmark::State& state)
{
    for (auto _ : state)
        SaveRecordFile(g_files->plain, g_files->list);
}

void SaveScrambled(benchmark::State& state)
{
    NullProgress progress;
    for (auto _ : state)
        SaveScrambledFile(g_files->scrambled, g_files->list, progress);
}

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    Files files;
    g_files = &files;
    benchmark::RegisterBenchmark("LoadPlain", LoadPlain)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("LoadScrambled", LoadScrambled)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("SavePlain", SavePlain)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("SaveScrambled", SaveScrambled)->Unit(benchmark::kMillisecond);
    treluza::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio("LoadScrambled", "LoadPlain", 1.5);
    reporter.printRatio("SaveScrambled", "SavePlain", 1.5);
    benchmark::Shutdown();
    return 0;
}
