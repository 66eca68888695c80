#include "gui/widgets/RegisterForm.h"

#include "core/store/FileIo.h"
#include "core/store/Journal.h"
#include "core/store/RecordList.h"
#include "gui/widgets/BitBtn.h"
#include "gui/widgets/MaskEdit.h"
#include "gui/widgets/Messages.h"
#include "gui/widgets/QtText.h"

#include <QString>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>

namespace treluza {

namespace {

bool isBlank(const std::string& text)
{
    return text.find_first_not_of(' ') == std::string::npos;
}

} // namespace

TRegisterForm::TRegisterForm(FormContext& context, QWidget* parent) : TForm(parent), m_context(context) {}

int TRegisterForm::buildButtonRow(int width, int height)
{
    const struct {
        TBitBtn** button;
        const char* caption;
        const char* glyph;
        const char* name;
    } row[] = {
        {&GraBitBtn, "&Grava", "grava", "GraBitBtn"},     {&NovBitBtn, "&Novo", "novo", "NovBitBtn"},
        {&ExcBitBtn, "&Exclui", "exclui", "ExcBitBtn"},   {&AntBitBtn, "&Anterior", "anterior", "AntBitBtn"},
        {&ProBitBtn, "&Próximo", "proximo", "ProBitBtn"}, {&LisBitBtn, "&Lista", "lista", "LisBitBtn"},
        {&AjuBitBtn, "A&juda", "ajuda", "AjuBitBtn"},     {&RetBitBtn, "&Retorna", "retorna", "RetBitBtn"},
    };
    int x = 0;
    for (const auto& b : row) {
        *b.button = new TTopGlyphBtn(QString::fromUtf8(b.caption), glyph(QString::fromLatin1(b.glyph)), this);
        (*b.button)->setObjectName(QString::fromLatin1(b.name));
        (*b.button)->setGeometry(x, 0, width, height);
        x += width;
    }
    return height;
}

void TRegisterForm::connectButtons()
{
    connect(GraBitBtn, &TBitBtn::clicked, this, &TRegisterForm::GraBitBtnClick);
    connect(NovBitBtn, &TBitBtn::clicked, this, &TRegisterForm::NovBitBtnClick);
    connect(ExcBitBtn, &TBitBtn::clicked, this, &TRegisterForm::ExcBitBtnClick);
    connect(AntBitBtn, &TBitBtn::clicked, this, &TRegisterForm::AntBitBtnClick);
    connect(ProBitBtn, &TBitBtn::clicked, this, &TRegisterForm::ProBitBtnClick);
    connect(LisBitBtn, &TBitBtn::clicked, this, &TRegisterForm::LisBitBtnClick);
    connect(AjuBitBtn, &TBitBtn::clicked, this, &TRegisterForm::AjuBitBtnClick);
    connect(RetBitBtn, &TBitBtn::clicked, this, &TRegisterForm::RetBitBtnClick);
}

bool TRegisterForm::isFreeTarget(QWidget* next) const
{
    return next == RetBitBtn || next == LisBitBtn || next == NovBitBtn || next == AjuBitBtn;
}

bool TRegisterForm::acceptNewKey(const std::string&)
{
    return true;
}

bool TRegisterForm::acceptRenamedKey(const std::string&)
{
    return true;
}

QString TRegisterForm::listItem(int record) const
{
    return qs(m_data.keys()[record]);
}

bool TRegisterForm::loadRegisterFile(const std::function<std::filesystem::path()>& path, bool scrambled)
{
    m_data.release();
    try {
        if (scrambled)
            m_data.loadScrambled(path(), progress());
        else
            m_data.load(path());
        return true;
    } catch (const StoreError& e) {
        m_data.release();
        tellStoreError(e);
        close();
        return false;
    }
}

void TRegisterForm::applyCommonMode()
{
    const bool empty = m_mode == RegisterMode::Empty;
    const bool inserting = m_mode == RegisterMode::Inserting;
    const bool showing = m_mode == RegisterMode::Showing;
    if (empty)
        ClearFields();
    keyControl()->setEnabled(empty);
    GraBitBtn->setEnabled(inserting || showing);
    NovBitBtn->setEnabled(true);
    ExcBitBtn->setEnabled(showing);
    AntBitBtn->setEnabled(showing);
    ProBitBtn->setEnabled(showing);
    LisBitBtn->setEnabled(!inserting);
    AjuBitBtn->setEnabled(true);
    RetBitBtn->setEnabled(true);
    if (empty)
        keyControl()->setFocus();
}

bool TRegisterForm::checkUnused(const std::function<std::vector<std::string>()>& scan,
                                const std::string& message, const QString& failure)
{
    std::vector<std::string> users;
    try {
        users = scan();
    } catch (const StoreError&) {
        tell(failure);
        return false;
    }
    if (users.empty())
        return true;
    m_context.iteVerForm->showUsage(message, users);
    return false;
}

void TRegisterForm::logicError()
{
    tell(QStringLiteral("Erro de lógica!"));
    close();
}

void TRegisterForm::keyEditExit(QWidget* next)
{
    if (!isVisible())
        return;
    const std::string key = keyText();
    if (!isBlank(key)) {
        const bool found = m_data.lookup(key);
        if (m_mode != RegisterMode::Empty)
            return;
        if (found) {
            ShowCurrent();
            m_mode = RegisterMode::Showing;
            clearUnsaved();
        } else if (acceptNewKey(key)) {
            m_mode = RegisterMode::Inserting;
            // A new record counts as unsaved at once.
            if (m_tracksUnsaved)
                markUnsaved();
        } else {
            keyControl()->setFocus();
            return;
        }
        ApplyMode();
        return;
    }
    if (isFreeTarget(next))
        return;
    tell(QStringLiteral("Código inválido!"));
    if (m_mode != RegisterMode::Empty)
        logicError();
    else
        keyControl()->setFocus();
}

void TRegisterForm::NovBitBtnClick()
{
    if (!AskToSave())
        return;
    ClearFields();
    clearUnsaved();
    m_mode = RegisterMode::Empty;
    ApplyMode();
}

void TRegisterForm::saveFile()
{
    Transaction change = newTransaction();
    stageOwnFile(change);
    change.commit();
}

void TRegisterForm::commitInsert(const std::string& line)
{
    m_data.insert(line);
    saveFile();
}

void TRegisterForm::commitChange(const std::string& line)
{
    m_data.replaceCurrent(line);
    saveFile();
}

void TRegisterForm::commitDelete()
{
    m_data.removeCurrent();
    saveFile();
}

bool TRegisterForm::fieldsHoldValues()
{
    const QList<TMaskEdit*> edits = findChildren<TMaskEdit*>();
    return std::all_of(edits.begin(), edits.end(),
                       [this](TMaskEdit* e) { return !e->isVisibleTo(this) || e->acceptValue(); });
}

bool TRegisterForm::store(bool inserting, bool report)
{
    if (!fieldsHoldValues())
        return false;
    const StoreReports reports = storeReports();
    const RegisterData before = m_data;
    const QString failure =
        inserting ? QStringLiteral("Erro durante inclusão!") : QStringLiteral("Erro durante a alteração!");
    bool pending = false;
    try {
        if (inserting)
            commitInsert(MakeLine());
        else
            commitChange(MakeLine());
    } catch (const ChangePendingError&) {
        // Recorded, and completed before anything else reads the table: the
        // register keeps it as stored, as the files will hold it.
        pending = true;
    } catch (const StoreError&) {
        if (!reports.keepFailedStores)
            m_data = before;
        tell(failure);
        return false;
    }
    clearUnsaved();
    if (pending)
        tell(failure);
    else if (report && reports.successMessages)
        tell(inserting ? QStringLiteral("Inclusão efetuada com sucesso!")
                       : QStringLiteral("Alteração efetuada com sucesso!"));
    return true;
}

bool TRegisterForm::canStore() const
{
    return m_mode == RegisterMode::Inserting || m_mode == RegisterMode::Showing;
}

bool TRegisterForm::storeSilently(bool report)
{
    return store(m_mode == RegisterMode::Inserting, report);
}

bool TRegisterForm::AskToSave()
{
    if (!m_unsaved)
        return true;
    bool stored = true;
    if (canStore() && ask(QStringLiteral("Os dados não foram gravados! Deseja gravá-los?")))
        stored = storeSilently();
    if (stored)
        clearUnsaved();
    return stored;
}

void TRegisterForm::GraBitBtnClick()
{
    if ((m_mode == RegisterMode::Showing || m_mode == RegisterMode::Inserting) && !fieldsHoldValues())
        return;
    if (m_mode == RegisterMode::Showing)
        m_mode = RegisterMode::Changing;
    if (m_mode == RegisterMode::Inserting) {
        if (!beforeInsert())
            return;
        if (!ask(QStringLiteral("Confirma inclusão?"))) {
            insertDeclined();
            return;
        }
        const bool stored = store(true, true);
        if (stored || storeReports().keepFailedStores)
            m_mode = storeReports().modeAfterStore;
        ApplyMode();
    } else if (m_mode == RegisterMode::Changing) {
        if (!beforeChange()) {
            changeDeclined();
            if (m_mode == RegisterMode::Changing)
                m_mode = RegisterMode::Showing;
            return;
        }
        if (!ask(QStringLiteral("Confirma alteração?"))) {
            m_mode = RegisterMode::Showing;
            changeDeclined();
            return;
        }
        const bool stored = store(false, true);
        m_mode =
            stored || storeReports().keepFailedStores ? storeReports().modeAfterStore : RegisterMode::Showing;
        ApplyMode();
    } else {
        logicError();
    }
}

void TRegisterForm::ExcBitBtnClick()
{
    if (m_mode == RegisterMode::Showing)
        m_mode = RegisterMode::Deleting;
    if (m_mode != RegisterMode::Deleting) {
        logicError();
        return;
    }
    if (!beforeDelete()) {
        if (m_mode == RegisterMode::Deleting)
            m_mode = RegisterMode::Showing;
    } else if (ask(QStringLiteral("Confirma exclusão?"))) {
        const StoreReports reports = storeReports();
        const RegisterData before = m_data;
        try {
            commitDelete();
            clearUnsaved();
            if (reports.successMessages)
                tell(QStringLiteral("Exclusão efetuada com sucesso!"));
            m_mode = RegisterMode::Empty;
        } catch (const ChangePendingError&) {
            // Recorded: the record stays deleted, as the files will have it.
            clearUnsaved();
            tell(QStringLiteral("Erro durante exclusão!"));
            m_mode = RegisterMode::Empty;
        } catch (const StoreError&) {
            tell(QStringLiteral("Erro durante exclusão!"));
            if (reports.keepFailedDeletes) {
                m_mode = RegisterMode::Empty;
            } else {
                m_data = before;
                m_mode = RegisterMode::Showing;
            }
        }
    } else {
        m_mode = RegisterMode::Showing;
    }
    ApplyMode();
}

void TRegisterForm::AntBitBtnClick()
{
    if (!AskToSave())
        return;
    ProBitBtn->setEnabled(true);
    if (m_data.current() < 1) {
        AntBitBtn->setEnabled(false);
        return;
    }
    m_data.setCurrent(std::min(m_data.current(), m_data.count()) - 1);
    ShowCurrent();
    clearUnsaved();
    afterBrowse();
}

void TRegisterForm::ProBitBtnClick()
{
    if (!AskToSave())
        return;
    AntBitBtn->setEnabled(true);
    if (m_data.current() < m_data.count() - 1) {
        m_data.setCurrent(m_data.current() + 1);
        ShowCurrent();
        clearUnsaved();
        afterBrowse();
    } else {
        ProBitBtn->setEnabled(false);
    }
}

void TRegisterForm::LisBitBtnClick()
{
    if (!AskToSave())
        return;
    const std::optional<int> picked = pickFromList();
    if (!picked)
        return;
    if (*picked < 0 || *picked >= m_data.count()) {
        m_mode = RegisterMode::Empty;
        ApplyMode();
        return;
    }
    m_data.setCurrent(*picked);
    ShowCurrent();
    clearUnsaved();
    m_mode = RegisterMode::Showing;
    ApplyMode();
}

std::optional<int> TRegisterForm::pickFromList()
{
    if (m_data.empty()) {
        tell(QStringLiteral("Não existem registros no arquivo!"));
        return std::nullopt;
    }
    // The picker shows the listed records; its answer is mapped back.
    std::vector<int> records;
    QStringList items;
    int selected = 0;
    for (int i = 0; i < m_data.count(); ++i) {
        if (!listed(i))
            continue;
        if (i <= m_data.current())
            selected = static_cast<int>(records.size());
        records.push_back(i);
        items << listItem(i);
    }
    if (records.empty()) {
        tell(QStringLiteral("Não existem registros no arquivo!"));
        return std::nullopt;
    }
    const int picked = m_context.lisForm->pick(listCaption(), items, selected);
    return records[static_cast<std::size_t>(
        picked >= 0 && picked < static_cast<int>(records.size()) ? picked : selected)];
}

void TRegisterForm::AjuBitBtnClick()
{
    if (m_context.ajuForm)
        m_context.ajuForm->showHelp();
}

void TRegisterForm::RetBitBtnClick()
{
    // What the user typed is never dropped silently: a store that failed on
    // the way out leaves the choice of leaving without it.
    if (!AskToSave() && !ask(QStringLiteral("Deseja sair sem gravar as alterações?"), Answer::No))
        return;
    if (!beforeLeave())
        return;
    m_data.release();
    clearUnsaved();
    keyControl()->setEnabled(true);
    keyControl()->setFocus();
    accept();
}

bool TRegisterForm::renameCurrent(const QString& caption, const QString& existsMessage)
{
    if (m_mode != RegisterMode::Showing || (m_tracksUnsaved && !fieldsHoldValues()))
        return false;
    const std::string oldKey = keyEdit()->coreText();
    const std::optional<std::string> asked =
        m_context.altNomForm->askNewName(caption, keyEdit()->editMask(), oldKey);
    if (!asked)
        return false;
    const std::string newKey = *asked;
    // A blank name would be a record nobody can look up again.
    if (isBlank(newKey)) {
        tell(QStringLiteral("Código inválido!"));
        return false;
    }
    if (!acceptRenamedKey(newKey))
        return false;
    if (m_data.keys().find(newKey) >= 0) {
        tell(existsMessage);
        return false;
    }
    // A register without unsaved edits renames what is stored; the others
    // store their edits with the new name, as a save would.
    std::string line = m_data.records()[m_data.current()];
    if (m_tracksUnsaved) {
        keyEdit()->setCoreText(newKey);
        line = MakeLine();
    } else {
        SetFieldOf(1, line, newKey);
    }
    const RegisterData before = m_data;
    bool pending = false;
    try {
        m_data.renameCurrent(newKey, line);
        Transaction changes = newTransaction();
        stageOwnFile(changes);
        carryRename(oldKey, newKey, changes);
        changes.commit();
    } catch (const ChangePendingError&) {
        // Recorded: the record keeps its new name, as the files will.
        pending = true;
    } catch (const StoreError&) {
        // Nothing changed on disk: the record keeps its old name everywhere.
        m_data = before;
        keyEdit()->setCoreText(oldKey);
        tell(QStringLiteral("Erro durante a alteração!"));
        return false;
    }
    m_data.lookup(newKey);
    if (!m_tracksUnsaved)
        ShowCurrent();
    clearUnsaved();
    if (pending)
        tell(QStringLiteral("Erro durante a alteração!"));
    afterRename(oldKey, newKey);
    return true;
}

Transaction TRegisterForm::newTransaction()
{
    return Transaction(m_data.path().parent_path());
}

void TRegisterForm::stageOwnFile(Transaction& changes)
{
    changes.write(m_data.path(), m_data.fileBytes(progress()));
}

void TRegisterForm::carryRename(const std::string&, const std::string&, Transaction&) {}

QWidget* TRegisterForm::keyControl()
{
    return keyEdit();
}

std::string TRegisterForm::keyText()
{
    return keyEdit()->coreText();
}

} // namespace treluza
