// The rainfall intensity screen: the fourteen checks in order, what each choice shows, hides and empties,
// Keisan_1/Keisan_2 on the worked examples, refusals of undefined values, and the hand-back of I.
#include "fakeplatformservices.h"
#include "session/intensityrules.h"
#include "ui/calculators/intensityscreen.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

using namespace niruka;

Q_DECLARE_METATYPE(niruka::IntensityForm)
Q_DECLARE_METATYPE(niruka::RiverTimeForm)

namespace {

IntensityForm formula(int f, const QString &a, const QString &b)
{
    IntensityState s;
    IntensityRules::chooseFormula(s, f);
    s.form.txt1 = a;
    s.form.txt2 = b;
    return s.form;
}

IntensityForm tDirect(IntensityForm f, const QString &t)
{
    f.Option3 = true;
    f.txt8 = t;
    return f;
}

// t computed with t1 typed; t2 per the arguments.
IntensityForm tComputed(IntensityForm f, const QString &t1)
{
    f.Option4 = true;
    f.Option1 = true;
    f.txt3 = t1;
    return f;
}

IntensityState stateOf(const IntensityForm &f)
{
    IntensityState s;
    s.form = f;
    return s;
}

} // namespace

class TestIntensity : public QObject {
    Q_OBJECT
private slots:
    void validation_data();
    void validation();
    void compute_data();
    void compute();
    void riverWithoutStateKeepsPreviousT2();
    void formulaChoiceEmptiesConstants();
    void timeModes();
    void riverCourseToggle();
    void riverCancelReturnsToChannelFormula();
    void handBacksOfHelpers();
    void screenOkHandsBackI();
    void screenFirstCheckSelectsFormula1();
    void screenCheck14OpensRiverScreen();
    void screenUndefinedValueIsRefused();
    void screenCancelChangesNothing();
    void screenVelocityAndInflowHandBack();
};

void TestIntensity::validation_data()
{
    QTest::addColumn<IntensityForm>("form");
    QTest::addColumn<RiverTimeForm>("river");
    QTest::addColumn<QString>("message"); // empty: passes
    QTest::addColumn<int>("focus");       // IntensityFocus
    QTest::addColumn<int>("followUp");    // IntensityFollowUp

    const RiverTimeForm noRiver;
    const auto F = [](IntensityFocus f) { return static_cast<int>(f); };
    const auto U = [](IntensityFollowUp u) { return static_cast<int>(u); };
    const int none = F(IntensityFocus::None);
    const int plain = U(IntensityFollowUp::None);

    QTest::newRow("1 no formula") << IntensityForm{} << noRiver << "降雨強度式を選択してください。" << none
                                  << U(IntensityFollowUp::SelectFormula1);
    QTest::newRow("2 a empty") << formula(1, "", "40") << noRiver << "定数ａを入力してください。"
                               << F(IntensityFocus::A) << plain;
    QTest::newRow("3 b empty") << formula(1, "5000", "") << noRiver << "定数ｂを入力してください。"
                               << F(IntensityFocus::B) << plain;
    QTest::newRow("4 c empty with ⑤")
        << formula(5, "1", "2") << noRiver << "定数ｃをしてください。" << F(IntensityFocus::C) << plain;
    IntensityForm f6 = formula(6, "1", "2");
    f6.txt6 = "2";
    QTest::newRow("5 d empty with ⑥")
        << f6 << noRiver << "定数ｄを入力してください。" << F(IntensityFocus::D) << plain;
    QTest::newRow("4 c not asked for ④")
        << formula(4, "1", "2") << noRiver << "到達時間の計算方法を選択してください。" << none << plain;
    QTest::newRow("7 t empty") << tDirect(formula(1, "1", "2"), "") << noRiver
                               << "到達時間を入力してください。" << F(IntensityFocus::T) << plain;
    IntensityForm noT1Mode = formula(1, "1", "2");
    noT1Mode.Option4 = true;
    QTest::newRow("8 no t1 mode") << noT1Mode << noRiver << "流入時間の計算方法を選択してください。" << none
                                  << plain;
    QTest::newRow("9 t1 empty") << tComputed(formula(1, "1", "2"), "") << noRiver
                                << "流入時間を入力してください。" << F(IntensityFocus::T1) << plain;
    QTest::newRow("10 no t2 mode") << tComputed(formula(1, "1", "2"), "5") << noRiver
                                   << "流下時間の計算方法を選択してください。" << none << plain;
    IntensityForm t2Direct = tComputed(formula(1, "1", "2"), "5");
    t2Direct.Option5 = true;
    QTest::newRow("11 t2 empty") << t2Direct << noRiver << "流下時間を入力してください。"
                                 << F(IntensityFocus::T2) << plain;
    IntensityForm channel = tComputed(formula(1, "1", "2"), "5");
    channel.Option6 = true;
    QTest::newRow("12 L empty") << channel << noRiver << "排水施設延長距離を入力してください。"
                                << F(IntensityFocus::L) << plain;
    channel.txt4 = "600";
    QTest::newRow("13 V empty") << channel << noRiver << "流速を仮定又は計算してください。"
                                << F(IntensityFocus::AssumeV) << plain;
    IntensityForm river = tComputed(formula(1, "1", "2"), "5");
    river.Option6 = true;
    river.chk1 = 1;
    QTest::newRow("14 river length empty") << river << noRiver << "流下時間の項目を入力してください。" << none
                                           << U(IntensityFollowUp::OpenRiverScreen);
    QTest::newRow("river course skips L and V")
        << river << RiverTimeForm{true, false, "1", "0.01"} << "" << none << plain;
    channel.txt5 = "2";
    QTest::newRow("complete channel") << channel << noRiver << "" << none << plain;
    QTest::newRow("only emptiness counts: 0 passes")
        << tDirect(formula(1, "0", "0"), "0") << noRiver << "" << none << plain;
}

