#pragma once
// The window-test harness: drives the real windows on the offscreen platform.
//
// How to use it, in a Qt Test slot:
//   GuiEnvironment env;                      // fresh base folder and configuration file
//   TLisForm form(env.context());            // windows made on env.context()
//   MessageScript script{{"Confirma inclusão?", kYes},
//                        {"Inclusão efetuada com sucesso!", kOk}};
//   openForm(form);                          // open flag, show, FormActivate has run
//   typeInto(*form.TabMaskEdit, "Tabela 1"); // focus and type, key by key
//   leaveTowards(*form.TabMaskEdit, *form.DesTabMaskEdit);
//   click(*form.GraBitBtn);
//   QVERIFY(script.done());
//   QCOMPARE(env.readBytes(path), expectedBytes);
// A message that is not the next one expected fails the test (and gets "no"
// or "OK"); messages expected but never shown fail it when the script ends.
// A modal window that a click opens is answered with onNextModal(), called
// before the click: its function runs once the window is up (and its
// FormActivate has run), and must close it. The print and save dialogs are
// answered by a ScriptedDialogs made in the test.
#include "core/store/Sinks.h"
#include "gui/app/SharedWindows.h"
#include "gui/widgets/FormContext.h"
#include "gui/widgets/PlatformDialogs.h"

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QAbstractButton;
class QWidget;

namespace treluza {

class TForm;
class TMaskEdit;

namespace test {

inline constexpr Answer kOk = Answer::Ok;
inline constexpr Answer kYes = Answer::Yes;
inline constexpr Answer kNo = Answer::No;

/** A fresh temporary base folder ("base/") and configuration file
 *  ("config/CfgTreluza.ini"), removed at the end; the help file path is
 *  base/Ajuda.hlp (not created). */
class GuiEnvironment {
public:
    GuiEnvironment();
    ~GuiEnvironment();

    const std::filesystem::path& base() const { return m_windows->context().baseFolder; }
    const std::filesystem::path& configFile() const { return m_windows->context().configFile; }
    /** The context windows are made on, as the program makes it. */
    FormContext& context() { return m_windows->context(); }
    /** The shared windows the context hands out. */
    SharedWindows& shared() { return m_windows->shared(); }

    /** The bytes of a file; empty when missing. */
    static std::string readBytes(const std::filesystem::path& path);
    static void writeBytes(const std::filesystem::path& path, const std::string& bytes);

private:
    QTemporaryDir m_dir;
    std::unique_ptr<WindowContext> m_windows;
};

struct ExpectedMessage {
    QString text;
    Answer answer; // kOk for a message; kYes or kNo for a question
};

/** Replaces the message handler while alive; see the header comment. */
class MessageScript {
public:
    MessageScript(std::initializer_list<ExpectedMessage> expected = {});
    ~MessageScript();
    MessageScript(const MessageScript&) = delete;
    MessageScript& operator=(const MessageScript&) = delete;

    void expect(const QString& text, Answer answer);
    /** Every expected message was shown, in order, and nothing else. */
    bool done() const;
    /** The texts shown so far. */
    const QStringList& shown() const { return m_shown; }

private:
    Answer handle(const QString& text, MessageKind kind);

    std::vector<ExpectedMessage> m_expected;
    std::size_t m_next = 0;
    bool m_unexpected = false;
    QStringList m_shown;
};

/** Sets the open flag, shows the window non-modally, waits until it is active
 *  and its FormActivate has run. */
bool openForm(TForm& form);

/** Gives the field the focus and types the text into it, key by key, from its
 *  first place (the cursor goes to the start and nothing is selected). */
void typeInto(TMaskEdit& edit, const QString& text);

/** Types without moving the cursor first. */
void typeKeys(QWidget& widget, const QString& text);

/** Moves the focus from a control to another, as the mouse or Tab would. */
void leaveTowards(QWidget& from, QWidget& to);

/** Clicks a button with the mouse (the focus moves to it first, so a field
 *  being left runs its exit). */
void click(QAbstractButton& button);

/** Presses Enter in the focused control of the widget's window. */
void pressEnter(QWidget& widget);

/** Clicks the window manager's close box of widget's window: a spontaneous
 *  close event; the window hides when the event is accepted. */
void clickCloseBox(QWidget& widget);

/** Answers the next modal window that opens. The returned flag turns true once
 *  fn has run. The window must be closed by fn; one left open fails the test
 *  and is closed. No window within 5 seconds fails the test. */
std::shared_ptr<bool> onNextModal(std::function<void(QWidget&)> fn);

template <class Form> std::shared_ptr<bool> onNextModal(std::function<void(Form&)> fn);

/** Saves a picture of the window under $TRELUZA_SCREENSHOTS (nothing when unset). */
void screenshot(QWidget& widget, const QString& name);

/** Answers the print and save dialogs while alive. */
class ScriptedDialogs final : public PlatformDialogs {
public:
    ScriptedDialogs();
    ~ScriptedDialogs() override;

    /** What the next print dialog answers: true prints. */
    bool printAnswer = true;
    /** Where choosePrinter() sends a confirmed print (a PDF file); empty leaves the printer as it is. */
    QString pdfFile;
    /** What the next save dialog answers (empty: cancel). */
    QString saveAnswer;

    int printDialogs = 0;
    int saveDialogs = 0;
    QString lastFilter;
    QString lastSuffix;
    QString lastFileName;
    QString lastFolder;
    QFont lastFont;
    /** Every document the text printers received, with its lines. */
    std::vector<QStringList> documents;

    bool choosePrinter(QPrinter& printer, QWidget* parent) override;
    std::unique_ptr<TextPrinter> chooseTextPrinter(QWidget* parent, const QFont& font) override;
    QString chooseSaveFile(QWidget* parent, const QString& filter, const QString& defaultSuffix,
                           const QString& fileName, const QString& folder) override;
};

// ---------------------------------------------------------------------------

template <class Form> std::shared_ptr<bool> onNextModal(std::function<void(Form&)> fn)
{
    return onNextModal([fn = std::move(fn)](QWidget& w) {
        Form* form = qobject_cast<Form*>(&w);
        if (!form) {
            QTest::qFail(qPrintable(QStringLiteral("another window opened: ") + w.metaObject()->className()),
                         __FILE__, __LINE__);
            return;
        }
        fn(*form);
    });
}

} // namespace test
} // namespace treluza
