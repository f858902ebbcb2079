#pragma once
// Designs whose expected reports are written by hand in tests/data/report/<name>.txt. The stored
// results are what a check of these inputs holds (computed once with a calculator); the report only
// formats them, so the expected texts follow from the layout tables and these numbers alone.

#include "model/designcase.h"

#include <QString>
#include <cmath>
#include <functional>
#include <vector>

namespace niruka::test {

struct ReportCase {
    const char *name; // expected text in tests/data/report/<name>.txt
    std::function<DesignCase()> make;
};

inline void setCatalogue(FacilityRecord &f, FacilityKind kind, const QString &name)
{
    f.facilityKind = kind;
    f.nameSlot(facilityNameSlotOf(kind)) = name;
}

inline void setHydraulics(FacilityRecord &f, VelocityFormula formula, double n, double gradient, double fill)
{
    f.velocityFormula = formula;
    f.roughness = n;
    f.gradient = gradient;
    f.gradientRatio = gradient / 1000.0;
    f.fillOption = fill;
}

inline void setSection(FacilityRecord &f, double area, double perimeter)
{
    f.section.flowArea = area;
    f.section.wettedPerimeter = perimeter;
    f.section.hydraulicRadius = area / perimeter;
}

inline void setResult(DesignCase &d, double velocity)
{
    d.result.velocity = velocity;
    d.result.capacity = velocity * d.section.flowArea;
    d.result.designFlow = (1.0 / 360.0) * d.runoffCoeff * d.rainIntensity * d.catchmentArea * 1e-4;
    d.result.maxCatchmentArea = d.result.capacity * 360.0 / (d.runoffCoeff * d.rainIntensity);
}

inline void setRow(DesignCase &d, int row, const QString &name, double coeff, double area)
{
    d.landUseRows[static_cast<std::size_t>(row - 1)] = {name, coeff, area};
}

// VP φ100, full, Manning, everything entered directly; Q1 exceeds Q2.
inline DesignCase vpManningDirectNo()
{
    DesignCase d;
    d.runoffCoeff = 0.5;
    d.catchmentArea = 10000;
    d.rainIntensity = 100;
    setCatalogue(d, FacilityKind::VpPipe, QStringLiteral("VP - φ100"));
    setHydraulics(d, VelocityFormula::Manning, 0.010, 10, 10);
    d.diameter = 0.1008;
    setSection(d, 0.7853 * 0.1008 * 0.1008, 3.1415 * 0.1008);
    setResult(d, 0.8594871281801932);
    return d;
}

// Hume φ300 at 95 % flow, Kutter, 20 % allowance, sufficient.
inline DesignCase humeKutterAllowanceOk()
{
    DesignCase d;
    d.runoffCoeff = 0.65;
    d.catchmentArea = 2500;
    d.rainIntensity = 80;
    d.allowanceChoice = AllowanceChoice::With;
    d.allowanceRate = 20;
    setCatalogue(d, FacilityKind::HumePipe, QStringLiteral("ﾋｭｰﾑ管 φ300"));
    setHydraulics(d, VelocityFormula::Kutter, 0.013, 5, 95);
    d.diameter = 0.3;
    setSection(d, 0.7461 * 0.09, 2.4980 * 0.3);
    d.kutterNumerator = 23 + 1 / 0.013 + 0.00155 / 0.005;
    d.kutterDenominator = 2.012331371330542;
    d.kutterRootRI = 0.02116644549119633;
    setResult(d, 1.0542885676450102);
    return d;
}

// Other circular pipe at depth 8, weighted C over two rows, formula ① with t entered.
inline DesignCase circularWeighted2Formula1()
{
    DesignCase d;
    d.runoffMode = RunoffMode::WeightedAverage;
    setRow(d, 1, QStringLiteral("屋　根"), 0.9, 300);
    setRow(d, 2, QStringLiteral("間　地"), 0.2, 700);
    d.runoffCoeff = 0.41;
    d.catchmentArea = 1000;
    d.intensityMode = IntensityMode::Computed;
    d.intensity.intensityFormula = 1;
    d.intensity.intensityA = 5000;
    d.intensity.intensityB = 40;
    d.intensity.concentrationTimeMode = TimeMode::Direct;
    d.intensity.concentrationTime = 10;
    d.rainIntensity = 100;
    setCatalogue(d, FacilityKind::OtherCircular, QStringLiteral("コンクリート管"));
    setHydraulics(d, VelocityFormula::Manning, 0.013, 12.5, 8);
    d.diameter = 0.25;
    setSection(d, 0.6735 * 0.0625, 2.2142 * 0.25);
    setResult(d, 1.5436618188764766);
    return d;
}

// U-trough 300 at depth 8, one land-use row, formula ④ with t1 and t2 entered; Q1 exceeds Q2.
inline DesignCase troughWeighted1Formula4()
{
    DesignCase d;
    d.runoffMode = RunoffMode::WeightedAverage;
    setRow(d, 1, QStringLiteral("宅地等の造成地域"), 0.65, 3600);
    d.runoffCoeff = 0.65;
    d.catchmentArea = 3600;
    d.intensityMode = IntensityMode::Computed;
    d.intensity.intensityFormula = 4;
    d.intensity.intensityA = 500;
    d.intensity.intensityB = 0.5;
    d.intensity.concentrationTimeMode = TimeMode::Computed;
    d.intensity.inflowTimeMode = TimeMode::Direct;
    d.intensity.inflowTime = 5;
    d.intensity.flowTimeMode = TimeMode::Direct;
    d.intensity.flowTime = 7;
    d.intensity.concentrationTime = 12;
    d.rainIntensity = 144.3;
    setCatalogue(d, FacilityKind::UTrough, QStringLiteral("U - 300 X 300"));
    setHydraulics(d, VelocityFormula::Manning, 0.013, 3, 8);
    d.bottomWidth = 0.3;
    d.height = 0.3;
    setSection(d, 0.3 * 0.3 * 0.8, 0.3 + 2 * 0.3 * 0.8);
    setResult(d, 0.8605495282908049);
    return d;
}

// Trapezoidal ditch at depth 9, Kutter, four land-use rows, formula ② with t1 by the slope formula
// and t2 from an assumed velocity, 10 % allowance.
inline DesignCase trapezoidWeighted4Formula2()
{
    DesignCase d;
    d.runoffMode = RunoffMode::WeightedAverage;
    setRow(d, 1, QStringLiteral("屋　根"), 0.9, 100);
    setRow(d, 2, QStringLiteral("道　路"), 0.85, 200);
    setRow(d, 3, QStringLiteral("間　地"), 0.2, 300);
    setRow(d, 4, QStringLiteral("林　地"), 0.5, 400);
    d.runoffCoeff = 0.52;
    d.catchmentArea = 1000;
    d.allowanceChoice = AllowanceChoice::With;
    d.allowanceRate = 10;
    d.intensityMode = IntensityMode::Computed;
    IntensityInputs &in = d.intensity;
    in.intensityFormula = 2;
    in.intensityA = 1000;
    in.intensityB = 1;
    in.concentrationTimeMode = TimeMode::Computed;
    in.inflowTimeMode = TimeMode::Computed;
    in.slopeLength = 100;
    in.slopeGradient = 20;
    in.retardance = 0.4;
    in.inflowTime = 20.12;
    in.flowTimeMode = TimeMode::Computed;
    in.flowVelocityMode = VelocityMode::Assumed;
    in.channelLength = 600;
    in.assumedVelocity = 2;
    in.flowTime = 5;
    in.concentrationTime = 25.12;
    d.rainIntensity = 166.3;
    setCatalogue(d, FacilityKind::Ditch, QStringLiteral("現場打ち水路"));
    setHydraulics(d, VelocityFormula::Kutter, 0.015, 2.5, 9);
    d.height = 0.5;
    d.bottomWidth = 0.4;
    d.topWidth = 0.8;
    d.slopeWidth = 0.2;
    setSection(d, 0.26100000000000007, 1.3693296652842109);
    d.kutterNumerator = 90.28666666666668;
    d.kutterDenominator = 1.8115306128633104;
    d.kutterRootRI = 0.021829121069748002;
    setResult(d, 1.0879631642191638);
    return d;
}

// VU φ200 at 90 % flow; t2 from the velocity calculator's VP φ150 at depth 8 (split report); NO.
inline DesignCase vuSplitVelocityPipe()
{
    DesignCase d;
    d.runoffCoeff = 0.6;
    d.catchmentArea = 5000;
    d.intensityMode = IntensityMode::Computed;
    IntensityInputs &in = d.intensity;
    in.intensityFormula = 1;
    in.intensityA = 5000;
    in.intensityB = 40;
    in.concentrationTimeMode = TimeMode::Computed;
    in.inflowTimeMode = TimeMode::Direct;
    in.inflowTime = 7;
    in.flowTimeMode = TimeMode::Computed;
    in.flowVelocityMode = VelocityMode::Computed;
    in.channelLength = 300;
    in.assumedVelocity = 1.7832;
    in.flowTime = 300 / (60 * 1.7832);
    in.concentrationTime = 7 + in.flowTime;
    d.rainIntensity = 100.4;

    VelocityFacility &v = d.velocityFacility;
    setCatalogue(v, FacilityKind::VpPipe, QStringLiteral("VP - φ150"));
    setHydraulics(v, VelocityFormula::Manning, 0.010, 20, 8);
    v.diameter = 0.1472;
    setSection(v, 0.6735 * 0.1472 * 0.1472, 2.2142 * 0.1472);
    v.velocity = 1.7832026748191674;
    v.screenGroup = 1;

    setCatalogue(d, FacilityKind::VuPipe, QStringLiteral("VU - φ200"));
    setHydraulics(d, VelocityFormula::Manning, 0.010, 8, 90);
    d.diameter = 0.203;
    setSection(d, 0.7068 * 0.203 * 0.203, 2.3282 * 0.203);
    setResult(d, 1.3954893381463767);
    return d;
}

// U-ditch with equal widths and no slope run (printed like a U-trough) at depth 7; six land-use rows,
// formula ③, t2 by the river course before development.
inline DesignCase ditchUWeighted6Formula3()
{
    DesignCase d;
    d.runoffMode = RunoffMode::WeightedAverage;
    setRow(d, 1, QStringLiteral("屋　根"), 0.9, 100);
    setRow(d, 2, QStringLiteral("道　路"), 0.85, 150);
    setRow(d, 3, QStringLiteral("水  面"), 1.0, 50);
    setRow(d, 4, QStringLiteral("間　地"), 0.2, 200);
    setRow(d, 5, QStringLiteral("芝､樹木の多い公園"), 0.15, 300);
    setRow(d, 6, QStringLiteral("勾配の緩い山地"), 0.3, 200);
    d.runoffCoeff = 0.413;
    d.catchmentArea = 1000;
    d.intensityMode = IntensityMode::Computed;
    IntensityInputs &in = d.intensity;
    in.intensityFormula = 3;
    in.intensityA = 500;
    in.intensityB = 1;
    in.concentrationTimeMode = TimeMode::Computed;
    in.inflowTimeMode = TimeMode::Direct;
    in.inflowTime = 10;
    in.flowTimeMode = TimeMode::Computed;
    in.riverCourse = true;
    in.riverStage = 1;
    in.riverLength = 1;
    in.riverGradient = 0.01;
    in.flowTime = 0.83 * 1 / std::pow(0.01, 0.6);
    in.concentrationTime = in.flowTime + 10;
    d.rainIntensity = 131.2;
    setCatalogue(d, FacilityKind::Ditch, QStringLiteral("Ｕ型側溝"));
    setHydraulics(d, VelocityFormula::Manning, 0.013, 5, 7);
    d.height = 0.3;
    d.bottomWidth = 0.3;
    d.topWidth = 0.3;
    d.slopeWidth = 0;
    setSection(d, 0.3 * 0.3 * 0.7, 0.3 + 2 * 0.3 * 0.7);
    setResult(d, 1.0720466528674135);
    return d;
}

// Ditch with equal widths but a slope run (no section lines) at depth 8.5, Kutter; five land-use rows,
// formula ⑤, t1 by the slope formula, t2 by the river course after development; 25 % allowance; NO.
inline DesignCase ditchSlopeWeighted5Formula5()
{
    DesignCase d;
    d.runoffMode = RunoffMode::WeightedAverage;
    setRow(d, 1, QStringLiteral("密集市街地"), 0.9, 500);
    setRow(d, 2, QStringLiteral("一般市街地"), 0.8, 500);
    setRow(d, 3, QStringLiteral("畑・原野"), 0.6, 1000);
    setRow(d, 4, QStringLiteral("水  田"), 0.7, 1000);
    setRow(d, 5, QStringLiteral("山　地"), 0.7, 2000);
    d.runoffCoeff = 0.71;
    d.catchmentArea = 5000;
    d.allowanceChoice = AllowanceChoice::With;
    d.allowanceRate = 25;
    d.intensityMode = IntensityMode::Computed;
    IntensityInputs &in = d.intensity;
    in.intensityFormula = 5;
    in.intensityA = 1000;
    in.intensityB = 2;
    in.exponentDenominator = 2;
    in.exponentNumerator = 1;
    in.concentrationTimeMode = TimeMode::Computed;
    in.inflowTimeMode = TimeMode::Computed;
    in.slopeLength = 50;
    in.slopeGradient = 100;
    in.retardance = 0.02;
    in.inflowTime = 2.47;
    in.flowTimeMode = TimeMode::Computed;
    in.riverCourse = true;
    in.riverStage = 2;
    in.riverLength = 2;
    in.riverGradient = 0.04;
    in.flowTime = 0.36 * 2 / std::pow(0.04, 0.5);
    in.concentrationTime = in.flowTime + 2.47;
    d.rainIntensity = 224.0;
    setCatalogue(d, FacilityKind::Ditch, QStringLiteral("石積水路"));
    setHydraulics(d, VelocityFormula::Kutter, 0.025, 1.5, 8.5);
    d.height = 0.4;
    d.bottomWidth = 0.5;
    d.topWidth = 0.5;
    d.slopeWidth = 0.1;
    setSection(d, 0.34 * (0.5 + 0.5) / 2, 0.5 + 2 * 0.85 * std::sqrt(0.1 * 0.1 + 0.4 * 0.4));
    d.kutterNumerator = 23 + 1 / 0.025 + 0.00155 / 0.0015;
    d.kutterDenominator = 2.596937926934477;
    d.kutterRootRI = 0.014571746682185027;
    setResult(d, 0.3592991202722691);
    return d;
}

// Polygon ditch, Manning; land-use rows 1, 2 and 4 (a gap: no rows or formula printed), formula ⑥,
// t2 by the river course with no stage chosen.
inline DesignCase polygonGapFormula6()
{
    DesignCase d;
    d.runoffMode = RunoffMode::WeightedAverage;
    setRow(d, 1, QStringLiteral("屋　根"), 0.9, 100);
    setRow(d, 2, QStringLiteral("道　路"), 0.8, 100);
    setRow(d, 4, QStringLiteral("林　地"), 0.3, 100);
    d.runoffCoeff = 0.667;
    d.catchmentArea = 300;
    d.intensityMode = IntensityMode::Computed;
    IntensityInputs &in = d.intensity;
    in.intensityFormula = 6;
    in.intensityA = 1000;
    in.intensityB = 1;
    in.exponentDenominator = 3;
    in.exponentNumerator = 2;
    in.concentrationTimeMode = TimeMode::Computed;
    in.inflowTimeMode = TimeMode::Direct;
    in.inflowTime = 5;
    in.flowTimeMode = TimeMode::Computed;
    in.riverCourse = true;
    in.riverStage = 0;
    in.flowTime = 0;
    in.concentrationTime = 5;
    d.rainIntensity = 519.7;
    setCatalogue(d, FacilityKind::Polygon, QStringLiteral("河川断面"));
    setHydraulics(d, VelocityFormula::Manning, 0.030, 0.8, 0);
    d.bottomWidth = 1.0;
    d.topWidth = 2.0;
    d.height = 0.8;
    setSection(d, 1.2, 2.9);
    setResult(d, 0.5235352208919998);
    return d;
}

// The split design with another facility in the velocity calculator; t2 follows from its velocity.
inline DesignCase withVelocityFacility(const VelocityFacility &v)
{
    DesignCase d = vuSplitVelocityPipe();
    d.velocityFacility = v;
    d.intensity.flowTime = 300 / (60 * v.velocity);
    return d;
}

inline DesignCase velocityCircularKutter()
{
    VelocityFacility v;
    setCatalogue(v, FacilityKind::OtherCircular, QStringLiteral("鋳鉄管"));
    setHydraulics(v, VelocityFormula::Kutter, 0.012, 15, 9);
    v.diameter = 0.2;
    setSection(v, 0.7445 * 0.04, 2.4980 * 0.2);
    v.kutterNumerator = 106.43666666666667;
    v.kutterDenominator = 2.1355460693072477;
    v.kutterRootRI = 0.029901760687855605;
    v.velocity = 1.4903184627209405;
    v.screenGroup = 3;
    return withVelocityFacility(v);
}

inline DesignCase velocityTrapezoidManning()
{
    VelocityFacility v;
    setCatalogue(v, FacilityKind::Ditch, QStringLiteral("素掘側溝"));
    setHydraulics(v, VelocityFormula::Manning, 0.025, 10, 8);
    v.height = 0.4;
    v.bottomWidth = 0.3;
    v.topWidth = 0.7;
    v.slopeWidth = 0.2;
    setSection(v, 0.1472, 1.0155417527999329);
    v.velocity = 1.1037397299379206;
    v.screenGroup = 2;
    return withVelocityFacility(v);
}

inline DesignCase velocityPolygonKutter()
{
    VelocityFacility v;
    setCatalogue(v, FacilityKind::Polygon, QStringLiteral("水路"));
    setHydraulics(v, VelocityFormula::Kutter, 0.020, 4, 0);
    v.bottomWidth = 0.6;
    v.topWidth = 0.6;
    v.height = 0.5;
    setSection(v, 0.25, 1.6);
    v.kutterNumerator = 73.3875;
    v.kutterDenominator = 2.1833243004350074;
    v.kutterRootRI = 0.025;
    v.velocity = 0.8403183620657982;
    v.screenGroup = 4;
    return withVelocityFacility(v);
}

inline DesignCase velocityTroughManning()
{
    VelocityFacility v;
    setCatalogue(v, FacilityKind::UTrough, QStringLiteral("U - 240 X 240"));
    setHydraulics(v, VelocityFormula::Manning, 0.013, 20, 9);
    v.bottomWidth = 0.24;
    v.height = 0.24;
    setSection(v, 0.24 * 0.24 * 0.9, 0.24 + 2 * 0.24 * 0.9);
    v.velocity = 1.9713729451610549;
    v.screenGroup = 1;
    return withVelocityFacility(v);
}

// Expected texts of the velocity calculator's block alone (from its heading to the blank after t2).
inline const std::vector<ReportCase> &velocityBlockCases()
{
    static const std::vector<ReportCase> cases = {
        {"velocityblock_circular_kutter", velocityCircularKutter},
        {"velocityblock_trapezoid_manning", velocityTrapezoidManning},
        {"velocityblock_polygon_kutter", velocityPolygonKutter},
        {"velocityblock_trough_manning", velocityTroughManning},
    };
    return cases;
}

inline const std::vector<ReportCase> &reportCases()
{
    static const std::vector<ReportCase> cases = {
        {"vp_manning_direct_no", vpManningDirectNo},
        {"hume_kutter_allowance_ok", humeKutterAllowanceOk},
        {"circular_weighted2_formula1_tdirect", circularWeighted2Formula1},
        {"trough_weighted1_formula4_t1t2direct", troughWeighted1Formula4},
        {"trapezoid_weighted4_formula2_slope_assumed", trapezoidWeighted4Formula2},
        {"vu_split_velocity_pipe_manning", vuSplitVelocityPipe},
        {"ditch_u_weighted6_formula3_river_before", ditchUWeighted6Formula3},
        {"ditch_slope_weighted5_formula5_river_after_allowance_no", ditchSlopeWeighted5Formula5},
        {"polygon_gap_formula6_river_nostage", polygonGapFormula6},
    };
    return cases;
}

} // namespace niruka::test
