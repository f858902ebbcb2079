// The velocity calculator for the flow time: its checks in order on each facility screen, V on the worked
// examples as the intensity screen shows it, the kind switch, hiding and reset, and its independence from
// the design's own facility and result.
#include "fakeplatformservices.h"
#include "session/velocityrules.h"
#include "ui/calculators/intensityscreen.h"
#include "ui/calculators/velocitycalculator.h"
#include "ui/calculators/velocitycircularscreen.h"
#include "ui/calculators/velocityditchscreen.h"
#include "ui/calculators/velocitypipescreen.h"
#include "ui/calculators/velocitypolygonscreen.h"
#include "ui/calculators/velocityselectscreen.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

using namespace niruka;

namespace {

const VelocityChoice kManningPipe{VelocityFormula::Manning, FacilityKind::VpPipe};

PipeEntries vp100(const QString &gradient, const QString &roughness, int fillRow)
{
    return PipeEntries{FacilityKind::VpPipe, 2, gradient, roughness, fillRow};
}

DitchEntries ditch(const QString &h, const QString &b1, const QString &b2, const QString &b3, int fillRow)
{
    return DitchEntries{"側溝", h, b1, b2, b3, "10", "0.013", fillRow};
}

} // namespace

class TestVelocity : public QObject {
    Q_OBJECT
private slots:
    void checks_data();
    void checks();
    void workedExamples();
    void ditchUsesTheEightLineList();
    void refusedAttemptKeepsEntries();
    void calculatorOpensWithVpAndRefusesWithoutFormula();
    void calculatorHandsBackAndHides();
    void calculatorCancelStartsOver();
    void calculatorKindSwitch();
    void polygonDrawAndCalculate();
    void endToEndWithIntensity();
};

void TestVelocity::checks_data()
{
    QTest::addColumn<int>("screen"); // 1 pipe, 2 ditch, 3 circular, 4 polygon
    QTest::addColumn<bool>("formula");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("fields"); // the entries, in the screen's field order
    QTest::addColumn<int>("fillRow");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus"); // control name, "opt1@select" or "lst_s@select"

    QTest::newRow("1 no formula") << 1 << false << 0 << QStringList{"10", "0.010"} << 0
                                  << "流速の計算方法を選択してください。"
                                  << "opt1@select";
    QTest::newRow("2 no kind") << 1 << true << -1 << QStringList{"10", "0.010"} << 0
                               << "施設の種類を選択してください。"
                               << "lst_s@select";
    QTest::newRow("pipe 5 gradient") << 1 << true << 0 << QStringList{"", "0.010"} << 0
                                     << "施設の勾配を入力してください。"
                                     << "txt1";
    QTest::newRow("pipe 6 roughness")
        << 1 << true << 0 << QStringList{"10", "abc"} << 0 << "粗度係数を入力してください。"
        << "txt2";
    QTest::newRow("pipe 7 separator line")
        << 1 << true << 0 << QStringList{"10", "0.010"} << 1 << "施設有効水深の割合を入力してください。"
        << "cbo1";
    QTest::newRow("circular 3 diameter")
        << 3 << true << 4 << QStringList{"", "", "10", "0.013"} << 0 << "直径を入力してください。"
        << "txt1";
    QTest::newRow("circular 5 gradient")
        << 3 << true << 4 << QStringList{"", "0.3", "", ""} << 0 << "施設の勾配を入力してください。"
        << "txt2";
    QTest::newRow("circular 7 depth") << 3 << true << 4 << QStringList{"", "0.3", "10", "0.013"} << 8
                                      << "施設の有効水深の割合を入力してください。"
                                      << "cbo1";
    QTest::newRow("ditch 3 height") << 2 << true << 6 << QStringList{"", "", "", "", "", "", ""} << 0
                                    << "施設の高さを入力してください。"
                                    << "txt1";
    QTest::newRow("ditch 4 b1") << 2 << true << 6 << QStringList{"", "0.5", "", "", "", "", ""} << 0
                                << "施設の下部巾を入力してください。"
                                << "txt2";
    QTest::newRow("ditch 4 b2") << 2 << true << 6 << QStringList{"", "0.5", "0", "", "", "", ""} << 0
                                << "施設の上部巾を入力してください。"
                                << "txt3";
    QTest::newRow("ditch 4 b3") << 2 << true << 6 << QStringList{"", "0.5", "0.4", "0.4", "", "", ""} << 0
                                << "施設の傾斜巾を入力してください。"
                                << "txt4";
    QTest::newRow("ditch 5 gradient") << 2 << true << 6 << QStringList{"", "0.5", "0.4", "0.4", "0", "", ""}
                                      << 0 << "施設の勾配を入力してください。"
                                      << "txt5";
    QTest::newRow("ditch 6 roughness")
        << 2 << true << 6 << QStringList{"", "0.5", "0.4", "0.4", "0", "10", ""} << 0
        << "粗度係数を入力してください。"
        << "txt6";
    QTest::newRow("ditch 7 separator of the 8-line list")
        << 2 << true << 6 << QStringList{"", "0.5", "0.4", "0.4", "0", "10", "0.013"} << 1
        << "施設有効水深の割合を入力してください。"
        << "cbo1";
    QTest::newRow("polygon 6 bottom width")
        << 4 << true << 7 << QStringList{} << 0 << "排水溝の下部巾を入力してください。"
        << "txt1";
    QTest::newRow("polygon formula before everything")
        << 4 << false << 7 << QStringList{} << 0 << "流速の計算方法を選択してください。"
        << "opt1@select";
    QTest::newRow("negative roughness refused")
        << 1 << true << 0 << QStringList{"10", "-0.01"} << 0 << "粗度係数に負の値は入力できません。"
        << "txt2";
}

