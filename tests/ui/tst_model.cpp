// Random sessions on the real screens: sequences of what a user does (新規作成, 開く of every golden file
// and of damaged ones, typing into any field, clicking fields, options, lists and buttons of every screen and
// calculator, 閉じる, 名前をつけて保存), with the rule of one coherent result (coherence.h) checked after
// every step. RapidCheck generates and shrinks the sequences; a failure prints RC_PARAMS="reproduce=…" to
// replay it. RC_PARAMS also sets the run's length (`make test-long`); without it, 2,000 sequences of up to 40
// steps.
#include "coherence.h"
#include "fakeplatformservices.h"
#include "modelinputs.h"
#include "quietmessages.h"
#include "ui/calculators/auxiliarycalculators.h"
#include "ui/calculators/intensityscreen.h"
#include "ui/calculators/runoffscreen.h"
#include "ui/design/conditionsscreen.h"
#include "ui/design/facilityscreen.h"
#include "ui/mainwindow/mainframe.h"
#include "ui/mainwindow/workspace.h"
#include "widgetlookup.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <rapidcheck.h>
#include <rapidcheck/state.h>

using namespace niruka;

namespace {

using test::files;
using test::scratchDir;
using test::texts;

struct Counters {
    long sequences = 0;
    long steps = 0;
    int reportsChecked = 0;
};

Counters &counters()
{
    static Counters c;
    return c;
}

// The application under test: a main window with everything installed, its questions answered by the fake.
struct Session {
    test::FakePlatformServices fake;
    test::FakePlatformServices::Scope scope{fake};
    MainFrame frame;
    Workspace *workspace = new Workspace(frame);
    test::VerifiedSave verified;

    Session()
    {
        frame.show();
        ++counters().sequences;
    }

    template <class T> QList<T *> visible() const
    {
        QList<T *> out;
        for (T *w : frame.findChildren<T *>())
            if (w->isVisible() && w->isEnabled())
                out << w;
        return out;
    }
    // The visible, enabled widgets of each type in turn, as one list.
    template <class... T> QList<QWidget *> visibleOf() const
    {
        QList<QWidget *> out;
        (
            [&] {
                for (T *w : visible<T>())
                    out << w;
            }(),
            ...);
        return out;
    }

    void settle()
    {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        fake.messages.clear();
    }

    void check()
    {
        settle();
        ++counters().steps;
        const QString rule =
            test::checkCoherence(frame, *workspace, scratchDir().filePath(QStringLiteral("rule.nrk")),
                                 &counters().reportsChecked, &verified);
        if (!rule.isEmpty())
            RC_FAIL(rule.toStdString());
    }
};

struct Model {};
using Command = rc::state::Command<Model, Session>;

// A number anywhere in [min, max): the size sets how many steps a sequence has, not which rows, texts or
// variants a step may take (inRange alone scales its range with the size).
int anyIn(int min, int max)
{
    return *rc::gen::resize(rc::kNominalSize, rc::gen::inRange(min, max));
}

void clickButton(QAbstractButton *b)
{
    if (qobject_cast<QPushButton *>(b))
        QTest::mouseClick(b, Qt::LeftButton);
    else
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
}

struct NewDesign : Command {
    void run(const Model &, Session &s) const override
    {
        s.frame.action("Men_FNew")->trigger();
        s.check();
    }
    void show(std::ostream &os) const override { os << "新規作成"; }
};

struct OpenFile : Command {
    int file = anyIn(0, int(files().size()) + 1); // the last one: the dialog is cancelled
    void run(const Model &, Session &s) const override
    {
        if (file < files().size())
            s.fake.fileAnswers.push_back(files()[file]);
        s.frame.action("Men_FOpn")->trigger();
        s.check();
    }
    void show(std::ostream &os) const override
    {
        os << "開く "
           << (file < files().size() ? QFileInfo(files()[file]).fileName().toStdString() : "(キャンセル)");
    }
};

struct CloseDesign : Command {
    bool ok = *rc::gen::arbitrary<bool>();
    void run(const Model &, Session &s) const override
    {
        s.fake.answers.push_back(ok ? MsgAnswer::Ok : MsgAnswer::Cancel);
        s.frame.action("Men_FCls")->trigger();
        s.fake.answers.clear();
        s.check();
    }
    void show(std::ostream &os) const override { os << "閉じる " << (ok ? "OK" : "キャンセル"); }
};

struct SaveAs : Command {
    void run(const Model &, Session &s) const override
    {
        if (s.frame.action("Men_FSav")->isEnabled()) {
            s.fake.fileAnswers.push_back(scratchDir().filePath(QStringLiteral("saved-as.nrk")));
            s.fake.answers.push_back(MsgAnswer::Yes);
            s.frame.action("Men_FSav")->trigger();
            s.fake.answers.clear();
            s.fake.fileAnswers.clear();
        }
        s.check();
    }
    void show(std::ostream &os) const override { os << "名前をつけて保存"; }
};

// Typing into a field by keyboard only, the way Tab or Enter reaches it.
struct TypeText : Command {
    int field = anyIn(0, 1000);
    int text = anyIn(0, int(texts().size()));
    void run(const Model &, Session &s) const override
    {
        const QList<QLineEdit *> fields = s.visible<QLineEdit>();
        if (!fields.isEmpty()) {
            QLineEdit *f = fields[field % fields.size()];
            f->setFocus();
            f->selectAll();
            QTest::keyClick(f, Qt::Key_Backspace);
            if (!texts()[text].isEmpty())
                QTest::keyClicks(f, texts()[text]);
        }
        s.check();
    }
    void show(std::ostream &os) const override
    {
        os << "type \"" << texts()[text].toStdString() << "\" into field #" << field;
    }
};

struct ClickField : Command {
    int field = anyIn(0, 1000);
    void run(const Model &, Session &s) const override
    {
        QList<QWidget *> targets;
        for (QLineEdit *e : s.visible<QLineEdit>())
            targets << e;
        for (QListWidget *l : s.visible<QListWidget>())
            targets << l->viewport();
        if (!targets.isEmpty()) {
            QWidget *w = targets[field % targets.size()];
            QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(4, std::min(w->height() / 2, 8)));
        }
        s.check();
    }
    void show(std::ostream &os) const override { os << "click field #" << field; }
};