void TestIntensity::validation()
{
    QFETCH(IntensityForm, form);
    QFETCH(RiverTimeForm, river);
    QFETCH(QString, message);
    QFETCH(int, focus);
    QFETCH(int, followUp);
    const std::optional<IntensityRefusal> r = validateIntensity(stateOf(form), river);
    if (message.isEmpty()) {
        QVERIFY2(!r, qPrintable(r ? r->message : QString()));
        return;
    }
    QVERIFY(r.has_value());
    QCOMPARE(r->message, message);
    QCOMPARE(static_cast<int>(r->focus), focus);
    QCOMPARE(static_cast<int>(r->followUp), followUp);
}

void TestIntensity::compute_data()
{
    QTest::addColumn<IntensityForm>("form");
    QTest::addColumn<RiverTimeForm>("river");
    QTest::addColumn<QString>("text");    // I as handed back, empty when refused
    QTest::addColumn<double>("t");        // t (min) stored
    QTest::addColumn<QString>("message"); // refusal

    const RiverTimeForm noRiver;
    QTest::newRow("① 5000/(10+40)") << tDirect(formula(1, "5000", "40"), "10") << noRiver << "100.0" << 10.0
                                    << "";
    QTest::newRow("④ 500/25^0.5") << tDirect(formula(4, "500", "0.5"), "25") << noRiver << "100.0" << 25.0
                                  << "";
    QTest::newRow("② 1000/(√81+1)") << tDirect(formula(2, "1000", "1"), "81") << noRiver << "100.0" << 81.0
                                    << "";
    IntensityForm f5 = formula(5, "1000", "2");
    f5.txt6 = "2";
    f5.txt7 = "1";
    QTest::newRow("⑤ 1000/(64^(1/2)+2)") << tDirect(f5, "64") << noRiver << "100.0" << 64.0 << "";
    QTest::newRow("③ rounds to one decimal")
        << tDirect(formula(3, "1000", "1"), "9") << noRiver << "500.0" << 9.0 << "";
    IntensityForm sum = tComputed(formula(1, "5000", "38"), "5");
    sum.Option5 = true;
    sum.txt9 = "7";
    QTest::newRow("t = t1 5 + t2 7") << sum << noRiver << "100.0" << 12.0 << "";
    IntensityForm channel = tComputed(formula(1, "5000", "40"), "5");
    channel.Option6 = true;
    channel.txt4 = "600";
    channel.txt5 = "2";
    QTest::newRow("t2 = 600/(60·2) = 5") << channel << noRiver << "100.0" << 10.0 << "";
    IntensityForm river = tComputed(formula(1, "1000", "0"), "0");
    river.Option6 = true;
    river.chk1 = 1;
    QTest::newRow("river after development: 3.6")
        << river << RiverTimeForm{false, true, "1", "0.01"} << "277.8" << 3.6 << "";
    // Undefined values are refused, never handed back.
    QTest::newRow("① t + b = 0") << tDirect(formula(1, "5000", "-10"), "10") << noRiver << "" << 10.0
                                 << "降雨強度式の分母が０になります。定数ｂ及び到達時間を確認してください。";
    QTest::newRow("③ √t − b = 0") << tDirect(formula(3, "1000", "3"), "9") << noRiver << "" << 9.0
                                  << "降雨強度式の分母が０になります。定数ｂ及び到達時間を確認してください。";
    QTest::newRow("④ t = 0") << tDirect(formula(4, "500", "0.5"), "0") << noRiver << "" << 0.0
                             << "この到達時間では降雨強度式の値が求まりません。到達時間を確認してください。";
    IntensityForm c0 = formula(5, "1000", "2");
    c0.txt6 = "0";
    c0.txt7 = "1";
    QTest::newRow("⑤ c = 0") << tDirect(c0, "64") << noRiver << "" << 64.0
                             << "定数ｃが０のため、降雨強度を計算できません。";
    channel.txt5 = "0";
    QTest::newRow("V = 0") << channel << noRiver << "" << 0.0 << "流速が０のため、流下時間を計算できません。";
    QTest::newRow("river gradient 0") << river << RiverTimeForm{true, false, "1", "0"} << "" << 0.0
                                      << "河道の勾配が０以下のため、流下時間を計算できません。";
}

