// The catalogue character for character: every list text, report name and inner dimension.
#include "engine/catalogue.h"

#include <gtest/gtest.h>
#include <vector>

namespace niruka {
namespace {

struct SizeFact {
    const char *listText;
    const char *reportName;
    double inner;
};

struct SeriesFact {
    SeriesId id;
    const char *name;
    const char *roughness;
    const char *caption;
    std::vector<SizeFact> sizes;
};

const std::vector<SeriesFact> &expectedCatalogue()
{
    static const std::vector<SeriesFact> facts{
        {SeriesId::Vp,
         "VP",
         "0.010",
         "有効水深 水量",
         {{"ＶＰ－φ６５", "VP - φ65", 0.0678},
          {"ＶＰ－φ７５", "VP - φ75", 0.078},
          {"ＶＰ－φ１００", "VP - φ100", 0.1008},
          {"ＶＰ－φ１２５", "VP - φ125", 0.126},
          {"ＶＰ－φ１５０", "VP - φ150", 0.1472},
          {"ＶＰ－φ２００", "VP - φ200", 0.1954},
          {"ＶＰ－φ２５０", "VP - φ250", 0.2416},
          {"ＶＰ－φ３００", "VP - φ300", 0.2878}}},
        {SeriesId::Vu,
         "VU",
         "0.010",
         "有効水深 水量",
         {{"ＶＵ－φ６５", "VU - φ65", 0.0716},
          {"ＶＵ－φ７５", "VU - φ75", 0.0836},
          {"ＶＵ－φ１００", "VU - φ100", 0.1078},
          {"ＶＵ－φ１２５", "VU - φ125", 0.1318},
          {"ＶＵ－φ１５０", "VU - φ150", 0.1548},
          {"ＶＵ－φ２００", "VU - φ200", 0.203},
          {"ＶＵ－φ２５０", "VU - φ250", 0.2514},
          {"ＶＵ－φ３００", "VU - φ300", 0.2996},
          {"ＶＵ－φ３５０", "VU - φ350", 0.349},
          {"ＶＵ－φ４００", "VU - φ400", 0.3964},
          {"ＶＵ－φ４５０", "VU - φ450", 0.4436},
          {"ＶＵ－φ５００", "VU - φ500", 0.4908},
          {"ＶＵ－φ６００", "VU - φ600", 0.5944}}},
        {SeriesId::Frpm,
         "FRPM",
         "0.010",
         "有効水深 水量",
         {{"ＦＲＰＭ管－φ２００", "強化プラスチック複合管 φ200", 0.2},
          {"ＦＲＰＭ管－φ２５０", "強化プラスチック複合管 φ250", 0.25},
          {"ＦＲＰＭ管－φ３００", "強化プラスチック複合管 φ300", 0.3},
          {"ＦＲＰＭ管－φ３５０", "強化プラスチック複合管 φ350", 0.35},
          {"ＦＲＰＭ管－φ４００", "強化プラスチック複合管 φ400", 0.4},
          {"ＦＲＰＭ管－φ４５０", "強化プラスチック複合管 φ450", 0.45},
          {"ＦＲＰＭ管－φ５００", "強化プラスチック複合管 φ500", 0.5},
          {"ＦＲＰＭ管－φ６００", "強化プラスチック複合管 φ600", 0.6},
          {"ＦＲＰＭ管－φ７００", "強化プラスチック複合管 φ700", 0.7},
          {"ＦＲＰＭ管－φ８００", "強化プラスチック複合管 φ800", 0.8},
          {"ＦＲＰＭ管－φ９００", "強化プラスチック複合管 φ900", 0.9},
          {"ＦＲＰＭ管－φ１０００", "強化プラスチック複合管 φ1000", 1.0},
          {"ＦＲＰＭ管－φ１１００", "強化プラスチック複合管 φ1100", 1.1},
          {"ＦＲＰＭ管－φ１２００", "強化プラスチック複合管 φ1200", 1.2},
          {"ＦＲＰＭ管－φ１３５０", "強化プラスチック複合管 φ1350", 1.35},
          {"ＦＲＰＭ管－φ１５００", "強化プラスチック複合管 φ1500", 1.5},
          {"ＦＲＰＭ管－φ１６５０", "強化プラスチック複合管 φ1650", 1.65},
          {"ＦＲＰＭ管－φ１８００", "強化プラスチック複合管 φ1800", 1.8},
          {"ＦＲＰＭ管－φ２０００", "強化プラスチック複合管 φ2000", 2.0}}},
        {SeriesId::Hume,
         "Hume",
         "0.013",
         "有効水深 水量",
         {{"ヒューム管－φ１５０", "ﾋｭｰﾑ管 φ150", 0.15},   {"ヒューム管－φ２００", "ﾋｭｰﾑ管 φ200", 0.2},
          {"ヒューム管－φ２５０", "ﾋｭｰﾑ管 φ250", 0.25},   {"ヒューム管－φ３００", "ﾋｭｰﾑ管 φ300", 0.3},
          {"ヒューム管－φ３５０", "ﾋｭｰﾑ管 φ350", 0.35},   {"ヒューム管－φ４００", "ﾋｭｰﾑ管 φ400", 0.4},
          {"ヒューム管－φ４５０", "ﾋｭｰﾑ管 φ450", 0.45},   {"ヒューム管－φ５００", "ﾋｭｰﾑ管 φ500", 0.5},
          {"ヒューム管－φ６００", "ﾋｭｰﾑ管 φ600", 0.6},    {"ヒューム管－φ７００", "ﾋｭｰﾑ管 φ700", 0.7},
          {"ヒューム管－φ８００", "ﾋｭｰﾑ管 φ800", 0.8},    {"ヒューム管－φ９００", "ﾋｭｰﾑ管 φ900", 0.9},
          {"ヒューム管－φ１０００", "ﾋｭｰﾑ管 φ1000", 1.0}, {"ヒューム管－φ１１００", "ﾋｭｰﾑ管 φ1100", 1.1},
          {"ヒューム管－φ１２００", "ﾋｭｰﾑ管 φ1200", 1.2}, {"ヒューム管－φ１３５０", "ﾋｭｰﾑ管 φ1350", 1.35},
          {"ヒューム管－φ１５００", "ﾋｭｰﾑ管 φ1500", 1.5}, {"ヒューム管－φ１６５０", "ﾋｭｰﾑ管 φ1650", 1.65},
          {"ヒューム管－φ１８００", "ﾋｭｰﾑ管 φ1800", 1.8}, {"ヒューム管－φ２０００", "ﾋｭｰﾑ管 φ2000", 2.0},
          {"ヒューム管－φ２２００", "ﾋｭｰﾑ管 φ2200", 2.2}, {"ヒューム管－φ２４００", "ﾋｭｰﾑ管 φ2400", 2.4},
          {"ヒューム管－φ２６００", "ﾋｭｰﾑ管 φ2600", 2.6}, {"ヒューム管－φ２８００", "ﾋｭｰﾑ管 φ2800", 2.8},
          {"ヒューム管－φ３０００", "ﾋｭｰﾑ管 φ3000", 3.0}}},
        {SeriesId::UTrough,
         "U-trough",
         "0.013",
         "有効水深",
         {{"Ｕ－１５０", "U - 150 X 150", 0.15},
          {"Ｕ－１８０", "U - 180 X 180", 0.18},
          {"Ｕ－２４０", "U - 240 X 240", 0.24},
          {"Ｕ－３００", "U - 300 X 300", 0.3},
          {"Ｕ－３６０", "U - 360 X 360", 0.36},
          {"Ｕ－４５０", "U - 450 X 450", 0.45},
          {"Ｕ－６００", "U - 600 X 600", 0.6}}},
    };
    return facts;
}

TEST(PipeCatalogueTest, EverySeriesMatchesTheTableCharacterForCharacter)
{
    const auto &facts = expectedCatalogue();
    ASSERT_EQ(PipeCatalogue::allSeries().size(), facts.size());
    for (const SeriesFact &fact : facts) {
        SCOPED_TRACE(fact.name);
        const PipeSeries &s = PipeCatalogue::series(fact.id);
        EXPECT_EQ(s.id, fact.id);
        EXPECT_EQ(s.defaultRoughnessText, fact.roughness);
        EXPECT_EQ(s.depthListCaption, fact.caption);
        ASSERT_EQ(s.sizes.size(), fact.sizes.size());
        for (std::size_t i = 0; i < fact.sizes.size(); ++i) {
            SCOPED_TRACE(fact.sizes[i].reportName);
            EXPECT_EQ(s.sizes[i].listText, fact.sizes[i].listText);
            EXPECT_EQ(s.sizes[i].reportName, fact.sizes[i].reportName);
            // Exactly the decimal of the table, e.g. 0.203 for VU φ200 and 1.35 for φ1350.
            EXPECT_EQ(s.sizes[i].innerDimension, fact.sizes[i].inner);
            const PipeSize *byPosition = PipeCatalogue::size(fact.id, static_cast<int>(i));
            ASSERT_NE(byPosition, nullptr);
            EXPECT_EQ(byPosition, &s.sizes[i]);
        }
        EXPECT_EQ(PipeCatalogue::size(fact.id, -1), nullptr);
        EXPECT_EQ(PipeCatalogue::size(fact.id, static_cast<int>(fact.sizes.size())), nullptr);
    }
}

TEST(PipeCatalogueTest, NominalSizeFollowsTheReportName)
{
    EXPECT_EQ(PipeCatalogue::size(SeriesId::Vp, 0)->nominalSize, 65);
    EXPECT_EQ(PipeCatalogue::size(SeriesId::Frpm, 14)->nominalSize, 1350);
    EXPECT_EQ(PipeCatalogue::size(SeriesId::Hume, 24)->nominalSize, 3000);
    EXPECT_EQ(PipeCatalogue::size(SeriesId::UTrough, 3)->nominalSize, 300);
}

struct KindFact {
    FacilityKind kind;
    const char *listText;
    const char *title;
    std::optional<SeriesId> series;
};

TEST(FacilityKindTest, ListTextsTitlesAndSeries)
{
    const KindFact facts[] = {
        {FacilityKind::VpPipe, "排水管  ＶＰ管", "ＶＰ管", SeriesId::Vp},
        {FacilityKind::VuPipe, "        ＶＵ管", "ＶＵ管", SeriesId::Vu},
        {FacilityKind::FrpmPipe, "        強化プラスチック複合管", "強化プラスチック複合管", SeriesId::Frpm},
        {FacilityKind::HumePipe, "        ヒューム管", "ヒューム管", SeriesId::Hume},
        {FacilityKind::OtherCircular, "        その他円形管", "", std::nullopt},
        {FacilityKind::UTrough, "排水溝  Ｕ型トラフ", "Ｕ型トラフ", SeriesId::UTrough},
        {FacilityKind::Ditch, "        Ｕ型溝 台形溝", "", std::nullopt},
        {FacilityKind::Polygon, "        その他排水溝", "", std::nullopt},
    };
    for (const KindFact &f : facts) {
        SCOPED_TRACE(f.listText);
        EXPECT_EQ(facilityListText(f.kind), f.listText);
        EXPECT_EQ(facilityTitle(f.kind), f.title);
        EXPECT_EQ(PipeCatalogue::seriesOf(f.kind), f.series);
    }
}

} // namespace
} // namespace niruka
