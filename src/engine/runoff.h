#pragma once
// The area-weighted runoff coefficient over the land-use rows of the runoff calculator.

#include "engine/result.h"

#include <span>

namespace niruka {

// The numbers of one land-use row (the name is kept by the model).
struct LandUseValues {
    double coeff = 0.0; // C_i
    double area = 0.0;  // A_i, m²
};

struct WeightedRunoff {
    double runoffCoeff = 0.0;   // C = (A1·C1 + … + A6·C6) / A
    double catchmentArea = 0.0; // A = A1 + … + A6, m²
};

// Sums left to right over all rows, named or not. Refused (LandUseArea) when the total area is 0
// (possible only with negative areas), or on non-finite input or overflow.
Result<WeightedRunoff> weightedRunoffCoefficient(std::span<const LandUseValues> rows);

} // namespace niruka
