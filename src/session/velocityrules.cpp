#include "session/velocityrules.h"

#include "model/numbertext.h"

#include <functional>

namespace niruka {
namespace {

// Conditions that pass the planned-runoff checks and take no part in V.
ConditionsEntries neutralConditions(const VelocityChoice &choice)
{
    ConditionsEntries c;
    c.c = QStringLiteral("1");
    c.a = QStringLiteral("1");
    c.i = QStringLiteral("1");
    c.allowanceOn = false;
    c.kind = choice.kind;
    c.formula = choice.formula;
    return c;
}

VelocityOutcome
run(VelocityFacility &facility, const VelocityChoice &choice,
    const std::function<std::optional<Refusal>(DesignCase &, const ConditionsEntries &)> &calc)
{
    VelocityOutcome out;
    if (!choice.formula) {
        out.refusal = VelocityRefusal{
            QStringLiteral("流速の計算方法を選択してください。"), VelocityFocus::ManningOption, {}};
        return out;
    }
    if (!choice.kind) {
        out.refusal =
            VelocityRefusal{QStringLiteral("施設の種類を選択してください。"), VelocityFocus::KindList, {}};
        return out;
    }
    DesignCase scratch;
    static_cast<FacilityRecord &>(scratch) = static_cast<const FacilityRecord &>(facility);
    const std::optional<Refusal> refusal = calc(scratch, neutralConditions(choice));
    // The entries are kept in the calculator's record also when the attempt is refused.
    static_cast<FacilityRecord &>(facility) = static_cast<const FacilityRecord &>(scratch);
    if (refusal) {
        if (refusal->focus.owner == FieldOwner::Facility)
            out.refusal = VelocityRefusal{refusal->message, VelocityFocus::Field, refusal->focus.name};
        else
            out.refusal =
                VelocityRefusal{QStringLiteral("入力された値では計算できません。入力値を確認してください。"),
                                VelocityFocus::Field,
                                {}};
        return out;
    }
    facility.velocity = scratch.result.velocity;
    out.velocity = facility.velocity;
    out.velocityText = formatNumber(out.velocity, u"0.00##");
    return out;
}

} // namespace

VelocityScreenGroup velocityScreenGroupOf(FacilityKind kind) noexcept
{
    switch (kind) {
    case FacilityKind::OtherCircular:
        return VelocityScreenGroup::Circular;
    case FacilityKind::Ditch:
        return VelocityScreenGroup::Ditch;
    case FacilityKind::Polygon:
        return VelocityScreenGroup::Polygon;
    default:
        return VelocityScreenGroup::Pipe;
    }
}

VelocityOutcome calculateVelocityPipe(VelocityFacility &facility, const VelocityChoice &choice,
                                      const PipeEntries &entries)
{
    return run(facility, choice,
               [&](DesignCase &d, const ConditionsEntries &c) { return calculatePipe(d, c, entries); });
}

VelocityOutcome calculateVelocityCircular(VelocityFacility &facility, const VelocityChoice &choice,
                                          const CircularEntries &entries)
{
    return run(facility, choice,
               [&](DesignCase &d, const ConditionsEntries &c) { return calculateCircular(d, c, entries); });
}

VelocityOutcome calculateVelocityDitch(VelocityFacility &facility, const VelocityChoice &choice,
                                       const DitchEntries &entries)
{
    // The calculator's ditch offers the 8-line depth list of the U-trough; its rows map onto the same
    // codes of the design's 7-line ditch list (row 1 is the separator).
    DitchEntries e = entries;
    e.fillRow = entries.fillRow == 0                           ? 0
                : entries.fillRow >= 2 && entries.fillRow <= 7 ? entries.fillRow - 1
                                                               : -1;
    VelocityOutcome out = run(
        facility, choice, [&](DesignCase &d, const ConditionsEntries &c) { return calculateDitch(d, c, e); });
    if (out.refusal && out.refusal->field == QLatin1String("cbo1"))
        out.refusal->message = QStringLiteral("施設有効水深の割合を入力してください。");
    return out;
}

VelocityOutcome calculateVelocityPolygon(VelocityFacility &facility, const VelocityChoice &choice,
                                         const PolygonEntries &entries)
{
    return run(facility, choice,
               [&](DesignCase &d, const ConditionsEntries &c) { return calculatePolygon(d, c, entries); });
}

} // namespace niruka
