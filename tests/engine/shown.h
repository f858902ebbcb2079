#pragma once
// Formats a number the way the screens show it with a fixed count of decimals (half away from zero), so
// that worked examples can be checked to the digits they state.

#include <cmath>
#include <cstdio>
#include <string>

namespace niruka::testing {

inline std::string shown(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    double rounded = std::round(value * scale) / scale;
    if (rounded == 0.0)
        rounded = 0.0; // no "-0.00"
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, rounded);
    return buffer;
}

} // namespace niruka::testing
