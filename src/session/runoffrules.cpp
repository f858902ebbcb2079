#include "session/runoffrules.h"

#include "engine/runoff.h"
#include "model/numbertext.h"
#include "session/designworkflow.h"

#include <cmath>

namespace niruka {

const std::array<LandUseChoice, kLandUseChoiceCount> &landUseChoices()
{
    static const std::array<LandUseChoice, kLandUseChoiceCount> choices{{
        {"chk_k1", QStringLiteral("屋　根"), QStringLiteral("屋　根"), QStringLiteral("0.85～0.95"), 0},
        {"chk_k2", QStringLiteral("道　路"), QStringLiteral("道　路"), QStringLiteral("0.80～0.90"), 0},
        {"chk_k3", QStringLiteral("その他の不透水面"), QStringLiteral("その他の不透水面"),
         QStringLiteral("0.75～0.85"), 0},
        {"chk_k4", QStringLiteral("水　面"), QStringLiteral("水  面"), QStringLiteral("1.00"), 0},
        {"chk_k5", QStringLiteral("間　地"), QStringLiteral("間　地"), QStringLiteral("0.10～0.30"), 0},
        {"chk_k6", QStringLiteral("芝、樹木の多い公園"), QStringLiteral("芝､樹木の多い公園"),
         QStringLiteral("0.05～0.25"), 0},
        {"chk_k7", QStringLiteral("勾配の緩い山地"), QStringLiteral("勾配の緩い山地"),
         QStringLiteral("0.20～0.40"), 0},
        {"chk_k8", QStringLiteral("勾配の急な山地"), QStringLiteral("勾配の急な山地"),
         QStringLiteral("0.40～0.60"), 0},
        {"chk_t1", QStringLiteral("密集市街地"), QStringLiteral("密集市街地"), QStringLiteral("0.9"), 1},
        {"chk_t2", QStringLiteral("一般市街地"), QStringLiteral("一般市街地"), QStringLiteral("0.8"), 1},
        {"chk_t3", QStringLiteral("畑 ・ 原野"), QStringLiteral("畑・原野"), QStringLiteral("0.6"), 1},
        {"chk_t4", QStringLiteral("水　田"), QStringLiteral("水  田"), QStringLiteral("0.7"), 1},
        {"chk_t5", QStringLiteral("山　地"), QStringLiteral("山　地"), QStringLiteral("0.7"), 1},
        {"chk_t6", QStringLiteral("宅地等の造成地域"), QStringLiteral("宅地等の造成地域"),
         QStringLiteral("0.9"), 1},
        {"chk_t7", QStringLiteral("ｺﾞﾙﾌ場等の造成地域"), QStringLiteral("ｺﾞﾙﾌ場等の造成地域"),
         QStringLiteral("0.8"), 1},
        {"chk_u1", QStringLiteral("林　地"), QStringLiteral("林　地"), QStringLiteral("0.3～0.7"), 2},
        {"chk_u2", QStringLiteral("草　地"), QStringLiteral("草　地"), QStringLiteral("0.4～0.8"), 2},
        {"chk_u3", QStringLiteral("耕　地"), QStringLiteral("耕　地"), QStringLiteral("0.5～0.8"), 2},
        {"chk_u4", QStringLiteral("裸　地"), QStringLiteral("裸　地"), QStringLiteral("0.9～1.0"), 2},
    }};
    return choices;
}

std::optional<int> toggleLandUse(RunoffRows &rows, const QString &rowText, bool checked)
{
    for (int i = 0; i < kRunoffRowCount; ++i) {
        RunoffRowTexts &row = rows[static_cast<std::size_t>(i)];
        if (checked && row.name.isEmpty()) {
            row.name = rowText;
            return i;
        }
        if (!checked && row.name == rowText) {
            row = RunoffRowTexts{};
            return i;
        }
    }
    return std::nullopt;
}

RunoffNumbers readRunoffNumbers(const RunoffRows &rows)
{
    RunoffNumbers n;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        n.coeff[i] = parseLeadingNumber(rows[i].coeff);
        n.area[i] = parseLeadingNumber(rows[i].area);
    }
    return n;
}

RunoffOutcome confirmRunoff(const RunoffRows &rows)
{
    RunoffOutcome out;
    const RunoffNumbers n = readRunoffNumbers(rows);
    if (rows[0].name.isEmpty()) {
        out.refusal = RunoffRefusal{QStringLiteral("土地利用形態を入力してください。"), 0, RunoffField::Name};
        return out;
    }
    if (n.coeff[0] == 0.0) {
        out.refusal = RunoffRefusal{QStringLiteral("流出係数を入力してください。"), 0, RunoffField::Coeff};
        return out;
    }
    if (n.area[0] == 0.0) {
        out.refusal = RunoffRefusal{QStringLiteral("流域面積を入力してください。"), 0, RunoffField::Area};
        return out;
    }
    std::array<LandUseValues, kRunoffRowCount> values{};
    for (std::size_t i = 0; i < values.size(); ++i)
        values[i] = LandUseValues{n.coeff[i], n.area[i]};
    const Result<WeightedRunoff> avg = weightedRunoffCoefficient(values);
    if (!avg) {
        double total = 0.0;
        for (const LandUseValues &v : values)
            total += v.area;
        // A total of 0 (negative areas in rows ②–⑥ cancelling row ①) leaves the average undefined; a total
        // or a product of coefficient and area beyond the range of numbers has none either.
        QString message;
        if (total == 0.0)
            message = QStringLiteral("流域面積の合計が０のため、加重平均を計算できません。");
        else if (!std::isfinite(total))
            message = QStringLiteral("流域面積の合計が大きすぎるため、加重平均を計算できません。");
        else
            message = QStringLiteral("流出係数又は流域面積が大きすぎるため、加重平均を計算できません。");
        out.refusal = RunoffRefusal{message, 0, RunoffField::Area};
        return out;
    }
    out.coeff = avg.value.runoffCoeff;
    out.area = avg.value.catchmentArea;
    out.coeffText = formatNumber(out.coeff, u"0.0##");
    out.areaText = formatNumber(out.area, u"0.00");
    return out;
}

QString runoffOpenStatusText()
{
    return QStringLiteral("流出係数(Ｃ)は、各地域の開発指導要綱等による事｡");
}

QString runoffConfirmStatusText()
{
    return QStringLiteral(
        "流出係数（C）、降雨強度（I）及び粗度係数（ｎ）は、各地域の開発指導要綱等による事｡");
}

QString runoffCancelStatusText()
{
    return conditionsHint();
}

} // namespace niruka
