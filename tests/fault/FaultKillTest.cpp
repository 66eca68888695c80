#include "FaultCheck.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace treluza::fault {
namespace {

constexpr int kPreparations = 200;
constexpr int kIngredients = 1000;

// Starts the child on the table; its output goes to a pipe read by nobody
// but kept open, so a write never fails.
pid_t startChild(const FaultTable& table, const char* rounds, int& output)
{
    int fds[2];
    if (::pipe(fds) != 0)
        return -1;
    const std::string base = table.base().string();
    const std::string preparations = std::to_string(kPreparations);
    const std::string ingredients = std::to_string(kIngredients);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(fds[1], STDOUT_FILENO);
        ::close(fds[0]);
        ::close(fds[1]);
        ::execl(TRELUZA_FAULT_CHILD, "fault_child", base.c_str(), preparations.c_str(), ingredients.c_str(),
                rounds, static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(fds[1]);
    output = fds[0];
    return pid;
}

int waitFor(pid_t pid)
{
    int status = 0;
    ::waitpid(pid, &status, 0);
    return status;
}

// The child changes 200 preparations, the index, two ingredient files and the
// three files of a renamed preparation in a loop; it is killed at random
// moments. After each kill every file is its old or its new content; after
// the start-up replay the table is whole and its totals match its lines.
TEST(Kills, EveryFileIsOldOrNewAndTheReplayMakesTheTableWhole)
{
    const char* env = std::getenv("TRELUZA_KILLS");
    const int kills = env ? std::atoi(env) : 100;
    TempFolder dir;
    const FaultTable table(dir.path(), kPreparations, kIngredients);
    table.create(0);

    // How long one round takes here, so that the kills fall all over it.
    int output = -1;
    const auto t0 = std::chrono::steady_clock::now();
    const pid_t first = startChild(table, "2", output);
    ASSERT_GT(first, 0);
    const int status = waitFor(first);
    ::close(output);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
    const auto round =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - t0) / 2;

    std::mt19937 rng(20240611);
    std::uniform_int_distribution<long> moment(0, round.count() * 3 / 2);
    int checked = 0;
    int withJournal = 0;
    for (int k = 0; k < kills && !::testing::Test::HasFailure(); ++k) {
        SCOPED_TRACE("kill " + std::to_string(k));
        const pid_t pid = startChild(table, "1000000", output);
        ASSERT_GT(pid, 0);
        std::this_thread::sleep_for(std::chrono::microseconds(moment(rng)));
        ::kill(pid, SIGKILL);
        waitFor(pid);
        ::close(output);
        withJournal += fs::exists(journalPath(table.folder())) ? 1 : 0;
        checked += expectOldOrNew(table);
        replayJournals(table.base());
        checked += expectWhole(table);
    }
    std::printf("kills: %d, interrupted with a journal: %d, files checked: %d, generation reached: %ld\n",
                kills, withJournal, checked, table.generationOnDisk().value_or(-1));
}

// A second run of the program started while a first one carries changes
// stops at once and touches no file: the first run's journal and temporary
// files stay its own. After the first is killed, the table is old or new and
// the start-up of a later run makes it whole.
TEST(Kills, ASecondRunDuringACarryTouchesNothing)
{
    const char* env = std::getenv("TRELUZA_SECOND_RUNS");
    const int runs = env ? std::atoi(env) : 20;
    TempFolder dir;
    const FaultTable table(dir.path(), kPreparations, kIngredients);
    table.create(0);
    std::mt19937 rng(20261208);
    std::uniform_int_distribution<int> moment(0, 400);
    int refused = 0;
    for (int r = 0; r < runs && !::testing::Test::HasFailure(); ++r) {
        SCOPED_TRACE("run " + std::to_string(r));
        int output = -1;
        const pid_t first = startChild(table, "1000000", output);
        ASSERT_GT(first, 0);
        // Once a round is done the first run holds the folder.
        char done = 0;
        ASSERT_EQ(::read(output, &done, 1), 1);
        std::this_thread::sleep_for(std::chrono::milliseconds(moment(rng)));
        int unused = -1;
        const pid_t second = startChild(table, "start", unused);
        ASSERT_GT(second, 0);
        const int status = waitFor(second);
        ::close(unused);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 5) << "status " << status;
        refused += WIFEXITED(status) && WEXITSTATUS(status) == 5 ? 1 : 0;
        ::kill(first, SIGKILL);
        waitFor(first);
        ::close(output);
        expectOldOrNew(table);
        replayJournals(table.base());
        expectWhole(table);
    }
    std::printf("second runs during a carry: %d, refused: %d\n", runs, refused);
}

} // namespace
} // namespace treluza::fault
