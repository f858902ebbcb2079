// What a user meets on a desktop beyond the rules of each check: Enter on the buttons that end the Enter
// chains, where the focus stays and which screen stays in front, the diagram menu and the toolbar coming
// back, layouts that do not move, and the refusals of values that have no meaning.
#include "fakeplatformservices.h"
#include "quietmessages.h"
#include "session/intensityrules.h"
#include "session/runoffrules.h"
#include "ui/calculators/auxiliarycalculators.h"
#include "ui/calculators/inflowtimescreen.h"
#include "ui/calculators/intensityscreen.h"
#include "ui/calculators/rivertimescreen.h"
#include "ui/calculators/runoffscreen.h"
#include "ui/calculators/velocitycalculator.h"
#include "ui/calculators/velocitycircularscreen.h"
#include "ui/calculators/velocityditchscreen.h"
#include "ui/calculators/velocitypipescreen.h"
#include "ui/calculators/velocitypolygonscreen.h"
#include "ui/design/conditionsscreen.h"
#include "ui/design/polygonditchscreen.h"
#include "ui/diagram/graphscreen.h"
#include "ui/mainwindow/mainframe.h"
#include "widgetlookup.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>
#include <functional>
#include <memory>

using namespace niruka;
using test::child;
using test::FakePlatformServices;

namespace {

void setText(QWidget *screen, const char *name, const QString &text)
{
    auto *e = child<QLineEdit>(screen, QString::fromLatin1(name));
    QVERIFY(e);
    e->setText(text);
    emit e->textEdited(text);
}

void click(QWidget *screen, const char *name)
{
    auto *b = child<QAbstractButton>(screen, QString::fromLatin1(name));
    QVERIFY(b);
    b->click();
}

// The main window with its calculators, a new design open, shown and active.
struct Desk {
    FakePlatformServices fake;
    FakePlatformServices::Scope scope{fake};
    MainFrame frame;
    AuxiliaryCalculators *aux = new AuxiliaryCalculators(frame);

    bool active = false;

    Desk()
    {
        frame.resize(1060, 740);
        frame.show();
        frame.activateWindow();
        active = QTest::qWaitForWindowActive(&frame);
        frame.FileNew();
    }
    ConditionsScreen *conditions() const { return frame.conditionsScreen(); }

    // The intensity screen with t = t1 + t2 and t2 = L/(60·V), then the velocity calculator opened.
    IntensityScreen *openCalculator()
    {
        click(conditions(), "Command2");
        IntensityScreen *s = aux->existingIntensityScreen();
        click(s, "opt1");
        setText(s, "txt1", QStringLiteral("5000"));
        setText(s, "txt2", QStringLiteral("40"));
        click(s, "Option4");
        click(s, "Option1");
        setText(s, "txt3", QStringLiteral("5"));
        click(s, "Option6");
        setText(s, "txt4", QStringLiteral("600"));
        click(s, "Option8");
        return s;
    }
};

QMdiSubWindow *frameOf(QWidget *screen)
{
    return qobject_cast<QMdiSubWindow *>(screen ? screen->parentWidget() : nullptr);
}

} // namespace

class TestDesktopBehaviour : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { test::quietPlatformMessages(); }
    void enterPressesTheButtonThatEndsTheChain_data();
    void enterPressesTheButtonThatEndsTheChain();
    void enterOnTheIntensityScreenAsItOpens();
    void choosingAKindLeavesTheFocusInTheList();
    void calculatorCancelLeavesTheIntensityScreenInFront();
    void calculatorGoesWithTheIntensityScreen_data();
    void calculatorGoesWithTheIntensityScreen();
    void formulasStandBesideTheirMarks();
    void unloadedCalculatorGivesBackMenuAndToolbar_data();
    void unloadedCalculatorGivesBackMenuAndToolbar();
    void negativeLengthOrVelocityIsRefused_data();
    void negativeLengthOrVelocityIsRefused();
    void runoffTotalBeyondRangeHasItsOwnMessage_data();
    void runoffTotalBeyondRangeHasItsOwnMessage();
    void polygonLayoutStaysStillAfterTheFirstCalculation();
    void conditionsLayoutStaysStillWithTheBorderlessLook();
    void diagramDrawButtonGettingItsFocusBackDoesNotDraw();
    void requestWithoutAParentOpensOverTheActiveWindow();
};

// Each screen owns the button and the widget whose Enter leads to it.
using ScreenMaker = std::function<QWidget *()>;
Q_DECLARE_METATYPE(ScreenMaker)

