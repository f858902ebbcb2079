#include "engine/result.h"

namespace niruka {

const char *engineInputId(EngineInput input) noexcept
{
    switch (input) {
    case EngineInput::RunoffCoeff:
        return "RunoffCoeff";
    case EngineInput::RainIntensity:
        return "RainIntensity";
    case EngineInput::CatchmentArea:
        return "CatchmentArea";
    case EngineInput::AllowanceRate:
        return "AllowanceRate";
    case EngineInput::Gradient:
        return "Gradient";
    case EngineInput::Roughness:
        return "Roughness";
    case EngineInput::FlowArea:
        return "FlowArea";
    case EngineInput::WettedPerimeter:
        return "WettedPerimeter";
    case EngineInput::Diameter:
        return "Diameter";
    case EngineInput::Height:
        return "Height";
    case EngineInput::BottomWidth:
        return "BottomWidth";
    case EngineInput::TopWidth:
        return "TopWidth";
    case EngineInput::SlopeWidth:
        return "SlopeWidth";
    case EngineInput::FillCode:
        return "FillCode";
    case EngineInput::Vertices:
        return "Vertices";
    case EngineInput::IntensityA:
        return "IntensityA";
    case EngineInput::IntensityB:
        return "IntensityB";
    case EngineInput::ExponentC:
        return "ExponentC";
    case EngineInput::ExponentD:
        return "ExponentD";
    case EngineInput::ConcentrationTime:
        return "ConcentrationTime";
    case EngineInput::ChannelLength:
        return "ChannelLength";
    case EngineInput::Velocity:
        return "Velocity";
    case EngineInput::RiverLength:
        return "RiverLength";
    case EngineInput::RiverGradient:
        return "RiverGradient";
    case EngineInput::SlopeLength:
        return "SlopeLength";
    case EngineInput::SlopeGradient:
        return "SlopeGradient";
    case EngineInput::Retardance:
        return "Retardance";
    case EngineInput::LandUseCoeff:
        return "LandUseCoeff";
    case EngineInput::LandUseArea:
        return "LandUseArea";
    }
    return "?";
}

} // namespace niruka
