// The project-file commands in the main window: open, save as and overwrite with their dialogs and
// questions; round trips through every screen by facility kind and optional section; damaged files, failed
// saves and a file from a machine that writes decimal commas.
#include "fakeplatformservices.h"
#include "session/defaultfolder.h"
#include "ui/calculators/auxiliarycalculators.h"
#include "ui/calculators/intensityscreen.h"
#include "ui/calculators/runoffscreen.h"
#include "ui/calculators/velocitycalculator.h"
#include "ui/design/circularpipescreen.h"
#include "ui/design/conditionsscreen.h"
#include "ui/design/ditchscreen.h"
#include "ui/design/pipescreen.h"
#include "ui/design/polygonditchscreen.h"
#include "ui/design/resultscreen.h"
#include "ui/mainwindow/mainframe.h"
#include "ui/mainwindow/projectcommands.h"
#include "ui/mainwindow/workspace.h"
#include "widgetlookup.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <random>

using namespace niruka;

Q_DECLARE_METATYPE(niruka::ProjectRecord)

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QString golden(const char *name)
{
    return QStringLiteral(NIRUKA_TEST_DATA "/docs/") + QString::fromLatin1(name);
}

// A design the facility rules accept, with C and I typed in.
ProjectRecord design(int kind)
{
    ProjectRecord r;
    r.conditions.txt_c = QStringLiteral("0.5");
    r.conditions.txt_a = QStringLiteral("10000");
    r.conditions.txt_i = QStringLiteral("100");
    r.conditions.lst_s = kind;
    r.conditions.opt1 = true;
    switch (facilitySectionOf(kind)) {
    case FacilitySection::Pipe:
        r.facility.pipe = PipeForm{2, QStringLiteral("10"), QStringLiteral("0.013"), 0};
        break;
    case FacilitySection::Circular:
        r.facility.circular = CircularForm{QStringLiteral("ヒューム管～特注"), QStringLiteral("0.35"),
                                           QStringLiteral("5"), QStringLiteral("0.013"), 2};
        break;
    case FacilitySection::Ditch:
        r.facility.ditch = DitchForm{
            QStringLiteral("Ｕ型側溝"), QStringLiteral("0.5"), QStringLiteral("0.4"),   QStringLiteral("0.4"),
            QStringLiteral("0"),        QStringLiteral("10"),  QStringLiteral("0.013"), 1};
        break;
    case FacilitySection::Polygon:
        r.facility.polygon.txt_m = QStringLiteral("素掘り");
        r.facility.polygon.txt1 = QStringLiteral("2");
        r.facility.polygon.txt2 = QStringLiteral("2");
        r.facility.polygon.txt3 = QStringLiteral("1");
        r.facility.polygon.txt4 = QStringLiteral("10");
        r.facility.polygon.txt5 = QStringLiteral("0.013");
        r.facility.polygon.txt_x = {QStringLiteral(" 0"), QStringLiteral("1"), QStringLiteral("2")};
        r.facility.polygon.txt_y = {QStringLiteral(" 0"), QStringLiteral("1"), QStringLiteral("0")};
        break;
    case FacilitySection::None:
        break;
    }
    return r;
}

// I from formula ① with t = t1 + t2 and t2 from an assumed or calculated velocity.
void withIntensity(ProjectRecord &r, bool calculatedVelocity)
{
    r.conditions.opt3 = false;
    r.conditions.opt4 = true;
    r.conditions.txt_i = QStringLiteral("106.4");
    IntensityForm &i = r.intensity;
    i.opt1 = true;
    i.txt1 = QStringLiteral("5000");
    i.txt2 = QStringLiteral("40");
    i.txt3 = QStringLiteral("5");
    i.txt4 = QStringLiteral("103.14");
    i.txt5 = QStringLiteral("0.8595");
    i.Option1 = i.Option4 = i.Option6 = true;
    i.Option7 = !calculatedVelocity;
    i.Option8 = calculatedVelocity;
    r.river = RiverTimeForm{false, true, QStringLiteral("1.2"), QStringLiteral("0.01")};
    r.kept = KeptInflowNumbers{100.0, 2.5, 0.4};
    r.inflow = InflowTimeForm{QStringLiteral("100"), QStringLiteral("2.5"), QStringLiteral("0.40")};
}

void withRunoff(ProjectRecord &r)
{
    r.conditions.opt5 = false;
    r.conditions.opt6 = true;
    r.conditions.txt_c = QStringLiteral("0.567");
    r.conditions.txt_a = QStringLiteral("300.00");
    r.runoff.chk_k[0] = 1;
    r.runoff.chk_t[2] = 1;
    r.runoff.txt_t = {QStringLiteral("屋　根"), QStringLiteral("道　路"), QStringLiteral("庭")};
    r.runoff.txt_c = {QStringLiteral("0.9"), QStringLiteral("0.3"), QStringLiteral("0.5")};
    r.runoff.txt_a = {QStringLiteral("100"), QStringLiteral("100"), QStringLiteral("100")};
}

