// The capacity check against the worked examples, the written order of operations and the verdict.
#include "engine/capacity.h"
#include "engine/catalogue.h"
#include "engine/sections.h"
#include "shown.h"

#include <cmath>
#include <gtest/gtest.h>

namespace niruka {
namespace {

using testing::shown;

CapacityInputs vp100Full(VelocityFormula formula)
{
    const auto section = circularSection(PipeCatalogue::size(SeriesId::Vp, 2)->innerDimension, 10);
    CapacityInputs in;
    in.runoffCoeff = 0.5;
    in.rainIntensity = 100;
    in.catchmentArea = 10000;
    in.formula = formula;
    in.roughness = 0.010;
    in.gradient = 10;
    in.flowArea = section.value.flowArea;
    in.wettedPerimeter = section.value.wettedPerimeter;
    return in;
}

struct Shown {
    const char *what;
    double value;
    int decimals;
    const char *text;
};

void expectShown(std::initializer_list<Shown> rows)
{
    for (const Shown &r : rows)
        EXPECT_EQ(shown(r.value, r.decimals), r.text) << r.what;
}

TEST(CapacityCheckTest, VpPipeFullManning)
{
    const auto r = CapacityCheck(vp100Full(VelocityFormula::Manning));
    ASSERT_TRUE(r.ok) << engineInputId(r.refusal);
    const CapacityOutputs &o = r.value;
    expectShown({{"Q1", o.designFlow, 4, "0.1389"},
                 {"R", o.hydraulicRadius, 6, "0.025198"},
                 {"V", o.velocity, 4, "0.8595"},
                 {"Q2", o.capacity, 4, "0.0069"},
                 {"Amax m2", 1e4 * o.maxCatchmentArea, 2, "493.77"}});
    EXPECT_EQ(o.gradientRatio, 0.01);
    EXPECT_FALSE(o.kutter);
    EXPECT_EQ(o.verdict, Verdict::No);
    // The velocity calculator's hand-over of the same pipe.
    const auto v = velocityOf(VelocityFormula::Manning, 0.010, 10, o.hydraulicRadius);
    ASSERT_TRUE(v.ok);
    EXPECT_EQ(v.value.velocity, o.velocity);
}

TEST(CapacityCheckTest, VpPipeFullKutter)
{
    const auto r = CapacityCheck(vp100Full(VelocityFormula::Kutter));
    ASSERT_TRUE(r.ok) << engineInputId(r.refusal);
    const CapacityOutputs &o = r.value;
    EXPECT_TRUE(o.kutter);
    expectShown({{"numerator", o.kutterNumerator, 3, "123.155"},
                 {"denominator", o.kutterDenominator, 5, "2.45870"},
                 {"sqrt(RI)", o.kutterRootRI, 6, "0.015874"},
                 {"V", o.velocity, 4, "0.7951"},
                 {"Q2", o.capacity, 4, "0.0063"}});
}

TEST(CapacityCheckTest, OrderOfOperationsToTheLastBit)
{
    const CapacityInputs in = vp100Full(VelocityFormula::Kutter);
    const auto r = CapacityCheck(in);
    ASSERT_TRUE(r.ok);
    const double q1 = 1.0 / 360 * in.runoffCoeff * in.rainIntensity * in.catchmentArea * 1e-4;
    const double rr = in.flowArea / in.wettedPerimeter;
    const double i = in.gradient / 1000;
    const double n = 23 + 1 / in.roughness + 0.00155 / i;
    const double d = 1 + (23 + 0.00155 / i) * in.roughness / std::pow(rr, 0.5);
    const double v = std::pow(rr * i, 0.5) * (n / d);
    const double q2 = v * in.flowArea;
    EXPECT_EQ(r.value.designFlow, q1);
    EXPECT_EQ(r.value.kutterDenominator, d);
    EXPECT_EQ(r.value.velocity, v);
    EXPECT_EQ(r.value.capacity, q2);
    EXPECT_EQ(r.value.maxCatchmentArea, q2 * 360 / (in.runoffCoeff * in.rainIntensity));
}

TEST(DesignFlowTest, RationalFormulaAndAllowance)
{
    struct Row {
        const char *name;
        double c, i, a;
        bool on;
        double rate;
        const char *q1;
        const char *factor;
        const char *increased;
    };
    const Row rows[] = {
        {"C 0.5, I 100, 10 000 m2", 0.5, 100, 10000, false, 0, "0.1389", "1.00", "0.1389"},
        {"C 0.5, I 100, 3600 m2", 0.5, 100, 3600, false, 0, "0.0500", "1.00", "0.0500"},
        {"allowance 20 %", 0.5, 100, 3600, true, 20, "0.0500", "1.20", "0.0600"},
        {"allowance 25 %", 0.5, 100, 3600, true, 25, "0.0500", "1.25", "0.0625"},
        {"allowance 10 %", 0.5, 100, 3600, true, 10, "0.0500", "1.10", "0.0550"},
        {"allowance 0 %", 0.5, 100, 3600, true, 0, "0.0500", "1.00", "0.0500"},
        {"allowance −50 %", 0.5, 100, 3600, true, -50, "0.0500", "0.50", "0.0250"},
    };
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        const auto q1 = computeDesignFlow(r.c, r.i, r.a);
        ASSERT_TRUE(q1.ok);
        EXPECT_EQ(shown(q1.value, 4), r.q1);
        EXPECT_EQ(shown(allowanceFactor(r.on, r.rate), 2), r.factor);
        EXPECT_EQ(shown(increasedDesignFlow(q1.value, r.on, r.rate), 4), r.increased);
    }
}

TEST(CapacityCheckTest, AllowanceShowsEightyPercentOfTheAreaAtTwentyFivePercent)
{
    CapacityInputs in = vp100Full(VelocityFormula::Manning);
    const auto plain = CapacityCheck(in);
    in.allowanceOn = true;
    in.allowanceRate = 25;
    const auto increased = CapacityCheck(in);
    ASSERT_TRUE(plain.ok && increased.ok);
    // Amax is stored without the allowance; the screen divides it by k.
    EXPECT_EQ(increased.value.maxCatchmentArea, plain.value.maxCatchmentArea);
    const double shownWith = 1e4 * increased.value.maxCatchmentArea / allowanceFactor(true, 25);
    EXPECT_EQ(shown(shownWith, 2), "395.02");
    EXPECT_NEAR(shownWith, 0.8 * 1e4 * plain.value.maxCatchmentArea, 1e-9);
}

TEST(VerdictTest, ComparisonAsWritten)
{
    struct Row {
        const char *name;
        double q1, q2;
        bool on;
        double rate;
        Verdict verdict;
    };
    const double q = 0.13888888888888889;
    const Row rows[] = {
        {"equal to the last bit", q, q, false, 0, Verdict::Ok},
        {"one bit over", std::nextafter(q, 1.0), q, false, 0, Verdict::No},
        {"rate 0 keeps equality", q, q, true, 0, Verdict::Ok},
        // (100 × 0.0007)/100 is one bit below 0.0007; at the rate 0 the verdict is the one without allowance.
        {"rate 0, 0.0007 against a bit less", 0.0007, std::nextafter(0.0007, 0.0), true, 0, Verdict::No},
        // ((10 + 100) × 0.1)/100 is 0.11 exactly, while 0.1 × 1.1 is one bit above it.
        {"written order, rate 10", 0.1, 0.11, true, 10, Verdict::Ok},
        {"allowance 25 makes it insufficient", 0.1, 0.12, true, 25, Verdict::No},
        {"negative rate reduces", 0.1, 0.09, true, -10, Verdict::Ok},
    };
    for (const Row &r : rows)
        EXPECT_EQ(verdictOf(r.q1, r.q2, r.on, r.rate), r.verdict) << r.name;
    EXPECT_NE(0.1 * allowanceFactor(true, 10), 0.11); // the reason for the written order
}

TEST(VelocityTest, ManningLeavesTheKutterFieldsAlone)
{
    const auto v = velocityOf(VelocityFormula::Manning, 0.013, 5, 0.1);
    ASSERT_TRUE(v.ok);
    EXPECT_EQ(v.value.kutterNumerator, 0.0);
    EXPECT_EQ(v.value.kutterDenominator, 0.0);
    EXPECT_EQ(v.value.kutterRootRI, 0.0);
    EXPECT_EQ(v.value.velocity, 1 / 0.013 * std::pow(0.1, 2.0 / 3) * std::pow(5.0 / 1000, 0.5));
}

TEST(VelocityTest, ManningAtZeroGradientIsStill)
{
    const auto v = velocityOf(VelocityFormula::Manning, 0.013, 0, 0.1);
    ASSERT_TRUE(v.ok);
    EXPECT_EQ(v.value.velocity, 0.0);
}

} // namespace
} // namespace niruka
