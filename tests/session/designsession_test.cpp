// The design session alone: 新規作成, the facility-kind switch, and 計算 with its refusals (the box first,
// then the focus) and its result, without a widget.
#include "session/calculatorsessions.h"
#include "session/facilityforms.h"
#include "session/fieldtext.h"
#include "session/runoffrules.h"
#include "sessionlog.h"

#include <functional>
#include <gtest/gtest.h>

using namespace niruka;
using namespace niruka::test;

namespace {

Control cond(const char *name)
{
    return {ScreenId::Conditions, QString::fromLatin1(name)};
}

// A new design with the worked example's C, A and I and Manning.
void startExample(DesignSession &s)
{
    s.fileNew();
    s.setText(cond("txt_c"), QStringLiteral("0.5"));
    s.setText(cond("txt_a"), QStringLiteral("10000"));
    s.setText(cond("txt_i"), QStringLiteral("100"));
    s.setChecked(cond("opt1"), true);
}

// VP φ100 at full flow, 10 ‰.
void computeExample(DesignSession &s)
{
    startExample(s);
    s.setRow({ScreenId::Pipe, QStringLiteral("lst_pu")}, 2);
    s.setText({ScreenId::Pipe, QStringLiteral("txt1")}, QStringLiteral("10"));
    s.setRow({ScreenId::Pipe, QStringLiteral("cbo1")}, 0);
    s.calculate();
}

class DesignSessionTest : public ::testing::Test {
protected:
    DesignSessionTest() : session(services)
    {
        services.log = &log;
        logEvents(session, log);
    }
    void newDesign() { startExample(session); }
    void computeVp100() { computeExample(session); }

    ScriptedServices services;
    QStringList log;
    DesignSession session;
};

TEST_F(DesignSessionTest, StartsWithAHintAndNothingToSave)
{
    EXPECT_EQ(session.window().statusText, noResultStartHint());
    EXPECT_EQ(session.window().commands, fileCommandsAllOff());
    EXPECT_FALSE(session.isOpen(ScreenId::Conditions));
}

// Whatever was open before, 新規作成 gives the same new design, in the same order of windows.
TEST_F(DesignSessionTest, FileNewFromAnyStateGivesTheSameNewDesign)
{
    struct Row {
        const char *name;
        std::function<void(DesignSession &, ScriptedServices &)> before;
    };
    const Row rows[] = {{"fresh", [](DesignSession &, ScriptedServices &) {}},
                        {"with a result", [](DesignSession &s, ScriptedServices &) { computeExample(s); }},
                        {"circular with a file name",
                         [](DesignSession &s, ScriptedServices &) {
                             startExample(s);
                             s.setRow(cond("lst_s"), 4);
                             s.setText({ScreenId::Circular, QStringLiteral("txt1")}, QStringLiteral("0.3"));
                             s.setFileName(QStringLiteral("/tmp/a.nrk"));
                             s.setChrome(false, false);
                         }},
                        {"closed", [](DesignSession &s, ScriptedServices &services) {
                             startExample(s);
                             services.answers.push_back(MsgAnswer::Ok);
                             s.closeDesign();
                         }}};
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        ScriptedServices services;
        DesignSession s(services);
        QStringList log;
        logEvents(s, log);
        row.before(s, services);
        log.clear();
        s.fileNew();

        const QStringList opening{QStringLiteral("open Conditions"), QStringLiteral("open Pipe"),
                                  QStringLiteral("focus Conditions.lst_s"),
                                  QStringLiteral("focus Conditions.txt_c"),
                                  QStringLiteral("focus Conditions.txt_c")};
        ASSERT_GE(log.size(), opening.size()) << log.join(u'|').toStdString();
        EXPECT_EQ(log.mid(log.size() - opening.size()), opening) << log.join(u'|').toStdString();
        EXPECT_FALSE(log.contains(QStringLiteral("open Result")));

        const ConditionsForm &c = s.conditions();
        EXPECT_TRUE(c.txt_c.isEmpty() && c.txt_a.isEmpty() && c.txt_i.isEmpty() && c.txt1.isEmpty());
        EXPECT_EQ(c.lst_s, 0);
        EXPECT_TRUE(c.opt3 && c.opt5 && c.opt7);
        EXPECT_FALSE(c.opt1 || c.opt2 || c.opt4 || c.opt6 || c.opt8);
        EXPECT_FALSE(s.looks().allowanceVisible);
        EXPECT_FALSE(s.looks().cFlat || s.looks().aFlat || s.looks().iFlat);
        EXPECT_EQ(s.openFacilityScreen(), FacilityScreenId::Pipe);
        EXPECT_EQ(s.looks().pipeSeries, FacilityKind::VpPipe);
        const PipeForm defaults = pipeDefaults(FacilityKind::VpPipe);
        EXPECT_EQ(s.facility().pipe.lst_pu, defaults.lst_pu);
        EXPECT_EQ(s.facility().pipe.txt2, QStringLiteral("0.010"));
        EXPECT_EQ(s.facility().pipe.cbo1, defaults.cbo1);
        EXPECT_FALSE(s.isOpen(ScreenId::Result));
        EXPECT_EQ(s.window().statusText, conditionsHint());
        EXPECT_EQ(s.window().commands, fileCommandsAllOff());
        EXPECT_TRUE(s.window().fileName.isEmpty());
        EXPECT_TRUE(s.window().toolbarVisible && s.window().statusBarVisible);
        EXPECT_EQ(s.design().result.capacity, 0.0);
        EXPECT_EQ(s.design().conditionsOpen, 1);
    }
}

