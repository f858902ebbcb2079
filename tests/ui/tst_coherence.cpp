// One coherent result: a report, print or save never mixes entries and results of different moments. The
// faults a new user met (a refused 計算 leaving the old result on offer, values of the previous design
// reaching the next one, 開く offering print and save without a checked result, restored calculator sections
// without a defined value) and the rule behind them, checked after every golden file is opened.
#include "coherence.h"
#include "fakeplatformservices.h"
#include "quietmessages.h"
#include "report/reportcomposer.h"
#include "session/designcheck.h"
#include "session/designworkflow.h"
#include "ui/calculators/auxiliarycalculators.h"
#include "ui/calculators/intensityscreen.h"
#include "ui/calculators/runoffscreen.h"
#include "ui/calculators/velocitycalculator.h"
#include "ui/design/conditionsscreen.h"
#include "ui/design/pipescreen.h"
#include "ui/mainwindow/mainframe.h"
#include "ui/mainwindow/projectcommands.h"
#include "ui/mainwindow/workspace.h"
#include "widgetlookup.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

using namespace niruka;

namespace {

QString data(const char *relative)
{
    return QStringLiteral(NIRUKA_TEST_DATA "/") + QString::fromUtf8(relative);
}

struct App {
    test::FakePlatformServices fake;
    test::FakePlatformServices::Scope scope{fake};
    MainFrame frame;
    Workspace *workspace = new Workspace(frame);
    QTemporaryDir dir;

    App() { frame.show(); }
    QString scratch() const { return dir.filePath(QStringLiteral("saved.nrk")); }

    // 開く with the file chosen in the dialog.
    void open(const QString &path)
    {
        fake.fileAnswers.push_back(path);
        frame.action("Men_FOpn")->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QString coherence() { return test::checkCoherence(frame, *workspace, scratch()); }
};

// Types into a field by keyboard only (no click): the whole text replaced by `text`.
void typeInto(QLineEdit *field, const QString &text)
{
    QVERIFY(field);
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    // Qt Test types ASCII only; a Japanese text arrives as an input method would commit it.
    if (!text.isEmpty() && text.toLatin1() == text.toUtf8())
        QTest::keyClicks(field, text);
    else
        field->insert(text);
    QCOMPARE(field->text(), text);
}

QLineEdit *field(QWidget *screen, const char *name)
{
    return test::child<QLineEdit>(screen, QString::fromLatin1(name));
}

// 新規作成, then VP φ100 with C 0.5, A 10000, I 100, マニング公式, x 10, 水深８割 and 計算.
void checkVp100(App &app)
{
    app.frame.action("Men_FNew")->trigger();
    ConditionsScreen *c = app.frame.conditionsScreen();
    typeInto(field(c, "txt_c"), QStringLiteral("0.5"));
    typeInto(field(c, "txt_a"), QStringLiteral("10000"));
    typeInto(field(c, "txt_i"), QStringLiteral("100"));
    auto *manning = test::child<QRadioButton>(c, QStringLiteral("opt1"));
    QTest::mouseClick(manning, Qt::LeftButton, {}, QPoint(6, manning->height() / 2));
    PipeScreen *pipe = app.frame.pipeScreen();
    test::child<QListWidget>(pipe, QStringLiteral("lst_pu"))->setCurrentRow(2);
    typeInto(field(pipe, "txt1"), QStringLiteral("10"));
    QCOMPARE(test::child<QComboBox>(pipe, QStringLiteral("cbo1"))->currentText(), QStringLiteral("水深８割"));
    QTest::mouseClick(test::child<QPushButton>(pipe, QStringLiteral("cmd1")), Qt::LeftButton);
    QVERIFY(app.frame.resultScreen());
}

void click(QWidget *screen, const char *name)
{
    auto *b = test::child<QAbstractButton>(screen, QString::fromLatin1(name));
    QVERIFY(b);
    if (qobject_cast<QPushButton *>(b))
        QTest::mouseClick(b, Qt::LeftButton);
    else
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
}

// 新規作成 with C 0.5, A 10000 (unless taken from the runoff screen), マニング公式 and VP φ100 at x 10.
void enterVp100WithoutI(App &app)
{
    app.frame.action("Men_FNew")->trigger();
    ConditionsScreen *c = app.frame.conditionsScreen();
    typeInto(field(c, "txt_c"), QStringLiteral("0.5"));
    typeInto(field(c, "txt_a"), QStringLiteral("10000"));
    click(c, "opt1");
    test::child<QListWidget>(app.frame.pipeScreen(), QStringLiteral("lst_pu"))->setCurrentRow(2);
    typeInto(field(app.frame.pipeScreen(), "txt1"), QStringLiteral("10"));
}

void calculate(App &app)
{
    click(app.frame.pipeScreen(), "cmd1");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// I by formula ① (a 5000, b 40) on the intensity screen, with t entered or, with `velocity`, t = t1 + t2
// and t2 from the velocity calculator's VP φ100 at x 20.
void intensityByFormula(App &app, bool velocity)
{
    click(app.frame.conditionsScreen(), "Command2");
    IntensityScreen *in = app.workspace->calculators().existingIntensityScreen();
    QVERIFY(in && in->isVisible());
    click(in, "opt1");
    typeInto(field(in, "txt1"), QStringLiteral("5000"));
    typeInto(field(in, "txt2"), QStringLiteral("40"));
    if (!velocity) {
        click(in, "Option3");
        typeInto(field(in, "txt8"), QStringLiteral("10"));
    } else {
        click(in, "Option4");
        click(in, "Option1");
        typeInto(field(in, "txt3"), QStringLiteral("7"));
        click(in, "Option6");
        typeInto(field(in, "txt4"), QStringLiteral("300"));
        click(in, "Option8");
        VelocityCalculator *calc = app.workspace->calculators().velocityCalculator();
        click(calc->selectScreen(), "opt1");
        typeInto(field(calc->pipeScreen(), "txt1"), QStringLiteral("20"));
        click(calc->pipeScreen(), "cmd1");
        QVERIFY(!field(in, "txt5")->text().isEmpty());
    }
    click(in, "cmd1");
    QVERIFY(!in->isVisible());
}

bool isVerdict(const QString &status)
{
    return isVerdictText(status);
}

QStringList goldenFiles()
{
    QStringList files;
    for (const char *folder : {"docs", "cli"}) {
        const QDir dir(data(folder));
        for (const QString &name : dir.entryList({QStringLiteral("*.nrk")}, QDir::Files, QDir::Name))
            files << dir.filePath(name);
    }
    return files;
}

} // namespace

class TestCoherence : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::quietPlatformMessages(); }

