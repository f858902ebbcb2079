// The calculator sessions against the widget calculators: a project file restored through both gives the
// same forms, the same screens, the same sketch and the same values in the design, and the design's check
// derives the same values from both. Every golden project file, every line prefix of two of them and
// records no real file holds (texts too long for a field, rows outside their lists, a velocity group
// that is not the kind's).

#include "docs/projectfile.h"
#include "fakeplatformservices.h"
#include "quietmessages.h"
#include "session/calculatorsessions.h"
#include "ui/calculators/intensityscreen.h"
#include "ui/calculators/runoffscreen.h"
#include "ui/calculators/velocitycalculator.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTest>

using namespace niruka;

Q_DECLARE_METATYPE(niruka::ProjectRecord)
Q_DECLARE_METATYPE(niruka::ProjectReadResult)

namespace {

QString num(double v)
{
    return QString::number(v, 'g', 17);
}

QString opt(const std::optional<double> &v)
{
    return v ? num(*v) : QStringLiteral("-");
}

// The design's values the calculators write, exactly.
QString describe(const DesignCase &d)
{
    QStringList s;
    const IntensityInputs &i = d.intensity;
    s << num(i.intensityFormula) << num(i.intensityA) << num(i.intensityB) << num(i.exponentDenominator)
      << num(i.exponentNumerator) << num(int(i.concentrationTimeMode)) << num(i.concentrationTime)
      << num(int(i.inflowTimeMode)) << num(i.inflowTime) << num(int(i.flowTimeMode)) << num(i.flowTime)
      << num(i.riverCourse) << num(i.channelLength) << num(int(i.flowVelocityMode)) << num(i.assumedVelocity)
      << num(i.riverStage) << num(i.riverLength) << num(i.riverGradient) << opt(i.slopeLength)
      << opt(i.slopeGradient) << opt(i.retardance);
    s << num(d.rainIntensity) << num(d.runoffCoeff) << num(d.catchmentArea) << num(int(d.runoffMode));
    for (const LandUseRow &r : d.landUseRows)
        s << r.name << num(r.coeff) << num(r.area);
    const VelocityFacility &v = d.velocityFacility;
    s << (v.facilityKind ? num(int(*v.facilityKind)) : QStringLiteral("-"))
      << (v.velocityFormula ? num(int(*v.velocityFormula)) : QStringLiteral("-"));
    for (const QString &n : v.facilityName)
        s << n;
    s << num(v.roughness) << num(v.gradient) << num(v.gradientRatio) << num(v.fillOption) << num(v.diameter)
      << num(v.height) << num(v.bottomWidth) << num(v.topWidth) << num(v.slopeWidth) << num(v.vertexCount);
    for (const QPointF &p : v.polygonVertices)
        s << num(p.x()) << num(p.y());
    s << num(v.section.flowArea) << num(v.section.wettedPerimeter) << num(v.section.hydraulicRadius)
      << num(v.kutterNumerator) << num(v.kutterDenominator) << num(v.kutterRootRI) << num(v.velocity)
      << num(v.screenGroup);
    return s.join(QLatin1Char('|'));
}

QString describe(const PipeForm &f)
{
    return QStringList{num(f.lst_pu), f.txt1, f.txt2, num(f.cbo1)}.join('|');
}

QString describe(const VelocityForms &f)
{
    QStringList s{num(f.screenGroup), num(f.opt1), num(f.opt2), num(f.lst_s), describe(f.facility.pipe)};
    const CircularForm &c = f.facility.circular;
    s << c.txt_m << c.txt1 << c.txt2 << c.txt3 << num(c.cbo1);
    const DitchForm &d = f.facility.ditch;
    s << d.txt_m << d.txt1 << d.txt2 << d.txt3 << d.txt4 << d.txt5 << d.txt6 << num(d.cbo1);
    const PolygonForm &p = f.facility.polygon;
    s << p.txt_m << p.txt1 << p.txt2 << p.txt3 << p.txt4 << p.txt5;
    for (std::size_t i = 0; i < 8; ++i)
        s << p.txt_x[i] << p.txt_y[i];
    return s.join('|');
}

QString describe(const IntensityForm &f)
{
    QStringList s{num(f.opt1), num(f.opt2), num(f.opt3), num(f.opt4), num(f.opt5), num(f.opt6)};
    s << f.txt1 << f.txt2 << f.txt3 << f.txt4 << f.txt5 << f.txt6 << f.txt7 << f.txt8 << f.txt9;
    s << num(f.Option1) << num(f.Option2) << num(f.Option3) << num(f.Option4) << num(f.Option5)
      << num(f.Option6) << num(f.Option7) << num(f.Option8) << num(f.chk1) << f.lbl1;
    return s.join('|');
}

QString describe(const IntensityState &st)
{
    return describe(st.form) + QStringLiteral("|%1%2%3%4%5%6%7%8%9|%10%11%12%13")
                                   .arg(st.cdVisible)
                                   .arg(st.tLineVisible)
                                   .arg(st.t1GroupVisible)
                                   .arg(st.t2GroupVisible)
                                   .arg(st.velocityVisible)
                                   .arg(st.lengthVisible)
                                   .arg(st.figureVisible)
                                   .arg(st.sourceVisible)
                                   .arg(st.riverButtonVisible)
                                   .arg(st.tFramed)
                                   .arg(st.t1Framed)
                                   .arg(st.t2Framed)
                                   .arg(st.vFramed);
}

QString describe(const RunoffForm &f)
{
    QStringList s;
    for (int v : f.chk_k)
        s << num(v);
    for (int v : f.chk_t)
        s << num(v);
    for (int v : f.chk_u)
        s << num(v);
    for (std::size_t i = 0; i < 6; ++i)
        s << f.txt_t[i] << f.txt_c[i] << f.txt_a[i];
    return s.join('|');
}

QString describe(const RiverTimeForm &f)
{
    return QStringList{num(f.opt1), num(f.opt2), f.txt1, f.txt2}.join('|');
}

QString describe(const InflowTimeForm &f)
{
    return QStringList{f.txt1, f.txt2, f.txt3}.join('|');
}

QString describe(const std::optional<Refusal> &r)
{
    return r ? r->message + QLatin1Char('@') + r->focus.name : QStringLiteral("none");
}

QString describePoints(const QList<QPoint> &points)
{
    QStringList s;
    for (const QPoint &p : points)
        s << QStringLiteral("%1,%2").arg(p.x()).arg(p.y());
    return s.join(' ');
}

QList<QByteArray> goldenFiles(QStringList *names)
{
    QList<QByteArray> files;
    for (const char *dir : {"/docs", "/cli"}) {
        QDir d(QStringLiteral(NIRUKA_TEST_DATA) + QString::fromLatin1(dir));
        for (const QString &name : d.entryList({QStringLiteral("*.nrk")}, QDir::Files, QDir::Name)) {
            QFile f(d.filePath(name));
            if (f.open(QIODevice::ReadOnly)) {
                files << f.readAll();
                *names << QString::fromLatin1(dir).mid(1) + QLatin1Char('/') + name;
            }
        }
    }
    return files;
}

void addRecord(const QString &name, const QByteArray &bytes)
{
    ProjectRecord record;
    const ProjectReadResult read = decodeProject(bytes, record);
    QTest::newRow(qPrintable(name)) << record << read;
}

} // namespace

