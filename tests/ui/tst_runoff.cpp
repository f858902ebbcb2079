// The weighted runoff coefficient: the toggle of the land-use boxes, the check of row ①, the average
// handed back as text, and the screen's hide-not-destroy behaviour.
#include "fakeplatformservices.h"
#include "session/runoffrules.h"
#include "ui/calculators/runoffscreen.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace niruka;

Q_DECLARE_METATYPE(niruka::RunoffRows)

namespace {

RunoffRows rowsOf(std::initializer_list<RunoffRowTexts> list)
{
    RunoffRows rows;
    std::size_t i = 0;
    for (const RunoffRowTexts &r : list)
        rows[i++] = r;
    return rows;
}

QString namesOf(const RunoffRows &rows)
{
    QStringList names;
    for (const RunoffRowTexts &r : rows)
        names << r.name;
    return names.join(QLatin1Char('|'));
}

} // namespace

class TestRunoff : public QObject {
    Q_OBJECT
private slots:
    void choiceTable();
    void toggle_data();
    void toggle();
    void toggleKeepsCoefficientAndAreaOfFreeRow();
    void confirm_data();
    void confirm();
    void screenOkHandsBackAndHides();
    void screenRefusalKeepsScreenOpen();
    void screenCancelReadsNothing();
    void screenSeventhBoxChangesNothing();
    void screenFormRestoresBoxesThroughToggle();
    void screenDiscardEmptiesEverything();
};

void TestRunoff::choiceTable()
{
    const auto &c = landUseChoices();
    QCOMPARE(c.size(), std::size_t(19));
    // The four row texts that differ from their captions.
    QCOMPARE(c[3].rowText, QStringLiteral("水  面"));
    QCOMPARE(c[3].caption, QStringLiteral("水　面"));
    QCOMPARE(c[5].rowText, QStringLiteral("芝､樹木の多い公園"));
    QCOMPARE(c[10].rowText, QStringLiteral("畑・原野"));
    QCOMPARE(c[10].caption, QStringLiteral("畑 ・ 原野"));
    QCOMPARE(c[11].rowText, QStringLiteral("水  田"));
    QCOMPARE(QString::fromLatin1(c[18].objectName), QStringLiteral("chk_u4"));
    QCOMPARE(c[18].reference, QStringLiteral("0.9～1.0"));
}

void TestRunoff::toggle_data()
{
    QTest::addColumn<RunoffRows>("before");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<int>("changedRow"); // -1: nothing
    QTest::addColumn<QString>("names");

    QTest::newRow("first box into an empty screen")
        << RunoffRows{} << QStringLiteral("屋　根") << true << 0 << QStringLiteral("屋　根|||||");
    QTest::newRow("gap row ② filled before ④")
        << rowsOf({{QStringLiteral("道　路"), {}, {}}, {}, {QStringLiteral("間　地"), {}, {}}})
        << QStringLiteral("屋　根") << true << 1 << QStringLiteral("道　路|屋　根|間　地|||");
    const RunoffRows full =
        rowsOf({{"a", {}, {}}, {"b", {}, {}}, {"c", {}, {}}, {"d", {}, {}}, {"e", {}, {}}, {"f", {}, {}}});
    QTest::newRow("six rows full: checking changes nothing")
        << full << QStringLiteral("林　地") << true << -1 << QStringLiteral("a|b|c|d|e|f");
    QTest::newRow("six rows full: unchecking an unwritten box changes nothing")
        << full << QStringLiteral("林　地") << false << -1 << QStringLiteral("a|b|c|d|e|f");
    QTest::newRow("duplicate names: only the first is emptied")
        << rowsOf({{QStringLiteral("林　地"), {}, {}},
                   {QStringLiteral("草　地"), {}, {}},
                   {QStringLiteral("林　地"), {}, {}}})
        << QStringLiteral("林　地") << false << 0 << QStringLiteral("|草　地|林　地|||");
    QTest::newRow("unchecking matches the row text, not the caption")
        << rowsOf({{QStringLiteral("水　面"), {}, {}}, {QStringLiteral("水  面"), {}, {}}})
        << QStringLiteral("水  面") << false << 1 << QStringLiteral("水　面|||||");
    QTest::newRow("no matching row") << rowsOf({{QStringLiteral("屋　根"), {}, {}}})
                                     << QStringLiteral("道　路") << false << -1
                                     << QStringLiteral("屋　根|||||");
}

