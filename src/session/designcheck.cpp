#include "session/designcheck.h"

#include "model/numbertext.h"

namespace niruka {

namespace {

Refusal onConditionsField(const QString &message, const char *field)
{
    return Refusal{message, FocusTarget{FieldOwner::Conditions, QString::fromLatin1(field)}};
}

std::optional<Refusal> deriveRunoff(DesignCase &d, const ConditionsEntries &cond, const RunoffRows &rows,
                                    CheckMode mode)
{
    const RunoffNumbers n = readRunoffNumbers(rows);
    for (std::size_t i = 0; i < rows.size(); ++i)
        d.landUseRows[i] = LandUseRow{rows[i].name, n.coeff[i], n.area[i]};
    const RunoffOutcome out = confirmRunoff(rows);
    if (out.refusal)
        return onConditionsField(out.refusal->message, "txt_c");
    if (mode == CheckMode::Calculate && (out.coeffText != cond.c || out.areaText != cond.a))
        return onConditionsField(runoffDisagreesText(), "txt_c");
    return std::nullopt;
}

std::optional<Refusal> deriveVelocity(DesignCase &d, const IntensityState &intensity,
                                      const CalculatorEntries &calculators, CheckMode mode)
{
    VelocityFacility vf;
    vf.screenGroup = d.velocityFacility.screenGroup;
    VelocityOutcome out;
    if (calculators.velocity)
        out = calculators.velocity(vf);
    else
        out.refusal =
            VelocityRefusal{QStringLiteral("施設の種類を選択してください。"), VelocityFocus::KindList, {}};
    if (out.refusal)
        return onConditionsField(out.refusal->message, "txt_i");
    if (mode == CheckMode::Calculate && out.velocityText != intensity.form.txt5)
        return onConditionsField(velocityDisagreesText(), "txt_i");
    d.velocityFacility = vf;
    return std::nullopt;
}

std::optional<Refusal> deriveIntensity(DesignCase &d, const ConditionsEntries &cond,
                                       const CalculatorEntries &calculators, CheckMode mode)
{
    const IntensityState none;
    const IntensityState &state = calculators.intensity ? *calculators.intensity : none;
    std::optional<IntensityRefusal> refusal = validateIntensity(state, calculators.river);
    IntensityOutcome out;
    if (!refusal) {
        out = computeIntensity(state, calculators.river, d.intensity);
        refusal = out.refusal;
    }
    if (refusal)
        return onConditionsField(refusal->message, "txt_i");
    if (mode == CheckMode::Calculate && out.intensityText != cond.i)
        return onConditionsField(intensityDisagreesText(), "txt_i");
    if (state.form.Option8)
        return deriveVelocity(d, state, calculators, mode);
    return std::nullopt;
}

} // namespace

DesignCase designKeepingLifetimeValues(const DesignCase &current)
{
    DesignCase d;
    d.conditionsOpen = current.conditionsOpen;
    d.velocityFacility.screenGroup = current.velocityFacility.screenGroup;
    d.intensity.slopeLength = current.intensity.slopeLength;
    d.intensity.slopeGradient = current.intensity.slopeGradient;
    d.intensity.retardance = current.intensity.retardance;
    return d;
}

std::optional<Refusal> deriveCalculatorValues(DesignCase &d, const ConditionsEntries &cond,
                                              const CalculatorEntries &calculators, CheckMode mode)
{
    if (cond.runoffWeighted) {
        const RunoffRows none{};
        if (auto r = deriveRunoff(d, cond, calculators.runoff ? *calculators.runoff : none, mode))
            return r;
    }
    if (cond.intensityComputed)
        return deriveIntensity(d, cond, calculators, mode);
    return std::nullopt;
}

QString intensityDisagreesText()
{
    return QStringLiteral("降雨強度（I）が降雨強度の計算結果と異なります。「計算する」で求め直すか、"
                          "「直接入力」を選択してください。");
}

QString runoffDisagreesText()
{
    return QStringLiteral("流出係数（C）又は流域面積（A）が加重平均の計算結果と異なります。「加重平均」で"
                          "求め直すか、「直接入力」を選択してください。");
}

QString velocityDisagreesText()
{
    return QStringLiteral("流下時間の流速（V）が流速計算の結果と異なります。降雨強度の計算画面で流速を"
                          "計算し直してください。");
}

} // namespace niruka