void TestVelocity::checks()
{
    QFETCH(int, screen);
    QFETCH(bool, formula);
    QFETCH(int, kind);
    QFETCH(QStringList, fields);
    QFETCH(int, fillRow);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    VelocityChoice choice;
    if (formula)
        choice.formula = VelocityFormula::Manning;
    if (kind >= 0)
        choice.kind = static_cast<FacilityKind>(kind);
    VelocityFacility vf;
    VelocityOutcome out;
    switch (screen) {
    case 1:
        out = calculateVelocityPipe(vf, choice, vp100(fields[0], fields[1], fillRow));
        break;
    case 2:
        out = calculateVelocityDitch(vf, choice,
                                     DitchEntries{fields[0], fields[1], fields[2], fields[3], fields[4],
                                                  fields[5], fields[6], fillRow});
        break;
    case 3:
        out = calculateVelocityCircular(vf, choice,
                                        CircularEntries{fields[0], fields[1], fields[2], fields[3], fillRow});
        break;
    default:
        out = calculateVelocityPolygon(vf, choice, PolygonEntries{});
        break;
    }
    QVERIFY(out.refusal.has_value());
    QCOMPARE(out.refusal->message, message);
    if (focus == "opt1@select")
        QCOMPARE(out.refusal->focus, VelocityFocus::ManningOption);
    else if (focus == "lst_s@select")
        QCOMPARE(out.refusal->focus, VelocityFocus::KindList);
    else
        QCOMPARE(out.refusal->field, focus);
    QVERIFY(out.velocityText.isEmpty());
}

