// The composition table delivered with the program.
// 1. Installing it at start-up into an empty data folder, against writing the
//    same bytes into the same files with the plain core save.
// 2. The program's start-up, from launch to its first painted window, with the
//    table already installed (and, as it started before there were delivered
//    tables, with none), against a bare Qt program that shows one empty widget.
//    Both programs run with a preloaded probe that ends them at their first
//    paint; each starts on a base folder and configuration of its own.
// Prints the ratios.
#include "BenchSupport.h"

#include "core/store/FileIo.h"
#include "core/store/Paths.h"
#include "core/store/RecordList.h"
#include "core/tables/DeliveredTable.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

using namespace treluza;

namespace {

namespace fs = std::filesystem;

const fs::path kDelivered = TRELUZA_DELIVERED_TABLES;
const fs::path kScratch = fs::temp_directory_path() / ("treluza-bench-taco-" + std::to_string(::getpid()));

/** An empty base folder. */
fs::path emptyBase()
{
    const fs::path base = kScratch / "base";
    fs::remove_all(base);
    fs::create_directories(base);
    return base;
}

/** An empty base folder for one iteration, made outside the timing. */
fs::path freshBase(benchmark::State& state)
{
    state.PauseTiming();
    const fs::path base = emptyBase();
    state.ResumeTiming();
    return base;
}

void installTable(benchmark::State& state)
{
    for (auto _ : state) {
        const fs::path base = freshBase(state);
        const auto results = installDeliveredTables(base, kDelivered);
        if (results.size() != 1 || results[0].status != DeliveredTableStatus::Installed) {
            state.SkipWithError("the table was not installed");
            return;
        }
    }
}

/** What every start costs once the table is installed: reading the registry
 *  and finding the table there. */
void checkInstalledTable(benchmark::State& state)
{
    const fs::path base = emptyBase();
    installDeliveredTables(base, kDelivered);
    for (auto _ : state) {
        const auto results = installDeliveredTables(base, kDelivered);
        if (results.size() != 1 || results[0].status != DeliveredTableStatus::AlreadyPresent) {
            state.SkipWithError("the table was not found");
            return;
        }
    }
}

RecordList linesOf(const fs::path& file)
{
    RecordList list; // unsorted: the lines stay in the order of the file
    list.assign(loadLines(file));
    return list;
}

void plainSave(benchmark::State& state)
{
    const RecordList registry = linesOf(kDelivered / "TACO" / kDeliveredRegistryFile);
    const RecordList ingredients = linesOf(kDelivered / "TACO" / kDeliveredIngredientFile);
    const RecordList groups = linesOf(kDelivered / "TACO" / kDeliveredGroupFile);
    const std::string table = keyOf(registry.at(0));
    for (auto _ : state) {
        const fs::path base = freshBase(state);
        SaveRecordFile(ensureFile(IngredientFilePath(base, table)), ingredients);
        SaveRecordFile(ensureFile(IngredientGroupFilePath(base, table)), groups);
        SaveRecordFile(ensureFile(TableRegistryPath(base)), registry);
    }
}

#ifdef TRELUZA_PROGRAM

/** Runs a program with the probe preloaded and its folders of its own; false
 *  when it did not end at its first paint within 20 seconds. */
bool runToFirstPaint(const fs::path& program, const fs::path& home)
{
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string v = *e;
        if (v.rfind("LD_PRELOAD=", 0) != 0 && v.rfind("HOME=", 0) != 0 &&
            v.rfind("XDG_CONFIG_HOME=", 0) != 0 && v.rfind("XDG_DATA_HOME=", 0) != 0)
            env.push_back(v);
    }
    env.push_back("LD_PRELOAD=" + std::string(TRELUZA_STARTUP_PROBE));
    env.push_back("HOME=" + home.string());
    env.push_back("XDG_CONFIG_HOME=" + (home / "config").string());
    env.push_back("XDG_DATA_HOME=" + (home / "data").string());
    if (!std::getenv("QT_QPA_PLATFORM"))
        env.push_back("QT_QPA_PLATFORM=offscreen");
    std::vector<char*> envp;
    for (auto& v : env)
        envp.push_back(v.data());
    envp.push_back(nullptr);
    std::string name = program.string();
    char* argv[] = {name.data(), nullptr};

    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, name.c_str(), &quiet, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0)
        return false;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    int status = 0;
    while (::waitpid(pid, &status, WNOHANG) != pid) {
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            return false;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

/** A copy of the program in a folder of its own, which becomes its base
 *  folder; with the delivered tables beside it or without. */
fs::path programCopy(const std::string& name, bool delivered)
{
    const fs::path folder = kScratch / name;
    fs::create_directories(folder);
    const fs::path program = folder / "treluza";
    fs::copy_file(TRELUZA_PROGRAM, program, fs::copy_options::overwrite_existing);
    if (delivered)
        fs::copy(kDelivered, folder / "Tabelas",
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    return program;
}

/** The fastest start of each program: on a loaded machine the median drifts
 *  with the load, the fastest start much less. */
std::map<std::string, double> g_fastest;

void runEach(benchmark::State& state, const std::string& name, const fs::path& program, const fs::path& home)
{
    double& fastest = g_fastest.try_emplace(name, 1e9).first->second;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (!runToFirstPaint(program, home)) {
            state.SkipWithError("the program did not show a window");
            return;
        }
        const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        fastest = std::min(fastest, took.count());
    }
}

void printFastest(const std::string& measured, const std::string& baseline)
{
    const double m = g_fastest[measured];
    const double b = g_fastest[baseline];
    if (m > 0 && b > 0 && m < 1e9 && b < 1e9)
        std::printf("fastest start %s %.1f ms / %s %.1f ms = %.2f\n", measured.c_str(), m, baseline.c_str(),
                    b, m / b);
}

void bareWindow(benchmark::State& state)
{
    runEach(state, "bareWindow", TRELUZA_BARE_WINDOW, kScratch / "home-bare");
}

void startUpWithTable(benchmark::State& state)
{
    const fs::path program = programCopy("with-table", true);
    // The first start installs the table; the measured ones find it.
    if (!runToFirstPaint(program, kScratch / "home-with") ||
        readWholeFile(program.parent_path() / "Dados" / "ArqTab.dad").find("TACO") != 0) {
        state.SkipWithError("the first start did not install the table");
        return;
    }
    runEach(state, "startUpWithTable", program, kScratch / "home-with");
}

void startUpWithoutDeliveredTables(benchmark::State& state)
{
    runEach(state, "startUpWithoutDeliveredTables", programCopy("without-tables", false),
            kScratch / "home-without");
}

#endif

} // namespace

