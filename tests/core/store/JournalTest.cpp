#include "core/store/Journal.h"

#include "core/store/FileIo.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

#include <sys/stat.h>

namespace treluza {
namespace {

namespace fs = std::filesystem;

// Every regular file under a folder with its content, by relative path.
std::map<std::string, std::string> snapshot(const fs::path& folder)
{
    std::map<std::string, std::string> files;
    for (const auto& e : fs::recursive_directory_iterator(folder)) {
        if (e.is_regular_file())
            files[fs::relative(e.path(), folder).generic_string()] = readWholeFile(e.path());
    }
    return files;
}

class Journal : public ::testing::Test {
protected:
    void SetUp() override
    {
        injectWriteFailure(0);
        m_temp.write("Tab/ArqGruIng.dad", "velho|\r\n");
        m_temp.write("Tab/Treluza/Sopa.dad", "linhas|\r\n");
        m_temp.write("Tab/Treluza/Bolo.dad", "bolo|\r\n");
    }
    void TearDown() override { injectWriteFailure(0); }

    fs::path table() const { return m_temp.path() / "Tab"; }

    // One change of each kind: a new file in a new folder, a replaced file, a
    // deleted file and a moved one.
    void stageEveryKind(Transaction& t) const
    {
        t.write(table() / "Receita" / "Sopa.rec", "modo de preparo\r\n");
        t.write(table() / "ArqGruIng.dad", "novo|\r\n");
        t.remove(table() / "Treluza" / "Bolo.dad");
        t.move(table() / "Treluza" / "Sopa.dad", table() / "Treluza" / "Caldo.dad");
    }