// The kind list: what a choice closes and opens, and whether what was typed stays.
TEST_F(DesignSessionTest, TheKindChoiceClosesOpensAndRefills)
{
    struct Row {
        const char *name;
        int from, to;
        bool again; // a click on the kind already chosen
        QStringList events;
        FacilityScreenId open;
        bool typedKept;
    };
    const Row rows[] = {
        {"VP to VU refills the pipe screen",
         0,
         1,
         false,
         {"focus Conditions.lst_s"},
         FacilityScreenId::Pipe,
         false},
        {"VP again refills it too", 0, 0, true, {"focus Conditions.lst_s"}, FacilityScreenId::Pipe, false},
        {"VP to circular",
         0,
         4,
         false,
         {"close Pipe", "open Circular", "focus Conditions.lst_s"},
         FacilityScreenId::Circular,
         false},
        {"circular again keeps it", 4, 4, true, {"focus Conditions.lst_s"}, FacilityScreenId::Circular, true},
        {"circular to ditch",
         4,
         6,
         false,
         {"close Circular", "open Ditch", "focus Conditions.lst_s"},
         FacilityScreenId::Ditch,
         false},
        {"ditch to polygon",
         6,
         7,
         false,
         {"close Ditch", "open Polygon", "focus Conditions.lst_s"},
         FacilityScreenId::Polygon,
         false},
        {"polygon to U-trough",
         7,
         5,
         false,
         {"close Polygon", "open Pipe", "focus Conditions.lst_s"},
         FacilityScreenId::Pipe,
         false},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        ScriptedServices services;
        DesignSession s(services);
        QStringList log;
        logEvents(s, log);
        s.fileNew();
        s.setRow(cond("lst_s"), row.from);
        const ScreenId screen = s.facilityScreenId();
        const Control typed{screen,
                            screen == ScreenId::Pipe ? QStringLiteral("txt1") : QStringLiteral("txt2")};
        s.setText(typed, QStringLiteral("7"));
        log.clear();
        if (row.again)
            s.chooseKindAgain(row.to);
        else
            s.setRow(cond("lst_s"), row.to);
        EXPECT_EQ(log, row.events);
        EXPECT_EQ(s.openFacilityScreen(), row.open);
        const bool kept = row.open == FacilityScreenId::Circular ? s.facility().circular.txt2 == u"7"
                          : row.open == FacilityScreenId::Pipe   ? s.facility().pipe.txt1 == u"7"
                                                                 : false;
        EXPECT_EQ(kept, row.typedKept);
        if (row.open == FacilityScreenId::Pipe) {
            const auto kind = static_cast<FacilityKind>(row.to);
            EXPECT_EQ(s.looks().pipeSeries, kind);
            EXPECT_EQ(s.facility().pipe.txt2, pipeDefaults(kind).txt2);
            EXPECT_EQ(s.facility().pipe.cbo1, pipeDefaults(kind).cbo1);
        }
    }
}