void TestVelocity::workedExamples()
{
    VelocityFacility vf;
    VelocityOutcome out = calculateVelocityPipe(vf, kManningPipe, vp100("10", "0.010", 0));
    QVERIFY(!out.refusal);
    QCOMPARE(out.velocityText, QStringLiteral("0.8595"));
    QCOMPARE(vf.nameSlot(FacilityNameSlot::Catalogue), QStringLiteral("VP - φ100"));
    QCOMPARE(vf.diameter, 0.1008);
    QCOMPARE(vf.fillOption, 10.0);
    QCOMPARE(vf.gradientRatio, 0.01);
    out = calculateVelocityPipe(vf, VelocityChoice{VelocityFormula::Kutter, FacilityKind::VpPipe},
                                vp100("10", "0.010", 0));
    QCOMPARE(out.velocityText, QStringLiteral("0.7951"));
    QVERIFY(qAbs(vf.kutterNumerator - 123.155) < 1e-9);
    // The rectangle 1 × 0.5 entered counter-clockwise: A 0.5, P 2.
    DesignCase d;
    out = calculateVelocityPolygon(d.velocityFacility,
                                   VelocityChoice{VelocityFormula::Manning, FacilityKind::Polygon},
                                   PolygonEntries{"",
                                                  "1",
                                                  "1",
                                                  "0.5",
                                                  "10",
                                                  "0.013",
                                                  {" 0", "0", "1", "1", "", "", "", ""},
                                                  {" 0", "0.5", "0.5", "0", "", "", "", ""}});
    QVERIFY(!out.refusal);
    QCOMPARE(d.velocityFacility.section.flowArea, 0.5);
    QCOMPARE(d.velocityFacility.section.wettedPerimeter, 2.0);
    QCOMPARE(d.velocityFacility.vertexCount, 4);
    QCOMPARE(out.velocityText, QStringLiteral("3.0527"));
    // R = 8/8 = 1, V = √0.0009 / 0.02 = 1.5, shown with two decimals.
    out = calculateVelocityPolygon(d.velocityFacility,
                                   VelocityChoice{VelocityFormula::Manning, FacilityKind::Polygon},
                                   PolygonEntries{"",
                                                  "4",
                                                  "4",
                                                  "2",
                                                  "0.9",
                                                  "0.02",
                                                  {" 0", "0", "4", "4", "", "", "", ""},
                                                  {" 0", "2", "2", "0", "", "", "", ""}});
    QVERIFY(!out.refusal);
    QCOMPARE(out.velocityText, QStringLiteral("1.50"));
}

void TestVelocity::ditchUsesTheEightLineList()
{
    const VelocityChoice choice{VelocityFormula::Manning, FacilityKind::Ditch};
    VelocityFacility vf;
    // Row 0 "満流": U-ditch h 0.5, b 0.4 → A 0.2, P 1.4.
    QVERIFY(!calculateVelocityDitch(vf, choice, ditch("0.5", "0.4", "0.4", "0", 0)).refusal);
    QCOMPARE(vf.fillOption, 10.0);
    QVERIFY(qAbs(vf.section.flowArea - 0.2) < 1e-12);
    QVERIFY(qAbs(vf.section.wettedPerimeter - 1.4) < 1e-12);
    // Row 5 "水深８割" of the trapezoid example: A 0.32.
    QVERIFY(!calculateVelocityDitch(vf, choice, ditch("0.5", "0.4", "1.4", "0.5", 5)).refusal);
    QCOMPARE(vf.fillOption, 8.0);
    QVERIFY(qAbs(vf.section.flowArea - 0.32) < 1e-12);
    QCOMPARE(vf.nameSlot(FacilityNameSlot::Ditch), QStringLiteral("側溝"));
    // Row 7 "水深７割".
    QVERIFY(!calculateVelocityDitch(vf, choice, ditch("0.5", "0.4", "1.4", "0.5", 7)).refusal);
    QCOMPARE(vf.fillOption, 7.0);
}

void TestVelocity::refusedAttemptKeepsEntries()
{
    VelocityFacility vf;
    vf.velocity = 0.5;
    const VelocityOutcome out = calculateVelocityPipe(vf, kManningPipe, vp100("12", "", 0));
    QVERIFY(out.refusal);
    QCOMPARE(vf.gradient, 12.0);
    QCOMPARE(vf.velocity, 0.5);
}

