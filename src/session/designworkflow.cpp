#include "session/designworkflow.h"

#include "engine/capacity.h"
#include "engine/catalogue.h"
#include "engine/filloption.h"
#include "engine/sections.h"
#include "model/numbertext.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace niruka {

QString conditionsHint()
{
    return QStringLiteral(
        "流出係数（C）、降雨強度（I） 及び 粗度係数（ｎ）は、各地域の開発指導要綱等による事｡");
}

QString facilityHint()
{
    return QStringLiteral(
        "流出係数（C）、降雨強度（I） 及び 粗度係数（ｎ）は、各地域の開発指導要綱等による事。");
}

QString ditchDepthHint()
{
    return QStringLiteral(
        "流出係数（f）、降雨強度（r） 及び 粗度係数（ｎ）は、各地域の開発指導要綱等による事。");
}

QString noResultStartHint()
{
    return QStringLiteral("メニューバーのファイル又はツールバーより、新規作成又は開くを選択してください。");
}

QString notAvailableYet()
{
    return QStringLiteral("この機能はまだ使用できません。");
}

QString verdictOkHint()
{
    return QStringLiteral(
        "流速(V)はよろしいですか？チェックして下さい。（各地域の開発指導要綱等による事。）");
}

QString verdictExceedsHint()
{
    return QStringLiteral("計画雨水量(Q1)が施設の流量(Q2)を超えています。");
}

QString verdictExceedsWithAllowanceHint()
{
    return QStringLiteral("計画雨水量が施設の流量を超えています。");
}

bool isVerdictText(const QString &status)
{
    return status == verdictOkHint() || status == verdictExceedsHint() ||
           status == verdictExceedsWithAllowanceHint();
}

