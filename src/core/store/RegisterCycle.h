#pragma once
// RegisterCycle: the rules every register window follows, apart from its
// widgets.
//
// A register shows one record of its file at a time. Its mode says what the
// record on screen is: none (Empty), a new one being typed (Inserting), a
// stored one (Showing), or a stored one of a table open for consultation only
// (Consulting); Changing and Deleting last while a store or a delete asks its
// questions. The cycle holds the mode and the register's data (the keyed
// records of its file, with the current one), decides which
// button works in which mode, asks the questions of each action in their
// order, writes through its store and says what a declined, refused or failed
// store leaves.
//
// How to use it: a window implements RegisterView (its fields, messages,
// focus and pickers) and RegisterStore (its checks, and what its stores carry
// into other files of the table), makes a cycle with the policy of its kind of
// register (the presets below), loads the cycle's data, and calls an action
// for each button. The cycle calls the view back to show records, modes and
// messages.
#include "core/store/Journal.h"
#include "core/store/RegisterData.h"
#include "core/store/Sinks.h"

#include <functional>
#include <optional>
#include <string>

namespace treluza {

/** What the record list keeps when the write of a store or a delete failed. */
enum class FailedWrite {
    Kept,   // the change stays in the list; the next save writes it
    Undone, // the list goes back to what the files hold (the edits stay on screen)
};

/** What a declined or refused change leaves on screen. */
enum class DeclinedChange {
    ShowsStored, // the stored record again, so the fields never hold what the file does not
    KeepsEdits,  // the edits, still unsaved: leaving the record asks about them
};

/** How a kind of register stores: the presets below. */
struct RegisterPolicy {
    bool tracksUnsaved;       // edits not stored are asked about before they are dropped
    bool reportsSuccess;      // stores and deletes say they succeeded
    RegisterMode afterStore;  // the mode after a stored insert or change
    FailedWrite failedStore;  // an insert or change whose write failed
    FailedWrite failedDelete; // a delete whose write failed
    DeclinedChange declinedChange;
};

/** The small registers (groups, household measures, the table registry):
 *  every store asks and reports, and the register goes back to an empty
 *  record; a failed write stays in the list for the next save. */
inline constexpr RegisterPolicy kSmallRegister{
    false, true, RegisterMode::Empty, FailedWrite::Kept, FailedWrite::Kept, DeclinedChange::ShowsStored};

/** The preparation register: the record stays shown after a store, whose edits
 *  are tracked; a delete takes the preparation's files along, so a failed one
 *  changes nothing anywhere. */
inline constexpr RegisterPolicy kPreparationRegister{
    true, true, RegisterMode::Showing, FailedWrite::Kept, FailedWrite::Undone, DeclinedChange::KeepsEdits};

/** The preparation ingredient window: each store writes the lines and the
 *  index together, so a failed one changes nothing anywhere. */
inline constexpr RegisterPolicy kPreparationLines{
    true, true, RegisterMode::Showing, FailedWrite::Undone, FailedWrite::Undone, DeclinedChange::KeepsEdits};

/** The ingredient register: its stores carry into every preparation, so a
 *  failed one changes nothing anywhere; stores do not report success. */
inline constexpr RegisterPolicy kIngredientRegister{true,
                                                    false,
                                                    RegisterMode::Showing,
                                                    FailedWrite::Undone,
                                                    FailedWrite::Undone,
                                                    DeclinedChange::ShowsStored};

/** Which buttons of a register work. */
struct RegisterButtons {
    bool key = false; // the name control
    bool store = false;
    bool create = false;
    bool remove = false;
    bool previous = false;
    bool next = false;
    bool list = false;
    bool help = true;
    bool leave = true;

    bool operator==(const RegisterButtons&) const = default;
};

/** The window of a register, as its cycle sees it. Texts are Windows-1252. */
class RegisterView {
public:
    virtual ~RegisterView() = default;

    /** A message with "&OK"; a question answered yes or no (the default
     *  answer is what Enter gives). */
    virtual void showMessage(const std::string& text) = 0;
    virtual bool askQuestion(const std::string& text, Answer defaultAnswer) = 0;

    /** The key the name control holds; puts one there (a rename that stores
     *  the edits under the new name). */
    virtual std::string keyText() = 0;
    virtual void setKeyText(const std::string& key) = 0;
    /** The record line the fields make. */
    virtual std::string fieldsLine() = 0;
    /** Whether every numeric field holds one value; the first that does not
     *  is refused (with its message) and takes the focus. */
    virtual bool fieldsHoldValues() = 0;

    /** Shows the current record of the data; empties the fields. Neither is an
     *  edit of the user. */
    virtual void showRecord() = 0;
    virtual void clearFields() = 0;
    /** Enables the controls for the cycle's mode and buttons and places the
     *  focus (an empty record: its fields cleared, the name control focused). */
    virtual void showMode() = 0;
    /** Enables the buttons as the cycle says, nothing else. */
    virtual void showButtons() = 0;
    virtual void focusKey() = 0;
    /** After a declined question: the focus where the user types next. */
    virtual void focusFields() {}
    /** Another record was shown by "&Anterior" or "&Próximo". */
    virtual void recordBrowsed() {}
    virtual void closeWindow() = 0;