int main(int argc, char** argv)
{
    // The start-ups are measured in random order, so that a load on the machine
    // weighs on the program and its yardstick alike.
    std::vector<char*> args(argv, argv + argc);
    std::string interleave = "--benchmark_enable_random_interleaving=true";
    args.insert(args.begin() + 1, interleave.data());
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    fs::create_directories(kScratch);
    benchmark::RegisterBenchmark("installTable", installTable)->Unit(benchmark::kMillisecond)->Repetitions(5);
    benchmark::RegisterBenchmark("plainSave", plainSave)->Unit(benchmark::kMillisecond)->Repetitions(5);
    benchmark::RegisterBenchmark("checkInstalledTable", checkInstalledTable)->Unit(benchmark::kMillisecond);
#ifdef TRELUZA_PROGRAM
    for (auto* b :
         {benchmark::RegisterBenchmark("bareWindow", bareWindow),
          benchmark::RegisterBenchmark("startUpWithTable", startUpWithTable),
          benchmark::RegisterBenchmark("startUpWithoutDeliveredTables", startUpWithoutDeliveredTables)})
        b->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5)->Repetitions(8);
#endif
    treluza::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio("installTable", "plainSave", 1.5);
    std::printf("checking for the installed table at each start: %.3f ms\n",
                reporter.time("checkInstalledTable"));
#ifdef TRELUZA_PROGRAM
    reporter.printRatio("startUpWithTable", "bareWindow", 1.5);
    reporter.printRatio("startUpWithoutDeliveredTables", "bareWindow", 1.5);
    printFastest("startUpWithTable", "bareWindow");
    printFastest("startUpWithoutDeliveredTables", "bareWindow");
#endif
    benchmark::Shutdown();
    fs::remove_all(kScratch);
    return 0;
}
