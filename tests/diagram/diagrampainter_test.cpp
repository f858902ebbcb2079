// The painter on a test image: curves land where the geometry puts them, in their palette colours;
// text and far-away values do not disturb it.
#include "diagram/diagrampainter.h"

#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace niruka {
namespace {

DiagramSettings vp()
{
    DiagramSettings s;
    s.roughness = 0.010;
    s.runoffCoeff = 0.5;
    s.rainIntensity = 100;
    s.formula = VelocityFormula::Manning;
    s.familyPosition = 0;
    s.depthPosition = 5;
    return s;
}

QImage render(const DiagramGeometry &g, const DiagramSurface &surface)
{
    QImage image(surface.pageRect.size().toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintDiagram(painter, g, surface);
    return image;
}

QPoint devicePoint(const DiagramSurface &surface, QPointF page)
{
    const double sx = surface.pageRect.width() / kPageWidth;
    const double sy = surface.pageRect.height() / kPageHeight;
    return QPointF((page.x() - kPageLeft) * sx, (page.y() - kPageTop) * sy).toPoint();
}

// Whether a pixel of the colour lies within `radius` of the point.
bool colourNear(const QImage &image, QPoint at, QColor colour, int radius)
{
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx) {
            const QPoint p = at + QPoint(dx, dy);
            if (image.rect().contains(p) && image.pixelColor(p) == colour)
                return true;
        }
    return false;
}

TEST(DiagramPainter, ScreenSurfaceIsThePageReducedByTheDrawScale)
{
    const QSizeF page = defaultPageSizePoints();
    const QSizeF screen = surfacePixelSize(page, DiagramTarget::Screen, 96);
    const QSizeF paper = surfacePixelSize(page, DiagramTarget::Printer, 96);
    EXPECT_NEAR(screen.width() * 1.6, paper.width(), 1e-9);
    EXPECT_NEAR(screen.height() * 1.6, paper.height(), 1e-9);
    EXPECT_NEAR(diagramSurface(page, DiagramTarget::Printer, 600).pixelsPerDot, 2.0, 1e-12);
    EXPECT_EQ(diagramSurface(page, DiagramTarget::Screen, 96).pixelsPerDot, 1.0);
}

TEST(DiagramPainter, CurvesAreDrawnWhereTheGeometryPutsThemInTheirColours)
{
    const DiagramSurface surface = diagramSurface(defaultPageSizePoints(), DiagramTarget::Screen, 96);
    const DiagramGeometry g = diagramGeometry(vp(), DiagramTarget::Screen);
    const QImage image = render(g, surface);
    for (const DiagramCurve &c : g.curves) {
        const QPointF p = c.points[1000]; // page x = 16
        if (p.y() < kPageTop)
            continue; // beyond the page's top edge
        EXPECT_TRUE(colourNear(image, devicePoint(surface, p), paletteColour(c.colour), 1))
            << "size " << c.nominalSize;
    }
    // The origin carries the axes in black; the plot corner far from the curves is white.
    EXPECT_TRUE(colourNear(image, devicePoint(surface, {0, 0}), Qt::black, 1));
    EXPECT_EQ(image.pixelColor(devicePoint(surface, {19.7, -49.7})), QColor(Qt::white));
}

TEST(DiagramPainter, HugeValuesAndEmptyDiagramsPaintSafely)
{
    DiagramSettings s = vp();
    s.runoffCoeff = 1e-290; // points far beyond the page
    s.rainIntensity = 1e-10;
    const DiagramSurface surface = diagramSurface(defaultPageSizePoints(), DiagramTarget::Screen, 96);
    const QImage image = render(diagramGeometry(s, DiagramTarget::Screen), surface);
    EXPECT_FALSE(image.isNull());
    const QImage empty = render(emptyDiagramGeometry(DiagramTarget::Screen, 1), surface);
    EXPECT_FALSE(empty.isNull());
}

TEST(DiagramPainter, TextIsNarrowedToItsRoom)
{
    const DiagramSurface surface = diagramSurface(defaultPageSizePoints(), DiagramTarget::Screen, 96);
    DiagramGeometry g;
    g.labels.push_back({QStringLiteral("1000000000000"), {0, -10}, 11, 2.0});
    const QImage image = render(g, surface);
    const QPoint start = devicePoint(surface, {0, -10});
    const QPoint end = devicePoint(surface, {2.0, -10});
    const int height = devicePoint(surface, {0, -9}).y() - start.y();
    bool inked = false;
    for (int y = start.y(); y < start.y() + height; ++y) {
        for (int x = start.x(); x < image.width(); ++x) {
            if (image.pixelColor(x, y) != QColor(Qt::white)) {
                inked = true;
                ASSERT_LE(x, end.x() + 1) << "ink beyond the room at y " << y;
            }
        }
    }
    EXPECT_TRUE(inked);
}

TEST(DiagramPainter, PrintsToPdf)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("diagram.pdf"));
    {
        QPdfWriter writer(path);
        writer.setResolution(300);
        QPainter painter(&writer);
        const QSizeF page = writer.pageLayout().paintRect(QPageLayout::Point).size();
        DiagramSurface surface = diagramSurface(page, DiagramTarget::Printer, writer.resolution());
        paintDiagram(painter, diagramGeometry(vp(), DiagramTarget::Printer), surface);
    }
    EXPECT_GT(QFileInfo(path).size(), 1000);
}

} // namespace
} // namespace niruka
