// The facility screens as data: each kind opens with its series, lists and defaults, and a stored row
// outside a list leaves nothing chosen.
#include "session/facilityforms.h"

#include <gtest/gtest.h>

using namespace niruka;

namespace {

struct KindRow {
    FacilityKind kind;
    const char *title;
    const char *roughness;
    const char *depthCaption;
    const char *firstSize;
    qsizetype depthLines;
    const char *defaultDepth;
};

class PipeKinds : public ::testing::TestWithParam<KindRow> {};

TEST_P(PipeKinds, OpensWithTheSeriesDefaults)
{
    const KindRow &row = GetParam();
    const PipeLists lists = pipeLists(row.kind);
    const PipeForm form = pipeDefaults(row.kind);
    EXPECT_EQ(lists.title, QString::fromUtf8(row.title));
    EXPECT_EQ(lists.depthCaption, QString::fromUtf8(row.depthCaption));
    ASSERT_FALSE(lists.sizes.isEmpty());
    EXPECT_TRUE(lists.sizes.first().startsWith(QString::fromUtf8(row.firstSize)))
        << lists.sizes.first().toStdString();
    EXPECT_EQ(lists.depths.size(), row.depthLines);
    EXPECT_EQ(form.lst_pu, 0);
    EXPECT_EQ(form.txt1, QString());
    EXPECT_EQ(form.txt2, QString::fromUtf8(row.roughness));
    ASSERT_GE(form.cbo1, 0);
    ASSERT_LT(form.cbo1, lists.depths.size());
    EXPECT_EQ(lists.depths.at(form.cbo1), QString::fromUtf8(row.defaultDepth));
}

INSTANTIATE_TEST_SUITE_P(Rows, PipeKinds,
                         ::testing::Values(KindRow{FacilityKind::VpPipe, "ＶＰ管", "0.010", "有効水深 水量",
                                                   "ＶＰ－φ", 15, "水深８割"},
                                           KindRow{FacilityKind::VuPipe, "ＶＵ管", "0.010", "有効水深 水量",
                                                   "ＶＵ－φ", 15, "水深８割"},
                                           KindRow{FacilityKind::FrpmPipe, "強化プラスチック複合管", "0.010",
                                                   "有効水深 水量", "ＦＲＰＭ管－φ", 15, "水深８割"},
                                           KindRow{FacilityKind::HumePipe, "ヒューム管", "0.013",
                                                   "有効水深 水量", "ヒューム管－φ", 15, "水深８割"},
                                           // The U-trough's list has no rows by water volume.
                                           KindRow{FacilityKind::UTrough, "Ｕ型トラフ", "0.013", "有効水深",
                                                   "Ｕ－", 8, "水深８割"}));

TEST(FacilityForms, TheEnteredShapesOpenWithTheirDepthDefaults)
{
    EXPECT_EQ(circularDepthLines().at(circularDefaults().cbo1), QStringLiteral("水深８割"));
    EXPECT_EQ(ditchDepthLines().size(), 7);
    EXPECT_EQ(ditchDepthLines().at(ditchDefaults().cbo1), QStringLiteral(" ８割"));
    EXPECT_TRUE(circularDefaults().txt1.isEmpty());
    const PolygonForm polygon = polygonDefaults();
    EXPECT_EQ(polygon.txt_x[0], QStringLiteral(" 0"));
    EXPECT_EQ(polygon.txt_y[0], QStringLiteral(" 0"));
    for (std::size_t i = 1; i < 8; ++i)
        EXPECT_TRUE(polygon.txt_x[i].isEmpty() && polygon.txt_y[i].isEmpty()) << i;
}

TEST(FacilityForms, ARowOutsideTheListChoosesNone)
{
    struct Row {
        int row, count, shown;
    };
    for (const Row &r : {Row{0, 7, 0}, Row{6, 7, 6}, Row{7, 7, -1}, Row{-1, 7, -1}, Row{-5, 7, -1},
                         Row{0, 0, -1}, Row{1000000, 13, -1}})
        EXPECT_EQ(clampedRow(r.row, r.count), r.shown) << r.row << " of " << r.count;
}

TEST(FacilityForms, FormsAndEntriesCarryEveryField)
{
    const CircularForm circular{"a", "b", "c", "d", 3};
    EXPECT_EQ(circularFormOf(circularEntriesOf(circular)).txt3, QStringLiteral("d"));
    EXPECT_EQ(circularEntriesOf(circular).fillRow, 3);
    const DitchForm ditch{"m", "1", "2", "3", "4", "5", "6", 2};
    const DitchEntries de = ditchEntriesOf(ditch);
    EXPECT_EQ(de.height, QStringLiteral("1"));
    EXPECT_EQ(de.slopeWidth, QStringLiteral("4"));
    EXPECT_EQ(de.roughness, QStringLiteral("6"));
    EXPECT_EQ(ditchFormOf(de).txt5, QStringLiteral("5"));
    PolygonForm polygon = polygonDefaults();
    polygon.txt4 = QStringLiteral("g");
    polygon.txt_y[7] = QStringLiteral("9");
    const PolygonEntries pe = polygonEntriesOf(polygon);
    EXPECT_EQ(pe.gradient, QStringLiteral("g"));
    EXPECT_EQ(polygonFormOf(pe).txt_y[7], QStringLiteral("9"));
    const PipeEntries pipe = pipeEntriesOf(PipeForm{4, "10", "0.013", 1}, FacilityKind::HumePipe);
    EXPECT_EQ(pipe.kind, FacilityKind::HumePipe);
    EXPECT_EQ(pipe.sizeRow, 4);
    EXPECT_EQ(pipeFormOf(pipe).cbo1, 1);
}

} // namespace
