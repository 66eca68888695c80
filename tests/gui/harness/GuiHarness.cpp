#include "harness/GuiHarness.h"

#include "gui/widgets/Form.h"
#include "gui/widgets/MaskEdit.h"
#include "gui/widgets/Messages.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPrinter>
#include <QTimer>
#include <QtTest/qtestspontaneevent.h>
#include <QtTest>

#include <fstream>
#include <sstream>

namespace treluza::test {

namespace fs = std::filesystem;

GuiEnvironment::GuiEnvironment()
{
    const fs::path root = m_dir.path().toStdString();
    m_windows = std::make_unique<WindowContext>(root / "base", root / "config" / "CfgTreluza.ini",
                                                root / "base" / "Ajuda.hlp");
    fs::create_directories(base());
    fs::create_directories(configFile().parent_path());
}

GuiEnvironment::~GuiEnvironment() = default;

std::string GuiEnvironment::readBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void GuiEnvironment::writeBytes(const fs::path& path, const std::string& bytes)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

MessageScript::MessageScript(std::initializer_list<ExpectedMessage> expected) : m_expected(expected)
{
    setMessageHandler([this](const QString& text, MessageKind kind) { return handle(text, kind); });
}

MessageScript::~MessageScript()
{
    setMessageHandler({});
    if (!done() && !QTest::currentTestFailed()) {
        QStringList missing;
        for (std::size_t i = m_next; i < m_expected.size(); ++i)
            missing << m_expected[i].text;
        if (!missing.isEmpty())
            QTest::qFail(
                qPrintable(QStringLiteral("messages not shown: ") + missing.join(QStringLiteral(" / "))),
                __FILE__, __LINE__);
    }
}

void MessageScript::expect(const QString& text, Answer answer)
{
    m_expected.push_back({text, answer});
}

bool MessageScript::done() const
{
    return !m_unexpected && m_next == m_expected.size();
}

Answer MessageScript::handle(const QString& text, MessageKind kind)
{
    m_shown << text;
    const Answer fallback = kind == MessageKind::Question ? kNo : kOk;
    if (m_next >= m_expected.size()) {
        m_unexpected = true;
        QTest::qFail(qPrintable(QStringLiteral("unexpected message: ") + text), __FILE__, __LINE__);
        return fallback;
    }
    const ExpectedMessage& e = m_expected[m_next];
    const bool question = e.answer != kOk;
    if (e.text != text || question != (kind == MessageKind::Question)) {
        m_unexpected = true;
        QTest::qFail(qPrintable(QStringLiteral("message \"%1\" (kind %2) instead of \"%3\"")
                                    .arg(text)
                                    .arg(static_cast<int>(kind))
                                    .arg(e.text)),
                     __FILE__, __LINE__);
        return fallback;
    }
    ++m_next;
    return e.answer;
}

namespace {

// The offscreen platform does not take the activation from a window that is
// hidden, so a window shown again would not become active by itself.
bool makeActive(QWidget& window)
{
    QCoreApplication::processEvents();
    if (QApplication::activeWindow() != &window)
        QApplication::setActiveWindow(&window);
    return QTest::qWaitFor([&] { return QApplication::activeWindow() == &window; }, 2000);
}

} // namespace

bool openForm(TForm& form)
{
    form.setOpenFlag(true);
    form.show();
    if (!makeActive(form))
        return false;
    return QTest::qWaitFor([&] { return !form.activationPending(); });
}

void typeKeys(QWidget& widget, const QString& text)
{
    for (QChar c : text) {
        Qt::Key key = Qt::Key_unknown;
        if (c.isLetterOrNumber() && c.unicode() < 128)
            key = static_cast<Qt::Key>(c.toUpper().unicode());
        else if (c == u' ')
            key = Qt::Key_Space;
        QTest::sendKeyEvent(QTest::Click, &widget, key, QString(c), Qt::NoModifier);
    }
}

void typeInto(TMaskEdit& edit, const QString& text)
{
    edit.setFocus(Qt::OtherFocusReason);
    edit.deselect();
    edit.setCursorPosition(0);
    typeKeys(edit, text);
}

void leaveTowards(QWidget& from, QWidget& to)
{
    if (QApplication::focusWidget() != &from)
        from.setFocus(Qt::OtherFocusReason);
    to.setFocus(Qt::TabFocusReason);
}

void click(QAbstractButton& button)
{
    if (!button.isEnabled() || !button.isVisible()) {
        QTest::qFail(qPrintable(QStringLiteral("button not clickable: ") + button.text()), __FILE__,
                     __LINE__);
        return;
    }
    QTest::mouseClick(&button, Qt::LeftButton);
}

void pressEnter(QWidget& widget)
{
    QWidget* target = widget.window()->focusWidget();
    QTest::keyClick(target ? target : &widget, Qt::Key_Return);
}

void clickCloseBox(QWidget& widget)
{
    QWidget* window = widget.window();
    QCloseEvent e;
    QSpontaneKeyEvent::setSpontaneous(&e);
    QApplication::instance()->notify(window, &e);
    if (e.isAccepted())
        window->hide();
}

namespace {

// Watches for the modal window; owned by the application, so one that never
// saw its window is freed at the end of the program.
class ModalWatcher : public QObject {
public:
    ModalWatcher(std::function<void(QWidget&)> fn, std::shared_ptr<bool> ran)
        : QObject(qApp), m_fn(std::move(fn)), m_ran(std::move(ran)),
          m_before(QApplication::activeModalWidget())
    {
        m_elapsed.start();
        m_timer = startTimer(5);
    }

protected:
    void timerEvent(QTimerEvent*) override
    {
        QPointer<QWidget> now = QApplication::activeModalWidget();
        auto* form = qobject_cast<TForm*>(now.data());
        const bool ready = now && now != m_before && now->isVisible() && !(form && form->activationPending());
        if (!ready) {
            if (m_elapsed.elapsed() > 5000) {
                finish();
                QTest::qFail("no modal window opened", __FILE__, __LINE__);
            }
            return;
        }
        finish();
        *m_ran = true;
        makeActive(*now);
        m_fn(*now);
        if (now && now->isVisible() && QApplication::activeModalWidget() == now) {
            QTest::qFail(
                qPrintable(QStringLiteral("modal window left open: ") + now->metaObject()->className()),
                __FILE__, __LINE__);
            if (auto* dialog = qobject_cast<QDialog*>(now.data()))
                dialog->done(0);
        }
    }

private:
    void finish()
    {
        killTimer(m_timer);
        deleteLater();
    }

