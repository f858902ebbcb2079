// The design session without a window restores every project file exactly as the application's window
// does: the same read, the same record saved again, the same refusal or report, the same status text,
// File commands, messages and beeps. Every byte prefix of two files is opened one after the other into
// one window and one session, so nothing left over from the file before may differ either.
#include "fakeplatformservices.h"
#include "report/reportcomposer.h"
#include "session/calculatorsessions.h"
#include "session/designsession.h"
#include "session/projectsession.h"
#include "ui/design/facilityscreen.h"
#include "ui/mainwindow/mainframe.h"
#include "ui/mainwindow/projectcommands.h"
#include "ui/mainwindow/workspace.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

using namespace niruka;

namespace {

struct Outcome {
    ProjectReadStatus status = ProjectReadStatus::Complete;
    QStringList savedLines;
    QString lastRefusal; // the refusal of the open's own check
    QString refusal;     // 計算's rules asked again
    QStringList report;
    bool verdictNo = false;
    QString statusText;
    FileCommandState commands;
    bool toolbarVisible = false;
    QStringList messages;
    int beeps = 0;
};

QStringList reportLines(const DesignCase &design, bool *verdictNo)
{
    QStringList lines;
    const ComposedReport report = composeReport(design, ReportOutput::TextFile);
    for (const ReportLine &line : report.lines)
        lines << QString::number(line.part) + (line.failingVerdict ? u'!' : u' ') + line.text;
    *verdictNo = report.verdictNo;
    return lines;
}

void takeMessages(test::FakePlatformServices &fake, Outcome &out)
{
    for (const auto &m : fake.messages)
        out.messages << m.title + u'|' + m.text;
    out.beeps = fake.beeps;
    fake.messages.clear();
    fake.beeps = 0;
}

Outcome openIntoWindow(MainFrame &frame, Workspace &workspace, test::FakePlatformServices &fake,
                       const QString &path)
{
    Outcome out;
    ProjectCommands &commands = workspace.projectCommands();
    out.status = commands.openFile(path).status;
    out.savedLines = projectLines(commands.collect());
    if (commands.lastRefusal())
        out.lastRefusal = commands.lastRefusal()->message;
    if (FacilityScreen *screen = frame.facilityScreen()) {
        if (const std::optional<Refusal> refusal = screen->applyRules())
            out.refusal = refusal->message;
        else
            out.report = reportLines(frame.design(), &out.verdictNo);
    }
    out.statusText = frame.statusText();
    out.commands = frame.fileCommands();
    out.toolbarVisible = !frame.toolBar()->isHidden();
    takeMessages(fake, out);
    return out;
}

Outcome openIntoSession(DesignSession &session, test::FakePlatformServices &fake, const QString &path)
{
    Outcome out;
    ProjectSession &project = session.project();
    out.status = project.openFile(path).status;
    out.savedLines = projectLines(project.collect());
    if (project.lastRefusal())
        out.lastRefusal = project.lastRefusal()->message;
    if (session.openFacilityScreen() != FacilityScreenId::None) {
        if (const std::optional<Refusal> refusal = session.applyRules())
            out.refusal = refusal->message;
        else
            out.report = reportLines(session.design(), &out.verdictNo);
    }
    out.statusText = session.window().statusText;
    out.commands = session.window().commands;
    out.toolbarVisible = session.window().toolbarVisible;
    takeMessages(fake, out);
    return out;
}

bool sameOutcome(const Outcome &a, const Outcome &b, QString *why)
{
    const auto differ = [why](const char *what, const QString &x, const QString &y) {
        *why = QStringLiteral("%1 differ:\n  window:  %2\n  session: %3").arg(QLatin1String(what), x, y);
        return false;
    };
    if (a.status != b.status)
        return differ("read statuses", QString::number(int(a.status)), QString::number(int(b.status)));
    if (a.savedLines != b.savedLines)
        return differ("saved lines", a.savedLines.join(u'/'), b.savedLines.join(u'/'));
    if (a.lastRefusal != b.lastRefusal)
        return differ("refusals of the open", a.lastRefusal, b.lastRefusal);
    if (a.refusal != b.refusal)
        return differ("refusals", a.refusal, b.refusal);
    if (a.report != b.report || a.verdictNo != b.verdictNo)
        return differ("reports", a.report.join(u'\n'), b.report.join(u'\n'));
    if (a.statusText != b.statusText)
        return differ("status texts", a.statusText, b.statusText);
    if (!(a.commands == b.commands))
        return differ("file commands",
                      QString::number(a.commands.saveAs) + QString::number(a.commands.overwrite),
                      QString::number(b.commands.saveAs) + QString::number(b.commands.overwrite));
    if (a.toolbarVisible != b.toolbarVisible)
        return differ("toolbars", QString::number(a.toolbarVisible), QString::number(b.toolbarVisible));
    if (a.messages != b.messages || a.beeps != b.beeps)
        return differ("messages and beeps", a.messages.join(u'/') + QString::number(a.beeps),
                      b.messages.join(u'/') + QString::number(b.beeps));
    return true;
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

// The prefixes a window and a lone session both open: each that keeps whole lines, where the read's outcome
// changes from one record to the next, and every sixth byte for the cuts inside a line or between its CR
// and LF. Every prefix of every golden file is read by the command line's and the reader's own tests; a
// window for each would take a minute.
QList<qsizetype> parityPrefixes(const QByteArray &bytes)
{
    QList<qsizetype> cuts;
    for (qsizetype n = 0; n <= bytes.size(); ++n)
        if (n % 6 == 0 || n == bytes.size() || bytes[n - 1] == '\n')
            cuts << n;
    return cuts;
}

} // namespace

class TestSessionParity : public QObject {
    Q_OBJECT
private slots:
    void everyGoldenFile_data();
    void everyGoldenFile();
    void prefixesOneAfterTheOther_data();
    void prefixesOneAfterTheOther();
    void theFilesGiveReportsAndRefusals();
};

void TestSessionParity::everyGoldenFile_data()
{
    QTest::addColumn<QString>("path");
    const QStringList files = goldenFiles();
    QVERIFY(files.size() >= 2);
    for (const QString &path : files)
        QTest::newRow(qPrintable(QDir(QStringLiteral(NIRUKA_TEST_DATA)).relativeFilePath(path))) << path;
}

void TestSessionParity::everyGoldenFile()
{
    QFETCH(QString, path);
    test::FakePlatformServices fake;
    test::FakePlatformServices::Scope scope{fake};
    Outcome window;
    QStringList windowMessages;
    {
        MainFrame frame;
        auto *workspace = new Workspace(frame);
        window = openIntoWindow(frame, *workspace, fake, path);
        // 開く with its one message: the read's problem, or the refusal with its focus.
        workspace->projectCommands().openPath(path);
        for (const auto &m : fake.messages)
            windowMessages << m.text;
        fake.messages.clear();
        fake.beeps = 0;
    }
    DesignSession session(fake);
    const Outcome alone = openIntoSession(session, fake, path);
    QString why;
    QVERIFY2(sameOutcome(window, alone, &why), qPrintable(why));
    session.project().openPath(path);
    QStringList sessionMessages;
    for (const auto &m : fake.messages)
        sessionMessages << m.text;
    QCOMPARE(sessionMessages, windowMessages);
}

void TestSessionParity::prefixesOneAfterTheOther_data()
{
    QTest::addColumn<QString>("path");
    for (const char *file : {"docs/all-sections.nrk", "cli/circular-weighted-formula1.nrk"})
        QTest::newRow(file) << QStringLiteral(NIRUKA_TEST_DATA "/") + QString::fromLatin1(file);
}

void TestSessionParity::prefixesOneAfterTheOther()
{
    QFETCH(QString, path);
    QFile in(path);
    QVERIFY(in.open(QIODevice::ReadOnly));
    const QByteArray bytes = in.readAll();
    QVERIFY(bytes.size() > 100);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString prefixPath = dir.filePath(QStringLiteral("prefix.nrk"));

    test::FakePlatformServices fake;
    test::FakePlatformServices::Scope scope{fake};
    MainFrame frame;
    auto *workspace = new Workspace(frame);
    DesignSession session(fake);
    const QList<qsizetype> cuts = parityPrefixes(bytes);
    QVERIFY(cuts.size() < bytes.size() / 2);
    for (qsizetype k = 0; k < cuts.size(); ++k) {
        const qsizetype n = cuts[k];
        QFile out(prefixPath);
        QVERIFY(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(bytes.left(n));
        out.close();
        const Outcome window = openIntoWindow(frame, *workspace, fake, prefixPath);
        const Outcome alone = openIntoSession(session, fake, prefixPath);
        QString why;
        QVERIFY2(sameOutcome(window, alone, &why),
                 qPrintable(QStringLiteral("prefix of %1 bytes: ").arg(n) + why));
        if (k % 16 == 0)
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// The comparison means something only if the files reach both ends of the open.
void TestSessionParity::theFilesGiveReportsAndRefusals()
{
    test::FakePlatformServices fake;
    test::FakePlatformServices::Scope scope{fake};
    DesignSession session(fake);
    int reports = 0, refusals = 0, calculators = 0;
    for (const QString &path : goldenFiles()) {
        const Outcome out = openIntoSession(session, fake, path);
        reports += !out.report.isEmpty();
        refusals += !out.refusal.isEmpty();
        calculators += session.calculators().intensity().exists() || session.calculators().runoff().exists();
    }
    QVERIFY(reports >= 5);
    QVERIFY(refusals >= 3);
    QVERIFY(calculators >= 3);
}

QTEST_MAIN(TestSessionParity)
#include "tst_sessionparity.moc"
