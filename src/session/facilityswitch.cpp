#include "session/facilityswitch.h"

namespace niruka {

FacilityScreenId facilityScreenOf(FacilityKind kind) noexcept
{
    switch (kind) {
    case FacilityKind::VpPipe:
    case FacilityKind::VuPipe:
    case FacilityKind::FrpmPipe:
    case FacilityKind::HumePipe:
    case FacilityKind::UTrough:
        return FacilityScreenId::Pipe;
    case FacilityKind::OtherCircular:
        return FacilityScreenId::Circular;
    case FacilityKind::Ditch:
        return FacilityScreenId::Ditch;
    case FacilityKind::Polygon:
        return FacilityScreenId::Polygon;
    }
    return FacilityScreenId::None;
}

FacilitySwitch facilitySwitchFor(FacilityKind kind, FacilityScreenId open)
{
    FacilitySwitch s;
    s.opens = facilityScreenOf(kind);
    for (FacilityScreenId id : {FacilityScreenId::Pipe, FacilityScreenId::Circular, FacilityScreenId::Ditch,
                                FacilityScreenId::Polygon})
        if (id != s.opens)
            s.closes.append(id);
    s.create = open != s.opens;
    s.refill = s.opens == FacilityScreenId::Pipe;
    return s;
}

} // namespace niruka
