// Cost of the engine's hot paths: one capacity check, one full set of sections, one rainfall intensity.
#include "engine/capacity.h"
#include "engine/catalogue.h"
#include "engine/intensity.h"
#include "engine/sections.h"

#include <benchmark/benchmark.h>

namespace {

using namespace niruka;

void BM_CapacityCheck(benchmark::State &state)
{
    CapacityInputs in;
    in.runoffCoeff = 0.5;
    in.rainIntensity = 100;
    in.catchmentArea = 10000;
    in.formula = state.range(0) ? VelocityFormula::Kutter : VelocityFormula::Manning;
    in.roughness = 0.010;
    in.gradient = 10;
    in.flowArea = 0.0079792;
    in.wettedPerimeter = 0.31666;
    for (auto _ : state) {
        benchmark::DoNotOptimize(in);
        auto r = CapacityCheck(in);
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_CapacityCheck)->Arg(0)->Arg(1)->ArgName("kutter");

void BM_AllSections(benchmark::State &state)
{
    PolygonVertices p;
    const double xs[] = {0, 0.1, 0.2, 0.4, 0.6, 0.8, 0.9, 1};
    const double ys[] = {0, 0.2, 0.4, 0.5, 0.5, 0.4, 0.2, 0};
    for (std::size_t i = 0; i < 8; ++i) {
        p.x[i] = xs[i];
        p.y[i] = ys[i];
        p.xFilled[i] = true;
    }
    double d = PipeCatalogue::size(SeriesId::Hume, 3)->innerDimension;
    for (auto _ : state) {
        benchmark::DoNotOptimize(d);
        auto c = circularSection(d, 8);
        auto t = troughSection(0.3, 0.3, 8);
        auto z = trapezoidSection(0.5, 0.4, 1.4, 0.5, 8);
        auto g = polygonSection(p);
        benchmark::DoNotOptimize(c);
        benchmark::DoNotOptimize(t);
        benchmark::DoNotOptimize(z);
        benchmark::DoNotOptimize(g);
    }
}
BENCHMARK(BM_AllSections);

void BM_RainIntensity(benchmark::State &state)
{
    double t = 64;
    for (auto _ : state) {
        benchmark::DoNotOptimize(t);
        auto i = computeRainIntensity(IntensityFormula::F5, 1000, 2, 2, 1, t);
        benchmark::DoNotOptimize(i);
    }
}
BENCHMARK(BM_RainIntensity);

} // namespace