void TestIntensity::compute()
{
    QFETCH(IntensityForm, form);
    QFETCH(RiverTimeForm, river);
    QFETCH(QString, text);
    QFETCH(double, t);
    QFETCH(QString, message);
    IntensityInputs in;
    const IntensityOutcome out = computeIntensity(stateOf(form), river, in);
    if (message.isEmpty()) {
        QVERIFY2(!out.refusal, qPrintable(out.refusal ? out.refusal->message : QString()));
        QCOMPARE(out.intensityText, text);
        QVERIFY(qAbs(in.concentrationTime - t) < 1e-9);
    } else {
        QVERIFY(out.refusal.has_value());
        QCOMPARE(out.refusal->message, message);
        QVERIFY(out.intensityText.isEmpty());
    }
}

void TestIntensity::riverWithoutStateKeepsPreviousT2()
{
    IntensityForm f = tComputed(formula(1, "1000", "0"), "2");
    f.Option6 = true;
    f.chk1 = 1;
    IntensityInputs in;
    in.flowTime = 8;
    const IntensityOutcome out = computeIntensity(stateOf(f), RiverTimeForm{false, false, "1", "0.01"}, in);
    QVERIFY(!out.refusal);
    QCOMPARE(in.flowTime, 8.0);
    QCOMPARE(in.concentrationTime, 10.0);
    // Before development with Lr 1 km and i 0.01: 0.83 / 0.01^0.6 = 13.15 min.
    computeIntensity(stateOf(f), RiverTimeForm{true, false, "1", "0.01"}, in);
    QVERIFY(qAbs(in.flowTime - 13.1546) < 1e-3);
}

void TestIntensity::formulaChoiceEmptiesConstants()
{
    IntensityState s;
    IntensityRules::chooseFormula(s, 1);
    s.form.txt1 = "5000";
    s.form.txt2 = "40";
    QVERIFY(!s.cdVisible);
    IntensityRules::chooseFormula(s, 5);
    QVERIFY(s.form.txt1.isEmpty() && s.form.txt2.isEmpty());
    QVERIFY(s.cdVisible);
    QCOMPARE(chosenFormula(s.form), 5);
    QVERIFY(s.form.opt5 && !s.form.opt1);
    s.form.txt6 = "2";
    IntensityRules::chooseFormula(s, 3);
    QVERIFY(s.form.txt6.isEmpty());
    QVERIFY(!s.cdVisible);
    QVERIFY(s.form.opt2); // ③ is the option opt2
}

