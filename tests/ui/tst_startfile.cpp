// Starting the application with a file, as a double-click in the file manager does: the argument rule, a
// project file opened as 開く opens it, a diagram settings file opened in the diagram window, the messages
// of a file that cannot be read, and the folder the dialogs start in when the program is installed.
#include "docs/projectfile.h"
#include "fakeplatformservices.h"
#include "session/defaultfolder.h"
#include "session/startarguments.h"
#include "ui/design/conditionsscreen.h"
#include "ui/diagram/graphscreen.h"
#include "ui/mainwindow/mainframe.h"
#include "ui/mainwindow/projectcommands.h"
#include "ui/mainwindow/workspace.h"
#include "widgetlookup.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <unistd.h>

using namespace niruka;

Q_DECLARE_METATYPE(niruka::StartArguments::Action)

namespace {

QString testData(const char *name)
{
    return QStringLiteral(NIRUKA_TEST_DATA "/") + QString::fromLatin1(name);
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The main window as main() builds it, on the scripted platform.
struct App {
    test::FakePlatformServices fake;
    test::FakePlatformServices::Scope scope{fake};
    MainFrame frame;
    Workspace *workspace = new Workspace(frame);

    App() { frame.show(); }
};

} // namespace

class TestStartFile : public QObject {
    Q_OBJECT
private slots:
    void arguments_data();
    void arguments();
    void projectFileOpensAsOpenDoes_data();
    void projectFileOpensAsOpenDoes();
    void diagramFileOpensTheDiagramWindow_data();
    void diagramFileOpensTheDiagramWindow();
    void unreadableFileGetsTheOpenMessage_data();
    void unreadableFileGetsTheOpenMessage();
    void dialogFolder_data();
    void dialogFolder();
};

void TestStartFile::arguments_data()
{
    using A = StartArguments::Action;
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<A>("action");
    QTest::addColumn<QString>("file");
    QTest::newRow("none") << QStringList() << A::Start << QString();
    QTest::newRow("a project") << QStringList{"/home/a/雨水.nrk"} << A::Start << "/home/a/雨水.nrk";
    QTest::newRow("a diagram") << QStringList{"vu.gra"} << A::Start << "vu.gra";
    QTest::newRow("any other name") << QStringList{"design"} << A::Start << "design";
    QTest::newRow("a dash name after --") << QStringList{"--", "-x.nrk"} << A::Start << "-x.nrk";
    QTest::newRow("--help") << QStringList{"--help"} << A::Help << QString();
    QTest::newRow("-h after a file") << QStringList{"a.nrk", "-h"} << A::Help << QString();
    QTest::newRow("unknown option") << QStringList{"--open", "a.nrk"} << A::Refuse << QString();
    QTest::newRow("a lone dash") << QStringList{"-"} << A::Refuse << QString();
    QTest::newRow("two files") << QStringList{"a.nrk", "b.gra"} << A::Refuse << QString();
    QTest::newRow("--help after --") << QStringList{"--", "--help", "a.nrk"} << A::Refuse << QString();
    QTest::newRow("empty name") << QStringList{""} << A::Refuse << QString();
}

void TestStartFile::arguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(StartArguments::Action, action);
    QFETCH(QString, file);
    const StartArguments start = parseArguments(arguments);
    QCOMPARE(start.action, action);
    QCOMPARE(start.file, file);
    QCOMPARE(start.problem.isEmpty(), action != StartArguments::Action::Refuse);
}

void TestStartFile::projectFileOpensAsOpenDoes_data()
{
    QTest::addColumn<QString>("file");
    for (const char *name :
         {"docs/pipe-vp.nrk", "docs/circular.nrk", "docs/polygon.nrk", "docs/all-sections.nrk"})
        QTest::newRow(name) << testData(name);
}

void TestStartFile::projectFileOpensAsOpenDoes()
{
    QFETCH(QString, file);
    App app;
    app.workspace->openDocument(file);
    QVERIFY2(app.fake.messages.isEmpty(), qPrintable(app.fake.lastMessageText()));
    QVERIFY(app.fake.fileRequests.isEmpty());
    QCOMPARE(app.frame.currentFileName(), file);
    ConditionsScreen *cs = app.frame.conditionsScreen();
    QVERIFY(cs);
    auto *sub = qobject_cast<QMdiSubWindow *>(cs->parentWidget());
    QCOMPARE(sub ? sub->windowTitle() : cs->windowTitle(), QDir::toNativeSeparators(file));
    QVERIFY(app.frame.design().hasResult());
    QVERIFY(app.frame.toolbarButton(3)->isEnabled());
    // Every screen holds what the file holds: saved again, the design gives the same bytes.
    QString error;
    QCOMPARE(encodeProject(app.workspace->projectCommands().collect(), &error), readAll(file));
}

