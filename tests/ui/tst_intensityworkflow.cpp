// The auxiliary calculators inside the main window: C and A from the runoff screen, I from formula ① with
// t = t1 + t2 and a calculated velocity, and the design checked with them; menus, toolbar and status
// texts on the way; direct entry and closing the design unload the calculators.
#include "fakeplatformservices.h"
#include "session/calculatorsessions.h"
#include "ui/calculators/auxiliarycalculators.h"
#include "ui/calculators/intensityscreen.h"
#include "ui/calculators/runoffscreen.h"
#include "ui/calculators/velocitycalculator.h"
#include "ui/design/conditionsscreen.h"
#include "ui/design/pipescreen.h"
#include "ui/mainwindow/mainframe.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolBar>

using namespace niruka;

namespace {

template <class T> T *child(QObject *w, const char *name)
{
    auto *c = w ? w->findChild<T *>(QString::fromLatin1(name)) : nullptr;
    if (!c)
        qFatal("no child %s", name);
    return c;
}

void setText(QWidget *screen, const char *name, const QString &text)
{
    QLineEdit *e = child<QLineEdit>(screen, name);
    e->setText(text);
    emit e->textEdited(text);
}

} // namespace

class TestIntensityWorkflow : public QObject {
    Q_OBJECT
private slots:
    void designChecksEndToEnd();
    void directEntryAndClosingUnload();
    void projectRecordRestoresCalculators();
};

void TestIntensityWorkflow::designChecksEndToEnd()
{
    test::FakePlatformServices fake;
    test::FakePlatformServices::Scope scope(fake);
    MainFrame frame;
    auto *aux = new AuxiliaryCalculators(frame);
    frame.show();
    frame.FileNew();
    ConditionsScreen *cs = frame.conditionsScreen();
    QVERIFY(cs);

    // C and A by the weighted average.
    child<QPushButton>(cs, "Command4")->click();
    QCOMPARE(frame.statusText(), QStringLiteral("流出係数(Ｃ)は、各地域の開発指導要綱等による事｡"));
    QVERIFY(!frame.action("Men_G")->isEnabled());
    RunoffScreen *runoff = aux->existingRunoffScreen();
    QVERIFY(runoff && runoff->isVisible());
    child<QCheckBox>(runoff, "chk_k1")->setChecked(true);
    child<QCheckBox>(runoff, "chk_k5")->setChecked(true);
    setText(runoff, "txt_c1", "0.9");
    setText(runoff, "txt_a1", "300");
    setText(runoff, "txt_c2", "0.2");
    setText(runoff, "txt_a2", "700");
    child<QPushButton>(runoff, "cmd1")->click();
    QCOMPARE(cs->cField()->text(), QStringLiteral("0.41"));
    QCOMPARE(cs->aField()->text(), QStringLiteral("1000.00"));
    QVERIFY(!cs->cField()->hasFrame());
    QVERIFY(child<QRadioButton>(cs, "opt6")->isChecked());
    QVERIFY(runoff->isHidden());
    QVERIFY(frame.action("Men_G")->isEnabled());
    QVERIFY(frame.toolBar()->isVisible());
    QCOMPARE(
        frame.statusText(),
        QStringLiteral("流出係数（C）、降雨強度（I）及び粗度係数（ｎ）は、各地域の開発指導要綱等による事｡"));

    // I by formula ① with t = t1 + t2, t2 = L/(60·V) and V from the calculator.
    child<QPushButton>(cs, "Command2")->click();
    IntensityScreen *intensity = aux->existingIntensityScreen();
    QVERIFY(intensity && intensity->isVisible());
    child<QRadioButton>(intensity, "opt1")->click();
    setText(intensity, "txt1", "5000");
    setText(intensity, "txt2", "40");
    child<QRadioButton>(intensity, "Option4")->click();
    child<QRadioButton>(intensity, "Option1")->click();
    setText(intensity, "txt3", "5");
    child<QRadioButton>(intensity, "Option6")->click();
    setText(intensity, "txt4", "103.14");
    child<QRadioButton>(intensity, "Option8")->click();
    VelocityCalculator *calc = aux->velocityCalculator();
    QVERIFY(calc->pipeScreen() && calc->pipeScreen()->isVisible());
    QCOMPARE(frame.statusText(), QString());
    child<QRadioButton>(calc->selectScreen(), "opt1")->click();
    child<QListWidget>(calc->pipeScreen(), "lst_pu")->setCurrentRow(2);
    child<QLineEdit>(calc->pipeScreen(), "txt1")->setText("10");
    child<QComboBox>(calc->pipeScreen(), "cbo1")->setCurrentIndex(0);
    child<QPushButton>(calc->pipeScreen(), "cmd1")->click();
    QVERIFY2(fake.messages.isEmpty(), qPrintable(fake.lastMessageText()));
    QCOMPARE(child<QLineEdit>(intensity, "txt5")->text(), QStringLiteral("0.8595"));
    child<QPushButton>(intensity, "cmd1")->click();
    QVERIFY2(fake.messages.isEmpty(), qPrintable(fake.lastMessageText()));
    QCOMPARE(cs->iField()->text(), QStringLiteral("106.4"));
    QVERIFY(child<QRadioButton>(cs, "opt4")->isChecked());
    QVERIFY(intensity->isHidden());
    QCOMPARE(frame.design().intensityMode, IntensityMode::Computed);

    // The design's check reads the handed-back texts.
    child<QRadioButton>(cs, "opt1")->click();
    QWidget *pipe = frame.pipeScreen();
    QVERIFY(pipe);
    child<QLineEdit>(pipe, "txt1")->setText("10");
    child<QPushButton>(pipe, "cmd1")->click();
    QVERIFY2(fake.messages.isEmpty(), qPrintable(fake.lastMessageText()));
    QVERIFY(frame.design().hasResult());
    QCOMPARE(frame.design().runoffCoeff, 0.41);
    QCOMPARE(frame.design().catchmentArea, 1000.0);
    QCOMPARE(frame.design().rainIntensity, 106.4);
    // The calculator's velocity stands apart from the design's.
    QVERIFY(qAbs(frame.design().velocityFacility.velocity - 0.8595) < 5e-5);
}

