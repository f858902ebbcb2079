// The hand-written reports again, with every section and result recomputed by the engine from the
// designs' inputs: the stored numbers of the test designs are what a real check holds.

#include "engine/capacity.h"
#include "engine/sections.h"
#include "report/reportcomposer.h"
#include "reportdesigns.h"

#include <QFile>
#include <gtest/gtest.h>

namespace niruka::test {
namespace {

QStringList expected(const char *name)
{
    QFile file(QStringLiteral(NIRUKA_TEST_DATA "/report/") + QString::fromLatin1(name) +
               QStringLiteral(".txt"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(file.readAll());
    text.chop(1);
    return text.split(u'\n');
}

// Recomputes the section (where the facility has one the engine derives) and the check.
DesignCase recomputed(DesignCase d)
{
    Result<SectionProps> section = Result<SectionProps>::success(d.section);
    switch (d.facilityKind.value_or(FacilityKind::VpPipe)) {
    case FacilityKind::UTrough:
        section = troughSection(d.bottomWidth, d.height, d.fillOption);
        break;
    case FacilityKind::Ditch:
        section = trapezoidSection(d.height, d.bottomWidth, d.topWidth, d.slopeWidth, d.fillOption);
        break;
    case FacilityKind::Polygon:
        break; // the stored, rounded A and P are the section
    default:
        section = circularSection(d.diameter, d.fillOption);
        break;
    }
    EXPECT_TRUE(section.ok);
    d.section.flowArea = section.value.flowArea;
    d.section.wettedPerimeter = section.value.wettedPerimeter;

    CapacityInputs in;
    in.runoffCoeff = d.runoffCoeff;
    in.rainIntensity = d.rainIntensity;
    in.catchmentArea = d.catchmentArea;
    in.allowanceOn = d.allowanceChoice == AllowanceChoice::With;
    in.allowanceRate = d.allowanceRate;
    in.formula = *d.velocityFormula;
    in.roughness = d.roughness;
    in.gradient = d.gradient;
    in.flowArea = d.section.flowArea;
    in.wettedPerimeter = d.section.wettedPerimeter;
    const Result<CapacityOutputs> out = CapacityCheck(in);
    EXPECT_TRUE(out.ok);
    d.section.hydraulicRadius = out.value.hydraulicRadius;
    d.gradientRatio = out.value.gradientRatio;
    if (out.value.kutter) {
        d.kutterNumerator = out.value.kutterNumerator;
        d.kutterDenominator = out.value.kutterDenominator;
        d.kutterRootRI = out.value.kutterRootRI;
    }
    d.result = out.value.asCapacityResult();
    return d;
}

class EngineReport : public ::testing::TestWithParam<ReportCase> {};

TEST_P(EngineReport, SameTextAsTheHandWrittenReport)
{
    const ReportCase &c = GetParam();
    const DesignCase design = c.make();
    const QStringList want = expected(c.name);
    ASSERT_FALSE(want.isEmpty());
    EXPECT_EQ(composeReport(recomputed(design)).texts(), want) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Report, EngineReport, ::testing::ValuesIn(reportCases()),
                         [](const ::testing::TestParamInfo<ReportCase> &info) {
                             return std::string(info.param.name);
                         });

} // namespace
} // namespace niruka::test
