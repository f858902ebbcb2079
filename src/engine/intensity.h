#pragma once
// Rainfall intensity formulas and the times of concentration: inflow time t1, flow time t2 along a
// drainage facility or along a river course. Pure functions; refusals name the input that leaves a
// formula without a defined result (division by zero, a root or fractional power of a negative number).

#include "engine/result.h"

namespace niruka {

// The six intensity formulas, options "①" to "⑥"; I in mm/hr, t in min.
enum class IntensityFormula {
    F1 = 0, // I = a / (t + b)
    F2 = 1, // I = a / (√t + b)
    F3 = 2, // I = a / (√t − b)
    F4 = 3, // I = a / t^b
    F5 = 4, // I = a / (t^(d/c) + b)
    F6 = 5, // I = a / (t^(d/c) − b)
};

// c and d are used by ⑤ and ⑥ only.
Result<double> computeRainIntensity(IntensityFormula formula, double a, double b, double c, double d,
                                    double t);

// t2 = L / (60 · V), L in m, V in m/sec, t2 in min.
Result<double> computeChannelFlowTime(double channelLength, double velocity);

enum class RiverStage { BeforeDevelopment = 0, AfterDevelopment = 1 };

// Before development t2 = 0.83 · Lr / i^0.6, after development t2 = 0.36 · Lr / i^0.5; Lr in km, i a ratio.
Result<double> computeRiverFlowTime(RiverStage stage, double riverLength, double riverGradient);

// t1 = ((2/3 × 3.28) × (Ls · n / √(S/1000)))^0.467; Ls in m, S in per mille, n the retardance; t1 in min.
Result<double> computeInflowTime(double slopeLength, double slopeGradient, double retardance);

} // namespace niruka