void TestIntensity::timeModes()
{
    IntensityState s;
    IntensityEffect e = IntensityRules::chooseTDirect(s);
    QVERIFY(s.tLineVisible && !s.t1GroupVisible && !s.t2GroupVisible && s.tFramed);
    QCOMPARE(e.focus, IntensityFocus::T);
    s.form.txt8 = "10";
    s.form.txt3 = "5";
    s.form.txt9 = "7";
    s.form.txt4 = "600";
    s.form.txt5 = "2";
    s.form.Option1 = s.form.Option5 = true;
    IntensityRules::chooseTComputed(s);
    QVERIFY(s.t1GroupVisible && s.t2GroupVisible && !s.velocityVisible && !s.lengthVisible);
    QVERIFY(s.tLineVisible); // t shows the sum, flat
    QVERIFY(s.form.txt8.isEmpty() && s.form.txt3.isEmpty() && s.form.txt9.isEmpty());
    QVERIFY(s.form.txt4.isEmpty() && s.form.txt5.isEmpty());
    QVERIFY(!s.form.Option1 && !s.form.Option5 && !s.form.Option6);
    QVERIFY(!s.tFramed && !s.t1Framed && !s.t2Framed);
    e = IntensityRules::chooseT2Computed(s);
    QVERIFY(s.velocityVisible && s.lengthVisible && s.figureVisible && !s.t2Framed && !s.vFramed);
    e = IntensityRules::chooseT1Direct(s);
    QVERIFY(e.discardInflow && s.t1Framed && s.form.Option1);
    s.form.txt4 = "600";
    e = IntensityRules::chooseT2Direct(s);
    QVERIFY(e.discardRiver && s.form.Option5 && !s.form.Option6 && s.t2Framed);
    QVERIFY(!s.velocityVisible && !s.lengthVisible && s.form.txt4.isEmpty());
    QCOMPARE(e.focus, IntensityFocus::T2);
    e = IntensityRules::chooseTDirect(s);
    QVERIFY(!s.form.Option6 && !s.form.Option7);
}

void TestIntensity::riverCourseToggle()
{
    IntensityState s;
    IntensityRules::chooseTComputed(s);
    IntensityRules::chooseT2Computed(s);
    IntensityRules::chooseAssumedVelocity(s);
    s.form.txt4 = "600";
    s.form.txt5 = "2";
    IntensityRules::setRiverCourse(s, true);
    QCOMPARE(s.form.chk1, 1);
    QVERIFY(s.form.Option6 && !s.form.Option7 && !s.form.Option8);
    QVERIFY(!s.velocityVisible && !s.lengthVisible && !s.figureVisible);
    QVERIFY(s.form.txt4.isEmpty() && s.form.txt5.isEmpty());
    QVERIFY(s.sourceVisible && s.riverButtonVisible);
    QCOMPARE(s.form.lbl1, QStringLiteral("茨城県宅地開発関係資料集による(茨城県土木部都市局建築指導課)"));
    const IntensityEffect e = IntensityRules::setRiverCourse(s, false);
    QCOMPARE(s.form.chk1, 0);
    QVERIFY(s.form.Option5 && !s.form.Option6);
    QVERIFY(s.form.lbl1.isEmpty() && !s.sourceVisible && !s.riverButtonVisible && s.figureVisible);
    QVERIFY(e.discardRiver);
    QCOMPARE(e.focus, IntensityFocus::T2);
}

void TestIntensity::riverCancelReturnsToChannelFormula()
{
    IntensityState s;
    IntensityRules::chooseTComputed(s);
    IntensityRules::setRiverCourse(s, true);
    s.form.txt9 = "3";
    const IntensityEffect e = IntensityRules::riverCancelled(s);
    QCOMPARE(s.form.chk1, 0);
    QVERIFY(s.form.Option6 && !s.form.Option5 && !s.form.Option7 && !s.form.Option8);
    QVERIFY(s.velocityVisible && s.lengthVisible && s.figureVisible && !s.sourceVisible);
    QVERIFY(s.form.txt9.isEmpty());
    QCOMPARE(e.focus, IntensityFocus::L);
}

void TestIntensity::handBacksOfHelpers()
{
    IntensityState s;
    IntensityRules::acceptInflowTime(s, "20.12");
    QVERIFY(s.form.Option2 && !s.form.Option1 && !s.t1Framed);
    QCOMPARE(s.form.txt3, QStringLiteral("20.12"));
    IntensityRules::chooseAssumedVelocity(s);
    IntensityRules::acceptVelocity(s, "0.8595");
    QVERIFY(s.form.Option8 && !s.form.Option7 && !s.vFramed);
    QCOMPARE(s.form.txt5, QStringLiteral("0.8595"));
}

