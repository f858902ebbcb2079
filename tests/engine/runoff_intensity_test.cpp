// Weighted runoff coefficient, rainfall intensity and the times of concentration: worked examples.
#include "engine/intensity.h"
#include "engine/runoff.h"
#include "shown.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace niruka {
namespace {

using testing::shown;

TEST(WeightedRunoffTest, WorkedExamples)
{
    struct Row {
        const char *name;
        std::vector<LandUseValues> rows;
        const char *coeff; // three decimals, as "0.0##" rounds
        const char *area;
    };
    const Row rows[] = {
        {"屋根 and 間地", {{0.9, 300}, {0.2, 700}, {}, {}, {}, {}}, "0.410", "1000.00"},
        {"three equal areas", {{0.9, 100}, {0.3, 100}, {0.5, 100}, {}, {}, {}}, "0.567", "300.00"},
        {"an area without coefficient lowers C", {{0.9, 100}, {0, 100}, {}, {}, {}, {}}, "0.450", "200.00"},
        {"a negative area is taken as it is", {{0.5, 100}, {0.9, -50}, {}, {}, {}, {}}, "0.100", "50.00"},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        const auto w = weightedRunoffCoefficient(r.rows);
        ASSERT_TRUE(w.ok);
        EXPECT_EQ(shown(w.value.runoffCoeff, 3), r.coeff);
        EXPECT_EQ(shown(w.value.catchmentArea, 2), r.area);
    }
}

TEST(WeightedRunoffTest, SumsInRowOrder)
{
    const std::vector<LandUseValues> rows{{0.9, 0.1},   {0.3, 0.2}, {0.7, 0.3},
                                          {0.1, 1e-17}, {0.2, 7},   {0.6, 3}};
    const auto w = weightedRunoffCoefficient(rows);
    ASSERT_TRUE(w.ok);
    const double a = 0.1 + 0.2 + 0.3 + 1e-17 + 7 + 3;
    const double num = 0.1 * 0.9 + 0.2 * 0.3 + 0.3 * 0.7 + 1e-17 * 0.1 + 7 * 0.2 + 3 * 0.6;
    EXPECT_EQ(w.value.catchmentArea, a);
    EXPECT_EQ(w.value.runoffCoeff, num / a);
}

TEST(RainIntensityTest, WorkedExamples)
{
    struct Row {
        const char *name;
        IntensityFormula formula;
        double a, b, c, d, t;
        const char *shown1; // the conditions screen's "0.0"
    };
    const Row rows[] = {
        {"① 5000/(10+40)", IntensityFormula::F1, 5000, 40, 0, 0, 10, "100.0"},
        {"② 1000/(√81+1)", IntensityFormula::F2, 1000, 1, 0, 0, 81, "100.0"},
        {"③ 1000/(√121−1)", IntensityFormula::F3, 1000, 1, 0, 0, 121, "100.0"},
        {"④ 500/25^0.5", IntensityFormula::F4, 500, 0.5, 0, 0, 25, "100.0"},
        {"⑤ 1000/(64^(1/2)+2)", IntensityFormula::F5, 1000, 2, 2, 1, 64, "100.0"},
        {"⑥ 1000/(64^(1/2)−2)", IntensityFormula::F6, 1000, 2, 2, 1, 64, "166.7"},
        {"④ t = 0 with b = 0", IntensityFormula::F4, 300, 0, 0, 0, 0, "300.0"},
        {"① t = 12 from t1 5 and t2 7", IntensityFormula::F1, 5000, 38, 0, 0, 5.0 + 7.0, "100.0"},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        const auto i = computeRainIntensity(r.formula, r.a, r.b, r.c, r.d, r.t);
        ASSERT_TRUE(i.ok) << engineInputId(i.refusal);
        EXPECT_EQ(shown(i.value, 1), r.shown1);
    }
    // ⑤ takes the quotient d/c first, then the power.
    const auto five = computeRainIntensity(IntensityFormula::F5, 700, 3, 3, 2, 17);
    EXPECT_EQ(five.value, 700 / (std::pow(17.0, 2.0 / 3) + 3));
}

TEST(TimeTest, WorkedExamples)
{
    struct Row {
        const char *name;
        Result<double> actual;
        int decimals;
        const char *text;
    };
    const Row rows[] = {
        {"L 600 m, V 2 m/sec", computeChannelFlowTime(600, 2), 2, "5.00"},
        {"river before development", computeRiverFlowTime(RiverStage::BeforeDevelopment, 1, 0.01), 2,
         "13.15"},
        {"river after development", computeRiverFlowTime(RiverStage::AfterDevelopment, 1, 0.01), 2, "3.60"},
        {"inflow Ls 100, S 20, n 0.40", computeInflowTime(100, 20, 0.40), 3, "20.116"},
        {"inflow Ls 100, S 20, n 0.40 as written", computeInflowTime(100, 20, 0.40), 2, "20.12"},
        {"inflow Ls 50, S 100, n 0.02", computeInflowTime(50, 100, 0.02), 2, "2.47"},
        // 20 is per mille: 20 % would be S = 200.
        {"inflow slope taken in per mille", computeInflowTime(100, 200, 0.40), 2, "11.75"},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        ASSERT_TRUE(r.actual.ok) << engineInputId(r.actual.refusal);
        EXPECT_EQ(shown(r.actual.value, r.decimals), r.text);
    }
}

TEST(TimeTest, InflowOrderOfOperations)
{
    const auto t1 = computeInflowTime(100, 20, 0.40);
    ASSERT_TRUE(t1.ok);
    const double root = std::sqrt(20.0 / 1000);
    EXPECT_EQ(t1.value, std::pow(100 * 0.40 / root * (2.0 / 3 * 3.28), 0.467));
}

} // namespace
} // namespace niruka