void TestRunoff::toggle()
{
    QFETCH(RunoffRows, before);
    QFETCH(QString, text);
    QFETCH(bool, checked);
    QFETCH(int, changedRow);
    QFETCH(QString, names);
    const std::optional<int> changed = toggleLandUse(before, text, checked);
    QCOMPARE(changed.value_or(-1), changedRow);
    QCOMPARE(namesOf(before), names);
}

void TestRunoff::toggleKeepsCoefficientAndAreaOfFreeRow()
{
    RunoffRows rows = rowsOf({{{}, QStringLiteral("0.5"), QStringLiteral("100")}});
    toggleLandUse(rows, QStringLiteral("屋　根"), true);
    QCOMPARE(rows[0].coeff, QStringLiteral("0.5"));
    QCOMPARE(rows[0].area, QStringLiteral("100"));
    toggleLandUse(rows, QStringLiteral("屋　根"), false);
    QVERIFY(rows[0].coeff.isEmpty() && rows[0].area.isEmpty());
}

void TestRunoff::confirm_data()
{
    QTest::addColumn<RunoffRows>("rows");
    QTest::addColumn<QString>("message"); // empty: accepted
    QTest::addColumn<int>("field");       // RunoffField of the refusal
    QTest::addColumn<QString>("coeffText");
    QTest::addColumn<QString>("areaText");

    QTest::newRow("row ① without a name")
        << rowsOf({{{}, "0.9", "300"}}) << QStringLiteral("土地利用形態を入力してください。") << 0 << ""
        << "";
    QTest::newRow("row ① without a coefficient")
        << rowsOf({{"x", "", "300"}}) << QStringLiteral("流出係数を入力してください。") << 1 << ""
        << "";
    QTest::newRow("row ① coefficient not a number")
        << rowsOf({{"x", "abc", "300"}}) << QStringLiteral("流出係数を入力してください。") << 1 << ""
        << "";
    QTest::newRow("row ① without an area")
        << rowsOf({{"x", "0.9", ""}}) << QStringLiteral("流域面積を入力してください。") << 2 << ""
        << "";
    QTest::newRow("name is checked before the coefficient")
        << rowsOf({{{}, {}, {}}}) << QStringLiteral("土地利用形態を入力してください。") << 0 << ""
        << "";
    QTest::newRow("roof and open ground: 0.41 over 1000.00")
        << rowsOf({{QStringLiteral("屋　根"), "0.9", "300"}, {QStringLiteral("間　地"), "0.2", "700"}}) << ""
        << 0 << "0.41"
        << "1000.00";
    QTest::newRow("three equal areas: 0.567")
        << rowsOf({{"a", "0.9", "100"}, {"b", "0.3", "100"}, {"c", "0.5", "100"}}) << "" << 0 << "0.567"
        << "300.00";
    QTest::newRow("an area without coefficient lowers C")
        << rowsOf({{"a", "0.8", "100"}, {"b", "", "100"}}) << "" << 0 << "0.4"
        << "200.00";
    QTest::newRow("unnamed rows count too")
        << rowsOf({{"a", "0.5", "100"}, {{}, "1", "100"}}) << "" << 0 << "0.75"
        << "200.00";
    QTest::newRow("leading blanks are skipped") << rowsOf({{"a", " 0.625", " 12.345"}}) << "" << 0 << "0.625"
                                                << "12.35";
    QTest::newRow("total area 0 is refused, never handed back")
        << rowsOf({{"a", "0.5", "100"}, {"b", "0.5", "-100"}})
        << QStringLiteral("流域面積の合計が０のため、加重平均を計算できません。") << 2 << ""
        << "";
}

