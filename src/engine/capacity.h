#pragma once
// The capacity check: planned stormwater Q1, hydraulic radius, Manning or Kutter velocity, facility flow
// Q2, largest catchment area and the verdict, with the order of operations that fixes every last bit.
// Pure functions over plain numbers; the model layer stores the outputs in its design.

#include "engine/result.h"
#include "engine/types.h"

namespace niruka {

// Q1 (m³/s) by the rational formula from C, I (mm/hr) and A (m²): ((1/360 × C) × I) × A × 10⁻⁴.
// Always finite for finite inputs of ordinary size; refused only on overflow or non-finite input.
Result<double> computeDesignFlow(double runoffCoeff, double rainIntensity, double catchmentAreaM2);

// k = (100 + rate)/100 when the allowance is on, else 1.
double allowanceFactor(bool allowanceOn, double allowanceRate) noexcept;
// The compared and shown planned volume: ((rate + 100) × Q1)/100 when the allowance is on, else Q1.
double increasedDesignFlow(double designFlow, bool allowanceOn, double allowanceRate) noexcept;

struct VelocityResult {
    double velocity = 0.0;
    double gradientRatio = 0.0;     // x / 1000
    double kutterNumerator = 0.0;   // Kutter only (0 for Manning)
    double kutterDenominator = 0.0; // Kutter only
    double kutterRootRI = 0.0;      // Kutter only
};

// The velocity step alone: V from the formula, n, the gradient x in per mille and R (m).
// Refused for n <= 0, x < 0 (x = 0 with Kutter), R <= 0, non-finite input or overflow.
Result<VelocityResult> velocityOf(VelocityFormula formula, double roughness, double gradientPerMille,
                                  double hydraulicRadius);

struct CapacityInputs {
    double runoffCoeff = 0.0;   // C
    double rainIntensity = 0.0; // I, mm/hr
    double catchmentArea = 0.0; // m²
    bool allowanceOn = false;   // allowanceChoice "有り"
    double allowanceRate = 0.0; // percent, used only when allowanceOn
    VelocityFormula formula = VelocityFormula::Manning;
    double roughness = 0.0;       // n
    double gradient = 0.0;        // per mille
    double flowArea = 0.0;        // A, m²
    double wettedPerimeter = 0.0; // P, m
};

struct CapacityOutputs {
    double designFlow = 0.0;      // Q1 without allowance
    double hydraulicRadius = 0.0; // R = A / P
    double gradientRatio = 0.0;
    double velocity = 0.0;
    bool kutter = false; // the three fields below are set only when true
    double kutterNumerator = 0.0;
    double kutterDenominator = 0.0;
    double kutterRootRI = 0.0;
    double capacity = 0.0;         // Q2 = V × A
    double maxCatchmentArea = 0.0; // Amax (ha) without allowance
    Verdict verdict = Verdict::Ok;

    CapacityResult asCapacityResult() const noexcept
    {
        return CapacityResult{velocity, capacity, designFlow, maxCatchmentArea, verdict};
    }
};

// Runs the whole check. Refusals: C = 0, I = 0 (Amax undefined); A <= 0 or P <= 0 (R undefined or not
// positive); an allowance rate <= −100 when on; plus those of velocityOf; non-finite input or overflow.
Result<CapacityOutputs> CapacityCheck(const CapacityInputs &in);

// OK when Q1 × k <= Q2 (Q1 itself without allowance); equality is sufficient.
Verdict verdictOf(double designFlow, double capacity, bool allowanceOn, double allowanceRate) noexcept;

} // namespace niruka
