// Opening the ingredient register on a table of 5,000 ingredients, up to the
// first key typed into the name, on the offscreen platform, against loading
// the same scrambled ingredient file with the core alone. Prints the ratio.
#include "BenchData.h"
#include "BenchSupport.h"
#include "BenchWindows.h"

#include "core/store/Cp1252.h"
#include "core/store/CriUnit.h"
#include "core/store/FileIo.h"
#include "core/store/KeyedRecords.h"
#include "core/store/Paths.h"
#include "core/store/StrUnit.h"
#include "core/tables/ActiveTable.h"
#include "gui/app/SharedWindows.h"
#include "gui/dialogs/ConUnit.h"
#include "gui/ingredients/CadIngUnit.h"
#include "gui/widgets/FormContext.h"
#include "gui/widgets/MaskEdit.h"

#include <QApplication>
#include <QElapsedTimer>

#include <filesystem>
#include <fstream>
#include <random>
#include <unistd.h>

using namespace treluza;

namespace {

namespace fs = std::filesystem;
using bench::makeIngredients;

constexpr int kIngredients = 5000;
const std::string kTable = "Bancada             ";

/** A base folder with one table of kIngredients ingredients and its groups. */
struct Table {
    fs::path base = fs::temp_directory_path() / ("treluza-bench-cading-" + std::to_string(::getpid()));
    fs::path file;
    Table()
    {
        fs::remove_all(base);
        RecordList list = makeIngredients(kIngredients);
        NullProgress none;
        file = ensureFile(IngredientFilePath(base, kTable));
        SaveScrambledFile(file, list, none);
        SaveLines(ensureFile(IngredientGroupFilePath(base, kTable)),
                  {"Cereais             |", "Frutas              |", "Leites              |",
                   "Carnes              |"});
    }
    ~Table() { fs::remove_all(base); }
};

Table* g_table = nullptr;

void loadInCore(benchmark::State& state)
{
    NullProgress progress;
    for (auto _ : state) {
        KeyedRecords list;
        LoadScrambledFile(g_table->file, list, progress);
        benchmark::DoNotOptimize(list.count());
    }
}

void openWindow(benchmark::State& state, bool withProgress)
{
    WindowContext windows(g_table->base, g_table->base / "CfgTreluza.ini", g_table->base / "Ajuda.hlp");
    // Without the progress window: one that never shows.
    if (!withProgress)
        windows.shared().progress().setShowDelay(1 << 30);
    TCadIngForm form(windows.context());
    for (auto _ : state) {
        form.handOver({kTable, true});
        if (!bench::openAndWait(form)) {
            state.SkipWithError("the window did not open");
            return;
        }
        if (form.focusWidget() != form.IngMaskEdit) {
            state.SkipWithError("the name field has not the focus");
            return;
        }
        form.IngMaskEdit->typeCharacter(u'A');
        QApplication::processEvents();
        state.PauseTiming();
        if (form.data().count() != kIngredients)
            state.SkipWithError("the ingredients were not loaded");
        form.IngMaskEdit->clearText();
        form.RetBitBtnClick();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

} // namespace

int main(int argc, char** argv)
{
    treluza::bench::offscreenByDefault();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    Table table;
    g_table = &table;
    benchmark::RegisterBenchmark("loadInCore", loadInCore)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("openWindow", openWindow, true)->Unit(benchmark::kMillisecond);
    // The same without the progress window, to tell its share of the time.
    benchmark::RegisterBenchmark("OpenWindowNoProgressWindow", openWindow, false)
        ->Unit(benchmark::kMillisecond);
    treluza::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio("openWindow", "loadInCore", 1.5);
    reporter.printRatio("OpenWindowNoProgressWindow", "loadInCore", 1.5);
    benchmark::Shutdown();
    return 0;
}
