// libFuzzer target for the diagram settings reader and what the diagram window does with the file it
// opened: any bytes read without a fault, and the settings they give draw a diagram, on the screen and on
// paper, whose points are finite and whose drawn parts stay on the page.
#include "diagram/diagramgeometry.h"
#include "docs/diagramsettings.h"
#include "fuzzcheck.h"

#include <QByteArray>
#include <cmath>
#include <cstddef>
#include <cstdint>

using namespace niruka;

namespace {

bool onPage(const QPointF &p)
{
    return p.x() >= kPageLeft - kCurveClipMargin && p.x() <= kPageRight + kCurveClipMargin &&
           p.y() >= kPageTop - kCurveClipMargin && p.y() <= kPageBottom + kCurveClipMargin;
}

void checkDrawing(const DiagramSettings &settings, DiagramTarget target)
{
    const DiagramGeometry g = diagramGeometry(settings, target);
    for (const DiagramCurve &curve : g.curves) {
        fuzz::require(static_cast<int>(curve.points.size()) == gradientStepCount(target),
                      "one point per step");
        for (const QPointF &p : curve.points)
            fuzz::require(std::isfinite(p.x()) && std::isfinite(p.y()), "curve points are finite");
        std::size_t drawn = 0;
        for (const std::vector<QPointF> &part : curve.visible) {
            fuzz::require(part.size() >= 2, "a drawn part is a line");
            drawn += part.size();
            for (const QPointF &p : part)
                fuzz::require(onPage(p), "drawn parts stay on the page");
        }
        // Each step adds at most one point, each cut at most two.
        fuzz::require(drawn <= 2 * curve.points.size(), "no more drawn points than the curve has");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const DiagramReadResult read = decodeDiagramSettings(bytes);
    const DiagramSettingsRecord &r = read.record;
    fuzz::require(r.familyPosition >= -1 && r.familyPosition <= 12, "the family is a list position");
    fuzz::require(r.depthPosition >= -1 && r.depthPosition <= 14, "the depth is a list position");
    if (read.status == DiagramReadStatus::TooLarge)
        return 0;
    const DiagramSettings settings =
        diagramSettingsFromFields(r.familyPosition, r.depthPosition, r.manning, r.kutter, r.roughnessText,
                                  r.runoffText, r.intensityText);
    checkDrawing(settings, DiagramTarget::Screen);
    checkDrawing(settings, DiagramTarget::Printer);
    return 0;
}
