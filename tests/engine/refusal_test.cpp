// Inputs without a defined result are refused by name, and no input at all yields NaN or infinity.
#include "engine/capacity.h"
#include "engine/intensity.h"
#include "engine/runoff.h"
#include "engine/sections.h"

#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <vector>

namespace niruka {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

template <class T> void expectRefused(const Result<T> &r, EngineInput input, const char *name)
{
    EXPECT_FALSE(r.ok) << name;
    if (!r.ok) {
        EXPECT_STREQ(engineInputId(r.refusal), engineInputId(input)) << name;
    }
}

CapacityInputs goodInputs()
{
    CapacityInputs in;
    in.runoffCoeff = 0.5;
    in.rainIntensity = 100;
    in.catchmentArea = 10000;
    in.formula = VelocityFormula::Kutter;
    in.roughness = 0.013;
    in.gradient = 5;
    in.flowArea = 0.06;
    in.wettedPerimeter = 0.66;
    return in;
}

TEST(RefusalTest, CapacityCheck)
{
    struct Row {
        const char *name;
        void (*change)(CapacityInputs &);
        EngineInput input;
    };
    const Row rows[] = {
        {"P = 0", [](CapacityInputs &in) { in.wettedPerimeter = 0; }, EngineInput::WettedPerimeter},
        {"negative P", [](CapacityInputs &in) { in.wettedPerimeter = -0.5; }, EngineInput::WettedPerimeter},
        {"negative A", [](CapacityInputs &in) { in.flowArea = -0.01; }, EngineInput::FlowArea},
        {"A = 0 with Kutter", [](CapacityInputs &in) { in.flowArea = 0; }, EngineInput::FlowArea},
        {"negative gradient", [](CapacityInputs &in) { in.gradient = -3; }, EngineInput::Gradient},
        {"zero gradient with Kutter", [](CapacityInputs &in) { in.gradient = 0; }, EngineInput::Gradient},
        {"zero roughness", [](CapacityInputs &in) { in.roughness = 0; }, EngineInput::Roughness},
        {"negative roughness", [](CapacityInputs &in) { in.roughness = -0.01; }, EngineInput::Roughness},
        {"C = 0", [](CapacityInputs &in) { in.runoffCoeff = 0; }, EngineInput::RunoffCoeff},
        {"I = 0", [](CapacityInputs &in) { in.rainIntensity = 0; }, EngineInput::RainIntensity},
        {"allowance −100 %",
         [](CapacityInputs &in) {
             in.allowanceOn = true;
             in.allowanceRate = -100;
         },
         EngineInput::AllowanceRate},
        {"NaN area", [](CapacityInputs &in) { in.catchmentArea = kNaN; }, EngineInput::CatchmentArea},
        {"infinite C", [](CapacityInputs &in) { in.runoffCoeff = kInf; }, EngineInput::RunoffCoeff},
        {"tiny C × I underflows", [](CapacityInputs &in) { in.runoffCoeff = in.rainIntensity = 1e-200; },
         EngineInput::RunoffCoeff},
        {"tiny roughness overflows 1/n", [](CapacityInputs &in) { in.roughness = 1e-320; },
         EngineInput::Roughness},
    };
    for (const Row &r : rows) {
        CapacityInputs in = goodInputs();
        r.change(in);
        expectRefused(CapacityCheck(in), r.input, r.name);
    }
    // Allowed although meaningless: a −100 % rate with the allowance off, Manning on a level pipe.
    CapacityInputs off = goodInputs();
    off.allowanceRate = -100;
    EXPECT_TRUE(CapacityCheck(off).ok);
    CapacityInputs level = goodInputs();
    level.formula = VelocityFormula::Manning;
    level.gradient = 0;
    EXPECT_TRUE(CapacityCheck(level).ok);
}

TEST(RefusalTest, Sections)
{
    struct Row {
        const char *name;
        Result<SectionProps> actual;
        EngineInput input;
    };
    const Row rows[] = {
        {"diameter 0", circularSection(0, 10), EngineInput::Diameter},
        {"negative diameter", circularSection(-0.3, 10), EngineInput::Diameter},
        {"huge diameter", circularSection(1e200, 10), EngineInput::Diameter},
        {"separator", circularSection(0.3, 0), EngineInput::FillCode},
        {"flow-area code on a ditch", troughSection(0.3, 0.3, 95), EngineInput::FillCode},
        {"trough without size", troughSection(0, 0, 10), EngineInput::Height},
        {"negative trough width", troughSection(-0.3, 0.3, 10), EngineInput::BottomWidth},
        {"negative height", trapezoidSection(-0.5, 0.4, 0.4, 0, 10), EngineInput::Height},
        {"negative b1", trapezoidSection(0.5, -0.4, 0.4, 0, 10), EngineInput::BottomWidth},
        {"negative b2", trapezoidSection(0.5, 0.4, -0.4, 0, 10), EngineInput::TopWidth},
        {"negative b3", trapezoidSection(0.5, 0.4, 0.4, -0.1, 10), EngineInput::SlopeWidth},
        {"zero height and widths", trapezoidSection(0, 0, 0, 0, 10), EngineInput::Height},
        {"NaN b2", trapezoidSection(0.5, 0.4, kNaN, 0, 10), EngineInput::TopWidth},
    };
    for (const Row &r : rows)
        expectRefused(r.actual, r.input, r.name);

    PolygonVertices point; // three vertices on one spot: no wetted perimeter
    point.xFilled = {true, true, true};
    expectRefused(polygonSection(point), EngineInput::Vertices, "polygon of one point");
}

TEST(RefusalTest, IntensityAndTimes)
{
    using F = IntensityFormula;
    struct Row {
        const char *name;
        Result<double> actual;
        EngineInput input;
    };
    const Row rows[] = {
        {"① t + b = 0", computeRainIntensity(F::F1, 5000, -10, 0, 0, 10), EngineInput::IntensityB},
        {"② negative t", computeRainIntensity(F::F2, 1000, 1, 0, 0, -4), EngineInput::ConcentrationTime},
        {"③ √t − b = 0", computeRainIntensity(F::F3, 1000, 9, 0, 0, 81), EngineInput::IntensityB},
        {"④ t = 0", computeRainIntensity(F::F4, 500, 0.5, 0, 0, 0), EngineInput::ConcentrationTime},
        {"④ negative t", computeRainIntensity(F::F4, 500, 0.5, 0, 0, -25), EngineInput::ConcentrationTime},
        {"⑤ c = 0", computeRainIntensity(F::F5, 1000, 2, 0, 1, 64), EngineInput::ExponentC},
        {"⑥ t^(d/c) − b = 0", computeRainIntensity(F::F6, 1000, 8, 2, 1, 64), EngineInput::IntensityB},
        {"⑤ t = 0, negative exponent", computeRainIntensity(F::F5, 1000, 2, 2, -1, 0),
         EngineInput::ConcentrationTime},
        {"V = 0", computeChannelFlowTime(600, 0), EngineInput::Velocity},
        {"river gradient 0", computeRiverFlowTime(RiverStage::BeforeDevelopment, 1, 0),
         EngineInput::RiverGradient},
        {"negative river gradient", computeRiverFlowTime(RiverStage::AfterDevelopment, 1, -0.01),
         EngineInput::RiverGradient},
        {"slope gradient 0", computeInflowTime(100, 0, 0.4), EngineInput::SlopeGradient},
        {"negative slope length", computeInflowTime(-100, 20, 0.4), EngineInput::SlopeLength},
        {"negative retardance", computeInflowTime(100, 20, -0.4), EngineInput::Retardance},
    };
    for (const Row &r : rows)
        expectRefused(r.actual, r.input, r.name);
    expectRefused(weightedRunoffCoefficient(std::vector<LandUseValues>{{0.5, 100}, {0.9, -100}}),
                  EngineInput::LandUseArea, "total area 0");
}

// A value drawn from where the trouble lives: zeros, signs, tiny and huge magnitudes, specials.
double wild(std::mt19937_64 &rng)
{
    std::uniform_int_distribution<int> kind(0, 9);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::uniform_int_distribution<int> exponent(-320, 308);
    switch (kind(rng)) {
    case 0:
        return 0.0;
    case 1:
        return -unit(rng) * 10;
    case 2:
        return std::pow(10.0, exponent(rng)) * (unit(rng) < 0.5 ? -1 : 1);
    case 3: {
        const double specials[] = {
            kNaN, kInf, -kInf, std::numeric_limits<double>::denorm_min(), std::numeric_limits<double>::max(),
            -0.0};
        return specials[std::uniform_int_distribution<int>(0, 5)(rng)];
    }
    default:
        return unit(rng) * std::pow(10.0, std::uniform_int_distribution<int>(-3, 4)(rng));
    }
}

template <class T> bool finite(const T &) = delete;
bool finite(double v)
{
    return std::isfinite(v);
}
bool finite(const SectionProps &s)
{
    return finite(s.flowArea) && finite(s.wettedPerimeter) && finite(s.hydraulicRadius);
}
bool finite(const PolygonSection &s)
{
    return finite(s.flowArea) && finite(s.wettedPerimeter);
}
bool finite(const VelocityResult &v)
{
    return finite(v.velocity) && finite(v.gradientRatio) && finite(v.kutterNumerator) &&
           finite(v.kutterDenominator) && finite(v.kutterRootRI);
}
bool finite(const CapacityOutputs &o)
{
    return finite(o.designFlow) && finite(o.hydraulicRadius) && finite(o.gradientRatio) &&
           finite(o.velocity) && finite(o.kutterNumerator) && finite(o.kutterDenominator) &&
           finite(o.kutterRootRI) && finite(o.capacity) && finite(o.maxCatchmentArea);
}
bool finite(const WeightedRunoff &w)
{
    return finite(w.runoffCoeff) && finite(w.catchmentArea);
}

int g_accepted = 0;
int g_refused = 0;

template <class T> void expectFiniteOrRefused(const Result<T> &r, const char *what, int round)
{
    if (r.ok) {
        ++g_accepted;
        EXPECT_TRUE(finite(r.value)) << what << " round " << round;
    } else {
        ++g_refused;
    }
}

TEST(RefusalTest, RandomSweepGivesAFiniteResultOrARefusal)
{
    std::mt19937_64 rng(20261208);
    const double codes[] = {10, 9.5, 9, 8.5, 8, 7.5, 7, 95, 90, 85, 80, 75, 70, 0, 3};
    std::uniform_int_distribution<int> pick(0, 14);
    for (int round = 0; round < 20000; ++round) {
        const double code = codes[pick(rng)];
        expectFiniteOrRefused(circularSection(wild(rng), code), "circular", round);
        expectFiniteOrRefused(troughSection(wild(rng), wild(rng), code), "trough", round);
        expectFiniteOrRefused(trapezoidSection(wild(rng), wild(rng), wild(rng), wild(rng), code), "trapezoid",
                              round);

        PolygonVertices p;
        const int n = std::uniform_int_distribution<int>(0, 8)(rng);
        for (int i = 0; i < 8; ++i) {
            p.x[static_cast<std::size_t>(i)] = wild(rng);
            p.y[static_cast<std::size_t>(i)] = wild(rng);
            p.xFilled[static_cast<std::size_t>(i)] = i < n || rng() % 20 == 0;
        }
        expectFiniteOrRefused(polygonSection(p, std::uniform_int_distribution<int>(0, 9)(rng)), "polygon",
                              round);

        const auto formula = rng() % 2 ? VelocityFormula::Manning : VelocityFormula::Kutter;
        expectFiniteOrRefused(velocityOf(formula, wild(rng), wild(rng), wild(rng)), "velocity", round);
        CapacityInputs in;
        in.runoffCoeff = wild(rng);
        in.rainIntensity = wild(rng);
        in.catchmentArea = wild(rng);
        in.allowanceOn = rng() % 2;
        in.allowanceRate = wild(rng);
        in.formula = formula;
        in.roughness = wild(rng);
        in.gradient = wild(rng);
        in.flowArea = wild(rng);
        in.wettedPerimeter = wild(rng);
        expectFiniteOrRefused(CapacityCheck(in), "capacity", round);
        expectFiniteOrRefused(computeDesignFlow(wild(rng), wild(rng), wild(rng)), "design flow", round);

        std::vector<LandUseValues> rows(6);
        for (auto &row : rows)
            row = {wild(rng), wild(rng)};
        expectFiniteOrRefused(weightedRunoffCoefficient(rows), "runoff", round);

        const auto intensity = static_cast<IntensityFormula>(std::uniform_int_distribution<int>(0, 5)(rng));
        expectFiniteOrRefused(
            computeRainIntensity(intensity, wild(rng), wild(rng), wild(rng), wild(rng), wild(rng)),
            "intensity", round);
        expectFiniteOrRefused(computeChannelFlowTime(wild(rng), wild(rng)), "channel time", round);
        const auto stage = rng() % 2 ? RiverStage::BeforeDevelopment : RiverStage::AfterDevelopment;
        expectFiniteOrRefused(computeRiverFlowTime(stage, wild(rng), wild(rng)), "river time", round);
        expectFiniteOrRefused(computeInflowTime(wild(rng), wild(rng), wild(rng)), "inflow time", round);
        if (HasFailure())
            break;
    }
    // Both branches must be exercised for the sweep to mean anything.
    EXPECT_GT(g_accepted, 20000 * 3);
    EXPECT_GT(g_refused, 20000 * 3);
    std::printf("accepted %d, refused %d\n", g_accepted, g_refused);
}

} // namespace
} // namespace niruka