// Any option, check box or button of the screens (not the toolbar).
struct ClickButton : Command {
    int button = anyIn(0, 1000);
    void run(const Model &, Session &s) const override
    {
        QList<QAbstractButton *> buttons;
        for (QAbstractButton *b : s.visible<QAbstractButton>())
            if (!qobject_cast<QToolButton *>(b))
                buttons << b;
        if (!buttons.isEmpty())
            clickButton(buttons[button % buttons.size()]);
        s.check();
    }
    void show(std::ostream &os) const override { os << "click button #" << button; }
};

struct ChooseLine : Command {
    int list = anyIn(0, 1000);
    int row = anyIn(-1, 16);
    void run(const Model &, Session &s) const override
    {
        const QList<QWidget *> lists = s.visibleOf<QListWidget, QComboBox>();
        if (!lists.isEmpty()) {
            QWidget *w = lists[list % lists.size()];
            if (auto *l = qobject_cast<QListWidget *>(w)) {
                if (row >= 0 && l->count() > 0) {
                    QListWidgetItem *item = l->item(row % l->count());
                    l->scrollToItem(item);
                    QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(item).center());
                } else {
                    QTest::keyClick(l, Qt::Key_Down);
                }
            } else if (auto *c = qobject_cast<QComboBox *>(w)) {
                c->setCurrentIndex(row < 0 ? -1 : row % std::max(1, c->count()));
            }
        }
        s.check();
    }
    void show(std::ostream &os) const override { os << "choose line " << row << " of list #" << list; }
};

struct PressEnter : Command {
    int field = anyIn(0, 1000);
    void run(const Model &, Session &s) const override
    {
        const QList<QWidget *> targets = s.visibleOf<QLineEdit, QListWidget>();
        if (!targets.isEmpty()) {
            QWidget *w = targets[field % targets.size()];
            w->setFocus();
            QTest::keyClick(w, Qt::Key_Return);
        }
        s.check();
    }
    void show(std::ostream &os) const override { os << "Enter in #" << field; }
};

QLineEdit *edit(QWidget *screen, const char *name)
{
    return screen ? screen->findChild<QLineEdit *>(QString::fromLatin1(name)) : nullptr;
}

void setText(QLineEdit *f, const QString &text)
{
    if (f)
        f->setText(text);
}

void press(QWidget *screen, const char *name)
{
    if (!screen)
        return;
    if (auto *b = screen->findChild<QAbstractButton *>(QString::fromLatin1(name)))
        if (b->isVisible() && b->isEnabled())
            clickButton(b);
}

// A design the open facility screen accepts, and 計算: most sessions reach a result this way.
struct CheckAValidDesign : Command {
    int variant = anyIn(0, 4);
    void run(const Model &, Session &s) const override
    {
        ConditionsScreen *c = s.frame.conditionsScreen();
        if (c) {
            if (!c->findChild<QRadioButton *>(QStringLiteral("opt6"))->isChecked()) {
                setText(edit(c, "txt_c"), variant % 2 ? QStringLiteral("0.8") : QStringLiteral("0.5"));
                setText(edit(c, "txt_a"), variant < 2 ? QStringLiteral("10000") : QStringLiteral("3000"));
            }
            if (!c->findChild<QRadioButton *>(QStringLiteral("opt4"))->isChecked())
                setText(edit(c, "txt_i"), QStringLiteral("100"));
            press(c, variant == 3 ? "opt2" : "opt1");
        }
        if (QWidget *f = s.frame.facilityScreen()) {
            const QString name = f->objectName();
            if (name == u"PipeScreen") {
                setText(edit(f, "txt1"), QStringLiteral("10"));
            } else if (name == u"CircularPipeScreen") {
                setText(edit(f, "txt1"), QStringLiteral("0.3"));
                setText(edit(f, "txt2"), QStringLiteral("5"));
                setText(edit(f, "txt3"), QStringLiteral("0.013"));
            } else if (name == u"DitchScreen") {
                const char *values[] = {"0.5", "0.4", "0.6", "0.1", "5", "0.015"};
                for (int i = 0; i < 6; ++i)
                    setText(edit(f, QStringLiteral("txt%1").arg(i + 1).toLatin1().constData()),
                            QString::fromLatin1(values[i]));
            } else {
                const char *values[][2] = {{"txt1", "2"},   {"txt2", "2"},    {"txt3", "1"},
                                           {"txt_x1", "0"}, {"txt_y1", "0"},  {"txt_x2", "1"},
                                           {"txt_y2", "1"}, {"txt_x3", "2"},  {"txt_y3", "0"},
                                           {"txt4", "10"},  {"txt5", "0.013"}};
                for (const auto &v : values)
                    setText(edit(f, v[0]), QString::fromLatin1(v[1]));
            }
            press(f, "cmd1");
        }
        s.check();
    }
    void show(std::ostream &os) const override { os << "enter a valid design (" << variant << ") and 計算"; }
};