    const std::map<std::string, std::string> m_after{{"ArqGruIng.dad", "novo|\r\n"},
                                                     {"Receita/Sopa.rec", "modo de preparo\r\n"},
                                                     {"Treluza/Caldo.dad", "linhas|\r\n"}};
    TempFolder m_temp;
};

TEST_F(Journal, CommitMakesEveryChangeAndLeavesNothingBehind)
{
    Transaction t(table());
    stageEveryKind(t);
    // Reads go through the transaction; nothing is on disk yet.
    EXPECT_EQ(t.read(table() / "Treluza" / "Caldo.dad"), "linhas|\r\n");
    EXPECT_EQ(t.read(table() / "Treluza" / "Sopa.dad"), "");
    EXPECT_EQ(t.read(table() / "Treluza" / "Bolo.dad"), "");
    EXPECT_THROW(t.read(table() / "Treluza" / "Torta.dad"), FileReadError);
    EXPECT_EQ(readWholeFile(table() / "ArqGruIng.dad"), "velho|\r\n");
    EXPECT_EQ(t.entries().size(), 5u);

    t.commit();
    EXPECT_TRUE(t.empty());
    EXPECT_EQ(snapshot(table()), m_after);
    t.commit(); // nothing staged: nothing happens
    EXPECT_EQ(snapshot(table()), m_after);
}

TEST_F(Journal, FilesOutsideTheFolderAreRefused)
{
    Transaction t(table() / "Treluza" / "..");
    EXPECT_THROW(t.write(m_temp.path() / "Outra" / "x.dad", "x"), std::invalid_argument);
    EXPECT_THROW(t.remove(table()), std::invalid_argument);
    EXPECT_NO_THROW(t.write(table() / "Etiqueta" / ".." / "ArqGruPre.dad", "g|"));
    EXPECT_EQ(t.entries().front().path, "ArqGruPre.dad");
}

// Every change of the file layer made by a commit fails in turn, as a full
// disk would: before the journal is whole nothing changes, after it the
// replay completes the change.
TEST_F(Journal, AFailureAtAnyWriteEndsInTheOldFilesOrTheNewOnes)
{
    const auto before = snapshot(table());
    Transaction counting(table());
    stageEveryKind(counting);
    injectWriteFailure(0);
    counting.commit();
    const int writes = writesSinceInjection();
    EXPECT_EQ(writes, 1 + 5 + 1); // the journal, the five files, the journal's delete

    for (int n = 1; n <= writes; ++n) {
        SCOPED_TRACE("failing write " + std::to_string(n));
        fs::remove_all(table());
        for (const auto& [path, bytes] : before)
            m_temp.write(fs::path("Tab") / path, bytes);
        Transaction t(table());
        stageEveryKind(t);
        injectWriteFailure(n);
        EXPECT_THROW(t.commit(), FileWriteError);
        injectWriteFailure(0);
        if (n == 1) {
            EXPECT_EQ(snapshot(table()), before);
            EXPECT_FALSE(replayJournal(table()));
        } else {
            EXPECT_TRUE(fs::exists(journalPath(table())));
            EXPECT_TRUE(replayJournal(table()));
        }
        const auto& expected = n == 1 ? before : m_after;
        EXPECT_EQ(snapshot(table()), expected);
        // The staged change is kept: committing again completes it too.
        t.commit();
        EXPECT_EQ(snapshot(table()), m_after);
    }
}

TEST_F(Journal, ReplayIsIdempotentAndALeftJournalGoesBeforeTheNextChange)
{
    Transaction first(table());
    stageEveryKind(first);
    const std::string journal = encodeJournal("Tab", first.entries());
    m_temp.write("Tab/Transacao.jnl", journal);
    EXPECT_TRUE(replayJournal(table()));
    EXPECT_EQ(snapshot(table()), m_after);
    m_temp.write("Tab/Transacao.jnl", journal); // a crash before the journal's delete
    EXPECT_TRUE(replayJournal(table()));
    EXPECT_EQ(snapshot(table()), m_after);
    EXPECT_FALSE(replayJournal(table()));

    // A journal left by a crash is completed before a later change is made.
    m_temp.write("Tab/Transacao.jnl", encodeJournal("Tab", {{"ArqGruIng.dad", false, "do diario|\r\n"},
                                                            {"ArqGruPre.dad", false, "p|\r\n"}}));
    Transaction later(table());
    later.write(table() / "ArqGruIng.dad", "depois|\r\n");
    later.commit();
    EXPECT_EQ(readWholeFile(table() / "ArqGruIng.dad"), "depois|\r\n");
    EXPECT_EQ(readWholeFile(table() / "ArqGruPre.dad"), "p|\r\n");
}

TEST_F(Journal, DamagedJournalsAreCaught)
{
    const std::vector<JournalEntry> entries{{"Treluza/Sopa.dad", false, std::string("a\0b|\r\n", 6)},
                                            {"Treluza/Bolo.dad", true, ""}};
    const std::string whole = encodeJournal("Tab", entries);
    ASSERT_EQ(parseJournal(whole), (JournalContents{"Tab", entries}));
    // Every cut, and every single changed byte, is caught.
    for (std::size_t n = 0; n < whole.size(); ++n) {
        EXPECT_FALSE(parseJournal(whole.substr(0, n))) << "cut at " << n;
        std::string flipped = whole;
        flipped[n] = static_cast<char>(flipped[n] ^ 0x20);
        EXPECT_FALSE(parseJournal(flipped)) << "byte " << n;
    }
    EXPECT_FALSE(parseJournal(whole + "x"));
    // Paths that would leave the folder are refused even with a true checksum.
    for (const char* path : {"../Outra/x.dad", "/etc/x", "Treluza//x.dad", "./x", "a/..", ""})
        EXPECT_FALSE(parseJournal(encodeJournal("Tab", {{path, false, "x"}}))) << path;
}

// A journal that cannot be one of this folder's changes is set aside,
// untouched, and no file changes; the next change of the table goes on.
TEST_F(Journal, UnusableJournalsAreSetAsideAndTheTableGoesOn)
{
    const std::string valid = encodeJournal("Tab", {{"ArqGruIng.dad", false, "novo|\r\n"}});
    const std::function<void()> kinds[] = {
        [&] { m_temp.write("Tab/Transacao.jnl", valid.substr(0, valid.size() - 3)); }, // cut short
        [&] {
            m_temp.write("Tab/Transacao.jnl", encodeJournal("Outra", {{"ArqGruIng.dad", false, "x|"}}));
        },
        [&] { fs::create_directories(journalPath(table())); },
        [&] { ASSERT_EQ(::mkfifo(journalPath(table()).c_str(), 0644), 0); },
        [&] {
            m_temp.write("Tab/Transacao.jnl", "");
            fs::resize_file(journalPath(table()), kLargestJournal + 1); // sparse
        },
        [&] { // an entry naming a folder
            fs::create_directories(table() / "Receita" / "Sopa.rec");
            m_temp.write("Tab/Transacao.jnl", encodeJournal("Tab", {{"Receita/Sopa.rec", false, "x"}}));
        },
        [&] { // an entry through a link that leads out of the folder
            fs::create_directories(m_temp.path() / "Fora");
            fs::create_directory_symlink(m_temp.path() / "Fora", table() / "Ligada");
            m_temp.write("Tab/Transacao.jnl", encodeJournal("Tab", {{"Ligada/x.dad", false, "x"}}));
        },
        [&] { // a journal that is a link
            m_temp.write("Outro.jnl", valid);
            fs::create_symlink(m_temp.path() / "Outro.jnl", journalPath(table()));
        },
    };
    int kind = 0;
    for (const auto& make : kinds) {
        SCOPED_TRACE("kind " + std::to_string(kind++));
        fs::remove_all(m_temp.path());
        SetUp();
        const auto before = snapshot(table());
        make();
        EXPECT_EQ(finishPendingChange(table()), PendingChange::SetAside);
        EXPECT_FALSE(fs::exists(fs::symlink_status(journalPath(table()))));
        const fs::path aside = table() / "Transacao.jnl.1.recusado";
        EXPECT_TRUE(fs::exists(fs::symlink_status(aside)));
        EXPECT_FALSE(fs::exists(m_temp.path() / "Fora" / "x.dad"));
        fs::remove_all(aside);
        EXPECT_EQ(snapshot(table()), before);
        EXPECT_EQ(finishPendingChange(table()), PendingChange::None);
        Transaction later(table());
        later.write(table() / "ArqGruIng.dad", "depois|\r\n");
        later.commit();
        EXPECT_EQ(readWholeFile(table() / "ArqGruIng.dad"), "depois|\r\n");
    }
}

// Once a journal exists nothing reads the folder's files before it is
// completed: a transaction made after a commit that failed half-way reads the
// completed files, and one that cannot complete it does not exist.
TEST_F(Journal, APendingChangeIsCompletedBeforeAnythingIsRead)
{
    Transaction t(table());
    stageEveryKind(t);
    injectWriteFailure(3); // the journal and one file are written
    EXPECT_THROW(t.commit(), ChangePendingError);
    ASSERT_TRUE(fs::exists(journalPath(table())));
    injectWriteFailure(1);
    EXPECT_THROW(Transaction{table()}, FileWriteError);
    injectWriteFailure(0);
    Transaction next(table());
    EXPECT_EQ(next.read(table() / "Treluza" / "Caldo.dad"), "linhas|\r\n");
    EXPECT_EQ(snapshot(table()), m_after);
    // A change of one file needs no journal.
    next.write(table() / "ArqGruIng.dad", "um|\r\n");
    injectWriteFailure(0);
    next.commit();
    EXPECT_EQ(writesSinceInjection(), 1);
    EXPECT_FALSE(fs::exists(journalPath(table())));
}

// Two entries for one file are refused rather than the last one winning.
TEST_F(Journal, TwoEntriesForOneFileAreRefused)
{
    const fs::path index = table() / "Treluza" / "ArqTreluza.dad";
    const std::function<void(Transaction&)> conflicts[] = {
        [&](Transaction& t) { t.move(table() / "Treluza" / "Sopa.dad", index); },
        [&](Transaction& t) { t.move(index, table() / "Treluza" / "Caldo.dad"); },
        [&](Transaction& t) { t.remove(index); },
        [&](Transaction& t) { t.write(table() / "Treluza" / "arqtreluza.dad", "x"); },
        [&](Transaction& t) {
            t.write(table() / "Treluza" / "Pão.dad", "x");
            t.write(table() / "Treluza" / "PÃO.dad", "y");
        },
    };
    for (const auto& conflict : conflicts) {
        Transaction t(table());
        t.write(index, "indice|\r\n");
        EXPECT_THROW(conflict(t), UnusableNameError);
    }
    Transaction t(table());
    t.write(index, "um|\r\n");
    t.write(index, "dois|\r\n"); // a later walk over what an earlier one staged
    t.remove(table() / "Treluza" / "Bolo.dad");
    t.remove(table() / "Treluza" / "Bolo.dad");
    EXPECT_EQ(t.entries().size(), 2u);
    EXPECT_EQ(t.read(index), "dois|\r\n");
}

TEST_F(Journal, AFolderInPlaceOfAFileIsRefusedBeforeTheJournal)
{
    fs::create_directories(table() / "Receita" / "Sopa.rec" / "x");
    const auto before = snapshot(table());
    Transaction t(table());
    stageEveryKind(t);
    EXPECT_THROW(t.commit(), FileWriteError);
    EXPECT_EQ(snapshot(table()), before);
    EXPECT_FALSE(fs::exists(journalPath(table())));
}

TEST_F(Journal, StartUpReplaysEveryTableAndRemovesStaleTemporaries)
{
    const fs::path data = m_temp.path() / "Dados";
    m_temp.write("Dados/A/Transacao.jnl", encodeJournal("A", {{"ArqGruIng.dad", false, "a|\r\n"}}));
    m_temp.write("Dados/B/Transacao.jnl", "TRELUZA JOURNAL 2\r\nF 1\r\nB\r\n1\r\nW 1"); // cut short
    m_temp.write("Dados/B/ArqGruIng.dad", "b|\r\n");
    m_temp.write("Dados/B/Transacao.jnl.tmp", "half a journal");
    m_temp.write("Dados/ArqTab.dad.tmp", "x");
    m_temp.write("Dados/A/Ingrediente/ArqIng.dad.tmp-0a1b2c3d4e", "old style");
    m_temp.write("Dados/A/Treluza/Sopa.dad.tmp", "half");
    m_temp.write("Dados/A/Treluza/Sopa.tmp.dad", "a preparation named Sopa.tmp");
    m_temp.write("Dados/A/Treluza/Bolo.dad.tmp-0A1B2C3D4E", "not ours: upper case");

    // Links are not followed out of the data folder: a table folder that is
    // one, and one inside a table folder, keep what they lead to.
    m_temp.write("Fora/Ingrediente/ArqIng.dad.tmp", "not ours");
    m_temp.write("Fora/Transacao.jnl", encodeJournal("Ligada", {{"x.dad", false, "x"}}));
    fs::create_directory_symlink(m_temp.path() / "Fora", data / "Ligada");
    fs::create_directory_symlink(m_temp.path() / "Fora" / "Ingrediente", data / "A" / "Fora");

    const StartUpReport report = replayJournals(m_temp.path());
    EXPECT_EQ(report.completed, 1);
    EXPECT_EQ(report.setAside, std::vector<std::string>{"B"});
    EXPECT_TRUE(report.failed.empty());
    EXPECT_EQ(snapshot(data),
              (std::map<std::string, std::string>{
                  {"A/ArqGruIng.dad", "a|\r\n"},
                  {"A/Treluza/Sopa.tmp.dad", "a preparation named Sopa.tmp"},
                  {"A/Treluza/Bolo.dad.tmp-0A1B2C3D4E", "not ours: upper case"},
                  {"B/ArqGruIng.dad", "b|\r\n"},
                  {"B/Transacao.jnl.1.recusado", "TRELUZA JOURNAL 2\r\nF 1\r\nB\r\n1\r\nW 1"}}));
    EXPECT_TRUE(fs::exists(m_temp.path() / "Fora" / "Ingrediente" / "ArqIng.dad.tmp"));
    EXPECT_TRUE(fs::exists(m_temp.path() / "Fora" / "Transacao.jnl"));
    EXPECT_FALSE(fs::exists(m_temp.path() / "Fora" / "x.dad"));
    EXPECT_EQ(replayJournals(m_temp.path() / "nenhum").completed, 0);
}

} // namespace
} // namespace treluza
