#pragma once
// Rules of the velocity calculator for the flow time, without widgets. "計算" on one of its facility
// screens checks the calculator's own formula and kind, then runs the facility screen's own checks and
// section on a scratch design whose planned-runoff conditions are neutral, so the messages, their order
// and the section are exactly those of the design's facility screens, and only V is kept. The design's
// own facility and result are never touched.

#include "model/designcase.h"
#include "session/designworkflow.h"

#include <QString>
#include <optional>

namespace niruka {

// `screenGroup` of the calculator's facility screens.
enum class VelocityScreenGroup { None = 0, Pipe = 1, Ditch = 2, Circular = 3, Polygon = 4 };

VelocityScreenGroup velocityScreenGroupOf(FacilityKind kind) noexcept;

// The choices of the selection screen.
struct VelocityChoice {
    std::optional<VelocityFormula> formula;
    std::optional<FacilityKind> kind;
};

enum class VelocityFocus {
    Field,         // a field of the facility screen, by control name
    ManningOption, // "マニング公式" of the selection screen
    KindList,      // the facility list of the selection screen
};

struct VelocityRefusal {
    QString message;
    VelocityFocus focus = VelocityFocus::Field;
    QString field; // control name when focus is Field
};

struct VelocityOutcome {
    std::optional<VelocityRefusal> refusal;
    double velocity = 0.0;
    QString velocityText; // "0.00##", for the intensity screen's V field
};

VelocityOutcome calculateVelocityPipe(VelocityFacility &facility, const VelocityChoice &choice,
                                      const PipeEntries &entries);
VelocityOutcome calculateVelocityCircular(VelocityFacility &facility, const VelocityChoice &choice,
                                          const CircularEntries &entries);
VelocityOutcome calculateVelocityDitch(VelocityFacility &facility, const VelocityChoice &choice,
                                       const DitchEntries &entries);
VelocityOutcome calculateVelocityPolygon(VelocityFacility &facility, const VelocityChoice &choice,
                                         const PolygonEntries &entries);

} // namespace niruka
