// The calculator sessions without widgets: what each user action changes, which boxes and events follow
// and in which order, and what is handed back.

#include "session/calculatorsessions.h"
#include "session/fieldtext.h"
#include "session/inflowtimerules.h"

#include <QStringList>
#include <ostream>

// Readable failure messages.
void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}
void PrintTo(const QStringList &l, std::ostream *os)
{
    *os << '{' << l.join(QStringLiteral(" | ")).toStdString() << '}';
}
#include <gtest/gtest.h>

namespace niruka {
namespace {

// One log for the boxes and the events, so their order can be checked.
class Recorder final : public SessionEvents, public SessionServices {
public:
    QStringList log;
    QStringList boxes;

    MsgAnswer message(const MessageRequest &r) override
    {
        boxes << r.text;
        log << QStringLiteral("box ") + r.text;
        return r.defaultButton;
    }
    void beep() override { log << QStringLiteral("beep"); }
    QString openFileName(const QString &, const QString &, const QString &) override { return {}; }
    QString saveFileName(const QString &, const QString &, const QString &) override { return {}; }
    void launchEditor(const QString &) override {}

    void opened(ScreenId s) override { log << QStringLiteral("opened %1").arg(int(s)); }
    void closed(ScreenId s) override { log << QStringLiteral("closed %1").arg(int(s)); }
    void shown(ScreenId s, bool v) override { log << QStringLiteral("shown %1 %2").arg(int(s)).arg(v); }
    void focus(const FocusRequest &r) override
    {
        log << QStringLiteral("focus %1 %2 %3")
                   .arg(int(r.control.screen))
                   .arg(r.control.name)
                   .arg(int(r.style));
    }
    void changed(Parts) override {}
    void status(const QString &t) override { log << QStringLiteral("status ") + t; }

    // The log entries that are not redraws, from `from` on.
    QStringList since(qsizetype from) const { return log.mid(from); }
};

QString focusOf(ScreenId s, const char *name, FocusStyle style)
{
    return QStringLiteral("focus %1 %2 %3").arg(int(s)).arg(QString::fromLatin1(name)).arg(int(style));
}

QString shownOf(ScreenId s, bool v)
{
    return QStringLiteral("shown %1 %2").arg(int(s)).arg(v);
}

struct Fixture {
    DesignCase design;
    Recorder rec;
    CalculatorSessions calc{design, rec, rec};
    QStringList handed;
    int entryChanges = 0;

