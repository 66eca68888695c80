#pragma once
// TMaskEdit: the masked edit field of every window.
//
// How to use it:
//  * setEditMask("999999,99;1;_") gives a fixed-length field: the text always
//    has one character per mask place, literals kept (",", "/"), a blank for
//    every empty place. The part after the first ";" is the "keep literals"
//    switch (0 drops them from maskText()) and the character shown for an empty
//    place ("_" by default). Places: "9" optional digit, "0" digit, "#" digit or
//    sign, "c"/"C" any character, "l"/"L" letter, "a"/"A" letter or digit;
//    ">" turns what follows to upper case, "<" to lower case, "<>" neither;
//    "\" makes the next character a literal; anything else is a literal.
//    Typing overwrites the place under the cursor and moves past literals;
//    typing a literal's character jumps past that literal; Backspace and
//    Delete remove a character and close the gap up to the next literal.
//  * With no mask the field holds up to maxLength() characters of free text.
//  * maskText()/setMaskText() read and set the logical text (window text); coreText()
//    and setCoreText() do the same in Windows-1252 core text. Do not call
//    QLineEdit::setText()/text() directly: they see the shown text.
//  * Events: KeyPress(key) before a typed character is used (a handler may
//    change the key or set it to QChar() to drop it; handlers run in the order
//    they were connected and must be direct connections); Change() whenever
//    the logical text changes, by typing or by setMaskText(); Exit(next) when the
//    focus leaves the field for another control of the same window (next is
//    that control). A window switch (a message box) is not an exit.
//  * Characters with no Windows-1252 form are refused in every field, with the
//    message of a forbidden character. Name fields add the forbidden name
//    characters with installNameFilter().
//  * A field entered from the keyboard (Tab, Shift+Tab, Enter, the focus put
//    there by the program, the window coming back to a field that was not the
//    one being edited) shows its whole text selected until the user acts in
//    it, so typing replaces the value, even when the program sets the text
//    after the focus arrived (an exit chain of the field left). A mouse click
//    places the caret where it is clicked; a window coming back to the field
//    being edited leaves the caret as it was.
//  * A numeric field (a mask of digit places with at most a comma) cannot be
//    left holding blanks between its digits: "Valor inválido!" is shown, the
//    focus goes back to it and no Exit is sent. holdsValidValue() tells
//    whether it holds one value (a store checks it too).
#include <QLineEdit>

#include <string>
#include <string_view>
#include <vector>

namespace treluza {

class TMaskEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TMaskEdit(QWidget* parent = nullptr);
    TMaskEdit(const QString& editMask, QWidget* parent = nullptr);
    ~TMaskEdit() override;

    void setEditMask(const QString& editMask);
    const QString& editMask() const { return m_editMask; }
    bool hasMask() const { return !m_places.empty(); }

    QString maskText() const;
    void setMaskText(const QString& text);
    std::string coreText() const;
    void setCoreText(std::string_view cp1252);
    /** Empties the field (blank template with a mask). */
    void clearText() { setMaskText(QString()); }

    /** The text as shown, with the blank character for empty places. */
    QString shownText() const { return QLineEdit::text(); }

    /** Types one character as the keyboard would (KeyPress, then the mask). */
    void typeCharacter(QChar c);

    /** A field that only shows what the program computes: read-only, never
     *  takes the focus, its empty places shown blank (no "_" inviting typing)
     *  on the window's colour, the platform's look of a read-only field. */
    void setDisplayOnly();
    bool displayOnly() const { return m_displayOnly; }

    /** A numeric mask: digit places and at most a comma as literal. */
    bool isNumeric() const { return m_numeric; }
    /** False for a numeric field that holds blanks between its digits. */
    bool holdsValidValue() const;
    /** True when the field holds a valid value; otherwise shows "Valor
     *  inválido!", puts the focus back on it and answers false. */
    bool acceptValue();

signals:
    void KeyPress(QChar& key);
    void Change();
    void Exit(QWidget* next);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void inputMethodEvent(QInputMethodEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    struct Place {
        bool editable = false;
        char kind = 0;      // mask character of an editable place
        QChar literal;      // character of a literal place
        int letterCase = 0; // 1 upper, -1 lower
    };

    void parseMask();
    bool accepts(const Place& p, QChar c) const;
    QChar cased(const Place& p, QChar c) const;
    QChar shown(int i) const;
    void refresh(int cursor);
    /** Puts the caret at cursor, or selects the whole text while the field
     *  was entered from the keyboard and not yet acted in. */
    void placeCaret(int cursor);
    /** The user acts in the field: a text set later keeps the caret. */
    void userActs() { m_entered = false; }
    void typeMasked(QChar c);
    void removeAt(int place);
    void clearRange(int from, int to);
    int nextEditable(int from) const;
    int previousEditable(int before) const;
    /** The place after the last filled editable place (0 when none is). */
    int endOfFilled() const;
    void pasteText();
    void onFocusChanged(QWidget* old, QWidget* now);
    void onShownTextChanged();

    QString m_editMask;
    bool m_keepLiterals = true;
    QChar m_blank = u'_';
    std::vector<Place> m_places;
    std::vector<QChar> m_chars; // null for an empty place
    QString m_lastText;
    bool m_refreshing = false;
    bool m_numeric = false;
    bool m_displayOnly = false;
    bool m_entered = false;        // entered from the keyboard, whole text selected
    bool m_leftWithWindow = false; // the focus went to another window, not another field
    bool m_placing = false;        // the caret or selection is being set here
};

} // namespace treluza
