#include "gui/widgets/MaskEdit.h"

#include "core/store/DecimalField.h"
#include "gui/widgets/Form.h"
#include "gui/widgets/Messages.h"
#include "gui/widgets/NameFilter.h"
#include "gui/widgets/QtText.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>

#include <algorithm>

namespace treluza {

namespace {

// The field whose invalid value took the focus back: the field the focus had
// reached on the way out was never entered, so it sends no Exit.
TMaskEdit* s_takingFocusBack = nullptr;

} // namespace

TMaskEdit::TMaskEdit(QWidget* parent) : QLineEdit(parent)
{
    setContextMenuPolicy(Qt::NoContextMenu);
    setDragEnabled(false);
    setAcceptDrops(false);
    connect(this, &QLineEdit::textChanged, this, &TMaskEdit::onShownTextChanged);
    connect(qApp, &QApplication::focusChanged, this, &TMaskEdit::onFocusChanged);
    // The caret or the selection moved by anything but this field's own
    // placing (keys, the mouse, a caller) ends the whole-text selection.
    const auto moved = [this] {
        if (!m_placing && !m_refreshing)
            userActs();
    };
    connect(this, &QLineEdit::cursorPositionChanged, this, moved);
    connect(this, &QLineEdit::selectionChanged, this, moved);
}

TMaskEdit::TMaskEdit(const QString& editMask, QWidget* parent) : TMaskEdit(parent)
{
    setEditMask(editMask);
}

TMaskEdit::~TMaskEdit()
{
    // The focus moves while the window takes its children down.
    disconnect(qApp, nullptr, this, nullptr);
}

void TMaskEdit::setEditMask(const QString& editMask)
{
    const QString old = maskText();
    m_editMask = editMask;
    parseMask();
    if (hasMask())
        setMaxLength(static_cast<int>(m_places.size()));
    else
        setMaxLength(32767);
    setMaskText(old);
}

void TMaskEdit::parseMask()
{
    m_places.clear();
    m_keepLiterals = true;
    m_blank = u'_';
    // The mask ends at the first ";" that is not a literal.
    QString mask;
    int i = 0;
    const int n = static_cast<int>(m_editMask.size());
    for (; i < n; ++i) {
        const QChar c = m_editMask[i];
        if (c == u'\\' && i + 1 < n) {
            mask += c;
            mask += m_editMask[++i];
            continue;
        }
        if (c == u';')
            break;
        mask += c;
    }
    if (i < n) {
        const QStringList parts = m_editMask.mid(i + 1).split(u';');
        if (!parts.isEmpty() && parts[0] == u"0")
            m_keepLiterals = false;
        if (parts.size() > 1 && !parts[1].isEmpty())
            m_blank = parts[1][0];
    }
    int letterCase = 0;
    for (int k = 0; k < mask.size(); ++k) {
        const QChar c = mask[k];
        Place p;
        p.letterCase = letterCase;
        switch (c.unicode()) {
        case u'>':
            letterCase = 1;
            continue;
        case u'<':
            if (k + 1 < mask.size() && mask[k + 1] == u'>') {
                ++k;
                letterCase = 0;
            } else {
                letterCase = -1;
            }
            continue;
        case u'!':
            continue;
        case u'\\':
            if (k + 1 < mask.size())
                p.literal = mask[++k];
            break;
        case u'9':
        case u'0':
        case u'#':
        case u'c':
        case u'C':
        case u'l':
        case u'L':
        case u'a':
        case u'A':
            p.editable = true;
            p.kind = static_cast<char>(c.unicode());
            break;
        case u'_':
            p.literal = u' ';
            break;
        default:
            p.literal = c;
        }
        m_places.push_back(p);
    }
    m_chars.assign(m_places.size(), QChar());
    m_numeric = std::any_of(m_places.begin(), m_places.end(), [](const Place& p) { return p.editable; }) &&
                std::all_of(m_places.begin(), m_places.end(), [](const Place& p) {
                    return p.editable ? p.kind == '9' || p.kind == '0' || p.kind == '#' : p.literal == u',';
                });
}

bool TMaskEdit::accepts(const Place& p, QChar c) const
{
    switch (p.kind) {
    case '9':
    case '0':
        return c.isDigit() && c.unicode() < 128;
    case '#':
        return (c.isDigit() && c.unicode() < 128) || c == u'+' || c == u'-';
    case 'l':
    case 'L':
        return c.isLetter();
    case 'a':
    case 'A':
        return c.isLetterOrNumber();
    case 'c':
    case 'C':
        return true;
    default:
        return false;
    }
}

QChar TMaskEdit::cased(const Place& p, QChar c) const
{
    // Letters whose other case has no Windows-1252 form keep their case.
    QChar other = c;
    if (p.letterCase > 0)
        other = c.toUpper();
    else if (p.letterCase < 0)
        other = c.toLower();
    return hasCp1252Form(other) ? other : c;
}

QChar TMaskEdit::shown(int i) const
{
    const Place& p = m_places[static_cast<std::size_t>(i)];
    if (!p.editable)
        return p.literal;
    const QChar c = m_chars[static_cast<std::size_t>(i)];
    return c.isNull() ? (m_displayOnly ? QChar(u' ') : m_blank) : c;
}

void TMaskEdit::setDisplayOnly()
{
    m_displayOnly = true;
    setReadOnly(true);
    setFocusPolicy(Qt::NoFocus);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    setPalette(palette);
    refresh(0);
}

QString TMaskEdit::maskText() const
{
    if (!hasMask())
        return QLineEdit::text();
    QString out;
    out.reserve(static_cast<qsizetype>(m_places.size()));
    for (std::size_t i = 0; i < m_places.size(); ++i) {
        if (m_places[i].editable)
            out += m_chars[i].isNull() ? QChar(u' ') : m_chars[i];
        else if (m_keepLiterals)
            out += m_places[i].literal;
    }
    return out;
}

void TMaskEdit::setMaskText(const QString& text)
{
    if (!hasMask()) {
        QString t = text.left(maxLength());
        for (QChar& c : t) {
            if (!hasCp1252Form(c))
                c = u'?';
        }
        QLineEdit::setText(t);
        // A long text is shown from its beginning.
        placeCaret(0);
        return;
    }
    // Place by place when the literals are in the text; otherwise the text
    // fills the editable places in order.
    const bool withLiterals = m_keepLiterals;
    int src = 0;
    for (std::size_t i = 0; i < m_places.size(); ++i) {
        const Place& p = m_places[i];
        if (!p.editable) {
            if (withLiterals && src < text.size())
                ++src;
            continue;
        }
        QChar c = src < text.size() ? text[src++] : QChar();
        if (!c.isNull() && (c == u' ' || !accepts(p, c) || !hasCp1252Form(c)))
            c = (c == u' ' && (p.kind == 'c' || p.kind == 'C')) ? QChar(u' ') : QChar();
        m_chars[i] = c.isNull() ? c : cased(p, c);
    }
    refresh(0);
}

std::string TMaskEdit::coreText() const
{
    return cs(maskText());
}

void TMaskEdit::setCoreText(std::string_view cp1252)
{
    setMaskText(qs(cp1252));
}

void TMaskEdit::refresh(int cursor)
{
    QString shownText;
    shownText.reserve(static_cast<qsizetype>(m_places.size()));
    for (int i = 0; i < static_cast<int>(m_places.size()); ++i)
        shownText += shown(i);
    // A computed field with no value shows nothing, not its literals.
    if (m_displayOnly && std::all_of(m_chars.begin(), m_chars.end(), [](QChar c) { return c.isNull(); }))
        shownText.fill(u' ');
    m_refreshing = true;
    QLineEdit::setText(shownText);
    m_refreshing = false;
    placeCaret(cursor);
    onShownTextChanged();
}

void TMaskEdit::placeCaret(int cursor)
{
    m_placing = true;
    if (m_entered && hasFocus())
        selectAll();
    else
        setCursorPosition(cursor);
    m_placing = false;
}

void TMaskEdit::onShownTextChanged()
{
    if (m_refreshing)
        return;
    const QString now = maskText();
    if (now == m_lastText)
        return;
    m_lastText = now;
    emit Change();
}

int TMaskEdit::nextEditable(int from) const
{
    for (int i = std::max(from, 0); i < static_cast<int>(m_places.size()); ++i) {
        if (m_places[static_cast<std::size_t>(i)].editable)
            return i;
    }
    return -1;
}

int TMaskEdit::previousEditable(int before) const
{
    for (int i = std::min(before, static_cast<int>(m_places.size())) - 1; i >= 0; --i) {
        if (m_places[static_cast<std::size_t>(i)].editable)
            return i;
    }
    return -1;
}

void TMaskEdit::clearRange(int from, int to)
{
    for (int i = from; i < to && i < static_cast<int>(m_places.size()); ++i)
        m_chars[static_cast<std::size_t>(i)] = QChar();
}

void TMaskEdit::removeAt(int place)
{
    // The characters after it, up to the next literal, move one place left.
    int i = place;
    while (i + 1 < static_cast<int>(m_places.size()) && m_places[static_cast<std::size_t>(i + 1)].editable) {
        m_chars[static_cast<std::size_t>(i)] = m_chars[static_cast<std::size_t>(i + 1)];
        ++i;
    }
    m_chars[static_cast<std::size_t>(i)] = QChar();
}

void TMaskEdit::typeCharacter(QChar c)
{
    if (isReadOnly() || !isEnabled())
        return;
    userActs();
    if (c.unicode() < 0x20 || c.unicode() == 0x7F)
        return;
    if (!hasCp1252Form(c)) {
        refuseCharacter(c);
        return;
    }
    emit KeyPress(c);
    if (c.isNull())
        return;
    if (!hasMask()) {
        if (!hasSelectedText() && QLineEdit::text().size() >= maxLength())
            return;
        insert(QString(c));
        return;
    }
    typeMasked(c);
}

void TMaskEdit::typeMasked(QChar c)
{
    int pos = cursorPosition();
    if (hasSelectedText()) {
        pos = selectionStart();
        clearRange(pos, pos + static_cast<int>(selectedText().size()));
    }
    const int place = nextEditable(pos);
    if (place >= 0 && accepts(m_places[static_cast<std::size_t>(place)], c)) {
        const Place& p = m_places[static_cast<std::size_t>(place)];
        m_chars[static_cast<std::size_t>(place)] =
            (c == u' ' && p.kind != 'c' && p.kind != 'C') ? QChar() : cased(p, c);
        const int next = nextEditable(place + 1);
        refresh(next >= 0 ? next : static_cast<int>(m_places.size()));
        return;
    }
    // A literal's character jumps past that literal.
    for (int i = pos; i < static_cast<int>(m_places.size()); ++i) {
        const Place& p = m_places[static_cast<std::size_t>(i)];
        if (!p.editable && p.literal == c) {
            refresh(i + 1);
            return;
        }
    }
    refresh(pos);
}

void TMaskEdit::pasteText()
{
    const QString pasted = QApplication::clipboard()->text();
    for (QChar c : pasted)
        typeCharacter(c);
}

void TMaskEdit::keyPressEvent(QKeyEvent* e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        e->ignore(); // the window moves the focus on
        return;
    }
    const int key = e->key();
    if (key != Qt::Key_Shift && key != Qt::Key_Control && key != Qt::Key_Alt && key != Qt::Key_AltGr &&
        key != Qt::Key_Meta)
        userActs();
    if (isReadOnly()) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    if (e->matches(QKeySequence::Paste)) {
        pasteText();
        return;
    }
    if (e->matches(QKeySequence::Undo) || e->matches(QKeySequence::Redo)) {
        return;
    }
    if (hasMask()) {
        if (e->matches(QKeySequence::Cut)) {
            if (hasSelectedText()) {
                QApplication::clipboard()->setText(selectedText());
                const int from = selectionStart();
                clearRange(from, from + static_cast<int>(selectedText().size()));
                refresh(from);
            }
            return;
        }
        if (e->key() == Qt::Key_Backspace || e->key() == Qt::Key_Delete) {
            if (hasSelectedText()) {
                const int from = selectionStart();
                clearRange(from, from + static_cast<int>(selectedText().size()));
                refresh(from);
                return;
            }
            const int pos = cursorPosition();
            const int place = e->key() == Qt::Key_Backspace ? previousEditable(pos) : nextEditable(pos);
            if (place >= 0) {
                removeAt(place);
                refresh(e->key() == Qt::Key_Backspace ? place : pos);
            }
            return;
        }
    }
    if (isMnemonicKey(*e)) {
        e->ignore();
        return;
    }
    const Qt::KeyboardModifiers held = e->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    const QString typed = e->text();
    if (!typed.isEmpty() && held != Qt::ControlModifier && !(e->modifiers() & Qt::MetaModifier) &&
        typed[0].unicode() >= 0x20 && typed[0].unicode() != 0x7F) {
        for (QChar c : typed)
            typeCharacter(c);
        return;
    }
    // Navigation and selection go to the line edit; anything else that would
    // change the text there is undone.
    const QString before = QLineEdit::text();
    const int cursor = cursorPosition();
    QLineEdit::keyPressEvent(e);
    if (hasMask() && QLineEdit::text() != before) {
        m_refreshing = true;
        QLineEdit::setText(before);
        m_refreshing = false;
        setCursorPosition(cursor);
    }
}

