// Loading and saving a scrambled ingredient file of 20,000 thirty-field lines,
// against loading and saving the same lines as a plain file.
#include "BenchData.h"
#include "BenchSupport.h"

#include "core/store/Cp1252.h"
#include "core/store/CriUnit.h"
#include "core/store/FileIo.h"
#include "core/store/KeyedRecords.h"
#include "core/store/StrUnit.h"

#include <filesystem>
#include <fstream>
#include <random>

using namespace treluza;

namespace {

namespace fs = std::filesystem;
using bench::makeIngredients;

struct Files {
    fs::path folder = fs::temp_directory_path() / "treluza-bench-scramble";
    fs::path plain = folder / "plain.dad";
    fs::path scrambled = folder / "ArqIng.dad";
    RecordList list = makeIngredients(20000);
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

void loadPlain(benchmark::State& state)
{
    for (auto _ : state) {
        KeyedRecords list;
        LoadRecordFile(g_files->plain, list);
        benchmark::DoNotOptimize(list.count());
    }
}

void loadScrambled(benchmark::State& state)
{
    NullProgress progress;
    for (auto _ : state) {
        KeyedRecords list;
        LoadScrambledFile(g_files->scrambled, list, progress);
        benchmark::DoNotOptimize(list.count());
    }
}

void savePlain(benchmark::State& state)
{
    for (auto _ : state)
        SaveRecordFile(g_files->plain, g_files->list);
}

void saveScrambled(benchmark::State& state)
{
    NullProgress progress;
    for (auto _ : state)
        SaveScrambledFile(g_files->scrambled, g_files->list, progress);
}

} // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    Files files;
    g_files = &files;
    benchmark::RegisterBenchmark("loadPlain", loadPlain)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("loadScrambled", loadScrambled)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("savePlain", savePlain)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("saveScrambled", saveScrambled)->Unit(benchmark::kMillisecond);
    treluza::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio("loadScrambled", "loadPlain", 1.5);
    reporter.printRatio("saveScrambled", "savePlain", 1.5);
    benchmark::Shutdown();
    return 0;
}