namespace {

double num(const QString &text)
{
    return parseLeadingNumber(text);
}

Refusal onConditions(const QString &message, const char *name)
{
    return Refusal{message, FocusTarget{FieldOwner::Conditions, QString::fromLatin1(name)}};
}

Refusal onFacility(const QString &message, const QString &name)
{
    return Refusal{message, FocusTarget{FieldOwner::Facility, name}};
}

Refusal onFacility(const QString &message, const char *name)
{
    return onFacility(message, QString::fromLatin1(name));
}

// Takes C, A, I and (only while "有り" is chosen) the allowance rate from the conditions screen, with the
// facility kind and the velocity formula.
void copyConditions(DesignCase &d, const ConditionsEntries &c)
{
    d.runoffCoeff = num(c.c);
    d.catchmentArea = num(c.a);
    d.rainIntensity = num(c.i);
    d.allowanceChoice = c.allowanceOn ? AllowanceChoice::With : AllowanceChoice::Without;
    if (c.allowanceOn)
        d.allowanceRate = num(c.allowanceRate);
    d.facilityKind = c.kind;
    d.velocityFormula = c.formula;
    d.runoffMode = c.runoffWeighted ? RunoffMode::WeightedAverage : RunoffMode::Direct;
    d.intensityMode = c.intensityComputed ? IntensityMode::Computed : IntensityMode::Direct;
}

// Tests 1–5, shared by every facility screen.
std::optional<Refusal> checkConditions(const DesignCase &d, const ConditionsEntries &c)
{
    if (d.runoffCoeff == 0.0)
        return onConditions(QStringLiteral("流出係数を入力又は計算してください。"), "txt_c");
    if (d.catchmentArea == 0.0)
        return onConditions(QStringLiteral("施設の分担する流域面積を入力してください。"), "txt_a");
    if (d.rainIntensity == 0.0)
        return onConditions(QStringLiteral("降雨強度を入力又は計算してください。"), "txt_i");
    if (!c.kind)
        return onConditions(QStringLiteral("施設の種類を選択してください。"), "lst_s");
    if (!c.formula)
        return onConditions(QStringLiteral("流速の計算方法を選択してください。"), "opt1");
    return std::nullopt;
}

// Test 6 of the pipe and circular-pipe screens.
std::optional<Refusal> checkAllowanceGiven(const ConditionsEntries &c)
{
    if (c.allowanceOn && c.allowanceRate.isEmpty())
        return onConditions(QStringLiteral("計画雨水量の割増しを入力してください。"), "txt1");
    return std::nullopt;
}

// Negative or meaningless conditions, refused after the written tests: the check has no defined result
// for them (a negative area or coefficient gives a negative Amax, a rate of −100 % or less a factor <= 0).
std::optional<Refusal> checkConditionsRange(const DesignCase &d)
{
    if (d.runoffCoeff < 0.0)
        return onConditions(QStringLiteral("流出係数に負の値は入力できません。"), "txt_c");
    if (d.catchmentArea < 0.0)
        return onConditions(QStringLiteral("施設の分担する流域面積に負の値は入力できません。"), "txt_a");
    if (d.rainIntensity < 0.0)
        return onConditions(QStringLiteral("降雨強度に負の値は入力できません。"), "txt_i");
    if (d.allowanceChoice == AllowanceChoice::With && d.allowanceRate <= -100.0)
        return onConditions(QStringLiteral("計画雨水量の割増しに-100以下の値は入力できません。"), "txt1");
    return std::nullopt;
}

std::optional<Refusal> checkNotNegative(double value, const QString &what, const char *field)
{
    if (value < 0.0)
        return onFacility(what + QStringLiteral("に負の値は入力できません。"), field);
    return std::nullopt;
}

struct Dimension {
    double value;
    const char *what; // UTF-8
    const char *field;
};

// The first negative one of `dims`, in order.
std::optional<Refusal> checkNoneNegative(std::initializer_list<Dimension> dims)
{
    for (const Dimension &dim : dims)
        if (auto r = checkNotNegative(dim.value, QString::fromUtf8(dim.what), dim.field))
            return r;
    return std::nullopt;
}

// The gradient and roughness of the pipe, circular-pipe and ditch screens: both must be given (0 reads as
// missing) ...
std::optional<Refusal> checkGradientRoughnessGiven(const DesignCase &d, const char *gradientField,
                                                   const char *roughnessField)
{
    if (d.gradient == 0.0)
        return onFacility(QStringLiteral("施設の勾配を入力してください。"), gradientField);
    if (d.roughness == 0.0)
        return onFacility(QStringLiteral("粗度係数を入力してください。"), roughnessField);
    return std::nullopt;
}

// ... and neither may be negative.
std::optional<Refusal> checkGradientRoughnessNotNegative(const DesignCase &d, const char *gradientField,
                                                         const char *roughnessField)
{
    return checkNoneNegative(
        {{d.gradient, "施設の勾配", gradientField}, {d.roughness, "粗度係数", roughnessField}});
}

struct FacilityFieldNames {
    const char *gradient;
    const char *roughness;
    const char *firstDimension;
};

const char *fieldOfEngineInput(EngineInput input, const FacilityFieldNames &names)
{
    switch (input) {
    case EngineInput::Gradient:
        return names.gradient;
    case EngineInput::Roughness:
        return names.roughness;
    default:
        return names.firstDimension;
    }
}

// A refusal of the engine that the tests above did not foresee (a section without area, an overflow).
Refusal engineRefusal(EngineInput input, const FacilityFieldNames &names)
{
    switch (input) {
    case EngineInput::RunoffCoeff:
        return onConditions(QStringLiteral("流出係数の値では計算できません。入力値を確認してください。"),
                            "txt_c");
    case EngineInput::CatchmentArea:
        return onConditions(QStringLiteral("流域面積の値では計算できません。入力値を確認してください。"),
                            "txt_a");
    case EngineInput::RainIntensity:
        return onConditions(QStringLiteral("降雨強度の値では計算できません。入力値を確認してください。"),
                            "txt_i");
    case EngineInput::AllowanceRate:
        return onConditions(
            QStringLiteral("計画雨水量の割増しの値では計算できません。入力値を確認してください。"), "txt1");
    case EngineInput::FlowArea:
    case EngineInput::WettedPerimeter:
    case EngineInput::Vertices:
        return onFacility(
            QStringLiteral("施設の断面積が０になるため計算できません。寸法を確認してください。"),
            names.firstDimension);
    default:
        return onFacility(QStringLiteral("入力された値では計算できません。入力値を確認してください。"),
                          fieldOfEngineInput(input, names));
    }
}

// Stores the section, runs the capacity check and stores its outputs.
std::optional<Refusal> runCheck(DesignCase &d, const SectionProps &section, const FacilityFieldNames &names)
{
    if (!(section.flowArea > 0.0))
        return engineRefusal(EngineInput::FlowArea, names);
    CapacityInputs in;
    in.runoffCoeff = d.runoffCoeff;
    in.rainIntensity = d.rainIntensity;
    in.catchmentArea = d.catchmentArea;
    in.allowanceOn = d.allowanceChoice == AllowanceChoice::With;
    in.allowanceRate = d.allowanceRate;
    in.formula = d.velocityFormula.value_or(VelocityFormula::Manning);
    in.roughness = d.roughness;
    in.gradient = d.gradient;
    in.flowArea = section.flowArea;
    in.wettedPerimeter = section.wettedPerimeter;
    const Result<CapacityOutputs> out = CapacityCheck(in);
    if (!out)
        return engineRefusal(out.refusal, names);
    d.section = section;
    d.section.hydraulicRadius = out.value.hydraulicRadius;
    d.gradientRatio = out.value.gradientRatio;
    if (out.value.kutter) {
        d.kutterNumerator = out.value.kutterNumerator;
        d.kutterDenominator = out.value.kutterDenominator;
        d.kutterRootRI = out.value.kutterRootRI;
    }
    d.result = out.value.asCapacityResult();
    return std::nullopt;
}

// The end of the pipe, circular-pipe and ditch rules: the section the engine computed (or its refusal), the
// facility name in its report slot, then the capacity check.
std::optional<Refusal> finishFacility(DesignCase &d, const Result<SectionProps> &section,
                                      const FacilityFieldNames &names, FacilityNameSlot slot,
                                      const QString &name)
{
    if (!section)
        return engineRefusal(section.refusal, names);
    d.nameSlot(slot) = name;
    return runCheck(d, section.value, names);
}

} // namespace

