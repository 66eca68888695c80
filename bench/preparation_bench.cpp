// The preparation ingredient window on a preparation of 60 lines in a table of
// 5,000 ingredients, on the offscreen platform:
//  * opening it, up to the first key typed into the ingredient combo, against
//    loading the same files (the ingredient lines and the scrambled ingredient
//    file) with the core alone;
//  * storing a change of one line (the lines and the index written in one
//    transaction, with the sums and shares of the index line), against writing
//    the same two files plainly.
// Prints both ratios.
#include "BenchData.h"
#include "BenchSupport.h"
#include "BenchWindows.h"

#include "core/preparations/LineCalculations.h"
#include "core/records/IngredientRecord.h"
#include "core/records/PreparationRecords.h"
#include "core/store/CriUnit.h"
#include "core/store/FileIo.h"
#include "core/store/KeyedRecords.h"
#include "core/store/Paths.h"
#include "core/store/RegisterData.h"
#include "core/store/StrUnit.h"
#include "gui/app/SharedWindows.h"
#include "gui/dialogs/ConUnit.h"
#include "gui/preparations/CadIngTreluzaUnit.h"
#include "gui/preparations/LinePanel.h"
#include "gui/widgets/FormContext.h"
#include "gui/widgets/MaskEdit.h"
#include "gui/widgets/Messages.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QKeyEvent>

#include <filesystem>
#include <unistd.h>

using namespace treluza;

namespace {

namespace fs = std::filesystem;
using bench::makeIngredients;

constexpr int kIngredients = 5000;
constexpr int kLines = 60;
constexpr int kPreparations = 100;
const std::string kTable = "Bancada             ";

class QuietMessages final : public MessageSink {
public:
    Answer show(const std::string&, MessageKind) override { return Answer::Ok; }
};

std::string padded(std::string text, std::size_t width)
{
    text.resize(width, ' ');
    return text;
}

/** A base folder with one table: kIngredients ingredients, and an index of
 *  kPreparations preparations, the one in the middle with kLines lines of
 *  ingredients spread over the table (net weights from 50 to 345 g). */
struct Table {
    fs::path base = fs::temp_directory_path() / ("treluza-bench-prep-" + std::to_string(::getpid()));
    fs::path ingredientFile;
    fs::path linesFile;
    std::string preparation;
    RegisterData index; // the index, its current record the preparation
    RecordList lines{true};
    int ingredientNames = 0; // generated names may repeat; the key list keeps one of each

