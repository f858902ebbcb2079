#pragma once
// Helpers shared by the engine's computations to turn undefined or overflowing arithmetic into a refusal.
// Internal to the engine.

#include "engine/result.h"

#include <cmath>
#include <initializer_list>
#include <optional>

namespace niruka::detail {

struct NamedValue {
    EngineInput input;
    double value;
};

// The first input that is NaN or infinite.
inline std::optional<EngineInput> firstNonFinite(std::initializer_list<NamedValue> values) noexcept
{
    for (const NamedValue &v : values)
        if (!std::isfinite(v.value))
            return v.input;
    return std::nullopt;
}

// When a result overflows or underflows into a division by zero, the input furthest from 1 in
// magnitude is the one to blame; zero inputs are skipped unless all are zero.
inline EngineInput mostExtreme(std::initializer_list<NamedValue> values) noexcept
{
    EngineInput pick = values.begin()->input;
    double worst = -1.0;
    for (const NamedValue &v : values) {
        if (v.value == 0.0)
            continue;
        const double distance = std::fabs(std::log10(std::fabs(v.value)));
        if (distance > worst) {
            worst = distance;
            pick = v.input;
        }
    }
    return pick;
}

inline bool allFinite(std::initializer_list<double> values) noexcept
{
    for (double v : values)
        if (!std::isfinite(v))
            return false;
    return true;
}

} // namespace niruka::detail
