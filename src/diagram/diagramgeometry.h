#pragma once
// The relation diagram as numbers: frame, grid, labels, settings legend, family title, the curve points
// of every size and the size legend, for the screen surface or the printer page. Everything is in page
// units (the printable page is 25 × 60 units, the diagram's origin 4.5 units from the left edge and 54
// from the top, y growing downwards) and page points; the painter maps them onto any device.

#include "engine/types.h"

#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

namespace niruka {

enum class DiagramTarget { Screen, Printer };

// The reduction of the drawing: the screen surface shows the page at 1/1.6.
inline constexpr double kScreenDrawScale = 1.6;
inline constexpr double kPrinterDrawScale = 1.0;
constexpr double drawScaleOf(DiagramTarget target) noexcept
{
    return target == DiagramTarget::Screen ? kScreenDrawScale : kPrinterDrawScale;
}

// Page frame in page units.
inline constexpr double kPageWidth = 25.0;
inline constexpr double kPageHeight = 60.0;
inline constexpr double kPageLeft = -0.18 * 25.0; // page x of the left edge
inline constexpr double kPageTop = -0.9 * 60.0;   // page y of the top edge
inline constexpr double kPlotWidth = 0.8 * 25.0;
inline constexpr double kPlotHeight = 0.834 * 60.0;
// The page rectangle in page units.
inline constexpr double kPageRight = kPageLeft + kPageWidth;
inline constexpr double kPageBottom = kPageTop + kPageHeight;
// The curves are cut this far beyond the page edges (page units, about 5 mm on paper, far more than half
// the widest pen), so the pen's round cap at a cut end, and whatever was dropped, never shows on the page.
inline constexpr double kCurveClipMargin = 1.0;

// The inputs of one drawing.
struct DiagramSettings {
    double roughness = 0.0;                 // n
    double runoffCoeff = 0.0;               // C
    double rainIntensity = 0.0;             // I, mm/hr
    std::optional<VelocityFormula> formula; // empty when neither option is chosen
    int familyPosition = -1;                // position in the family list; a separator or -1 draws no family
    int depthPosition = -1; // position in the 15-line effective-depth list; gives the fill code
};

// The settings the diagram window holds once a settings file's values are in its fields: n, C and I by
// their leading number, Kutter when both formula marks are set (the window's options are a pair).
DiagramSettings diagramSettingsFromFields(int familyPosition, int depthPosition, bool manning, bool kutter,
                                          QStringView roughness, QStringView runoff, QStringView intensity);

enum class LineStyle { Solid, Dotted };

struct DiagramLine {
    QPointF from;
    QPointF to;
    LineStyle style = LineStyle::Solid;
    double width = 1.0; // in dots of the device: screen pixels, printer dots
    int colour = 0;     // palette number
};

// A text placed by its top-left corner.
struct DiagramText {
    QString text;
    QPointF topLeft;
    double pointSize = 11.0; // page points; the painter divides by the draw scale like every length
    // Room up to the next item (page units), 0 for none: a font wider than the system's own is narrowed to
    // it, so a label never runs into the axis or the next legend entry. The top-left corner stays.
    double room = 0.0;
};

struct DiagramCurve {
    int nominalSize = 0;
    int colour = 0;
    std::vector<QPointF> points; // one per gradient step, in page units
    // What the painter draws: the parts of the polyline through `points` on the page widened by
    // kCurveClipMargin, cut where they leave it (clipPolyline). A curve far beyond the page costs nothing.
    std::vector<std::vector<QPointF>> visible;
};

struct SizeLegendRow {
    DiagramLine line;
    DiagramText text;
};

struct DiagramGeometry {
    DiagramTarget target = DiagramTarget::Screen;
    double drawScale = kScreenDrawScale;
    std::vector<DiagramLine> axes;
    std::vector<DiagramLine> grid;
    std::vector<DiagramText> labels;         // diagram title, axis captions, x ticks, y-axis label set
    std::optional<DiagramText> familyTitle;  // absent without a family
    std::vector<DiagramText> settingsLegend; // absent without a family
    double curveWidth = 1.0;                 // dots
    std::vector<DiagramCurve> curves;        // smallest size first
    std::vector<SizeLegendRow> sizeLegend;   // left column first, each from its largest size down
};

// Frame, grid and labels only: the empty diagram of a page set-up or "新規作成".
DiagramGeometry emptyDiagramGeometry(DiagramTarget target, int familyPosition);

// The whole drawing. Arithmetic faults at a step (no section, n = 0, C × I = 0, …) keep that size's
// previous value, so the drawing always completes and never holds NaN or infinity.
DiagramGeometry diagramGeometry(const DiagramSettings &settings, DiagramTarget target);

// The parts of the open polyline through `points` inside `rect` (its edges included), in order, each an
// open polyline that starts or ends on the edge where the line crosses it; segments wholly outside are
// dropped. Points inside keep their coordinates. Coordinates beyond ±1e12 are held there first, far beyond
// any page, so the arithmetic stays finite.
std::vector<std::vector<QPointF>> clipPolyline(const std::vector<QPointF> &points, const QRectF &rect);

// The number of gradient steps evaluated per size: x = 0, 0.01, … while x ≤ 20 / drawScale.
int gradientStepCount(DiagramTarget target) noexcept;

// The area value Ak = −(360 × A × V) / (C × I) of one size at one surface x, or nothing on an arithmetic
// fault. Exposed so that a single point can be checked by hand.
std::optional<double> curveAreaValue(const DiagramSettings &settings, double innerDiameter, double surfaceX,
                                     double drawScale);

} // namespace niruka
