// The application's composition: every command of the main window reaches its part, and the diagram
// window hides the toolbar while it is open.
#include "fakeplatformservices.h"
#include "ui/diagram/graphscreen.h"
#include "ui/mainwindow/mainframe.h"
#include "ui/mainwindow/workspace.h"
#include "widgetlookup.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <QToolBar>

using namespace niruka;

class TestWorkspace : public QObject {
    Q_OBJECT
private slots:
    void commandsAreAllConnected_data();
    void commandsAreAllConnected();
    void diagramWindowHidesTheToolbarWhileOpen();
};

void TestWorkspace::commandsAreAllConnected_data()
{
    QTest::addColumn<QString>("command");
    for (const char *name : {"Men_G", "Command4", "Command2", "Men_FImg", "Men_FPrn", "Men_FEWri"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestWorkspace::commandsAreAllConnected()
{
    QFETCH(QString, command);
    test::FakePlatformServices fake;
    test::FakePlatformServices::Scope scope(fake);
    MainFrame frame;
    new Workspace(frame);
    frame.show();
    frame.FileNew();
    frame.runCommandHandler(command.toLatin1().constData());
    QVERIFY2(frame.statusText() != QStringLiteral("この機能はまだ使用できません。"), qPrintable(command));
}

void TestWorkspace::diagramWindowHidesTheToolbarWhileOpen()
{
    test::FakePlatformServices fake;
    test::FakePlatformServices::Scope scope(fake);
    MainFrame frame;
    auto *workspace = new Workspace(frame);
    frame.show();
    frame.action("Men_G")->trigger();
    GraphScreen *graph = workspace->graphScreen();
    QVERIFY(graph && graph->isVisible());
    QVERIFY(frame.toolBar()->isHidden());
    QCOMPARE(frame.statusText(),
             QStringLiteral("コンピュータの速度により、グラフの描画に時間がかかる場合があります。"));
    QAction *close = test::child<QAction>(graph, QStringLiteral("Men_GCls"));
    QVERIFY(close);
    close->trigger();
    QVERIFY(!graph->isVisible());
    QVERIFY(!frame.toolBar()->isHidden());
    QCOMPARE(frame.statusText(), GraphScreen::closingStatusText(0, 0, false));

    // Opened again, the same window comes back.
    frame.action("Men_G")->trigger();
    QCOMPARE(workspace->graphScreen(), graph);
    QVERIFY(graph->isVisible());
}

QTEST_MAIN(TestWorkspace)
#include "tst_workspace.moc"