std::optional<Refusal> calculatePipe(DesignCase &d, const ConditionsEntries &cond, const PipeEntries &e)
{
    copyConditions(d, cond);
    d.gradient = num(e.gradient);
    d.roughness = num(e.roughness);
    const bool trough = e.kind == FacilityKind::UTrough;

    if (auto r = checkConditions(d, cond))
        return r;
    if (auto r = checkAllowanceGiven(cond))
        return r;
    if (auto r = checkGradientRoughnessGiven(d, "txt1", "txt2"))
        return r;
    const std::optional<double> fill = trough ? troughFillOptionAt(e.fillRow) : fillOptionAt(e.fillRow);
    if (!fill)
        return onFacility(QStringLiteral("施設有効水深の割合を入力してください。"), "cbo1");

    if (auto r = checkConditionsRange(d))
        return r;
    const std::optional<SeriesId> series = PipeCatalogue::seriesOf(e.kind);
    const PipeSize *size = series ? PipeCatalogue::size(*series, e.sizeRow) : nullptr;
    if (!size)
        return onFacility(QStringLiteral("施設の寸法を選択してください。"), "lst_pu");
    if (auto r = checkGradientRoughnessNotNegative(d, "txt1", "txt2"))
        return r;

    d.fillOption = *fill;
    Result<SectionProps> section;
    if (trough) {
        d.bottomWidth = size->innerDimension;
        d.height = size->innerDimension;
        section = troughSection(d.bottomWidth, d.height, *fill);
    } else {
        d.diameter = size->innerDimension;
        section = circularSection(d.diameter, *fill);
    }
    return finishFacility(d, section, FacilityFieldNames{"txt1", "txt2", "lst_pu"},
                          FacilityNameSlot::Catalogue, QString::fromStdString(size->reportName));
}

std::optional<Refusal> calculateCircular(DesignCase &d, const ConditionsEntries &cond,
                                         const CircularEntries &e)
{
    copyConditions(d, cond);
    d.diameter = num(e.diameter);
    d.gradient = num(e.gradient);
    d.roughness = num(e.roughness);

    if (auto r = checkConditions(d, cond))
        return r;
    if (auto r = checkAllowanceGiven(cond))
        return r;
    if (d.diameter == 0.0)
        return onFacility(QStringLiteral("直径を入力してください。"), "txt1");
    if (auto r = checkGradientRoughnessGiven(d, "txt2", "txt3"))
        return r;
    const std::optional<double> fill = fillOptionAt(e.fillRow);
    if (!fill)
        return onFacility(QStringLiteral("施設の有効水深の割合を入力してください。"), "cbo1");

    if (auto r = checkConditionsRange(d))
        return r;
    if (auto r = checkNotNegative(d.diameter, QStringLiteral("直径"), "txt1"))
        return r;
    if (auto r = checkGradientRoughnessNotNegative(d, "txt2", "txt3"))
        return r;

    d.fillOption = *fill;
    return finishFacility(d, circularSection(d.diameter, *fill), FacilityFieldNames{"txt2", "txt3", "txt1"},
                          FacilityNameSlot::Circular, e.material);
}

