#include "diagram/diagramgeometry.h"

#include "diagram/curvefamily.h"
#include "engine/filloption.h"
#include "engine/sections.h"
#include "model/numbertext.h"

#include <algorithm>
#include <cmath>

namespace niruka {

namespace {

constexpr double kGridStep = 0.5;
constexpr double kGridXLimit = 24.75;      // 0.99 × 25
constexpr double kGridYLimit = 0.835 * 60; // |y| < 50.1
constexpr double kScreenTickX = 0.5;       // vertical ticks on the screen
constexpr double kScreenTickY = 10.0 / 25; // horizontal ticks on the screen
constexpr double kStepsPerUnit = 100;      // x advances in steps of 0.01
constexpr double kLabelFont = 13;
constexpr double kTickFont = 11;
constexpr double kTitleFont = 14;
constexpr double kLegendY = -51;
constexpr double kFamilyTitleY = -52.5;
constexpr double kLabelRightEnd = -0.1; // y-axis labels end before the axis
constexpr double kLegendGap = 0.2;      // between two entries of the settings legend

// A multiple of 2.5 carries a solid line; the half-unit steps are exact in binary.
bool isMajor(double v)
{
    return std::fmod(std::fabs(v), 2.5) == 0.0;
}

void addGrid(DiagramGeometry &g)
{
    const bool screen = g.target == DiagramTarget::Screen;
    for (double x = kGridStep; x < kGridXLimit; x += kGridStep) {
        if (screen)
            g.grid.push_back({{x, 0}, {x, -kScreenTickX}, LineStyle::Solid, 1, 0});
        else
            g.grid.push_back({{x, 0}, {x, -kPlotHeight}, LineStyle::Dotted, 1, 0});
        if (isMajor(x))
            g.grid.push_back({{x, 0}, {x, -kPlotHeight}, LineStyle::Solid, 1, 0});
    }
    for (double y = -kGridStep; std::fabs(y) < kGridYLimit; y -= kGridStep) {
        if (screen)
            g.grid.push_back({{0, y}, {kScreenTickY, y}, LineStyle::Solid, 1, 0});
        else
            g.grid.push_back({{0, y}, {kPlotWidth, y}, LineStyle::Dotted, 1, 0});
        if (isMajor(y))
            g.grid.push_back({{0, y}, {kPlotWidth, y}, LineStyle::Solid, 1, 0});
    }
}

void addLabels(DiagramGeometry &g, int familyPosition)
{
    auto text = [&g](const QString &t, double x, double y, double size, double room = 0) {
        g.labels.push_back({t, {x, y}, size, room});
    };
    text(QStringLiteral("施設の材料､勾配､負担する最大流域面積の関係図"), 5, 4, kTitleFont);
    text(QStringLiteral("施設の勾配 （Ｉ） ‰"), 8, 2.4, kLabelFont);
    const QString caption = QStringLiteral("施設の負担する最大流域面積");
    for (int i = 0; i < caption.size(); ++i)
        text(caption.mid(i, 1), -2.6, -32.5 + i, kLabelFont);
    text(QStringLiteral("(A)"), -2.7, -19.5, kLabelFont);
    text(QStringLiteral("m2"), -2.6, -18, kLabelFont);

    const double tickX[] = {-0.32, 4.85, 9.8, 14.8, 19.8};
    const char *tickText[] = {"0", "5", "10", "15", "20"};
    for (int i = 0; i < 5; ++i)
        text(QString::fromLatin1(tickText[i]), tickX[i], 0.32, kTickFont);

    const CurveFamily *family = curveFamilyAt(familyPosition);
    if (!family)
        return;
    const double labelY[] = {-5.28, -10.24, -15.2, -20.16, -25.28, -30.4, -35.36, -40.32, -45.28, -50.24};
    const QStringList labels = labelTexts(family->labelSet);
    for (int i = 0; i < labels.size() && i < 10; ++i) {
        double x = -1.1;
        switch (labels[i].size()) {
        case 5:
            x = -1.4;
            break;
        case 6:
            x = -1.6;
            break;
        case 7:
            x = -1.8;
            break;
        default:
            break;
        }
        text(labels[i], x, labelY[i], kTickFont, kLabelRightEnd - x);
    }
}

DiagramGeometry frameGeometry(DiagramTarget target, int familyPosition)
{
    DiagramGeometry g;
    g.target = target;
    g.drawScale = drawScaleOf(target);
    g.curveWidth = target == DiagramTarget::Screen ? 1 : 2;
    g.axes.push_back({{0, 0}, {kPlotWidth, 0}, LineStyle::Solid, 1, 0});
    g.axes.push_back({{0, 0}, {0, -kPlotHeight}, LineStyle::Solid, 1, 0});
    addGrid(g);
    addLabels(g, familyPosition);
    return g;
}

void addSettingsLegend(DiagramGeometry &g, const DiagramSettings &s)
{
    auto text = [&g](const QString &t, double x, double nextX) {
        g.settingsLegend.push_back({t, {x, kLegendY}, kTickFont, nextX - x - kLegendGap});
    };
    if (s.formula)
        text(*s.formula == VelocityFormula::Manning ? QStringLiteral("マニング公式")
                                                    : QStringLiteral("クッター公式"),
             0, 3.1);
    text(QStringLiteral("流出係数 Ｃ=") + formatNumber(s.runoffCoeff, u"0.0#"), 3.1, 6.7);
    text(QStringLiteral("１時間当たりの降雨強度 Ｉ=") + formatNumber(s.rainIntensity, u"0") +
             QStringLiteral("mm/hr"),
         6.7, 14.4);
    text(QStringLiteral("粗度係数 ｎ=") + formatNumber(s.roughness, u"0.000"), 14.4, 18.3);
    const QStringList &depths = depthLegendTexts();
    text(s.depthPosition >= 0 && s.depthPosition < depths.size() ? depths[s.depthPosition] : QString(), 18.3,
         kPageLeft + kPageWidth + kLegendGap / 2);
}

void addSizeLegend(DiagramGeometry &g, const std::vector<FamilySize> &sizes)
{
    const int count = static_cast<int>(sizes.size());
    const LegendRows rows = legendRows(count);
    auto row = [&g, &sizes](int index, double y, double lineX, double textX) {
        const FamilySize &size = sizes[static_cast<std::size_t>(index)];
        g.sizeLegend.push_back(
            {{{lineX, y}, {lineX + 1.5, y}, LineStyle::Solid, 1, size.colour},
             {QStringLiteral("φ") + QString::number(size.nominalSize), {textX, y - 0.4}, kTickFont}});
    };
    const int leftCount = static_cast<int>(rows.left.size());
    for (int j = 0; j < leftCount && count - 1 - j >= 0; ++j)
        row(count - 1 - j, rows.left[static_cast<std::size_t>(j)], -2.4, -0.7);
    for (int j = 0; j < static_cast<int>(rows.right.size()) && count - leftCount - 1 - j >= 0; ++j)
        row(count - leftCount - 1 - j, rows.right[static_cast<std::size_t>(j)], 1.2, 2.9);
}

// A quotient, or nothing for a zero divisor or a result that is not a finite number.
std::optional<double> divide(double a, double b)
{
    if (b == 0.0)
        return std::nullopt;
    const double q = a / b;
    if (!std::isfinite(q))
        return std::nullopt;
    return q;
}

std::optional<double> finite(double v)
{
    if (!std::isfinite(v))
        return std::nullopt;
    return v;
}

constexpr double kFarCoordinate = 1e12;

QPointF heldNear(const QPointF &p)
{
    return {std::clamp(p.x(), -kFarCoordinate, kFarCoordinate),
            std::clamp(p.y(), -kFarCoordinate, kFarCoordinate)};
}

// Liang–Barsky: the parameters t0 ≤ t1 in [0, 1] of the part of p→q inside the rectangle, or false when
// no part of the segment is inside.
bool clipSegment(const QPointF &p, const QPointF &q, const QRectF &r, double &t0, double &t1)
{
    const double dx = q.x() - p.x();
    const double dy = q.y() - p.y();
    const double direction[4] = {-dx, dx, -dy, dy};
    const double room[4] = {p.x() - r.left(), r.right() - p.x(), p.y() - r.top(), r.bottom() - p.y()};
    t0 = 0;
    t1 = 1;
    for (int i = 0; i < 4; ++i) {
        if (direction[i] == 0) {
            if (room[i] < 0)
                return false; // parallel to this edge and beyond it
            continue;
        }
        const double t = room[i] / direction[i];
        if (direction[i] < 0) {
            if (t > t1)
                return false;
            t0 = std::max(t0, t);
        } else {
            if (t < t0)
                return false;
            t1 = std::min(t1, t);
        }
    }
    return true;
}

// The point at t on p→q where the segment crosses the rectangle's edge; held on the rectangle, since with
// far-away ends the arithmetic can land a hair beyond the edge.
QPointF crossing(const QPointF &p, const QPointF &q, double t, const QRectF &r)
{
    return {std::clamp(p.x() + t * (q.x() - p.x()), r.left(), r.right()),
            std::clamp(p.y() + t * (q.y() - p.y()), r.top(), r.bottom())};
}

// The page widened by the clip margin: where the curves are cut.
QRectF curveClipRect()
{
    constexpr double margin = kCurveClipMargin;
    return QRectF(QPointF(kPageLeft - margin, kPageTop - margin),
                  QPointF(kPageRight + margin, kPageBottom + margin));
}

} // namespace

std::vector<std::vector<QPointF>> clipPolyline(const std::vector<QPointF> &points, const QRectF &rect)
{
    std::vector<std::vector<QPointF>> parts;
    std::vector<QPointF> part;
    auto finishPart = [&parts, &part] {
        if (part.size() >= 2)
            parts.push_back(std::move(part));
        part.clear();
    };
    for (std::size_t i = 1; i < points.size(); ++i) {
        const QPointF p = heldNear(points[i - 1]);
        const QPointF q = heldNear(points[i]);
        double t0 = 0;
        double t1 = 1;
        if (!clipSegment(p, q, rect, t0, t1)) {
            finishPart();
            continue;
        }
        // A point inside keeps its own coordinates; only a crossing is computed.
        if (t0 > 0 || part.empty()) {
            finishPart();
            part.push_back(t0 > 0 ? crossing(p, q, t0, rect) : p);
        }
        part.push_back(t1 < 1 ? crossing(p, q, t1, rect) : q);
        if (t1 < 1)
            finishPart();
    }
    finishPart();
    return parts;
}

int gradientStepCount(DiagramTarget target) noexcept
{
    const double limit = kPlotWidth / drawScaleOf(target);
    int count = 0;
    while (count / kStepsPerUnit <= limit)
        ++count;
    return count;
}

std::optional<double> curveAreaValue(const DiagramSettings &s, double innerDiameter, double surfaceX,
                                     double drawScale)
{
    if (!s.formula)
        return std::nullopt;
    const std::optional<double> fillCode = fillOptionAt(s.depthPosition);
    if (!fillCode)
        return std::nullopt;
    const Result<SectionProps> section = circularSection(innerDiameter, *fillCode);
    if (!section)
        return std::nullopt;
    const double a = section.value.flowArea;
    const auto r = divide(a, section.value.wettedPerimeter);
    if (!r || *r < 0)
        return std::nullopt;
    const double n = s.roughness;
    const auto inverseN = divide(1, n);
    if (!inverseN)
        return std::nullopt;

    std::optional<double> v;
    if (*s.formula == VelocityFormula::Manning) {
        const double slope = surfaceX / drawScale;
        if (slope < 0)
            return std::nullopt;
        v = finite(*inverseN * std::pow(*r, 2.0 / 3.0) * std::pow(slope, 0.5));
    } else {
        const double slope = (surfaceX + 0.0001) / drawScale;
        const auto term = divide(0.00155, slope);
        const auto nOverRootR = divide(n, std::pow(*r, 0.5));
        if (!term || !nOverRootR || slope * *r < 0)
            return std::nullopt;
        const double numerator = 23 + *inverseN + *term;
        const double denominator = 1 + (23 + *term) * *nOverRootR;
        const auto ratio = divide(numerator, denominator);
        if (!ratio)
            return std::nullopt;
        v = finite(*ratio * std::pow(slope * *r, 0.5));
    }
    if (!v)
        return std::nullopt;
    return divide(-(360 * a * *v), s.runoffCoeff * s.rainIntensity);
}

DiagramSettings diagramSettingsFromFields(int familyPosition, int depthPosition, bool manning, bool kutter,
                                          QStringView roughness, QStringView runoff, QStringView intensity)
{
    DiagramSettings s;
    s.roughness = parseLeadingNumber(roughness);
    s.runoffCoeff = parseLeadingNumber(runoff);
    s.rainIntensity = parseLeadingNumber(intensity);
    if (kutter)
        s.formula = VelocityFormula::Kutter;
    else if (manning)
        s.formula = VelocityFormula::Manning;
    s.familyPosition = familyPosition;
    s.depthPosition = depthPosition;
    return s;
}

DiagramGeometry emptyDiagramGeometry(DiagramTarget target, int familyPosition)
{
    return frameGeometry(target, familyPosition);
}

DiagramGeometry diagramGeometry(const DiagramSettings &s, DiagramTarget target)
{
    DiagramGeometry g = frameGeometry(target, s.familyPosition);
    const CurveFamily *family = curveFamilyAt(s.familyPosition);
    if (!family)
        return g;

    g.familyTitle =
        DiagramText{QString::fromUtf8(family->title), {family->titleX, kFamilyTitleY}, kTitleFont};
    addSettingsLegend(g, s);

    const std::vector<FamilySize> sizes = familySizes(*family);
    const int steps = gradientStepCount(target);
    for (const FamilySize &size : sizes) {
        DiagramCurve curve{size.nominalSize, size.colour, {}, {}};
        curve.points.reserve(static_cast<std::size_t>(steps));
        g.curves.push_back(std::move(curve));
    }
    std::vector<double> area(sizes.size(), 0.0); // the value a faulty step keeps
    for (int i = 0; i < steps; ++i) {
        const double x = i / kStepsPerUnit;
        for (std::size_t k = 0; k < sizes.size(); ++k) {
            // A value whose point would overflow is a fault like the others.
            const auto ak = curveAreaValue(s, sizes[k].innerDiameter, x, g.drawScale);
            if (ak && std::isfinite(2 * *ak / family->divisor * g.drawScale))
                area[k] = *ak;
        }
        // The point (x, 2 × Ak / divisor) is in surface coordinates; page units are drawScale times that.
        for (std::size_t k = 0; k < sizes.size(); ++k) {
            const double y = 2 * area[k] / family->divisor;
            g.curves[k].points.emplace_back(x * g.drawScale, y * g.drawScale);
        }
    }
    for (DiagramCurve &curve : g.curves)
        curve.visible = clipPolyline(curve.points, curveClipRect());
    addSizeLegend(g, sizes);
    return g;
}

} // namespace niruka