void TestDesktopBehaviour::enterPressesTheButtonThatEndsTheChain_data()
{
    static IntensityInputs inputs;
    static DesignCase design;
    QTest::addColumn<ScreenMaker>("make");
    QTest::addColumn<QString>("last");   // the last field of the chain, or empty
    QTest::addColumn<QString>("button"); // the button it ends on
    QTest::newRow("inflow time ＯＫ") << ScreenMaker([] { return new InflowTimeScreen(inputs); })
                                      << QStringLiteral("txt3") << QStringLiteral("cmd1");
    QTest::newRow("river flow time ＯＫ") << ScreenMaker([] { return new RiverTimeScreen; })
                                          << QStringLiteral("txt2") << QStringLiteral("cmd1");
    QTest::newRow("runoff ＯＫ") << ScreenMaker([] { return new RunoffScreen(design); }) << QString()
                                 << QStringLiteral("cmd1");
    QTest::newRow("intensity ＯＫ") << ScreenMaker([] { return new IntensityScreen(design); }) << QString()
                                    << QStringLiteral("cmd1");
    QTest::newRow("intensity river 計算")
        << ScreenMaker([] { return new IntensityScreen(design); }) << QString() << QStringLiteral("cmd3");
    QTest::newRow("velocity pipe 計算") << ScreenMaker([] { return new VelocityPipeScreen; })
                                        << QStringLiteral("cbo1") << QStringLiteral("cmd1");
    QTest::newRow("velocity circular 計算") << ScreenMaker([] { return new VelocityCircularScreen; })
                                            << QStringLiteral("cbo1") << QStringLiteral("cmd1");
    QTest::newRow("velocity ditch 計算") << ScreenMaker([] { return new VelocityDitchScreen; })
                                         << QStringLiteral("cbo1") << QStringLiteral("cmd1");
    QTest::newRow("velocity polygon 計算")
        << ScreenMaker([] { return new VelocityPolygonScreen; }) << QString() << QStringLiteral("cmd1");
}

void TestDesktopBehaviour::enterPressesTheButtonThatEndsTheChain()
{
    QFETCH(ScreenMaker, make);
    QFETCH(QString, last);
    QFETCH(QString, button);
    FakePlatformServices fake;
    FakePlatformServices::Scope scope(fake);
    std::unique_ptr<QWidget> screen(make());
    screen->show();
    screen->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(screen.get()));
    auto *b = child<QPushButton>(screen.get(), button);
    QVERIFY(b);
    b->show();
    QSignalSpy pressed(b, &QAbstractButton::clicked);
    if (!last.isEmpty()) {
        QWidget *field = child<QWidget>(screen.get(), last);
        QVERIFY(field);
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), b); // the chain ends on the button, without pressing it
        QCOMPARE(pressed.count(), 0);
    } else {
        b->setFocus();
    }
    QTest::keyClick(b, Qt::Key_Return);
    QCOMPARE(pressed.count(), 1);
    QTest::keyClick(b, Qt::Key_Enter); // the keypad's Enter too
    QCOMPARE(pressed.count(), 2);
}

void TestDesktopBehaviour::enterOnTheIntensityScreenAsItOpens()
{
    Desk d;
    QVERIFY(d.active);
    click(d.conditions(), "Command2");
    IntensityScreen *s = d.aux->existingIntensityScreen();
    QVERIFY(s && s->isVisible());
    QCOMPARE(QApplication::focusWidget(), child<QWidget>(s, QStringLiteral("cmd1")));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(d.fake.lastMessageText(), QStringLiteral("降雨強度式を選択してください。"));
}

void TestDesktopBehaviour::choosingAKindLeavesTheFocusInTheList()
{
    Desk d;
    QVERIFY(d.active);
    d.openCalculator();
    VelocityCalculator *calc = d.aux->velocityCalculator();
    QListWidget *kinds = calc->selectScreen()->kindList();
    QVERIFY(calc->pipeScreen() && calc->pipeScreen()->isVisible());
    kinds->setFocus();
    QCOMPARE(QApplication::focusWidget(), kinds);
    // Down through the whole list: every kind opens its screen, and the focus stays for the next Down.
    const int groups[8] = {1, 1, 1, 1, 3, 1, 2, 4};
    for (int row = 1; row < 8; ++row) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(kinds->currentRow(), row);
        QCOMPARE(d.frame.design().velocityFacility.screenGroup, groups[row]);
        QCOMPARE(QApplication::focusWidget(), kinds);
    }
    QVERIFY(calc->polygonScreen() && calc->polygonScreen()->isVisible());
    // A click on "U型溝 台形溝" opens the ditch screen; a key typed next does not land in its fields.
    const QRect item = kinds->visualItemRect(kinds->item(6));
    QTest::mouseClick(kinds->viewport(), Qt::LeftButton, {}, item.center());
    QVERIFY(calc->ditchScreen() && calc->ditchScreen()->isVisible());
    QCOMPARE(QApplication::focusWidget(), kinds);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Q"));
    for (QLineEdit *e : calc->ditchScreen()->findChildren<QLineEdit *>())
        QVERIFY2(!e->text().contains(u'Q'), qPrintable(e->objectName()));
    QCOMPARE(d.frame.mdiArea()->activeSubWindow(), frameOf(calc->selectScreen()));
}