void withVelocity(ProjectRecord &r, int kind)
{
    const ProjectRecord facility = design(kind);
    r.velocity.lst_s = kind;
    r.velocity.opt1 = true;
    r.velocity.facility = facility.facility;
    r.velocity.facility.ditch.cbo1 = 5; // the calculator's ditch takes the trough's depth list
    const FacilitySection s = facilitySectionOf(kind);
    r.velocity.screenGroup = s == FacilitySection::Pipe       ? 1
                             : s == FacilitySection::Ditch    ? 2
                             : s == FacilitySection::Circular ? 3
                                                              : 4;
}

// The velocity section alone, as the writer puts it after a record with no facility and no intensity.
QStringList velocityLines(const ProjectRecord &record)
{
    ProjectRecord only;
    only.conditions.lst_s = -1;
    only.intensity.Option8 = true;
    only.velocity = record.velocity;
    return projectLines(only).mid(13 + 4);
}

// The main window with everything the application connects to it, on the scripted platform.
struct App {
    test::FakePlatformServices fake;
    test::FakePlatformServices::Scope scope{fake};
    MainFrame frame;
    Workspace *workspace = new Workspace(frame);
    ProjectCommands &commands = workspace->projectCommands();
    QTemporaryDir dir;

    App() { frame.show(); }
    QString path(const char *name) const { return dir.filePath(QString::fromUtf8(name)); }
    // Opens `record` as a file written by the record's own writer.
    ProjectReadResult open(const ProjectRecord &record, const char *name = "in.nrk")
    {
        QString error;
        writeFile(path(name), encodeProject(record, &error));
        return commands.openFile(path(name));
    }
};

QString titleOf(QWidget *screen)
{
    auto *sub = qobject_cast<QMdiSubWindow *>(screen->parentWidget());
    return sub ? sub->windowTitle() : screen->windowTitle();
}

} // namespace

class TestProject : public QObject {
    Q_OBJECT
private slots:
    void roundTripThroughTheScreens_data();
    void roundTripThroughTheScreens();
    void lineCountsOfDesignsMadeOnTheScreens();
    void goldenFileRestoresEveryScreen();
    void goldenFilesThroughTheScreens_data();
    void goldenFilesThroughTheScreens();
    void openDialogAndTitle();
    void noFacilityKindNoFacilityScreen();
    void saveAsQuestionsAndNames();
    void overwrite();
    void overwriteWithoutNameAsksForOne();
    void failedSaveKeepsFileAndDesign_data();
    void failedSaveKeepsFileAndDesign();
    void damagedFilesAreToldOnce_data();
    void damagedFilesAreToldOnce();
    void numbersIgnoreTheLocale();
    void screensSurviveTruncatedAndMutatedFiles();
};

void TestProject::roundTripThroughTheScreens_data()
{
    QTest::addColumn<ProjectRecord>("record");
    QTest::addColumn<int>("lines");
    for (int kind : {0, 1, 2, 3, 5})
        QTest::addRow("pipe kind %d", kind) << design(kind) << 21;
    QTest::newRow("circular") << design(4) << 22;
    QTest::newRow("ditch") << design(6) << 25;
    QTest::newRow("polygon") << design(7) << 39;
    ProjectRecord allowance = design(4);
    allowance.conditions.opt7 = false;
    allowance.conditions.opt8 = true;
    allowance.conditions.txt1 = QStringLiteral("25");
    allowance.conditions.opt1 = false;
    allowance.conditions.opt2 = true;
    QTest::newRow("allowance, Kutter") << allowance << 22;

    ProjectRecord intensity = design(0);
    withIntensity(intensity, false);
    QTest::newRow("intensity") << intensity << 56;
    ProjectRecord runoff = design(6);
    withRunoff(runoff);
    QTest::newRow("runoff") << runoff << 25 + 37;
    for (int kind : {0, 4, 6, 7}) {
        ProjectRecord velocity = design(0);
        withIntensity(velocity, true);
        withVelocity(velocity, kind);
        const int facilityLines[] = {4, 4, 4, 4, 5, 4, 8, 22};
        QTest::addRow("velocity kind %d", kind) << velocity << 56 + 4 + facilityLines[kind];
    }
    ProjectRecord all = design(7);
    withIntensity(all, true);
    withRunoff(all);
    withVelocity(all, 7); // the calculator's polygon apart from the design's
    all.velocity.facility.polygon.txt_m = QStringLiteral("別の断面");
    QTest::newRow("every section") << all << 39 + 35 + 37 + 4 + 22;
}

