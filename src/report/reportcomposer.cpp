#include "report/reportcomposer.h"

#include "model/designcase.h"
#include "model/numbertext.h"

#include <cmath>

namespace niruka {

using namespace Qt::StringLiterals;

namespace {

QString spaces(int count)
{
    return QString(count, u' ');
}

QString ideographic(int count)
{
    return QString(count, QChar(0x3000));
}

QString fmt(double value, QStringView pattern)
{
    return formatNumber(value, pattern);
}

// Appends the lines of one part.
class Builder {
public:
    Builder(ComposedReport &report) : m_report(report) {}
    void setPart(int part) { m_part = part; }
    void line(int indent, const QString &text)
    {
        m_report.lines.append({spaces(indent) + text, m_part, false});
    }
    void raw(const QString &text) { m_report.lines.append({text, m_part, false}); }
    void blank() { raw(QString()); }
    void failing(const QString &text) { m_report.lines.append({text, m_part, true}); }

private:
    ComposedReport &m_report;
    int m_part = 1;
};

// Circular-section coefficient texts, printed as written (not formatted from the numbers).
struct CircularCoeffTexts {
    double code;
    const char16_t *area;
    const char16_t *perimeter;
};

constexpr CircularCoeffTexts kCircularCoeffs[] = {
    {10, u"0.7853", u"3.1415"},  {9.5, u"0.7707", u"2.6905"}, {9, u"0.7445", u"2.4980"},
    {8.5, u"0.7115", u"2.3461"}, {8, u"0.6735", u"2.2142"},   {7.5, u"0.6318", u"2.0943"},
    {7, u"0.5872", u"1.9823"},   {95, u"0.7461", u"2.4980"},  {90, u"0.7068", u"2.3282"},
    {85, u"0.6675", u"2.1958"},  {80, u"0.6283", u"2.0858"},  {75, u"0.5890", u"1.9866"},
    {70, u"0.5497", u"1.8962"},
};

const CircularCoeffTexts *circularCoeffs(double code)
{
    for (const CircularCoeffTexts &c : kCircularCoeffs)
        if (c.code == code)
            return &c;
    return nullptr;
}

// The effective depth as named in the formula heading; empty for a code outside the list.
QString fillName(double code)
{
    struct Name {
        double code;
        const char16_t *text;
    };
    static constexpr Name names[] = {
        {10, u"満流"},       {9.5, u"水深９.５割"}, {9, u"水深９割"},    {8.5, u"水深８.５割"},
        {8, u"水深８割"},    {7.5, u"水深７.５割"}, {7, u"水深７割"},    {95, u"水量９５％"},
        {90, u"水量９０％"}, {85, u"水量８５％"},   {80, u"水量８０％"}, {75, u"水量７５％"},
        {70, u"水量７０％"},
    };
    for (const Name &n : names)
        if (n.code == code)
            return QString::fromUtf16(n.text);
    return {};
}

QString formulaName(VelocityFormula formula)
{
    return formula == VelocityFormula::Manning ? u"マニング公式"_s : u"クッター公式"_s;
}

FacilityKind kindOf(const FacilityRecord &f)
{
    return f.facilityKind.value_or(FacilityKind::VpPipe);
}

// The gradient pieces that end every facility line.
QString gradientPieces(const FacilityRecord &f)
{
    const QString g = fmt(f.gradient, u"#0.0");
    return u"    勾配 I="_s + g + u"‰="_s + g + u"/1000"_s;
}

QString millimetres(double metres)
{
    return fmt(metres * 1000.0, u"####");
}

// "  W b × H h" or "  W b～t × H h" of the ditch kinds.
QString ditchDimensions(const FacilityRecord &f)
{
    QString widths = millimetres(f.bottomWidth);
    if (f.topWidth != f.bottomWidth)
        widths += u"～"_s + millimetres(f.topWidth);
    return u"  W "_s + widths + u" × H "_s + millimetres(f.height);
}

// The facility line of the check, indented 19.
QString facilityLine(const FacilityRecord &f)
{
    const QString name = f.displayName();
    QString text = u"※ 施設  "_s + name;
    switch (kindOf(f)) {
    case FacilityKind::OtherCircular:
        text += u" φ"_s + millimetres(f.diameter);
        break;
    case FacilityKind::Ditch:
    case FacilityKind::Polygon:
        text += ditchDimensions(f);
        break;
    default:
        break;
    }
    return spaces(19) + text + gradientPieces(f);
}

// The facility line of the velocity calculator's facility: "流入施設" at 21 for catalogue kinds and the
// U-/trapezoidal ditch, "※ 施設" at 19 for the other circular pipe and the polygon ditch.
QString inflowFacilityLine(const FacilityRecord &f)
{
    const QString name = f.displayName();
    switch (kindOf(f)) {
    case FacilityKind::OtherCircular:
        return spaces(19) + u"※ 施設  "_s + name + u" φ"_s + millimetres(f.diameter) + gradientPieces(f);
    case FacilityKind::Ditch:
        return spaces(21) + u"流入施設  "_s + name + ditchDimensions(f) + gradientPieces(f);
    case FacilityKind::Polygon:
        return spaces(19) + u"※ 施設  "_s + name + ditchDimensions(f) + gradientPieces(f);
    default:
        return spaces(21) + u"流入施設  "_s + name + gradientPieces(f);
    }
}

// The formula heading: the effective depth and the formula. `depthIndent` serves kinds 0–6; the polygon ditch
// names no depth and is always indented 18.
void formulaHeading(Builder &b, const FacilityRecord &f, int depthIndent)
{
    if (!f.velocityFormula)
        return;
    const QString formula = formulaName(*f.velocityFormula);
    if (kindOf(f) == FacilityKind::Polygon) {
        b.line(18, u"（"_s + formula + u"による）"_s);
        return;
    }
    const QString depth = fillName(f.fillOption);
    if (depth.isEmpty())
        return;
    b.line(depthIndent, u"（"_s + depth + u"、"_s + formula + u"による）"_s);
}

// The flow area and wetted perimeter lines, indent 20.
void sectionLines(Builder &b, const FacilityRecord &f)
{
    const QString area = fmt(f.section.flowArea, u"0.0000");
    const QString perimeter = fmt(f.section.wettedPerimeter, u"0.0000");
    const QString bw = fmt(f.bottomWidth, u"0.00#");
    const QString h = fmt(f.height, u"0.00#");
    const QString fill = fmt(f.fillOption * 0.1, u"0.00#");

    auto troughLines = [&] {
        b.line(20, u"・流水の断面積 A="_s + bw + u"×("_s + h + u"×"_s + fill + u")="_s + area + u"m2"_s);
        b.line(20,
               u"・流水の潤辺長 P="_s + bw + u"＋{("_s + h + u"×"_s + fill + u")×2}="_s + perimeter + u"m"_s);
    };

    switch (kindOf(f)) {
    case FacilityKind::VpPipe:
    case FacilityKind::VuPipe:
    case FacilityKind::FrpmPipe:
    case FacilityKind::HumePipe:
    case FacilityKind::OtherCircular: {
        const CircularCoeffTexts *c = circularCoeffs(f.fillOption);
        const QString cA = c ? QString::fromUtf16(c->area) : QString();
        const QString cP = c ? QString::fromUtf16(c->perimeter) : QString();
        const QString d = fmt(f.diameter, u"0.0000");
        b.line(20, u"・流水の断面積 A="_s + cA + u"･D^2="_s + cA + u"×"_s + d + u"^2="_s + area + u"m2"_s);
        b.line(20, u"・流水の潤辺長 P="_s + cP + u"･D="_s + cP + u"×"_s + d + u"="_s + perimeter + u"m"_s);
        break;
    }
    case FacilityKind::UTrough:
        troughLines();
        break;
    case FacilityKind::Ditch:
        if (f.topWidth != f.bottomWidth) {
            const double fraction = f.fillOption * 0.1;
            const double surface = f.bottomWidth + fraction * (f.topWidth - f.bottomWidth);
            const double left = std::sqrt(f.slopeWidth * f.slopeWidth + f.height * f.height);
            const double rightRun = f.topWidth - f.bottomWidth - f.slopeWidth;
            const double right = std::sqrt(rightRun * rightRun + f.height * f.height);
            b.line(20, u"・流水の断面積 A=("_s + bw + u"＋"_s + fmt(surface, u"0.00##") + u")×("_s + h +
                           u"×"_s + fill + u")×1/2="_s + area + u"m2"_s);
            // The unmatched ")" before "=" is part of the printed line.
            b.line(20, u"・流水の潤辺長 P="_s + bw + u"＋("_s + fmt(left, u"0.00##") + u"＋"_s +
                           fmt(right, u"0.00##") + u")×"_s + fill + u")="_s + perimeter + u"m"_s);
        } else if (f.slopeWidth == 0.0) {
            troughLines();
        }
        break;
    case FacilityKind::Polygon:
        b.line(20, u"・流水の断面積 A="_s + area + u"m2"_s);
        b.line(20, u"・流水の潤辺長 P="_s + perimeter + u"m"_s);
        break;
    }
}

// The display pieces of Manning's second line: 1/n, R^(2/3) and I^(1/2) of the stored values.
QString manningFactors(const FacilityRecord &f, double velocity)
{
    return u"="_s + fmt(1.0 / f.roughness, u"0.000") + u"×"_s +
           fmt(std::pow(f.section.hydraulicRadius, 2.0 / 3.0), u"0.0000") + u"×"_s +
           fmt(std::pow(f.gradientRatio, 0.5), u"0.0000") + u"="_s + fmt(velocity, u"0.0000") + u"m/sec"_s;
}

QString kutterResult(const FacilityRecord &f, double velocity)
{
    return u"=("_s + fmt(f.kutterNumerator, u"0.0000") + u"/"_s + fmt(f.kutterDenominator, u"0.0000") +
           u")×"_s + fmt(f.kutterRootRI, u"0.0000") + u"="_s + fmt(velocity, u"0.0000") + u"m/sec"_s;
}

QString kutterNumeratorLine(const FacilityRecord &f)
{
    return u"23＋(1/"_s + fmt(f.roughness, u"0.000") + u")＋(0.00155/"_s + fmt(f.gradientRatio, u"0.0000") +
           u")"_s;
}

QString kutterDenominatorLine(const FacilityRecord &f)
{
    const QString n = fmt(f.roughness, u"0.000");
    const QString i = fmt(f.gradientRatio, u"0.0000");
    const QString r = fmt(f.section.hydraulicRadius, u"0.0000");
    return u"1＋{23＋(0.00155/"_s + i + u")}×{"_s + n + u"/"_s + r + u"^(1/2)}"_s;
}

QString kutterRootPieces(const FacilityRecord &f)
{
    return fmt(f.section.hydraulicRadius, u"0.0000") + u"×"_s + fmt(f.gradientRatio, u"0.0000") +
           u")^(1/2)"_s;
}

QString radiusValues(const FacilityRecord &f)
{
    return fmt(f.section.flowArea, u"0.0000") + u"/"_s + fmt(f.section.wettedPerimeter, u"0.0000") + u"="_s +
           fmt(f.section.hydraulicRadius, u"0.0000") + u"m"_s;
}

// The runoff coefficient as entered.
void directRunoff(Builder &b, const DesignCase &d)
{
    b.line(19, u"・流域面積 A="_s + fmt(d.catchmentArea, u"0.00") + u"m2="_s +
                   fmt(d.catchmentArea * 0.0001, u"0.000") + u"ha"_s);
    b.blank();
    b.line(19, u"・流出係数 C="_s + fmt(d.runoffCoeff, u"0.0##"));
    b.blank();
}

// The number of land-use rows filled from row 1 without a gap, or 0 when there is none.
int filledLandUseRows(const DesignCase &d)
{
    int k = 0;
    while (k < kLandUseRowCount && d.landUseRows[static_cast<std::size_t>(k)].area != 0.0)
        ++k;
    for (int r = k; r < kLandUseRowCount; ++r)
        if (d.landUseRows[static_cast<std::size_t>(r)].area != 0.0)
            return 0;
    return k;
}

// The runoff coefficient as the area-weighted average of the land-use rows.
void weightedRunoff(Builder &b, const DesignCase &d)
{
    const int k = filledLandUseRows(d);
    auto row = [&](int r) -> const LandUseRow & { return d.landUseRows[static_cast<std::size_t>(r - 1)]; };
    auto item = [&](int r) {
        return row(r).name + u"("_s + fmt(row(r).coeff, u"0.0#") + u")"_s + fmt(row(r).area, u"0.00");
    };
    auto term = [&](int r) {
        return u"("_s + fmt(row(r).coeff, u"0.0#") + u"×"_s + fmt(row(r).area, u"0.00") + u")"_s;
    };
    const QString total = fmt(d.catchmentArea, u"0.00");

    b.raw(spaces(7) + ideographic(6) + u"・流域面積(A) ( ( )は流出係数(C) )"_s);
    for (int r = 1; r <= k; r += 2) {
        if (r + 1 <= k)
            b.line(21, item(r) + u"m2   "_s + item(r + 1) + u"m2"_s);
        else
            b.line(21, item(r) + u"m2"_s);
    }
    b.line(21, u"合計面積 A="_s + total + u"m2="_s + fmt(d.catchmentArea * 0.0001, u"0.000") + u"ha"_s);
    b.blank();
    b.raw(spaces(7) + ideographic(5) + spaces(2) + u"・平均流出係数(C)"_s);
    if (k == 1) {
        b.line(21, u"C="_s + term(1) + u"/"_s + total + u"="_s + fmt(d.runoffCoeff, u"0.0#"));
    } else if (k >= 2) {
        const QString result = u"}/"_s + total + u"="_s + fmt(d.runoffCoeff, u"0.000");
        QString first = u"C={"_s + term(1);
        for (int r = 2; r <= std::min(k, 3); ++r)
            first += u"＋"_s + term(r);
        if (k <= 3) {
            b.line(21, first + result);
        } else {
            b.line(21, first);
            QString second;
            for (int r = 4; r <= k; ++r)
                second += u"＋"_s + term(r);
            b.line(23, second + result);
        }
    }
    b.blank();
}

// The velocity calculator's check behind a computed flow time.
void velocityBlock(Builder &b, const DesignCase &d)
{
    const VelocityFacility &v = d.velocityFacility;
    b.line(19, u"・流下時間 t2=L/60V(min)     ｜ L：管渠延長(m)     V：流速(m/sec)"_s);
    b.blank();
    b.raw(inflowFacilityLine(v));
    b.blank();
    formulaHeading(b, v, 20);
    if (v.velocityFormula == VelocityFormula::Manning) {
        b.blank();
        b.line(22, u"V=1/n･R^(2/3)･I^(1/2)     ｜V：流速(m/sec)"_s);
        b.line(48, u"｜n：粗度係数     R：径深(m)    I：勾配"_s);
        b.blank();
    } else if (v.velocityFormula == VelocityFormula::Kutter) {
        b.blank();
        b.line(30, u"23＋(1/n)＋(0.00155/I)"_s);
        b.line(22, u"V=―――――――――――――――――･(R･I)^(1/2)  ｜V：流速(m/sec)"_s);
        b.line(25, u"1＋{23＋(0.00155/I)}･{n/R^(1/2)}               ｜n：粗度係数"_s);
        b.raw(spaces(70) + ideographic(1) + u"｜R：径深(m)"_s);
        b.raw(spaces(70) + ideographic(1) + u"｜I：勾配"_s);
    }
    b.blank();
    b.line(20, u"・粗 度 係 数  n="_s + fmt(v.roughness, u"0.000"));
    sectionLines(b, v);
    b.line(20, u"・  径　　深   R=A/P="_s + radiusValues(v));
    if (v.velocityFormula == VelocityFormula::Manning) {
        b.blank();
        b.line(22, u"V=1/"_s + fmt(v.roughness, u"0.000") + u"×"_s +
                       fmt(v.section.hydraulicRadius, u"0.0000") + u"^(2/3)×"_s +
                       fmt(v.gradientRatio, u"0.0000") + u"^(1/2)"_s);
        b.line(23, manningFactors(v, v.velocity));
        b.blank();
    } else if (v.velocityFormula == VelocityFormula::Kutter) {
        b.blank();
        b.raw(spaces(28) + ideographic(1) + spaces(3) + kutterNumeratorLine(v));
        b.line(22, u"V=――――――――――――――――――――――――×("_s + kutterRootPieces(v));
        b.line(25, kutterDenominatorLine(v));
        b.line(23, kutterResult(v, v.velocity));
        b.blank();
    }
    b.line(21, u"t2=L/60V="_s + fmt(d.intensity.channelLength, u"0.0#") + u"/(60×"_s +
                   fmt(v.velocity, u"0.0000") + u")="_s + fmt(d.intensity.flowTime, u"0.0#") + u"min"_s);
    b.blank();
}

// The intensity formula with its constants (last line of a computed intensity).
QString intensityLine(const DesignCase &d)
{
    const IntensityInputs &in = d.intensity;
    const QString a = fmt(in.intensityA, u"0.0#");
    const QString bb = fmt(in.intensityB, u"0.0##");
    const QString t = fmt(in.concentrationTime, u"0.0#");
    const QString m = fmt(in.exponentNumerator, u"0");
    const QString dd = fmt(in.exponentDenominator, u"0");
    const QString i = fmt(d.rainIntensity, u"0.0");
    const QString head = u"・降雨強度 I="_s + a;
    const QString tail = u")="_s + i + u"mm/hr"_s;
    switch (in.intensityFormula) {
    case 1:
        return head + u"/(t＋"_s + bb + u")="_s + a + u"/("_s + t + u"＋"_s + bb + tail;
    case 2:
        return head + u"/(√t＋"_s + bb + u")="_s + a + u"/(√"_s + t + u"＋"_s + bb + tail;
    case 3:
        return head + u"/(√t－"_s + bb + u")="_s + a + u"/(√"_s + t + u"－"_s + bb + tail;
    case 4:
        return head + u"/(t^"_s + bb + u")="_s + a + u"/("_s + t + u"^"_s + bb + tail;
    case 5:
    case 6: {
        const QString sign = in.intensityFormula == 5 ? u")＋"_s : u")－"_s;
        const QString exponent = u"^("_s + m + u"/"_s + dd + sign;
        return head + u"/(t"_s + exponent + bb + u")="_s + a + u"/("_s + t + exponent + bb + tail;
    }
    default:
        // No formula chosen (a design restored without one): the intensity as the design holds it, never
        // the constant a in its place.
        return u"・降雨強度 I="_s + i + u"mm/hr"_s;
    }
}

// The computed rainfall intensity: time of concentration and formula.
void computedIntensity(Builder &b, const DesignCase &d)
{
    const IntensityInputs &in = d.intensity;
    if (in.concentrationTimeMode == TimeMode::Direct) {
        b.line(19, u"・到達時間 t="_s + fmt(in.concentrationTime, u"0.0#") + u"min"_s);
        b.blank();
    } else if (in.concentrationTimeMode == TimeMode::Computed) {
        if (in.inflowTimeMode == TimeMode::Direct) {
            b.line(19, u"・流入時間 t1="_s + fmt(in.inflowTime, u"0.0#") + u"min"_s);
            b.blank();
        } else if (in.inflowTimeMode == TimeMode::Computed) {
            b.line(19, u"・流入時間 t1=(2/3×3.28×(L･n/√S))^0.467"_s);
            b.line(32, u"=(2/3×3.28×("_s + fmt(in.slopeLength.value_or(0.0), u"0.0#") + u"×"_s +
                           fmt(in.retardance.value_or(0.0), u"0.00#") + u"/√"_s +
                           fmt(in.slopeGradient.value_or(0.0) / 1000.0, u"0.00#") + u"))^0.467="_s +
                           fmt(in.inflowTime, u"0.0#") + u"min"_s);
            b.line(41, u"｜ L：斜面距離(m)   S：斜面勾配　 n：遅滞係数"_s);
            b.blank();
        }
        if (in.flowTimeMode == TimeMode::Direct) {
            b.line(19, u"・流下時間 t2="_s + fmt(in.flowTime, u"0.0#") + u"min"_s);
            b.blank();
        }
        if (in.flowTimeMode == TimeMode::Computed && !in.riverCourse) {
            if (in.flowVelocityMode == VelocityMode::Assumed) {
                b.line(19, u"・流下時間 t2=L/60V="_s + fmt(in.channelLength, u"0.0#") + u"/(60×"_s +
                               fmt(in.assumedVelocity, u"0.00") + u")="_s + fmt(in.flowTime, u"0.0#") +
                               u"min"_s);
                b.line(41, u"｜ L：管渠延長(m)     V：仮定流速(m/sec)"_s);
                b.blank();
            } else if (in.flowVelocityMode == VelocityMode::Computed) {
                velocityBlock(b, d);
            }
        }
        if (in.riverCourse) {
            const QString length = fmt(in.riverLength, u"0.00");
            const QString gradient = fmt(in.riverGradient, u"0.000");
            const QString time = fmt(in.flowTime, u"0.00");
            if (in.riverStage == 1)
                b.line(19, u"・流下時間 t2=0.83L/i^0.6=0.83×"_s + length + u"/"_s + gradient + u"^0.6="_s +
                               time + u"min"_s);
            else if (in.riverStage == 2)
                b.line(19, u"・流下時間 t2=0.36L/i^0.5=0.36×"_s + length + u"/"_s + gradient + u"^0.5="_s +
                               time + u"min"_s);
            b.line(41, u"｜ L：河道延長(km)     i：河道の勾配"_s);
            b.blank();
        }
        b.line(19, u"・到達時間 t=t1＋t2="_s + fmt(in.inflowTime, u"0.0#") + u"＋"_s +
                       fmt(in.flowTime, u"0.0#") + u"="_s + fmt(in.concentrationTime, u"0.0#") + u"min"_s);
        b.blank();
    }
    b.line(19, intensityLine(d));
}

// The facility check: heading, formula, section, velocity, flow and verdict.
void facilityCheck(Builder &b, const DesignCase &d, ReportOutput output, bool &verdictNo)
{
    const FacilityRecord &f = d;
    const double velocity = d.result.velocity;

    b.line(16, u"◎ 排水施設の検討"_s);
    b.blank();
    b.raw(facilityLine(f));
    b.blank();
    formulaHeading(b, f, 18);

    b.blank();
    b.raw(ideographic(2) + spaces(15) + u"Q2=A･V      ｜Q2：流量(m3/sec)"_s);
    b.line(31, u"｜ A：流水の断面積(m2)    V：流速(m/sec)"_s);
    if (f.velocityFormula == VelocityFormula::Manning) {
        b.blank();
        b.line(20, u"V=1/n･R^(2/3)･I^(1/2)      ｜n：粗度係数   R：径深(m)   I：勾配"_s);
        b.blank();
    } else if (f.velocityFormula == VelocityFormula::Kutter) {
        b.blank();
        b.line(28, u"23＋(1/n)＋(0.00155/I)"_s);
        b.line(20, u"V=―――――――――――――――――･(R･I)^(1/2)"_s);
        b.line(23, u"1＋{23＋(0.00155/I)}･{n/R^(1/2)}"_s);
        b.line(57, u"｜n：粗度係数   R：径深(m)   I：勾配"_s);
        b.blank();
    }
    b.line(20, u"・粗 度 係 数  n="_s + fmt(f.roughness, u"0.000"));

    sectionLines(b, f);

    b.line(20, u"・　径　　深   R=A/P="_s + radiusValues(f));
    if (f.velocityFormula == VelocityFormula::Manning) {
        b.blank();
        b.line(20, u"流 速 V=1/"_s + fmt(f.roughness, u"0.000") + u"×"_s +
                       fmt(f.section.hydraulicRadius, u"0.0000") + u"^(2/3)×"_s +
                       fmt(f.gradientRatio, u"0.0000") + u"^(1/2)"_s);
        b.line(27, manningFactors(f, velocity));
        b.blank();
    } else if (f.velocityFormula == VelocityFormula::Kutter) {
        b.blank();
        // On a page the numerator is indented like the velocity calculator's.
        if (output == ReportOutput::Page)
            b.raw(spaces(28) + ideographic(1) + spaces(3) + kutterNumeratorLine(f));
        else
            b.line(29, kutterNumeratorLine(f));
        b.line(15, u"流速V=――――――――――――――――――――――――×("_s + kutterRootPieces(f));
        b.line(22, kutterDenominatorLine(f));
        b.line(20, kutterResult(f, velocity));
        b.blank();
    }
    b.line(19, u"流　量 Q2=A･V="_s + fmt(f.section.flowArea, u"0.0000") + u"×"_s + fmt(velocity, u"0.0000") +
                   u"="_s + fmt(d.result.capacity, u"0.0000") + u"m3/sec"_s);
    b.blank();

    // The verdict begins in column 20 (19 spaces in the text file).
    const double q1 = d.result.designFlow;
    const double q2 = d.result.capacity;
    const bool allowance = d.allowanceChoice == AllowanceChoice::With;
    const double compared = allowance ? ((d.allowanceRate + 100.0) * q1) / 100.0 : q1;
    const bool ok = compared <= q2;
    verdictNo = !ok;
    QString verdict = spaces(19);
    if (allowance)
        verdict += fmt(d.allowanceFactor(), u"0.0#") + u"×Q1="_s + fmt(compared, u"0.0000");
    else
        verdict += u"Q1="_s + fmt(q1, u"0.0000");
    verdict += ok ? u"m3/sec  <  Q2="_s : u"m3/sec  >  Q2="_s;
    verdict += fmt(q2, u"0.0000");
    verdict += ok ? u"m3/sec  　∴ O.K"_s : u"m3/sec    ∴ NO"_s;
    if (ok)
        b.raw(verdict);
    else
        b.failing(verdict);
    b.line(18, allowance ? u"―――――――――――――――――――――――――――"_s : u"――――――――――――――――――――――――"_s);
}

// The largest catchment area.
void largestArea(Builder &b, const DesignCase &d)
{
    const QString q2 = fmt(d.result.capacity, u"0.0000");
    const QString c = fmt(d.runoffCoeff, u"0.0");
    const QString i = fmt(d.rainIntensity, u"0.0");
    b.blank();
    b.line(16, u"◇ 最大流域面積"_s);
    if (d.allowanceChoice == AllowanceChoice::With) {
        const double k = d.allowanceFactor();
        const QString kt = fmt(k, u"0.0#");
        const double amax = d.result.maxCatchmentArea / k;
        b.line(19, u"Amax=360･Q2/(C･I×"_s + kt + u")=360×"_s + q2 + u"/("_s + c + u"×"_s + i + u"×"_s + kt +
                       u")"_s);
        b.line(23, u"="_s + fmt(amax, u"0.000000") + u"ha ="_s + fmt(amax * 10000.0, u"0.00") + u"m2"_s);
    } else {
        const double amax = d.result.maxCatchmentArea;
        b.line(19, u"Amax=360･Q2/(C･I)=360×"_s + q2 + u"/("_s + c + u"×"_s + i + u")"_s);
        b.line(23, u"="_s + fmt(amax, u"0.000000") + u"ha ="_s + fmt(amax * 10000.0, u"0.00") + u"m2"_s);
    }
}

} // namespace

bool isSplitReport(const DesignCase &design)
{
    return design.intensity.flowVelocityMode == VelocityMode::Computed;
}

ComposedReport composeReport(const DesignCase &d, ReportOutput output)
{
    ComposedReport report;
    report.split = isSplitReport(d);
    Builder b(report);

    // Report part 1: the heading.
    b.setPart(1);
    b.blank();
    b.line(13, u"☆ ニルカ書（雨水排水施設）"_s);
    b.blank();
    b.line(16, u"◎ 計画雨水量"_s);
    b.blank();
    b.line(19, u"Q1=(1/360)･C･I･A     ｜Q1：計画雨水量(m3/sec)"_s);
    b.line(40, u"｜ C：流出係数  I：降雨強度(mm/hr)  A：流域面積(ha)"_s);
    b.blank();

    // The runoff coefficient.
    if (d.runoffMode == RunoffMode::Direct)
        directRunoff(b, d);
    else
        weightedRunoff(b, d);

    // The rainfall intensity.
    if (d.intensityMode == IntensityMode::Direct)
        b.line(19, u"・降雨強度 I="_s + fmt(d.rainIntensity, u"0.0") + u"mm/hr"_s);
    else
        computedIntensity(b, d);

    // The planned stormwater volume.
    b.blank();
    b.line(19, u"計画雨水量 Q1=(1/360)×"_s + fmt(d.runoffCoeff, u"0.0##") + u"×"_s +
                   fmt(d.rainIntensity, u"0.0") + u"×"_s + fmt(d.catchmentArea * 0.0001, u"0.000") + u"="_s +
                   fmt(d.result.designFlow, u"0.0000") + u"m3/sec"_s);
    b.blank();
    b.blank();

    // Report part 2: the facility check and the verdict.
    b.setPart(2);
    facilityCheck(b, d, output, report.verdictNo);

    // Report part 3: the largest catchment area.
    b.setPart(3);
    largestArea(b, d);
    return report;
}

} // namespace niruka
