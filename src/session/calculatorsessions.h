#pragma once
// The three calculators of the conditions screen together, as the owner of the open design holds them: the
// runoff, intensity and velocity sessions wired to each other, their part of the project file (collected
// and restored in the file's order) and what the design's check derives its calculators' values from.

#include "docs/projectfile.h"
#include "docs/projectrecord.h"
#include "session/designcheck.h"
#include "session/intensitysession.h"
#include "session/runoffsession.h"
#include "session/velocitysession.h"

namespace niruka {

// What the design's check derives from (session/designcheck.h): the intensity state and the river form
// when the intensity screen exists, the runoff rows when the runoff screen exists, and the velocity
// calculator's facility screen. The pointers refer into the sessions and live as long as they do.
CalculatorEntries calculatorEntriesOf(const RunoffSession &runoff, const IntensitySession &intensity,
                                      const VelocitySession &velocity);

class CalculatorSessions {
public:
    // The intensity and velocity sessions are connected to each other.
    CalculatorSessions(DesignCase &design, SessionEvents &events, SessionServices &services);
    CalculatorSessions(const CalculatorSessions &) = delete;
    CalculatorSessions &operator=(const CalculatorSessions &) = delete;

    RunoffSession &runoff() noexcept { return m_runoff; }
    IntensitySession &intensity() noexcept { return m_intensity; }
    VelocitySession &velocity() noexcept { return m_velocity; }
    const RunoffSession &runoff() const noexcept { return m_runoff; }
    const IntensitySession &intensity() const noexcept { return m_intensity; }
    const VelocitySession &velocity() const noexcept { return m_velocity; }

    CalculatorEntries entries() const { return calculatorEntriesOf(m_runoff, m_intensity, m_velocity); }

    // The calculators' part of the record: the intensity, river and inflow forms of an existing intensity
    // screen, the kept inflow-time numbers from the design, the runoff form of an existing runoff screen and
    // the velocity calculator's forms.
    void collect(ProjectRecord &record) const;
    // After the conditions and the facility are restored: the intensity calculator (its I not handed back),
    // the runoff calculator (C and A handed back through its `restored` hand-back) and the velocity
    // calculator with its set-up step, each only when the file held its section; every screen hidden.
    void restore(const ProjectRecord &record, const ProjectReadResult &read);
    // Closing the design: the intensity and runoff screens unloaded, the velocity calculator reset.
    void discardAll();

private:
    DesignCase &m_design;
    RunoffSession m_runoff;
    IntensitySession m_intensity;
    VelocitySession m_velocity;
};

} // namespace niruka
