#include "FaultCheck.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <functional>
#include <sys/mount.h>
#include <unistd.h>

namespace treluza::fault {
namespace {

// The changes tried: the carry of an ingredient change into every preparation
// with the ingredient file, and the rename of a preparation with its files.
struct Change {
    const char* name;
    std::function<void(const FaultTable&)> run;
    long generation; // of the table afterwards
    int parity;
};

const Change kChanges[] = {
    {"carry",
     [](const FaultTable& t) {
         NullProgress none;
         t.carry(0, none);
     },
     1, 0},
    {"rename", [](const FaultTable& t) { t.renameExtra(0); }, 0, 1},
};

// A full disk at every write of each change: the window is told (the change
// throws FileWriteError), and the files are all old, or all new once the
// journal is replayed.
TEST(FullDisk, AFailureAtEveryWritePositionLosesNothing)
{
    TempFolder dir;
    const FaultTable table(dir.path(), 12, 40);
    int tried = 0;
    for (const Change& change : kChanges) {
        table.create(0);
        injectWriteFailure(0);
        change.run(table);
        const int writes = writesSinceInjection();
        expectWhole(table);
        EXPECT_EQ(table.generationOnDisk(), change.generation);
        for (int n = 1; n <= writes; ++n) {
            SCOPED_TRACE(std::string(change.name) + ", failing write " + std::to_string(n));
            table.create(0);
            injectWriteFailure(n);
            EXPECT_THROW(change.run(table), FileWriteError);
            injectWriteFailure(0);
            const bool journal = fs::exists(journalPath(table.folder()));
            EXPECT_EQ(journal, n > 1) << "the journal is the first write";
            expectOldOrNew(table);
            replayJournals(table.base());
            expectWhole(table);
            EXPECT_EQ(table.generationOnDisk(), journal ? change.generation : 0);
            ++tried;
        }
    }
    std::printf("disk-full positions tried: %d\n", tried);
}

/** A carry from generation g, and the generation a register holds after it:
 *  the new one once the change is recorded in its journal (even when its files
 *  could not all be replaced), the old one when nothing changed. */
struct Carried {
    long held;
    bool failed;
};

Carried carryFrom(const FaultTable& table, long g)
{
    NullProgress none;
    try {
        table.carry(g, none);
    } catch (const ChangePendingError&) {
        return {g + 1, true};
    } catch (const FileWriteError&) {
        return {g, true};
    }
    return {g + 1, false};
}

// A second change after a failure at every write of a carry, in the same run
// and without a start-up between them: another carry from what the register
// holds, or the rename of a preparation, which reads the index. Each completes
// the first change (or starts from the old files) before it reads anything,
// so the table is whole without any replay.
TEST(FullDisk, ASecondChangeAfterAFailureAtEveryWritePositionKeepsTheTableWhole)
{
    TempFolder dir;
    const FaultTable table(dir.path(), 12, 40);
    table.create(0);
    injectWriteFailure(0);
    NullProgress none;
    table.carry(0, none);
    const int writes = writesSinceInjection();
    int tried = 0;
    for (const bool rename : {false, true}) {
        for (int n = 1; n <= writes; ++n) {
            SCOPED_TRACE(std::string(rename ? "rename" : "carry") + " after failing write " +
                         std::to_string(n));
            table.create(0);
            injectWriteFailure(n);
            const Carried first = carryFrom(table, 0);
            injectWriteFailure(0);
            EXPECT_TRUE(first.failed);
            if (rename)
                table.renameExtra(0);
            else
                table.carry(first.held, none);
            EXPECT_FALSE(fs::exists(journalPath(table.folder())));
            expectWhole(table);
            EXPECT_EQ(table.generationOnDisk(), rename ? first.held : first.held + 1);
            ++tried;
        }
    }
    std::printf("second changes after a failure, positions tried: %d\n", tried);
}

// A real full disk: a small tmpfs filled to a little less free space each
// time; after each carry, with room again, a second change of the same open
// register leaves the table whole without any replay. Only root may mount
// one; elsewhere the test is skipped.
TEST(FullDisk, ARealSmallDiskLosesNothing)
{
    TempFolder dir;
    const fs::path mount = dir.path() / "disco";
    fs::create_directories(mount);
    if (::geteuid() != 0 || ::mount("tmpfs", mount.c_str(), "tmpfs", 0, "size=2m") != 0)
        GTEST_SKIP() << "mounting a tmpfs needs root";
    const FaultTable table(mount, 12, 400);
    int failed = 0;
    int done = 0;
    for (long free = 0; free <= 640 * 1024; free += 16 * 1024) {
        SCOPED_TRACE("free bytes " + std::to_string(free));
        fs::remove_all(mount / "enche");
        table.create(0);
        // Fill the disk, then give back the free space wanted.
        const int fd = ::open((mount / "enche").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ASSERT_GE(fd, 0);
        const std::string block(64 * 1024, 'x');
        off_t size = 0;
        for (ssize_t n; (n = ::write(fd, block.data(), block.size())) > 0;)
            size += n;
        ASSERT_EQ(::ftruncate(fd, std::max<off_t>(0, size - free)), 0);
        ::close(fd);
        const Carried first = carryFrom(table, 0);
        (first.failed ? failed : done) += 1;
        expectOldOrNew(table);
        fs::remove_all(mount / "enche");
        NullProgress none;
        table.carry(first.held, none);
        expectWhole(table);
        EXPECT_EQ(table.generationOnDisk(), first.held + 1);
    }
    ::umount2(mount.c_str(), MNT_DETACH);
    EXPECT_GT(failed, 0);
    EXPECT_GT(done, 0);
    std::printf("tmpfs: %d carries failed for want of space, %d completed\n", failed, done);
}

} // namespace
} // namespace treluza::fault
