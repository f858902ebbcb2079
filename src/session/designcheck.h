#pragma once
// One check of the whole design as the screens now hold it. The facility screen's "計算" rules give the
// conditions, the section and the capacity check; the values the calculators derive (the rainfall
// intensity with its time of concentration, the weighted runoff coefficient and the calculator's velocity
// for the flow time) are then derived again from those calculators' entries, exactly as opening a project
// file derives them. Everything starts from a design at its defaults, so no value of an earlier check or an
// earlier design can reach the report, and a refusal leaves the open design untouched.

#include "model/designcase.h"
#include "session/designworkflow.h"
#include "session/intensityrules.h"
#include "session/runoffrules.h"
#include "session/velocityrules.h"

#include <functional>
#include <optional>

namespace niruka {

// What the calculators hold at the moment of the check. A missing calculator counts as one with empty
// entries.
struct CalculatorEntries {
    const IntensityState *intensity = nullptr; // the intensity screen, when it exists
    RiverTimeForm river;
    const RunoffRows *runoff = nullptr; // the runoff screen's rows, when it exists
    // The velocity calculator's facility screen of `screenGroup`, computed into the record given.
    std::function<VelocityOutcome(VelocityFacility &)> velocity;
};

// How strict the check is about values handed from one screen to another.
enum class CheckMode {
    // Opening a project file: the calculators' sections must give defined values.
    Restore,
    // "計算" on a facility screen: moreover C, A and I must be the values the calculators hand back now,
    // and the intensity screen's V the velocity the calculator gives now, so the report never prints a
    // derivation that does not lead to the value it checks.
    Calculate,
};

// A design at its defaults that keeps what outlives a design: the three numbers the inflow-time
// calculation keeps, whether the conditions screen is open, and which velocity facility screen was
// opened last.
DesignCase designKeepingLifetimeValues(const DesignCase &current);

// Derives the calculators' values into `design` (whose conditions the facility rules have just copied).
// A calculator whose value the conditions screen does not take leaves its part at the defaults.
std::optional<Refusal> deriveCalculatorValues(DesignCase &design, const ConditionsEntries &conditions,
                                              const CalculatorEntries &calculators, CheckMode mode);

// Messages of a value that no longer agrees with what its calculator gives.
QString intensityDisagreesText();
QString runoffDisagreesText();
QString velocityDisagreesText();

} // namespace niruka