void TestDesktopBehaviour::calculatorCancelLeavesTheIntensityScreenInFront()
{
    Desk d;
    QVERIFY(d.active);
    IntensityScreen *s = d.openCalculator();
    VelocityCalculator *calc = d.aux->velocityCalculator();
    QVERIFY(calc->pipeScreen());
    click(calc->pipeScreen(), "cmd2");
    QVERIFY(s->isVisible());
    QCOMPARE(d.frame.mdiArea()->activeSubWindow(), frameOf(s));
    const QList<QMdiSubWindow *> stack = d.frame.mdiArea()->subWindowList(QMdiArea::StackingOrder);
    QVERIFY(stack.indexOf(frameOf(s)) > stack.indexOf(frameOf(d.conditions())));
}

void TestDesktopBehaviour::calculatorGoesWithTheIntensityScreen_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("キャンセル") << QStringLiteral("cancel");
    QTest::newRow("ＯＫ") << QStringLiteral("ok");
    QTest::newRow("I 直接入力") << QStringLiteral("direct");
}

void TestDesktopBehaviour::calculatorGoesWithTheIntensityScreen()
{
    QFETCH(QString, how);
    Desk d;
    QVERIFY(d.active);
    IntensityScreen *s = d.openCalculator();
    VelocityCalculator *calc = d.aux->velocityCalculator();
    setText(s, "txt5", QStringLiteral("2")); // the V field of "仮定する", so that ＯＫ passes
    click(s, "Option7");
    setText(s, "txt5", QStringLiteral("2"));
    click(calc->selectScreen(), "opt1");
    setText(calc->pipeScreen(), "txt1", QStringLiteral("10"));
    if (how == u"cancel")
        click(s, "cmd2");
    else if (how == u"ok")
        click(s, "cmd1");
    else
        click(d.conditions(), "Command1");
    QVERIFY2(d.fake.messages.isEmpty(), qPrintable(d.fake.lastMessageText()));
    QVERIFY(calc->selectScreen()->isHidden());
    QVERIFY(calc->pipeScreen()->isHidden());
    QVERIFY(!frameOf(calc->pipeScreen())->isVisible());
    // Hidden, not closed: the next opening shows what was typed.
    if (how != u"direct") {
        d.frame.statusMessage(QString());
        click(d.conditions(), "Command2");
        click(s, "Option8");
        QVERIFY(calc->pipeScreen()->isVisible());
        QCOMPARE(child<QLineEdit>(calc->pipeScreen(), QStringLiteral("txt1"))->text(), QStringLiteral("10"));
    }
}

void TestDesktopBehaviour::formulasStandBesideTheirMarks()
{
    DesignCase design;
    IntensityScreen s(design);
    s.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s));
    const char *const marks[6] = {"opt1", "opt4", "opt2", "opt3", "opt5", "opt6"}; // ①–⑥ in their order
    for (int i = 0; i < 6; ++i) {
        auto *mark = child<QRadioButton>(&s, QString::fromLatin1(marks[i]));
        auto *formula = child<QLabel>(&s, QStringLiteral("lbl_formula%1").arg(i + 1));
        QVERIFY(mark && formula);
        const QRect m(mark->mapTo(&s, QPoint(0, 0)), mark->size());
        const QRect f(formula->mapTo(&s, QPoint(0, 0)), formula->size());
        QVERIFY2(f.left() >= m.right() && f.left() - m.right() <= 12, qPrintable(QString::number(i + 1)));
        QCOMPARE(f.center().y() / 4, m.center().y() / 4);
        // The formula's text ends before the next mark of its row begins.
        if (i % 3 < 2) {
            auto *next = child<QRadioButton>(&s, QString::fromLatin1(marks[i + 1]));
            const int textEnd = f.left() + formula->sizeHint().width();
            QVERIFY(next->mapTo(&s, QPoint(0, 0)).x() - textEnd >= 24);
        }
    }
}

