#include "session/calculatorsessions.h"

namespace niruka {

CalculatorEntries calculatorEntriesOf(const RunoffSession &runoff, const IntensitySession &intensity,
                                      const VelocitySession &velocity)
{
    CalculatorEntries e;
    if (intensity.exists()) {
        e.intensity = &intensity.state();
        e.river = intensity.riverForm();
    }
    if (runoff.exists())
        e.runoff = &runoff.rows();
    e.velocity = [&velocity](VelocityFacility &facility) { return velocity.computeInto(facility); };
    return e;
}

CalculatorSessions::CalculatorSessions(DesignCase &design, SessionEvents &events, SessionServices &services)
    : m_design(design), m_runoff(design, events, services), m_intensity(design, events, services),
      m_velocity(design, events, services)
{
    m_velocity.connectIntensity(m_intensity);
}

void CalculatorSessions::collect(ProjectRecord &record) const
{
    if (m_intensity.exists()) {
        record.intensity = m_intensity.form();
        record.river = m_intensity.riverForm();
        record.inflow = m_intensity.inflowForm();
    }
    const IntensityInputs &in = m_design.intensity;
    record.kept = KeptInflowNumbers{in.slopeLength, in.slopeGradient, in.retardance};
    if (m_runoff.exists())
        record.runoff = m_runoff.form();
    record.velocity = m_velocity.forms();
}

void CalculatorSessions::restore(const ProjectRecord &record, const ProjectReadResult &read)
{
    if (read.intensityRead)
        m_intensity.restore(record.intensity, record.river, record.kept, record.inflow);
    if (read.runoffRead)
        m_runoff.restore(record.runoff);
    if (read.velocityRead) {
        m_velocity.setForms(record.velocity);
        m_velocity.recompute();
    }
}

void CalculatorSessions::discardAll()
{
    m_intensity.discard();
    m_runoff.discard();
    m_velocity.reset();
}

} // namespace niruka
