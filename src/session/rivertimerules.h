#pragma once
// Rules of the river flow time screen: the checks of "ＯＫ". Nothing is computed here; the intensity
// screen evaluates t2 from these fields when it computes I.

#include "docs/projectrecord.h"

#include <QString>
#include <optional>

namespace niruka {

enum class RiverField { BeforeOption, Length, Gradient };

struct RiverRefusal {
    QString message;
    RiverField field = RiverField::BeforeOption;
};

// The three checks in order, then a gradient (or length) for which the formula has no defined value.
std::optional<RiverRefusal> validateRiverTime(const RiverTimeForm &form);

} // namespace niruka
