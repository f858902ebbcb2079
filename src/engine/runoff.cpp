#include "engine/runoff.h"

#include <cmath>

namespace niruka {

Result<WeightedRunoff> weightedRunoffCoefficient(std::span<const LandUseValues> rows)
{
    using R = Result<WeightedRunoff>;
    for (const LandUseValues &row : rows) {
        if (!std::isfinite(row.coeff))
            return R::refused(EngineInput::LandUseCoeff);
        if (!std::isfinite(row.area))
            return R::refused(EngineInput::LandUseArea);
    }
    WeightedRunoff out;
    double weighted = 0.0;
    for (const LandUseValues &row : rows) {
        out.catchmentArea += row.area;
        weighted += row.area * row.coeff;
    }
    // A zero total is possible only with negative areas; it leaves the average undefined.
    if (out.catchmentArea == 0.0 || !std::isfinite(out.catchmentArea))
        return R::refused(EngineInput::LandUseArea);
    if (!std::isfinite(weighted))
        return R::refused(EngineInput::LandUseCoeff);
    out.runoffCoeff = weighted / out.catchmentArea;
    if (!std::isfinite(out.runoffCoeff))
        return R::refused(EngineInput::LandUseArea);
    return R::success(out);
}

} // namespace niruka
