#pragma once
// The facility-kind switch of the conditions screen: which facility screen a kind opens, which ones it
// closes, and whether the screen is prepared afresh or keeps what was typed in it.

#include "engine/types.h"

#include <QList>

namespace niruka {

enum class FacilityScreenId { None, Pipe, Circular, Ditch, Polygon };

struct FacilitySwitch {
    FacilityScreenId opens = FacilityScreenId::None;
    QList<FacilityScreenId> closes; // the other three facility screens, in this order
    bool create = false;            // the screen is not open yet and is created with its defaults
    bool refill = false;            // the pipe screen is refilled with the kind's series, open or not
};

FacilityScreenId facilityScreenOf(FacilityKind kind) noexcept;

// The switch for choosing `kind` while `open` is the facility screen currently shown.
FacilitySwitch facilitySwitchFor(FacilityKind kind, FacilityScreenId open);

} // namespace niruka
