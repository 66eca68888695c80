#include "core/store/RegisterCycle.h"

#include "core/store/Cp1252.h"
#include "core/store/FileIo.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <deque>
#include <vector>

namespace treluza {
namespace {

namespace fs = std::filesystem;

/** A register file of two records, "Arroz" and "Feijao". */
constexpr const char* kFile = "Arroz|a|\r\nFeijao|f|\r\n";

/** What a store does when the cycle writes. */
enum class Write { Succeeds, Fails, Pending };

/** A window that records what the cycle asks of it: "!" a message, "?" a
 *  question (answered from the script), and the names of the other calls. */
class FakeView final : public RegisterView {
public:
    std::vector<std::string> calls;
    std::deque<bool> answers;
    std::string key = "Arroz";
    bool valuesHold = true;
    std::optional<int> picked;
    std::optional<std::string> newName;

    void showMessage(const std::string& text) override { calls.push_back("!" + toUtf8(text)); }
    bool askQuestion(const std::string& text, Answer) override
    {
        calls.push_back("?" + toUtf8(text));
        if (answers.empty())
            return false;
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }
    std::string keyText() override { return key; }
    void setKeyText(const std::string& k) override { key = k; }
    std::string fieldsLine() override { return key + "|novo|"; }
    bool fieldsHoldValues() override { return valuesHold; }
    void showRecord() override { calls.push_back("showRecord"); }
    void clearFields() override { calls.push_back("clearFields"); }
    void showMode() override { calls.push_back("showMode"); }
    void showButtons() override { calls.push_back("showButtons"); }
    void focusKey() override { calls.push_back("focusKey"); }
    void focusFields() override { calls.push_back("focusFields"); }
    void closeWindow() override { calls.push_back("close"); }
    std::optional<int> pickRecord() override { return picked; }
    std::optional<std::string> askNewName() override { return newName; }
};

/** A store whose checks answer as told and whose carry records the change,
 *  then fails or leaves the change pending when told to. */
class FakeStore final : public RegisterStore {
public:
    explicit FakeStore(fs::path folder) : m_folder(std::move(folder)) {}
    bool refuses = false;
    Write write = Write::Succeeds;
    std::vector<std::string> carried;

    bool checkInsert() override { return !refuses; }
    bool checkChange() override { return !refuses; }
    bool checkDelete() override { return !refuses; }
    Transaction newTransaction() override { return Transaction(m_folder); }
    void carryInsert(const RegisterData&, Transaction& t) override { carry("insert", t); }
    void carryChange(const RegisterData&, Transaction& t) override { carry("change", t); }
    void carryDelete(const std::string& key, Transaction& t) override { carry("delete " + key, t); }
    void carryRename(const std::string& from, const std::string& to, Transaction& t) override
    {
        carry("rename " + from + " " + to, t);
    }

private:
    void carry(const std::string& what, Transaction& t)
    {
        carried.push_back(what);
        // A second file makes the change one of a journal.
        t.write(m_folder / "outro.dad", what + "\r\n");
        if (write == Write::Fails)
            throw FileWriteError(m_folder / "outro.dad", "full disk");
        if (write == Write::Pending)
            throw ChangePendingError(m_folder / "outro.dad", "full disk after the journal");
    }