void TMaskEdit::inputMethodEvent(QInputMethodEvent* e)
{
    for (QChar c : e->commitString())
        typeCharacter(c);
    e->accept();
}

int TMaskEdit::endOfFilled() const
{
    for (int i = static_cast<int>(m_places.size()) - 1; i >= 0; --i) {
        if (m_places[static_cast<std::size_t>(i)].editable && !m_chars[static_cast<std::size_t>(i)].isNull())
            return i + 1;
    }
    return 0;
}

void TMaskEdit::mousePressEvent(QMouseEvent* e)
{
    userActs();
    QLineEdit::mousePressEvent(e);
}

void TMaskEdit::focusInEvent(QFocusEvent* e)
{
    m_placing = true;
    QLineEdit::focusInEvent(e);
    const Qt::FocusReason reason = e->reason();
    const bool windowBack = reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
    // Coming back with the window to the field being edited keeps what was
    // there; any other arrival but a click is an entry from the keyboard.
    if (!(windowBack && m_leftWithWindow))
        m_entered = reason != Qt::MouseFocusReason;
    m_leftWithWindow = false;
    if (m_entered)
        selectAll();
    m_placing = false;
}

void TMaskEdit::focusOutEvent(QFocusEvent* e)
{
    const Qt::FocusReason reason = e->reason();
    m_leftWithWindow = reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
    if (!m_leftWithWindow)
        m_entered = false;
    m_placing = true;
    QLineEdit::focusOutEvent(e);
    m_placing = false;
}

bool TMaskEdit::holdsValidValue() const
{
    return !m_numeric || isWellFormedNumber(cs(maskText()));
}

bool TMaskEdit::acceptValue()
{
    if (holdsValidValue() || !isEnabled() || isReadOnly())
        return true;
    s_takingFocusBack = this;
    setFocus(Qt::OtherFocusReason);
    s_takingFocusBack = nullptr;
    tell(QStringLiteral("Valor inválido!"));
    return false;
}

void TMaskEdit::mouseReleaseEvent(QMouseEvent* e)
{
    QLineEdit::mouseReleaseEvent(e);
    // A click in the empty part of a masked field puts the cursor where
    // typing continues, not in the middle of the blanks.
    if (!hasMask() || hasSelectedText() || cursorPosition() <= endOfFilled())
        return;
    const int next = nextEditable(endOfFilled());
    setCursorPosition(next >= 0 ? next : endOfFilled());
}

void TMaskEdit::onFocusChanged(QWidget* old, QWidget* now)
{
    if (old != this || !now || now == this || now->window() != window())
        return;
    if (now == s_takingFocusBack || !acceptValue())
        return;
    emit Exit(now);
}

} // namespace treluza