    std::function<void(QWidget&)> m_fn;
    std::shared_ptr<bool> m_ran;
    QPointer<QWidget> m_before;
    QElapsedTimer m_elapsed;
    int m_timer = 0;
};

} // namespace

std::shared_ptr<bool> onNextModal(std::function<void(QWidget&)> fn)
{
    auto ran = std::make_shared<bool>(false);
    new ModalWatcher(std::move(fn), ran);
    return ran;
}

void screenshot(QWidget& widget, const QString& name)
{
    const QString folder = qEnvironmentVariable("TRELUZA_SCREENSHOTS");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    widget.grab().save(folder + u'/' + name + QStringLiteral(".png"));
}

namespace {

class RecordingTextPrinter final : public TextPrinter {
public:
    explicit RecordingTextPrinter(std::vector<QStringList>& documents) : m_documents(documents) {}
    bool beginDocument() override
    {
        m_documents.emplace_back();
        m_open = true;
        return true;
    }
    void writeLine(const QString& line) override
    {
        if (m_open)
            m_documents.back() << line;
    }
    void endDocument() override { m_open = false; }

private:
    std::vector<QStringList>& m_documents;
    bool m_open = false;
};

} // namespace

ScriptedDialogs::ScriptedDialogs()
{
    setPlatformDialogs(this);
}

ScriptedDialogs::~ScriptedDialogs()
{
    setPlatformDialogs(nullptr);
}

bool ScriptedDialogs::choosePrinter(QPrinter& printer, QWidget*)
{
    ++printDialogs;
    if (printAnswer && !pdfFile.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfFile);
    }
    return printAnswer;
}

std::unique_ptr<TextPrinter> ScriptedDialogs::chooseTextPrinter(QWidget*, const QFont& font)
{
    ++printDialogs;
    lastFont = font;
    if (!printAnswer)
        return nullptr;
    return std::make_unique<RecordingTextPrinter>(documents);
}

QString ScriptedDialogs::chooseSaveFile(QWidget*, const QString& filter, const QString& defaultSuffix,
                                        const QString& fileName, const QString& folder)
{
    ++saveDialogs;
    lastFolder = folder;
    lastFilter = filter;
    lastSuffix = defaultSuffix;
    lastFileName = fileName;
    return saveAnswer;
}

} // namespace treluza::test
