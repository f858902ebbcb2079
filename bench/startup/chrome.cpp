// The fairer yardstick of the application's start-up: the first frame the user sees of the application's
// main window, built plainly. The same title, window icon, menus, toolbar, status text and MDI area, in the
// same font set-up (the Japanese environment and the screens' font), and nothing behind them: no design
// session, no workspace, no printing library. What the application takes beyond this is its own.
#include "model/environment.h"

#include <QAction>
#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    niruka::installJapaneseEnvironment();
    QApplication::setFont(niruka::screenFont());
    QGuiApplication::setDesktopFileName(QStringLiteral("jp.niruka.Niruka"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("jp.niruka.Niruka")));

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("ニルカ（雨水編）"));
    window.setCentralWidget(new QMdiArea(&window));

    // At start there is no result to save, print or write: those commands are off.
    struct Command {
        const char *caption;
        bool enabled;
    };
    QMenu *file = window.menuBar()->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
    for (const Command &c :
         {Command{"新規作成(&N)", true}, Command{"開く(&O)", true}, Command{"閉じる(&C)", true},
          Command{"", true}, Command{"上書き保存(&S)", false}, Command{"名前をつけて保存(&A)", false},
          Command{"", true}, Command{"印刷ｲﾒｰｼﾞ(&I)", false}, Command{"印刷(&P)", false},
          Command{"", true}}) {
        if (*c.caption)
            file->addAction(QString::fromUtf8(c.caption))->setEnabled(c.enabled);
        else
            file->addSeparator();
    }
    QMenu *editor = file->addMenu(QStringLiteral("ｴﾃﾞｨﾀ(&E)"));
    editor->addAction(QStringLiteral("書き込み(&W)"))->setEnabled(false);
    editor->addAction(QStringLiteral("起動(&O)"));
    file->addSeparator();
    file->addAction(QStringLiteral("終了(&X)"));
    window.menuBar()->addAction(QStringLiteral("参考(&S)"));
    window.menuBar()->addAction(QStringLiteral("ｸﾞﾗﾌ(G)"));
    window.menuBar()->addMenu(QStringLiteral("ﾍﾙﾌﾟ(&H)"))->addAction(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(&A)"));

    QToolBar *toolBar = window.addToolBar(QStringLiteral("Toolbar1"));
    toolBar->setMovable(false);
    toolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (const Command &c : {Command{"新規作成", true}, Command{"開く", true}, Command{"上書き保存", false},
                             Command{"", true}, Command{"印刷ｲﾒｰｼﾞ", false}, Command{"印刷", false}}) {
        if (*c.caption)
            toolBar->addAction(QString::fromUtf8(c.caption))->setEnabled(c.enabled);
        else
            toolBar->addSeparator();
    }

    window.statusBar()->addWidget(
        new QLabel(
            QStringLiteral("メニューバーのファイル又はツールバーより、新規作成又は開くを選択してください。")),
        1);
    const int dpi = window.logicalDpiX() > 0 ? window.logicalDpiX() : 96;
    window.resize(1060 * dpi / 96, 740 * dpi / 96);
    window.show();
    return app.exec();
}