// I from the intensity screen; with `velocity`, t2 from the velocity calculator's VP pipe.
struct ComputeIntensity : Command {
    bool velocity = *rc::gen::arbitrary<bool>();
    bool confirm = *rc::gen::weightedElement<bool>({{4, true}, {1, false}});
    void run(const Model &, Session &s) const override
    {
        ConditionsScreen *c = s.frame.conditionsScreen();
        press(c, "Command2");
        IntensityScreen *in = s.workspace->calculators().existingIntensityScreen();
        if (in && in->isVisible()) {
            press(in, "opt1");
            setText(edit(in, "txt1"), QStringLiteral("5000"));
            setText(edit(in, "txt2"), QStringLiteral("40"));
            if (velocity) {
                press(in, "Option4");
                press(in, "Option1");
                setText(edit(in, "txt3"), QStringLiteral("7"));
                press(in, "Option6");
                setText(edit(in, "txt4"), QStringLiteral("300"));
                press(in, "Option8"); // opens the velocity calculator
                s.settle();
                if (auto *select = s.frame.findChild<QWidget *>(QStringLiteral("VelocitySelectScreen"))) {
                    press(select, "opt1");
                    if (auto *pipe = s.frame.findChild<QWidget *>(QStringLiteral("VelocityPipeScreen"))) {
                        setText(edit(pipe, "txt1"), QStringLiteral("20"));
                        press(pipe, "cmd1");
                    }
                }
            } else {
                press(in, "Option3");
                setText(edit(in, "txt8"), QStringLiteral("10"));
            }
            press(in, confirm ? "cmd1" : "cmd2");
        }
        s.check();
    }
    void show(std::ostream &os) const override
    {
        os << "I from the intensity screen" << (velocity ? " with a calculated V" : "")
           << (confirm ? " ＯＫ" : " キャンセル");
    }
};

// C and A from the runoff screen.
struct ComputeRunoff : Command {
    bool confirm = *rc::gen::weightedElement<bool>({{4, true}, {1, false}});
    void run(const Model &, Session &s) const override
    {
        press(s.frame.conditionsScreen(), "Command4");
        if (QWidget *r = s.workspace->calculators().existingRunoffScreen(); r && r->isVisible()) {
            setText(edit(r, "txt_t1"), QStringLiteral("屋根"));
            setText(edit(r, "txt_c1"), QStringLiteral("0.9"));
            setText(edit(r, "txt_a1"), QStringLiteral("600"));
            setText(edit(r, "txt_t2"), QStringLiteral("庭"));
            setText(edit(r, "txt_c2"), QStringLiteral("0.3"));
            setText(edit(r, "txt_a2"), QStringLiteral("400"));
            press(r, confirm ? "cmd1" : "cmd2");
        }
        s.check();
    }
    void show(std::ostream &os) const override
    {
        os << "C from the runoff screen" << (confirm ? " ＯＫ" : " キャンセル");
    }
};

} // namespace

class TestModel : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        test::quietPlatformMessages();
        // 書き込み from a print image window appends to Niruka.txt in the working directory.
        QVERIFY(scratchDir().isValid());
        QDir::setCurrent(scratchDir().path());
        if (qEnvironmentVariableIsEmpty("RC_PARAMS"))
            qputenv("RC_PARAMS", "max_success=2000 max_size=40");
        files();
    }

    void everyStepKeepsOneCoherentResult()
    {
        QElapsedTimer timer;
        timer.start();
        const bool ok = rc::check("one coherent result after every step", [] {
            Session session;
            rc::state::check(
                Model{}, session,
                rc::state::gen::execOneOfWithArgs<NewDesign, OpenFile, CloseDesign, SaveAs, TypeText,
                                                  ClickField, ClickButton, ChooseLine, PressEnter,
                                                  CheckAValidDesign, ComputeIntensity, ComputeRunoff>());
        });
        qInfo("%ld sequences, %ld steps, %d reports checked against a new window, %lld ms",
              counters().sequences, counters().steps, counters().reportsChecked, timer.elapsed());
        QVERIFY(ok);
    }
};

QTEST_MAIN(TestModel)
#include "tst_model.moc"
