#pragma once
// Rules of the inflow time screen (overland flow on grassland, woodland and similar slopes): the three
// checks of "ＯＫ" and t1 handed back to the intensity screen as it shows it ("0.0#").

#include "docs/projectrecord.h"

#include <QString>
#include <optional>

namespace niruka {

enum class InflowField { SlopeLength, SlopeGradient, Retardance };

struct InflowRefusal {
    QString message;
    InflowField field = InflowField::SlopeLength;
};

struct InflowOutcome {
    std::optional<InflowRefusal> refusal;
    double slopeLength = 0.0, slopeGradient = 0.0, retardance = 0.0; // as read
    double inflowTime = 0.0;                                         // t1 (min), unrounded
    QString inflowTimeText;                                          // "0.0#"
};

// Validates and computes; refuses also where the formula has no defined value.
InflowOutcome computeInflowTimeScreen(const InflowTimeForm &form);

} // namespace niruka
