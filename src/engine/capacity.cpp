#include "engine/capacity.h"

#include "engine/guard.h"

#include <cmath>

namespace niruka {

using detail::allFinite;
using detail::firstNonFinite;
using detail::mostExtreme;

Result<double> computeDesignFlow(double runoffCoeff, double rainIntensity, double catchmentAreaM2)
{
    const auto inputs = {detail::NamedValue{EngineInput::RunoffCoeff, runoffCoeff},
                         detail::NamedValue{EngineInput::RainIntensity, rainIntensity},
                         detail::NamedValue{EngineInput::CatchmentArea, catchmentAreaM2}};
    if (auto bad = firstNonFinite(inputs))
        return Result<double>::refused(*bad);
    // Multiplied from the left; the area goes from m² to ha by the factor 10⁻⁴.
    const double q1 = 1.0 / 360 * runoffCoeff * rainIntensity * catchmentAreaM2 * 1e-4;
    if (!std::isfinite(q1))
        return Result<double>::refused(mostExtreme(inputs));
    return Result<double>::success(q1);
}

double allowanceFactor(bool allowanceOn, double allowanceRate) noexcept
{
    return allowanceOn ? (100 + allowanceRate) / 100 : 1.0;
}

double increasedDesignFlow(double designFlow, bool allowanceOn, double allowanceRate) noexcept
{
    // A rate of 0 leaves Q1 as it is: (100 × Q1)/100 can differ from Q1 in the last bit, which would turn an
    // exact Q1 = Q2 into an insufficient facility only because the allowance is switched on.
    if (!allowanceOn || allowanceRate == 0.0)
        return designFlow;
    return (allowanceRate + 100) * designFlow / 100;
}

Result<VelocityResult> velocityOf(VelocityFormula formula, double roughness, double gradientPerMille,
                                  double hydraulicRadius)
{
    using R = Result<VelocityResult>;
    // The hydraulic radius is A/P, so a bad one is reported as the section's flow area.
    const auto inputs = {detail::NamedValue{EngineInput::Roughness, roughness},
                         detail::NamedValue{EngineInput::Gradient, gradientPerMille},
                         detail::NamedValue{EngineInput::FlowArea, hydraulicRadius}};
    if (auto bad = firstNonFinite(inputs))
        return R::refused(*bad);
    if (roughness <= 0.0)
        return R::refused(EngineInput::Roughness);
    const bool kutter = formula == VelocityFormula::Kutter;
    // Kutter divides by the slope and by √R, Manning only raises them to a power.
    if (gradientPerMille < 0.0 || (kutter && gradientPerMille == 0.0))
        return R::refused(EngineInput::Gradient);
    if (hydraulicRadius < 0.0 || (kutter && hydraulicRadius == 0.0))
        return R::refused(EngineInput::FlowArea);

    VelocityResult v;
    v.gradientRatio = gradientPerMille / 1000;
    const double n = roughness;
    const double r = hydraulicRadius;
    const double i = v.gradientRatio;
    if (!kutter) {
        v.velocity = 1 / n * std::pow(r, 2.0 / 3) * std::pow(i, 0.5);
    } else {
        v.kutterNumerator = 23 + 1 / n + 0.00155 / i;
        v.kutterDenominator = 1 + (23 + 0.00155 / i) * n / std::pow(r, 0.5);
        v.kutterRootRI = std::pow(r * i, 0.5);
        v.velocity = v.kutterRootRI * (v.kutterNumerator / v.kutterDenominator);
    }
    if (!allFinite({v.gradientRatio, v.kutterNumerator, v.kutterDenominator, v.kutterRootRI, v.velocity}) ||
        (kutter && (v.gradientRatio == 0.0 || v.kutterDenominator == 0.0)))
        return R::refused(mostExtreme(inputs));
    return R::success(v);
}

Verdict verdictOf(double designFlow, double capacity, bool allowanceOn, double allowanceRate) noexcept
{
    const double compared = increasedDesignFlow(designFlow, allowanceOn, allowanceRate);
    return compared <= capacity ? Verdict::Ok : Verdict::No;
}

Result<CapacityOutputs> CapacityCheck(const CapacityInputs &in)
{
    using R = Result<CapacityOutputs>;
    const auto inputs = {
        detail::NamedValue{EngineInput::RunoffCoeff, in.runoffCoeff},
        detail::NamedValue{EngineInput::RainIntensity, in.rainIntensity},
        detail::NamedValue{EngineInput::CatchmentArea, in.catchmentArea},
        detail::NamedValue{EngineInput::AllowanceRate, in.allowanceOn ? in.allowanceRate : 0.0},
        detail::NamedValue{EngineInput::Roughness, in.roughness},
        detail::NamedValue{EngineInput::Gradient, in.gradient},
        detail::NamedValue{EngineInput::FlowArea, in.flowArea},
        detail::NamedValue{EngineInput::WettedPerimeter, in.wettedPerimeter}};
    if (auto bad = firstNonFinite(inputs))
        return R::refused(*bad);
    // Amax divides by C × I; the allowance factor divides the shown Amax.
    if (in.runoffCoeff == 0.0)
        return R::refused(EngineInput::RunoffCoeff);
    if (in.rainIntensity == 0.0)
        return R::refused(EngineInput::RainIntensity);
    if (in.allowanceOn && in.allowanceRate <= -100.0)
        return R::refused(EngineInput::AllowanceRate);
    if (in.wettedPerimeter <= 0.0)
        return R::refused(EngineInput::WettedPerimeter);
    if (in.flowArea < 0.0)
        return R::refused(EngineInput::FlowArea);

    CapacityOutputs out;
    const auto q1 = computeDesignFlow(in.runoffCoeff, in.rainIntensity, in.catchmentArea);
    if (!q1)
        return R::refused(q1.refusal);
    out.designFlow = q1.value;
    out.hydraulicRadius = in.flowArea / in.wettedPerimeter;
    const auto v = velocityOf(in.formula, in.roughness, in.gradient, out.hydraulicRadius);
    if (!v) {
        // An R that over- or underflows is the section's fault.
        if (v.refusal == EngineInput::FlowArea && in.flowArea != 0.0)
            return R::refused(mostExtreme(
                {{EngineInput::FlowArea, in.flowArea}, {EngineInput::WettedPerimeter, in.wettedPerimeter}}));
        return R::refused(v.refusal);
    }
    out.gradientRatio = v.value.gradientRatio;
    out.velocity = v.value.velocity;
    out.kutter = in.formula == VelocityFormula::Kutter;
    out.kutterNumerator = v.value.kutterNumerator;
    out.kutterDenominator = v.value.kutterDenominator;
    out.kutterRootRI = v.value.kutterRootRI;
    out.capacity = out.velocity * in.flowArea;
    const double ci = in.runoffCoeff * in.rainIntensity;
    out.maxCatchmentArea = out.capacity * 360 / ci;
    const double shownFlow = increasedDesignFlow(out.designFlow, in.allowanceOn, in.allowanceRate);
    const double shownArea = 1e4 * out.maxCatchmentArea / allowanceFactor(in.allowanceOn, in.allowanceRate);
    if (!allFinite({out.capacity, out.maxCatchmentArea, shownFlow, shownArea}) || ci == 0.0)
        return R::refused(mostExtreme(inputs));
    out.verdict = verdictOf(out.designFlow, out.capacity, in.allowanceOn, in.allowanceRate);
    return R::success(out);
}

} // namespace niruka
