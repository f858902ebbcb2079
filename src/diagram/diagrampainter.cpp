#include "diagram/diagrampainter.h"

#include "model/environment.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace niruka {

namespace {

constexpr double kPointsPerInch = 72.0;
constexpr double kPrinterDotsPerInch = 300.0;
// Curve values far beyond the page are held at this distance (page units) so that no device coordinate
// overflows; the page itself is 60 units high, so the shown part is unchanged.
constexpr double kFarAway = 10000.0;

class PageMap {
public:
    explicit PageMap(const QRectF &pageRect)
        : m_origin(pageRect.topLeft()), m_sx(pageRect.width() / kPageWidth),
          m_sy(pageRect.height() / kPageHeight)
    {
    }
    struct Scale {
        double x;
        double y;
    };
    Scale scale() const { return {m_sx, m_sy}; }
    QPointF operator()(const QPointF &p) const
    {
        const double x = std::clamp(p.x(), -kFarAway, kFarAway);
        const double y = std::clamp(p.y(), -kFarAway, kFarAway);
        return {m_origin.x() + (x - kPageLeft) * m_sx, m_origin.y() + (y - kPageTop) * m_sy};
    }

private:
    QPointF m_origin;
    double m_sx;
    double m_sy;
};

QPen linePen(const DiagramLine &line, const DiagramSurface &surface)
{
    QPen pen(paletteColour(line.colour));
    pen.setWidthF(std::max(1.0, line.width * surface.pixelsPerDot));
    pen.setStyle(line.style == LineStyle::Dotted ? Qt::DotLine : Qt::SolidLine);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

void drawLines(QPainter &painter, const std::vector<DiagramLine> &lines, const PageMap &map,
               const DiagramSurface &surface)
{
    for (const DiagramLine &line : lines) {
        painter.setPen(linePen(line, surface));
        painter.drawLine(map(line.from), map(line.to));
    }
}

void drawText(QPainter &painter, const DiagramText &text, const PageMap &map, const DiagramSurface &surface)
{
    if (text.text.isEmpty())
        return;
    QFont font(surface.fontFamily.isEmpty() ? QString::fromUtf8(kPGothicFamily) : surface.fontFamily);
    const int dpi = std::max(1, painter.device()->logicalDpiY());
    font.setPointSizeF(std::max(1.0, text.pointSize * surface.pixelsPerPoint * kPointsPerInch / dpi));
    // Unhinted glyphs keep the same proportions on the reduced screen page as on paper.
    font.setHintingPreference(QFont::PreferNoHinting);
    const PageMap::Scale scale = map.scale();
    if (text.room > 0) {
        const double room = text.room * scale.x;
        const double width = QFontMetricsF(font, painter.device()).horizontalAdvance(text.text);
        if (width > room)
            font.setStretch(std::max(50, static_cast<int>(std::floor(100 * room / width))));
    }
    painter.setFont(font);
    painter.setPen(paletteColour(0));
    const QFontMetricsF metrics(font, painter.device());
    const QPointF topLeft = map(text.topLeft);
    painter.drawText(QPointF(topLeft.x(), topLeft.y() + metrics.ascent()), text.text);
}

} // namespace

QColor paletteColour(int number)
{
    static const QColor palette[16] = {
        {0, 0, 0},     {0, 0, 128},     {0, 128, 0},     {0, 128, 128},   {128, 0, 0}, {128, 0, 128},
        {128, 128, 0}, {192, 192, 192}, {128, 128, 128}, {0, 0, 255},     {0, 255, 0}, {0, 255, 255},
        {255, 0, 0},   {255, 0, 255},   {255, 255, 0},   {255, 255, 255},
    };
    return palette[std::clamp(number, 0, 15)];
}

QSizeF defaultPageSizePoints()
{
    constexpr double pointsPerMm = kPointsPerInch / 25.4;
    return {200 * pointsPerMm, 287 * pointsPerMm};
}

QSizeF surfacePixelSize(const QSizeF &pagePoints, DiagramTarget target, double dpi)
{
    const double scale = dpi / kPointsPerInch / drawScaleOf(target);
    return {pagePoints.width() * scale, pagePoints.height() * scale};
}

DiagramSurface diagramSurface(const QSizeF &pagePoints, DiagramTarget target, double dpi)
{
    DiagramSurface surface;
    surface.pageRect = QRectF(QPointF(0, 0), surfacePixelSize(pagePoints, target, dpi));
    surface.pixelsPerPoint = dpi / kPointsPerInch / drawScaleOf(target);
    surface.pixelsPerDot = target == DiagramTarget::Screen ? 1.0 : dpi / kPrinterDotsPerInch;
    surface.fontFamily = QString::fromUtf8(kPGothicFamily);
    return surface;
}

void paintDiagram(QPainter &painter, const DiagramGeometry &g, const DiagramSurface &surface)
{
    const PageMap map(surface.pageRect);
    painter.save();
    // Nothing is drawn beyond the page: grid lines past x = 20.5 and curves above the top edge end there.
    painter.setClipRect(surface.pageRect, Qt::IntersectClip);
    painter.setRenderHint(QPainter::Antialiasing, g.target == DiagramTarget::Printer);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    drawLines(painter, g.grid, map, surface);
    drawLines(painter, g.axes, map, surface);
    for (const DiagramText &t : g.labels)
        drawText(painter, t, map, surface);
    if (g.familyTitle)
        drawText(painter, *g.familyTitle, map, surface);
    for (const DiagramText &t : g.settingsLegend)
        drawText(painter, t, map, surface);

    // Consecutive gradient steps are joined, so a curve stays closed where it rises steeply. Only the parts
    // on the page are drawn: a device crawls along a wide pen's outline even where nothing shows.
    QPolygonF polyline;
    for (const DiagramCurve &curve : g.curves) {
        QPen pen(paletteColour(curve.colour));
        pen.setWidthF(std::max(1.0, g.curveWidth * surface.pixelsPerDot));
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        painter.setPen(pen);
        for (const std::vector<QPointF> &part : curve.visible) {
            polyline.clear();
            polyline.reserve(static_cast<qsizetype>(part.size()));
            for (const QPointF &p : part)
                polyline.append(map(p));
            painter.drawPolyline(polyline);
        }
    }
    for (const SizeLegendRow &row : g.sizeLegend) {
        drawLines(painter, {row.line}, map, surface);
        drawText(painter, row.text, map, surface);
    }
    painter.restore();
}

} // namespace niruka