void TestRunoff::confirm()
{
    QFETCH(RunoffRows, rows);
    QFETCH(QString, message);
    QFETCH(int, field);
    QFETCH(QString, coeffText);
    QFETCH(QString, areaText);
    const RunoffOutcome out = confirmRunoff(rows);
    if (message.isEmpty()) {
        QVERIFY2(!out.refusal, qPrintable(out.refusal ? out.refusal->message : QString()));
        QCOMPARE(out.coeffText, coeffText);
        QCOMPARE(out.areaText, areaText);
    } else {
        QVERIFY(out.refusal.has_value());
        QCOMPARE(out.refusal->message, message);
        QCOMPARE(static_cast<int>(out.refusal->field), field);
        QCOMPARE(out.refusal->row, 0);
    }
}

namespace {

QLineEdit *field(QWidget &w, const QString &name)
{
    auto *f = w.findChild<QLineEdit *>(name);
    if (!f)
        qFatal("no field %s", qPrintable(name));
    return f;
}

QCheckBox *box(QWidget &w, const QString &name)
{
    auto *b = w.findChild<QCheckBox *>(name);
    if (!b)
        qFatal("no box %s", qPrintable(name));
    return b;
}

void click(QWidget &w, const QString &button)
{
    auto *b = w.findChild<QPushButton *>(button);
    if (!b)
        qFatal("no button %s", qPrintable(button));
    b->click();
}

} // namespace

void TestRunoff::screenOkHandsBackAndHides()
{
    test::FakePlatformServices fake;
    test::FakePlatformServices::Scope scope(fake);
    DesignCase design;
    RunoffScreen screen(design);
    screen.openScreen();
    QSignalSpy confirmed(&screen, &RunoffScreen::runoffConfirmed);
    QSignalSpy status(&screen, &RunoffScreen::statusTextRequested);
    box(screen, "chk_k1")->setChecked(true);
    box(screen, "chk_k5")->setChecked(true);
    QCOMPARE(field(screen, "txt_t1")->text(), QStringLiteral("屋　根"));
    QCOMPARE(field(screen, "txt_t2")->text(), QStringLiteral("間　地"));
    field(screen, "txt_c1")->setText("0.9");
    field(screen, "txt_a1")->setText("300");
    field(screen, "txt_c2")->setText("0.2");
    field(screen, "txt_a2")->setText("700");
    click(screen, "cmd1");
    QVERIFY(fake.messages.isEmpty());
    QCOMPARE(confirmed.count(), 1);
    QCOMPARE(confirmed.at(0).at(0).toString(), QStringLiteral("0.41"));
    QCOMPARE(confirmed.at(0).at(1).toString(), QStringLiteral("1000.00"));
    QCOMPARE(status.last().at(0).toString(), runoffConfirmStatusText());
    QVERIFY(screen.isHidden());
    QCOMPARE(design.runoffCoeff, 0.41);
    QCOMPARE(design.catchmentArea, 1000.0);
    QCOMPARE(design.landUseRows[1].name, QStringLiteral("間　地"));
    // Hidden, not destroyed: reopening shows the same rows.
    screen.openScreen();
    QCOMPARE(field(screen, "txt_a2")->text(), QStringLiteral("700"));
    QVERIFY(box(screen, "chk_k5")->isChecked());
}

void TestRunoff::screenRefusalKeepsScreenOpen()
{
    test::FakePlatformServices fake;
    test::FakePlatformServices::Scope scope(fake);
    DesignCase design;
    design.runoffCoeff = 0.3;
    RunoffScreen screen(design);
    screen.openScreen();
    QSignalSpy confirmed(&screen, &RunoffScreen::runoffConfirmed);
    field(screen, "txt_t1")->setText("typed");
    field(screen, "txt_c1")->setText("0.5");
    field(screen, "txt_a2")->setText("50");
    click(screen, "cmd1");
    QCOMPARE(fake.messages.size(), 1);
    QCOMPARE(fake.messages[0].title, QStringLiteral("エラーメッセージ"));
    QCOMPARE(fake.messages[0].text, QStringLiteral("流域面積を入力してください。"));
    QCOMPARE(confirmed.count(), 0);
    QVERIFY(screen.isVisible());
    QCOMPARE(screen.focusWidget(), field(screen, "txt_a1"));
    // The rows were read, C and A were not stored.
    QCOMPARE(design.landUseRows[0].name, QStringLiteral("typed"));
    QCOMPARE(design.landUseRows[1].area, 50.0);
    QCOMPARE(design.runoffCoeff, 0.3);
}

