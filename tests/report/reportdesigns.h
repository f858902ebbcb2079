#pragma once
// Designs whose expected reports are written by hand in tests/data/report/<name>.txt. The stored
// results are what a check of these inputs holds (computed once with a calculator); the report only
// formats them, so the expected texts follow from the layout tables and these numbers alone.

#include "model/designcase.h"

#include <QString>
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

inline const std::vector<ReportCase> &reportCases()
{
    static const std::vector<ReportCase> cases = {
        {"vp_manning_direct_no", vpManningDirectNo},
        {"hume_kutter_allowance_ok", humeKutterAllowanceOk},
        {"circular_weighted2_formula1_tdirect", circularWeighted2Formula1},
        {"trough_weighted1_formula4_t1t2direct", troughWeighted1Formula4},
        {"trapezoid_weighted4_formula2_slope_assumed", trapezoidWeighted4Formula2},
        {"vu_split_velocity_pipe_manning", vuSplitVelocityPipe},
    };
    return cases;
}

} // namespace niruka::test
