#pragma once
// TRegisterForm: the window side of the register cycle every register
// window shares.
//
// The rules (modes, which button works when, the questions and their order,
// what a declined, refused or failed store leaves) live in RegisterCycle; this
// base is its view: it makes the eight buttons and sends their clicks to the
// cycle, and it shows what the cycle asks for through the register's fields.
//
// How to use it: derive the register from TRegisterForm with the policy of
// its kind of register, call buildButtonRow() in the constructor, then build
// the fields, connect the name field's Exit to keyEditExit() and call
// connectButtons(). Implement keyEdit() (the name field), MakeLine(),
// ShowCurrent(), ClearFields(), ApplyMode() (which calls applyCommonMode()
// and then enables the register's own fields) and listCaption(). What a
// register checks before a store and what its stores carry into other files
// are the RegisterStore hooks (checkInsert(), checkChange(), checkDelete(),
// acceptNewKey(), carryChange(), ...). Edits of the user call markUnsaved().
#include "core/store/Paths.h"
#include "core/store/RegisterCycle.h"
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

class TRegisterForm : public TForm, protected RegisterView, protected RegisterStore {
    Q_OBJECT
public:
    TRegisterForm(FormContext& context, const RegisterPolicy& policy, QWidget* parent = nullptr);

    TBitBtn* GraBitBtn = nullptr;
    TBitBtn* NovBitBtn = nullptr;
    TBitBtn* ExcBitBtn = nullptr;
    TBitBtn* AntBitBtn = nullptr;
    TBitBtn* ProBitBtn = nullptr;
    TBitBtn* LisBitBtn = nullptr;
    TBitBtn* AjuBitBtn = nullptr;
    TBitBtn* RetBitBtn = nullptr;

    RegisterMode mode() const { return m_cycle.mode(); }
    const RegisterData& data() const { return m_cycle.data(); }
    /** Edits changed since the record was shown, cleared or stored. */
    bool unsaved() const { return m_cycle.unsaved(); }

    /** The buttons' handlers, which the cycle runs (public so that tests and
     *  openers can reach them). */
    void keyEditExit(QWidget* next);
    void NovBitBtnClick() { m_cycle.create(); }
    void GraBitBtnClick() { m_cycle.store(); }
    void ExcBitBtnClick() { m_cycle.remove(); }
    void AntBitBtnClick() { m_cycle.previous(); }
    void ProBitBtnClick() { m_cycle.next(); }
    void LisBitBtnClick() { m_cycle.list(); }
    void AjuBitBtnClick();
    void RetBitBtnClick();

    /** Offers to store edits not yet stored (RegisterCycle::askToSave). */
    bool AskToSave() { return m_cycle.askToSave(); }

protected:
    /** A close box drawn by the window manager leaves as "&Retorna" does. */
    void closeBoxClicked() override { RetBitBtnClick(); }

    /** Makes the eight buttons in a row at the top, each width x height;
     *  returns the y below them. */
    int buildButtonRow(int width, int height);
    /** Connects the eight buttons to their handlers. */
    void connectButtons();
    /** Sets the order Enter and Tab follow: the fields, the button row from
     *  "&Grava" to "&Retorna", then the controls after it. */
    void chainTabOrderWithButtons(std::vector<QWidget*> fields, std::initializer_list<QWidget*> after = {});

    /** The register's data, which its cycle holds. */
    RegisterData& cycleData() { return m_cycle.data(); }
    /** Starts an opening once the register's file is loaded (RegisterCycle::start). */
    void start(RegisterMode mode) { m_cycle.start(mode); }
    /** Shows the record at index chosen in a list of the window (RegisterCycle::showAt). */
    void showAt(int index) { m_cycle.showAt(index); }
    /** Replaces every record, stored at once (RegisterCycle::replaceRecords). */
    bool replaceRecords(KeyedRecords records) { return m_cycle.replaceRecords(std::move(records)); }
    void markUnsaved() { m_cycle.markUnsaved(); }
    void clearUnsaved() { m_cycle.clearUnsaved(); }

    /** The name field; registers whose key is chosen in another control
     *  (a combo) return null and override keyControl() and keyText(). */
    virtual TMaskEdit* keyEdit() = 0;
    virtual QWidget* keyControl();
    /** The key as the name control holds it (core text). */
    std::string keyText() override;
    /** The record line of the fields. */
    virtual std::string MakeLine() = 0;
    virtual void ShowCurrent() = 0;
    virtual void ClearFields() = 0;
    /** Enables the controls and places the focus for the current mode. */
    virtual void ApplyMode() = 0;
    virtual QString listCaption() const = 0;
    /** What "&Lista" shows: by default the list picker over the listed
     *  records ("Não existem registros no arquivo!" when there are none).
     *  Returns the index of the record to show (outside the record list: none,
     *  mode Empty), or nothing when the list was not shown. */
    virtual std::optional<int> pickFromList();
    /** Whether the list picker offers a record, and the line it shows for it
     *  (its key unless overridden). */
    virtual bool listed(int /*record*/) const { return true; }
    virtual QString listItem(int record) const;
    /** Whether a key can name what the register keeps on disk for it (a
     *  table's folder, a preparation's files, an ingredient's measure file);
     *  "Código inválido!" when it cannot. */
    bool acceptNameFor(NameUse use, const std::string& key);
    /** Whether leaving a blank name towards next needs no message. */
    virtual bool isFreeTarget(QWidget* next) const;

    /** The part of ApplyMode every register shares: in mode Empty the fields
     *  are cleared and only the name field is open; the buttons as the cycle
     *  says; the name field focused in mode Empty. */
    void applyCommonMode();

    /** The transaction that holds a store: in the folder of the table worked
     *  on, or, for a register of no table (the table registry), of its file. */
    Transaction newTransaction() override;

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
    void logicError() { m_cycle.logicError(); }

    /** The rename of the current record through the rename dialog of that
     *  caption (RegisterCycle::rename). */
    bool renameCurrent(const QString& caption, const QString& existsMessage);

    /** Stores the record without the confirmation questions (before another
     *  window opens); a failure is reported. Returns whether it was stored. */
    bool storeSilently(bool report = true) { return m_cycle.storeSilently(report); }

    FormContext& m_context;
    /** The table worked on, as the opener handed it (none: the registry). */
    ActiveTable m_table;

private:
    // The cycle's view of the window.
    void showMessage(const std::string& text) override;
    bool askQuestion(const std::string& text, Answer defaultAnswer) override;
    void setKeyText(const std::string& key) override;
    std::string fieldsLine() override { return MakeLine(); }
    bool fieldsHoldValues() override;
    void showRecord() override { ShowCurrent(); }
    void clearFields() override { ClearFields(); }
    void showMode() override { ApplyMode(); }
    void showButtons() override;
    void focusKey() override;
    void closeWindow() override { close(); }
    std::optional<int> pickRecord() override { return pickFromList(); }
    std::optional<std::string> askNewName() override;

    /** The context's progress window as it is when the work is done. */
    class ContextProgress final : public ProgressSink {
    public:
        explicit ContextProgress(FormContext& context) : m_context(context) {}
        void begin(int maximum) override { m_context.progress().begin(maximum); }
        void position(int value) override { m_context.progress().position(value); }
        void end() override { m_context.progress().end(); }

    private:
        FormContext& m_context;
    };

    ContextProgress m_progress{m_context};
    RegisterCycle m_cycle;
    QString m_renameCaption;
};

} // namespace treluza
