#include "core/store/RegisterCycle.h"

#include "core/store/Cp1252.h"
#include "core/store/StoreError.h"

#include <algorithm>

namespace treluza {

namespace {

bool isBlank(const std::string& text)
{
    return text.find_first_not_of(' ') == std::string::npos;
}

// The system's messages and questions, as core text.
std::string text(const char* utf8)
{
    return cp(utf8);
}

} // namespace

RegisterCycle::RegisterCycle(const RegisterPolicy& policy, RegisterView& view, RegisterStore& store,
                             ProgressSink& progress)
    : m_policy(policy), m_view(view), m_store(store), m_progress(progress)
{
}

void RegisterCycle::showMode()
{
    m_previousBlocked = m_nextBlocked = false;
    m_view.showMode();
}

void RegisterCycle::markUnsaved()
{
    if (m_policy.tracksUnsaved)
        m_unsaved = true;
}

RegisterButtons RegisterCycle::buttons() const
{
    const bool empty = m_mode == RegisterMode::Empty;
    const bool inserting = m_mode == RegisterMode::Inserting;
    const bool showing = m_mode == RegisterMode::Showing;
    const bool consulting = m_mode == RegisterMode::Consulting;
    RegisterButtons b;
    b.key = empty;
    b.store = inserting || showing;
    b.create = !consulting;
    b.remove = showing;
    b.previous = (showing || consulting) && !m_previousBlocked;
    b.next = (showing || consulting) && !m_nextBlocked;
    b.list = !inserting;
    return b;
}

void RegisterCycle::start(RegisterMode mode)
{
    m_mode = mode;
    m_consulting = mode == RegisterMode::Consulting;
    m_unsaved = false;
    if (mode == RegisterMode::Consulting)
        m_view.showRecord();
    else
        m_view.clearFields();
    showMode();
}

void RegisterCycle::logicError()
{
    m_view.showMessage(text("Erro de lógica!"));
    m_view.closeWindow();
}

void RegisterCycle::keyLeft(bool towardsFreeControl)
{
    const std::string key = m_view.keyText();
    if (!isBlank(key)) {
        const bool found = m_data.lookup(key);
        if (m_mode != RegisterMode::Empty)
            return;
        if (found) {
            m_view.showRecord();
            m_mode = RegisterMode::Showing;
            m_unsaved = false;
        } else if (m_store.acceptNewKey(key)) {
            m_mode = RegisterMode::Inserting;
            // A new record counts as unsaved at once.
            markUnsaved();
        } else {
            m_view.focusKey();
            return;
        }
        showMode();
        return;
    }
    if (towardsFreeControl)
        return;
    m_view.showMessage(text("Código inválido!"));
    if (m_mode != RegisterMode::Empty)
        logicError();
    else
        m_view.focusKey();
}

void RegisterCycle::create()
{
    if (!askToSave())
        return;
    m_view.clearFields();
    m_unsaved = false;
    m_mode = RegisterMode::Empty;
    showMode();
}

void RegisterCycle::commit(const std::function<void(Transaction&)>& carry)
{
    Transaction changes = m_store.newTransaction();
    changes.write(m_data.path(), m_data.fileBytes(m_progress));
    carry(changes);
    changes.commit();
}

bool RegisterCycle::storeRecord(bool inserting, bool report)
{
    if (!m_view.fieldsHoldValues())
        return false;
    const RegisterData before = m_data;
    const std::string failure =
        inserting ? text("Erro durante inclusão!") : text("Erro durante a alteração!");
    bool pending = false;
    try {
        const std::string line = m_view.fieldsLine();
        if (inserting) {
            m_data.insert(line);
            commit([&](Transaction& changes) { m_store.carryInsert(m_data, changes); });
        } else {
            m_data.replaceCurrent(line);
            commit([&](Transaction& changes) { m_store.carryChange(m_data, changes); });
        }
    } catch (const ChangePendingError&) {
        // Recorded, and completed before anything else reads the table: the
        // register keeps it as stored, as the files will hold it.
        pending = true;
    } catch (const StoreError&) {
        if (m_policy.failedStore == FailedWrite::Undone)
            m_data = before;
        m_view.showMessage(failure);
        return false;
    }
    m_unsaved = false;
    m_store.stored();
    if (pending)
        m_view.showMessage(failure);
    else if (report && m_policy.reportsSuccess)
        m_view.showMessage(inserting ? text("Inclusão efetuada com sucesso!")
                                     : text("Alteração efetuada com sucesso!"));
    return true;
}

bool RegisterCycle::replaceRecords(KeyedRecords records)
{
    const RegisterData before = m_data;
    m_data.list() = std::move(records);
    m_data.setCurrent(0);
    try {
        commit([&](Transaction& changes) { m_store.carryChange(m_data, changes); });
    } catch (const ChangePendingError&) {
        m_store.stored();
        m_view.showMessage(text("Erro durante a alteração!"));
        return false;
    } catch (const StoreError&) {
        m_data = before;
        m_view.showMessage(text("Erro durante a alteração!"));
        return false;
    }
    m_store.stored();
    return true;
}

bool RegisterCycle::storeSilently(bool report)
{
    const bool inserting = m_mode == RegisterMode::Inserting;
    const bool stored = storeRecord(inserting, report);
    if (stored && inserting)
        m_mode = RegisterMode::Showing;
    return stored;
}

bool RegisterCycle::askToSave()
{
    if (!m_unsaved)
        return true;
    bool stored = true;
    const bool canStore = m_mode == RegisterMode::Inserting || m_mode == RegisterMode::Showing;
    if (canStore && m_view.askQuestion(text("Os dados não foram gravados! Deseja gravá-los?"), Answer::Yes))
        stored = storeSilently(true);
    if (stored)
        m_unsaved = false;
    return stored;
}

void RegisterCycle::declineChange()
{
    if (m_policy.declinedChange == DeclinedChange::ShowsStored)
        m_view.showRecord();
    m_view.focusFields();
}

void RegisterCycle::store()
{
    if ((m_mode == RegisterMode::Showing || m_mode == RegisterMode::Inserting) && !m_view.fieldsHoldValues())
        return;
    if (m_mode == RegisterMode::Showing)
        m_mode = RegisterMode::Changing;
    if (m_mode == RegisterMode::Inserting) {
        if (!m_store.checkInsert())
            return;
        if (!m_view.askQuestion(text("Confirma inclusão?"), Answer::Yes)) {
            m_view.focusFields();
            return;
        }
        const bool stored = storeRecord(true, true);
        if (stored || m_policy.failedStore == FailedWrite::Kept)
            m_mode = m_policy.afterStore;
        showMode();
    } else if (m_mode == RegisterMode::Changing) {
        if (!m_store.checkChange()) {
            m_mode = RegisterMode::Showing;
            declineChange();
            return;
        }
        if (!m_view.askQuestion(text("Confirma alteração?"), Answer::Yes)) {
            m_mode = RegisterMode::Showing;
            declineChange();
            return;
        }
        const bool stored = storeRecord(false, true);
        m_mode =
            stored || m_policy.failedStore == FailedWrite::Kept ? m_policy.afterStore : RegisterMode::Showing;
        showMode();
    } else {
        logicError();
    }
}

void RegisterCycle::remove()
{
    if (m_mode == RegisterMode::Showing)
        m_mode = RegisterMode::Deleting;
    if (m_mode != RegisterMode::Deleting) {
        logicError();
        return;
    }
    if (!m_store.checkDelete()) {
        m_mode = RegisterMode::Showing;
    } else if (m_view.askQuestion(text("Confirma exclusão?"), Answer::Yes)) {
        const RegisterData before = m_data;
        const std::string key = m_data.currentKey();
        try {
            m_data.removeCurrent();
            commit([&](Transaction& changes) { m_store.carryDelete(key, changes); });
            m_unsaved = false;
            m_store.stored();
            if (m_policy.reportsSuccess)
                m_view.showMessage(text("Exclusão efetuada com sucesso!"));
            m_mode = RegisterMode::Empty;
        } catch (const ChangePendingError&) {
            // Recorded: the record stays deleted, as the files will have it.
            m_unsaved = false;
            m_store.stored();
            m_view.showMessage(text("Erro durante exclusão!"));
            m_mode = RegisterMode::Empty;
        } catch (const StoreError&) {
            m_view.showMessage(text("Erro durante exclusão!"));
            if (m_policy.failedDelete == FailedWrite::Kept) {
                m_mode = RegisterMode::Empty;
            } else {
                m_data = before;
                m_mode = RegisterMode::Showing;
            }
        }
    } else {
        m_mode = RegisterMode::Showing;
    }
    showMode();
}

void RegisterCycle::previous()
{
    if (!askToSave())
        return;
    // A click at an end stops that button until the record changes.
    m_nextBlocked = false;
    if (m_data.current() < 1) {
        m_previousBlocked = true;
        m_view.showButtons();
        return;
    }
    m_data.setCurrent(std::min(m_data.current(), m_data.count()) - 1);
    m_view.showButtons();
    m_view.showRecord();
    m_unsaved = false;
    m_view.recordBrowsed();
}

void RegisterCycle::next()
{
    if (!askToSave())
        return;
    m_previousBlocked = false;
    if (m_data.current() >= m_data.count() - 1) {
        m_nextBlocked = true;
        m_view.showButtons();
        return;
    }
    m_data.setCurrent(m_data.current() + 1);
    m_view.showButtons();
    m_view.showRecord();
    m_unsaved = false;
    m_view.recordBrowsed();
}

void RegisterCycle::list()
{
    if (!askToSave())
        return;
    const std::optional<int> picked = m_view.pickRecord();
    if (picked)
        showAt(*picked);
}

void RegisterCycle::showAt(int index)
{
    // A register consulting a table stays consulting whatever is picked.
    if (index < 0 || index >= m_data.count()) {
        m_mode = m_consulting ? RegisterMode::Consulting : RegisterMode::Empty;
        showMode();
        return;
    }
    m_data.setCurrent(index);
    m_view.showRecord();
    m_unsaved = false;
    m_mode = m_consulting ? RegisterMode::Consulting : RegisterMode::Showing;
    showMode();
}

bool RegisterCycle::leave()
{
    // What the user typed is never dropped silently: a store that failed on
    // the way out leaves the choice of leaving without it.
    if (!askToSave() && !m_view.askQuestion(text("Deseja sair sem gravar as alterações?"), Answer::No))
        return false;
    if (!m_store.beforeLeave())
        return false;
    m_data.release();
    m_unsaved = false;
    return true;
}

bool RegisterCycle::rename(const std::string& existsMessage)
{
    if (m_mode != RegisterMode::Showing || (m_policy.tracksUnsaved && !m_view.fieldsHoldValues()))
        return false;
    const std::string oldKey = m_view.keyText();
    const std::optional<std::string> asked = m_view.askNewName();
    if (!asked)
        return false;
    const std::string newKey = *asked;
    // A blank name would be a record nobody can look up again.
    if (isBlank(newKey)) {
        m_view.showMessage(text("Código inválido!"));
        return false;
    }
    if (!m_store.acceptRenamedKey(newKey))
        return false;
    if (m_data.list().findKey(newKey) >= 0) {
        m_view.showMessage(existsMessage);
        return false;
    }
    // A register without unsaved edits renames what is stored; the others
    // store their edits with the new name, as a save would.
    std::string line = m_data.records()[m_data.current()];
    if (m_policy.tracksUnsaved) {
        m_view.setKeyText(newKey);
        line = m_view.fieldsLine();
    } else {
        SetFieldOf(kKeyField, line, newKey);
    }
    const RegisterData before = m_data;
    bool pending = false;
    try {
        m_data.replaceCurrent(line);
        commit([&](Transaction& changes) { m_store.carryRename(oldKey, newKey, changes); });
    } catch (const ChangePendingError&) {
        // Recorded: the record keeps its new name, as the files will.
        pending = true;
    } catch (const StoreError&) {
        // Nothing changed on disk: the record keeps its old name everywhere.
        m_data = before;
        m_view.setKeyText(oldKey);
        m_view.showMessage(text("Erro durante a alteração!"));
        return false;
    }
    m_data.lookup(newKey);
    if (!m_policy.tracksUnsaved)
        m_view.showRecord();
    m_unsaved = false;
    if (pending)
        m_view.showMessage(text("Erro durante a alteração!"));
    m_store.stored();
    return true;
}

} // namespace treluza