std::optional<Refusal> calculateDitch(DesignCase &d, const ConditionsEntries &cond, const DitchEntries &e)
{
    copyConditions(d, cond);
    d.height = num(e.height);
    d.bottomWidth = num(e.bottomWidth);
    d.topWidth = num(e.topWidth);
    d.slopeWidth = num(e.slopeWidth);
    d.gradient = num(e.gradient);
    d.roughness = num(e.roughness);

    if (auto r = checkConditions(d, cond))
        return r;
    if (d.height == 0.0)
        return onFacility(QStringLiteral("施設の高さを入力してください。"), "txt1");
    if (e.bottomWidth.isEmpty())
        return onFacility(QStringLiteral("施設の下部巾を入力してください。"), "txt2");
    if (e.topWidth.isEmpty())
        return onFacility(QStringLiteral("施設の上部巾を入力してください。"), "txt3");
    if (e.slopeWidth.isEmpty())
        return onFacility(QStringLiteral("施設の傾斜巾を入力してください。"), "txt4");
    if (auto r = checkGradientRoughnessGiven(d, "txt5", "txt6"))
        return r;
    const std::optional<double> fill = ditchFillOptionAt(e.fillRow);
    if (!fill)
        return onFacility(QStringLiteral("施設の有効水深の割合を入力してください。"), "cbo1");

    if (auto r = checkConditionsRange(d))
        return r;
    if (auto r = checkNoneNegative({{d.height, "施設の高さ", "txt1"},
                                    {d.bottomWidth, "施設の下部巾", "txt2"},
                                    {d.topWidth, "施設の上部巾", "txt3"},
                                    {d.slopeWidth, "施設の傾斜巾", "txt4"}}))
        return r;
    if (auto r = checkGradientRoughnessNotNegative(d, "txt5", "txt6"))
        return r;

    d.fillOption = *fill;
    return finishFacility(d, trapezoidSection(d.height, d.bottomWidth, d.topWidth, d.slopeWidth, *fill),
                          FacilityFieldNames{"txt5", "txt6", "txt2"}, FacilityNameSlot::Ditch, e.material);
}

