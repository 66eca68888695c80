#pragma once
// TRegisterForm: the register cycle every register window shares.
//
// How to use it: derive the register from TRegisterForm, call
// buildButtonRow() in the constructor, then build the fields, connect the
// name field's Exit to keyEditExit() and call connectButtons(). Implement
// keyEdit() (the name field), MakeLine(), ShowCurrent(), ClearFields(),
// ApplyMode() and listCaption(). The base then runs, with the system's
// messages: the exit of the name field (lookup, Empty -> Showing or
// Inserting, "Código inválido!"), "&Novo", "&Grava" (insert or change with
// their confirmations and failure messages), "&Exclui", "&Anterior",
// "&Próximo", "&Lista", "A&juda", "&Retorna", the rename through the rename
// dialog (renameCurrent()), and "Erro de lógica!" for a request in a mode
// where it cannot happen.
//
// What differs between registers goes through the virtual hooks below:
// checks before a store (beforeInsert(), beforeChange(), beforeDelete()), what
// a store writes (commitInsert(), commitChange(), commitDelete(),
// carryRename()), what a declined question leaves (insertDeclined(),
// changeDeclined()), whether stores are reported and where the mode goes
// after them (storeReports()), and what leaving the window takes
// (beforeLeave()). A register that tracks unsaved edits calls
// setTracksUnsaved(true) and markUnsaved() from its edits' change events;
// the base then asks "Os dados não foram gravados! Deseja gravá-los?"
// (AskToSave) before "&Novo", "&Anterior", "&Próximo", "&Lista" and
// "&Retorna".
#include "core/store/Journal.h"
#include "core/store/RegisterData.h"
#include "core/store/Sinks.h"
#include "gui/widgets/Form.h"
#include "gui/widgets/FormContext.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

namespace treluza {

class TBitBtn;
class TMaskEdit;

class TRegisterForm : public TForm {
    Q_OBJECT
public:
    explicit TRegisterForm(FormContext& context, QWidget* parent = nullptr);

    TBitBtn* GraBitBtn = nullptr;
    TBitBtn* NovBitBtn = nullptr;
    TBitBtn* ExcBitBtn = nullptr;
    TBitBtn* AntBitBtn = nullptr;
    TBitBtn* ProBitBtn = nullptr;
    TBitBtn* LisBitBtn = nullptr;
    TBitBtn* AjuBitBtn = nullptr;
    TBitBtn* RetBitBtn = nullptr;

    RegisterMode mode() const { return m_mode; }
    const RegisterData& data() const { return m_data; }
    /** Edits changed since the record was shown, cleared or stored (registers
     *  that track them). */
    bool unsaved() const { return m_unsaved; }

    /** The shared handlers (public so that tests and openers can reach them). */
    void keyEditExit(QWidget* next);
    void NovBitBtnClick();
    void GraBitBtnClick();
    void ExcBitBtnClick();
    void AntBitBtnClick();
    void ProBitBtnClick();
    void LisBitBtnClick();
    void AjuBitBtnClick();
    void RetBitBtnClick();

    /** Offers to store edits not yet stored, before they are dropped; false
     *  when the user wanted them stored and the store failed (the edits are
     *  kept and still unsaved). */
    bool AskToSave();

protected:
    /** A close box drawn by the window manager leaves as "&Retorna" does. */
    void closeBoxClicked() override { RetBitBtnClick(); }

    /** Makes the eight buttons in a row at the top, each width x height;
     *  returns the y below them. */
    int buildButtonRow(int width, int height);
    /** Connects the eight buttons to their handlers. */
    void connectButtons();

    void setMode(RegisterMode mode) { m_mode = mode; }
    void setTracksUnsaved(bool on) { m_tracksUnsaved = on; }
    void markUnsaved() { m_unsaved = true; }
    void clearUnsaved() { m_unsaved = false; }

    /** The name field; registers whose key is chosen in another control
     *  (a combo) return null and override keyControl() and keyText(). */
    virtual TMaskEdit* keyEdit() = 0;
    virtual QWidget* keyControl();
    /** The key as the name control holds it (core text). */
    virtual std::string keyText();
    /** The record line of the fields. */
    virtual std::string MakeLine() = 0;
    virtual void ShowCurrent() = 0;
    virtual void ClearFields() = 0;
    /** Enables the controls and places the focus for the current mode. */
    virtual void ApplyMode() = 0;
    virtual QString listCaption() const = 0;
    /** What "&Lista" shows: by default the list picker over the listed
     *  records. Returns the index of the record to show (outside the record
     *  list: none, mode Empty), or nothing when the list was not shown. */
    virtual std::optional<int> pickFromList();
    /** Whether the list picker offers a record, and the line it shows for it
     *  (its key unless overridden). */
    virtual bool listed(int /*record*/) const { return true; }
    virtual QString listItem(int record) const;

