#include "session/rivertimerules.h"

#include "engine/intensity.h"
#include "model/numbertext.h"

namespace niruka {

std::optional<RiverRefusal> validateRiverTime(const RiverTimeForm &form)
{
    if (!form.opt1 && !form.opt2)
        return RiverRefusal{QStringLiteral("開発の前または後を選択してください。"), RiverField::BeforeOption};
    if (form.txt1.isEmpty())
        return RiverRefusal{QStringLiteral("河道延長を入力してください。"), RiverField::Length};
    if (form.txt2.isEmpty())
        return RiverRefusal{QStringLiteral("河道の勾配を入力してください。"), RiverField::Gradient};
    const RiverStage stage = form.opt1 ? RiverStage::BeforeDevelopment : RiverStage::AfterDevelopment;
    const Result<double> t2 =
        computeRiverFlowTime(stage, parseLeadingNumber(form.txt1), parseLeadingNumber(form.txt2));
    if (!t2) {
        if (t2.refusal == EngineInput::RiverLength)
            return RiverRefusal{
                QStringLiteral("河道延長の値では流下時間を計算できません。河道延長を確認してください。"),
                RiverField::Length};
        return RiverRefusal{QStringLiteral("河道の勾配が０以下のため、流下時間を計算できません。"),
                            RiverField::Gradient};
    }
    return std::nullopt;
}

} // namespace niruka