    fs::path m_folder;
};

struct Fixture {
    TempFolder folder;
    FakeView view;
    FakeStore store{folder.path()};
    NullProgress progress;
    RegisterCycle cycle;
    explicit Fixture(const RegisterPolicy& policy) : cycle(policy, view, store, progress)
    {
        folder.write("registro.dad", kFile);
        cycle.data().load(folder.path() / "registro.dad");
    }
    std::string file() const { return readWholeFile(folder.path() / "registro.dad"); }
};

enum class Action { KeyLeft, Create, Store, Remove, Previous, Next, List, Leave, Rename };

// Each action of the cycle from a mode: the messages and questions in order
// (with the answers given), what the store carried, the mode after, and the
// register's file afterwards.
TEST(RegisterCycle, ActionsAskTheirQuestionsAndLeaveTheirMode)
{
    const std::string changed = "Arroz|novo|\r\nFeijao|f|\r\n";
    const std::string added = "Arroz|a|\r\nFeijao|f|\r\nMilho|novo|\r\n";
    const struct Case {
        const char* name;
        const RegisterPolicy& policy;
        RegisterMode from;
        Action action;
        std::vector<bool> answers;
        Write write;
        bool refuses;
        std::vector<std::string> messages;
        std::vector<std::string> carried;
        RegisterMode to;
        std::string file;
    } cases[] = {
        {"insert",
         kSmallRegister,
         RegisterMode::Inserting,
         Action::Store,
         {true},
         Write::Succeeds,
         false,
         {"?Confirma inclusão?", "!Inclusão efetuada com sucesso!"},
         {"insert"},
         RegisterMode::Empty,
         added},
        {"insert declined",
         kSmallRegister,
         RegisterMode::Inserting,
         Action::Store,
         {false},
         Write::Succeeds,
         false,
         {"?Confirma inclusão?"},
         {},
         RegisterMode::Inserting,
         kFile},
        {"insert refused",
         kIngredientRegister,
         RegisterMode::Inserting,
         Action::Store,
         {},
         Write::Succeeds,
         true,
         {},
         {},
         RegisterMode::Inserting,
         kFile},
        {"insert failed, kept",
         kSmallRegister,
         RegisterMode::Inserting,
         Action::Store,
         {true},
         Write::Fails,
         false,
         {"?Confirma inclusão?", "!Erro durante inclusão!"},
         {"insert"},
         RegisterMode::Empty,
         kFile},
        {"insert failed, undone",
         kPreparationLines,
         RegisterMode::Inserting,
         Action::Store,
         {true},
         Write::Fails,
         false,
         {"?Confirma inclusão?", "!Erro durante inclusão!"},
         {"insert"},
         RegisterMode::Inserting,
         kFile},
        {"change",
         kPreparationRegister,
         RegisterMode::Showing,
         Action::Store,
         {true},
         Write::Succeeds,
         false,
         {"?Confirma alteração?", "!Alteração efetuada com sucesso!"},
         {"change"},
         RegisterMode::Showing,
         changed},
        {"change, no report",
         kIngredientRegister,
         RegisterMode::Showing,
         Action::Store,
         {true},
         Write::Succeeds,
         false,
         {"?Confirma alteração?"},
         {"change"},
         RegisterMode::Showing,
         changed},
        {"change declined",
         kSmallRegister,
         RegisterMode::Showing,
         Action::Store,
         {false},
         Write::Succeeds,
         false,
         {"?Confirma alteração?"},
         {},
         RegisterMode::Showing,
         kFile},
        {"change refused",
         kSmallRegister,
         RegisterMode::Showing,
         Action::Store,
         {},
         Write::Succeeds,
         true,
         {},
         {},
         RegisterMode::Showing,
         kFile},
        {"change pending",
         kIngredientRegister,
         RegisterMode::Showing,
         Action::Store,
         {true},
         Write::Pending,
         false,
         {"?Confirma alteração?", "!Erro durante a alteração!"},
         {"change"},
         RegisterMode::Showing,
         kFile},
        {"store while empty",
         kSmallRegister,
         RegisterMode::Empty,
         Action::Store,
         {},
         Write::Succeeds,
         false,
         {"!Erro de lógica!"},
         {},
         RegisterMode::Empty,
         kFile},
        {"delete",
         kSmallRegister,
         RegisterMode::Showing,
         Action::Remove,
         {true},
         Write::Succeeds,
         false,
         {"?Confirma exclusão?", "!Exclusão efetuada com sucesso!"},
         {"delete Arroz"},
         RegisterMode::Empty,
         "Feijao|f|\r\n"},
        {"delete declined",
         kSmallRegister,
         RegisterMode::Showing,
         Action::Remove,
         {false},
         Write::Succeeds,
         false,
         {"?Confirma exclusão?"},
         {},
         RegisterMode::Showing,
         kFile},
        {"delete refused",
         kSmallRegister,
         RegisterMode::Showing,
         Action::Remove,
         {},
         Write::Succeeds,
         true,
         {},
         {},
         RegisterMode::Showing,
         kFile},
        {"delete failed, undone",
         kPreparationRegister,
         RegisterMode::Showing,
         Action::Remove,
         {true},
         Write::Fails,
         false,
         {"?Confirma exclusão?", "!Erro durante exclusão!"},
         {"delete Arroz"},
         RegisterMode::Showing,
         kFile},
        {"delete while consulting",
         kIngredientRegister,
         RegisterMode::Consulting,
         Action::Remove,
         {},
         Write::Succeeds,
         false,
         {"!Erro de lógica!"},
         {},
         RegisterMode::Consulting,
         kFile},
        {"new after failed store",
         kPreparationRegister,
         RegisterMode::Showing,
         Action::Create,
         {true},
         Write::Fails,
         false,
         {"?Os dados não foram gravados! Deseja gravá-los?", "!Erro durante a alteração!"},
         {"change"},
         RegisterMode::Showing,
         kFile},
        {"new, edits dropped",
         kPreparationRegister,
         RegisterMode::Showing,
         Action::Create,
         {false},
         Write::Succeeds,
         false,
         {"?Os dados não foram gravados! Deseja gravá-los?"},
         {},
         RegisterMode::Empty,
         kFile},
        {"leave, store failed, stay",
         kIngredientRegister,
         RegisterMode::Showing,
         Action::Leave,
         {true, false},
         Write::Fails,
         false,
         {"?Os dados não foram gravados! Deseja gravá-los?", "!Erro durante a alteração!",
          "?Deseja sair sem gravar as alterações?"},
         {"change"},
         RegisterMode::Showing,
         kFile},
        {"list after store",
         kPreparationRegister,
         RegisterMode::Showing,
         Action::List,
         {true},
         Write::Succeeds,
         false,
         {"?Os dados não foram gravados! Deseja gravá-los?", "!Alteração efetuada com sucesso!"},
         {"change"},
         RegisterMode::Showing,
         changed},
        {"rename",
         kSmallRegister,
         RegisterMode::Showing,
         Action::Rename,
         {},
         Write::Succeeds,
         false,
         {},
         {"rename Arroz Trigo"},
         RegisterMode::Showing,
         "Feijao|f|\r\nTrigo|a|\r\n"},
        {"rename failed",
         kSmallRegister,
         RegisterMode::Showing,
         Action::Rename,
         {},
         Write::Fails,
         false,
         {"!Erro durante a alteração!"},
         {"rename Arroz Trigo"},
         RegisterMode::Showing,
         kFile},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Fixture f(c.policy);
        f.cycle.setMode(c.from);
        f.view.answers.assign(c.answers.begin(), c.answers.end());
        f.store.write = c.write;
        f.store.refuses = c.refuses;
        if (c.from == RegisterMode::Inserting)
            f.view.key = "Milho";
        if (c.policy.tracksUnsaved)
            f.cycle.markUnsaved();
        f.view.picked = 1;
        f.view.newName = "Trigo";
        switch (c.action) {
        case Action::KeyLeft:
            f.cycle.keyLeft(false);
            break;
        case Action::Create:
            f.cycle.create();
            break;
        case Action::Store:
            f.cycle.store();
            break;
        case Action::Remove:
            f.cycle.remove();
            break;
        case Action::Previous:
            f.cycle.previous();
            break;
        case Action::Next:
            f.cycle.next();
            break;
        case Action::List:
            f.cycle.list();
            break;
        case Action::Leave:
            f.cycle.leave();
            break;
        case Action::Rename:
            f.cycle.rename(cp("Nome já existe!"));
            break;
        }
        std::vector<std::string> messages;
        for (const std::string& call : f.view.calls)
            if (call[0] == '!' || call[0] == '?')
                messages.push_back(call);
        EXPECT_EQ(messages, c.messages);
        EXPECT_EQ(f.store.carried, c.carried);
        EXPECT_EQ(f.cycle.mode(), c.to);
        EXPECT_EQ(f.file(), c.file);
        EXPECT_TRUE(f.view.answers.empty()) << "questions not asked";
    }
}

// A name typed in mode Empty: one that exists is shown, a new one is inserted
// (and counts as unsaved at once), a blank one is refused unless the focus goes
// to a control that needs none.
TEST(RegisterCycle, TheNameLeftShowsInsertsOrRefuses)
{
    const struct {
        const char* key;
        bool free;
        RegisterMode to;
        std::vector<std::string> calls;
        bool unsaved;
    } cases[] = {
        {"feijao", false, RegisterMode::Showing, {"showRecord", "showMode"}, false},
        {"Milho", false, RegisterMode::Inserting, {"showMode"}, true},
        {"   ", true, RegisterMode::Empty, {}, false},
        {"   ", false, RegisterMode::Empty, {"!Código inválido!", "focusKey"}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        Fixture f(kPreparationRegister);
        f.view.key = c.key;
        f.cycle.keyLeft(c.free);
        EXPECT_EQ(f.cycle.mode(), c.to);
        EXPECT_EQ(f.view.calls, c.calls);
        EXPECT_EQ(f.cycle.unsaved(), c.unsaved);
    }
}

// Which buttons work in each mode; "&Anterior" and "&Próximo" stop at the ends
// of the file until the record changes.
TEST(RegisterCycle, ButtonsFollowTheModeAndBrowsingStopsAtTheEnds)
{
    const auto buttons = [](RegisterMode mode) {
        Fixture f(kIngredientRegister);
        f.cycle.setMode(mode);
        const RegisterButtons b = f.cycle.buttons();
        return std::vector<bool>{b.key, b.store, b.create, b.remove, b.previous, b.next, b.list};
    };
    using V = std::vector<bool>;
    EXPECT_EQ(buttons(RegisterMode::Empty), (V{true, false, true, false, false, false, true}));
    EXPECT_EQ(buttons(RegisterMode::Inserting), (V{false, true, true, false, false, false, false}));
    EXPECT_EQ(buttons(RegisterMode::Showing), (V{false, true, true, true, true, true, true}));
    EXPECT_EQ(buttons(RegisterMode::Consulting), (V{false, false, false, false, true, true, true}));

    Fixture f(kSmallRegister);
    f.cycle.setMode(RegisterMode::Showing);
    f.cycle.previous();
    EXPECT_FALSE(f.cycle.buttons().previous);
    f.cycle.next();
    EXPECT_TRUE(f.cycle.buttons().previous);
    EXPECT_EQ(f.cycle.data().current(), 1);
    f.cycle.next();
    EXPECT_FALSE(f.cycle.buttons().next);
    EXPECT_EQ(f.cycle.data().current(), 1);
    // A consulting register stays consulting whatever "&Lista" picks.
    Fixture c(kIngredientRegister);
    c.cycle.start(RegisterMode::Consulting);
    c.view.picked = 1;
    c.cycle.list();
    EXPECT_EQ(c.cycle.mode(), RegisterMode::Consulting);
    c.view.picked = -1;
    c.cycle.list();
    EXPECT_EQ(c.cycle.mode(), RegisterMode::Consulting);
}

// Records copied over the register's: written with their carry when the write
// succeeds, kept as recorded when the change is pending, given back when it
// fails; either failure is reported.
TEST(RegisterCycle, ReplacedRecordsAreKeptOnlyWhenRecorded)
{
    const std::string copied = "Milho|m|\r\n";
    const struct {
        Write write;
        bool replaced;
        const char* records;
        const char* file;
    } cases[] = {
        {Write::Succeeds, true, "Milho|m|\r\n", "Milho|m|\r\n"},
        {Write::Pending, false, "Milho|m|\r\n", kFile},
        {Write::Fails, false, kFile, kFile},
    };
    for (const auto& w : cases) {
        Fixture c(kPreparationLines);
        c.store.write = w.write;
        EXPECT_EQ(c.cycle.replaceRecords(keyedLines(copied)), w.replaced);
        EXPECT_EQ(c.store.carried, std::vector<std::string>{"change"});
        EXPECT_EQ(c.cycle.data().list().records().lines(), keyedLines(w.records).records().lines());
        EXPECT_EQ(c.cycle.data().current(), 0);
        EXPECT_EQ(c.file(), w.file);
        EXPECT_EQ(c.view.calls, w.replaced ? std::vector<std::string>{}
                                           : std::vector<std::string>{"!Erro durante a alteração!"});
    }
}

} // namespace
} // namespace treluza