void TestDesktopBehaviour::unloadedCalculatorGivesBackMenuAndToolbar_data()
{
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("how");
    for (const char *screen : {"runoff", "intensity"})
        for (const char *how : {"新規作成", "閉じる", "直接入力"})
            QTest::addRow("%s, %s", screen, how) << QString::fromLatin1(screen) << QString::fromUtf8(how);
}

void TestDesktopBehaviour::unloadedCalculatorGivesBackMenuAndToolbar()
{
    QFETCH(QString, screen);
    QFETCH(QString, how);
    Desk d;
    QVERIFY(d.active);
    const bool runoff = screen == u"runoff";
    click(d.conditions(), runoff ? "Command4" : "Command2");
    QVERIFY(!d.frame.action("Men_G")->isEnabled());
    QVERIFY(!d.frame.toolBar()->isVisible());
    if (how == u"新規作成") {
        d.frame.action("Men_FNew")->trigger();
    } else if (how == u"閉じる") {
        d.fake.answers.push_back(MsgAnswer::Ok);
        d.frame.action("Men_FCls")->trigger();
    } else {
        click(d.conditions(), runoff ? "Command3" : "Command1");
    }
    QVERIFY(!d.aux->existingRunoffScreen());
    QVERIFY(!d.aux->existingIntensityScreen());
    QVERIFY(d.frame.action("Men_G")->isEnabled());
    QVERIFY(d.frame.toolBar()->isVisible());
}