void TestProject::roundTripThroughTheScreens()
{
    QFETCH(ProjectRecord, record);
    QFETCH(int, lines);
    App app;
    app.frame.FileNew();
    const ProjectReadResult first = app.open(record);
    QCOMPARE(first.status, ProjectReadStatus::Complete);
    QVERIFY2(app.fake.messages.isEmpty(), qPrintable(app.fake.lastMessageText()));
    QVERIFY(app.frame.design().hasResult());
    QVERIFY(app.frame.resultScreen() && app.frame.resultScreen()->isVisible());

    // Every screen field the file held comes back.
    const ProjectRecord back = app.commands.collect();
    QCOMPARE(back.conditions.txt_c, record.conditions.txt_c);
    QCOMPARE(back.conditions.txt_a, record.conditions.txt_a);
    QCOMPARE(back.conditions.txt_i, record.conditions.txt_i);
    QCOMPARE(back.conditions.lst_s, record.conditions.lst_s);
    QCOMPARE(back.conditions.opt2, record.conditions.opt2);
    QCOMPARE(back.conditions.opt4, record.conditions.opt4);
    QCOMPARE(back.conditions.opt6, record.conditions.opt6);
    QCOMPARE(back.conditions.opt8, record.conditions.opt8);
    QCOMPARE(back.conditions.txt1, record.conditions.txt1);
    switch (facilitySectionOf(record.conditions.lst_s)) {
    case FacilitySection::Pipe:
        QCOMPARE(back.facility.pipe.lst_pu, record.facility.pipe.lst_pu);
        QCOMPARE(back.facility.pipe.txt1, record.facility.pipe.txt1);
        QCOMPARE(back.facility.pipe.txt2, record.facility.pipe.txt2);
        QCOMPARE(back.facility.pipe.cbo1, record.facility.pipe.cbo1);
        break;
    case FacilitySection::Circular:
        QCOMPARE(back.facility.circular.txt_m, record.facility.circular.txt_m);
        QCOMPARE(back.facility.circular.txt1, record.facility.circular.txt1);
        QCOMPARE(back.facility.circular.cbo1, record.facility.circular.cbo1);
        break;
    case FacilitySection::Ditch:
        QCOMPARE(back.facility.ditch.txt_m, record.facility.ditch.txt_m);
        QCOMPARE(back.facility.ditch.txt3, record.facility.ditch.txt3);
        QCOMPARE(back.facility.ditch.txt6, record.facility.ditch.txt6);
        QCOMPARE(back.facility.ditch.cbo1, record.facility.ditch.cbo1);
        break;
    case FacilitySection::Polygon:
        QCOMPARE(back.facility.polygon.txt_m, record.facility.polygon.txt_m);
        QCOMPARE(back.facility.polygon.txt_x, record.facility.polygon.txt_x);
        QCOMPARE(back.facility.polygon.txt_y, record.facility.polygon.txt_y);
        QVERIFY(app.frame.polygonDitchScreen()->instruction()->isHidden());
        break;
    case FacilitySection::None:
        break;
    }
    if (record.conditions.opt4) {
        QCOMPARE(back.intensity.txt1, record.intensity.txt1);
        QCOMPARE(back.intensity.txt4, record.intensity.txt4);
        QCOMPARE(back.intensity.Option8, record.intensity.Option8);
        QCOMPARE(back.river.txt1, record.river.txt1);
        QCOMPARE(back.river.opt2, record.river.opt2);
        QCOMPARE(back.kept.slopeGradient, record.kept.slopeGradient);
        QCOMPARE(back.inflow.txt3, record.inflow.txt3);
        QVERIFY(!app.frame.conditionsScreen()->iField()->hasFrame());
        QVERIFY(app.workspace->calculators().existingIntensityScreen()->isHidden());
    }
    if (record.conditions.opt6) {
        QCOMPARE(back.runoff.chk_k, record.runoff.chk_k);
        QCOMPARE(back.runoff.chk_t, record.runoff.chk_t);
        QCOMPARE(back.runoff.txt_t, record.runoff.txt_t);
        QCOMPARE(back.runoff.txt_a, record.runoff.txt_a);
        QVERIFY(!app.frame.conditionsScreen()->cField()->hasFrame());
        QVERIFY(app.workspace->calculators().existingRunoffScreen()->isHidden());
    }
    if (record.intensity.Option8) {
        QCOMPARE(back.velocity.screenGroup, record.velocity.screenGroup);
        QCOMPARE(back.velocity.lst_s, record.velocity.lst_s);
        QCOMPARE(velocityLines(back), velocityLines(record));
        QCOMPARE(app.frame.design().velocityFacility.screenGroup, int(record.velocity.screenGroup));
        QVERIFY(app.frame.design().velocityFacility.velocity > 0);
    }

    // Saved, a new design, opened again and saved again: the same bytes, the same result.
    QCOMPARE(app.commands.saveFile(app.path("a.nrk")), QString());
    const QByteArray saved = readAll(app.path("a.nrk"));
    QCOMPARE(saved.count("\r\n"), qsizetype(lines));
    const ResultForm result = app.frame.resultScreen()->form();
    app.frame.FileNew();
    QCOMPARE(app.commands.openFile(app.path("a.nrk")).status, ProjectReadStatus::Complete);
    QCOMPARE(app.frame.resultScreen()->form().lbl6, result.lbl6);
    QCOMPARE(app.frame.resultScreen()->form().lbl12, result.lbl12);
    QCOMPARE(app.commands.saveFile(app.path("b.nrk")), QString());
    QCOMPARE(readAll(app.path("b.nrk")), saved);
    QVERIFY2(app.fake.messages.isEmpty(), qPrintable(app.fake.lastMessageText()));
}