// 計算 refuses in the written order: the box, then the focus on the field it names; nothing is stored
// and a result shown before is ended.
TEST_F(DesignSessionTest, ARefusalShowsTheBoxThenMovesTheFocus)
{
    struct Row {
        const char *name;
        std::function<void(DesignSession &)> change;
        const char *message;
        const char *focus;
    };
    const Control gradient{ScreenId::Pipe, QStringLiteral("txt1")};
    const Row rows[] = {
        {"no C", [](DesignSession &s) { s.setText(cond("txt_c"), QString()); },
         "流出係数を入力又は計算してください。", "Conditions.txt_c"},
        {"no A before no I",
         [](DesignSession &s) {
             s.setText(cond("txt_a"), QString());
             s.setText(cond("txt_i"), QString());
         },
         "施設の分担する流域面積を入力してください。", "Conditions.txt_a"},
        {"allowance without a rate", [](DesignSession &s) { s.chooseAllowance(true); },
         "計画雨水量の割増しを入力してください。", "Conditions.txt1"},
        {"no gradient", [gradient](DesignSession &s) { s.setText(gradient, QString()); },
         "施設の勾配を入力してください。", "Pipe.txt1"},
        {"no roughness",
         [](DesignSession &s) {
             s.setText({ScreenId::Pipe, QStringLiteral("txt2")}, QString());
         },
         "粗度係数を入力してください。", "Pipe.txt2"},
        {"a depth row outside the list chooses none",
         [](DesignSession &s) {
             s.setRow({ScreenId::Pipe, QStringLiteral("cbo1")}, 99);
         },
         "施設有効水深の割合を入力してください。", "Pipe.cbo1"},
        {"negative C after the written tests",
         [](DesignSession &s) {
             s.setText(cond("txt_c"), QStringLiteral("-0.5"));
             s.setRow({ScreenId::Pipe, QStringLiteral("lst_pu")}, -1);
         },
         "流出係数に負の値は入力できません。", "Conditions.txt_c"},
        {"no size",
         [](DesignSession &s) {
             s.setRow({ScreenId::Pipe, QStringLiteral("lst_pu")}, -1);
         },
         "施設の寸法を選択してください。", "Pipe.lst_pu"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        log.clear();
        services.messages.clear();
        computeVp100();
        ASSERT_TRUE(session.isOpen(ScreenId::Result));
        const double before = session.design().result.designFlow;
        row.change(session);
        log.clear();
        session.calculate();
        ASSERT_EQ(log.size(), 2) << log.join(u'|').toStdString();
        EXPECT_EQ(log[0], QStringLiteral("box エラーメッセージ: ") + QString::fromUtf8(row.message));
        EXPECT_EQ(log[1], QStringLiteral("focus ") + QString::fromLatin1(row.focus));
        EXPECT_FALSE(session.isOpen(ScreenId::Result));
        EXPECT_EQ(session.design().result.capacity, 0.0);
        EXPECT_EQ(session.design().result.designFlow, before); // the refused check stored nothing
        EXPECT_EQ(session.window().commands, fileCommandsAllOff());
    }
}

TEST_F(DesignSessionTest, AFacilityRefusalFocusesItsFieldWithTheCaretAtTheStart)
{
    newDesign();
    FocusRequest focus;
    QObject::connect(&session, &DesignSession::focusRequested, &session,
                     [&focus](const FocusRequest &r) { focus = r; });
    session.calculate();
    EXPECT_EQ(focus,
              (FocusRequest{{ScreenId::Pipe, QStringLiteral("txt1")}, FocusStyle::CaretAtStart, true}));
    session.setText({ScreenId::Pipe, QStringLiteral("txt1")}, QStringLiteral("10"));
    session.setText(cond("txt_c"), QString());
    session.calculate();
    EXPECT_EQ(focus, (FocusRequest{cond("txt_c"), FocusStyle::SelectAll, true}));
}

TEST_F(DesignSessionTest, APassingCheckShowsTheResultAndAnyEntryChangeEndsIt)
{
    computeVp100();
    ASSERT_TRUE(session.isOpen(ScreenId::Result));
    EXPECT_TRUE(isVerdictText(session.window().statusText));
    EXPECT_EQ(session.window().commands, fileCommandsOnMenuOpen(true, false));
    EXPECT_FALSE(session.result().lbl3.isEmpty());
    EXPECT_EQ(session.result().lbl3, session.looks().result.q1);

    // The same inputs again: the result is brought to the front, not made again.
    log.clear();
    session.calculate();
    EXPECT_EQ(log, QStringList{QStringLiteral("show Result")});

    struct Row {
        const char *name;
        std::function<void(DesignSession &)> change;
        bool ends;
    };
    const Row rows[] = {
        {"the same text", [](DesignSession &s) { s.setText(cond("txt_c"), QStringLiteral("0.5")); }, false},
        {"another text", [](DesignSession &s) { s.setText(cond("txt_c"), QStringLiteral("0.6")); }, true},
        {"a facility text",
         [](DesignSession &s) {
             s.setText({ScreenId::Pipe, QStringLiteral("txt1")}, "11");
         },
         true},
        {"a size row",
         [](DesignSession &s) {
             s.setRow({ScreenId::Pipe, QStringLiteral("lst_pu")}, 3);
         },
         true},
        {"the other formula", [](DesignSession &s) { s.setChecked(cond("opt2"), true); }, true},
        {"a click into a field", [](DesignSession &s) { s.clickInto(cond("txt_a")); }, true},
        {"有り", [](DesignSession &s) { s.chooseAllowance(true); }, true},
        {"a click into the pipe screen",
         [](DesignSession &s) {
             s.clickInto({ScreenId::Pipe, "txt2"});
         },
         true},
        {"the File menu", [](DesignSession &s) { s.fileMenuOpened(); }, false},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        computeVp100();
        ASSERT_TRUE(session.resultShown());
        row.change(session);
        EXPECT_EQ(!session.isOpen(ScreenId::Result), row.ends);
        if (row.ends) {
            EXPECT_EQ(session.design().result.capacity, 0.0);
            EXPECT_EQ(session.window().commands, fileCommandsAllOff());
            EXPECT_FALSE(isVerdictText(session.window().statusText));
        }
    }
}

// A click into a field ends the result and shows the note of its screen; on the polygon screen a click
// into a vertex also clears the sketch.
TEST_F(DesignSessionTest, AClickShowsTheNoteOfItsField)
{
    struct Row {
        int kind;
        ScreenId screen;
        const char *field;
        QString status;
        bool clearsSketch;
    };
    const Row rows[] = {
        {0, ScreenId::Conditions, "txt_a", conditionsHint(), false},
        {0, ScreenId::Pipe, "lst_pu", facilityHint(), false},
        {4, ScreenId::Circular, "txt1", facilityHint(), false},
        {6, ScreenId::Ditch, "txt5", facilityHint(), false},
        {6, ScreenId::Ditch, "cbo1", ditchDepthHint(), false},
        {7, ScreenId::Polygon, "txt_m", facilityHint(), false},
        {7, ScreenId::Polygon, "txt4", conditionsHint(), false},
        {7, ScreenId::Polygon, "txt_y3", conditionsHint(), true},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.field);
        newDesign();
        session.setRow(cond("lst_s"), row.kind);
        if (row.kind == 7) {
            const char *const vertices[][2] = {{"txt_x2", "0"}, {"txt_y2", "1"},  {"txt_x3", "2"},
                                               {"txt_y3", "1"}, {"txt_x4", "2"},  {"txt_y4", "0"},
                                               {"txt1", "2"},   {"txt2", "2"},    {"txt3", "1"},
                                               {"txt4", "1"},   {"txt5", "0.013"}};
            for (const auto &v : vertices)
                session.setText({ScreenId::Polygon, QString::fromLatin1(v[0])}, QString::fromLatin1(v[1]));
        } else if (row.kind == 4) {
            session.setText({ScreenId::Circular, QStringLiteral("txt1")}, QStringLiteral("0.3"));
            session.setText({ScreenId::Circular, QStringLiteral("txt2")}, QStringLiteral("10"));
            session.setText({ScreenId::Circular, QStringLiteral("txt3")}, QStringLiteral("0.013"));
        } else if (row.kind == 6) {
            for (const char *f : {"txt1", "txt2", "txt3", "txt4"})
                session.setText({ScreenId::Ditch, QString::fromLatin1(f)}, QStringLiteral("0.3"));
            session.setText({ScreenId::Ditch, QStringLiteral("txt5")}, QStringLiteral("10"));
            session.setText({ScreenId::Ditch, QStringLiteral("txt6")}, QStringLiteral("0.013"));
        } else {
            session.setRow({ScreenId::Pipe, QStringLiteral("lst_pu")}, 2);
            session.setText({ScreenId::Pipe, QStringLiteral("txt1")}, QStringLiteral("10"));
        }
        session.calculate();
        ASSERT_TRUE(session.isOpen(ScreenId::Result)) << services.messages.last().text.toStdString();
        const bool sketched = !session.looks().polygonSketch.isEmpty();
        EXPECT_EQ(sketched, row.kind == 7);
        session.clickInto({row.screen, QString::fromLatin1(row.field)});
        EXPECT_FALSE(session.isOpen(ScreenId::Result));
        EXPECT_EQ(session.window().statusText, row.status);
        EXPECT_EQ(session.looks().polygonSketch.isEmpty(), row.clearsSketch || !sketched);
    }
}

