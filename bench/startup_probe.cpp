// Preloaded by taco_install_bench into a Qt program: ends the program as soon
// as a widget of a visible window is first painted, so that the time from
// launch to a window on screen can be measured from outside.
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <cstdlib>

namespace {

class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* target, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && target->isWidgetType() &&
            static_cast<QWidget*>(target)->window()->isVisible())
            std::_Exit(0);
        return false;
    }
};

void watchFirstPaint()
{
    QCoreApplication::instance()->installEventFilter(new FirstPaint);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchFirstPaint)