void TestProject::lineCountsOfDesignsMadeOnTheScreens()
{
    App app;
    app.frame.FileNew();
    ConditionsScreen *cs = app.frame.conditionsScreen();
    cs->cField()->setText(QStringLiteral("0.5"));
    cs->aField()->setText(QStringLiteral("10000"));
    cs->iField()->setText(QStringLiteral("100"));
    test::child<QRadioButton>(cs, QStringLiteral("opt1"))->click();
    test::child<QLineEdit>(app.frame.pipeScreen(), QStringLiteral("txt1"))->setText(QStringLiteral("10"));
    test::child<QPushButton>(app.frame.pipeScreen(), QStringLiteral("cmd1"))->click();
    QVERIFY2(app.frame.design().hasResult(), qPrintable(app.fake.lastMessageText()));

    app.frame.refreshFileCommands(); // as the File menu does when it opens
    app.fake.fileAnswers.push_back(app.path("direct.nrk"));
    app.frame.action("Men_FSav")->trigger();
    QCOMPARE(readAll(app.path("direct.nrk")).count("\r\n"), 21);

    // The same design with I from the intensity screen.
    test::child<QPushButton>(cs, QStringLiteral("Command2"))->click();
    IntensityScreen *intensity = app.workspace->calculators().existingIntensityScreen();
    QVERIFY(intensity);
    test::child<QRadioButton>(intensity, QStringLiteral("opt1"))->click();
    IntensityForm f = intensity->form();
    f.txt1 = QStringLiteral("5000");
    f.txt2 = QStringLiteral("40");
    f.Option3 = true;
    f.Option4 = false;
    f.txt8 = QStringLiteral("10");
    intensity->setForm(f);
    test::child<QPushButton>(intensity, QStringLiteral("cmd1"))->click();
    QVERIFY2(app.fake.messages.isEmpty(), qPrintable(app.fake.lastMessageText()));
    QVERIFY(test::child<QRadioButton>(cs, QStringLiteral("opt4"))->isChecked());
    test::child<QPushButton>(app.frame.pipeScreen(), QStringLiteral("cmd1"))->click();
    QVERIFY2(app.frame.design().hasResult(), qPrintable(app.fake.lastMessageText()));
    app.frame.refreshFileCommands();
    app.fake.fileAnswers.push_back(app.path("intensity.nrk"));
    app.frame.action("Men_FSav")->trigger();
    QCOMPARE(readAll(app.path("intensity.nrk")).count("\r\n"), 56);
    QVERIFY(intensity->isHidden()); // writing does not show a screen
}

