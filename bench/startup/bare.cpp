// The yardsticks of the application's start-up: a bare main window and nothing else, or (with --menu) a
// main window with one menu and a status text, the least a window with text and a menu bar costs (the font
// database and the menu bar's standard icons).
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    if (app.arguments().contains(QStringLiteral("--menu"))) {
        window.menuBar()->addMenu(QStringLiteral("ファイル(&F)"))->addAction(QStringLiteral("新規作成(&N)"));
        window.statusBar()->showMessage(QStringLiteral("ニルカ"));
    }
    window.show();
    return app.exec();
}
