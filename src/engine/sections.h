#pragma once
// Flow area A and wetted perimeter P of each facility section at its effective depth. The hydraulic
// radius is left to the capacity check (R = A/P), so SectionProps::hydraulicRadius stays 0 here.
// Negative dimensions, unknown fill codes and sections without a wetted perimeter are refused.

#include "engine/result.h"
#include "engine/types.h"

#include <array>
#include <optional>

namespace niruka {

// Circular pipe of inner diameter D (m): A = D^2 × cA, P = cP × D with the coefficient table.
Result<SectionProps> circularSection(double diameter, double fillCode);

// Rectangular U-trough of width B and height H (m) at a depth code.
Result<SectionProps> troughSection(double width, double height, double fillCode);

// U-ditch or trapezoidal ditch: height h, bottom width b1, top width b2, left slope width b3 (m), at a
// depth code. The right wall spans b2 − b1 − b3 and may lean inwards.
Result<SectionProps> trapezoidSection(double height, double bottomWidth, double topWidth, double slopeWidth,
                                      double fillCode);

// Polygon ditch: up to eight vertices; the X-field emptiness decides the vertex count.
inline constexpr int kMaxPolygonVertices = 8;

struct PolygonVertices {
    std::array<double, kMaxPolygonVertices> x{};
    std::array<double, kMaxPolygonVertices> y{};
    std::array<bool, kMaxPolygonVertices> xFilled{}; // the X field has text
};

// N = k when the X fields of vertices 0 … k−1 are filled and the rest empty (k = 3 … 8); none otherwise
// (a gap, or fewer than three).
std::optional<int> polygonVertexCount(const std::array<bool, kMaxPolygonVertices> &xFilled) noexcept;

struct PolygonSection {
    int vertexCount = 0;
    double flowArea = 0.0;        // shoelace area, rounded to four decimals
    double wettedPerimeter = 0.0; // open polyline 0 … N−1, rounded to four decimals
};

// The count is derived from the X fields; when they match no count, previousCount (the count of the last
// computation, 0 if none) is used. Refused (Vertices) without a usable count, a zero rounded perimeter,
// or non-finite coordinates.
Result<PolygonSection> polygonSection(const PolygonVertices &vertices, int previousCount = 0);

// The number that the pattern "0.0000" shows, read back: half away from zero at the fourth decimal.
double roundToFourDecimals(double value) noexcept;

} // namespace niruka