void TestIntensityWorkflow::directEntryAndClosingUnload()
{
    test::FakePlatformServices fake;
    test::FakePlatformServices::Scope scope(fake);
    MainFrame frame;
    auto *aux = new AuxiliaryCalculators(frame);
    frame.show();
    frame.FileNew();
    ConditionsScreen *cs = frame.conditionsScreen();
    child<QPushButton>(cs, "Command4")->click();
    setText(aux->existingRunoffScreen(), "txt_t1", "typed");
    child<QPushButton>(aux->existingRunoffScreen(), "cmd2")->click();
    QCOMPARE(frame.statusText(),
             QStringLiteral(
                 "流出係数（C）、降雨強度（I） 及び 粗度係数（ｎ）は、各地域の開発指導要綱等による事｡"));
    // Reopening keeps the rows; direct entry discards them.
    child<QPushButton>(cs, "Command4")->click();
    QCOMPARE(child<QLineEdit>(aux->existingRunoffScreen(), "txt_t1")->text(), QStringLiteral("typed"));
    child<QPushButton>(cs, "Command3")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!aux->existingRunoffScreen());
    child<QPushButton>(cs, "Command4")->click();
    QVERIFY(child<QLineEdit>(aux->existingRunoffScreen(), "txt_t1")->text().isEmpty());

    child<QPushButton>(cs, "Command2")->click();
    child<QRadioButton>(aux->existingIntensityScreen(), "opt2")->click();
    child<QPushButton>(cs, "Command1")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!aux->existingIntensityScreen());

    child<QPushButton>(cs, "Command2")->click();
    child<QRadioButton>(aux->existingIntensityScreen(), "Option4")->click();
    child<QRadioButton>(aux->existingIntensityScreen(), "Option6")->click();
    child<QRadioButton>(aux->existingIntensityScreen(), "Option8")->click();
    QCOMPARE(frame.design().velocityFacility.screenGroup, 1);
    frame.Tojiru();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!aux->existingIntensityScreen());
    QVERIFY(!aux->existingRunoffScreen());
    QVERIFY(!aux->velocityCalculator()->selectScreen());
    QCOMPARE(frame.design().velocityFacility.screenGroup, 0);
}

