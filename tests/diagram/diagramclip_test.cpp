// Curves cut at the page: what reaches the painter stays on the page whatever the settings, normal
// drawings keep every point they show, and the settings files whose curves run far beyond the page draw
// the frame with nothing but the curves' climb up the y axis.
#include "diagram/diagrampainter.h"
#include "docs/diagramsettings.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <ostream>

namespace niruka {
namespace {

using Polyline = std::vector<QPointF>;

struct ClipCase {
    const char *name;
    Polyline points;
    std::vector<Polyline> parts;
};

void PrintTo(const ClipCase &c, std::ostream *os)
{
    *os << c.name;
}

class ClipPolyline : public ::testing::TestWithParam<ClipCase> {};

TEST_P(ClipPolyline, KeepsThePartsInsideTheRectangle)
{
    const QRectF rect(QPointF(0, 0), QPointF(10, 10));
    const auto parts = clipPolyline(GetParam().points, rect);
    ASSERT_EQ(parts.size(), GetParam().parts.size());
    for (std::size_t i = 0; i < parts.size(); ++i) {
        ASSERT_EQ(parts[i].size(), GetParam().parts[i].size()) << "part " << i;
        for (std::size_t j = 0; j < parts[i].size(); ++j) {
            EXPECT_NEAR(parts[i][j].x(), GetParam().parts[i][j].x(), 1e-9) << "part " << i << " point " << j;
            EXPECT_NEAR(parts[i][j].y(), GetParam().parts[i][j].y(), 1e-9) << "part " << i << " point " << j;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ClipPolyline,
    ::testing::Values(ClipCase{"inside", {{1, 1}, {2, 2}, {3, 1}}, {{{1, 1}, {2, 2}, {3, 1}}}},
                      ClipCase{"outside", {{-5, -5}, {-4, -6}, {20, -1}}, {}},
                      ClipCase{"leaves_and_comes_back",
                               {{1, 5}, {3, 5}, {5, 15}, {7, 5}, {9, 5}},
                               {{{1, 5}, {3, 5}, {4, 10}}, {{6, 10}, {7, 5}, {9, 5}}}},
                      ClipCase{"passes_through", {{-5, 5}, {15, 5}}, {{{0, 5}, {10, 5}}}},
                      ClipCase{"along_an_edge", {{-5, 0}, {5, 0}}, {{{0, 0}, {5, 0}}}},
                      ClipCase{"far_beyond",
                               {{1, 1}, {1, -1e300}, {2, -1e300}, {2, 1}},
                               {{{1, 1}, {1, 0}}, {{2, 0}, {2, 1}}}},
                      ClipCase{"one_point", {{1, 1}}, {}}),
    [](const auto &info) { return std::string(info.param.name); });

DiagramSettings settingsOfFile(const char *name)
{
    const DiagramReadResult read =
        loadDiagramSettingsFile(QStringLiteral(NIRUKA_TEST_DATA "/diagram/") + QString::fromLatin1(name));
    EXPECT_EQ(read.status, DiagramReadStatus::Complete) << name;
    const DiagramSettingsRecord &r = read.record;
    return diagramSettingsFromFields(r.familyPosition, r.depthPosition, r.manning, r.kutter, r.roughnessText,
                                     r.runoffText, r.intensityText);
}

bool onClippedPage(const QPointF &p)
{
    return p.x() >= kPageLeft - kCurveClipMargin && p.x() <= kPageRight + kCurveClipMargin &&
           p.y() >= kPageTop - kCurveClipMargin && p.y() <= kPageBottom + kCurveClipMargin;
}

void expectDrawnPartsOnThePage(const DiagramGeometry &g, const char *name)
{
    for (const DiagramCurve &c : g.curves)
        for (const Polyline &part : c.visible)
            for (const QPointF &p : part)
                ASSERT_TRUE(onClippedPage(p))
                    << name << " size " << c.nominalSize << " at " << p.x() << ", " << p.y();
}

constexpr DiagramTarget kTargets[] = {DiagramTarget::Screen, DiagramTarget::Printer};

// Normal files: every point on the page is drawn as computed, so the picture is the one of the whole curve.
TEST(CurveClip, NormalFilesDrawEveryPointOnThePage)
{
    for (const char *file : {"vu1-manning.gra", "vu2-kutter.gra"}) {
        const DiagramSettings s = settingsOfFile(file);
        for (DiagramTarget target : kTargets) {
            const DiagramGeometry g = diagramGeometry(s, target);
            ASSERT_FALSE(g.curves.empty()) << file;
            expectDrawnPartsOnThePage(g, file);
            for (const DiagramCurve &c : g.curves) {
                ASSERT_EQ(c.visible.size(), 1u) << file << " size " << c.nominalSize;
                const Polyline &drawn = c.visible.front();
                for (const QPointF &p : c.points) {
                    if (onClippedPage(p)) {
                        EXPECT_NE(std::find(drawn.begin(), drawn.end(), p), drawn.end())
                            << file << " size " << c.nominalSize << " point " << p.x() << ", " << p.y();
                    }
                }
            }
        }
    }
}

QImage render(const DiagramGeometry &g, const DiagramSurface &surface)
{
    QImage image(surface.pageRect.size().toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    paintDiagram(painter, g, surface);
    return image;
}

class TinyValueFile : public ::testing::TestWithParam<const char *> {};

// C or I so small that every curve leaves the page at its first step: each curve's drawn part runs from
// the origin straight up the y axis to the cut above the page's top edge, and the picture is the frame,
// labels and legends with the axis overdrawn in the curves' colour.
TEST_P(TinyValueFile, DrawsTheFrameAndTheClimbUpTheAxis)
{
    const DiagramSettings s = settingsOfFile(GetParam());
    for (DiagramTarget target : kTargets) {
        const DiagramGeometry g = diagramGeometry(s, target);
        ASSERT_EQ(g.curves.size(), 7u);
        expectDrawnPartsOnThePage(g, GetParam());
        for (const DiagramCurve &c : g.curves) {
            ASSERT_EQ(static_cast<int>(c.points.size()), gradientStepCount(target));
            EXPECT_LT(c.points[1].y(), kPageTop - 10000) << "size " << c.nominalSize;
            ASSERT_EQ(c.visible.size(), 1u) << "size " << c.nominalSize;
            const Polyline &part = c.visible.front();
            ASSERT_EQ(part.size(), 2u) << "size " << c.nominalSize;
            EXPECT_EQ(part[0], QPointF(0, 0));
            EXPECT_NEAR(part[1].x(), 0, 1e-3); // a few micrometres on paper
            EXPECT_DOUBLE_EQ(part[1].y(), kPageTop - kCurveClipMargin);
        }

        const DiagramSurface surface = diagramSurface(defaultPageSizePoints(), target, 96);
        DiagramGeometry frame = g;
        frame.curves.clear();
        const QImage drawn = render(g, surface);
        const QImage empty = render(frame, surface);
        const double sx = surface.pageRect.width() / kPageWidth;
        const double sy = surface.pageRect.height() / kPageHeight;
        const double axisX = -kPageLeft * sx;
        const double originY = -kPageTop * sy;
        int changed = 0;
        for (int y = 0; y < drawn.height(); ++y) {
            for (int x = 0; x < drawn.width(); ++x) {
                if (drawn.pixel(x, y) == empty.pixel(x, y))
                    continue;
                ++changed;
                ASSERT_LE(std::abs(x - axisX), 3) << GetParam() << " pixel " << x << ", " << y;
                ASSERT_LE(y, originY + 3) << GetParam() << " pixel " << x << ", " << y;
            }
        }
        EXPECT_GT(changed, static_cast<int>(originY)) << "the climb up the axis is drawn";
    }
}

INSTANTIATE_TEST_SUITE_P(Files, TinyValueFile,
                         ::testing::Values("vu1-manning-tiny-intensity.gra", "vu1-manning-tiny-runoff.gra",
                                           "vu1-manning-fuzzed-runoff.gra"),
                         [](const auto &info) {
                             std::string n = info.param;
                             std::replace(n.begin(), n.end(), '-', '_');
                             return n.substr(0, n.size() - 4);
                         });

// Values at the edge of what a double holds: the points stay finite and the drawn parts on the page.
TEST(CurveClip, LargestValuesStayFiniteAndOnThePage)
{
    DiagramSettings s = settingsOfFile("vu1-manning.gra");
    s.runoffCoeff = 1e-300;
    for (double intensity : {1e-5, 1e-6, 1e-7, 1e-8}) {
        s.rainIntensity = intensity;
        for (DiagramTarget target : kTargets) {
            const DiagramGeometry g = diagramGeometry(s, target);
            for (const DiagramCurve &c : g.curves)
                for (const QPointF &p : c.points)
                    ASSERT_TRUE(std::isfinite(p.y())) << intensity << " size " << c.nominalSize;
            expectDrawnPartsOnThePage(g, "largest values");
        }
    }
}

} // namespace
} // namespace niruka