void TestProject::goldenFileRestoresEveryScreen()
{
    App app;
    QCOMPARE(app.commands.openFile(golden("all-sections.nrk")).status, ProjectReadStatus::Complete);
    ConditionsScreen *cs = app.frame.conditionsScreen();
    QVERIFY(cs);
    QCOMPARE(cs->cField()->text(), QStringLiteral("0.567"));
    QCOMPARE(cs->aField()->text(), QStringLiteral("300.00"));
    QCOMPARE(cs->iField()->text(), QStringLiteral("106.4"));
    QVERIFY(!cs->iField()->hasFrame() && !cs->cField()->hasFrame() && !cs->aField()->hasFrame());
    QCOMPARE(test::child<QLineEdit>(app.frame.pipeScreen(), QStringLiteral("txt1"))->text(),
             QStringLiteral("10"));
    QCOMPARE(app.frame.resultScreen()->form().lbl12, QStringLiteral("409.24"));
    QVERIFY(qAbs(app.frame.design().runoffCoeff - 0.567) < 1e-3);
    AuxiliaryCalculators &aux = app.workspace->calculators();
    QCOMPARE(aux.existingIntensityScreen()->form().txt4, QStringLiteral("103.14"));
    QVERIFY(!test::child<QLineEdit>(aux.existingIntensityScreen(), QStringLiteral("txt5"))->hasFrame());
    QCOMPARE(aux.existingIntensityScreen()->inflowForm().txt3, QStringLiteral("0.40"));
    QCOMPARE(app.frame.design().intensity.retardance, std::optional<double>(0.4));
    QCOMPARE(aux.existingRunoffScreen()->form().txt_t[1], QStringLiteral("道　路"));
    QCOMPARE(app.frame.design().velocityFacility.screenGroup, 2);
    QVERIFY(app.frame.design().velocityFacility.velocity > 0);
    QVERIFY(aux.velocityCalculator()->ditchScreen() && aux.velocityCalculator()->ditchScreen()->isHidden());
    QCOMPARE(aux.velocityCalculator()->forms().facility.ditch.txt_m, QStringLiteral("Ｕ型側溝"));
    QVERIFY(aux.existingIntensityScreen()->isHidden());
    QVERIFY(aux.existingRunoffScreen()->isHidden());

    QCOMPARE(app.commands.saveFile(app.path("again.nrk")), QString());
    QCOMPARE(readAll(app.path("again.nrk")), readAll(golden("all-sections.nrk")));
}

void TestProject::goldenFilesThroughTheScreens_data()
{
    QTest::addColumn<QString>("file");
    for (const char *name :
         {"pipe-vp.nrk", "pipe-utrough.nrk", "circular.nrk", "ditch.nrk", "polygon.nrk", "all-sections.nrk"})
        QTest::newRow(name) << golden(name);
}

void TestProject::goldenFilesThroughTheScreens()
{
    QFETCH(QString, file);
    App app;
    QCOMPARE(app.commands.openFile(file).status, ProjectReadStatus::Complete);
    QVERIFY2(app.fake.messages.isEmpty(), qPrintable(app.fake.lastMessageText()));
    QVERIFY(app.frame.design().hasResult());
    ProjectRecord stored;
    decodeProject(readAll(file), stored);
    if (!stored.conditions.opt6) { // the runoff screen hands back an unrounded C
        // The check the screens run on the restored entries shows what the file holds.
        const ResultView view = resultViewOf(app.frame.design());
        QCOMPARE(view.q1, stored.result.lbl3);
        QCOMPARE(view.q2, stored.result.lbl6);
        QCOMPARE(view.velocity, stored.result.lbl9);
        QCOMPARE(view.amax, stored.result.lbl12);
    }
    QCOMPARE(app.commands.saveFile(app.path("again.nrk")), QString());
    QCOMPARE(readAll(app.path("again.nrk")), readAll(file));
}

void TestProject::noFacilityKindNoFacilityScreen()
{
    App app;
    ProjectRecord r = design(-1);
    r.facility.pipe.txt1 = QStringLiteral("not written");
    QCOMPARE(app.open(r).status, ProjectReadStatus::Complete);
    QCOMPARE(app.frame.openFacilityScreen(), FacilityScreenId::None);
    QVERIFY(!app.frame.resultScreen());
    QCOMPARE(app.frame.conditionsScreen()->form().lst_s, -1);
    QCOMPARE(app.commands.saveFile(app.path("none.nrk")), QString());
    QCOMPARE(readAll(app.path("none.nrk")).count("\r\n"), 13 + 4);
}

