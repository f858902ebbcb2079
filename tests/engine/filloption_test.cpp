// Effective-depth options: the coefficient table and the three lists with their separators.
#include "engine/filloption.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace niruka {
namespace {

TEST(FillOptionTest, CoefficientTableAsPrinted)
{
    const FillOption expected[] = {
        {"満流", 10, 0.7853, 3.1415},       {"水深９.5割", 9.5, 0.7707, 2.6905},
        {"水深９割", 9, 0.7445, 2.4980},    {"水深８.5割", 8.5, 0.7115, 2.3461},
        {"水深８割", 8, 0.6735, 2.2142},    {"水深７.5割", 7.5, 0.6318, 2.0943},
        {"水深７割", 7, 0.5872, 1.9823},    {"水量９５％", 95, 0.7461, 2.4980},
        {"水量９０％", 90, 0.7068, 2.3282}, {"水量８５％", 85, 0.6675, 2.1958},
        {"水量８０％", 80, 0.6283, 2.0858}, {"水量７５％", 75, 0.5890, 1.9866},
        {"水量７０％", 70, 0.5497, 1.8962},
    };
    const auto &table = fillOptions();
    ASSERT_EQ(table.size(), std::size(expected));
    for (std::size_t i = 0; i < table.size(); ++i) {
        SCOPED_TRACE(expected[i].listText);
        EXPECT_EQ(table[i].listText, expected[i].listText);
        EXPECT_EQ(table[i].fillCode, expected[i].fillCode);
        EXPECT_EQ(table[i].areaCoeff, expected[i].areaCoeff);
        EXPECT_EQ(table[i].perimeterCoeff, expected[i].perimeterCoeff);
        EXPECT_EQ(findFillOption(expected[i].fillCode), &table[i]);
        EXPECT_EQ(isDepthFillCode(expected[i].fillCode), i < 7);
    }
    EXPECT_EQ(findFillOption(0), nullptr);
    EXPECT_EQ(findFillOption(8.4), nullptr);
    EXPECT_EQ(findFillOption(100), nullptr);
}

struct ListFact {
    const char *name;
    const std::vector<std::string> &(*lines)();
    std::optional<double> (*codeAt)(int) noexcept;
    int defaultPosition;
    std::vector<std::string> texts;
    std::vector<std::optional<double>> codes;
};

TEST(FillOptionTest, ListsSeparatorsAndCodes)
{
    const std::optional<double> none;
    const ListFact lists[] = {
        {"circular",
         &circularFillList,
         &fillOptionAt,
         kCircularFillDefaultPosition,
         {"満流", "", "水深９.5割", "水深９割", "水深８.5割", "水深８割", "水深７.5割", "水深７割", "",
          "水量９５％", "水量９０％", "水量８５％", "水量８０％", "水量７５％", "水量７０％"},
         {10, none, 9.5, 9, 8.5, 8, 7.5, 7, none, 95, 90, 85, 80, 75, 70}},
        {"trough",
         &troughFillList,
         &troughFillOptionAt,
         kTroughFillDefaultPosition,
         {"満流", "", "水深９.5割", "水深９割", "水深８.5割", "水深８割", "水深７.5割", "水深７割"},
         {10, none, 9.5, 9, 8.5, 8, 7.5, 7}},
        {"ditch",
         &ditchFillList,
         &ditchFillOptionAt,
         kDitchFillDefaultPosition,
         {" 10割", "9.5割", " ９割", "8.5割", " ８割", "7.5割", " ７割"},
         {10, 9.5, 9, 8.5, 8, 7.5, 7}},
    };
    for (const ListFact &l : lists) {
        SCOPED_TRACE(l.name);
        EXPECT_EQ(l.lines(), l.texts);
        for (std::size_t i = 0; i < l.codes.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(l.codeAt(static_cast<int>(i)), l.codes[i]);
        }
        EXPECT_EQ(l.codeAt(-1), none);
        EXPECT_EQ(l.codeAt(static_cast<int>(l.codes.size())), none);
        EXPECT_EQ(l.codeAt(l.defaultPosition), std::optional<double>(8.0)); // "水深８割" / " ８割"
    }
    EXPECT_STREQ(kPipeDepthCaption, "有効水深 水量");
    EXPECT_STREQ(kTroughDepthCaption, "有効水深");
    EXPECT_STREQ(kDitchDepthCaption, "有効水深 ");
}

} // namespace
} // namespace niruka
