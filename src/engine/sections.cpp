#include "engine/sections.h"

#include "engine/filloption.h"
#include "engine/guard.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>

namespace niruka {

using detail::allFinite;
using detail::firstNonFinite;
using detail::mostExtreme;

namespace {

Result<SectionProps> section(double area, double perimeter)
{
    SectionProps s;
    s.flowArea = area;
    s.wettedPerimeter = perimeter;
    return Result<SectionProps>::success(s);
}

// The fraction of the height under water: 0.1 × code.
double depthFraction(double fillCode) noexcept
{
    return 0.1 * fillCode;
}

} // namespace

Result<SectionProps> circularSection(double diameter, double fillCode)
{
    if (!std::isfinite(diameter) || diameter <= 0.0)
        return Result<SectionProps>::refused(EngineInput::Diameter);
    const FillOption *option = findFillOption(fillCode);
    if (!option)
        return Result<SectionProps>::refused(EngineInput::FillCode);
    const double area = std::pow(diameter, 2.0) * option->areaCoeff;
    const double perimeter = option->perimeterCoeff * diameter;
    if (!allFinite({area, perimeter}) || perimeter <= 0.0)
        return Result<SectionProps>::refused(EngineInput::Diameter);
    return section(area, perimeter);
}

Result<SectionProps> troughSection(double width, double height, double fillCode)
{
    if (!std::isfinite(width) || width < 0.0)
        return Result<SectionProps>::refused(EngineInput::BottomWidth);
    if (!std::isfinite(height) || height < 0.0)
        return Result<SectionProps>::refused(EngineInput::Height);
    if (!isDepthFillCode(fillCode))
        return Result<SectionProps>::refused(EngineInput::FillCode);
    const double f = depthFraction(fillCode);
    const double hw = f * height;
    const double area = hw * width;
    const double perimeter = width + 2 * hw;
    if (!allFinite({area, perimeter}))
        return Result<SectionProps>::refused(
            mostExtreme({{EngineInput::BottomWidth, width}, {EngineInput::Height, height}}));
    if (perimeter <= 0.0)
        return Result<SectionProps>::refused(height == 0.0 ? EngineInput::Height : EngineInput::BottomWidth);
    return section(area, perimeter);
}

Result<SectionProps> trapezoidSection(double height, double bottomWidth, double topWidth, double slopeWidth,
                                      double fillCode)
{
    const std::initializer_list<detail::NamedValue> inputs{{EngineInput::Height, height},
                                                           {EngineInput::BottomWidth, bottomWidth},
                                                           {EngineInput::TopWidth, topWidth},
                                                           {EngineInput::SlopeWidth, slopeWidth}};
    if (auto bad = firstNonFinite(inputs))
        return Result<SectionProps>::refused(*bad);
    for (const auto &v : inputs)
        if (v.value < 0.0)
            return Result<SectionProps>::refused(v.input);
    if (!isDepthFillCode(fillCode))
        return Result<SectionProps>::refused(EngineInput::FillCode);

    const double f = depthFraction(fillCode);
    const double hw = f * height;
    // Width at the water surface, the walls being straight from b1 at the bottom to b2 at the top.
    const double w = bottomWidth + f * (topWidth - bottomWidth - slopeWidth) + f * slopeWidth;
    const double area = hw * (bottomWidth + w) / 2;
    const double rightSpan = topWidth - bottomWidth - slopeWidth;
    const double leftWall = std::sqrt(slopeWidth * slopeWidth + height * height);
    const double rightWall = std::sqrt(rightSpan * rightSpan + height * height);
    const double perimeter = bottomWidth + f * leftWall + f * rightWall;
    if (!allFinite({area, perimeter}))
        return Result<SectionProps>::refused(mostExtreme(inputs));
    if (perimeter <= 0.0)
        return Result<SectionProps>::refused(height == 0.0 ? EngineInput::Height : EngineInput::BottomWidth);
    return section(area, perimeter);
}

std::optional<int> polygonVertexCount(const std::array<bool, kMaxPolygonVertices> &xFilled) noexcept
{
    int filled = 0;
    while (filled < kMaxPolygonVertices && xFilled[static_cast<std::size_t>(filled)])
        ++filled;
    for (int i = filled; i < kMaxPolygonVertices; ++i)
        if (xFilled[static_cast<std::size_t>(i)])
            return std::nullopt; // a gap
    if (filled < 3)
        return std::nullopt;
    return filled;
}

Result<PolygonSection> polygonSection(const PolygonVertices &vertices, int previousCount)
{
    int n = polygonVertexCount(vertices.xFilled).value_or(previousCount);
    if (n < 3 || n > kMaxPolygonVertices)
        return Result<PolygonSection>::refused(EngineInput::Vertices);
    const auto count = static_cast<std::size_t>(n);
    const auto &x = vertices.x;
    const auto &y = vertices.y;
    for (std::size_t i = 0; i < count; ++i)
        if (!std::isfinite(x[i]) || !std::isfinite(y[i]))
            return Result<PolygonSection>::refused(EngineInput::Vertices);

    // Shoelace over the closed outline; the surface line from the last vertex back to vertex 0 closes it.
    double s = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t next = (i + 1) % count;
        s += y[i] * x[next] - y[next] * x[i];
    }
    const double area = std::fabs(s) / 2;

    // Only the sides in contact with water: the open polyline 0 … N−1.
    double perimeter = 0.0;
    for (std::size_t i = 0; i + 1 < count; ++i) {
        const double dx = x[i] - x[i + 1];
        const double dy = y[i] - y[i + 1];
        perimeter += std::sqrt(dx * dx + dy * dy);
    }
    if (!allFinite({area, perimeter}))
        return Result<PolygonSection>::refused(EngineInput::Vertices);

    PolygonSection out;
    out.vertexCount = n;
    out.flowArea = roundToFourDecimals(area);
    out.wettedPerimeter = roundToFourDecimals(perimeter);
    if (out.wettedPerimeter <= 0.0)
        return Result<PolygonSection>::refused(EngineInput::Vertices);
    return Result<PolygonSection>::success(out);
}

double roundToFourDecimals(double value) noexcept
{
    if (!std::isfinite(value))
        return value;
    // Round the shortest decimal form that reads back as the same double, as the screens format it: half
    // away from zero at the fourth decimal (0.00145 gives 0.0015 although 0.00145 × 10⁴ falls just below
    // the tie in binary).
    std::array<char, 400> text{};
    char *const first = text.data() + 1; // one spare place for a carry into a new leading digit
    const auto [end, ec] =
        std::to_chars(first, text.data() + text.size() - 8, std::fabs(value), std::chars_format::fixed);
    if (ec != std::errc())
        return value;
    char *begin = first;
    char *last = end;
    char *dot = std::find(first, last, '.');
    if (dot != last && last - dot > 5) {
        const bool up = dot[5] >= '5';
        last = dot + 5;
        for (char *digit = last - 1; up; --digit) {
            if (digit < first) {
                *digit = '1';
                begin = digit;
                break;
            }
            if (*digit == '.')
                continue;
            if (*digit != '9') {
                ++*digit;
                break;
            }
            *digit = '0';
        }
    }
    double rounded = 0.0;
    std::from_chars(begin, last, rounded);
    if (rounded == 0.0)
        return 0.0;
    return value < 0 ? -rounded : rounded;
}

} // namespace niruka