void TestProject::openDialogAndTitle()
{
    App app;
    app.frame.FileNew();
    ConditionsScreen *before = app.frame.conditionsScreen();
    app.frame.setCurrentFileName(QStringLiteral("/old.nrk"));

    // Cancelled: the design stays, without a current file name.
    app.frame.toolbarButton(2)->trigger();
    QCOMPARE(app.fake.fileRequests.size(), 1);
    const auto request = app.fake.fileRequests.first();
    QCOMPARE(request.title, QStringLiteral("ニルカ(雨水編)を開く"));
    QCOMPARE(request.filter, QStringLiteral("ニルカ(雨水編)(.nrk) (*.nrk)"));
    QVERIFY(!request.save);
    QCOMPARE(request.folder, userFileFolder()); // no folder beside the test program
    QCOMPARE(app.frame.conditionsScreen(), before);
    QVERIFY(app.frame.currentFileName().isEmpty());

    // The folder beside the program, when there is one.
    const QDir beside(QCoreApplication::applicationDirPath());
    const QString folder = QStringLiteral("ニルカ(雨水編)");
    const bool made = beside.mkdir(folder);
    QCOMPARE(ProjectCommands::startFolder(), beside.filePath(folder));
    if (made)
        beside.rmdir(folder);

    app.fake.fileAnswers.push_back(golden("pipe-vp.nrk"));
    app.frame.action("Men_FOpn")->trigger();
    QVERIFY2(app.fake.messages.isEmpty(), qPrintable(app.fake.lastMessageText()));
    QCOMPARE(app.frame.currentFileName(), golden("pipe-vp.nrk"));
    QCOMPARE(titleOf(app.frame.conditionsScreen()), QDir::toNativeSeparators(golden("pipe-vp.nrk")));
    QVERIFY(app.frame.fileCommands().saveAs && app.frame.fileCommands().overwrite);
    QVERIFY(app.frame.toolbarButton(3)->isEnabled());
    QVERIFY(app.frame.toolBar()->isVisible());
    QCOMPARE(app.frame.resultScreen()->form().lbl9, QStringLiteral("0.8595"));

    app.frame.FileNew();
    QVERIFY(app.frame.currentFileName().isEmpty());
    QCOMPARE(titleOf(app.frame.conditionsScreen()), QStringLiteral("計画条件"));
}

void TestProject::saveAsQuestionsAndNames()
{
    App app;
    app.open(design(0));
    const QString existing = app.path("existing.nrk");
    QVERIFY(writeFile(existing, "keep\r\n"));
    const QString title = titleOf(app.frame.conditionsScreen());

    // No: nothing written, the title kept, and no name left to overwrite the kept file later.
    app.fake.fileAnswers.push_back(existing);
    app.frame.action("Men_FSav")->trigger();
    QCOMPARE(app.fake.fileRequests.last().title, QStringLiteral("ニルカ(雨水編)の保存"));
    QVERIFY(app.fake.fileRequests.last().save);
    QCOMPARE(app.fake.messages.size(), 1);
    const MessageRequest question = app.fake.messages.first();
    QCOMPARE(question.title, QStringLiteral("上書き保存の確認"));
    QCOMPARE(question.text, QStringLiteral("同名ファイルがあります。上書き保存しますか？"));
    QCOMPARE(question.buttons, MsgButtons::YesNo);
    QCOMPARE(question.icon, MsgIcon::Critical);
    QCOMPARE(question.defaultButton, MsgAnswer::No);
    QCOMPARE(readAll(existing), QByteArray("keep\r\n"));
    QCOMPARE(titleOf(app.frame.conditionsScreen()), title);
    QVERIFY(app.frame.currentFileName().isEmpty());

    // Yes: written; the name becomes the current one and the title.
    app.fake.fileAnswers.push_back(existing);
    app.fake.answers.push_back(MsgAnswer::Yes);
    app.frame.toolbarButton(3)->setEnabled(false);
    app.frame.action("Men_FSav")->trigger();
    QCOMPARE(readAll(existing).count("\r\n"), 21);
    QCOMPARE(app.frame.currentFileName(), existing);
    QCOMPARE(titleOf(app.frame.conditionsScreen()), QDir::toNativeSeparators(existing));
    QVERIFY(app.frame.toolbarButton(3)->isEnabled());

    // A new name asks nothing; a cancelled dialog empties the current name and writes nothing.
    const int asked = app.fake.messages.size();
    app.fake.fileAnswers.push_back(app.path("new.nrk"));
    app.frame.action("Men_FSav")->trigger();
    QCOMPARE(app.fake.messages.size(), asked);
    QVERIFY(QFile::exists(app.path("new.nrk")));
    app.frame.action("Men_FSav")->trigger();
    QVERIFY(app.frame.currentFileName().isEmpty());
    QCOMPARE(app.fake.messages.size(), asked);
}

void TestProject::overwrite()
{
    App app;
    app.open(design(6));
    const QString path = app.path("in.nrk");
    const QByteArray before = readAll(path);
    QVERIFY(writeFile(path, "old\r\n"));

    app.frame.toolbarButton(3)->trigger(); // the default answer is Cancel
    QCOMPARE(app.fake.messages.size(), 1);
    const MessageRequest question = app.fake.messages.first();
    QCOMPARE(question.title, QStringLiteral("確認"));
    QCOMPARE(question.text, QStringLiteral("上書き保存してもよろしいですか？"));
    QCOMPARE(question.buttons, MsgButtons::OkCancel);
    QCOMPARE(question.icon, MsgIcon::None);
    QCOMPARE(question.defaultButton, MsgAnswer::Cancel);
    QCOMPARE(readAll(path), QByteArray("old\r\n"));

    app.fake.answers.push_back(MsgAnswer::Ok);
    app.frame.action("Men_FOvw")->trigger();
    QCOMPARE(readAll(path), before);
    QCOMPARE(app.fake.messages.size(), 2);
}

