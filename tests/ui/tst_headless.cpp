// A headless main window (the command-line companion's) restores every golden project file into the same
// screens and design as the application's own window: the same entries, the same refusal or the same report.
#include "fakeplatformservices.h"
#include "report/reportcomposer.h"
#include "ui/design/facilityscreen.h"
#include "ui/mainwindow/mainframe.h"
#include "ui/mainwindow/projectcommands.h"
#include "ui/mainwindow/workspace.h"

#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

using namespace niruka;

namespace {

// What one window makes of a file: the read, the record its screens would save, the check's refusal or
// the report.
struct Outcome {
    ProjectReadStatus status = ProjectReadStatus::Complete;
    QStringList savedLines;
    QString refusal;
    QStringList report;
    bool verdictNo = false;
    QString statusText;
    QStringList messages;
    int beeps = 0;
};

Outcome openInto(MainFrame &frame, Workspace &workspace, test::FakePlatformServices &fake,
                 const QString &path)
{
    fake.messages.clear();
    fake.beeps = 0;
    Outcome out;
    const ProjectReadResult read = workspace.projectCommands().openFile(path);
    out.status = read.status;
    out.savedLines = projectLines(workspace.projectCommands().collect());
    if (FacilityScreen *screen = frame.facilityScreen()) {
        if (const std::optional<Refusal> refusal = screen->applyRules()) {
            out.refusal = refusal->message;
        } else {
            const ComposedReport report = composeReport(frame.design(), ReportOutput::TextFile);
            for (const ReportLine &line : report.lines)
                out.report << QString::number(line.part) + (line.failingVerdict ? u'!' : u' ') + line.text;
            out.verdictNo = report.verdictNo;
        }
    }
    out.statusText = frame.statusText();
    for (const auto &m : fake.messages)
        out.messages << m.text;
    out.beeps = fake.beeps;
    return out;
}

Outcome restore(const QString &path, bool headless, int *subWindows)
{
    test::FakePlatformServices fake;
    test::FakePlatformServices::Scope scope{fake};
    MainFrame frame;
    frame.setHeadless(headless);
    auto *workspace = new Workspace(frame);
    const Outcome out = openInto(frame, *workspace, fake, path);
    *subWindows = int(frame.mdiArea()->subWindowList().size());
    return out;
}

QStringList goldenFiles()
{
    QStringList files;
    for (const char *folder : {"docs", "cli"}) {
        const QDir dir(QStringLiteral(NIRUKA_TEST_DATA "/") + QString::fromLatin1(folder));
        for (const QString &name : dir.entryList({QStringLiteral("*.nrk")}, QDir::Files, QDir::Name))
            files << dir.filePath(name);
    }
    return files;
}

// The status bar keeps the last message when a file sets none, so it is compared only for fresh windows.
void compareOutcomes(const Outcome &actual, const Outcome &expected, bool freshWindow = true)
{
    QCOMPARE(actual.status, expected.status);
    QCOMPARE(actual.savedLines, expected.savedLines);
    QCOMPARE(actual.refusal, expected.refusal);
    QCOMPARE(actual.report, expected.report);
    QCOMPARE(actual.verdictNo, expected.verdictNo);
    if (freshWindow)
        QCOMPARE(actual.statusText, expected.statusText);
    QCOMPARE(actual.messages, expected.messages);
    QCOMPARE(actual.beeps, expected.beeps);
}

} // namespace

class TestHeadless : public QObject {
    Q_OBJECT
private slots:
    void sameRestoreAsTheWindow_data();
    void sameRestoreAsTheWindow();
    void oneHeadlessFrameOpensFileAfterFile();
};

void TestHeadless::sameRestoreAsTheWindow_data()
{
    QTest::addColumn<QString>("path");
    const QStringList files = goldenFiles();
    QVERIFY(files.size() >= 2);
    for (const QString &path : files)
        QTest::newRow(qPrintable(QDir(QStringLiteral(NIRUKA_TEST_DATA)).relativeFilePath(path))) << path;
}

void TestHeadless::sameRestoreAsTheWindow()
{
    QFETCH(QString, path);
    int windowSubs = 0;
    int headlessSubs = 0;
    const Outcome window = restore(path, false, &windowSubs);
    const Outcome headless = restore(path, true, &headlessSubs);

    QVERIFY2(windowSubs > 0, "the application's window holds its screens in sub-windows");
    QCOMPARE(headlessSubs, 0);
    compareOutcomes(headless, window);
}

// The command-line companion opens many files in one frame: each must come out as in a fresh window,
// with nothing left over from the file before, in either order.
void TestHeadless::oneHeadlessFrameOpensFileAfterFile()
{
    QStringList files = goldenFiles();
    QList<Outcome> fresh;
    for (const QString &path : files) {
        int subs = 0;
        fresh << restore(path, false, &subs);
    }
    for (int pass = 0; pass < 2; ++pass) {
        test::FakePlatformServices fake;
        test::FakePlatformServices::Scope scope{fake};
        MainFrame frame;
        frame.setHeadless(true);
        auto *workspace = new Workspace(frame);
        for (qsizetype k = 0; k < files.size(); ++k) {
            const qsizetype i = pass == 0 ? k : files.size() - 1 - k;
            const Outcome out = openInto(frame, *workspace, fake, files[i]);
            compareOutcomes(out, fresh[i], false);
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(files[i]));
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // Only the screens of the last design are left.
        QVERIFY(frame.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly).size() < 20);
    }
}

QTEST_MAIN(TestHeadless)
#include "tst_headless.moc"