    Table()
    {
        fs::remove_all(base);
        RecordList ingredients = makeIngredients(kIngredients);
        NullProgress none;
        ingredientFile = ensureFile(IngredientFilePath(base, kTable));
        SaveScrambledFile(ingredientFile, ingredients, none);
        KeyedRecords keyed;
        keyed.assign(ingredients.lines());
        ingredientNames = keyed.keys().count();

        preparation = padded("Preparo " + std::to_string(kPreparations / 2), 40);
        QuietMessages quiet;
        for (int i = 0; i < kLines; ++i) {
            const IngredientFields ingredient = readIngredient(ingredients[i * (kIngredients / kLines)]);
            LineEdits e = newLineEdits(ingredient);
            e.line[LineField::Net] = FormatDecimal(1, 8, 50.0 + 5 * i);
            leaveNet(e, ingredient, quiet);
            lines.add(joinFields(e.line));
        }
        linesFile = ensureFile(PreparationFilePath(base, kTable, preparation));
        SaveRecordFile(linesFile, lines);

        RecordList records(true);
        for (int p = 0; p < kPreparations; ++p) {
            IndexFields f = blankIndex(padded("Preparo " + std::to_string(p), 40));
            f[IdxField::Yield] = "  1000";
            f[IdxField::Portions] = "     4";
            f[IdxField::PortionYield] = "   250";
            f[IdxField::Tablespoon] = "    15";
            records.add(joinFields(f));
        }
        SaveRecordFile(ensureFile(PreparationIndexPath(base, kTable)), records);
        index.load(PreparationIndexPath(base, kTable));
        index.lookup(preparation);
    }
    ~Table() { fs::remove_all(base); }
};

Table* g_table = nullptr;

/** Answers every question yes and counts the messages that report a failure. */
struct Answering {
    int failures = 0;
    Answering()
    {
        setMessageHandler([this](const QString& text, MessageKind) {
            if (text.startsWith(QStringLiteral("Erro")) || text.startsWith(QStringLiteral("ERRO")))
                ++failures;
            return Answer::Yes;
        });
    }
    ~Answering() { setMessageHandler({}); }
};

void loadInCore(benchmark::State& state)
{
    NullProgress progress;
    for (auto _ : state) {
        KeyedRecords lines;
        LoadRecordFile(g_table->linesFile, lines);
        KeyedRecords ingredients;
        LoadScrambledFile(g_table->ingredientFile, ingredients, progress);
        benchmark::DoNotOptimize(ingredients.count() + lines.count());
    }
}

/** Hands the middle preparation over and opens the window. */
bool openAndWait(TCadIngTreluzaForm& form)
{
    form.handOver({kTable, true}, g_table->preparation, g_table->index, {});
    return bench::openAndWait(form);
}

void openWindow(benchmark::State& state, bool withProgress)
{
    WindowContext windows(g_table->base, g_table->base / "CfgTreluza.ini", g_table->base / "Ajuda.hlp");
    // Without the progress window: one that never shows.
    if (!withProgress)
        windows.shared().progress().setShowDelay(1 << 30);
    TCadIngTreluzaForm form(windows.context());
    Answering answers;
    for (auto _ : state) {
        if (!openAndWait(form)) {
            state.SkipWithError("the window did not open");
            return;
        }
        if (form.focusWidget() != form.NomIngComboBox) {
            state.SkipWithError("the ingredient combo has not the focus");
            return;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QApplication::sendEvent(form.NomIngComboBox, &press);
        QApplication::processEvents();
        state.PauseTiming();
        if (form.data().count() != kLines || form.NomIngComboBox->count() != g_table->ingredientNames) {
            state.SkipWithError("the lines or the ingredients were not loaded");
            return;
        }
        form.RetBitBtnClick();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    if (answers.failures > 0)
        state.SkipWithError("a failure was reported");
}

/** The window on a context of its own, opened on the middle preparation,
 *  and closed with "&Retorna" at the end. */
struct OpenedWindow {
    WindowContext windows{g_table->base, g_table->base / "CfgTreluza.ini", g_table->base / "Ajuda.hlp"};
    TCadIngTreluzaForm form{windows.context()};
    Answering answers;
    bool opened = openAndWait(form);
    ~OpenedWindow()
    {
        form.RetBitBtnClick();
        QApplication::processEvents();
    }
};

/** One paint of the whole opened window, as its first showing paints it: the
 *  part of an opening that no loading of files can save. */
void paintWindow(benchmark::State& state)
{
    OpenedWindow w;
    if (!w.opened) {
        state.SkipWithError("the window did not open");
        return;
    }
    for (auto _ : state)
        w.form.repaint();
}

void writeInCore(benchmark::State& state)
{
    for (auto _ : state) {
        SaveRecordFile(g_table->linesFile, g_table->lines);
        SaveRecordFile(PreparationIndexPath(g_table->base, kTable), g_table->index.records());
    }
}

void changeLine(benchmark::State& state)
{
    OpenedWindow w;
    TCadIngTreluzaForm& form = w.form;
    if (!w.opened) {
        state.SkipWithError("the window did not open");
        return;
    }
    // A line in the middle of the list, shown as a click shows it.
    form.IngTreluzaListBoxClick(kLines / 2);
    if (form.mode() != RegisterMode::Showing) {
        state.SkipWithError("the line is not shown");
        return;
    }
    int round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        // The net weight changes back and forth, with its chain run on exit.
        form.linePanel->PesLiqMaskEdit->setCoreText(round++ % 2 ? "   100,0" : "   200,0");
        emit form.linePanel->PesLiqMaskEdit->Exit(form.linePanel->PesCozMaskEdit);
        state.ResumeTiming();
        form.GraBitBtnClick();
    }
    if (w.answers.failures > 0 || form.mode() != RegisterMode::Showing)
        state.SkipWithError("the change was not stored");
}

} // namespace

int main(int argc, char** argv)
{
    treluza::bench::offscreenByDefault();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    Table table;
    g_table = &table;
    const auto ms = benchmark::kMillisecond;
    benchmark::RegisterBenchmark("loadInCore", loadInCore)->Unit(ms)->Repetitions(5);
    benchmark::RegisterBenchmark("openWindow", openWindow, true)->Unit(ms)->Repetitions(5);
    // The same without the progress window, to tell its share of the time.
    benchmark::RegisterBenchmark("openWindowNoProgressWindow", openWindow, false)->Unit(ms)->Repetitions(5);
    benchmark::RegisterBenchmark("paintWindow", paintWindow)->Unit(ms)->Repetitions(5);
    benchmark::RegisterBenchmark("writeInCore", writeInCore)->Unit(ms)->Repetitions(5);
    benchmark::RegisterBenchmark("changeLine", changeLine)->Unit(ms)->Repetitions(5);
    treluza::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio("openWindow", "loadInCore", 1.5);
    reporter.printRatio("openWindowNoProgressWindow", "loadInCore", 1.5);
    // What is left beyond the loads is the first paint: the opening against
    // the core's loads and one paint of the same window.
    reporter.printRatio("openWindow", std::vector<std::string>{"loadInCore", "paintWindow"}, 1.5);
    reporter.printRatio("changeLine", "writeInCore", 2.0);
    benchmark::Shutdown();
    return 0;
}