TEST_F(DesignSessionTest, TheButtonsBesideCAndISwitchTheEntryMode)
{
    newDesign();
    session.intensityDirect();
    EXPECT_TRUE(session.conditions().opt3);
    EXPECT_EQ(session.design().intensityMode, IntensityMode::Direct);
    session.weightedAverage();
    EXPECT_FALSE(session.window().toolbarVisible);
    EXPECT_FALSE(session.window().diagramMenuEnabled);
    session.runoffDirect();
    EXPECT_TRUE(session.conditions().opt5);
    EXPECT_FALSE(session.looks().cFlat || session.looks().aFlat);
    // "無し" clears the rate and hides it.
    session.chooseAllowance(true);
    session.setText(cond("txt1"), QStringLiteral("25"));
    EXPECT_TRUE(session.looks().allowanceVisible);
    session.chooseAllowance(false);
    EXPECT_TRUE(session.conditions().txt1.isEmpty());
    EXPECT_FALSE(session.looks().allowanceVisible);
    EXPECT_TRUE(session.conditions().opt7 && !session.conditions().opt8);
}

// The calculators hand their values back into the conditions screen with the flat look of a value not
// typed, and give back the menus and bars they took.
TEST_F(DesignSessionTest, TheCalculatorsHandBackIntoTheConditions)
{
    computeVp100();
    session.weightedAverage();
    EXPECT_FALSE(session.isOpen(ScreenId::Result));
    EXPECT_EQ(session.window().statusText, runoffOpenStatusText());
    log.clear();
    session.runoffConfirmed(QStringLiteral("0.45"), QStringLiteral("12000.00"));
    EXPECT_EQ(session.conditions().txt_c, QStringLiteral("0.45"));
    EXPECT_EQ(session.conditions().txt_a, QStringLiteral("12000.00"));
    EXPECT_TRUE(session.looks().cFlat && session.looks().aFlat && !session.looks().iFlat);
    EXPECT_TRUE(session.conditions().opt6 && !session.conditions().opt5);
    EXPECT_EQ(session.design().runoffMode, RunoffMode::WeightedAverage);
    EXPECT_EQ(log, QStringList{QStringLiteral("focus Conditions.Command1")});
    EXPECT_TRUE(session.window().toolbarVisible && session.window().diagramMenuEnabled);

    session.computeIntensity();
    EXPECT_FALSE(session.window().toolbarVisible);
    log.clear();
    session.intensityConfirmed(QStringLiteral("88.0"));
    EXPECT_EQ(session.conditions().txt_i, QStringLiteral("88.0"));
    EXPECT_TRUE(session.looks().iFlat && session.conditions().opt4);
    EXPECT_EQ(session.design().intensityMode, IntensityMode::Computed);
    EXPECT_EQ(log, QStringList{QStringLiteral("focus Conditions.lst_s")});
    EXPECT_TRUE(session.window().toolbarVisible);

    // A click into I makes it an entered value again.
    session.clickInto(cond("txt_i"));
    EXPECT_FALSE(session.looks().iFlat);
    EXPECT_TRUE(session.conditions().opt3);
    EXPECT_EQ(session.design().intensityMode, IntensityMode::Direct);
}