void TestProject::overwriteWithoutNameAsksForOne()
{
    App app;
    app.open(design(0));
    app.frame.setCurrentFileName(QString()); // as after a cancelled dialog; button 3 stays on
    QVERIFY(app.frame.toolbarButton(3)->isEnabled());
    app.frame.toolbarButton(3)->trigger();
    QCOMPARE(app.fake.fileRequests.size(), 1);
    QVERIFY(app.fake.fileRequests.first().save);
    QVERIFY(app.fake.messages.isEmpty());
    QCOMPARE(QDir(app.dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("in.nrk")});

    app.fake.fileAnswers.push_back(app.path("named.nrk"));
    app.frame.toolbarButton(3)->trigger();
    QCOMPARE(readAll(app.path("named.nrk")).count("\r\n"), 21);
    QCOMPARE(app.frame.currentFileName(), app.path("named.nrk"));
}

void TestProject::failedSaveKeepsFileAndDesign_data()
{
    QTest::addColumn<QString>("target"); // relative to the test folder
    QTest::addColumn<QString>("name");   // the circular pipe's name
    QTest::addColumn<QString>("error");  // the start of the message
    QTest::newRow("folder is a file") << "plain/x.nrk"
                                      << "管"
                                      << "ファイルを書き込めません";
    QTest::newRow("name is a folder") << "folder"
                                      << "管"
                                      << "ファイルを書き込めません";
    QTest::newRow("character CP932 cannot hold") << "kept.nrk"
                                                 << "管😀"
                                                 << "次の文字はファイルに保存できません";
}

void TestProject::failedSaveKeepsFileAndDesign()
{
    QFETCH(QString, target);
    QFETCH(QString, name);
    QFETCH(QString, error);
    App app;
    QVERIFY(writeFile(app.path("plain"), "a file\r\n"));
    QVERIFY(QDir(app.dir.path()).mkdir(QStringLiteral("folder")));
    QVERIFY(writeFile(app.path("kept.nrk"), "previous\r\n"));
    app.open(design(4));
    test::child<QLineEdit>(app.frame.circularPipeScreen(), QStringLiteral("txt_m"))->setText(name);
    app.frame.facilityScreen()->calculate(); // the changed name ended the result
    QVERIFY(app.frame.resultScreen());
    const QString current = app.frame.currentFileName();
    const QString title = titleOf(app.frame.conditionsScreen());

    app.fake.fileAnswers.push_back(app.dir.filePath(target));
    app.fake.answers.push_back(MsgAnswer::Yes); // overwrite, where asked
    app.frame.action("Men_FSav")->trigger();
    QVERIFY(!app.fake.messages.isEmpty());
    const MessageRequest box = app.fake.messages.last();
    QCOMPARE(box.title, QStringLiteral("エラーメッセージ"));
    QVERIFY2(box.text.startsWith(error), qPrintable(box.text));
    QCOMPARE(readAll(app.path("kept.nrk")), QByteArray("previous\r\n"));
    QCOMPARE(readAll(app.path("plain")), QByteArray("a file\r\n"));
    QCOMPARE(app.frame.currentFileName(), current);
    QCOMPARE(titleOf(app.frame.conditionsScreen()), title);
    QVERIFY(app.frame.design().hasResult());
    QVERIFY(app.frame.resultScreen());

    // Overwriting the current file fails the same way and leaves it whole.
    if (target == QStringLiteral("kept.nrk")) {
        app.frame.setCurrentFileName(app.path("kept.nrk"));
        app.fake.answers.push_back(MsgAnswer::Ok);
        const int before = app.fake.messages.size();
        app.frame.action("Men_FOvw")->trigger();
        QCOMPARE(app.fake.messages.size(), before + 2);
        QCOMPARE(app.fake.messages.last().title, QStringLiteral("エラーメッセージ"));
        QCOMPARE(readAll(app.path("kept.nrk")), QByteArray("previous\r\n"));
    }
}

