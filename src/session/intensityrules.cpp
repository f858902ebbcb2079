#include "session/intensityrules.h"

#include "engine/intensity.h"
#include "model/numbertext.h"
#include "session/designworkflow.h"

namespace niruka {
namespace {

bool blank(const QString &text)
{
    return text.isEmpty();
}

IntensityRefusal refuse(const QString &message, IntensityFocus focus, bool caret = true,
                        IntensityFollowUp followUp = IntensityFollowUp::None)
{
    return IntensityRefusal{message, focus, caret, followUp};
}

} // namespace

int chosenFormula(const IntensityForm &f)
{
    if (f.opt1)
        return 1;
    if (f.opt4)
        return 2;
    if (f.opt2)
        return 3;
    if (f.opt3)
        return 4;
    if (f.opt5)
        return 5;
    if (f.opt6)
        return 6;
    return 0;
}

IntensityEffect IntensityRules::chooseFormula(IntensityState &s, int formula)
{
    IntensityForm &f = s.form;
    f.opt1 = formula == 1;
    f.opt4 = formula == 2;
    f.opt2 = formula == 3;
    f.opt3 = formula == 4;
    f.opt5 = formula == 5;
    f.opt6 = formula == 6;
    f.txt1.clear();
    f.txt2.clear();
    f.txt6.clear();
    f.txt7.clear();
    s.cdVisible = formula == 5 || formula == 6;
    return {};
}

IntensityEffect IntensityRules::chooseTDirect(IntensityState &s)
{
    IntensityForm &f = s.form;
    f.Option3 = true;
    f.Option4 = false;
    f.Option6 = false;
    f.Option7 = false;
    s.t1GroupVisible = false;
    s.t2GroupVisible = false;
    s.tLineVisible = true;
    s.tFramed = true;
    return {IntensityFocus::T, true, false, false};
}

IntensityEffect IntensityRules::chooseTComputed(IntensityState &s)
{
    IntensityForm &f = s.form;
    f.Option3 = false;
    f.Option4 = true;
    f.Option1 = false;
    f.Option5 = false;
    f.Option6 = false;
    s.t1GroupVisible = true;
    s.t2GroupVisible = true;
    s.tLineVisible = true;
    s.velocityVisible = false;
    s.lengthVisible = false;
    f.txt4.clear();
    f.txt5.clear();
    f.txt8.clear();
    f.txt3.clear();
    f.txt9.clear();
    s.tFramed = false;
    s.t1Framed = false;
    s.t2Framed = false;
    return {};
}

IntensityEffect IntensityRules::chooseT1Direct(IntensityState &s)
{
    s.form.Option1 = true;
    s.form.Option2 = false;
    s.t1Framed = true;
    return {IntensityFocus::T1, true, true, false};
}

IntensityEffect IntensityRules::chooseT2Direct(IntensityState &s)
{
    IntensityForm &f = s.form;
    f.Option5 = true;
    f.Option6 = false;
    f.lbl1.clear();
    s.sourceVisible = false;
    s.velocityVisible = false;
    s.lengthVisible = false;
    f.txt4.clear();
    f.txt5.clear();
    f.chk1 = 0;
    s.riverButtonVisible = false;
    s.figureVisible = true;
    s.t2Framed = true;
    return {IntensityFocus::T2, true, false, true};
}

IntensityEffect IntensityRules::chooseT2Computed(IntensityState &s)
{
    IntensityForm &f = s.form;
    f.Option5 = false;
    f.Option6 = true;
    f.lbl1.clear();
    s.sourceVisible = false;
    f.txt9.clear();
    s.t2Framed = false;
    s.velocityVisible = true;
    s.lengthVisible = true;
    f.txt4.clear();
    f.txt5.clear();
    s.vFramed = false;
    s.figureVisible = true;
    return {};
}

IntensityEffect IntensityRules::setRiverCourse(IntensityState &s, bool checked)
{
    IntensityForm &f = s.form;
    f.chk1 = checked ? 1 : 0;
    chooseT2Computed(s);
    s.velocityVisible = false;
    f.Option7 = false;
    f.Option8 = false;
    s.lengthVisible = false;
    f.txt4.clear();
    f.txt5.clear();
    s.figureVisible = false;
    if (checked) {
        f.lbl1 = riverSourceText();
        s.sourceVisible = true;
        s.riverButtonVisible = true;
        return {};
    }
    return chooseT2Direct(s);
}

IntensityEffect IntensityRules::chooseAssumedVelocity(IntensityState &s)
{
    s.form.Option7 = true;
    s.form.Option8 = false;
    s.vFramed = true;
    return {IntensityFocus::V, true, false, false};
}

void IntensityRules::acceptInflowTime(IntensityState &s, const QString &t1Text)
{
    s.form.Option1 = false;
    s.form.Option2 = true;
    s.t1Framed = false;
    s.form.txt3 = t1Text;
}

void IntensityRules::acceptVelocity(IntensityState &s, const QString &velocityText)
{
    s.form.Option7 = false;
    s.form.Option8 = true;
    s.vFramed = false;
    s.form.txt5 = velocityText;
}

IntensityEffect IntensityRules::riverCancelled(IntensityState &s)
{
    IntensityForm &f = s.form;
    f.chk1 = 0;
    f.lbl1.clear();
    s.sourceVisible = false;
    s.riverButtonVisible = false;
    f.Option5 = false;
    f.Option6 = true;
    s.velocityVisible = true;
    s.lengthVisible = true;
    f.txt4.clear();
    f.txt5.clear();
    f.txt9.clear();
    f.Option7 = false;
    f.Option8 = false;
    s.figureVisible = true;
    return {IntensityFocus::L, true, false, false};
}

IntensityEffect IntensityRules::prepareOpening(IntensityState &s)
{
    const int formula = chosenFormula(s.form);
    s.cdVisible = formula == 5 || formula == 6;
    s.t1GroupVisible = s.form.Option4;
    s.t2GroupVisible = s.form.Option4;
    s.tLineVisible = s.form.Option3 || s.form.Option4;
    return {IntensityFocus::Ok, false, false, false};
}

std::optional<IntensityRefusal> validateIntensity(const IntensityState &s, const RiverTimeForm &river)
{
    const IntensityForm &f = s.form;
    const int formula = chosenFormula(f);
    if (formula == 0)
        return refuse(QStringLiteral("降雨強度式を選択してください。"), IntensityFocus::None, false,
                      IntensityFollowUp::SelectFormula1);
    if (blank(f.txt1))
        return refuse(QStringLiteral("定数ａを入力してください。"), IntensityFocus::A);
    if (blank(f.txt2))
        return refuse(QStringLiteral("定数ｂを入力してください。"), IntensityFocus::B);
    if ((formula == 5 || formula == 6) && blank(f.txt6))
        return refuse(QStringLiteral("定数ｃをしてください。"), IntensityFocus::C);
    if ((formula == 5 || formula == 6) && blank(f.txt7))
        return refuse(QStringLiteral("定数ｄを入力してください。"), IntensityFocus::D);
    if (!f.Option3 && !f.Option4)
        return refuse(QStringLiteral("到達時間の計算方法を選択してください。"), IntensityFocus::None, false);
    if (f.Option3) {
        if (blank(f.txt8))
            return refuse(QStringLiteral("到達時間を入力してください。"), IntensityFocus::T);
        return std::nullopt;
    }
    if (!f.Option1 && !f.Option2)
        return refuse(QStringLiteral("流入時間の計算方法を選択してください。"), IntensityFocus::None, false);
    if (blank(f.txt3))
        return refuse(QStringLiteral("流入時間を入力してください。"), IntensityFocus::T1);
    if (!f.Option5 && !f.Option6)
        return refuse(QStringLiteral("流下時間の計算方法を選択してください。"), IntensityFocus::None, false);
    if (f.Option5) {
        if (blank(f.txt9))
            return refuse(QStringLiteral("流下時間を入力してください。"), IntensityFocus::T2);
        return std::nullopt;
    }
    if (f.chk1 == 0) {
        if (blank(f.txt4))
            return refuse(QStringLiteral("排水施設延長距離を入力してください。"), IntensityFocus::L);
        if (blank(f.txt5))
            return refuse(QStringLiteral("流速を仮定又は計算してください。"), IntensityFocus::AssumeV, false);
        return std::nullopt;
    }
    if (blank(river.txt1))
        return refuse(QStringLiteral("流下時間の項目を入力してください。"), IntensityFocus::None, false,
                      IntensityFollowUp::OpenRiverScreen);
    return std::nullopt;
}

IntensityOutcome computeIntensity(const IntensityState &s, const RiverTimeForm &river, IntensityInputs &in)
{
    const IntensityForm &f = s.form;
    IntensityOutcome out;
    // Keisan_1
    in.intensityFormula = chosenFormula(f);
    in.intensityA = parseLeadingNumber(f.txt1);
    in.intensityB = parseLeadingNumber(f.txt2);
    in.inflowTime = parseLeadingNumber(f.txt3);
    in.channelLength = parseLeadingNumber(f.txt4);
    in.assumedVelocity = parseLeadingNumber(f.txt5);
    in.exponentDenominator = parseLeadingNumber(f.txt6);
    in.exponentNumerator = parseLeadingNumber(f.txt7);
    in.riverLength = parseLeadingNumber(river.txt1);
    in.riverGradient = parseLeadingNumber(river.txt2);
    in.riverStage = river.opt1 ? 1 : river.opt2 ? 2 : 0;
    in.riverCourse = f.chk1 != 0;
    in.concentrationTimeMode = f.Option3   ? TimeMode::Direct
                               : f.Option4 ? TimeMode::Computed
                                           : TimeMode::Unset;
    in.inflowTimeMode = f.Option1 ? TimeMode::Direct : f.Option2 ? TimeMode::Computed : TimeMode::Unset;
    in.flowTimeMode = f.Option5 ? TimeMode::Direct : f.Option6 ? TimeMode::Computed : TimeMode::Unset;
    in.flowVelocityMode = f.Option7   ? VelocityMode::Assumed
                          : f.Option8 ? VelocityMode::Computed
                                      : VelocityMode::Unset;

    if (f.Option3) {
        in.concentrationTime = parseLeadingNumber(f.txt8);
    } else if (f.Option4) {
        if (f.Option5) {
            in.flowTime = parseLeadingNumber(f.txt9);
        } else if (f.Option6 && f.chk1 == 0) {
            // A negative length or velocity would give a negative flow time and a larger intensity.
            if (in.channelLength < 0) {
                out.refusal = refuse(QStringLiteral("排水施設延長距離が負のため、流下時間を計算できません。"),
                                     IntensityFocus::L);
                return out;
            }
            if (in.assumedVelocity < 0) {
                out.refusal =
                    refuse(QStringLiteral("流速が負のため、流下時間を計算できません。"), IntensityFocus::V);
                return out;
            }
            const Result<double> t2 = computeChannelFlowTime(in.channelLength, in.assumedVelocity);
            if (!t2) {
                out.refusal = refuse(
                    in.assumedVelocity == 0.0
                        ? QStringLiteral("流速が０のため、流下時間を計算できません。")
                        : QStringLiteral("流速の値では流下時間を計算できません。流速を確認してください。"),
                    f.Option8 ? IntensityFocus::V : IntensityFocus::AssumeV, false);
                return out;
            }
            in.flowTime = t2.value;
        } else if (f.Option6 && in.riverStage != 0) {
            const RiverStage stage =
                in.riverStage == 1 ? RiverStage::BeforeDevelopment : RiverStage::AfterDevelopment;
            const Result<double> t2 = computeRiverFlowTime(stage, in.riverLength, in.riverGradient);
            if (!t2) {
                out.refusal = refuse(QStringLiteral("河道の勾配が０以下のため、流下時間を計算できません。"),
                                     IntensityFocus::None, false, IntensityFollowUp::OpenRiverScreen);
                return out;
            }
            in.flowTime = t2.value;
        }
        // With the river course and no development state chosen, t2 keeps its previous value.
        in.concentrationTime = in.flowTime + in.inflowTime;
    }

    // Keisan_2
    if (in.intensityFormula < 1 || in.intensityFormula > 6)
        return out;
    const Result<double> i = computeRainIntensity(static_cast<IntensityFormula>(in.intensityFormula - 1),
                                                  in.intensityA, in.intensityB, in.exponentDenominator,
                                                  in.exponentNumerator, in.concentrationTime);
    if (!i) {
        const IntensityFocus timeField = f.Option3 ? IntensityFocus::T : IntensityFocus::T1;
        switch (i.refusal) {
        case EngineInput::ExponentC:
            out.refusal =
                refuse(QStringLiteral("定数ｃが０のため、降雨強度を計算できません。"), IntensityFocus::C);
            break;
        case EngineInput::ConcentrationTime:
            out.refusal = refuse(
                QStringLiteral("この到達時間では降雨強度式の値が求まりません。到達時間を確認してください。"),
                timeField);
            break;
        case EngineInput::IntensityB:
            out.refusal = refuse(
                QStringLiteral("降雨強度式の分母が０になります。定数ｂ及び到達時間を確認してください。"),
                IntensityFocus::B);
            break;
        case EngineInput::ExponentD:
            out.refusal = refuse(QStringLiteral("降雨強度を計算できません。定数を確認してください。"),
                                 IntensityFocus::D);
            break;
        default:
            out.refusal = refuse(QStringLiteral("降雨強度を計算できません。定数を確認してください。"),
                                 IntensityFocus::A);
            break;
        }
        return out;
    }
    out.intensity = i.value;
    out.intensityText = formatNumber(i.value, u"0.0");
    return out;
}

QString intensityStatusText()
{
    return QStringLiteral("雨量強度式 及び 到達時間 （ｔ） の計算は、各地域の開発指導要綱等による事｡");
}

QString intensityDoneStatusText()
{
    return conditionsHint();
}

QString riverSourceText()
{
    return QStringLiteral("茨城県宅地開発関係資料集による(茨城県土木部都市局建築指導課)");
}

} // namespace niruka
