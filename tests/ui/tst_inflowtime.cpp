// The inflow time screen: its three checks in order, t1 on the worked examples as the intensity screen
// shows it, refusal of a slope gradient without a defined result, and cancel discarding the entries.
#include "fakeplatformservices.h"
#include "session/inflowtimerules.h"
#include "ui/calculators/inflowtimescreen.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace niruka;

class TestInflowTime : public QObject {
    Q_OBJECT
private slots:
    void rules_data();
    void rules();
    void screenOkKeepsNumbersAndHides();
    void screenCancelAsksForDiscard();
};

void TestInflowTime::rules_data()
{
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("gradient");
    QTest::addColumn<QString>("retardance");
    QTest::addColumn<QString>("text");    // t1 as handed back
    QTest::addColumn<QString>("message"); // refusal
    QTest::addColumn<int>("field");

    QTest::newRow("all empty: length first") << ""
                                             << ""
                                             << ""
                                             << ""
                                             << "斜面距離を入力してください。" << 0;
    QTest::newRow("gradient empty") << "100"
                                    << ""
                                    << ""
                                    << ""
                                    << "斜面勾配を入力してください。" << 1;
    QTest::newRow("retardance empty") << "100"
                                      << "20"
                                      << ""
                                      << ""
                                      << "遅滞係数を入力してください。" << 2;
    QTest::newRow("grass slope: 20.12") << "100"
                                        << "20"
                                        << "0.40"
                                        << "20.12"
                                        << "" << 0;
    QTest::newRow("impervious slope: 2.47") << "50"
                                            << "100"
                                            << "0.02"
                                            << "2.47"
                                            << "" << 0;
    QTest::newRow("one decimal when the second is 0") << "100"
                                                      << "20"
                                                      << "0.4"
                                                      << "20.12"
                                                      << "" << 0;
    QTest::newRow("gradient 0 is refused") << "100"
                                           << "0"
                                           << "0.4"
                                           << ""
                                           << "斜面勾配が０以下のため、流入時間を計算できません。" << 1;
    QTest::newRow("negative gradient is refused")
        << "100"
        << "-5"
        << "0.4"
        << ""
        << "斜面勾配が０以下のため、流入時間を計算できません。" << 1;
}

void TestInflowTime::rules()
{
    QFETCH(QString, length);
    QFETCH(QString, gradient);
    QFETCH(QString, retardance);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(int, field);
    const InflowOutcome out = computeInflowTimeScreen(InflowTimeForm{length, gradient, retardance});
    if (message.isEmpty()) {
        QVERIFY2(!out.refusal, qPrintable(out.refusal ? out.refusal->message : QString()));
        QCOMPARE(out.inflowTimeText, text);
    } else {
        QVERIFY(out.refusal.has_value());
        QCOMPARE(out.refusal->message, message);
        QCOMPARE(static_cast<int>(out.refusal->field), field);
    }
}

void TestInflowTime::screenOkKeepsNumbersAndHides()
{
    test::FakePlatformServices fake;
    test::FakePlatformServices::Scope scope(fake);
    IntensityInputs inputs;
    InflowTimeScreen screen(inputs);
    screen.show();
    QSignalSpy done(&screen, &InflowTimeScreen::inflowTimeCalculated);
    screen.setForm(InflowTimeForm{"100", "20", ""});
    screen.findChild<QPushButton *>("cmd1")->click();
    QCOMPARE(fake.lastMessageText(), QStringLiteral("遅滞係数を入力してください。"));
    QCOMPARE(screen.focusWidget(), screen.findChild<QLineEdit *>("txt3"));
    QVERIFY(!inputs.slopeLength);
    screen.findChild<QLineEdit *>("txt3")->setText("0.40");
    screen.findChild<QPushButton *>("cmd1")->click();
    QCOMPARE(done.count(), 1);
    QCOMPARE(done.at(0).at(0).toString(), QStringLiteral("20.12"));
    QVERIFY(screen.isHidden());
    QCOMPARE(*inputs.slopeLength, 100.0);
    QCOMPARE(*inputs.retardance, 0.4);
    QVERIFY(qAbs(inputs.inflowTime - 20.116) < 1e-3);
    QCOMPARE(screen.form().txt2, QStringLiteral("20"));
}

void TestInflowTime::screenCancelAsksForDiscard()
{
    IntensityInputs inputs;
    InflowTimeScreen screen(inputs);
    screen.show();
    QSignalSpy discard(&screen, &InflowTimeScreen::discardRequested);
    QSignalSpy done(&screen, &InflowTimeScreen::inflowTimeCalculated);
    screen.findChild<QPushButton *>("cmd2")->click();
    QCOMPARE(discard.count(), 1);
    QCOMPARE(done.count(), 0);
}

QTEST_MAIN(TestInflowTime)
#include "tst_inflowtime.moc"