// The print image of a one-page report hides the intensity screen; the screen still holds the diagram menu
// and the toolbar it took, and gives them back when it is unloaded, as by its own キャンセル.
TEST_F(DesignSessionTest, TheIntensityScreenHiddenByThePrintImageStillGivesBackTheMenus)
{
    struct Row {
        const char *name;
        int pages;
        std::function<void(DesignSession &)> unload;
    };
    const Row rows[] = {
        {"one page, I 直接入力", 1, [](DesignSession &s) { s.intensityDirect(); }},
        {"one page, a click into I", 1, [](DesignSession &s) { s.clickInto(cond("txt_i")); }},
        {"one page, 新規作成", 1, [](DesignSession &s) { s.fileNew(); }},
        {"two pages, I 直接入力", 2, [](DesignSession &s) { s.intensityDirect(); }},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        computeVp100();
        session.computeIntensity();
        session.calculate();
        ASSERT_TRUE(session.resultShown());
        session.printImageOpened(row.pages);
        EXPECT_FALSE(session.window().toolbarVisible);
        EXPECT_EQ(session.intensity().visible(), row.pages == 2);
        session.printImageClosed();
        EXPECT_TRUE(session.window().toolbarVisible);
        EXPECT_FALSE(session.window().diagramMenuEnabled);
        row.unload(session);
        EXPECT_FALSE(session.intensity().exists());
        EXPECT_TRUE(session.window().diagramMenuEnabled);
        EXPECT_TRUE(session.window().toolbarVisible);
    }
    // Hidden after a file's restore, it never held them: unloading it leaves the menu as it is.
    computeVp100();
    session.intensity().ensure();
    session.intensity().hide();
    session.setDiagramMenuEnabled(false);
    session.intensityDirect();
    EXPECT_FALSE(session.window().diagramMenuEnabled);
}