    // 1. A refused 計算 ends the result: nothing of the earlier check stays on offer, and the refused
    // entries are not written into the design.
    void refusedCalculationEndsTheResult_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("roughness cleared") << "pipe"
                                           << "txt2" << QString() << "粗度係数を入力してください。";
        QTest::newRow("C not a number") << "conditions"
                                        << "txt_c"
                                        << "abc"
                                        << "流出係数を入力又は計算してください。";
    }
    void refusedCalculationEndsTheResult()
    {
        QFETCH(QString, screen);
        QFETCH(QString, name);
        QFETCH(QString, text);
        QFETCH(QString, message);
        App app;
        checkVp100(app);
        const double roughness = app.frame.design().roughness;
        const double c = app.frame.design().runoffCoeff;
        QWidget *owner = screen == u"pipe" ? static_cast<QWidget *>(app.frame.pipeScreen())
                                           : static_cast<QWidget *>(app.frame.conditionsScreen());
        typeInto(test::child<QLineEdit>(owner, name), text);
        QTest::mouseClick(test::child<QPushButton>(app.frame.pipeScreen(), QStringLiteral("cmd1")),
                          Qt::LeftButton);
        QCOMPARE(app.fake.lastMessageText(), message);
        QVERIFY(!app.frame.resultScreen());
        QCOMPARE(app.frame.design().result.capacity, 0.0);
        QVERIFY(!test::offersResult(app.frame));
        QVERIFY(!isVerdict(app.frame.statusText()));
        app.frame.refreshFileCommands(); // the File menu opening
        QVERIFY(!test::offersResult(app.frame));
        QCOMPARE(app.frame.design().roughness, roughness);
        QCOMPARE(app.frame.design().runoffCoeff, c);
    }

    // 2. 新規作成 and 開く start from a design at its defaults: the flow-velocity mode of a design whose
    // velocity came from the calculator does not split the next design's report over two pages.
    void nextDesignStartsFromDefaults_data()
    {
        QTest::addColumn<bool>("byNew");
        QTest::newRow("開く then 開く") << false;
        QTest::newRow("開く then 新規作成 and 計算") << true;
    }
    void nextDesignStartsFromDefaults()
    {
        QFETCH(bool, byNew);
        App app;
        app.open(data("cli/vu-split-velocity.nrk"));
        QVERIFY(app.frame.resultScreen());
        QVERIFY(isSplitReport(app.frame.design()));
        if (byNew)
            checkVp100(app);
        else
            app.open(data("docs/pipe-vp.nrk"));
        QVERIFY(app.frame.resultScreen());
        QVERIFY(!isSplitReport(app.frame.design()));
        const VelocityFacility &vf = app.frame.design().velocityFacility;
        QVERIFY(!vf.facilityKind);
        QCOMPARE(vf.velocity, 0.0);
        QCOMPARE(vf.section.flowArea, 0.0);
        QCOMPARE(vf.screenGroup, 0);
        QCOMPARE(app.frame.design().intensity.intensityFormula, 0);
        const QString rule = app.coherence();
        QVERIFY2(rule.isEmpty(), qPrintable(rule));
    }

    // A value handed from a calculator must still be what that calculator gives when 計算 checks it, or
    // the report would print a derivation that does not lead to the value checked.
    void handedBackValuesMustStillAgree_data()
    {
        QTest::addColumn<int>("change");
        QTest::addColumn<QString>("message");
        QTest::newRow("C typed over the weighted average") << 0 << runoffDisagreesText();
        QTest::newRow("intensity constants changed, then キャンセル") << 1 << intensityDisagreesText();
        QTest::newRow("velocity calculator changed, not computed") << 2 << velocityDisagreesText();
    }
    void handedBackValuesMustStillAgree()
    {
        QFETCH(int, change);
        QFETCH(QString, message);
        App app;
        enterVp100WithoutI(app);
        if (change == 0) {
            click(app.frame.conditionsScreen(), "Command4");
            QWidget *r = app.workspace->calculators().existingRunoffScreen();
            typeInto(field(r, "txt_t1"), QStringLiteral("屋根"));
            typeInto(field(r, "txt_c1"), QStringLiteral("0.9"));
            typeInto(field(r, "txt_a1"), QStringLiteral("600"));
            typeInto(field(r, "txt_t2"), QStringLiteral("庭"));
            typeInto(field(r, "txt_c2"), QStringLiteral("0.3"));
            typeInto(field(r, "txt_a2"), QStringLiteral("400"));
            click(r, "cmd1");
            typeInto(field(app.frame.conditionsScreen(), "txt_i"), QStringLiteral("100"));
        } else {
            intensityByFormula(app, change == 2);
        }
        calculate(app);
        QVERIFY2(app.frame.resultScreen(), qPrintable(app.fake.lastMessageText()));
        QVERIFY(test::checkCoherence(app.frame, *app.workspace, app.scratch()).isEmpty());

        IntensityScreen *in = app.workspace->calculators().existingIntensityScreen();
        if (change == 0) {
            typeInto(field(app.frame.conditionsScreen(), "txt_c"), QStringLiteral("0.9"));
        } else if (change == 1) {
            click(app.frame.conditionsScreen(), "Command2");
            typeInto(field(in, "txt1"), QStringLiteral("6000"));
            click(in, "cmd2");
        } else {
            click(app.frame.conditionsScreen(), "Command2");
            click(in, "Option8");
            VelocityCalculator *calc = app.workspace->calculators().velocityCalculator();
            typeInto(field(calc->pipeScreen(), "txt1"), QStringLiteral("30"));
            click(in, "cmd1");
        }
        QVERIFY(!app.frame.resultScreen());
        calculate(app);
        QCOMPARE(app.fake.lastMessageText(), message);
        QVERIFY(!app.frame.resultScreen());
        QVERIFY(!test::offersResult(app.frame));
    }

    // What outlives a design on purpose: the three numbers the inflow-time calculation keeps. They reach
    // the next design's file (its intensity section writes them), nothing else does.
    void keptInflowNumbersSurviveTheNextDesign()
    {
        App app;
        app.open(data("docs/all-sections.nrk"));
        const IntensityInputs before = app.frame.design().intensity;
        QCOMPARE(before.slopeLength, std::optional<double>(100.0));
        QCOMPARE(before.slopeGradient, std::optional<double>(20.0));
        QCOMPARE(before.retardance, std::optional<double>(0.4));
        app.frame.action("Men_FNew")->trigger();
        const DesignCase &d = app.frame.design();
        QCOMPARE(d.intensity.slopeLength, before.slopeLength);
        QCOMPARE(d.intensity.slopeGradient, before.slopeGradient);
        QCOMPARE(d.intensity.retardance, before.retardance);
        QCOMPARE(d.intensity.flowVelocityMode, VelocityMode::Unset);
        QCOMPARE(d.intensity.channelLength, 0.0);
        QCOMPARE(d.landUseRows[0].name, QString());
        QCOMPARE(d.runoffCoeff, 0.0);
        QCOMPARE(d.result.designFlow, 0.0);
        QCOMPARE(d.displayName(), QString());
        QVERIFY(!d.velocityFacility.velocityFormula);
        QCOMPARE(d.velocityFacility.velocity, 0.0);
    }

    // 3. 開く of a file that restores no checked result offers no save, print or write, and the status bar
    // carries no verdict of an earlier design; a new window does the same.
    void openWithoutResultOffersNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QFile truncated(data("cli/truncated.nrk"));
        QVERIFY(truncated.open(QIODevice::ReadOnly));
        QTest::newRow("truncated") << truncated.readAll();
        QByteArray garbage;
        for (int i = 0; i < 600; ++i)
            garbage.append(char((i * 37 + 11) % 256));
        QTest::newRow("garbage") << garbage;
        QTest::newRow("empty") << QByteArray();
    }
    void openWithoutResultOffersNothing()
    {
        QFETCH(QByteArray, bytes);
        App app;
        const QString path = app.dir.filePath(QStringLiteral("damaged.nrk"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        for (const char *earlier : {"docs/ditch.nrk", "docs/circular.nrk", "docs/all-sections.nrk"})
            app.open(data(earlier));
        QVERIFY(isVerdict(app.frame.statusText()));
        app.open(path);
        QVERIFY(!app.frame.resultScreen());
        QVERIFY(!test::offersResult(app.frame));
        QVERIFY2(!isVerdict(app.frame.statusText()), qPrintable(app.frame.statusText()));
        app.frame.refreshFileCommands();
        QVERIFY(!test::offersResult(app.frame));

        App fresh;
        fresh.open(path);
        QVERIFY(!fresh.frame.resultScreen());
        QVERIFY(!test::offersResult(fresh.frame));
    }

    // 4 and 5. A restored calculator section without a defined value is refused with that calculator's own
    // message: one box, no result, nothing offered.
    void undefinedCalculatorSectionsAreRefused_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("message");
        QTest::newRow("intensity: t + b = 0")
            << "cli/intensity-undefined.nrk"
            << "降雨強度式の分母が０になります。定数ｂ及び到達時間を確認してください。";
        QTest::newRow("runoff: every area 0") << "cli/runoff-no-area.nrk"
                                              << "流域面積を入力してください。";
        QTest::newRow("velocity: roughness 0") << "cli/velocity-roughness-zero.nrk"
                                               << "粗度係数を入力してください。";
        QTest::newRow("velocity: gradient 0") << "cli/velocity-gradient-zero.nrk"
                                              << "施設の勾配を入力してください。";
        QTest::newRow("velocity: no depth line") << "cli/velocity-depth-none.nrk"
                                                 << "施設有効水深の割合を入力してください。";
        QTest::newRow("velocity: the separator line") << "cli/velocity-depth-separator.nrk"
                                                      << "施設有効水深の割合を入力してください。";
        QTest::newRow("velocity: kind 13") << "cli/velocity-kind-13.nrk"
                                           << "施設の勾配を入力してください。";
        QTest::newRow("velocity: polygon of two vertices") << "cli/velocity-polygon-two-vertices.nrk"
                                                           << "頂点のＸ2座標を入力してください。";
    }
    void undefinedCalculatorSectionsAreRefused()
    {
        QFETCH(QString, file);
        QFETCH(QString, message);
        App app;
        app.open(data("docs/pipe-vp.nrk"));
        app.fake.messages.clear();
        app.open(data(file.toUtf8().constData()));
        QCOMPARE(app.fake.messages.size(), 1);
        QCOMPARE(app.fake.messages.first().title, QStringLiteral("エラーメッセージ"));
        QCOMPARE(app.fake.messages.first().text, message);
        QVERIFY(!app.frame.resultScreen());
        QVERIFY(!test::offersResult(app.frame));
    }

    // The rule itself after opening every golden file, into a window that held another design before.
    void everyGoldenFileGivesOneCoherentResult_data()
    {
        QTest::addColumn<QString>("file");
        for (const QString &file : goldenFiles())
            QTest::newRow(qPrintable(QDir(data("")).relativeFilePath(file))) << file;
    }
    void everyGoldenFileGivesOneCoherentResult()
    {
        QFETCH(QString, file);
        App app;
        app.open(data("docs/all-sections.nrk"));
        app.open(file);
        const QString rule = app.coherence();
        QVERIFY2(rule.isEmpty(), qPrintable(rule));
    }

    // The checker finds the faults it is there for.
    void checkerFindsContradictions_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::newRow("Q1") << "=0.1389m3/sec"
                            << "=0.1399m3/sec";
        QTest::newRow("an empty n") << "V=1/0.010×"
                                    << "V=1/×";
        QTest::newRow("the verdict") << "  >  Q2="
                                     << "  <  Q2=";
        QTest::newRow("Amax") << "=0.049377ha"
                              << "=0.052377ha";
    }
    void checkerFindsContradictions()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        App app;
        app.open(data("docs/pipe-vp.nrk"));
        QStringList lines;
        for (const ReportLine &line : composeReport(app.frame.design()).lines)
            lines << line.text;
        QCOMPARE(test::reportAgreesWithItself(lines), QString());
        const QString joined = lines.join(u'\n');
        QVERIFY2(joined.contains(from), qPrintable(joined));
        QVERIFY(!test::reportAgreesWithItself(QString(joined).replace(from, to).split(u'\n')).isEmpty());
    }
};

QTEST_MAIN(TestCoherence)
#include "tst_coherence.moc"
