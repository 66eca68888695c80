#pragma once
// TForm: the base of every window.
//
// How to use it:
//  * Derive the window from TForm; its constructor says first what the window
//    is (setUp(): name, caption, face, title bar, size, background), then
//    builds its controls.
//  * An opener hands data over by setting the window's fields, then calls
//    openModal() (open flag set, then exec()). When a window is shown with the
//    open flag set, the flag is cleared and FormActivate() runs once, queued
//    just after the show, inside the modal loop: do the set-up there (caption,
//    loading files, clearing fields, focus). It may show messages and may close
//    the window.
//  * windowActivated() runs every time the window becomes the active window
//    again (after each of its own dialogs closes); windowDeactivated() when it
//    loses that place.
//  * Enter is swallowed by the form and moves the focus to the next control in
//    tab order, on a focused button too (Space clicks a focused button).
//    A window whose buttons answer Enter (the main menu, the message dialog,
//    whose default button holds the focus) calls setEnterPressesButtons(true).
//    Escape does nothing. Push buttons never become default by taking the
//    focus.
//  * A window without a close box (the default) cannot be closed by the
//    window manager; code closes it with close(), done() or a button's modal
//    result (TBitBtn::setModalResult).
#include <QDialog>

#include <vector>

class QKeyEvent;

namespace treluza {

/** Alt held with a key, without Ctrl: a mnemonic of the window, never text.
 *  Ctrl and Alt together are how some platforms report AltGr, whose
 *  characters are text. */
bool isMnemonicKey(const QKeyEvent& e);

class TForm : public QDialog {
    Q_OBJECT
public:
    enum class BorderIcons { None, Close, MinimizeClose };

    explicit TForm(QWidget* parent = nullptr);

    /** What a window's constructor says about it first. */
    struct Look {
        /** The object name. */
        const char* name = "";
        QString title = {};
        /** The face of the window's texts: Arial of this size (0 keeps the
         *  application's face). */
        int points = 0;
        bool bold = false;
        BorderIcons icons = BorderIcons::None;
        /** The client size, fixed (0 by 0 leaves the size to the window). */
        int width = 0;
        int height = 0;
        /** A white background instead of the window colour. */
        bool white = false;
    };
    void setUp(const Look& look);

    void setOpenFlag(bool on) { m_openFlag = on; }
    bool openFlag() const { return m_openFlag; }

    /** True from the show with the open flag set until FormActivate() has run. */
    bool activationPending() const { return m_activationPending; }

    /** Sets the open flag and shows the window modally; returns the modal result. */
    int openModal();

    /** Fixes the size of the client area (the window cannot be resized). */
    void setClientSize(int width, int height);

    void setBorderIcons(BorderIcons icons);

    /** Widens the window, never below the size given to setClientSize(), so
     *  that its caption shows whole in the title bar. */
    void fitCaption();

    /** Enter on a focused button clicks it instead of moving on. */
    void setEnterPressesButtons(bool on) { m_enterPressesButtons = on; }
    BorderIcons borderIcons() const { return m_borderIcons; }

protected:
    /** The set-up of an opening; see the header comment. */
    virtual void FormActivate() {}
    virtual void windowActivated() {}
    virtual void windowDeactivated() {}

    /** Sets the order Enter and Tab follow through the controls. */
    void chainTabOrder(const std::vector<QWidget*>& order);

    /** Moves the focus to the next control in tab order (as Enter does). */
    void focusNextControl();

    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    /** The close box of a window that has none in its design, drawn anyway
     *  by some window managers, was clicked: the window stays open unless
     *  this leaves it its own way. */
    virtual void closeBoxClicked() {}

private:
    void runActivation();
    /** Tells the window manager, before the window is mapped, the kind of
     *  window its border icons call for. */
    void declareWindowType();

    int m_clientWidth = 0;
    bool m_openFlag = false;
    bool m_activationPending = false;
    BorderIcons m_borderIcons = BorderIcons::None;
    bool m_enterPressesButtons = false;
};

} // namespace treluza
