// The rules of the design screens without widgets: validation order and messages per screen, the refusals
// of negative and meaningless entries, the facility-kind switch, the File-menu enabling table, the result
// texts of the worked examples and the polygon sketch.
#include "model/environment.h"
#include "session/designworkflow.h"
#include "session/facilityswitch.h"
#include "session/filecommands.h"

#include <QtTest>
#include <functional>

using namespace niruka;

Q_DECLARE_METATYPE(niruka::FieldOwner)

namespace {

// C, A and I of the worked examples, Manning, no allowance.
ConditionsEntries fullConditions(FacilityKind kind)
{
    ConditionsEntries c;
    c.c = QStringLiteral("0.5");
    c.a = QStringLiteral("10000");
    c.i = QStringLiteral("100");
    c.kind = kind;
    c.formula = VelocityFormula::Manning;
    return c;
}

struct Step {
    QString message;
    FieldOwner owner;
    QString focus;
};

// The five tests every facility screen starts with, and how each is satisfied.
const QList<Step> kConditionSteps = {
    {QStringLiteral("流出係数を入力又は計算してください。"), FieldOwner::Conditions, QStringLiteral("txt_c")},
    {QStringLiteral("施設の分担する流域面積を入力してください。"), FieldOwner::Conditions,
     QStringLiteral("txt_a")},
    {QStringLiteral("降雨強度を入力又は計算してください。"), FieldOwner::Conditions, QStringLiteral("txt_i")},
    {QStringLiteral("施設の種類を選択してください。"), FieldOwner::Conditions, QStringLiteral("lst_s")},
    {QStringLiteral("流速の計算方法を選択してください。"), FieldOwner::Conditions, QStringLiteral("opt1")},
};

void fillCondition(ConditionsEntries &c, int step, FacilityKind kind)
{
    switch (step) {
    case 0:
        c.c = QStringLiteral("0.5");
        break;
    case 1:
        c.a = QStringLiteral("10000");
        break;
    case 2:
        c.i = QStringLiteral("100");
        break;
    case 3:
        c.kind = kind;
        break;
    case 4:
        c.formula = VelocityFormula::Manning;
        break;
    default:
        break;
    }
}

// Runs the calculation of a screen on a fresh design and returns the refusal (or none).
template <class Entries>
using Calculate = std::optional<Refusal> (*)(DesignCase &, const ConditionsEntries &, const Entries &);

template <class Entries>
void checkOrder(Calculate<Entries> calculate, FacilityKind kind, ConditionsEntries cond, Entries e,
                const QList<Step> &facilitySteps, const std::function<void(Entries &, int)> &fillFacility,
                bool allowanceStep, int upTo)
{
    QList<Step> steps = kConditionSteps;
    if (allowanceStep)
        steps.append({QStringLiteral("計画雨水量の割増しを入力してください。"), FieldOwner::Conditions,
                      QStringLiteral("txt1")});
    steps += facilitySteps;
    QVERIFY(upTo <= steps.size());
    // Fill every test before `upTo`.
    for (int s = 0; s < upTo; ++s) {
        if (s < kConditionSteps.size())
            fillCondition(cond, s, kind);
        else if (allowanceStep && s == kConditionSteps.size())
            cond.allowanceRate = QStringLiteral("25");
        else
            fillFacility(e, s - static_cast<int>(kConditionSteps.size()) - (allowanceStep ? 1 : 0));
    }
    DesignCase d;
    const std::optional<Refusal> r = calculate(d, cond, e);
    if (upTo == steps.size()) {
        QVERIFY2(!r, qPrintable(r ? r->message : QString()));
        QVERIFY(d.hasResult());
        return;
    }
    QVERIFY(r);
    QCOMPARE(r->message, steps[upTo].message);
    QCOMPARE(r->focus.owner, steps[upTo].owner);
    QCOMPARE(r->focus.name, steps[upTo].focus);
    QVERIFY(!d.hasResult());
}

QList<Step> facilitySteps(std::initializer_list<std::pair<const char *, const char *>> list)
{
    QList<Step> out;
    for (const auto &[message, focus] : list)
        out.append({QString::fromUtf8(message), FieldOwner::Facility, QString::fromLatin1(focus)});
    return out;
}

void addOrderRows(int count)
{
    QTest::addColumn<int>("upTo");
    for (int i = 0; i <= count; ++i)
        QTest::addRow("%d filled", i) << i;
}

// Empty conditions with the allowance on and no rate: every test can be reached.
ConditionsEntries emptyConditions()
{
    ConditionsEntries c;
    c.allowanceOn = true;
    return c;
}

struct Example {
    FacilityKind kind;
    int sizeRow;
    QString dims; // circular: D; ditch: h,b1,b2,b3; polygon: x0,y0;x1,y1;...
    int fillRow;
    QString gradient, roughness;
    bool kutter;
    QString rate; // empty: no allowance
};

std::optional<Refusal> runExample(DesignCase &d, const Example &ex, const QString &area)
{
    ConditionsEntries c = fullConditions(ex.kind);
    c.a = area;
    if (ex.kutter)
        c.formula = VelocityFormula::Kutter;
    c.allowanceOn = !ex.rate.isEmpty();
    c.allowanceRate = ex.rate;
    switch (ex.kind) {
    case FacilityKind::OtherCircular:
        return calculateCircular(d, c, {QString(), ex.dims, ex.gradient, ex.roughness, ex.fillRow});
    case FacilityKind::Ditch: {
        const QStringList p = ex.dims.split(QLatin1Char(','));
        return calculateDitch(d, c,
                              {QString(), p[0], p[1], p[2], p[3], ex.gradient, ex.roughness, ex.fillRow});
    }
    case FacilityKind::Polygon: {
        PolygonEntries e;
        e.bottomWidth = e.topWidth = e.height = QStringLiteral("1");
        e.gradient = ex.gradient;
        e.roughness = ex.roughness;
        const QStringList vertices = ex.dims.split(QLatin1Char(';'));
        for (int i = 0; i < vertices.size(); ++i) {
            const QStringList xy = vertices[i].split(QLatin1Char(','));
            e.x[i] = xy[0];
            e.y[i] = xy[1];
        }
        return calculatePolygon(d, c, e);
    }
    default:
        return calculatePipe(d, c, {ex.kind, ex.sizeRow, ex.gradient, ex.roughness, ex.fillRow});
    }
}

} // namespace

