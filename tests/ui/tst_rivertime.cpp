// The river flow time screen: its checks in order and the refusal of a gradient for which the river
// formula has no value.
#include "fakeplatformservices.h"
#include "session/rivertimerules.h"
#include "ui/calculators/rivertimescreen.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

using namespace niruka;

Q_DECLARE_METATYPE(niruka::RiverTimeForm)

class TestRiverTime : public QObject {
    Q_OBJECT
private slots:
    void rules_data();
    void rules();
    void screenOkHidesAndKeeps();
};

void TestRiverTime::rules_data()
{
    QTest::addColumn<RiverTimeForm>("form");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("field");
    QTest::newRow("length but no state: state first")
        << RiverTimeForm{false, false, "1", ""} << "開発の前または後を選択してください。" << 0;
    QTest::newRow("length empty") << RiverTimeForm{true, false, "", "0.01"} << "河道延長を入力してください。"
                                  << 1;
    QTest::newRow("gradient empty") << RiverTimeForm{false, true, "1", ""} << "河道の勾配を入力してください。"
                                    << 2;
    QTest::newRow("gradient 0") << RiverTimeForm{true, false, "1", "0"}
                                << "河道の勾配が０以下のため、流下時間を計算できません。" << 2;
    QTest::newRow("gradient not a number reads 0")
        << RiverTimeForm{false, true, "1", "abc"} << "河道の勾配が０以下のため、流下時間を計算できません。"
        << 2;
    QTest::newRow("complete") << RiverTimeForm{true, false, "1", "0.01"} << "" << 0;
}

void TestRiverTime::rules()
{
    QFETCH(RiverTimeForm, form);
    QFETCH(QString, message);
    QFETCH(int, field);
    const std::optional<RiverRefusal> r = validateRiverTime(form);
    if (message.isEmpty()) {
        QVERIFY2(!r, qPrintable(r ? r->message : QString()));
        return;
    }
    QVERIFY(r.has_value());
    QCOMPARE(r->message, message);
    QCOMPARE(static_cast<int>(r->field), field);
}

void TestRiverTime::screenOkHidesAndKeeps()
{
    test::FakePlatformServices fake;
    test::FakePlatformServices::Scope scope(fake);
    RiverTimeScreen screen;
    screen.show();
    QSignalSpy ok(&screen, &RiverTimeScreen::riverTimeConfirmed);
    screen.findChild<QPushButton *>("cmd1")->click();
    QCOMPARE(fake.lastMessageText(), QStringLiteral("開発の前または後を選択してください。"));
    QCOMPARE(screen.focusWidget(), screen.findChild<QRadioButton *>("opt1"));
    screen.setForm(RiverTimeForm{true, false, "1.5", "0.02"});
    screen.findChild<QPushButton *>("cmd1")->click();
    QCOMPARE(ok.count(), 1);
    QVERIFY(screen.isHidden());
    const RiverTimeForm f = screen.form();
    QVERIFY(f.opt1 && !f.opt2);
    QCOMPARE(f.txt1, QStringLiteral("1.5"));
    // Neither state can be restored too.
    screen.setForm(RiverTimeForm{});
    QVERIFY(!screen.form().opt1 && !screen.form().opt2);
}

QTEST_MAIN(TestRiverTime)
#include "tst_rivertime.moc"
