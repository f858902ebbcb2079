#pragma once
// A computed value or a refusal naming the input that has no defined result, so that a screen can show
// its own message and put the focus on that field. Engine functions never return NaN or infinity.

#include <utility>

namespace niruka {

// The inputs an engine function can refuse.
enum class EngineInput {
    RunoffCoeff,       // C
    RainIntensity,     // I (mm/hr)
    CatchmentArea,     // m²
    AllowanceRate,     // percent
    Gradient,          // per mille
    Roughness,         // n
    FlowArea,          // A
    WettedPerimeter,   // P
    Diameter,          // D
    Height,            // h / H
    BottomWidth,       // b1 / B
    TopWidth,          // b2
    SlopeWidth,        // b3
    FillCode,          // not a known effective depth
    Vertices,          // polygon vertices (count or coordinates)
    IntensityA,        // a
    IntensityB,        // b
    ExponentC,         // c
    ExponentD,         // d
    ConcentrationTime, // t
    ChannelLength,     // L (m)
    Velocity,          // V (m/sec)
    RiverLength,       // Lr (km)
    RiverGradient,     // i
    SlopeLength,       // Ls (m)
    SlopeGradient,     // S (per mille)
    Retardance,        // n of the inflow time
    LandUseCoeff,      // a row coefficient
    LandUseArea,       // a row area, or the total area
};

// Identifier of an input for logs and test messages (not shown to the user).
const char *engineInputId(EngineInput input) noexcept;

template <class T> struct Result {
    bool ok = false;
    T value{};
    EngineInput refusal = EngineInput::Gradient; // meaningful only when !ok

    static Result success(T v) { return Result{true, std::move(v), EngineInput::Gradient}; }
    static Result refused(EngineInput input) { return Result{false, T{}, input}; }
    explicit operator bool() const noexcept { return ok; }
};

} // namespace niruka
