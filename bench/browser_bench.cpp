// The ingredient browser and the list viewer over 20,000 ingredients, on the
// offscreen platform: rebuilding the list with an ordering and two keywords
// against filling the list box with every row unfiltered; a keystroke in the
// keyword field and its "Ok"; the viewer's refresh with a group filter and an
// ordering. Prints the ratios.
#include "BenchData.h"
#include "BenchSupport.h"
#include "BenchWindows.h"

#include "core/ingredients/IngredientList.h"
#include "core/lists/Keywords.h"
#include "core/lists/ListRows.h"
#include "core/records/RecordLayouts.h"
#include "core/store/KeyedRecords.h"
#include "core/store/Paths.h"
#include "gui/app/SharedWindows.h"
#include "gui/ingredients/VisLisIngUnit.h"
#include "gui/lists/ListBoxRows.h"
#include "gui/lists/VisLisUnit.h"
#include "gui/widgets/FormContext.h"
#include "gui/widgets/MaskEdit.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QListWidget>

#include <filesystem>
#include <unistd.h>

using namespace treluza;

namespace {

namespace fs = std::filesystem;

constexpr int kIngredients = 20000;
const std::string kTable = "Bancada             ";

struct Setup {
    fs::path base = fs::temp_directory_path() / ("treluza-bench-browser-" + std::to_string(::getpid()));
    WindowContext windows{base, base / "CfgTreluza.ini", base / "Ajuda.hlp"};
    FormContext& context = windows.context();
    KeyedRecords records;
    std::vector<QString> texts;
    std::vector<int> allRows;
    Setup()
    {
        fs::remove_all(base);
        ensureFile(TableRegistryPath(base));
        records.assign(bench::makeIngredients(kIngredients).lines());
        texts = rowTexts(records.lines());
        for (int i = 0; i < records.count(); ++i)
            allRows.push_back(i);
    }
    ~Setup() { fs::remove_all(base); }
};

Setup* g_setup = nullptr;
TVisLisIngForm* g_browser = nullptr;
TVisLisForm* g_viewer = nullptr;

/** Sets the browser's ordering by energy and its keywords, as a user would. */
void setFilters(const QString& keywords)
{
    TVisLisIngForm& f = *g_browser;
    f.AtiOrdCheckBox->setChecked(true);
    f.NomCamComboBox->setEnabled(true);
    f.NomCamComboBox->setCurrentIndex(1); // "CALORIAS - KCAL"
    f.PalChaCheckBox->setChecked(true);
    f.PalChaMaskEdit->setEnabled(true);
    f.PalChaMaskEdit->setMaskText(keywords);
    f.SplitKeywords();
}

void fillListBoxUnfiltered(benchmark::State& state)
{
    for (auto _ : state) {
        showRows(*g_browser->LisFilOrdListBox, g_setup->texts, g_setup->allRows, 0);
        QApplication::processEvents();
    }
    state.counters["rows"] = g_browser->LisFilOrdListBox->count();
}

void buildList(benchmark::State& state, const QString& keywords)
{
    setFilters(keywords);
    for (auto _ : state) {
        g_browser->BuildList();
        QApplication::processEvents();
    }
    state.counters["rows"] = g_browser->LisFilOrdListBox->count();
}

void keystroke(benchmark::State& state)
{
    setFilters(QString());
    g_browser->BuildList();
    int typed = 0;
    for (auto _ : state) {
        g_browser->PalChaMaskEdit->typeCharacter(u'a');
        QApplication::processEvents();
        if (++typed == 20) {
            state.PauseTiming();
            g_browser->PalChaMaskEdit->clearText();
            typed = 0;
            state.ResumeTiming();
        }
    }
    state.counters["rows"] = g_browser->LisFilOrdListBox->count();
}

void okWithTwoKeywords(benchmark::State& state)
{
    setFilters(QString());
    for (auto _ : state) {
        g_browser->PalChaMaskEdit->setMaskText(QStringLiteral("ARROZ COZIDO"));
        g_browser->PalChaBitBtnClick();
        QApplication::processEvents();
    }
    state.counters["rows"] = g_browser->LisFilOrdListBox->count();
}

void viewerRefresh(benchmark::State& state)
{
    TVisLisForm& v = *g_viewer;
    v.AtiFilCheckBox->setChecked(true);
    v.NomGruComboBox->setEnabled(true);
    v.NomGruComboBox->setCurrentIndex(0);
    v.AtiOrdCheckBox->setChecked(true);
    v.NomCamComboBox->setEnabled(true);
    v.NomCamComboBox->setCurrentIndex(1);
    for (auto _ : state) {
        v.RefreshList();
        QApplication::processEvents();
    }
    state.counters["rows"] = v.LisFilOrdListBox->count();
}

void viewerFillUnfiltered(benchmark::State& state)
{
    for (auto _ : state) {
        showRows(*g_viewer->LisFilOrdListBox, g_setup->texts, g_setup->allRows, 0);
        QApplication::processEvents();
    }
}

// The core's share of the two rebuilds above, without the list box.
void coreBuildListBroad(benchmark::State& state)
{
    IngredientQuery query;
    query.orderField = 2;
    query.keywordFilter = true;
    query.keywords = SplitKeywords("A O");
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildList(g_setup->records.lines(), query));
}