    /** Writes the record list to the file, as a change of the register's
     *  table (newTransaction): a pending change of the table is completed
     *  first. */
    void saveFile();
    /** Whether leaving a blank name towards next needs no message. */
    virtual bool isFreeTarget(QWidget* next) const;
    /** A new name typed in mode Empty: false refuses it (with a message of the
     *  register's own) and keeps the focus on the name. */
    virtual bool acceptNewKey(const std::string& key);
    /** Checks before a question; false stops the store (the hook shows why and
     *  leaves the mode it wants, Showing unless it says otherwise). */
    virtual bool beforeInsert() { return true; }
    virtual bool beforeChange() { return true; }
    virtual bool beforeDelete() { return true; }
    /** A declined "Confirma inclusão?": the mode stays Inserting. */
    virtual void insertDeclined() {}
    /** A declined or refused change: by default the stored record is shown
     *  again, so the edits never hold what the file does not. */
    virtual void changeDeclined() { ShowCurrent(); }

    /** What a confirmed insert, change or delete does to the record list and
     *  the files; throws (a StoreError) when a write fails. By default the
     *  record list changes and the whole file is written. */
    virtual void commitInsert(const std::string& line);
    virtual void commitChange(const std::string& line);
    virtual void commitDelete();

    /** Whether stores show their success message; the mode after a
     *  confirmed insert or change (Empty for the small registers); and whether
     *  the record list keeps a store whose write failed (the small registers
     *  write it with their next save) or goes back to what the files hold (a
     *  register whose store also changes other files, which must stay in step
     *  with it; its edits stay on screen, unsaved). */
    struct StoreReports {
        bool successMessages = true;
        RegisterMode modeAfterStore = RegisterMode::Empty;
        bool keepFailedStores = true;
        bool keepFailedDeletes = true;
    };
    virtual StoreReports storeReports() const { return {}; }

    /** Whether AskToSave may store in the current mode. */
    virtual bool canStore() const;

    /** Runs before "&Retorna" closes the window (after AskToSave); false keeps
     *  the window open. */
    virtual bool beforeLeave() { return true; }

    /** The transaction that holds a rename: by default in the folder of the
     *  register's file; registers whose renames reach other files of the
     *  table use the table's folder. */
    virtual Transaction newTransaction();
    /** Stages the register's own file as the record list holds it. */
    virtual void stageOwnFile(Transaction& changes);
    /** Stages what a rename carries into the files that name the key. The
     *  record list already holds the new line. */
    virtual void carryRename(const std::string& oldKey, const std::string& newKey, Transaction& changes);
    /** Runs after a rename was written. */
    virtual void afterRename(const std::string& /*oldKey*/, const std::string& /*newKey*/) {}
    /** A new name the register cannot use: false refuses it (after its message). */
    virtual bool acceptRenamedKey(const std::string& key);

    /** Runs after "&Anterior" or "&Próximo" showed another record. */
    virtual void afterBrowse() {}

    /** The part of ApplyMode every register shares: in mode Empty the fields
     *  are cleared and only the name field is open; "&Grava" works while
     *  inserting or showing, "&Exclui", "&Anterior" and "&Próximo" while
     *  showing, "&Lista" except while inserting. */
    void applyCommonMode();

    /** A usage scan before a change or delete: true when nothing uses the
     *  record; otherwise the warning window lists the users under the message
     *  and the answer is false. A scan that cannot read its files shows the
     *  failure message and also answers false. */
    bool checkUnused(const std::function<std::vector<std::string>()>& scan, const std::string& message,
                     const QString& failure);

    /** Loads the register's file (built by path, which may throw for a name
     *  that cannot name a file); when it cannot be read, says so and closes
     *  the window (nothing that could overwrite the file stays open) and
     *  returns false. */
    bool loadRegisterFile(const std::function<std::filesystem::path()>& path, bool scrambled = false);

    /** The progress window for long file work (a silent sink when there is none). */
    ProgressSink& progress() { return m_context.progress(); }

    /** Shows "Erro de lógica!" and closes the window. */
    void logicError();

    /** The rename of the current record through the rename dialog (mode
     *  Showing): refuses a blank name, a name acceptRenamedKey() refuses and
     *  a name the key list holds (existsMessage); then replaces the record,
     *  writes the file and carries the rename in one step. A register that
     *  tracks unsaved edits stores its edits with the new name; the others
     *  store the stored record under the new name and show it. When a step
     *  fails the record list is as before, "Erro durante a alteração!" is
     *  shown and false returned. */
    bool renameCurrent(const QString& caption, const QString& existsMessage);

    /** Stores the record without the confirmation questions (AskToSave, and
     *  the writes before another window opens, which do not report success);
     *  a failure is reported as for a confirmed store. Returns whether it was
     *  stored. */
    bool storeSilently(bool report = true);

    FormContext& m_context;
    RegisterData m_data;

private:
    bool store(bool inserting, bool report);
    /** Whether every numeric field shown holds one value; the first that does
     *  not is refused ("Valor inválido!") and takes the focus. */
    bool fieldsHoldValues();

    RegisterMode m_mode = RegisterMode::Empty;
    bool m_tracksUnsaved = false;
    bool m_unsaved = false;
};

} // namespace treluza