class TestCalculatorParity : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::quietPlatformMessages(); }
    void restore_data();
    void restore();
};

void TestCalculatorParity::restore_data()
{
    QTest::addColumn<ProjectRecord>("record");
    QTest::addColumn<ProjectReadResult>("read");
    QStringList names;
    const QList<QByteArray> files = goldenFiles(&names);
    QVERIFY(files.size() >= 10);
    for (qsizetype i = 0; i < files.size(); ++i) {
        addRecord(names[i], files[i]);
        // Every line prefix of the two files that hold every calculator section.
        if (names[i] == QLatin1String("docs/all-sections.nrk") ||
            names[i] == QLatin1String("cli/vu-split-velocity.nrk")) {
            for (qsizetype end = files[i].indexOf('\n'); end >= 0; end = files[i].indexOf('\n', end + 1))
                addRecord(QStringLiteral("%1 up to byte %2").arg(names[i]).arg(end + 1),
                          files[i].left(end + 1));
        }
    }

    // Records no real file holds.
    const ProjectReadResult all{ProjectReadStatus::Complete, 0, true, true, true};
    const QString longText(40000, QLatin1Char('7'));
    ProjectRecord r;
    r.intensity.opt1 = true;
    r.intensity.txt1 = longText;
    r.intensity.txt2 = QStringLiteral("40");
    r.intensity.Option3 = true;
    r.intensity.Option4 = true;
    r.intensity.txt8 = QStringLiteral("10");
    r.intensity.chk1 = 2;
    r.river = RiverTimeForm{true, true, longText, QStringLiteral("0.01")};
    r.inflow = InflowTimeForm{longText, QStringLiteral("20"), QStringLiteral("0.4")};
    r.runoff.chk_k = {1, 1, 1, 1, 1, 1, 1, 1};
    r.runoff.txt_t[0] = longText;
    r.runoff.txt_c[0] = longText;
    r.runoff.txt_a[0] = QStringLiteral("100");
    r.velocity.opt1 = true;
    r.velocity.opt2 = true;
    r.velocity.lst_s = 0;
    r.velocity.screenGroup = 1;
    r.velocity.facility.pipe = PipeForm{99, longText, QStringLiteral("0.010"), 99};
    QTest::newRow("texts too long, rows outside the lists") << r << all;
    r.velocity.facility.pipe = PipeForm{2, QStringLiteral("10"), QStringLiteral("0.010"), -5};
    QTest::newRow("a depth row below the list") << r << all;
    r.velocity.lst_s = 4;
    r.velocity.screenGroup = 1;
    r.velocity.facility.circular =
        CircularForm{longText, QStringLiteral("0.3"), QStringLiteral("5"), QStringLiteral("0.013"), 20};
    QTest::newRow("circular kind with the pipe group") << r << all;
    r.velocity.screenGroup = 3;
    QTest::newRow("circular kind with its group, depth outside") << r << all;
    r.velocity.lst_s = 7;
    r.velocity.screenGroup = 4;
    r.velocity.opt1 = false;
    r.velocity.facility.polygon.txt_m = QStringLiteral("水路");
    r.velocity.facility.polygon.txt1 = QStringLiteral("1");
    r.velocity.facility.polygon.txt2 = QStringLiteral("1");
    r.velocity.facility.polygon.txt3 = QStringLiteral("1");
    r.velocity.facility.polygon.txt4 = QStringLiteral("5");
    r.velocity.facility.polygon.txt5 = QStringLiteral("0.015");
    r.velocity.facility.polygon.txt_x = {
        QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("1"), {}, {}, {}, {}};
    r.velocity.facility.polygon.txt_y = {
        QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("0"), {}, {}, {}, {}};
    QTest::newRow("polygon with Kutter") << r << all;
    r.velocity.lst_s = 12;
    QTest::newRow("kind outside the list") << r << all;
}