TEST_F(DesignSessionTest, TheQuestionsOfClosingAndEnding)
{
    newDesign();
    services.answers = {MsgAnswer::Cancel};
    session.closeDesign();
    EXPECT_TRUE(session.isOpen(ScreenId::Conditions));
    services.answers = {MsgAnswer::Ok};
    session.closeDesign();
    EXPECT_FALSE(session.isOpen(ScreenId::Conditions));
    EXPECT_EQ(session.window().statusText, QString());
    ASSERT_EQ(services.messages.size(), 2);
    EXPECT_EQ(services.messages[0].text,
              QStringLiteral("作成中のデータが失われます。閉じてもよろしいですか？"));

    int exits = 0;
    QObject::connect(&session, &DesignSession::exitRequested, &session, [&exits] { ++exits; });
    EXPECT_FALSE(session.exitFromMenu());      // the default button is いいえ
    EXPECT_TRUE(session.confirmWindowClose()); // the default button is はい
    EXPECT_TRUE(session.confirmWindowClose()); // asked once only
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(services.messages.size(), 4);
    EXPECT_EQ(services.messages.last().text, QStringLiteral("終了してもよろしいですか?"));
}

TEST_F(DesignSessionTest, ALongTextIsCutAsALineEditCutsIt)
{
    session.fileNew();
    session.setText(cond("txt_c"), QString(40000, u'1'));
    EXPECT_EQ(session.conditions().txt_c.size(), kFieldTextMaxLength);
}

} // namespace
