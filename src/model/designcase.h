#pragma once
// The open design as plain records: what the screens read from their fields when a calculation runs, and
// what the checks write back for the result screen, the report and the project file. No behaviour lives here
// beyond a few lookups that every reader would otherwise repeat.

#include "engine/intensity.h"
#include "engine/types.h"

#include <QPointF>
#include <QString>
#include <array>
#include <cstddef>
#include <optional>

namespace niruka {

// Which of the four display-name slots a facility kind writes and the report reads.
enum class FacilityNameSlot {
    Catalogue = 0, // VP, VU, FRPM, Hume pipes and the U-trough: the catalogue report name of the size
    Circular = 1,  // other circular pipe: the text of "管の材料・名称"
    Ditch = 2,     // U-ditch / trapezoidal ditch: the text of "排水溝の材料・名称"
    Polygon = 3,   // ditch given by vertices: its name
};

constexpr FacilityNameSlot facilityNameSlotOf(FacilityKind kind) noexcept
{
    switch (kind) {
    case FacilityKind::OtherCircular:
        return FacilityNameSlot::Circular;
    case FacilityKind::Ditch:
        return FacilityNameSlot::Ditch;
    case FacilityKind::Polygon:
        return FacilityNameSlot::Polygon;
    default:
        return FacilityNameSlot::Catalogue;
    }
}

inline constexpr int kPolygonVertexSlots = 8;

// One facility, its section and the Kutter quantities of its last velocity (V itself is result.velocity for
// the design and VelocityFacility::velocity for the calculator). The design holds one (as its base), and the
// velocity calculator for the flow time holds a second one of the same shape, so the code that fills a
// facility from a screen and computes its section serves both.
struct FacilityRecord {
    std::optional<FacilityKind> facilityKind; // empty: no entry of the facility list selected
    std::array<QString, 4> facilityName;      // indexed by FacilityNameSlot
    std::optional<VelocityFormula> velocityFormula; // empty: neither "マニング公式" nor "クッター公式" chosen
    double roughness = 0.0;                         // n
    double gradient = 0.0;                          // x as entered, per mille
    double gradientRatio = 0.0;                     // x / 1000
    double fillOption = 0.0; // fillCode: 10, 9.5 … 7 (depth in tenths) or 95 … 70 (area in percent); 0 none
    double diameter = 0.0;   // D (m): catalogue inner diameter or the entered one
    double height = 0.0;     // H (m): ditch height, U-trough height, polygon "高さ"
    double bottomWidth = 0.0; // b1 / B (m)
    double topWidth = 0.0;    // b2 (m)
    double slopeWidth = 0.0;  // b3 (m), horizontal run of the left side wall
    // Polygon ditch: vertices 0–7 in metres (x to the right, y downward), and how many of them are used
    // (3–8; kept from the last computation when the X fields do not give a count).
    std::array<QPointF, kPolygonVertexSlots> polygonVertices{};
    int vertexCount = 0;
    SectionProps section;           // flowArea, wettedPerimeter, hydraulicRadius
    double kutterNumerator = 0.0;   // 23 + 1/n + 0.00155/I; kept unchanged by a Manning run
    double kutterDenominator = 0.0; // 1 + (23 + 0.00155/I)·n/√R
    double kutterRootRI = 0.0;      // √(R·I)

