#include "session/inflowtimerules.h"

#include "engine/intensity.h"
#include "model/numbertext.h"

namespace niruka {

InflowOutcome computeInflowTimeScreen(const InflowTimeForm &form)
{
    InflowOutcome out;
    out.slopeLength = parseLeadingNumber(form.txt1);
    out.slopeGradient = parseLeadingNumber(form.txt2);
    out.retardance = parseLeadingNumber(form.txt3);
    if (form.txt1.isEmpty()) {
        out.refusal = InflowRefusal{QStringLiteral("斜面距離を入力してください。"), InflowField::SlopeLength};
        return out;
    }
    if (form.txt2.isEmpty()) {
        out.refusal =
            InflowRefusal{QStringLiteral("斜面勾配を入力してください。"), InflowField::SlopeGradient};
        return out;
    }
    if (form.txt3.isEmpty()) {
        out.refusal = InflowRefusal{QStringLiteral("遅滞係数を入力してください。"), InflowField::Retardance};
        return out;
    }
    const Result<double> t1 = computeInflowTime(out.slopeLength, out.slopeGradient, out.retardance);
    if (!t1) {
        if (t1.refusal == EngineInput::SlopeGradient)
            out.refusal = InflowRefusal{QStringLiteral("斜面勾配が０以下のため、流入時間を計算できません。"),
                                        InflowField::SlopeGradient};
        else if (t1.refusal == EngineInput::Retardance)
            out.refusal = InflowRefusal{QStringLiteral("遅滞係数が負のため、流入時間を計算できません。"),
                                        InflowField::Retardance};
        else
            out.refusal = InflowRefusal{QStringLiteral("斜面距離が負のため、流入時間を計算できません。"),
                                        InflowField::SlopeLength};
        return out;
    }
    out.inflowTime = t1.value;
    out.inflowTimeText = formatNumber(t1.value, u"0.0#");
    return out;
}

} // namespace niruka