void TestProject::damagedFilesAreToldOnce_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("replaced"); // the open design gave way to the file's
    const QByteArray all = readAll(golden("all-sections.nrk"));
    const QByteArray pipe = readAll(golden("pipe-vp.nrk"));
    const QString incomplete = QStringLiteral("ファイルが途中で終わっています。");
    const QString damaged = QStringLiteral("ファイルに読み込めない行がありました。");
    qsizetype cut = 0;
    for (int i = 0; i < 60; ++i)
        cut = all.indexOf("\r\n", cut) + 2;
    QTest::newRow("truncated in the intensity section") << all.left(cut) << incomplete << true;
    QTest::newRow("truncated mid-line") << all.left(cut + 3) << incomplete << true;
    QTest::newRow("empty") << QByteArray() << incomplete << true;
    QByteArray badSize = pipe;
    badSize.replace(" 2\r\n10\r\n", "abc\r\n10\r\n");
    QTest::newRow("size not a number") << badSize << damaged << true;
    QByteArray badBytes = pipe;
    badBytes.replace("10000", "\x81\x20");
    QTest::newRow("bytes not CP932") << badBytes << damaged << true;
    QByteArray text;
    for (int i = 0; i < 200; ++i)
        text += "Lorem ipsum dolor sit amet\r\n";
    QTest::newRow("not a project file") << text << damaged << true;
    QTest::newRow("binary") << QByteArray(4000, '\xff') << damaged << true;
    QTest::newRow("too large") << QByteArray(kMaxProjectFileSize + 1, '\n')
                               << QStringLiteral(
                                      "ニルカ(雨水編)のファイルとしては大きすぎるため、開けません。")
                               << false;
}

void TestProject::damagedFilesAreToldOnce()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QFETCH(bool, replaced);
    App app;
    app.open(design(6), "open.nrk");
    ConditionsScreen *before = app.frame.conditionsScreen();
    QVERIFY(writeFile(app.path("bad.nrk"), bytes));

    app.fake.fileAnswers.push_back(app.path("bad.nrk"));
    app.frame.action("Men_FOpn")->trigger();
    QCOMPARE(app.fake.messages.size(), 1);
    QCOMPARE(app.fake.messages.first().title, QStringLiteral("エラーメッセージ"));
    QVERIFY2(app.fake.messages.first().text.startsWith(message), qPrintable(app.fake.messages.first().text));
    QCOMPARE(app.frame.conditionsScreen() != before, replaced);
    QCOMPARE(app.frame.currentFileName(), replaced ? app.path("bad.nrk") : app.path("open.nrk"));
    if (!replaced) {
        QVERIFY(app.frame.ditchScreen());
        QVERIFY(app.frame.resultScreen());
    }
}

void TestProject::numbersIgnoreTheLocale()
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    App app;
    ProjectRecord r = design(0);
    withIntensity(r, true);
    withVelocity(r, 0);
    QString error;
    QByteArray bytes = encodeProject(r, &error);
    QVERIFY(bytes.contains("\r\n 2.5\r\n"));
    bytes.replace("\r\n 2.5\r\n", "\r\n 2,5\r\n"); // from a machine that writes decimal commas
    QVERIFY(writeFile(app.path("comma.nrk"), bytes));
    QCOMPARE(app.commands.openFile(app.path("comma.nrk")).status, ProjectReadStatus::Complete);
    QCOMPARE(app.frame.design().intensity.slopeGradient, std::optional<double>(2.5));
    QCOMPARE(app.commands.saveFile(app.path("dot.nrk")), QString());
    const QByteArray saved = readAll(app.path("dot.nrk"));
    QVERIFY(saved.contains("\r\n 2.5\r\n"));
    QVERIFY(saved.contains("\r\n .4\r\n"));
    QVERIFY(!saved.contains(",5"));
    QLocale::setDefault(previous);
}

// Every line prefix of the files with the most sections, and mutated copies with values a screen does not
// expect (lists out of range, huge and negative numbers), restored through the screens without a fault, a
// box or a hang.
void TestProject::screensSurviveTruncatedAndMutatedFiles()
{
    App app;
    const QString path = app.path("mutated.nrk");
    std::mt19937 random(20261208);
    const char *odd[] = {"",     " 99",   "-1", "-7",  " 7",       " 1E+308",     "-1E+308", "abc",
                         "True", "False", " 0", " .5", "\x82\xa0", " 2147483648", " 4"};
    for (const char *name : {"all-sections.nrk", "polygon.nrk"}) {
        const QList<QByteArray> lines = readAll(golden(name)).split('\n');
        for (qsizetype n = 0; n <= lines.size(); ++n) {
            QVERIFY(writeFile(path, lines.mid(0, n).join('\n')));
            app.commands.openFile(path);
        }
        for (int round = 0; round < 50; ++round) {
            QList<QByteArray> copy = lines;
            const int edits = 1 + static_cast<int>(random() % 4);
            for (int e = 0; e < edits; ++e)
                copy[static_cast<qsizetype>(random() % copy.size())] =
                    QByteArray(odd[random() % std::size(odd)]) + '\r';
            QVERIFY(writeFile(path, copy.join('\n')));
            app.commands.openFile(path);
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QVERIFY2(app.fake.messages.isEmpty(), qPrintable(app.fake.lastMessageText()));
}

QTEST_MAIN(TestProject)
#include "tst_project.moc"