namespace {

template <class T> T *child(QWidget &w, const char *name)
{
    auto *c = w.findChild<T *>(QString::fromLatin1(name));
    if (!c)
        qFatal("no child %s", name);
    return c;
}

void type(QWidget &w, const char *name, const QString &text)
{
    QLineEdit *e = child<QLineEdit>(w, name);
    e->clear();
    QTest::keyClicks(e, text);
}

} // namespace

void TestIntensity::screenOkHandsBackI()
{
    test::FakePlatformServices fake;
    test::FakePlatformServices::Scope scope(fake);
    DesignCase design;
    IntensityScreen screen(design);
    screen.openScreen();
    QSignalSpy confirmed(&screen, &IntensityScreen::intensityConfirmed);
    QSignalSpy status(&screen, &IntensityScreen::statusTextRequested);
    child<QRadioButton>(screen, "opt1")->click();
    type(screen, "txt1", "5000");
    type(screen, "txt2", "40");
    child<QRadioButton>(screen, "Option3")->click();
    QVERIFY(child<QLineEdit>(screen, "txt8")->isVisible());
    QVERIFY(!child<QLineEdit>(screen, "txt6")->isVisible());
    type(screen, "txt8", "10");
    child<QPushButton>(screen, "cmd1")->click();
    QVERIFY2(fake.messages.isEmpty(), qPrintable(fake.lastMessageText()));
    QCOMPARE(confirmed.count(), 1);
    QCOMPARE(confirmed.at(0).at(0).toString(), QStringLiteral("100.0"));
    QCOMPARE(status.last().at(0).toString(), intensityDoneStatusText());
    QVERIFY(screen.isHidden());
    QCOMPARE(design.intensity.concentrationTime, 10.0);
    // Hidden, not destroyed: the entries are still there.
    screen.openScreen();
    QCOMPARE(child<QLineEdit>(screen, "txt1")->text(), QStringLiteral("5000"));
}

void TestIntensity::screenFirstCheckSelectsFormula1()
{
    test::FakePlatformServices fake;
    test::FakePlatformServices::Scope scope(fake);
    DesignCase design;
    IntensityScreen screen(design);
    screen.openScreen();
    child<QPushButton>(screen, "cmd1")->click();
    QCOMPARE(fake.lastMessageText(), QStringLiteral("降雨強度式を選択してください。"));
    QCOMPARE(fake.messages.last().title, QStringLiteral("エラーメッセージ"));
    QVERIFY(child<QRadioButton>(screen, "opt1")->isChecked());
    QVERIFY(screen.isVisible());
}

void TestIntensity::screenCheck14OpensRiverScreen()
{
    test::FakePlatformServices fake;
    test::FakePlatformServices::Scope scope(fake);
    DesignCase design;
    IntensityScreen screen(design);
    screen.openScreen();
    child<QRadioButton>(screen, "opt1")->click();
    type(screen, "txt1", "1000");
    type(screen, "txt2", "0");
    child<QRadioButton>(screen, "Option4")->click();
    child<QRadioButton>(screen, "Option1")->click();
    type(screen, "txt3", "0");
    child<QRadioButton>(screen, "Option6")->click();
    child<QCheckBox>(screen, "chk1")->click();
    QVERIFY(child<QPushButton>(screen, "cmd3")->isVisible());
    QVERIFY(!child<QLineEdit>(screen, "txt4")->isVisible());
    child<QPushButton>(screen, "cmd1")->click();
    QCOMPARE(fake.lastMessageText(), QStringLiteral("流下時間の項目を入力してください。"));
    QVERIFY(screen.riverTimeScreen() && screen.riverTimeScreen()->isVisible());
    // River screen: the state is asked first.
    RiverTimeScreen *river = screen.riverTimeScreen();
    type(*river, "txt1", "1");
    child<QPushButton>(*river, "cmd1")->click();
    QCOMPARE(fake.lastMessageText(), QStringLiteral("開発の前または後を選択してください。"));
    child<QRadioButton>(*river, "opt2")->click();
    type(*river, "txt2", "0.01");
    child<QPushButton>(*river, "cmd1")->click();
    QVERIFY(river->isHidden());
    QSignalSpy confirmed(&screen, &IntensityScreen::intensityConfirmed);
    child<QPushButton>(screen, "cmd1")->click();
    QCOMPARE(confirmed.count(), 1);
    QCOMPARE(confirmed.at(0).at(0).toString(), QStringLiteral("277.8"));
    // Unchecking the river course discards the river screen.
    screen.openScreen();
    child<QCheckBox>(screen, "chk1")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!screen.riverTimeScreen());
    QVERIFY(screen.riverForm().txt1.isEmpty());
    QVERIFY(child<QRadioButton>(screen, "Option5")->isChecked());
}

