// The relation diagram's cost: the geometry of the largest printed family (8 sizes × 2001 steps), one
// whole screen drawing (geometry and painting) into the page image of the window, and the settings files
// of tests/data/diagram drawn side by side on the screen's page image and on a 300 dpi printer page: the
// files whose curves run far beyond the page must cost no more than a normal one.
#include "diagram/diagrampainter.h"
#include "docs/diagramsettings.h"
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

// A settings file as the diagram window draws it once opened: geometry and painting, on the window's page
// image (96 dpi) or on the printer page as `niruka-cli diagram … -o x.png` writes it (300 dpi).
void BM_SettingsFileDrawing(benchmark::State &state, const char *file, DiagramTarget target)
{
    const DiagramReadResult read =
        loadDiagramSettingsFile(QStringLiteral(NIRUKA_TEST_DATA "/diagram/") + QString::fromUtf8(file));
    if (read.status != DiagramReadStatus::Complete) {
        state.SkipWithError("the settings file does not read");
        return;
    }
    const DiagramSettingsRecord &r = read.record;
    const DiagramSettings s =
        diagramSettingsFromFields(r.familyPosition, r.depthPosition, r.manning, r.kutter, r.roughnessText,
                                  r.runoffText, r.intensityText);
    const double dpi = target == DiagramTarget::Screen ? 96 : 300;
    const DiagramSurface surface = diagramSurface(defaultPageSizePoints(), target, dpi);
    QImage image(surface.pageRect.size().toSize(), QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        paintDiagram(painter, diagramGeometry(s, target), surface);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

// The normal file first; the others have the same family, depth, formula and n.
const char *const kSettingsFiles[] = {
    "vu1-manning.gra", "vu1-manning-tiny-intensity.gra", "vu1-manning-tiny-runoff.gra",
    "vu1-manning-fuzzed-runoff.gra", // the slowest settings file the fuzzer found
};

void registerSettingsFileDrawings()
{
    for (DiagramTarget target : {DiagramTarget::Screen, DiagramTarget::Printer}) {
        for (const char *file : kSettingsFiles) {
            const std::string name = std::string("BM_SettingsFileDrawing/") +
                                     (target == DiagramTarget::Screen ? "screen/" : "printer/") + file;
            benchmark::RegisterBenchmark(name.c_str(), BM_SettingsFileDrawing, file, target)
                ->Unit(benchmark::kMillisecond);
        }
    }
}

} // namespace

// Painting needs a GUI application (fonts), so this program has its own main.
int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    niruka::installJapaneseEnvironment();
    registerSettingsFileDrawings();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
