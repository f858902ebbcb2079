// Loaded into a program with LD_PRELOAD: ends the process the moment its first main window is exposed,
// so the program's run time is its start-up to a visible main window. Works on any Qt widget program,
// the application of today and of any earlier build alike.
#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QWindow>
#include <cstdlib>

namespace {

class FirstExpose : public QObject {
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose) {
            auto *window = qobject_cast<QWindow *>(watched);
            if (window && window->isExposed()) {
                for (QWidget *w : QApplication::topLevelWidgets())
                    if (qobject_cast<QMainWindow *>(w) && w->isVisible())
                        std::_Exit(0);
            }
        }
        return false;
    }
};

void installProbe()
{
    QCoreApplication::instance()->installEventFilter(new FirstExpose);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
