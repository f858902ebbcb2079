#include "engine/intensity.h"

#include "engine/guard.h"

#include <cmath>

namespace niruka {

using detail::firstNonFinite;
using detail::mostExtreme;

namespace {

Result<double> finiteOr(double value, EngineInput blame)
{
    if (!std::isfinite(value))
        return Result<double>::refused(blame);
    return Result<double>::success(value);
}

} // namespace

Result<double> computeRainIntensity(IntensityFormula formula, double a, double b, double c, double d,
                                    double t)
{
    using R = Result<double>;
    const bool withExponent = formula == IntensityFormula::F5 || formula == IntensityFormula::F6;
    if (auto bad = firstNonFinite({{EngineInput::IntensityA, a},
                                   {EngineInput::IntensityB, b},
                                   {EngineInput::ConcentrationTime, t}}))
        return R::refused(*bad);
    if (withExponent) {
        if (auto bad = firstNonFinite({{EngineInput::ExponentC, c}, {EngineInput::ExponentD, d}}))
            return R::refused(*bad);
    }

    // The power of t (or its root); undefined for a negative t with a fractional exponent or for t = 0 with a
    // negative one.
    double power = 0.0;
    switch (formula) {
    case IntensityFormula::F1:
        power = t;
        break;
    case IntensityFormula::F2:
    case IntensityFormula::F3:
        if (t < 0.0)
            return R::refused(EngineInput::ConcentrationTime);
        power = std::sqrt(t);
        break;
    case IntensityFormula::F4:
        power = std::pow(t, b);
        if (!std::isfinite(power) || power == 0.0)
            return R::refused(
                t <= 0.0 ? EngineInput::ConcentrationTime
                         : mostExtreme({{EngineInput::ConcentrationTime, t}, {EngineInput::IntensityB, b}}));
        return finiteOr(a / power, EngineInput::IntensityA);
    case IntensityFormula::F5:
    case IntensityFormula::F6: {
        if (c == 0.0)
            return R::refused(EngineInput::ExponentC);
        const double exponent = d / c;
        if (!std::isfinite(exponent))
            return R::refused(mostExtreme({{EngineInput::ExponentC, c}, {EngineInput::ExponentD, d}}));
        power = std::pow(t, exponent);
        if (!std::isfinite(power))
            return R::refused(t <= 0.0 ? EngineInput::ConcentrationTime
                                       : mostExtreme({{EngineInput::ConcentrationTime, t},
                                                      {EngineInput::ExponentC, c},
                                                      {EngineInput::ExponentD, d}}));
        break;
    }
    }

    const bool minus = formula == IntensityFormula::F3 || formula == IntensityFormula::F6;
    const double denominator = minus ? power - b : power + b;
    if (denominator == 0.0 || !std::isfinite(denominator))
        return R::refused(EngineInput::IntensityB);
    return finiteOr(a / denominator,
                    mostExtreme({{EngineInput::IntensityA, a}, {EngineInput::IntensityB, b}}));
}

Result<double> computeChannelFlowTime(double channelLength, double velocity)
{
    using R = Result<double>;
    if (auto bad =
            firstNonFinite({{EngineInput::ChannelLength, channelLength}, {EngineInput::Velocity, velocity}}))
        return R::refused(*bad);
    const double divisor = 60 * velocity;
    if (divisor == 0.0)
        return R::refused(EngineInput::Velocity);
    return finiteOr(channelLength / divisor, mostExtreme({{EngineInput::ChannelLength, channelLength},
                                                          {EngineInput::Velocity, velocity}}));
}

Result<double> computeRiverFlowTime(RiverStage stage, double riverLength, double riverGradient)
{
    using R = Result<double>;
    if (auto bad = firstNonFinite(
            {{EngineInput::RiverLength, riverLength}, {EngineInput::RiverGradient, riverGradient}}))
        return R::refused(*bad);
    // A fractional power of a negative gradient, or a division by a zero one.
    if (riverGradient <= 0.0)
        return R::refused(EngineInput::RiverGradient);
    const bool before = stage == RiverStage::BeforeDevelopment;
    const double divisor = std::pow(riverGradient, before ? 0.6 : 0.5);
    if (divisor == 0.0)
        return R::refused(EngineInput::RiverGradient);
    const double t2 = (before ? 0.83 : 0.36) * riverLength / divisor;
    return finiteOr(t2, mostExtreme({{EngineInput::RiverLength, riverLength},
                                     {EngineInput::RiverGradient, riverGradient}}));
}

Result<double> computeInflowTime(double slopeLength, double slopeGradient, double retardance)
{
    using R = Result<double>;
    const auto inputs = {detail::NamedValue{EngineInput::SlopeLength, slopeLength},
                         detail::NamedValue{EngineInput::SlopeGradient, slopeGradient},
                         detail::NamedValue{EngineInput::Retardance, retardance}};
    if (auto bad = firstNonFinite(inputs))
        return R::refused(*bad);
    if (slopeGradient <= 0.0)
        return R::refused(EngineInput::SlopeGradient);
    const double root = std::sqrt(slopeGradient / 1000);
    if (root == 0.0)
        return R::refused(EngineInput::SlopeGradient);
    const double k = 2.0 / 3 * 3.28;
    const double base = slopeLength * retardance / root * k;
    // A negative base has no real power 0.467.
    if (base < 0.0)
        return R::refused(slopeLength < 0.0 ? EngineInput::SlopeLength : EngineInput::Retardance);
    return finiteOr(std::pow(base, 0.467), mostExtreme(inputs));
}

} // namespace niruka
