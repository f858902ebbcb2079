// The diagram window's rules without the window: the checks of グラフ 描画 in their order, the focus they
// ask for, the restore of a settings file, the save questions, the menu and the printed page.

#include "docs/diagramsettings.h"
#include "fakesessionservices.h"
#include "session/diagramsession.h"

#include <QDir>
#include <QFile>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace niruka;
using niruka::test::FakeSessionServices;

namespace {

QString data(const char *relative)
{
    return QStringLiteral(NIRUKA_TEST_DATA "/") + QString::fromUtf8(relative);
}

struct DrawCase {
    const char *name;
    int family, depth;
    const char *n;
    int formula; // 0 none, 1 Manning, 2 Kutter
    const char *c, *i;
    const char *message; // empty: drawn
    const char *focus;
};

class DrawChecks : public ::testing::TestWithParam<DrawCase> {};

TEST_P(DrawChecks, RefuseInOrderWithTheBoxThenTheFocus)
{
    const DrawCase &c = GetParam();
    FakeSessionServices fake;
    DiagramSession s(fake);
    QStringList events;
    s.onFocus = [&](const QString &control) {
        events << QStringLiteral("focus %1 after %2 boxes").arg(control).arg(fake.messages.size());
    };
    s.setFamilyRow(c.family);
    s.setDepthRow(c.depth);
    s.setRoughness(QString::fromUtf8(c.n));
    s.setFormulaMarks(c.formula == 1, c.formula == 2);
    s.setRunoff(QString::fromUtf8(c.c));
    s.setIntensity(QString::fromUtf8(c.i));

    const bool drawn = s.draw();
    EXPECT_EQ(drawn, *c.message == 0);
    EXPECT_EQ(s.screenDrawings(), drawn ? 1 : 0);
    // n, C and I are read even when a check refuses.
    EXPECT_EQ(s.currentSettings().roughness, QString::fromUtf8(c.n).toDouble());
    if (drawn) {
        EXPECT_TRUE(fake.messages.isEmpty());
        EXPECT_TRUE(events.isEmpty());
        EXPECT_EQ(s.drawnState(), DiagramSession::DrawnState::Screen);
        EXPECT_EQ(s.surfaceGeometry().curves.size(), std::size_t(8));
        return;
    }
    ASSERT_EQ(fake.messages.size(), 1);
    EXPECT_EQ(fake.messages[0].title, QStringLiteral("エラーメッセージ"));
    EXPECT_EQ(fake.messages[0].text, QString::fromUtf8(c.message));
    EXPECT_EQ(events, QStringList{QStringLiteral("focus %1 after 1 boxes").arg(QString::fromUtf8(c.focus))});
    EXPECT_EQ(s.drawnState(), DiagramSession::DrawnState::None);
}

INSTANTIATE_TEST_SUITE_P(
    Diagram, DrawChecks,
    ::testing::Values(
        DrawCase{"separator_family", 4, 1, "", 0, "", "", "施設の種類を選択してください。", "cbo1"},
        DrawCase{"family_outside_list", 13, 1, "", 0, "", "", "施設の種類を選択してください。", "cbo1"},
        DrawCase{"separator_depth", 0, 8, "", 0, "", "", "水深水量を選択してください。", "cbo2"},
        DrawCase{"no_depth", 0, -1, "", 0, "", "", "水深水量を選択してください。", "cbo2"},
        DrawCase{"n_missing", 0, 2, "abc", 0, "", "", "粗度係数を入力してください。", "txt1"},
        DrawCase{"n_negative", 0, 2, "-0.01", 1, "0.5", "100", "粗度係数を入力してください。", "txt1"},
        DrawCase{"no_formula", 0, 2, "0.01", 0, "", "", "流速の計算方法を選択してください。", "opt1"},
        DrawCase{"c_missing", 0, 2, "0.01", 1, "", "", "流出係数を入力してください。", "txt2"},
        DrawCase{"i_zero", 0, 2, "0.01", 2, "0.5", "0", "1時間当たりの降雨強度を入力してください。", "txt3"},
        DrawCase{"all_given", 0, 2, "0.01", 2, "0.5", "100", "", ""}),
    [](const ::testing::TestParamInfo<DrawCase> &info) { return std::string(info.param.name); });

TEST(DiagramSession, StartsOnTheFirstGroupAndEightTenthsDepthWithAnEmptyDiagram)
{
    FakeSessionServices fake;
    const DiagramSession s(fake);
    EXPECT_EQ(s.fields().familyRow, 0);
    EXPECT_EQ(DiagramSession::depthLines().value(s.fields().depthRow), QStringLiteral("水深８割"));
    EXPECT_EQ(DiagramSession::familyLines().size(), 13);
    EXPECT_TRUE(s.surfaceGeometry().curves.empty());
    EXPECT_FALSE(s.surfaceGeometry().grid.empty());
    EXPECT_EQ(s.drawnState(), DiagramSession::DrawnState::None);
}

TEST(DiagramSession, AGroupPutsInItsRoughnessAndTheNineAndAHalfTenthsDepth)
{
    FakeSessionServices fake;
    DiagramSession s(fake);
    s.setRoughness(QStringLiteral("0.02"));
    s.selectFamily(1); // a separator: the depth changes, n stays
    EXPECT_EQ(s.fields().depthRow, 2);
    EXPECT_EQ(s.fields().roughness, QStringLiteral("0.02"));
    s.selectFamily(10);
    EXPECT_EQ(s.fields().roughness, QStringLiteral("0.013"));
}

TEST(DiagramSession, TheMenuFollowsTheDrawingAndTheFileName)
{
    FakeSessionServices fake;
    DiagramSession s(fake);
    int renders = 0;
    s.onFieldsChanged = [&] { ++renders; };
    s.openFromMainMenu();
    EXPECT_EQ(s.fields().roughness, QStringLiteral("0.01"));
    EXPECT_EQ(s.menuState(), (DiagramSession::MenuState{false, false}));
    s.menuOpened();
    EXPECT_EQ(s.menuState(), (DiagramSession::MenuState{false, false}));
    s.drawWithoutChecks();
    s.menuOpened();
    EXPECT_EQ(s.menuState(), (DiagramSession::MenuState{true, false}));
    EXPECT_EQ(renders, 3);
}

struct OpenCase {
    const char *name;
    const char *file;
    const char *message; // empty: none
    int drawings;
    DiagramFields fields; // after the restore (only when drawn)
};

class OpenFile : public ::testing::TestWithParam<OpenCase> {};

TEST_P(OpenFile, RestoresWhatWasReadAndDrawsItOnce)
{
    const OpenCase &c = GetParam();
    FakeSessionServices fake;
    DiagramSession s(fake);
    int surfaces = 0;
    s.onSurfaceChanged = [&] { ++surfaces; };
    const bool restored = s.openSettingsFile(data(c.file));
    EXPECT_EQ(restored, c.drawings == 1);
    EXPECT_EQ(s.fileName(), data(c.file)) << "the name is kept even when the file cannot be read";
    EXPECT_EQ(fake.messageTexts(), *c.message ? QStringList{QString::fromUtf8(c.message)} : QStringList{});
    EXPECT_EQ(s.screenDrawings(), c.drawings);
    EXPECT_EQ(surfaces, c.drawings);
    if (c.drawings) {
        EXPECT_EQ(s.fields(), c.fields);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Diagram, OpenFile,
    ::testing::Values(
        // Kutter wins when the file sets both marks.
        OpenCase{
            "vu2_kutter",
            "diagram/vu2-kutter.gra",
            "",
            1,
            {3, 10, false, true, QStringLiteral("0.011"), QStringLiteral("0.5（仮）"), QStringLiteral("75")}},
        OpenCase{"separators", "diagram/separators-no-formula.gra", "", 1, {8, 1, false, false, {}, {}, {}}},
        OpenCase{"missing", "diagram/does-not-exist.gra", "ファイルを開けませんでした。", 0, {}}),
    [](const ::testing::TestParamInfo<OpenCase> &info) { return std::string(info.param.name); });

TEST(DiagramSession, ATruncatedFileRestoresWhatWasReadAndSaysSo)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("short.gra"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(" 10\r\n 3\r\n");
    f.close();
    FakeSessionServices fake;
    DiagramSession s(fake);
    s.setRoughness(QStringLiteral("0.02"));
    EXPECT_TRUE(s.openSettingsFile(path));
    EXPECT_EQ(fake.messageTexts(),
              QStringList{QStringLiteral(
                  "ファイルの内容に読み込めない行がありました。読み込めた項目だけを復元しました。")});
    EXPECT_EQ(s.fields().familyRow, 10);
    EXPECT_EQ(s.fields().depthRow, 3);
    EXPECT_EQ(s.fields().roughness, QStringLiteral("0.013")) << "the group's roughness";
    EXPECT_EQ(s.screenDrawings(), 1);
}

TEST(DiagramSession, SaveAsAsksBeforeReplacingAndTheFileReadsBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("g.gra"));
    FakeSessionServices fake;
    DiagramSession s(fake);
    s.setFamilyRow(3);
    s.setFormulaMarks(true, false);
    s.setRoughness(QStringLiteral("0.012"));
    s.setRunoff(QStringLiteral("0.6"));
    s.setIntensity(QStringLiteral("80"));
    fake.fileAnswers = {path};
    s.saveAs();
    EXPECT_TRUE(fake.messages.isEmpty());
    ASSERT_EQ(fake.fileRequests.size(), 1);
    EXPECT_TRUE(fake.fileRequests[0].save);
    EXPECT_EQ(fake.fileRequests[0].filter, QStringLiteral("ニルカグラフ(.gra) (*.gra)"));

    // Now the file exists: No keeps it (and the chosen name), Yes replaces it.
    s.setRunoff(QStringLiteral("0.7"));
    fake.fileAnswers = {path};
    s.saveAs();
    ASSERT_EQ(fake.messages.size(), 1);
    EXPECT_EQ(fake.messages[0].text, QStringLiteral("同名ファイルがあります。上書き保存しますか？"));
    EXPECT_EQ(loadDiagramSettingsFile(path).record.runoffText, QStringLiteral("0.6"));
    EXPECT_EQ(s.fileName(), path);

    fake.answers = {MsgAnswer::Ok};
    s.overwrite();
    EXPECT_EQ(fake.messages.last().text, QStringLiteral("上書き保存してもよろしいですか？"));
    const DiagramReadResult back = loadDiagramSettingsFile(path);
    EXPECT_EQ(back.status, DiagramReadStatus::Complete);
    EXPECT_EQ(back.record.runoffText, QStringLiteral("0.7"));

    DiagramSession other(fake);
    other.openSettingsFile(path);
    EXPECT_EQ(other.fields(), s.fields());
}

TEST(DiagramSession, NewClearsTheFieldsAndTheDrawing)
{
    FakeSessionServices fake;
    DiagramSession s(fake);
    s.openSettingsFile(data("diagram/vu2-kutter.gra"));
    s.fileNew();
    EXPECT_EQ(s.fields(), (DiagramFields{0, 2, false, false, {}, {}, {}}));
    EXPECT_EQ(s.drawnState(), DiagramSession::DrawnState::None);
    EXPECT_TRUE(s.surfaceGeometry().curves.empty());
}

TEST(DiagramSession, PrintsOnTheA4PageWithTheSettingsOfTheLastDrawing)
{
    QTemporaryDir dir;
    FakeSessionServices fake;
    DiagramSession s(fake);
    s.openSettingsFile(data("diagram/vu2-kutter.gra"));
    s.setIntensity(QStringLiteral("10")); // not drawn yet: the print keeps I of the drawing
    s.setFormulaMarks(true, false);       // the formula is taken as it is now
    EXPECT_EQ(s.printSettings().rainIntensity, 75);
    EXPECT_EQ(s.printSettings().formula, VelocityFormula::Manning);

    QPdfWriter pdf(dir.filePath(QStringLiteral("d.pdf")));
    pdf.setResolution(1200);
    pdf.setPageLayout(diagramPrintLayout());
    EXPECT_TRUE(s.print(pdf));
    EXPECT_EQ(s.drawnState(), DiagramSession::DrawnState::Printed);
    EXPECT_TRUE(fake.messages.isEmpty());
    EXPECT_EQ(diagramPrintLayout().fullRect(QPageLayout::Point).size(), QSizeF(595, 842));
    EXPECT_GT(QFileInfo(dir.filePath(QStringLiteral("d.pdf"))).size(), 1000);
}

} // namespace
