// Preloaded by the install test into the installed program: once the main
// menu is on screen it presses the menu's help button, and it ends the
// program with 0 when the help window shows the line the test added to the
// installed help file. Any other window (a message saying the help file
// cannot be read, among others), or no help within 60 seconds, ends it with 1.
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void finish(int code, const QString& what)
{
    std::fprintf(stderr, "install probe: %s\n", qPrintable(what));
    std::fflush(stderr);
    std::_Exit(code);
}

/** The texts of a window's labels, to say what an unexpected window showed. */
QString labelsOf(const QWidget& window)
{
    QStringList texts;
    for (const QLabel* label : window.findChildren<QLabel*>())
        texts << label->text();
    return texts.join(QStringLiteral(" | "));
}

class Probe : public QObject {
public:
    bool eventFilter(QObject* target, QEvent* event) override
    {
        if (event->type() != QEvent::Paint || !target->isWidgetType())
            return false;
        QWidget* window = static_cast<QWidget*>(target)->window();
        if (!window->isVisible())
            return false;
        const QString name = window->objectName();
        if (name == QStringLiteral("TreluzaV4Form")) {
            if (!m_helpAsked) {
                m_helpAsked = true;
                std::fprintf(stderr, "install probe: main menu \"%s\"\n", qPrintable(window->windowTitle()));
                auto* help = window->findChild<QToolButton*>(QStringLiteral("FimBitBtn"));
                if (!help)
                    finish(1, QStringLiteral("the main menu has no help button"));
                QTimer::singleShot(0, help, &QToolButton::click);
            }
        } else if (name == QStringLiteral("AjuForm")) {
            // The text is loaded when the window is activated, which may
            // follow its first paint.
            const auto* memo = window->findChild<QPlainTextEdit*>(QStringLiteral("AjuMemo"));
            const QString marker = qEnvironmentVariable("TRELUZA_PROBE_HELP_MARKER");
            if (memo && !marker.isEmpty() && memo->toPlainText().contains(marker))
                finish(0, QStringLiteral("the help shows the installed help file"));
        } else {
            finish(1, QStringLiteral("unexpected window \"%1\" (%2): %3")
                          .arg(window->windowTitle(), name, labelsOf(*window)));
        }
        return false;
    }

private:
    bool m_helpAsked = false;
};

void watchWindows()
{
    auto* probe = new Probe;
    QCoreApplication::instance()->installEventFilter(probe);
    QTimer::singleShot(60000, probe, [] { finish(1, QStringLiteral("no help window within 60 s")); });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchWindows)