void TestIntensity::screenUndefinedValueIsRefused()
{
    test::FakePlatformServices fake;
    test::FakePlatformServices::Scope scope(fake);
    DesignCase design;
    IntensityScreen screen(design);
    screen.openScreen();
    QSignalSpy confirmed(&screen, &IntensityScreen::intensityConfirmed);
    child<QRadioButton>(screen, "opt1")->click();
    type(screen, "txt1", "5000");
    type(screen, "txt2", "-10");
    child<QRadioButton>(screen, "Option3")->click();
    type(screen, "txt8", "10");
    child<QPushButton>(screen, "cmd1")->click();
    QCOMPARE(fake.lastMessageText(),
             QStringLiteral("降雨強度式の分母が０になります。定数ｂ及び到達時間を確認してください。"));
    QCOMPARE(confirmed.count(), 0);
    QVERIFY(screen.isVisible());
    QCOMPARE(screen.focusWidget(), child<QLineEdit>(screen, "txt2"));
}

void TestIntensity::screenCancelChangesNothing()
{
    DesignCase design;
    IntensityScreen screen(design);
    screen.openScreen();
    QSignalSpy cancelled(&screen, &IntensityScreen::intensityCancelled);
    QSignalSpy confirmed(&screen, &IntensityScreen::intensityConfirmed);
    child<QRadioButton>(screen, "opt4")->click();
    child<QPushButton>(screen, "cmd2")->click();
    QCOMPARE(cancelled.count(), 1);
    QCOMPARE(confirmed.count(), 0);
    QVERIFY(screen.isHidden());
    QVERIFY(screen.form().opt4);
}

void TestIntensity::screenVelocityAndInflowHandBack()
{
    test::FakePlatformServices fake;
    test::FakePlatformServices::Scope scope(fake);
    DesignCase design;
    IntensityScreen screen(design);
    screen.openScreen();
    QSignalSpy velocityAsked(&screen, &IntensityScreen::velocityCalculatorRequested);
    child<QRadioButton>(screen, "Option4")->click();
    child<QRadioButton>(screen, "Option6")->click();
    child<QRadioButton>(screen, "Option8")->click();
    QCOMPARE(velocityAsked.count(), 1);
    QVERIFY(!child<QRadioButton>(screen, "Option8")->isChecked()); // only the calculator sets it
    screen.acceptVelocity("1.50");
    QVERIFY(child<QRadioButton>(screen, "Option8")->isChecked());
    QCOMPARE(child<QLineEdit>(screen, "txt5")->text(), QStringLiteral("1.50"));
    QVERIFY(!child<QLineEdit>(screen, "txt5")->hasFrame());

    // t1 by the inflow time screen: Ls 100, S 20, n 0.40 gives 20.12.
    child<QRadioButton>(screen, "Option2")->click();
    InflowTimeScreen *inflow = screen.inflowTimeScreen();
    QVERIFY(inflow && inflow->isVisible());
    QVERIFY(!child<QRadioButton>(screen, "Option2")->isChecked());
    type(*inflow, "txt1", "100");
    child<QPushButton>(*inflow, "cmd1")->click();
    QCOMPARE(fake.lastMessageText(), QStringLiteral("斜面勾配を入力してください。"));
    type(*inflow, "txt2", "20");
    type(*inflow, "txt3", "0.40");
    child<QPushButton>(*inflow, "cmd1")->click();
    QVERIFY(inflow->isHidden());
    QCOMPARE(child<QLineEdit>(screen, "txt3")->text(), QStringLiteral("20.12"));
    QVERIFY(child<QRadioButton>(screen, "Option2")->isChecked());
    QVERIFY(design.intensity.slopeLength.has_value());
    QCOMPARE(*design.intensity.slopeGradient, 20.0);
    // Clicking the t1 field discards the inflow screen and its fields.
    QTest::mouseClick(child<QLineEdit>(screen, "txt3"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!screen.inflowTimeScreen());
    QVERIFY(child<QRadioButton>(screen, "Option1")->isChecked());
    QVERIFY(screen.inflowForm().txt1.isEmpty());
}

QTEST_MAIN(TestIntensity)
#include "tst_intensity.moc"