    Fixture()
    {
        calc.runoff().setHandBacks(RunoffHandBacks{
            [this](const QString &c, const QString &a) { handed << QStringLiteral("runoff ") + c + ' ' + a; },
            [this] { handed << QStringLiteral("runoff cancelled"); },
            [this](const QString &c, const QString &a) {
                handed << QStringLiteral("restored ") + c + ' ' + a;
            },
            [this] { ++entryChanges; }});
        calc.intensity().setHandBacks(IntensityHandBacks{[this](const QString &i) {
                                                             handed << QStringLiteral("intensity ") + i;
                                                             rec.log << QStringLiteral("hand-back");
                                                         },
                                                         [this] {
                                                             handed << QStringLiteral("intensity cancelled");
                                                             rec.log << QStringLiteral("hand-back");
                                                         },
                                                         [this] { ++entryChanges; }});
        calc.velocity().setEntryChanged([this] { ++entryChanges; });
    }
};

int choiceWithText(const QString &rowText)
{
    for (int i = 0; i < kLandUseChoiceCount; ++i)
        if (landUseChoices()[static_cast<std::size_t>(i)].rowText == rowText)
            return i;
    return -1;
}

// ---- runoff ----------------------------------------------------------------------------------------------

struct ToggleRow {
    const char *name;
    std::vector<std::pair<int, bool>> toggles;
    std::vector<int> expected; // the choice in each row, −1 for an empty row
};

TEST(RunoffSession, TogglesWriteIntoTheFirstFreeRow)
{
    const std::vector<ToggleRow> rows{
        {"one box", {{3, true}}, {3, -1, -1, -1, -1, -1}},
        {"in order", {{0, true}, {5, true}, {9, true}}, {0, 5, 9, -1, -1, -1}},
        {"a cleared row is reused", {{0, true}, {5, true}, {0, false}, {9, true}}, {9, 5, -1, -1, -1, -1}},
        {"checking a checked box again does nothing", {{2, true}, {2, true}}, {2, -1, -1, -1, -1, -1}},
        {"unchecking an unchecked box does nothing", {{2, true}, {4, false}}, {2, -1, -1, -1, -1, -1}},
        {"a seventh box finds no row",
         {{0, true}, {1, true}, {2, true}, {3, true}, {4, true}, {5, true}, {6, true}},
         {0, 1, 2, 3, 4, 5}},
        {"the seventh box's uncheck clears nothing",
         {{0, true}, {1, true}, {2, true}, {3, true}, {4, true}, {5, true}, {6, true}, {6, false}},
         {0, 1, 2, 3, 4, 5}},
    };
    for (const ToggleRow &r : rows) {
        Fixture f;
        f.calc.runoff().open();
        for (const auto &[choice, on] : r.toggles)
            f.calc.runoff().toggle(choice, on);
        for (int row = 0; row < kRunoffRowCount; ++row) {
            const QString name = f.calc.runoff().text(row, RunoffField::Name);
            EXPECT_EQ(name.isEmpty() ? -1 : choiceWithText(name), r.expected[static_cast<std::size_t>(row)])
                << r.name << ", row " << row;
        }
    }
}

TEST(RunoffSession, OkRefusesWithTheBoxBeforeTheFocusAndKeepsTheScreen)
{
    Fixture f;
    f.calc.runoff().open();
    const qsizetype from = f.rec.log.size();
    EXPECT_FALSE(f.calc.runoff().ok());
    const QStringList after = f.rec.since(from);
    ASSERT_EQ(after.size(), 2) << after.join('|').toStdString();
    EXPECT_TRUE(after[0].startsWith(QStringLiteral("box ")));
    EXPECT_TRUE(after[1].startsWith(QStringLiteral("focus %1 txt_").arg(int(ScreenId::Runoff))));
    EXPECT_TRUE(after[1].endsWith(QString::number(int(FocusStyle::SelectAll))));
    EXPECT_TRUE(f.calc.runoff().visible());
    EXPECT_TRUE(f.handed.isEmpty());
}

TEST(RunoffSession, OkHandsCAndABackAfterHidingAndTheStatus)
{
    Fixture f;
    f.calc.runoff().open();
    f.calc.runoff().setText(QStringLiteral("txt_t1"), QStringLiteral("屋根"));
    f.calc.runoff().setText(QStringLiteral("txt_c1"), QStringLiteral("0.9"));
    f.calc.runoff().setText(QStringLiteral("txt_a1"), QStringLiteral("100"));
    f.calc.runoff().setText(QStringLiteral("txt_t2"), QStringLiteral("芝"));
    f.calc.runoff().setText(QStringLiteral("txt_c2"), QStringLiteral("0.3"));
    f.calc.runoff().setText(QStringLiteral("txt_a2"), QStringLiteral("300"));
    const qsizetype from = f.rec.log.size();
    ASSERT_TRUE(f.calc.runoff().ok());
    EXPECT_EQ(f.rec.since(from), (QStringList{shownOf(ScreenId::Runoff, false),
                                              QStringLiteral("status ") + runoffConfirmStatusText()}));
    EXPECT_EQ(f.handed, QStringList{QStringLiteral("runoff 0.45 400.00")});
    EXPECT_DOUBLE_EQ(f.design.runoffCoeff, 0.45);
    EXPECT_DOUBLE_EQ(f.design.catchmentArea, 400.0);
    EXPECT_EQ(f.design.runoffMode, RunoffMode::WeightedAverage);
    EXPECT_EQ(f.design.landUseRows[1].name, QStringLiteral("芝"));
    // Hidden, not unloaded: the rows are there when it opens again.
    EXPECT_TRUE(f.calc.runoff().exists());
    EXPECT_EQ(f.calc.runoff().text(1, RunoffField::Area), QStringLiteral("300"));
}

TEST(RunoffSession, DiscardGivesBackWhatCancelWouldOnlyWhenShown)
{
    for (const bool shown : {false, true}) {
        Fixture f;
        f.calc.runoff().ensure();
        if (shown)
            f.calc.runoff().open();
        f.calc.runoff().toggle(0, true);
        f.calc.runoff().discard();
        EXPECT_FALSE(f.calc.runoff().exists());
        EXPECT_TRUE(f.calc.runoff().text(0, RunoffField::Name).isEmpty());
        EXPECT_EQ(f.handed, shown ? QStringList{QStringLiteral("runoff cancelled")} : QStringList{}) << shown;
    }
}

TEST(RunoffSession, RestoreSetsTheBoxesFirstThenTheFileRowsAndHandsBackCAndA)
{
    Fixture f;
    RunoffForm form;
    form.chk_k[0] = 1;
    form.chk_k[1] = 1;
    // The file's rows win over what the boxes wrote.
    form.txt_t[0] = QStringLiteral("自由な名前");
    form.txt_c[0] = QStringLiteral("0.5");
    form.txt_a[0] = QStringLiteral("20");
    form.txt_t[3] = QString(40000, QLatin1Char('x'));
    const RunoffOutcome out = f.calc.runoff().restore(form);
    EXPECT_FALSE(out.refusal);
    EXPECT_FALSE(f.calc.runoff().visible());
    EXPECT_TRUE(f.calc.runoff().isChecked(0));
    EXPECT_TRUE(f.calc.runoff().isChecked(1));
    const RunoffForm back = f.calc.runoff().form();
    EXPECT_EQ(back.txt_t[0], QStringLiteral("自由な名前"));
    EXPECT_TRUE(back.txt_t[1].isEmpty()); // the box's row text was overwritten by the file's empty row
    EXPECT_EQ(back.txt_t[3].size(), kFieldTextMaxLength);
    EXPECT_EQ(f.handed, QStringList{QStringLiteral("restored 0.5 20.00")});
}

// ---- intensity -------------------------------------------------------------------------------------------

struct OkRow {
    const char *name;
    std::function<void(IntensitySession &)> setUp;
    QString message;
    QString focus; // the focus request after the box, empty for none
    std::function<bool(const IntensitySession &)> followUp;
};

TEST(IntensitySession, OkRefusalsShowTheBoxThenTheFollowUpThenTheFocus)
{
    const auto formula1 = [](IntensitySession &s) {
        s.chooseFormula(1);
        s.setText(0, QStringLiteral("5000"));
        s.setText(1, QStringLiteral("40"));
    };
    const std::vector<OkRow> rows{
        {"no formula", [](IntensitySession &) {}, QStringLiteral("降雨強度式を選択してください。"), QString(),
         [](const IntensitySession &s) { return s.form().opt1 && s.form().txt1.isEmpty(); }},
        {"no a", [](IntensitySession &s) { s.chooseFormula(2); },
         QStringLiteral("定数ａを入力してください。"),
         focusOf(ScreenId::Intensity, "txt1", FocusStyle::CaretAtStart), nullptr},
        {"no c for formula 5",
         [](IntensitySession &s) {
             s.chooseFormula(5);
             s.setText(0, QStringLiteral("1"));
             s.setText(1, QStringLiteral("1"));
         },
         QStringLiteral("定数ｃをしてください。"),
         focusOf(ScreenId::Intensity, "txt6", FocusStyle::CaretAtStart), nullptr},
        {"no time mode", formula1, QStringLiteral("到達時間の計算方法を選択してください。"), QString(),
         nullptr},
        {"direct t empty",
         [&](IntensitySession &s) {
             formula1(s);
             s.chooseTDirect();
         },
         QStringLiteral("到達時間を入力してください。"),
         focusOf(ScreenId::Intensity, "txt8", FocusStyle::CaretAtStart), nullptr},
        {"assumed velocity missing",
         [&](IntensitySession &s) {
             formula1(s);
             s.chooseTComputed();
             s.chooseT1Direct();
             s.setText(2, QStringLiteral("5"));
             s.chooseT2Computed();
             s.setText(3, QStringLiteral("100"));
         },
         QStringLiteral("流速を仮定又は計算してください。"),
         focusOf(ScreenId::Intensity, "Option7", FocusStyle::Plain), nullptr},
        {"river course without its entries",
         [&](IntensitySession &s) {
             formula1(s);
             s.chooseTComputed();
             s.chooseT1Direct();
             s.setText(2, QStringLiteral("5"));
             s.chooseT2Computed();
             s.setRiverCourse(true);
         },
         QStringLiteral("流下時間の項目を入力してください。"), QString(),
         [](const IntensitySession &s) { return s.riverVisible(); }},
        {"zero velocity",
         [&](IntensitySession &s) {
             formula1(s);
             s.chooseTComputed();
             s.chooseT1Direct();
             s.setText(2, QStringLiteral("5"));
             s.chooseT2Computed();
             s.setText(3, QStringLiteral("100"));
             s.chooseAssumedVelocity();
             s.setText(4, QStringLiteral("0"));
         },
         QStringLiteral("流速が０のため、流下時間を計算できません。"),
         focusOf(ScreenId::Intensity, "Option7", FocusStyle::Plain), nullptr},
    };
    for (const OkRow &r : rows) {
        Fixture f;
        IntensitySession &s = f.calc.intensity();
        s.open();
        r.setUp(s);
        const qsizetype from = f.rec.log.size();
        EXPECT_FALSE(s.ok()) << r.name;
        const QStringList after = f.rec.since(from);
        ASSERT_FALSE(after.isEmpty()) << r.name;
        EXPECT_EQ(after.first(), QStringLiteral("box ") + r.message) << r.name;
        if (r.focus.isEmpty()) {
            EXPECT_FALSE(after.last().startsWith(QStringLiteral("focus"))) << r.name;
        } else {
            EXPECT_EQ(after.last(), r.focus) << r.name;
        }
        if (r.followUp) {
            EXPECT_TRUE(r.followUp(s)) << r.name;
        }
        EXPECT_TRUE(s.visible()) << r.name;
        EXPECT_TRUE(f.handed.isEmpty()) << r.name;
    }
}

TEST(IntensitySession, OkHidesThenHandsIBackThenHidesTheVelocityCalculator)
{
    Fixture f;
    IntensitySession &s = f.calc.intensity();
    s.open();
    s.chooseFormula(1);
    s.setText(0, QStringLiteral("5000"));
    s.setText(1, QStringLiteral("40"));
    s.chooseTDirect();
    s.setText(7, QStringLiteral("10"));
    s.chooseComputedVelocity(); // the calculator opens beside
    EXPECT_TRUE(f.calc.velocity().visible(ScreenId::VelocitySelect));
    const qsizetype from = f.rec.log.size();
    ASSERT_TRUE(s.ok());
    const QStringList after = f.rec.since(from);
    const qsizetype handBack = after.indexOf(QStringLiteral("hand-back"));
    ASSERT_GE(handBack, 2);
    EXPECT_EQ(after[0], shownOf(ScreenId::Intensity, false));
    EXPECT_EQ(after[1], QStringLiteral("status ") + intensityDoneStatusText());
    EXPECT_EQ(after.indexOf(shownOf(ScreenId::VelocitySelect, false)), handBack + 1);
    EXPECT_EQ(f.handed, QStringList{QStringLiteral("intensity 100.0")});
    EXPECT_DOUBLE_EQ(f.design.intensity.concentrationTime, 10.0);
}

TEST(IntensitySession, InflowOkHandsT1BackAndKeepsItsNumbers)
{
    Fixture f;
    IntensitySession &s = f.calc.intensity();
    s.open();
    s.chooseTComputed();
    s.chooseT1Computed();
    ASSERT_TRUE(s.inflowVisible());
    s.setInflowText(QStringLiteral("txt1"), QStringLiteral("100"));
    s.setInflowText(QStringLiteral("txt2"), QStringLiteral("20"));
    // A refusal: the box, then the caret at the start of the field.
    qsizetype from = f.rec.log.size();
    EXPECT_FALSE(s.inflowOk());
    EXPECT_EQ(f.rec.since(from).last(), focusOf(ScreenId::InflowTime, "txt3", FocusStyle::CaretAtStart));
    s.setInflowText(2, QStringLiteral("0.4"));
    const InflowOutcome expected = computeInflowTimeScreen(s.inflowForm());
    ASSERT_FALSE(expected.refusal);
    ASSERT_TRUE(s.inflowOk());
    EXPECT_FALSE(s.inflowVisible());
    EXPECT_TRUE(s.inflowExists());
    EXPECT_EQ(s.form().txt3, expected.inflowTimeText);
    EXPECT_TRUE(s.form().Option2);
    EXPECT_FALSE(s.state().t1Framed);
    EXPECT_EQ(f.design.intensity.slopeLength, 100.0);
    EXPECT_EQ(f.design.intensity.slopeGradient, 20.0);
    EXPECT_EQ(f.design.intensity.retardance, 0.4);
    // The kept numbers and the inflow form go into the project record.
    ProjectRecord record;
    f.calc.collect(record);
    EXPECT_EQ(record.kept.slopeLength, 100.0);
    EXPECT_EQ(record.inflow.txt3, QStringLiteral("0.4"));
    // キャンセル forgets the fields; the numbers stay in the design.
    s.chooseT1Computed();
    s.inflowCancel();
    EXPECT_FALSE(s.inflowExists());
    EXPECT_TRUE(s.inflowForm().txt1.isEmpty());
    EXPECT_EQ(f.design.intensity.slopeLength, 100.0);
}

TEST(IntensitySession, RiverCancelForgetsTheRiverAndReturnsToTheFlowTimeByVelocity)
{
    Fixture f;
    IntensitySession &s = f.calc.intensity();
    s.open();
    s.chooseTComputed();
    s.chooseT2Computed();
    s.setRiverCourse(true);
    s.setText(8, QStringLiteral("7"));
    s.openRiver();
    s.chooseRiverStage(false);
    s.setRiverText(QStringLiteral("txt1"), QStringLiteral("2"));
    EXPECT_TRUE(s.riverForm().opt2);
    s.riverCancel();
    EXPECT_FALSE(s.riverExists());
    EXPECT_FALSE(s.riverForm().opt2);
    EXPECT_TRUE(s.riverForm().txt1.isEmpty());
    EXPECT_EQ(s.form().chk1, 0);
    EXPECT_TRUE(s.form().Option6);
    EXPECT_TRUE(s.form().txt9.isEmpty());
    EXPECT_TRUE(s.state().velocityVisible);
}

TEST(IntensitySession, RiverOkChecksThenKeepsTheFieldsAndTheRestorePairPrefersBefore)
{
    Fixture f;
    IntensitySession &s = f.calc.intensity();
    s.ensure();
    s.setRiverForm(RiverTimeForm{true, true, QStringLiteral("2"), QStringLiteral("0.01")});
    // Kept as given while the river screen does not exist; shown with "開発前" only once it does.
    EXPECT_TRUE(s.riverForm().opt2);
    s.openRiver();
    EXPECT_TRUE(s.riverForm().opt1);
    EXPECT_FALSE(s.riverForm().opt2);
    s.setRiverText(1, QString());
    const qsizetype from = f.rec.log.size();
    EXPECT_FALSE(s.riverOk());
    EXPECT_EQ(f.rec.since(from).last(), focusOf(ScreenId::RiverTime, "txt2", FocusStyle::CaretAtStart));
    s.setRiverText(1, QStringLiteral("0.01"));
    EXPECT_TRUE(s.riverOk());
    EXPECT_FALSE(s.riverVisible());
    EXPECT_EQ(s.riverForm().txt2, QStringLiteral("0.01"));
}

TEST(IntensitySession, RestoreDoesNotHandIBackAndTheTextsStayAsTheFileHasThem)
{
    Fixture f;
    IntensityForm form;
    form.opt1 = true;
    form.txt1 = QStringLiteral("5000");
    form.txt2 = QStringLiteral("40");
    form.Option3 = true;
    form.txt8 = QStringLiteral("10");
    KeptInflowNumbers kept{1.5, 2.5, 0.3};
    f.calc.intensity().restore(form, RiverTimeForm{}, kept, InflowTimeForm{QStringLiteral("1"), {}, {}});
    EXPECT_TRUE(f.handed.isEmpty());
    EXPECT_FALSE(f.calc.intensity().visible());
    EXPECT_EQ(f.design.intensity.intensityFormula, 1);
    EXPECT_DOUBLE_EQ(f.design.intensity.concentrationTime, 10.0);
    EXPECT_EQ(f.design.intensity.retardance, 0.3);
    EXPECT_EQ(f.calc.intensity().inflowForm().txt1, QStringLiteral("1"));
    EXPECT_FALSE(f.calc.intensity().inflowExists());
}

// ---- velocity --------------------------------------------------------------------------------------------

TEST(VelocitySession, OpenCreatesTheSelectionScreenChoosingTheVpPipe)
{
    Fixture f;
    f.calc.velocity().open();
    EXPECT_EQ(f.rec.log, (QStringList{QStringLiteral("opened %1").arg(int(ScreenId::VelocitySelect)),
                                      shownOf(ScreenId::VelocitySelect, true),
                                      QStringLiteral("opened %1").arg(int(ScreenId::VelocityPipe)),
                                      // shown beside the list by the choice, then as the screen of the group
                                      shownOf(ScreenId::VelocityPipe, true),
                                      shownOf(ScreenId::VelocityPipe, true), QStringLiteral("status ")}));
    EXPECT_EQ(f.design.velocityFacility.screenGroup, 1);
    EXPECT_EQ(f.calc.velocity().kindRow(), 0);
    EXPECT_EQ(f.calc.velocity().pipeForm().txt2, QStringLiteral("0.010"));
    EXPECT_EQ(f.calc.velocity().pipeForm().lst_pu, 0);
    EXPECT_EQ(f.calc.velocity().pipeDepthLines().value(f.calc.velocity().pipeForm().cbo1),
              QStringLiteral("水深８割"));
}

TEST(VelocitySession, ChoosingAKindKeepsOnlyItsScreen)
{
    struct Row {
        int kind;
        ScreenId screen;
        int group;
    };
    const std::vector<Row> rows{{1, ScreenId::VelocityPipe, 1},    {4, ScreenId::VelocityCircular, 3},
                                {5, ScreenId::VelocityPipe, 1},    {6, ScreenId::VelocityDitch, 2},
                                {7, ScreenId::VelocityPolygon, 4}, {3, ScreenId::VelocityPipe, 1}};
    Fixture f;
    VelocitySession &v = f.calc.velocity();
    v.open();
    for (const Row &r : rows) {
        v.setKindRow(r.kind);
        EXPECT_EQ(f.design.velocityFacility.screenGroup, r.group) << r.kind;
        for (ScreenId s : {ScreenId::VelocityPipe, ScreenId::VelocityDitch, ScreenId::VelocityCircular,
                           ScreenId::VelocityPolygon})
            EXPECT_EQ(v.exists(s), s == r.screen) << r.kind << " screen " << int(s);
        if (r.screen == ScreenId::VelocityPipe) {
            EXPECT_EQ(v.pipeSeries(), static_cast<FacilityKind>(r.kind));
        }
    }
    // The U-trough's list: a pipe screen refilled with the trough depths.
    v.setKindRow(5);
    EXPECT_EQ(v.pipeDepthCaption(), QStringLiteral("有効水深"));
    // Typing into the refilled pipe screen, then choosing the same kind again refills it.
    v.setText(ScreenId::VelocityPipe, QStringLiteral("txt1"), QStringLiteral("5"));
    v.clickKind(5);
    EXPECT_TRUE(v.pipeForm().txt1.isEmpty());
    // A row outside the list chooses nothing and keeps the screens.
    v.chooseKind(12);
    EXPECT_EQ(v.kindRow(), -1);
    EXPECT_TRUE(v.exists(ScreenId::VelocityPipe));
}

TEST(VelocitySession, CalculateHandsVToTheIntensityScreenAndHidesBoth)
{
    Fixture f;
    f.calc.intensity().open();
    VelocitySession &v = f.calc.velocity();
    f.calc.intensity().chooseComputedVelocity();
    ASSERT_TRUE(v.visible(ScreenId::VelocityPipe));
    // Without a formula: the box, then the focus on "マニング公式".
    qsizetype from = f.rec.log.size();
    EXPECT_FALSE(v.calculate(ScreenId::VelocityPipe));
    EXPECT_EQ(f.rec.since(from), (QStringList{QStringLiteral("box 流速の計算方法を選択してください。"),
                                              focusOf(ScreenId::VelocitySelect, "opt1", FocusStyle::Plain)}));
    v.chooseFormula(VelocityFormula::Manning);
    v.setRow(ScreenId::VelocityPipe, QStringLiteral("lst_pu"), 2);
    v.setText(ScreenId::VelocityPipe, QStringLiteral("txt1"), QStringLiteral("10"));
    v.setRow(ScreenId::VelocityPipe, QStringLiteral("cbo1"), 0);
    from = f.rec.log.size();
    ASSERT_TRUE(v.calculate(ScreenId::VelocityPipe));
    EXPECT_EQ(f.rec.since(from),
              (QStringList{shownOf(ScreenId::VelocitySelect, false), shownOf(ScreenId::VelocityPipe, false),
                           QStringLiteral("status ") + intensityStatusText()}));
    EXPECT_EQ(f.calc.intensity().form().txt5, QStringLiteral("0.8595"));
    EXPECT_TRUE(f.calc.intensity().form().Option8);
    EXPECT_EQ(f.design.velocityFacility.nameSlot(FacilityNameSlot::Catalogue), QStringLiteral("VP - φ100"));
    // Out-of-range rows show none.
    v.setRow(ScreenId::VelocityPipe, QStringLiteral("cbo1"), 99);
    EXPECT_EQ(v.pipeForm().cbo1, -1);
}

TEST(VelocitySession, CancelClosesEverythingAndBringsTheIntensityScreenToTheFront)
{
    Fixture f;
    f.calc.intensity().open();
    f.calc.intensity().chooseComputedVelocity();
    f.calc.velocity().setKindRow(7);
    const qsizetype from = f.rec.log.size();
    f.calc.velocity().cancel();
    EXPECT_EQ(f.rec.since(from), (QStringList{QStringLiteral("closed %1").arg(int(ScreenId::VelocityPolygon)),
                                              QStringLiteral("closed %1").arg(int(ScreenId::VelocitySelect)),
                                              focusOf(ScreenId::Intensity, "", FocusStyle::Plain)}));
    EXPECT_EQ(f.design.velocityFacility.screenGroup, 0);
    EXPECT_FALSE(f.calc.velocity().exists(ScreenId::VelocitySelect));
    // Opened again, it starts over with the VP pipe.
    f.calc.velocity().open();
    EXPECT_EQ(f.calc.velocity().kindRow(), 0);
}

TEST(VelocitySession, RestoreChoosesKindZeroFirstAndRecomputesOnTheFilesGroup)
{
    struct Row {
        const char *name;
        int kind;
        double group;
        bool computes;
    };
    const std::vector<Row> rows{
        {"pipe on its group", 0, 1, true},
        {"group of another kind", 0, 3, false},
        {"no group", 0, 0, false},
        {"no kind keeps the VP pipe", -1, 1, true},
    };
    for (const Row &r : rows) {
        Fixture f;
        VelocityForms forms;
        forms.opt1 = true;
        forms.opt2 = true; // Manning wins
        forms.lst_s = r.kind;
        forms.screenGroup = r.group;
        forms.facility.pipe = PipeForm{2, QStringLiteral("10"), QStringLiteral("0.010"), 0};
        f.calc.velocity().setForms(forms);
        EXPECT_EQ(f.calc.velocity().recompute(), r.computes) << r.name;
        EXPECT_TRUE(f.rec.boxes.isEmpty()) << r.name;
        EXPECT_FALSE(f.calc.velocity().visible(ScreenId::VelocitySelect)) << r.name;
        const VelocityForms back = f.calc.velocity().forms();
        EXPECT_TRUE(back.opt1 && !back.opt2) << r.name;
        EXPECT_EQ(back.screenGroup, r.group) << r.name;
        EXPECT_EQ(back.facility.pipe.txt1, QStringLiteral("10")) << r.name;
        if (r.computes) {
            EXPECT_NEAR(f.design.velocityFacility.velocity, 0.8595, 5e-5) << r.name;
        }
    }
}

TEST(VelocitySession, PolygonDrawsItsSketchAndAClickIntoAVertexClearsIt)
{
    Fixture f;
    VelocitySession &v = f.calc.velocity();
    v.open();
    v.chooseFormula(VelocityFormula::Manning);
    v.setKindRow(7);
    const char *texts[][2] = {{"txt_m", "水路"}, {"txt1", "1"},     {"txt2", "1"},   {"txt3", "1"},
                              {"txt4", "5"},     {"txt5", "0.015"}, {"txt_x1", "0"}, {"txt_y1", "0"},
                              {"txt_x2", "0"},   {"txt_y2", "1"},   {"txt_x3", "1"}, {"txt_y3", "1"},
                              {"txt_x4", "1"},   {"txt_y4", "0"}};
    for (const auto &t : texts)
        ASSERT_TRUE(v.setText(ScreenId::VelocityPolygon, QString::fromLatin1(t[0]), QString::fromUtf8(t[1])));
    EXPECT_TRUE(v.polygonInstructionVisible());
    ASSERT_TRUE(v.draw()) << f.rec.boxes.join('|').toStdString();
    EXPECT_FALSE(v.polygonInstructionVisible());
    EXPECT_EQ(v.polygonSketch().size(), 4);
    EXPECT_TRUE(v.visible(ScreenId::VelocityPolygon));
    v.clickVertex();
    EXPECT_TRUE(v.polygonSketch().isEmpty());
    EXPECT_FALSE(v.polygonInstructionVisible());
}

TEST(CalculatorSessions, EntriesPointIntoTheSessionsThatExist)
{
    Fixture f;
    CalculatorEntries e = f.calc.entries();
    EXPECT_EQ(e.intensity, nullptr);
    EXPECT_EQ(e.runoff, nullptr);
    VelocityFacility vf;
    EXPECT_TRUE(e.velocity(vf).refusal.has_value());
    f.calc.runoff().ensure();
    f.calc.intensity().ensure();
    e = f.calc.entries();
    EXPECT_EQ(e.runoff, &f.calc.runoff().rows());
    EXPECT_EQ(e.intensity, &f.calc.intensity().state());
    f.calc.discardAll();
    EXPECT_FALSE(f.calc.runoff().exists());
    EXPECT_FALSE(f.calc.intensity().exists());
}

} // namespace
} // namespace niruka
