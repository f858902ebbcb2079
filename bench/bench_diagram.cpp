// The relation diagram's cost: the geometry of the largest printed family (8 sizes × 2001 steps) and one
// whole screen drawing (geometry and painting) into the page image of the window.
#include "diagram/diagrampainter.h"
#include "model/environment.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

using namespace niruka;

DiagramSettings largestFamily(VelocityFormula formula)
{
    DiagramSettings s;
    s.roughness = 0.013;
    s.runoffCoeff = 0.5;
    s.rainIntensity = 100;
    s.formula = formula;
    s.familyPosition = 11; // Hume φ800–1650, eight sizes
    s.depthPosition = 2;
    return s;
}

void BM_PrintedGeometry(benchmark::State &state)
{
    const auto formula = state.range(0) == 0 ? VelocityFormula::Manning : VelocityFormula::Kutter;
    const DiagramSettings s = largestFamily(formula);
    for (auto _ : state) {
        DiagramGeometry g = diagramGeometry(s, DiagramTarget::Printer);
        benchmark::DoNotOptimize(g.curves.data());
    }
    state.SetLabel(formula == VelocityFormula::Manning ? "Manning" : "Kutter");
}
BENCHMARK(BM_PrintedGeometry)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_ScreenDrawing(benchmark::State &state)
{
    const auto formula = state.range(0) == 0 ? VelocityFormula::Manning : VelocityFormula::Kutter;
    const DiagramSettings s = largestFamily(formula);
    const DiagramSurface surface = diagramSurface(defaultPageSizePoints(), DiagramTarget::Screen, 96);
    QImage image(surface.pageRect.size().toSize(), QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        paintDiagram(painter, diagramGeometry(s, DiagramTarget::Screen), surface);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetLabel(formula == VelocityFormula::Manning ? "Manning" : "Kutter");
}
BENCHMARK(BM_ScreenDrawing)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

// Painting needs a GUI application (fonts), so this program has its own main.
int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    niruka::installJapaneseEnvironment();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