void TestRunoff::screenCancelReadsNothing()
{
    test::FakePlatformServices fake;
    test::FakePlatformServices::Scope scope(fake);
    DesignCase design;
    RunoffScreen screen(design);
    screen.openScreen();
    QSignalSpy cancelled(&screen, &RunoffScreen::runoffCancelled);
    QSignalSpy status(&screen, &RunoffScreen::statusTextRequested);
    field(screen, "txt_t1")->setText("x");
    click(screen, "cmd2");
    QCOMPARE(cancelled.count(), 1);
    QCOMPARE(status.last().at(0).toString(), runoffCancelStatusText());
    QVERIFY(screen.isHidden());
    QVERIFY(design.landUseRows[0].name.isEmpty());
    QCOMPARE(field(screen, "txt_t1")->text(), QStringLiteral("x"));
}

void TestRunoff::screenSeventhBoxChangesNothing()
{
    DesignCase design;
    RunoffScreen screen(design);
    for (const char *name : {"chk_k1", "chk_k2", "chk_k3", "chk_k4", "chk_k5", "chk_k6"})
        box(screen, name)->setChecked(true);
    QCOMPARE(field(screen, "txt_t6")->text(), QStringLiteral("芝､樹木の多い公園"));
    const RunoffRows before = screen.rows();
    box(screen, "chk_t1")->setChecked(true);
    QCOMPARE(namesOf(screen.rows()), namesOf(before));
    box(screen, "chk_t1")->setChecked(false);
    QCOMPARE(namesOf(screen.rows()), namesOf(before));
    // Unchecking a written box empties its row; the next box fills that gap.
    field(screen, "txt_c3")->setText("0.8");
    box(screen, "chk_k3")->setChecked(false);
    QVERIFY(field(screen, "txt_t3")->text().isEmpty());
    QVERIFY(field(screen, "txt_c3")->text().isEmpty());
    box(screen, "chk_u2")->setChecked(true);
    QCOMPARE(field(screen, "txt_t3")->text(), QStringLiteral("草　地"));
}

void TestRunoff::screenFormRestoresBoxesThroughToggle()
{
    DesignCase design;
    RunoffScreen screen(design);
    RunoffForm f;
    f.chk_t[2] = 1; // 畑 ・ 原野
    f.txt_t[0] = QStringLiteral("畑・原野");
    f.txt_c[0] = QStringLiteral("0.6");
    f.txt_a[0] = QStringLiteral("120");
    screen.setForm(f);
    const RunoffForm back = screen.form();
    QCOMPARE(back.chk_t[2], 1);
    QCOMPARE(back.txt_t[0], QStringLiteral("畑・原野"));
    QCOMPARE(back.txt_a[0], QStringLiteral("120"));
    QVERIFY(back.txt_t[1].isEmpty());
    const RunoffOutcome out = screen.calculate();
    QVERIFY(!out.refusal);
    QCOMPARE(out.coeffText, QStringLiteral("0.6"));
    QCOMPARE(out.areaText, QStringLiteral("120.00"));
}

void TestRunoff::screenDiscardEmptiesEverything()
{
    DesignCase design;
    RunoffScreen screen(design);
    box(screen, "chk_k1")->setChecked(true);
    field(screen, "txt_c1")->setText("0.9");
    field(screen, "txt_t4")->setText("typed");
    screen.discard();
    const RunoffForm f = screen.form();
    QCOMPARE(f.chk_k[0], 0);
    for (std::size_t i = 0; i < 6; ++i)
        QVERIFY(f.txt_t[i].isEmpty() && f.txt_c[i].isEmpty() && f.txt_a[i].isEmpty());
}

QTEST_MAIN(TestRunoff)
#include "tst_runoff.moc"