void TestStartFile::diagramFileOpensTheDiagramWindow_data()
{
    QTest::addColumn<QString>("suffix");
    QTest::newRow(".gra") << QStringLiteral("gra");
    QTest::newRow(".GRA") << QStringLiteral("GRA");
}

void TestStartFile::diagramFileOpensTheDiagramWindow()
{
    QFETCH(QString, suffix);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("ＶＵ管.") + suffix);
    QVERIFY(QFile::copy(testData("diagram/vu2-kutter.gra"), file));
    App app;
    app.workspace->openDocument(file);
    QVERIFY2(app.fake.messages.isEmpty(), qPrintable(app.fake.lastMessageText()));
    GraphScreen *graph = app.workspace->graphScreen();
    QVERIFY(graph && graph->isVisible());
    QVERIFY(app.frame.toolBar()->isHidden());
    QVERIFY(!app.frame.conditionsScreen());
    QCOMPARE(graph->diagramFileName(), file);
    QCOMPARE(graph->drawnState(), GraphScreen::DrawnState::Screen);
    QCOMPARE(test::child<QComboBox>(graph, QStringLiteral("cbo1"))->currentIndex(), 3);
    QCOMPARE(test::child<QComboBox>(graph, QStringLiteral("cbo2"))->currentIndex(), 10);
    QVERIFY(test::child<QRadioButton>(graph, QStringLiteral("opt2"))->isChecked());
    QCOMPARE(test::child<QLineEdit>(graph, QStringLiteral("txt1"))->text(), QStringLiteral("0.011"));
    QCOMPARE(test::child<QLineEdit>(graph, QStringLiteral("txt2"))->text(), QStringLiteral("0.5（仮）"));
    QCOMPARE(test::child<QLineEdit>(graph, QStringLiteral("txt3"))->text(), QStringLiteral("75"));
    // Drawn with the restored settings.
    QCOMPARE(graph->currentSettings().roughness, 0.011);
    QCOMPARE(graph->currentSettings().runoffCoeff, 0.5);
    QCOMPARE(graph->currentSettings().rainIntensity, 75.0);
}

void TestStartFile::unreadableFileGetsTheOpenMessage_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing project") << "missing.nrk" << QStringLiteral("ファイルを開けません。\n");
    QTest::newRow("a folder as project") << "folder.nrk" << QStringLiteral("ファイルを開けません。\n");
    QTest::newRow("missing diagram") << "missing.gra" << QStringLiteral("ファイルを開けませんでした。");
}

void TestStartFile::unreadableFileGetsTheOpenMessage()
{
    QFETCH(QString, name);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.nrk")));
    const QString path = dir.filePath(name);
    App app;
    const QString idleStatus = app.frame.statusText();
    app.workspace->openDocument(path);
    QCOMPARE(app.fake.messages.size(), 1);
    QCOMPARE(app.fake.messages.first().title, QStringLiteral("エラーメッセージ"));
    if (message.endsWith(QLatin1Char('\n')))
        message += QDir::toNativeSeparators(path);
    QCOMPARE(app.fake.lastMessageText(), message);
    // Still idle: no design, nothing to save.
    QVERIFY(!app.frame.conditionsScreen());
    QVERIFY(app.frame.currentFileName().isEmpty());
    QVERIFY(!app.frame.toolbarButton(3)->isEnabled());
    QVERIFY(!app.frame.action("Men_FSav")->isEnabled());
    if (GraphScreen *graph = app.workspace->graphScreen())
        QCOMPARE(graph->drawnState(), GraphScreen::DrawnState::None);
    else
        QCOMPARE(app.frame.statusText(), idleStatus);
}

void TestStartFile::dialogFolder_data()
{
    QTest::addColumn<QString>("made");
    QTest::addColumn<bool>("beside");
    QTest::newRow("a writable folder beside the program") << "folder" << true;
    QTest::newRow("none (installed in /usr/bin)") << "" << false;
    QTest::newRow("a file of that name") << "file" << false;
    QTest::newRow("a read-only folder") << "read-only" << false;
}

void TestStartFile::dialogFolder()
{
    QFETCH(QString, made);
    QFETCH(bool, beside);
    if (made == QLatin1String("read-only") && geteuid() == 0)
        QSKIP("root may write into any folder");
    QTemporaryDir program;
    const QString name = QStringLiteral("ニルカ(雨水編)");
    const QString folder = QDir(program.path()).filePath(name);
    if (made == QLatin1String("file")) {
        QFile f(folder);
        QVERIFY(f.open(QIODevice::WriteOnly));
    } else if (!made.isEmpty()) {
        QVERIFY(QDir(program.path()).mkdir(name));
    }
    if (made == QLatin1String("read-only"))
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    QCOMPARE(defaultFileFolder(program.path(), name), beside ? folder : userFileFolder());
    QVERIFY(QFileInfo(userFileFolder()).isDir());
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

QTEST_MAIN(TestStartFile)
#include "tst_startfile.moc"