void TestDesktopBehaviour::negativeLengthOrVelocityIsRefused_data()
{
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("velocity");
    QTest::addColumn<bool>("assumed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("focus");
    QTest::newRow("negative V") << "600"
                                << "-2" << true << "流速が負のため、流下時間を計算できません。"
                                << int(IntensityFocus::V);
    QTest::newRow("negative V, computed")
        << "600"
        << "-0.5" << false << "流速が負のため、流下時間を計算できません。" << int(IntensityFocus::V);
    QTest::newRow("negative L") << "-600"
                                << "2" << true << "排水施設延長距離が負のため、流下時間を計算できません。"
                                << int(IntensityFocus::L);
    QTest::newRow("both negative: L first")
        << "-1"
        << "-1" << true << "排水施設延長距離が負のため、流下時間を計算できません。" << int(IntensityFocus::L);
    QTest::newRow("V 0, as before") << "600"
                                    << "0" << true << "流速が０のため、流下時間を計算できません。"
                                    << int(IntensityFocus::AssumeV);
    QTest::newRow("L 0 passes") << "0"
                                << "2" << true << "" << int(IntensityFocus::None);
}

void TestDesktopBehaviour::negativeLengthOrVelocityIsRefused()
{
    QFETCH(QString, length);
    QFETCH(QString, velocity);
    QFETCH(bool, assumed);
    QFETCH(QString, message);
    QFETCH(int, focus);
    IntensityState s;
    s.form.opt1 = true;
    s.form.txt1 = QStringLiteral("5000");
    s.form.txt2 = QStringLiteral("40");
    s.form.Option4 = true;
    s.form.Option1 = true;
    s.form.txt3 = QStringLiteral("5");
    s.form.Option6 = true;
    s.form.txt4 = length;
    s.form.txt5 = velocity;
    s.form.Option7 = assumed;
    s.form.Option8 = !assumed;
    IntensityInputs in;
    const IntensityOutcome out = computeIntensity(s, RiverTimeForm{}, in);
    if (message.isEmpty()) {
        QVERIFY(!out.refusal);
        QCOMPARE(out.intensityText, QStringLiteral("111.1")); // t = 5 + 0: 5000 / 45
        return;
    }
    QVERIFY(out.refusal);
    QCOMPARE(out.refusal->message, message);
    QCOMPARE(int(out.refusal->focus), focus);
    QVERIFY(out.intensityText.isEmpty());
}

void TestDesktopBehaviour::runoffTotalBeyondRangeHasItsOwnMessage_data()
{
    QTest::addColumn<QStringList>("rows"); // coefficient, area, coefficient, area …
    QTest::addColumn<QString>("message");
    // Numbers are typed as digits: 1e308 is a one and 308 zeros.
    const auto power = [](int exponent) { return QStringLiteral("1") + QString(exponent, u'0'); };
    QTest::newRow("two areas of 1e308") << QStringList{"0.5", power(308), "0.5", power(308)}
                                        << "流域面積の合計が大きすぎるため、加重平均を計算できません。";
    QTest::newRow("an area beyond the range") // reads 0, like any text that is no number
        << QStringList{"0.5", power(400), "", ""} << "流域面積を入力してください。";
    QTest::newRow("a product beyond the range")
        << QStringList{power(300), power(300), "", ""}
        << "流出係数又は流域面積が大きすぎるため、加重平均を計算できません。";
    QTest::newRow("areas cancelling out")
        << QStringList{"0.5", "100", "0.5", "-100"} << "流域面積の合計が０のため、加重平均を計算できません。";
}

void TestDesktopBehaviour::runoffTotalBeyondRangeHasItsOwnMessage()
{
    QFETCH(QStringList, rows);
    QFETCH(QString, message);
    RunoffRows r{};
    for (int i = 0; i * 2 < rows.size(); ++i) {
        RunoffRowTexts &row = r[static_cast<std::size_t>(i)];
        row.name = QStringLiteral("屋　根");
        row.coeff = rows[i * 2];
        row.area = rows[i * 2 + 1];
    }
    const RunoffOutcome out = confirmRunoff(r);
    QVERIFY(out.refusal);
    QCOMPARE(out.refusal->message, message);
}

void TestDesktopBehaviour::polygonLayoutStaysStillAfterTheFirstCalculation()
{
    Desk d;
    QVERIFY(d.active);
    ConditionsScreen *cs = d.conditions();
    cs->cField()->setText(QStringLiteral("0.5"));
    cs->aField()->setText(QStringLiteral("1000"));
    cs->iField()->setText(QStringLiteral("50"));
    click(cs, "opt1");
    child<QListWidget>(cs, QStringLiteral("lst_s"))->setCurrentRow(7);
    PolygonDitchScreen *p = d.frame.polygonDitchScreen();
    QVERIFY(p);
    QVERIFY(QTest::qWaitForWindowExposed(&d.frame));
    const QStringList texts{"1", "1", "2", "0"};
    const char *const fields[4] = {"txt_x2", "txt_y2", "txt_x3", "txt_y3"};
    for (int i = 0; i < 4; ++i)
        child<QLineEdit>(p, QString::fromLatin1(fields[i]))->setText(texts[i]);
    for (const char *f : {"txt1", "txt2", "txt3"})
        child<QLineEdit>(p, QString::fromLatin1(f))->setText(QStringLiteral("1"));
    child<QLineEdit>(p, QStringLiteral("txt4"))->setText(QStringLiteral("10"));
    child<QLineEdit>(p, QStringLiteral("txt5"))->setText(QStringLiteral("0.013"));
    QVERIFY(p->instruction()->isVisible());
    auto place = [p] {
        QList<QRect> out;
        for (QWidget *w : p->findChildren<QWidget *>())
            if (w->isVisible() && w != p->instruction())
                out << QRect(w->mapTo(p, QPoint(0, 0)), w->size());
        return out;
    };
    const QList<QRect> before = place();
    const QSize size = frameOf(p)->size();
    click(p, "cmd1");
    QVERIFY2(d.fake.messages.isEmpty(), qPrintable(d.fake.lastMessageText()));
    QVERIFY(d.frame.design().hasResult());
    QVERIFY(!p->instruction()->isVisible());
    QApplication::processEvents();
    QCOMPARE(place(), before);
    QCOMPARE(frameOf(p)->size(), size);
    // The instruction stood over the sketch area itself.
    QCOMPARE(p->instruction()->parentWidget()->objectName(), QStringLiteral("pic_sketch"));
}

void TestDesktopBehaviour::conditionsLayoutStaysStillWithTheBorderlessLook()
{
    Desk d;
    QVERIFY(d.active);
    ConditionsScreen *cs = d.conditions();
    QVERIFY(QTest::qWaitForWindowExposed(&d.frame));
    auto place = [cs] {
        QList<QRect> out;
        for (QWidget *w : cs->findChildren<QWidget *>())
            if (w->isVisible())
                out << QRect(w->mapTo(cs, QPoint(0, 0)), w->size());
        return out;
    };
    const QList<QRect> before = place();
    for (QLineEdit *f : {cs->cField(), cs->aField(), cs->iField()}) {
        cs->setEditableLook(f, false);
        QApplication::processEvents();
        QCOMPARE(place(), before);
    }
    for (QLineEdit *f : {cs->cField(), cs->aField(), cs->iField()})
        cs->setEditableLook(f, true);
    QApplication::processEvents();
    QCOMPARE(place(), before);
}

void TestDesktopBehaviour::diagramDrawButtonGettingItsFocusBackDoesNotDraw()
{
    FakePlatformServices fake;
    FakePlatformServices::Scope scope(fake);
    QMdiArea area;
    area.resize(1000, 700);
    auto *graph = new GraphScreen;
    QMdiSubWindow *graphWindow = area.addSubWindow(graph);
    QMdiSubWindow *other = area.addSubWindow(new QLabel(QStringLiteral("other")));
    area.show();
    QVERIFY(QTest::qWaitForWindowActive(&area));
    area.setActiveSubWindow(graphWindow);
    auto *draw = child<QPushButton>(graph, QStringLiteral("cmd1"));
    QTest::mouseClick(draw, Qt::LeftButton); // draws on focus, then refuses: no formula
    QCOMPARE(graph->screenDrawings(), 1);
    QCOMPARE(fake.messages.size(), 1);
    draw->setFocus(Qt::TabFocusReason);
    QCOMPARE(graph->screenDrawings(), 2);
    // 新規作成 of the diagram menu empties the settings; the button getting its focus back when the menu,
    // another sub-window or the window lets go of it draws nothing and offers no save.
    child<QAction>(graph, QStringLiteral("Men_GNew"))->trigger();
    area.setActiveSubWindow(other);
    area.setActiveSubWindow(graphWindow);
    QCOMPARE(QApplication::focusWidget(), draw);
    for (Qt::FocusReason back :
         {Qt::PopupFocusReason, Qt::MenuBarFocusReason, Qt::ActiveWindowFocusReason, Qt::OtherFocusReason}) {
        graph->findChild<QLineEdit *>(QStringLiteral("txt1"))->setFocus();
        QFocusEvent in(QEvent::FocusIn, back);
        QApplication::sendEvent(draw, &in);
    }
    QCOMPARE(graph->screenDrawings(), 2);
    QCOMPARE(graph->drawnState(), GraphScreen::DrawnState::None);
}

// A box or file dialog asked for without a widget (the rules' services) opens over the active modal
// dialog, else over the active window.
void TestDesktopBehaviour::requestWithoutAParentOpensOverTheActiveWindow()
{
    struct ParentRecorder : FakePlatformServices {
        QList<QWidget *> parents;
        MsgAnswer message(QWidget *parent, const MessageRequest &r) override
        {
            parents.append(parent);
            return FakePlatformServices::message(parent, r);
        }
        QString openFileName(QWidget *parent, const QString &t, const QString &d, const QString &f) override
        {
            parents.append(parent);
            return FakePlatformServices::openFileName(parent, t, d, f);
        }
        QString saveFileName(QWidget *parent, const QString &t, const QString &d, const QString &f) override
        {
            parents.append(parent);
            return FakePlatformServices::saveFileName(parent, t, d, f);
        }
    } fake;
    fake.answers = {MsgAnswer::No};
    fake.fileAnswers = {QStringLiteral("/tmp/a.nrk")};
    SessionServices &services = fake;

    QWidget window;
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const MessageRequest question{QStringLiteral("確認"), QStringLiteral("x"), MsgButtons::YesNo,
                                  MsgIcon::Question, MsgAnswer::Yes};
    QCOMPARE(services.message(question), MsgAnswer::No);
    QCOMPARE(services.openFileName(QStringLiteral("開く"), QStringLiteral("/tmp"), QStringLiteral("*.nrk")),
             QStringLiteral("/tmp/a.nrk"));

    QDialog dialog(&window);
    dialog.setModal(true);
    dialog.show();
    QCOMPARE(services.saveFileName(QStringLiteral("名前を付けて保存"), QStringLiteral("/tmp"),
                                   QStringLiteral("*.nrk")),
             QString());
    QCOMPARE(fake.parents, (QList<QWidget *>{&window, &window, &dialog}));
    QCOMPARE(fake.messages.size(), 1);
    QCOMPARE(fake.messages.first().text, QStringLiteral("x"));
    QCOMPARE(fake.fileRequests.size(), 2);
    QCOMPARE(fake.fileRequests.first().filter, QStringLiteral("*.nrk"));
    QVERIFY(fake.fileRequests.last().save);
}

QTEST_MAIN(TestDesktopBehaviour)
#include "tst_desktopbehaviour.moc"