void coreViewerRefresh(benchmark::State& state)
{
    ViewerQuery query;
    query.groupField = 13;
    query.filtering = true;
    query.group = "              Frutas";
    query.orderField = 2;
    for (auto _ : state)
        benchmark::DoNotOptimize(RefreshList(g_setup->records.lines(), query));
}

} // namespace

int main(int argc, char** argv)
{
    treluza::bench::offscreenByDefault();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    Setup setup;
    g_setup = &setup;

    TVisLisIngForm browser(setup.context);
    browser.handOver({kTable, true}, setup.records, 0);
    TVisLisForm viewer(setup.context);
    ListSetup list;
    list.listName = "INGREDIENTES";
    list.tableName = kTable;
    list.groupField = IngField::Group;
    list.columnNames = {"INGREDIENTE", "CALORIAS"};
    list.groupNames = {"              Frutas"};
    list.records = &setup.records;
    list.section = "Bancada";
    viewer.SetupList(list);
    if (!bench::openAndWait(browser) || !bench::openAndWait(viewer)) {
        std::fprintf(stderr, "the windows did not open\n");
        return 1;
    }
    g_browser = &browser;
    g_viewer = &viewer;

    const auto ms = benchmark::kMillisecond;
    benchmark::RegisterBenchmark("fillListBoxUnfiltered", fillListBoxUnfiltered)->Unit(ms)->Repetitions(5);
    benchmark::RegisterBenchmark("buildListOrderedTwoKeywords", buildList, QStringLiteral("ARROZ COZIDO"))
        ->Unit(ms)
        ->Repetitions(5);
    // Two keywords that nearly every name holds: the ordering then sorts
    // almost every row.
    benchmark::RegisterBenchmark("buildListOrderedBroadKeywords", buildList, QStringLiteral("A O"))
        ->Unit(ms)
        ->Repetitions(5);
    benchmark::RegisterBenchmark("keystrokeInKeywordField", keystroke)->Unit(ms)->Repetitions(5);
    benchmark::RegisterBenchmark("okWithTwoKeywords", okWithTwoKeywords)->Unit(ms)->Repetitions(5);
    benchmark::RegisterBenchmark("viewerFillUnfiltered", viewerFillUnfiltered)->Unit(ms)->Repetitions(5);
    benchmark::RegisterBenchmark("viewerRefreshFilteredOrdered", viewerRefresh)->Unit(ms)->Repetitions(5);
    benchmark::RegisterBenchmark("coreBuildListOrderedBroadKeywords", coreBuildListBroad)
        ->Unit(ms)
        ->Repetitions(5);
    benchmark::RegisterBenchmark("coreViewerRefreshFilteredOrdered", coreViewerRefresh)
        ->Unit(ms)
        ->Repetitions(5);
    bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio("buildListOrderedTwoKeywords", "fillListBoxUnfiltered", 2.0);
    reporter.printRatio("buildListOrderedBroadKeywords", "fillListBoxUnfiltered", 2.0);
    reporter.printRatio("viewerRefreshFilteredOrdered", "viewerFillUnfiltered", 2.0);
    std::printf("keystroke in the keyword field: %.3f ms; \"Ok\" with two keywords: %.3f ms\n",
                reporter.time("keystrokeInKeywordField"), reporter.time("okWithTwoKeywords"));
    benchmark::Shutdown();
    return 0;
}