class TestWorkflow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installJapaneseEnvironment(); }

    // --- validation order, one row per number of tests already satisfied ---------------------------------

    void pipeOrder_data() { addOrderRows(9); }
    void pipeOrder()
    {
        QFETCH(int, upTo);
        const auto steps = facilitySteps({{"施設の勾配を入力してください。", "txt1"},
                                          {"粗度係数を入力してください。", "txt2"},
                                          {"施設有効水深の割合を入力してください。", "cbo1"}});
        std::function<void(PipeEntries &, int)> fill = [](PipeEntries &e, int s) {
            if (s == 0)
                e.gradient = QStringLiteral("10");
            if (s == 1)
                e.roughness = QStringLiteral("0.010");
            if (s == 2)
                e.fillRow = 5;
        };
        // The empty line after "満流" is no selection.
        checkOrder<PipeEntries>(&calculatePipe, FacilityKind::VpPipe, emptyConditions(),
                                {FacilityKind::VpPipe, 2, QString(), QString(), 1}, steps, fill, true, upTo);
    }

    void circularOrder_data() { addOrderRows(10); }
    void circularOrder()
    {
        QFETCH(int, upTo);
        const auto steps = facilitySteps({{"直径を入力してください。", "txt1"},
                                          {"施設の勾配を入力してください。", "txt2"},
                                          {"粗度係数を入力してください。", "txt3"},
                                          {"施設の有効水深の割合を入力してください。", "cbo1"}});
        std::function<void(CircularEntries &, int)> fill = [](CircularEntries &e, int s) {
            if (s == 0)
                e.diameter = QStringLiteral("0.3");
            if (s == 1)
                e.gradient = QStringLiteral("10");
            if (s == 2)
                e.roughness = QStringLiteral("0.013");
            if (s == 3)
                e.fillRow = 0;
        };
        checkOrder<CircularEntries>(&calculateCircular, FacilityKind::OtherCircular, emptyConditions(),
                                    {QString(), QString(), QString(), QString(), 8}, steps, fill, true, upTo);
    }

    void ditchOrder_data() { addOrderRows(12); }
    void ditchOrder()
    {
        QFETCH(int, upTo);
        const auto steps = facilitySteps({{"施設の高さを入力してください。", "txt1"},
                                          {"施設の下部巾を入力してください。", "txt2"},
                                          {"施設の上部巾を入力してください。", "txt3"},
                                          {"施設の傾斜巾を入力してください。", "txt4"},
                                          {"施設の勾配を入力してください。", "txt5"},
                                          {"粗度係数を入力してください。", "txt6"},
                                          {"施設の有効水深の割合を入力してください。", "cbo1"}});
        std::function<void(DitchEntries &, int)> fill = [](DitchEntries &e, int s) {
            const QString values[] = {QStringLiteral("0.5"), QStringLiteral("0.4"), QStringLiteral("1.4"),
                                      QStringLiteral("0.5"), QStringLiteral("10"),  QStringLiteral("0.013")};
            QString *fields[] = {&e.height,     &e.bottomWidth, &e.topWidth,
                                 &e.slopeWidth, &e.gradient,    &e.roughness};
            if (s < 6)
                *fields[s] = values[s];
            else
                e.fillRow = 4;
        };
        // No allowance test on this screen: the rate stays empty throughout.
        checkOrder<DitchEntries>(&calculateDitch, FacilityKind::Ditch, emptyConditions(), DitchEntries{},
                                 steps, fill, false, upTo);
    }

    void polygonOrder_data() { addOrderRows(16); }
    void polygonOrder()
    {
        QFETCH(int, upTo);
        const auto steps = facilitySteps({{"排水溝の下部巾を入力してください。", "txt1"},
                                          {"排水溝の上部巾を入力してください。", "txt2"},
                                          {"排水溝の高さを入力してください。", "txt3"},
                                          {"頂点のＸ0座標を入力してください。", "txt_x1"},
                                          {"頂点のＹ0座標を入力してください。", "txt_y1"},
                                          {"頂点のＸ1座標を入力してください。", "txt_x2"},
                                          {"頂点のＹ1座標を入力してください。", "txt_y2"},
                                          {"頂点のＸ2座標を入力してください。", "txt_x3"},
                                          {"頂点のＹ2座標を入力してください。", "txt_y3"},
                                          {"排水溝の勾配を入力してください。", "txt4"},
                                          {"粗度係数を入力してください。", "txt5"}});
        std::function<void(PolygonEntries &, int)> fill = [](PolygonEntries &e, int s) {
            // Triangle (0,0), (1,1), (2,0).
            const QString values[] = {QStringLiteral("1"),  QStringLiteral("2"),    QStringLiteral("1"),
                                      QStringLiteral("0"),  QStringLiteral("0"),    QStringLiteral("1"),
                                      QStringLiteral("1"),  QStringLiteral("2"),    QStringLiteral("0"),
                                      QStringLiteral("10"), QStringLiteral("0.013")};
            QString *fields[] = {&e.bottomWidth, &e.topWidth, &e.height, &e.x[0],     &e.y[0],     &e.x[1],
                                 &e.y[1],        &e.x[2],     &e.y[2],   &e.gradient, &e.roughness};
            *fields[s] = values[s];
        };
        // No allowance test on this screen either.
        checkOrder<PolygonEntries>(&calculatePolygon, FacilityKind::Polygon, emptyConditions(),
                                   PolygonEntries{}, steps, fill, false, upTo);
    }

    void copiesEntriesBeforeTesting()
    {
        // A refusal still leaves the entries copied into the design, and nothing computed.
        DesignCase d;
        ConditionsEntries c = fullConditions(FacilityKind::OtherCircular);
        const auto r = calculateCircular(
            d, c, {QStringLiteral("管"), QStringLiteral("0.3"), QString(), QStringLiteral("0.013"), 5});
        QVERIFY(r);
        QCOMPARE(d.runoffCoeff, 0.5);
        QCOMPARE(d.catchmentArea, 10000.0);
        QCOMPARE(d.diameter, 0.3);
        QCOMPARE(d.roughness, 0.013);
        QCOMPARE(d.result.capacity, 0.0);
    }

    void allowanceEmptyPerScreen()
    {
        // "有り" with an empty rate: refused on the pipe screens, a factor of 1.0 on the ditch screens.
        ConditionsEntries c = fullConditions(FacilityKind::Ditch);
        c.allowanceOn = true;
        DesignCase d;
        QVERIFY(
            !calculateDitch(d, c,
                            {QString(), QStringLiteral("0.5"), QStringLiteral("0.4"), QStringLiteral("0.4"),
                             QStringLiteral("0"), QStringLiteral("10"), QStringLiteral("0.013"), 0}));
        const ResultView v = resultViewOf(d);
        QCOMPARE(v.factor, QStringLiteral("1.0"));
        QCOMPARE(v.times, QStringLiteral("×"));

        c.kind = FacilityKind::VpPipe;
        DesignCase p;
        const auto r =
            calculatePipe(p, c, {FacilityKind::VpPipe, 2, QStringLiteral("10"), QStringLiteral("0.010"), 0});
        QVERIFY(r);
        QCOMPARE(r->message, QStringLiteral("計画雨水量の割増しを入力してください。"));
    }

    void ditchWidthsNonNumericAreZero()
    {
        // Widths are tested only for emptiness: "abc" is taken as 0.
        DesignCase d;
        QVERIFY(
            !calculateDitch(d, fullConditions(FacilityKind::Ditch),
                            {QString(), QStringLiteral("0.5"), QStringLiteral("0.4"), QStringLiteral("0.4"),
                             QStringLiteral("abc"), QStringLiteral("10"), QStringLiteral("0.013"), 0}));
        QCOMPARE(d.slopeWidth, 0.0);
        QCOMPARE(d.section.flowArea, 0.2);
    }

    // --- refusals beyond the written tests
    // ------------------------------------------------------------------

    void meaninglessEntries_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("conditions"); // C, A, I, rate ("" = allowance off)
        QTest::addColumn<QStringList>("facility");   // screen fields in control order
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("onConditions");
        QTest::addColumn<QString>("focus");

        const QStringList ok = {"0.5", "10000", "100", ""};
        const QStringList pipe = {"2", "10", "0.010", "5"};
        const QStringList circ = {"0.3", "10", "0.013", "5"};
        QTest::newRow("negative C") << 0 << QStringList{"-0.5", "10000", "100", ""} << pipe
                                    << "流出係数に負の値は入力できません。" << true << "txt_c";
        QTest::newRow("negative A") << 0 << QStringList{"0.5", "-1", "100", ""} << pipe
                                    << "施設の分担する流域面積に負の値は入力できません。" << true << "txt_a";
        QTest::newRow("negative I") << 4 << QStringList{"0.5", "10000", "-100", ""} << circ
                                    << "降雨強度に負の値は入力できません。" << true << "txt_i";
        QTest::newRow("rate -100") << 0 << QStringList{"0.5", "10000", "100", "-100"} << pipe
                                   << "計画雨水量の割増しに-100以下の値は入力できません。" << true << "txt1";
        QTest::newRow("negative gradient pipe") << 0 << ok << QStringList{"2", "-10", "0.010", "5"}
                                                << "施設の勾配に負の値は入力できません。" << false << "txt1";
        QTest::newRow("negative roughness pipe") << 5 << ok << QStringList{"0", "10", "-0.013", "5"}
                                                 << "粗度係数に負の値は入力できません。" << false << "txt2";
        QTest::newRow("negative diameter") << 4 << ok << QStringList{"-0.3", "10", "0.013", "5"}
                                           << "直径に負の値は入力できません。" << false << "txt1";
        QTest::newRow("negative height")
            << 6 << ok << QStringList{"-0.5", "0.4", "1.4", "0.5", "10", "0.013", "4"}
            << "施設の高さに負の値は入力できません。" << false << "txt1";
        QTest::newRow("negative b1") << 6 << ok
                                     << QStringList{"0.5", "-0.4", "1.4", "0.5", "10", "0.013", "4"}
                                     << "施設の下部巾に負の値は入力できません。" << false << "txt2";
        QTest::newRow("negative b3") << 6 << ok
                                     << QStringList{"0.5", "0.4", "1.4", "-0.5", "10", "0.013", "4"}
                                     << "施設の傾斜巾に負の値は入力できません。" << false << "txt4";
        QTest::newRow("negative ditch gradient")
            << 6 << ok << QStringList{"0.5", "0.4", "1.4", "0.5", "-10", "0.013", "4"}
            << "施設の勾配に負の値は入力できません。" << false << "txt5";
        QTest::newRow("ditch without area")
            << 6 << ok << QStringList{"0.5", "0", "0", "0", "10", "0.013", "4"}
            << "施設の断面積が０になるため計算できません。寸法を確認してください。" << false << "txt2";
        QTest::newRow("polygon gap") << 7 << ok
                                     << QStringList{"1", "1", "1", "10", "0.013", "0,0;1,1;2,0;;3,0"}
                                     << "頂点のＸ3座標を入力してください。" << false << "txt_x4";
        QTest::newRow("polygon zero perimeter")
            << 7 << ok << QStringList{"1", "1", "1", "10", "0.013", "1,1;1,1;1,1"}
            << "排水溝の断面の周長が０になります。頂点の座標を確認してください。" << false << "txt_x1";
        QTest::newRow("polygon zero area")
            << 7 << ok << QStringList{"1", "1", "1", "10", "0.013", "0,0;1,0;2,0"}
            << "排水溝の断面積が０になります。頂点の座標を確認してください。" << false << "txt_x1";
        QTest::newRow("polygon zero gradient")
            << 7 << ok << QStringList{"1", "1", "1", "0", "0.013", "0,0;1,1;2,0"}
            << "排水溝の勾配を入力してください。" << false << "txt4";
        QTest::newRow("polygon negative gradient")
            << 7 << ok << QStringList{"1", "1", "1", "-5", "0.013", "0,0;1,1;2,0"}
            << "排水溝の勾配に負の値は入力できません。" << false << "txt4";
        QTest::newRow("polygon zero roughness")
            << 7 << ok << QStringList{"1", "1", "1", "10", "0", "0,0;1,1;2,0"}
            << "粗度係数を入力してください。" << false << "txt5";
        QTest::newRow("polygon negative height")
            << 7 << ok << QStringList{"1", "1", "-1", "10", "0.013", "0,0;1,1;2,0"}
            << "排水溝の高さに負の値は入力できません。" << false << "txt3";
    }
    void meaninglessEntries()
    {
        QFETCH(int, kind);
        QFETCH(QStringList, conditions);
        QFETCH(QStringList, facility);
        QFETCH(QString, message);
        QFETCH(bool, onConditions);
        QFETCH(QString, focus);

        const auto k = static_cast<FacilityKind>(kind);
        ConditionsEntries c = fullConditions(k);
        c.c = conditions[0];
        c.a = conditions[1];
        c.i = conditions[2];
        c.allowanceOn = !conditions[3].isEmpty();
        c.allowanceRate = conditions[3];
        DesignCase d;
        std::optional<Refusal> r;
        switch (k) {
        case FacilityKind::OtherCircular:
            r = calculateCircular(d, c,
                                  {QString(), facility[0], facility[1], facility[2], facility[3].toInt()});
            break;
        case FacilityKind::Ditch:
            r = calculateDitch(d, c,
                               {QString(), facility[0], facility[1], facility[2], facility[3], facility[4],
                                facility[5], facility[6].toInt()});
            break;
        case FacilityKind::Polygon: {
            PolygonEntries e;
            e.bottomWidth = facility[0];
            e.topWidth = facility[1];
            e.height = facility[2];
            e.gradient = facility[3];
            e.roughness = facility[4];
            const QStringList vertices = facility[5].split(QLatin1Char(';'));
            for (int i = 0; i < vertices.size(); ++i) {
                if (vertices[i].isEmpty())
                    continue;
                const QStringList xy = vertices[i].split(QLatin1Char(','));
                e.x[i] = xy[0];
                e.y[i] = xy[1];
            }
            r = calculatePolygon(d, c, e);
            break;
        }
        default:
            r = calculatePipe(d, c, {k, facility[0].toInt(), facility[1], facility[2], facility[3].toInt()});
            break;
        }
        QVERIFY(r);
        QCOMPARE(r->message, message);
        QCOMPARE(r->focus.owner, onConditions ? FieldOwner::Conditions : FieldOwner::Facility);
        QCOMPARE(r->focus.name, focus);
        QCOMPARE(d.result.capacity, 0.0);
    }

    // --- facility-kind switch
    // --------------------------------------------------------------------------------

    void facilitySwitch_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("open");
        QTest::addColumn<int>("opens");
        QTest::addColumn<bool>("create");
        QTest::addColumn<bool>("refill");
        using S = FacilityScreenId;
        auto row = [](const char *name, int kind, S open, S opens, bool create, bool refill) {
            QTest::newRow(name) << kind << int(open) << int(opens) << create << refill;
        };
        row("VP on a new design", 0, S::None, S::Pipe, true, true);
        row("VU after VP refills the pipe screen", 1, S::Pipe, S::Pipe, false, true);
        row("FRPM from the circular pipe", 2, S::Circular, S::Pipe, true, true);
        row("Hume from the ditch", 3, S::Ditch, S::Pipe, true, true);
        row("other circular from a pipe", 4, S::Pipe, S::Circular, true, false);
        row("other circular again keeps it", 4, S::Circular, S::Circular, false, false);
        row("U-trough after Hume refills", 5, S::Pipe, S::Pipe, false, true);
        row("ditch from the polygon", 6, S::Polygon, S::Ditch, true, false);
        row("ditch again keeps it", 6, S::Ditch, S::Ditch, false, false);
        row("polygon from the ditch", 7, S::Ditch, S::Polygon, true, false);
        row("polygon again keeps it", 7, S::Polygon, S::Polygon, false, false);
    }
    void facilitySwitch()
    {
        QFETCH(int, kind);
        QFETCH(int, open);
        QFETCH(int, opens);
        QFETCH(bool, create);
        QFETCH(bool, refill);
        const FacilitySwitch s =
            facilitySwitchFor(static_cast<FacilityKind>(kind), static_cast<FacilityScreenId>(open));
        QCOMPARE(int(s.opens), opens);
        QCOMPARE(s.create, create);
        QCOMPARE(s.refill, refill);
        // The three other facility screens close, never the one that opens.
        QCOMPARE(s.closes.size(), 3);
        QVERIFY(!s.closes.contains(s.opens));
    }

    // --- File menu
    // -------------------------------------------------------------------------------------------

    void fileMenuEnabling_data()
    {
        QTest::addColumn<bool>("result");
        QTest::addColumn<bool>("fileName");
        QTest::addColumn<bool>("saveAs");
        QTest::addColumn<bool>("overwrite");
        QTest::addColumn<bool>("printing");
        QTest::newRow("no result, never saved") << false << false << false << false << false;
        QTest::newRow("no result, with a file") << false << true << false << false << false;
        QTest::newRow("result, never saved") << true << false << true << false << true;
        QTest::newRow("result, with a file") << true << true << true << true << true;
    }
    void fileMenuEnabling()
    {
        QFETCH(bool, result);
        QFETCH(bool, fileName);
        QFETCH(bool, saveAs);
        QFETCH(bool, overwrite);
        QFETCH(bool, printing);
        const FileCommandState s = fileCommandsOnMenuOpen(result, fileName);
        QCOMPARE(s.saveAs, saveAs);
        QCOMPARE(s.overwrite, overwrite);
        QCOMPARE(s.toolbarOverwrite, overwrite);
        QCOMPARE(s.printImage, printing);
        QCOMPARE(s.print, printing);
        QCOMPARE(s.editorWrite, printing);
        QCOMPARE(s.toolbarImage, printing);
        QCOMPARE(s.toolbarPrint, printing);
    }

    // --- the result screen's numbers
    // ------------------------------------------------------------------------

    void resultNumbers_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("sizeRow");
        QTest::addColumn<QString>("dims");
        QTest::addColumn<int>("fillRow");
        QTest::addColumn<bool>("kutter");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("area");
        QTest::addColumn<QStringList>("shown"); // factor, ×, Q1, Q2, Amax, V
        QTest::addColumn<bool>("exceeds");

        // VP φ100 full, 10 ‰, n 0.010 (the check's own examples).
        QTest::newRow("VP100 full Manning")
            << 0 << 2 << "" << 0 << false << ""
            << "10000" << QStringList{"", "", "0.1389", "0.0069", "493.77", "0.8595"} << true;
        QTest::newRow("VP100 full Kutter")
            << 0 << 2 << "" << 0 << true << ""
            << "10000" << QStringList{"", "", "0.1389", "0.0063", "456.79", "0.7951"} << true;
        QTest::newRow("VP100 rate 25")
            << 0 << 2 << "" << 0 << false << "25"
            << "10000" << QStringList{"1.25", "×", "0.1736", "0.0069", "395.02", "0.8595"} << true;
        QTest::newRow("VP100 rate 10")
            << 0 << 2 << "" << 0 << false << "10"
            << "10000" << QStringList{"1.1", "×", "0.1528", "0.0069", "448.89", "0.8595"} << true;
        QTest::newRow("VP100 rate 0")
            << 0 << 2 << "" << 0 << false << "0"
            << "10000" << QStringList{"1.0", "×", "0.1389", "0.0069", "493.77", "0.8595"} << true;
        // Circular D = 0.3 m, n 0.013.
        QTest::newRow("D0.3 full") << 4 << 0 << "0.3" << 0 << false << ""
                                   << "10000" << QStringList{"", "", "0.1389", "0.0967", "6961.14", "1.3679"}
                                   << true;
        QTest::newRow("D0.3 depth 8")
            << 4 << 0 << "0.3" << 5 << false << ""
            << "10000" << QStringList{"", "", "0.1389", "0.0945", "6804.52", "1.5591"} << true;
        // U-300 trough at 水深８割, U-ditch and trapezoid.
        QTest::newRow("U-300 depth 8")
            << 5 << 3 << "" << 5 << false << ""
            << "10000" << QStringList{"", "", "0.1389", "0.1131", "8144.80", "1.5711"} << true;
        QTest::newRow("U-ditch full")
            << 6 << 0 << "0.5,0.4,0.4,0" << 0 << false << ""
            << "10000" << QStringList{"", "", "0.1389", "0.4204", "30270.56", "2.1021"} << false;
        QTest::newRow("trapezoid 8") << 6 << 0 << "0.5,0.4,1.4,0.5" << 4 << false << ""
                                     << "10000"
                                     << QStringList{"", "", "0.1389", "0.8668", "62409.71", "2.7088"}
                                     << false;
        // Polygons.
        QTest::newRow("triangle") << 7 << 0 << "0,0;1,1;2,0" << 0 << false << ""
                                  << "10000" << QStringList{"", "", "0.1389", "3.8462", "276924.85", "3.8462"}
                                  << false;
        QTest::newRow("polygon trapezoid")
            << 7 << 0 << "0,0;0.3,0.6;0.9,0.6;1.2,0" << 0 << false << ""
            << "10000" << QStringList{"", "", "0.1389", "1.7699", "127430.16", "3.2775"} << false;
        // Q1 of 3600 m² with 20 % allowance.
        QTest::newRow("3600 m2 rate 20")
            << 7 << 0 << "0,0;0.3,0.6;0.9,0.6;1.2,0" << 0 << false << "20"
            << "3600" << QStringList{"1.2", "×", "0.0600", "1.7699", "106191.80", "3.2775"} << false;
    }
    void resultNumbers()
    {
        QFETCH(int, kind);
        QFETCH(int, sizeRow);
        QFETCH(QString, dims);
        QFETCH(int, fillRow);
        QFETCH(bool, kutter);
        QFETCH(QString, rate);
        QFETCH(QString, area);
        QFETCH(QStringList, shown);
        QFETCH(bool, exceeds);
        Example ex{static_cast<FacilityKind>(kind),
                   sizeRow,
                   dims,
                   fillRow,
                   QStringLiteral("10"),
                   kind == 0 ? QStringLiteral("0.010") : QStringLiteral("0.013"),
                   kutter,
                   rate};
        DesignCase d;
        const auto r = runExample(d, ex, area);
        QVERIFY2(!r, qPrintable(r ? r->message : QString()));
        const ResultView v = resultViewOf(d);
        QCOMPARE(v.factor, shown[0]);
        QCOMPARE(v.times, shown[1]);
        QCOMPARE(v.q1, shown[2]);
        QCOMPARE(v.q2, shown[3]);
        QCOMPARE(v.amax, shown[4]);
        QCOMPARE(v.velocity, shown[5]);
        QCOMPARE(v.exceeds, exceeds);
        if (!exceeds)
            QCOMPARE(
                v.status,
                QStringLiteral(
                    "流速(V)はよろしいですか？チェックして下さい。（各地域の開発指導要綱等による事。）"));
        else if (rate.isEmpty())
            QCOMPARE(v.status, QStringLiteral("計画雨水量(Q1)が施設の流量(Q2)を超えています。"));
        else
            QCOMPARE(v.status, QStringLiteral("計画雨水量が施設の流量を超えています。"));
    }

    void kutterFieldsKeptByManning()
    {
        DesignCase d;
        Example ex{FacilityKind::VpPipe, 2, {}, 0, QStringLiteral("10"), QStringLiteral("0.010"), true, {}};
        QVERIFY(!runExample(d, ex, QStringLiteral("10000")));
        const double numerator = d.kutterNumerator;
        QCOMPARE(qRound(numerator * 1000), 123155);
        ex.kutter = false;
        QVERIFY(!runExample(d, ex, QStringLiteral("10000")));
        QCOMPARE(d.kutterNumerator, numerator);
        QCOMPARE(d.facilityName[0], QStringLiteral("VP - φ100"));
    }

    void equalFlowsAreSufficient()
    {
        // Q1 = Q2 to the last bit gives the velocity advisory.
        DesignCase d;
        d.result.designFlow = 0.05;
        d.result.capacity = 0.05;
        QVERIFY(!resultViewOf(d).exceeds);
    }

    // --- polygon sketch
    // ---------------------------------------------------------------------------------------

    void sketchPoints_data()
    {
        QTest::addColumn<QString>("vertices");
        QTest::addColumn<QString>("points");
        QTest::newRow("triangle") << "0,0;1,1;2,0"
                                  << "13,17;63,67;113,17";
        QTest::newRow("rectangle") << "0,0;0,0.5;1,0.5;1,0"
                                   << "13,17;13,67;113,67;113,17";
        // s = 25: 13 + 12.5 = 25.5 → 26 and 17 + 37.5 = 54.5 → 54, halves to the even integer.
        QTest::newRow("ties to even") << "0,0;0.5,1.5;4,0"
                                      << "13,17;26,54;113,17";
        QTest::newRow("all zero draws nothing") << "0,0;0,0;0,0"
                                                << "";
    }
    void sketchPoints()
    {
        QFETCH(QString, vertices);
        QFETCH(QString, points);
        std::array<double, 8> x{}, y{};
        const QStringList v = vertices.split(QLatin1Char(';'));
        for (int i = 0; i < v.size(); ++i) {
            x[i] = v[i].section(QLatin1Char(','), 0, 0).toDouble();
            y[i] = v[i].section(QLatin1Char(','), 1, 1).toDouble();
        }
        QStringList got;
        for (const QPoint &p : polygonSketchPoints(x, y, static_cast<int>(v.size())))
            got << QStringLiteral("%1,%2").arg(p.x()).arg(p.y());
        QCOMPARE(got.join(QLatin1Char(';')), points);
    }
};

QTEST_MAIN(TestWorkflow)
#include "tst_workflow.moc"