namespace {

template <class T> T *child(QWidget *w, const char *name)
{
    auto *c = w ? w->findChild<T *>(QString::fromLatin1(name)) : nullptr;
    if (!c)
        qFatal("no child %s", name);
    return c;
}

void flush()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

void TestVelocity::calculatorOpensWithVpAndRefusesWithoutFormula()
{
    test::FakePlatformServices fake;
    test::FakePlatformServices::Scope scope(fake);
    DesignCase design;
    VelocityCalculator calc(design);
    QSignalSpy status(&calc, &VelocityCalculator::statusTextRequested);
    calc.open();
    QVERIFY(calc.selectScreen() && calc.selectScreen()->isVisible());
    QVERIFY(calc.pipeScreen() && calc.pipeScreen()->isVisible());
    QCOMPARE(design.velocityFacility.screenGroup, 1);
    QCOMPARE(calc.selectScreen()->kindRow(), 0);
    QCOMPARE(child<QLineEdit>(calc.pipeScreen(), "txt2")->text(), QStringLiteral("0.010"));
    QCOMPARE(child<QComboBox>(calc.pipeScreen(), "cbo1")->currentText(), QStringLiteral("水深８割"));
    QCOMPARE(status.last().at(0).toString(), QString());
    child<QPushButton>(calc.pipeScreen(), "cmd1")->click();
    QCOMPARE(fake.lastMessageText(), QStringLiteral("流速の計算方法を選択してください。"));
    QCOMPARE(fake.messages.last().title, QStringLiteral("エラーメッセージ"));
    QCOMPARE(calc.selectScreen()->focusWidget(), child<QRadioButton>(calc.selectScreen(), "opt1"));
}

void TestVelocity::calculatorHandsBackAndHides()
{
    test::FakePlatformServices fake;
    test::FakePlatformServices::Scope scope(fake);
    DesignCase design;
    design.result.velocity = 2.0;
    design.result.capacity = 0.3;
    design.gradient = 5;
    VelocityCalculator calc(design);
    QSignalSpy handed(&calc, &VelocityCalculator::velocityCalculated);
    QSignalSpy status(&calc, &VelocityCalculator::statusTextRequested);
    calc.open();
    child<QRadioButton>(calc.selectScreen(), "opt1")->click();
    child<QListWidget>(calc.pipeScreen(), "lst_pu")->setCurrentRow(2);
    child<QLineEdit>(calc.pipeScreen(), "txt1")->setText("10");
    child<QComboBox>(calc.pipeScreen(), "cbo1")->setCurrentIndex(0);
    child<QPushButton>(calc.pipeScreen(), "cmd1")->click();
    QVERIFY2(fake.messages.isEmpty(), qPrintable(fake.lastMessageText()));
    QCOMPARE(handed.count(), 1);
    QCOMPARE(handed.at(0).at(0).toString(), QStringLiteral("0.8595"));
    QCOMPARE(status.last().at(0).toString(),
             QStringLiteral("雨量強度式 及び 到達時間 （ｔ） の計算は、各地域の開発指導要綱等による事｡"));
    QVERIFY(calc.selectScreen()->isHidden());
    QVERIFY(calc.pipeScreen()->isHidden());
    // The design's own facility and result are untouched.
    QCOMPARE(design.result.velocity, 2.0);
    QCOMPARE(design.result.capacity, 0.3);
    QCOMPARE(design.gradient, 5.0);
    QVERIFY(qAbs(design.velocityFacility.velocity - 0.8595) < 5e-5);
    // Opening again shows the same kind, size and entries.
    calc.open();
    QVERIFY(calc.pipeScreen()->isVisible());
    QCOMPARE(child<QListWidget>(calc.pipeScreen(), "lst_pu")->currentRow(), 2);
    QCOMPARE(child<QLineEdit>(calc.pipeScreen(), "txt1")->text(), QStringLiteral("10"));
    QVERIFY(child<QRadioButton>(calc.selectScreen(), "opt1")->isChecked());
}

void TestVelocity::calculatorCancelStartsOver()
{
    DesignCase design;
    VelocityCalculator calc(design);
    calc.open();
    child<QRadioButton>(calc.selectScreen(), "opt2")->click();
    calc.selectScreen()->chooseKind(4);
    QCOMPARE(design.velocityFacility.screenGroup, 3);
    child<QLineEdit>(calc.circularScreen(), "txt1")->setText("0.3");
    child<QPushButton>(calc.circularScreen(), "cmd2")->click();
    flush();
    QVERIFY(!calc.selectScreen() && !calc.circularScreen());
    QCOMPARE(design.velocityFacility.screenGroup, 0);
    calc.open();
    QCOMPARE(calc.selectScreen()->kindRow(), 0);
    QVERIFY(!calc.selectScreen()->choice().formula);
    QVERIFY(calc.pipeScreen() && !calc.circularScreen());
}

void TestVelocity::calculatorKindSwitch()
{
    DesignCase design;
    design.facilityKind = FacilityKind::HumePipe;
    VelocityCalculator calc(design);
    calc.open();
    calc.selectScreen()->chooseKind(6);
    flush();
    QVERIFY(!calc.pipeScreen());
    QCOMPARE(design.velocityFacility.screenGroup, 2);
    auto *depth = child<QComboBox>(calc.ditchScreen(), "cbo1");
    QCOMPARE(depth->count(), 8);
    QCOMPARE(depth->itemText(0), QStringLiteral("満流"));
    QCOMPARE(depth->currentText(), QStringLiteral("水深８割"));
    calc.selectScreen()->chooseKind(5);
    flush();
    QVERIFY(!calc.ditchScreen());
    QCOMPARE(design.velocityFacility.screenGroup, 1);
    QCOMPARE(child<QLineEdit>(calc.pipeScreen(), "txt2")->text(), QStringLiteral("0.013"));
    QCOMPARE(child<QComboBox>(calc.pipeScreen(), "cbo1")->count(), 8);
    // Clicking the chosen series again refills its screen.
    child<QLineEdit>(calc.pipeScreen(), "txt2")->setText("0.02");
    QListWidget *kinds = calc.selectScreen()->kindList();
    const QRect item = kinds->visualItemRect(kinds->item(5));
    QTest::mouseClick(kinds->viewport(), Qt::LeftButton, {}, item.center());
    QCOMPARE(child<QLineEdit>(calc.pipeScreen(), "txt2")->text(), QStringLiteral("0.013"));
    QTest::mouseClick(kinds->viewport(), Qt::LeftButton, {}, kinds->visualItemRect(kinds->item(7)).center());
    QCOMPARE(design.velocityFacility.screenGroup, 4);
    QCOMPARE(design.facilityKind, FacilityKind::HumePipe);
    // The project-file view of the calculator.
    const VelocityForms f = calc.forms();
    QCOMPARE(f.lst_s, 7);
    QCOMPARE(f.screenGroup, 4.0);
    QCOMPARE(f.facility.polygon.txt_x[0], QStringLiteral(" 0"));
}

void TestVelocity::polygonDrawAndCalculate()
{
    test::FakePlatformServices fake;
    test::FakePlatformServices::Scope scope(fake);
    DesignCase design;
    VelocityCalculator calc(design);
    QSignalSpy handed(&calc, &VelocityCalculator::velocityCalculated);
    calc.open();
    child<QRadioButton>(calc.selectScreen(), "opt1")->click();
    calc.selectScreen()->chooseKind(7);
    VelocityPolygonScreen *p = calc.polygonScreen();
    QVERIFY(p->instructionVisible());
    PolygonForm f;
    f.txt1 = "2";
    f.txt2 = "2";
    f.txt3 = "1";
    f.txt4 = "10";
    f.txt5 = "0.013";
    f.txt_x = {"0", "1", "2", "", "", "", "", ""};
    f.txt_y = {"0", "1", "", "", "", "", "", ""};
    p->setForm(f);
    child<QPushButton>(p, "cmd1")->click();
    QCOMPARE(fake.lastMessageText(), QStringLiteral("頂点のＹ2座標を入力してください。"));
    f.txt_y[2] = "0";
    p->setForm(f);
    child<QPushButton>(p, "cmd3")->click();
    QCOMPARE(fake.messages.size(), 1);
    QCOMPARE(handed.count(), 0);
    QVERIFY(p->isVisible());
    QVERIFY(!p->instructionVisible());
    QCOMPARE(p->sketchPoints(), (QList<QPoint>{{13, 17}, {63, 67}, {113, 17}}));
    QCOMPARE(design.velocityFacility.section.flowArea, 1.0);
    QCOMPARE(design.velocityFacility.section.wettedPerimeter, 2.8284);
    child<QPushButton>(p, "cmd1")->click();
    QCOMPARE(handed.count(), 1);
    QVERIFY(p->isHidden());
}

void TestVelocity::endToEndWithIntensity()
{
    test::FakePlatformServices fake;
    test::FakePlatformServices::Scope scope(fake);
    DesignCase design;
    IntensityScreen intensity(design);
    VelocityCalculator calc(design);
    connectVelocityCalculator(&intensity, &calc);
    QSignalSpy confirmed(&intensity, &IntensityScreen::intensityConfirmed);
    intensity.openScreen();
    child<QRadioButton>(&intensity, "opt1")->click();
    child<QLineEdit>(&intensity, "txt1")->setText("5000");
    child<QLineEdit>(&intensity, "txt2")->setText("40");
    IntensityForm form = intensity.form();
    form.txt1 = "5000";
    form.txt2 = "40";
    intensity.setForm(form);
    child<QRadioButton>(&intensity, "Option4")->click();
    child<QRadioButton>(&intensity, "Option1")->click();
    child<QLineEdit>(&intensity, "txt3")->setText("5");
    form = intensity.form();
    form.txt3 = "5";
    intensity.setForm(form);
    child<QRadioButton>(&intensity, "Option6")->click();
    form = intensity.form();
    form.txt4 = "103.14";
    intensity.setForm(form);
    child<QRadioButton>(&intensity, "Option8")->click();
    QVERIFY(calc.pipeScreen() && calc.pipeScreen()->isVisible());
    child<QRadioButton>(calc.selectScreen(), "opt1")->click();
    child<QListWidget>(calc.pipeScreen(), "lst_pu")->setCurrentRow(2);
    child<QLineEdit>(calc.pipeScreen(), "txt1")->setText("10");
    child<QComboBox>(calc.pipeScreen(), "cbo1")->setCurrentIndex(0);
    child<QPushButton>(calc.pipeScreen(), "cmd1")->click();
    QCOMPARE(child<QLineEdit>(&intensity, "txt5")->text(), QStringLiteral("0.8595"));
    QVERIFY(child<QRadioButton>(&intensity, "Option8")->isChecked());
    child<QPushButton>(&intensity, "cmd1")->click();
    QVERIFY2(fake.messages.isEmpty(), qPrintable(fake.lastMessageText()));
    // t2 = 103.14 / (60 × 0.8595) = 2.0000 min, t = 5 + 2 = 7, I = 5000 / 47 = 106.4.
    QCOMPARE(confirmed.count(), 1);
    QCOMPARE(confirmed.at(0).at(0).toString(), QStringLiteral("106.4"));
    QVERIFY(qAbs(design.intensity.flowTime - 2.0) < 1e-4);
}

QTEST_MAIN(TestVelocity)
#include "tst_velocity.moc"
