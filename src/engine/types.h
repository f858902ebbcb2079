#pragma once
// Vocabulary shared by every layer: facility kinds, formulas, effective depths and the results of a check.

namespace niruka {

// The eight entries of the conditions screen's facility list, by list position.
enum class FacilityKind {
    VpPipe = 0,
    VuPipe = 1,
    FrpmPipe = 2,
    HumePipe = 3,
    OtherCircular = 4,
    UTrough = 5,
    Ditch = 6,   // U-ditch or trapezoidal ditch, dimensions entered
    Polygon = 7, // ditch of any shape, vertices entered
};

enum class VelocityFormula { Manning, Kutter };

enum class Verdict { Ok, No };

// Flow area A (m²), wetted perimeter P (m), hydraulic radius R = A/P (m).
struct SectionProps {
    double flowArea = 0.0;
    double wettedPerimeter = 0.0;
    double hydraulicRadius = 0.0;
};

// The outputs of one capacity check. Amax is in hectares and without the allowance factor;
// designFlow is Q1 without the allowance factor.
struct CapacityResult {
    double velocity = 0.0;
    double capacity = 0.0;
    double designFlow = 0.0;
    double maxCatchmentArea = 0.0;
    Verdict verdict = Verdict::Ok;
};

} // namespace niruka
