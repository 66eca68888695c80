#pragma once
// TBitBtn: a push button with a picture and an optional modal result.
//
// How to use it: create it with its caption ("&Grava") and, optionally, a
// picture from the resources (glyph("ok")). A button with a modal result closes
// its window with that result when clicked (as "&SIM" returns 6). It never
// becomes the default button by taking the focus; call setDefault(true) to make
// it the one Enter presses while no other button has the focus.
#include <QPushButton>

namespace treluza {

class TBitBtn : public QPushButton {
    Q_OBJECT
public:
    explicit TBitBtn(const QString& caption, QWidget* parent = nullptr);
    TBitBtn(const QString& caption, const QIcon& glyph, QWidget* parent = nullptr);

    /** 0 (the default) means the button does not close its window. */
    void setModalResult(int result) { m_modalResult = result; }
    int modalResult() const { return m_modalResult; }

private:
    void closeWithResult();

    int m_modalResult = 0;
};

/** A register button: its picture above its caption, as the narrow buttons
 *  of the register rows need. */
class TTopGlyphBtn final : public TBitBtn {
    Q_OBJECT
public:
    TTopGlyphBtn(const QString& caption, const QIcon& glyph, QWidget* parent)
        : TBitBtn(caption, glyph, parent)
    {
    }

protected:
    void paintEvent(QPaintEvent* e) override;
};

/** A picture of the resources by its short name ("ok", "sim", "nao", "grava", ...);
 *  a null icon when there is none. */
QIcon glyph(const QString& name);

} // namespace treluza