std::optional<Refusal> calculatePolygon(DesignCase &d, const ConditionsEntries &cond, const PolygonEntries &e)
{
    copyConditions(d, cond);
    d.nameSlot(FacilityNameSlot::Polygon) = e.material;
    d.bottomWidth = num(e.bottomWidth);
    d.topWidth = num(e.topWidth);
    d.height = num(e.height);

    if (auto r = checkConditions(d, cond))
        return r;
    if (e.bottomWidth.isEmpty())
        return onFacility(QStringLiteral("排水溝の下部巾を入力してください。"), "txt1");
    if (e.topWidth.isEmpty())
        return onFacility(QStringLiteral("排水溝の上部巾を入力してください。"), "txt2");
    if (e.height.isEmpty())
        return onFacility(QStringLiteral("排水溝の高さを入力してください。"), "txt3");
    for (int i = 0; i < 3; ++i) {
        if (e.x[i].isEmpty())
            return onFacility(QStringLiteral("頂点のＸ%1座標を入力してください。").arg(i),
                              QStringLiteral("txt_x%1").arg(i + 1));
        if (e.y[i].isEmpty())
            return onFacility(QStringLiteral("頂点のＹ%1座標を入力してください。").arg(i),
                              QStringLiteral("txt_y%1").arg(i + 1));
    }
    if (e.gradient.isEmpty())
        return onFacility(QStringLiteral("排水溝の勾配を入力してください。"), "txt4");
    if (e.roughness.isEmpty())
        return onFacility(QStringLiteral("粗度係数を入力してください。"), "txt5");

    // Beyond the written tests: entries for which the check has no defined result.
    if (auto r = checkConditionsRange(d))
        return r;
    if (auto r = checkNoneNegative({{d.bottomWidth, "排水溝の下部巾", "txt1"},
                                    {d.topWidth, "排水溝の上部巾", "txt2"},
                                    {d.height, "排水溝の高さ", "txt3"}}))
        return r;
    // The vertex count needs the X fields filled from vertex 0 without a gap.
    int lastFilled = -1;
    for (int i = 0; i < 8; ++i)
        if (!e.x[i].isEmpty())
            lastFilled = i;
    for (int i = 0; i < lastFilled; ++i)
        if (e.x[i].isEmpty())
            return onFacility(QStringLiteral("頂点のＸ%1座標を入力してください。").arg(i),
                              QStringLiteral("txt_x%1").arg(i + 1));
    const double gradient = num(e.gradient);
    const double roughness = num(e.roughness);
    if (gradient == 0.0)
        return onFacility(QStringLiteral("排水溝の勾配を入力してください。"), "txt4");
    if (auto r = checkNotNegative(gradient, QStringLiteral("排水溝の勾配"), "txt4"))
        return r;
    if (roughness == 0.0)
        return onFacility(QStringLiteral("粗度係数を入力してください。"), "txt5");
    if (auto r = checkNotNegative(roughness, QStringLiteral("粗度係数"), "txt5"))
        return r;

    PolygonVertices v;
    for (int i = 0; i < 8; ++i) {
        v.x[i] = num(e.x[i]);
        v.y[i] = num(e.y[i]);
        v.xFilled[i] = !e.x[i].isEmpty();
        d.polygonVertices[i] = QPointF(v.x[i], v.y[i]);
    }
    const Result<PolygonSection> poly = polygonSection(v, d.vertexCount);
    if (!poly || poly.value.wettedPerimeter <= 0.0)
        return onFacility(QStringLiteral("排水溝の断面の周長が０になります。頂点の座標を確認してください。"),
                          "txt_x1");
    if (poly.value.flowArea <= 0.0)
        return onFacility(QStringLiteral("排水溝の断面積が０になります。頂点の座標を確認してください。"),
                          "txt_x1");
    d.vertexCount = poly.value.vertexCount;
    d.gradient = gradient;
    d.roughness = roughness;
    SectionProps section;
    section.flowArea = poly.value.flowArea;
    section.wettedPerimeter = poly.value.wettedPerimeter;
    return runCheck(d, section, FacilityFieldNames{"txt4", "txt5", "txt_x1"});
}

ResultView resultViewOf(const DesignCase &d)
{
    ResultView v;
    const bool on = d.allowanceChoice == AllowanceChoice::With;
    const CapacityResult &r = d.result;
    if (on) {
        const double k = allowanceFactor(true, d.allowanceRate);
        v.factor = formatNumber(k, u"0.0#");
        v.times = QStringLiteral("×");
        v.q1 = formatNumber((r.designFlow * (100.0 + d.allowanceRate)) / 100.0, u"0.0000");
        v.amax = formatNumber(10000.0 * r.maxCatchmentArea / k, u"0.00");
    } else {
        v.q1 = formatNumber(r.designFlow, u"0.0000");
        v.amax = formatNumber(10000.0 * r.maxCatchmentArea, u"0.00");
    }
    v.q2 = formatNumber(r.capacity, u"0.0000");
    v.velocity = formatNumber(r.velocity, u"0.0000");
    v.exceeds = verdictOf(r.designFlow, r.capacity, on, d.allowanceRate) == Verdict::No;
    if (v.exceeds)
        v.status = on ? verdictExceedsWithAllowanceHint() : verdictExceedsHint();
    else
        v.status = verdictOkHint();
    return v;
}

QList<QPoint> polygonSketchPoints(const std::array<double, 8> &x, const std::array<double, 8> &y, int count)
{
    double m = 0.0;
    bool first = true;
    for (int i = 0; i < 8; ++i) {
        for (double value : {x[i], y[i]}) {
            if (first || value > m)
                m = value;
            first = false;
        }
    }
    QList<QPoint> points;
    if (!(m > 0.0) || !std::isfinite(m))
        return points;
    const double s = 100.0 / m;
    count = std::clamp(count, 0, 8);
    for (int i = 0; i < count; ++i) {
        // nearbyint rounds halves to the even integer in the default rounding mode.
        const double px = std::nearbyint(13.0 + s * x[i]);
        const double py = std::nearbyint(17.0 + s * y[i]);
        if (!std::isfinite(px) || !std::isfinite(py) || std::abs(px) > 1e6 || std::abs(py) > 1e6)
            return {};
        points.append(QPoint(static_cast<int>(px), static_cast<int>(py)));
    }
    return points;
}

} // namespace niruka