void TestIntensityWorkflow::projectRecordRestoresCalculators()
{
    test::FakePlatformServices fake;
    test::FakePlatformServices::Scope scope(fake);
    ProjectRecord record;
    {
        MainFrame frame;
        auto *aux = new AuxiliaryCalculators(frame);
        frame.FileNew();
        RunoffScreen *runoff = aux->runoffScreen();
        RunoffForm rf;
        rf.chk_k[0] = 1;
        rf.txt_t[0] = QStringLiteral("屋　根");
        rf.txt_c = {"0.9", "0.3", "0.5", "", "", ""};
        rf.txt_a = {"100", "100", "100", "", "", ""};
        runoff->setForm(rf);
        IntensityScreen *intensity = aux->intensityScreen();
        IntensityForm f;
        f.opt1 = true;
        f.txt1 = "5000";
        f.txt2 = "40";
        f.Option4 = f.Option1 = f.Option6 = f.Option8 = true;
        f.txt3 = "5";
        f.txt4 = "103.14";
        f.txt5 = "0.8595";
        intensity->setForm(f);
        intensity->setInflowForm(InflowTimeForm{"100", "20", "0.40"});
        frame.design().intensity.slopeLength = 100;
        aux->velocityCalculator()->open();
        VelocityCalculator *calc = aux->velocityCalculator();
        child<QRadioButton>(calc->selectScreen(), "opt1")->click();
        child<QListWidget>(calc->pipeScreen(), "lst_pu")->setCurrentRow(2);
        child<QLineEdit>(calc->pipeScreen(), "txt1")->setText("10");
        child<QComboBox>(calc->pipeScreen(), "cbo1")->setCurrentIndex(0);
        frame.session().calculators().collect(record);
    }
    QCOMPARE(record.runoff.txt_t[0], QStringLiteral("屋　根"));
    QCOMPARE(record.intensity.txt4, QStringLiteral("103.14"));
    QCOMPARE(record.inflow.txt2, QStringLiteral("20"));
    QCOMPARE(record.kept.slopeLength.value_or(0), 100.0);
    QCOMPARE(record.velocity.lst_s, 0);
    QCOMPARE(record.velocity.screenGroup, 1.0);
    QCOMPARE(record.velocity.facility.pipe.lst_pu, 2);

    MainFrame frame;
    auto *aux = new AuxiliaryCalculators(frame);
    frame.show();
    frame.FileNew();
    ProjectReadResult read;
    read.intensityRead = read.runoffRead = read.velocityRead = true;
    frame.session().calculators().restore(record, read);
    ConditionsScreen *cs = frame.conditionsScreen();
    QCOMPARE(cs->cField()->text(), QStringLiteral("0.567"));
    QCOMPARE(cs->aField()->text(), QStringLiteral("300.00"));
    QVERIFY(aux->existingRunoffScreen()->isHidden());
    QVERIFY(aux->existingIntensityScreen()->isHidden());
    QCOMPARE(aux->existingIntensityScreen()->form().txt4, QStringLiteral("103.14"));
    QVERIFY(!child<QLineEdit>(aux->existingIntensityScreen(), "txt5")->hasFrame());
    QVERIFY(qAbs(frame.design().intensity.concentrationTime - 7.0) < 1e-3);
    QCOMPARE(aux->existingIntensityScreen()->inflowForm().txt1, QStringLiteral("100"));
    QCOMPARE(frame.design().velocityFacility.screenGroup, 1);
    QVERIFY(qAbs(frame.design().velocityFacility.velocity - 0.8595) < 5e-5);
    QVERIFY(aux->velocityCalculator()->pipeScreen()->isHidden());
    QVERIFY(aux->velocityCalculator()->selectScreen()->isHidden());
    // Opening the calculator again shows what the file held.
    aux->velocityCalculator()->open();
    QCOMPARE(child<QLineEdit>(aux->velocityCalculator()->pipeScreen(), "txt1")->text(), QStringLiteral("10"));
}

QTEST_MAIN(TestIntensityWorkflow)
#include "tst_intensityworkflow.moc"