    QString &nameSlot(FacilityNameSlot slot) { return facilityName[static_cast<std::size_t>(slot)]; }
    const QString &nameSlot(FacilityNameSlot slot) const
    {
        return facilityName[static_cast<std::size_t>(slot)];
    }
    // The display name of the selected kind (empty when no kind is selected).
    QString displayName() const
    {
        return facilityKind ? nameSlot(facilityNameSlotOf(*facilityKind)) : QString();
    }
};

// The velocity calculator's facility (`velocityFacility`): the same record plus the velocity it hands back
// and which of its facility screens was opened last.
struct VelocityFacility : FacilityRecord {
    double velocity = 0.0; // V (m/s); the design's own velocity is not touched
    // 0 none, 1 VelocityPipeScreen, 2 VelocityDitchScreen, 3 VelocityCircularScreen, 4 VelocityPolygonScreen
    int screenGroup = 0;
};

enum class AllowanceChoice { Without, With };      // "無し" / "有り"
enum class RunoffMode { Direct, WeightedAverage }; // "直接入力" / "加重平均"
enum class IntensityMode { Direct, Computed };     // "直接入力" / "計算する"
enum class TimeMode { Unset, Direct, Computed };   // t, t1, t2: none chosen / "直接入力" / "計算する"
enum class VelocityMode { Unset, Assumed, Computed }; // V for t2: none / "仮定する" / "計算する"

QString allowanceChoiceText(AllowanceChoice choice);
QString velocityFormulaText(VelocityFormula formula);

// One row of the weighted runoff coefficient (rows ① to ⑥).
struct LandUseRow {
    QString name;
    double coeff = 0.0;
    double area = 0.0; // m²
};

inline constexpr int kLandUseRowCount = 6;

// The inputs and results of the intensity screen and its two helpers (inflow time, river flow time).
struct IntensityInputs {
    int intensityFormula = 0; // 0 none chosen, 1–6 for ①–⑥
    double intensityA = 0.0;
    double intensityB = 0.0;
    double exponentDenominator = 0.0; // c of ⑤ and ⑥ (exponent d/c)
    double exponentNumerator = 0.0;   // d
    TimeMode concentrationTimeMode = TimeMode::Unset;
    double concentrationTime = 0.0; // t (min), unrounded
    TimeMode inflowTimeMode = TimeMode::Unset;
    double inflowTime = 0.0; // t1 (min)
    TimeMode flowTimeMode = TimeMode::Unset;
    double flowTime = 0.0;      // t2 (min), unrounded
    bool riverCourse = false;   // "茨城県": t2 by the river-course formulas
    double channelLength = 0.0; // L (m)
    VelocityMode flowVelocityMode = VelocityMode::Unset;
    double assumedVelocity = 0.0; // V (m/sec), assumed or handed back by the velocity calculator
    int riverStage = 0;           // 0 none chosen, 1 "開発前", 2 "開発後"
    double riverLength = 0.0;     // Lr (km)
    double riverGradient = 0.0;   // i, plain ratio
    // The three numbers the inflow-time calculation keeps after its last run; empty until it has run
    // (the project file writes them as empty lines then).
    std::optional<double> slopeLength;   // Ls (m)
    std::optional<double> slopeGradient; // S (per mille)
    std::optional<double> retardance;    // n
};

// The engine's formula of IntensityInputs::intensityFormula (1–6); empty for 0 (none chosen) or out of range.
constexpr std::optional<IntensityFormula> intensityFormulaOf(int option) noexcept
{
    if (option < 1 || option > 6)
        return std::nullopt;
    return static_cast<IntensityFormula>(option - 1);
}

// The engine's stage of IntensityInputs::riverStage (1 before, 2 after development); empty otherwise.
constexpr std::optional<RiverStage> riverStageOf(int stage) noexcept
{
    if (stage == 1)
        return RiverStage::BeforeDevelopment;
    if (stage == 2)
        return RiverStage::AfterDevelopment;
    return std::nullopt;
}

// The one open design. The facility fields (gradient, diameter, section …) are those of the base record.
struct DesignCase : FacilityRecord {
    // Conditions
    double runoffCoeff = 0.0;   // C
    double catchmentArea = 0.0; // A as entered, m²
    double rainIntensity = 0.0; // I, mm/hr
    AllowanceChoice allowanceChoice = AllowanceChoice::Without;
    double allowanceRate = 0.0; // percent increase, used only with AllowanceChoice::With
    RunoffMode runoffMode = RunoffMode::Direct;
    IntensityMode intensityMode = IntensityMode::Direct;
    std::array<LandUseRow, kLandUseRowCount> landUseRows{};
    IntensityInputs intensity;

    // Results of the last check. result.designFlow is Q1 and result.maxCatchmentArea Amax (ha), both
    // without the allowance; result.capacity (Q2) is 0 while no result is present.
    CapacityResult result;

    // 1 while the conditions screen exists, 0 after it closes.
    int conditionsOpen = 0;

    VelocityFacility velocityFacility;

    // k = (100 + allowanceRate) / 100 with the allowance on, otherwise 1.
    double allowanceFactor() const
    {
        return allowanceChoice == AllowanceChoice::With ? (100.0 + allowanceRate) / 100.0 : 1.0;
    }
    bool hasResult() const { return result.capacity != 0.0; }
};

} // namespace niruka
