#include "gui/widgets/RegisterForm.h"

#include "core/store/FileIo.h"
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

/** A register button: its picture above its caption, as the narrow buttons
 *  of the register rows need. */
class TopGlyphButton final : public TBitBtn {
public:
    TopGlyphButton(const QString& caption, const QIcon& glyph, QWidget* parent)
        : TBitBtn(caption, glyph, parent)
    {
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        const QString caption = option.text;
        const QIcon glyph = option.icon;
        option.text.clear();
        option.icon = QIcon();
        painter.drawControl(QStyle::CE_PushButton, option);
        const QRect area = rect().adjusted(2, 4, -2, -3);
        const QSize glyphSize(16, 16);
        const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
        const int textHeight = fontMetrics().height();
        const int top = area.top() + std::max(0, (area.height() - glyphSize.height() - textHeight - 2) / 2);
        glyph.paint(&painter, QRect(QPoint(area.center().x() - glyphSize.width() / 2, top), glyphSize),
                    Qt::AlignCenter, mode);
        const QRect textRect(area.left(), top + glyphSize.height() + 2, area.width(), textHeight);
        style()->drawItemText(&painter, textRect, Qt::AlignHCenter | Qt::AlignTop | Qt::TextShowMnemonic,
                              palette(), isEnabled(), caption, QPalette::ButtonText);
    }
};

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
        *b.button =
            new TopGlyphButton(QString::fromUtf8(b.caption), glyph(QString::fromLatin1(b.glyph)), this);
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

QStringList TRegisterForm::listItems() const
{
    QStringList items;
    for (const auto& key : m_data.keys().lines())
        items << qs(key);
    return items;
}

void TRegisterForm::applyCommonMode()
{
    const bool empty = m_mode == RegisterMode::Empty;
    const bool inserting = m_mode == RegisterMode::Inserting;
    const bool showing = m_mode == RegisterMode::Showing;
    if (empty)
        ClearFields();
    keyEdit()->setEnabled(empty);
    GraBitBtn->setEnabled(inserting || showing);
    NovBitBtn->setEnabled(true);
    ExcBitBtn->setEnabled(showing);
    AntBitBtn->setEnabled(showing);
    ProBitBtn->setEnabled(showing);
    LisBitBtn->setEnabled(!inserting);
    RetBitBtn->setEnabled(true);
    if (empty)
        keyEdit()->setFocus();
}

bool TRegisterForm::checkUnused(const std::function<std::vector<std::string>()>& scan,
                                const std::string& message, const QString& failure)
{
    std::vector<std::string> users;
    try {
        users = scan();
    } catch (const std::exception&) {
        tell(failure);
        return false;
    }
    if (users.empty())
        return true;
    m_context.iteVerForm->showUsage(message, users);
    return false;
}

ProgressSink& TRegisterForm::progress()
{
    return m_context.progress();
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
    const std::string key = keyEdit()->coreText();
    if (!isBlank(key)) {
        const bool found = m_data.lookup(key);
        if (m_mode != RegisterMode::Empty)
            return;
        if (found) {
            ShowCurrent();
            m_mode = RegisterMode::Showing;
        } else if (acceptNewKey(key)) {
            m_mode = RegisterMode::Inserting;
        } else {
            keyEdit()->setFocus();
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
        keyEdit()->setFocus();
}

void TRegisterForm::NovBitBtnClick()
{
    ClearFields();
    m_mode = RegisterMode::Empty;
    ApplyMode();
}

void TRegisterForm::GraBitBtnClick()
{
    if (m_mode == RegisterMode::Showing)
        m_mode = RegisterMode::Changing;
    if (m_mode == RegisterMode::Inserting) {
        if (!ask(QStringLiteral("Confirma inclusão?"))) {
            insertDeclined();
            return;
        }
        try {
            m_data.insert(MakeLine());
            saveFile();
            tell(QStringLiteral("Inclusão efetuada com sucesso!"));
        } catch (const std::exception&) {
            tell(QStringLiteral("Erro durante inclusão!"));
        }
        m_mode = RegisterMode::Empty;
        ApplyMode();
    } else if (m_mode == RegisterMode::Changing) {
        if (!beforeChange())
            return;
        if (!ask(QStringLiteral("Confirma alteração?"))) {
            m_mode = RegisterMode::Showing;
            changeDeclined();
            return;
        }
        try {
            m_data.replaceCurrent(MakeLine());
            saveFile();
            tell(QStringLiteral("Alteração efetuada com sucesso!"));
        } catch (const std::exception&) {
            tell(QStringLiteral("Erro durante a alteração!"));
        }
        m_mode = RegisterMode::Empty;
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
        m_mode = RegisterMode::Showing;
    } else if (ask(QStringLiteral("Confirma exclusão?"))) {
        try {
            m_data.removeCurrent();
            saveFile();
            tell(QStringLiteral("Exclusão efetuada com sucesso!"));
        } catch (const std::exception&) {
            tell(QStringLiteral("Erro durante exclusão!"));
        }
        m_mode = RegisterMode::Empty;
    } else {
        m_mode = RegisterMode::Showing;
    }
    ApplyMode();
}

void TRegisterForm::AntBitBtnClick()
{
    ProBitBtn->setEnabled(true);
    if (m_data.current() < 1) {
        AntBitBtn->setEnabled(false);
        return;
    }
    m_data.setCurrent(std::min(m_data.current(), m_data.count()) - 1);
    ShowCurrent();
    afterBrowse();
}

void TRegisterForm::ProBitBtnClick()
{
    AntBitBtn->setEnabled(true);
    if (m_data.current() < m_data.count() - 1) {
        m_data.setCurrent(m_data.current() + 1);
        ShowCurrent();
        afterBrowse();
    } else {
        ProBitBtn->setEnabled(false);
    }
}

void TRegisterForm::LisBitBtnClick()
{
    if (m_data.empty()) {
        tell(QStringLiteral("Não existem registros no arquivo!"));
        return;
    }
    const int selected = std::clamp(m_data.current(), 0, m_data.count() - 1);
    const int picked = m_context.lisForm->pick(listCaption(), listItems(), selected);
    m_data.setCurrent(picked >= 0 && picked < m_data.count() ? picked : selected);
    ShowCurrent();
    m_mode = RegisterMode::Showing;
    ApplyMode();
}

void TRegisterForm::AjuBitBtnClick()
{
    if (m_context.ajuForm)
        m_context.ajuForm->showHelp();
}

void TRegisterForm::RetBitBtnClick()
{
    m_data.release();
    keyEdit()->setEnabled(true);
    keyEdit()->setFocus();
    accept();
}

bool TRegisterForm::renameCurrent(const QString& caption, const QString& existsMessage)
{
    if (m_mode != RegisterMode::Showing)
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
    if (m_data.keys().find(newKey) >= 0) {
        tell(existsMessage);
        return false;
    }
    keyEdit()->setCoreText(newKey);
    try {
        m_data.renameCurrent(newKey, MakeLine());
        saveFile();
        carryRename(oldKey, newKey);
    } catch (const std::exception&) {
        tell(QStringLiteral("Erro durante a alteração!"));
    }
    m_data.lookup(newKey);
    return true;
}

void TRegisterForm::carryRename(const std::string&, const std::string&) {}

} // namespace treluza
