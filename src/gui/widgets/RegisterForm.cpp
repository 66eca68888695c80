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

TRegisterForm::TRegisterForm(FormContext& context, const RegisterPolicy& policy, QWidget* parent)
    : TForm(parent), m_context(context), m_cycle(policy, *this, *this, m_progress)
{
}

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

void TRegisterForm::chainTabOrderWithButtons(std::vector<QWidget*> fields,
                                             std::initializer_list<QWidget*> after)
{
    for (QWidget* w :
         {GraBitBtn, NovBitBtn, ExcBitBtn, AntBitBtn, ProBitBtn, LisBitBtn, AjuBitBtn, RetBitBtn})
        fields.push_back(w);
    fields.insert(fields.end(), after);
    chainTabOrder(fields);
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

void TRegisterForm::keyEditExit(QWidget* next)
{
    if (isVisible())
        m_cycle.keyLeft(isFreeTarget(next));
}

void TRegisterForm::AjuBitBtnClick()
{
    m_context.help.showHelp();
}

void TRegisterForm::RetBitBtnClick()
{
    if (!m_cycle.leave())
        return;
    keyControl()->setEnabled(true);
    keyControl()->setFocus();
    accept();
}

bool TRegisterForm::acceptNameFor(NameUse use, const std::string& key)
{
    if (isUsableNameFor(use, key))
        return true;
    tell(QStringLiteral("Código inválido!"));
    return false;
}

bool TRegisterForm::isFreeTarget(QWidget* next) const
{
    return next == RetBitBtn || next == LisBitBtn || next == NovBitBtn || next == AjuBitBtn;
}

QString TRegisterForm::listItem(int record) const
{
    return qs(data().keys()[record]);
}

bool TRegisterForm::loadRegisterFile(const std::function<std::filesystem::path()>& path, bool scrambled)
{
    cycleData().release();
    try {
        if (scrambled)
            cycleData().loadScrambled(path(), progress());
        else
            cycleData().load(path());
        return true;
    } catch (const StoreError& e) {
        cycleData().release();
        tellStoreError(e);
        close();
        return false;
    }
}

void TRegisterForm::showButtons()
{
    const RegisterButtons b = m_cycle.buttons();
    GraBitBtn->setEnabled(b.store);
    NovBitBtn->setEnabled(b.create);
    ExcBitBtn->setEnabled(b.remove);
    AntBitBtn->setEnabled(b.previous);
    ProBitBtn->setEnabled(b.next);
    LisBitBtn->setEnabled(b.list);
    AjuBitBtn->setEnabled(b.help);
    RetBitBtn->setEnabled(b.leave);
}

void TRegisterForm::applyCommonMode()
{
    const bool empty = mode() == RegisterMode::Empty;
    if (empty)
        ClearFields();
    keyControl()->setEnabled(m_cycle.buttons().key);
    showButtons();
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
    m_context.usage.showUsage(message, users);
    return false;
}

bool TRegisterForm::fieldsHoldValues()
{
    const QList<TMaskEdit*> edits = findChildren<TMaskEdit*>();
    return std::all_of(edits.begin(), edits.end(),
                       [this](TMaskEdit* e) { return !e->isVisibleTo(this) || e->acceptValue(); });
}

std::optional<int> TRegisterForm::pickFromList()
{
    if (data().empty()) {
        tell(QStringLiteral("Não existem registros no arquivo!"));
        return std::nullopt;
    }
    // The picker shows the listed records; its answer is mapped back.
    std::vector<int> records;
    QStringList items;
    int selected = 0;
    for (int i = 0; i < data().count(); ++i) {
        if (!listed(i))
            continue;
        if (i <= data().current())
            selected = static_cast<int>(records.size());
        records.push_back(i);
        items << listItem(i);
    }
    if (records.empty()) {
        tell(QStringLiteral("Não existem registros no arquivo!"));
        return std::nullopt;
    }
    const int picked = m_context.picker.pick(listCaption(), items, selected);
    return records[static_cast<std::size_t>(
        picked >= 0 && picked < static_cast<int>(records.size()) ? picked : selected)];
}

bool TRegisterForm::renameCurrent(const QString& caption, const QString& existsMessage)
{
    m_renameCaption = caption;
    return m_cycle.rename(cs(existsMessage));
}

std::optional<std::string> TRegisterForm::askNewName()
{
    return m_context.namePrompt.askNewName(m_renameCaption, keyEdit()->editMask(), keyEdit()->coreText());
}

void TRegisterForm::showMessage(const std::string& text)
{
    tellCore(text);
}

bool TRegisterForm::askQuestion(const std::string& text, Answer defaultAnswer)
{
    return ask(qs(text), defaultAnswer);
}

void TRegisterForm::setKeyText(const std::string& key)
{
    keyEdit()->setCoreText(key);
}

void TRegisterForm::focusKey()
{
    keyControl()->setFocus();
}

Transaction TRegisterForm::newTransaction()
{
    if (m_table.name.empty())
        return Transaction(data().path().parent_path());
    return Transaction::forTable(m_context.baseFolder, m_table.name);
}

QWidget* TRegisterForm::keyControl()
{
    return keyEdit();
}

std::string TRegisterForm::keyText()
{
    return keyEdit()->coreText();
}

} // namespace treluza
