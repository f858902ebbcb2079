#include "model/designcase.h"

#include <gtest/gtest.h>

namespace niruka {
namespace {

TEST(DesignCase, EachKindReadsItsOwnNameSlot)
{
    const struct {
        FacilityKind kind;
        FacilityNameSlot slot;
    } cases[] = {
        {FacilityKind::VpPipe, FacilityNameSlot::Catalogue},
        {FacilityKind::VuPipe, FacilityNameSlot::Catalogue},
        {FacilityKind::FrpmPipe, FacilityNameSlot::Catalogue},
        {FacilityKind::HumePipe, FacilityNameSlot::Catalogue},
        {FacilityKind::UTrough, FacilityNameSlot::Catalogue},
        {FacilityKind::OtherCircular, FacilityNameSlot::Circular},
        {FacilityKind::Ditch, FacilityNameSlot::Ditch},
        {FacilityKind::Polygon, FacilityNameSlot::Polygon},
    };
    DesignCase design;
    design.nameSlot(FacilityNameSlot::Catalogue) = QStringLiteral("VP - φ100");
    design.nameSlot(FacilityNameSlot::Circular) = QStringLiteral("鋼管");
    design.nameSlot(FacilityNameSlot::Ditch) = QStringLiteral("Ｕ型側溝");
    design.nameSlot(FacilityNameSlot::Polygon) = QStringLiteral("水路");
    EXPECT_TRUE(design.displayName().isEmpty()) << "no kind selected";
    for (const auto &c : cases) {
        EXPECT_EQ(facilityNameSlotOf(c.kind), c.slot) << static_cast<int>(c.kind);
        design.facilityKind = c.kind;
        EXPECT_EQ(design.displayName(), design.nameSlot(c.slot)) << static_cast<int>(c.kind);
    }
}

TEST(DesignCase, AllowanceFactorOnlyWithTheAllowanceOn)
{
    DesignCase design;
    design.allowanceRate = 25.0;
    EXPECT_EQ(design.allowanceFactor(), 1.0);
    design.allowanceChoice = AllowanceChoice::With;
    EXPECT_EQ(design.allowanceFactor(), 1.25);
    design.allowanceRate = 0.0;
    EXPECT_EQ(design.allowanceFactor(), 1.0);
}

TEST(DesignCase, ResultPresentWhileCapacityIsNotZero)
{
    DesignCase design;
    EXPECT_FALSE(design.hasResult());
    design.result.capacity = 0.0069;
    EXPECT_TRUE(design.hasResult());
    design.velocityFacility.velocity = 0.8; // the calculator's velocity is not a result of the design
    design.result.capacity = 0.0;
    EXPECT_FALSE(design.hasResult());
}

TEST(DesignCase, OptionNumbersMapToEngineChoices)
{
    EXPECT_FALSE(intensityFormulaOf(0));
    EXPECT_FALSE(intensityFormulaOf(7));
    EXPECT_EQ(intensityFormulaOf(1), IntensityFormula::F1);
    EXPECT_EQ(intensityFormulaOf(6), IntensityFormula::F6);
    EXPECT_FALSE(riverStageOf(0));
    EXPECT_EQ(riverStageOf(1), RiverStage::BeforeDevelopment);
    EXPECT_EQ(riverStageOf(2), RiverStage::AfterDevelopment);
}

TEST(DesignCase, ChoiceTexts)
{
    EXPECT_EQ(allowanceChoiceText(AllowanceChoice::Without), QStringLiteral("無し"));
    EXPECT_EQ(allowanceChoiceText(AllowanceChoice::With), QStringLiteral("有り"));
    EXPECT_EQ(velocityFormulaText(VelocityFormula::Manning), QStringLiteral("マニング公式"));
    EXPECT_EQ(velocityFormulaText(VelocityFormula::Kutter), QStringLiteral("クッター公式"));
}

} // namespace
} // namespace niruka