void TestCalculatorParity::restore()
{
    QFETCH(ProjectRecord, record);
    QFETCH(ProjectReadResult, read);
    test::FakePlatformServices fake;
    test::FakePlatformServices::Scope scope(fake);

    // The widget calculators, restored as the project file's reader restores them today.
    DesignCase widgetDesign;
    RunoffOutcome widgetRunoff;
    bool widgetVelocity = false;
    QString widgetIntensity;
    {
        IntensityScreen intensity(widgetDesign);
        RunoffScreen runoff(widgetDesign);
        VelocityCalculator velocity(widgetDesign);
        if (read.intensityRead) {
            intensity.setForm(record.intensity);
            intensity.setRiverForm(record.river);
            widgetIntensity = intensity.calculate();
            widgetDesign.intensity.slopeLength = record.kept.slopeLength;
            widgetDesign.intensity.slopeGradient = record.kept.slopeGradient;
            widgetDesign.intensity.retardance = record.kept.retardance;
            intensity.setInflowForm(record.inflow);
        }
        if (read.runoffRead) {
            runoff.setForm(record.runoff);
            widgetRunoff = runoff.calculate();
        }
        if (read.velocityRead) {
            velocity.setForms(record.velocity);
            widgetVelocity = velocity.recompute();
        }

        // The sessions, restored as the owner of the design restores them.
        DesignCase sessionDesign;
        QuietSessionEvents events;
        CalculatorSessions calc(sessionDesign, events, fake);
        QStringList restored;
        calc.runoff().setHandBacks(
            RunoffHandBacks{{}, {}, [&](const QString &c, const QString &a) { restored << c << a; }, {}});
        calc.restore(record, read);
        if (read.intensityRead) {
            QCOMPARE(calc.intensity().calculate(), widgetIntensity);
        }

        QCOMPARE(describe(calc.intensity().state()), describe(intensity.state()));
        QCOMPARE(describe(calc.intensity().riverForm()), describe(intensity.riverForm()));
        QCOMPARE(describe(calc.intensity().inflowForm()), describe(intensity.inflowForm()));
        QCOMPARE(describe(calc.runoff().form()), describe(runoff.form()));
        const QStringList handedBack = read.runoffRead && !widgetRunoff.refusal
                                           ? QStringList{widgetRunoff.coeffText, widgetRunoff.areaText}
                                           : QStringList{};
        QCOMPARE(restored, handedBack);
        QCOMPARE(describe(calc.velocity().forms()), describe(velocity.forms()));
        QCOMPARE(calc.velocity().exists(ScreenId::VelocitySelect), velocity.selectScreen() != nullptr);
        QCOMPARE(calc.velocity().exists(ScreenId::VelocityPipe), velocity.pipeScreen() != nullptr);
        QCOMPARE(calc.velocity().exists(ScreenId::VelocityDitch), velocity.ditchScreen() != nullptr);
        QCOMPARE(calc.velocity().exists(ScreenId::VelocityCircular), velocity.circularScreen() != nullptr);
        QCOMPARE(calc.velocity().exists(ScreenId::VelocityPolygon), velocity.polygonScreen() != nullptr);
        if (velocity.pipeScreen()) {
            QCOMPARE(calc.velocity().pipeSeries(), velocity.pipeScreen()->kind());
        }
        if (velocity.polygonScreen()) {
            QCOMPARE(describePoints(calc.velocity().polygonSketch()),
                     describePoints(velocity.polygonScreen()->sketchPoints()));
            QCOMPARE(calc.velocity().polygonInstructionVisible(),
                     velocity.polygonScreen()->instructionVisible());
        }
        QCOMPARE(describe(sessionDesign), describe(widgetDesign));
        QCOMPARE(read.velocityRead && calc.velocity().recompute(), widgetVelocity);

        // The design's check derives the same values from both.
        CalculatorEntries widgetEntries;
        widgetEntries.intensity = &intensity.state();
        widgetEntries.river = intensity.riverForm();
        const RunoffRows rows = runoff.rows();
        widgetEntries.runoff = &rows;
        widgetEntries.velocity = [&](VelocityFacility &f) { return velocity.computeInto(f); };
        CalculatorEntries sessionEntries = calc.entries();
        // A screen the file did not restore does not exist in the session; the widget one is empty.
        const RunoffRows none{};
        if (!sessionEntries.runoff)
            sessionEntries.runoff = &none;
        const IntensityState noIntensity;
        if (!sessionEntries.intensity)
            sessionEntries.intensity = &noIntensity;
        ConditionsEntries cond;
        cond.runoffWeighted = true;
        cond.intensityComputed = true;
        for (CheckMode mode : {CheckMode::Restore, CheckMode::Calculate}) {
            DesignCase w = designKeepingLifetimeValues(widgetDesign);
            DesignCase s = designKeepingLifetimeValues(sessionDesign);
            QCOMPARE(describe(deriveCalculatorValues(s, cond, sessionEntries, mode)),
                     describe(deriveCalculatorValues(w, cond, widgetEntries, mode)));
            QCOMPARE(describe(s), describe(w));
        }
        QVERIFY(fake.messages.isEmpty());
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QTEST_MAIN(TestCalculatorParity)
#include "tst_calculatorparity.moc"
