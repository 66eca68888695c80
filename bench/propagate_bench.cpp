// Carrying an ingredient change into a table of 2,000 preparations of 15 lines
// each, one in ten holding the ingredient, against the least I/O the same result
// needs: read the index and every ingredient-line file once, write each changed
// file once and the index once. Prints the ratio of the two.

#include "core/ingredients/IngredientPropagation.h"
#include "core/records/PreparationRecords.h"
#include "core/store/FileIo.h"
#include "core/store/Paths.h"
#include "core/store/RecordList.h"
#include "core/store/StrUnit.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <unistd.h>

namespace {

using namespace treluza;
namespace fs = std::filesystem;

constexpr int kPreparations = 2000;
constexpr int kLinesEach = 15;
constexpr int kHoldingEvery = 10;
constexpr const char* kTable = "Bancada";

std::string padded(const std::string& name, std::size_t width)
{
    return name + std::string(width - name.size(), ' ');
}

const std::string& milk()
{
    static const std::string name = padded("Leite integral", 60);
    return name;
}

std::string ingredientLine(const std::string& name, int seed)
{
    LineFields f = blankLine(name);
    f[LineField::Gross] = FormatDecimal(1, 8, 100 + seed % 400);
    f[LineField::Net] = FormatDecimal(1, 8, 90 + seed % 400);
    f[LineField::FC] = "  1,10";
    f[LineField::UnitCost] = "     4,00";
    f[LineField::Cost] = FormatDecimal(2, 9, (100 + seed % 400) * 0.004);
    f[LineField::QuoteDate] = "01/02/24";
    for (int n = LineField::Energy; n <= LineField::Sodium; ++n)
        f[n] = FormatDecimal(2, 9, (seed * 7 + n) % 5000 / 10.0);
    return joinFields(f);
}

/** A table laid out once in a temporary folder for the whole run. */
class Table {
public:
    Table()
    {
        m_base = fs::temp_directory_path() / ("treluza-bench-" + std::to_string(::getpid()));
        fs::remove_all(m_base);
        fs::create_directories(m_base);
        std::vector<std::string> index;
        for (int p = 0; p < kPreparations; ++p) {
            char name[32];
            std::snprintf(name, sizeof name, "Prepara\xE7\xE3o %04d", p);
            IndexFields f = blankIndex(padded(name, 40));
            f[IdxField::Yield] = "  1500";
            f[IdxField::Portions] = "     6";
            f[IdxField::PortionYield] = "   250";
            f[IdxField::Tablespoon] = "    15";
            index.push_back(joinFields(f));
            RecordList lines(true);
            for (int l = 0; l < kLinesEach; ++l) {
                const bool holdsMilk = l == 7 && p % kHoldingEvery == 0;
                char ingredient[32];
                std::snprintf(ingredient, sizeof ingredient, "Ingrediente %02d-%04d", l, p % 97);
                lines.add(ingredientLine(holdsMilk ? milk() : padded(ingredient, 60), p * kLinesEach + l));
            }
            SaveRecordFile(ensureFile(PreparationFilePath(m_base, kTable, index.back().substr(0, 40))),
                           lines);
        }
        SaveLines(ensureFile(PreparationIndexPath(m_base, kTable)), index);
    }
    ~Table() { fs::remove_all(m_base); }
    const fs::path& base() const { return m_base; }

private:
    fs::path m_base;
};

Table& theTable()
{
    static Table table;
    return table;
}

// Alternates the energy value so that every run really changes the files.
IngredientChange nextChange(int run)
{
    IngredientChange c;
    c.name = milk();
    for (auto& n : c.nutrients)
        n.shown = n.current = "  61,00";
    c.nutrients[0] = run % 2 == 0 ? TrackedValue{"  61,00", "  62,00"} : TrackedValue{"  62,00", "  61,00"};
    c.unitCost.shown = c.unitCost.current = "     4,00";
    c.date.shown = c.date.current = "01/02/24";
    return c;
}

void BM_PropagateChange(benchmark::State& state)
{
    Table& table = theTable();
    NullProgress progress;
    static int run = 0; // runs of every invocation alternate
    for (auto _ : state) {
        const int written = PropagateChange(table.base(), kTable, nextChange(run++), progress);
        if (written != kPreparations / kHoldingEvery)
            state.SkipWithError(("wrong number of preparations written: " + std::to_string(written)).c_str());
    }
}

// The least I/O of the same result: the same reads, and the same bytes written
// once for each changed file and once for the index.
void leastIo(benchmark::State& state, int indexWrites)
{
    Table& table = theTable();
    const fs::path folder = PreparationIndexPath(table.base(), kTable).parent_path();
    for (auto _ : state) {
        const fs::path indexPath = folder / "ArqTreluza.dad";
        const std::string index = readWholeFile(indexPath);
        const std::vector<std::string> lines = splitLines(index);
        for (std::size_t p = 0; p < lines.size(); ++p) {
            const fs::path path = folder / namePath(SafeFileStem(lines[p].substr(0, 40)) + ".dad");
            const std::string text = readWholeFile(path);
            benchmark::DoNotOptimize(text.data());
            if (p % kHoldingEvery == 0) {
                writeFileAtomic(path, text);
                for (int i = 1; i < indexWrites; ++i)
                    writeFileAtomic(indexPath, index);
            }
        }
        writeFileAtomic(indexPath, index);
    }
}

void BM_LeastIo(benchmark::State& state)
{
    leastIo(state, 1);
}

// The same reads with the index written after each changed preparation.
void BM_LeastIoIndexPerPreparation(benchmark::State& state)
{
    leastIo(state, 2);
}

// Both are bound by the disk's flushes, which vary from run to run: each is run
// several times, in turns, and the medians are compared.
BENCHMARK(BM_PropagateChange)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(4)->Repetitions(5);
BENCHMARK(BM_LeastIo)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(4)->Repetitions(5);
BENCHMARK(BM_LeastIoIndexPerPreparation)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(3);

/** Shows the runs as usual and keeps their times to print the ratio. */
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const auto& run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                m_seconds[run.run_name.function_name] = run.GetAdjustedRealTime();
        }
    }
    double time(const std::string& name) const
    {
        const auto it = m_seconds.find(name);
        return it == m_seconds.end() ? 0.0 : it->second;
    }

private:
    std::map<std::string, double> m_seconds;
};

} // namespace

int main(int argc, char** argv)
{
    // Repetitions of the benchmarks run in turns, so a slow spell of the disk
    // does not fall on one of them only.
    std::vector<char*> args(argv, argv + argc);
    char interleave[] = "--benchmark_enable_random_interleaving=true";
    args.insert(args.begin() + 1, interleave);
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    theTable();
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double least = reporter.time("BM_LeastIo");
    const double propagate = reporter.time("BM_PropagateChange");
    const double perPreparation = reporter.time("BM_LeastIoIndexPerPreparation");
    if (least > 0) {
        std::printf("PropagateChange / least I/O: %.2f (goal <= 2)\n", propagate / least);
        if (perPreparation > 0)
            std::printf("least I/O with the index written per changed preparation / least I/O: %.2f\n",
                        perPreparation / least);
    }
    benchmark::Shutdown();
    return 0;
}