    /** "&Lista": the index of the record chosen (one outside the data: none,
     *  and the register goes empty), nothing when no list was shown (the view
     *  says why). */
    virtual std::optional<int> pickRecord() = 0;
    /** The rename dialog: the new name, nothing when cancelled. */
    virtual std::optional<std::string> askNewName() = 0;
};

/** What a register checks and writes beyond its own file. A check that
 *  refuses says why (through the view) and answers false. */
class RegisterStore {
public:
    virtual ~RegisterStore() = default;

    /** A new name typed in mode Empty, and the new name of a rename. */
    virtual bool acceptNewKey(const std::string& /*key*/) { return true; }
    virtual bool acceptRenamedKey(const std::string& key) { return acceptNewKey(key); }
    /** Checks before the question of an insert, a change or a delete. */
    virtual bool checkInsert() { return true; }
    virtual bool checkChange() { return true; }
    virtual bool checkDelete() { return true; }

    /** The change of the table that holds a store of the register. */
    virtual Transaction newTransaction() = 0;
    /** What a store carries into other files, staged on the change that
     *  writes the register's file (nothing by default). The data already
     *  holds the new record (or no longer the deleted one). */
    virtual void carryInsert(const RegisterData& /*data*/, Transaction& /*changes*/) {}
    virtual void carryChange(const RegisterData& /*data*/, Transaction& /*changes*/) {}
    virtual void carryDelete(const std::string& /*key*/, Transaction& /*changes*/) {}
    virtual void carryRename(const std::string& /*oldKey*/, const std::string& /*newKey*/,
                             Transaction& /*changes*/)
    {
    }
    /** After a store, a delete or a rename was recorded. */
    virtual void stored() {}
    /** Before the window closes by "&Retorna"; false keeps it open. */
    virtual bool beforeLeave() { return true; }
};

class RegisterCycle {
public:
    RegisterCycle(const RegisterPolicy& policy, RegisterView& view, RegisterStore& store,
                  ProgressSink& progress);

    const RegisterPolicy& policy() const { return m_policy; }
    RegisterMode mode() const { return m_mode; }
    /** Sets the mode (an opening, or the ingredient register consulting). */
    void setMode(RegisterMode mode) { m_mode = mode; }
    /** The register's data: the keyed records of its file. */
    RegisterData& data() { return m_data; }
    const RegisterData& data() const { return m_data; }

    /** Edits changed since the record was shown, cleared or stored (registers
     *  whose policy tracks them). */
    bool unsaved() const { return m_unsaved; }
    void markUnsaved();
    void clearUnsaved() { m_unsaved = false; }

    /** The buttons that work in the current mode. */
    RegisterButtons buttons() const;

    /** Starts an opening in a mode (Empty, or Consulting): the fields are
     *  cleared (or the first record shown when consulting) and the mode shown. */
    void start(RegisterMode mode);

    /** The name control was left: a key that exists is shown, a new one is
     *  inserted; a blank one is refused unless the focus goes to a control
     *  that needs no name ("&Novo", "&Lista", "A&juda", "&Retorna"). */
    void keyLeft(bool towardsFreeControl);
    /** "&Novo", "&Grava", "&Exclui", "&Anterior", "&Próximo", "&Lista". */
    void create();
    void store();
    void remove();
    void previous();
    void next();
    void list();
    /** Shows the record at index, as "&Lista" shows the one picked (an index
     *  outside the data: none, mode Empty): a record chosen in a list of the
     *  window itself, after it asked about unsaved edits. */
    void showAt(int index);
    /** "&Retorna": true when the window may close (the lists are released). */
    bool leave();
    /** The rename of the shown record through the rename dialog: refuses a
     *  blank name, a name the store refuses and a name the key list holds
     *  (existsMessage); then replaces the record, writes the file and carries
     *  the rename in one change. A register that tracks unsaved edits stores
     *  its edits under the new name; the others the stored record. Returns
     *  whether it was renamed. */
    bool rename(const std::string& existsMessage);

    /** Replaces every record of the register by records (a copy from another
     *  file), stored as a change at once, the first record current. A failed
     *  write leaves the records as they were; one recorded but not completed
     *  keeps the new ones, as the files will hold them. Either is reported
     *  ("Erro durante a alteração!"). Returns whether the files hold them. */
    bool replaceRecords(KeyedRecords records);

    /** Offers to store edits not yet stored, before they are dropped; false
     *  when the user wanted them stored and the store failed (the edits are
     *  kept and still unsaved). */
    bool askToSave();
    /** Stores the record without the confirmation questions (before another
     *  window opens); a failure is reported. A new record stored is shown.
     *  Returns whether it was stored. */
    bool storeSilently(bool report);
    /** "Erro de lógica!" and the window closes: a request in a mode where it
     *  cannot happen. */
    void logicError();

private:
    void showMode();
    bool storeRecord(bool inserting, bool report);
    void commit(const std::function<void(Transaction&)>& carry);
    void declineChange();

    RegisterPolicy m_policy;
    RegisterView& m_view;
    RegisterStore& m_store;
    ProgressSink& m_progress;
    RegisterData m_data;
    RegisterMode m_mode = RegisterMode::Empty;
    bool m_consulting = false; // started on a table open for consultation only
    bool m_unsaved = false;
    bool m_previousBlocked = false; // "&Anterior" found no record before the first
    bool m_nextBlocked = false;     // "&Próximo" found none after the last
};

} // namespace treluza
