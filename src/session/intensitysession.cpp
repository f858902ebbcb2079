#include "session/intensitysession.h"

#include "session/fieldtext.h"
#include "session/inflowtimerules.h"
#include "session/rivertimerules.h"
#include "session/velocitysession.h"

#include <array>

namespace niruka {

namespace {

QString *textOf(IntensityForm &f, int index)
{
    std::array<QString *, 9> t{&f.txt1, &f.txt2, &f.txt3, &f.txt4, &f.txt5,
                               &f.txt6, &f.txt7, &f.txt8, &f.txt9};
    return t[static_cast<std::size_t>(index)];
}

bool sameForm(const IntensityForm &a, const IntensityForm &b)
{
    return a.opt1 == b.opt1 && a.opt2 == b.opt2 && a.opt3 == b.opt3 && a.opt4 == b.opt4 && a.opt5 == b.opt5 &&
           a.opt6 == b.opt6 && a.txt1 == b.txt1 && a.txt2 == b.txt2 && a.txt3 == b.txt3 && a.txt4 == b.txt4 &&
           a.txt5 == b.txt5 && a.txt6 == b.txt6 && a.txt7 == b.txt7 && a.txt8 == b.txt8 && a.txt9 == b.txt9 &&
           a.Option1 == b.Option1 && a.Option2 == b.Option2 && a.Option3 == b.Option3 &&
           a.Option4 == b.Option4 && a.Option5 == b.Option5 && a.Option6 == b.Option6 &&
           a.Option7 == b.Option7 && a.Option8 == b.Option8 && (a.chk1 != 0) == (b.chk1 != 0);
}

// The fields as the screen's text fields hold them.
IntensityForm shownForm(IntensityForm f)
{
    for (int i = 0; i < 9; ++i)
        *textOf(f, i) = fieldText(*textOf(f, i));
    return f;
}

InflowTimeForm shownInflow(const InflowTimeForm &f)
{
    return InflowTimeForm{fieldText(f.txt1), fieldText(f.txt2), fieldText(f.txt3)};
}

// An exclusive pair that may show neither state: "開発後" only when "開発前" is not set.
RiverTimeForm shownRiver(const RiverTimeForm &f)
{
    return RiverTimeForm{f.opt1, f.opt2 && !f.opt1, fieldText(f.txt1), fieldText(f.txt2)};
}

bool sameRiver(const RiverTimeForm &a, const RiverTimeForm &b)
{
    return a.opt1 == b.opt1 && a.opt2 == b.opt2 && a.txt1 == b.txt1 && a.txt2 == b.txt2;
}

bool sameInflow(const InflowTimeForm &a, const InflowTimeForm &b)
{
    return a.txt1 == b.txt1 && a.txt2 == b.txt2 && a.txt3 == b.txt3;
}

struct FocusControl {
    const char *name;
    bool textField;
};

FocusControl controlOf(IntensityFocus focus)
{
    switch (focus) {
    case IntensityFocus::None:
        break;
    case IntensityFocus::Ok:
        return {"cmd1", false};
    case IntensityFocus::A:
        return {"txt1", true};
    case IntensityFocus::B:
        return {"txt2", true};
    case IntensityFocus::T1:
        return {"txt3", true};
    case IntensityFocus::L:
        return {"txt4", true};
    case IntensityFocus::V:
        return {"txt5", true};
    case IntensityFocus::C:
        return {"txt6", true};
    case IntensityFocus::D:
        return {"txt7", true};
    case IntensityFocus::T:
        return {"txt8", true};
    case IntensityFocus::T2:
        return {"txt9", true};
    case IntensityFocus::TDirect:
        return {"Option3", false};
    case IntensityFocus::AssumeV:
        return {"Option7", false};
    }
    return {nullptr, false};
}

int indexOfName(const QString &name, const QString &prefix, int count)
{
    if (!name.startsWith(prefix))
        return -1;
    bool ok = false;
    const int n = name.mid(prefix.size()).toInt(&ok);
    return ok && n >= 1 && n <= count && name == prefix + QString::number(n) ? n - 1 : -1;
}

} // namespace

IntensitySession::IntensitySession(DesignCase &design, SessionEvents &events, SessionServices &services)
    : m_design(design), m_events(events), m_services(services)
{
}

void IntensitySession::entryChanged()
{
    if (m_handBacks.entryChanged)
        m_handBacks.entryChanged();
}

void IntensitySession::changed(Parts parts)
{
    m_events.changed(parts);
}

void IntensitySession::ensure()
{
    if (m_exists)
        return;
    m_exists = true;
    m_visible = false;
    m_state = IntensityState{};
    m_inflowKept = m_inflow = InflowTimeForm{};
    m_riverKept = m_river = RiverTimeForm{};
    m_inflowExists = m_inflowVisible = m_riverExists = m_riverVisible = false;
    m_events.opened(ScreenId::Intensity);
    m_events.shown(ScreenId::Intensity, false);
}

void IntensitySession::setShown(bool shown)
{
    m_visible = shown;
    m_events.shown(ScreenId::Intensity, shown);
}

void IntensitySession::hide()
{
    if (m_exists)
        setShown(false);
}

void IntensitySession::hideVelocity()
{
    if (m_velocity)
        m_velocity->hideScreens();
}

void IntensitySession::focusOn(IntensityFocus focus, bool selectAll)
{
    const FocusControl c = controlOf(focus);
    if (!c.name)
        return;
    // Only a text field has a text to select or a caret to place.
    const FocusStyle style = !c.textField ? FocusStyle::Plain
                             : selectAll  ? FocusStyle::SelectAll
                                          : FocusStyle::CaretAtStart;
    m_events.focus(FocusRequest{Control{ScreenId::Intensity, QString::fromLatin1(c.name)}, style, false});
}

// A rule's effect: the helpers it discards, the screen redrawn from the state, then the focus. A click on an
// option is an entry change of its own: the option flips before the screen shows the state again.
void IntensitySession::apply(const IntensityEffect &effect, bool clicked)
{
    if (effect.discardInflow)
        discardInflow();
    if (effect.discardRiver)
        discardRiver();
    changed(Part::Intensity);
    if (clicked)
        entryChanged();
    if (effect.focus != IntensityFocus::None)
        focusOn(effect.focus, effect.selectAll);
}

void IntensitySession::open()
{
    ensure();
    const IntensityForm before = shownForm(m_state.form);
    const IntensityEffect effect = IntensityRules::prepareOpening(m_state);
    apply(effect, !sameForm(before, shownForm(m_state.form)));
    m_holdsChrome = true;
    setShown(true);
    m_events.focus(
        FocusRequest{Control{ScreenId::Intensity, QStringLiteral("cmd1")}, FocusStyle::Plain, false});
}

void IntensitySession::setText(int index, const QString &text)
{
    if (index < 0 || index > 8)
        return;
    QString *t = textOf(m_state.form, index);
    const QString cut = fieldText(text);
    if (*t == cut)
        return;
    *t = cut;
    changed(Part::Intensity);
    entryChanged();
}

bool IntensitySession::setText(const QString &controlName, const QString &text)
{
    const int i = indexOfName(controlName, QStringLiteral("txt"), 9);
    if (i < 0)
        return false;
    setText(i, text);
    return true;
}

void IntensitySession::chooseFormula(int formula)
{
    apply(IntensityRules::chooseFormula(m_state, formula), true);
}

void IntensitySession::chooseT1Direct()
{
    apply(IntensityRules::chooseT1Direct(m_state), true);
}

void IntensitySession::chooseT1Computed()
{
    // The option shows the state again; the inflow time screen decides t1.
    apply(IntensityEffect{}, true);
    ensureInflow();
    m_inflowVisible = true;
    m_events.shown(ScreenId::InflowTime, true);
}

void IntensitySession::chooseTDirect()
{
    apply(IntensityRules::chooseTDirect(m_state), true);
}

void IntensitySession::chooseTComputed()
{
    apply(IntensityRules::chooseTComputed(m_state), true);
}

void IntensitySession::chooseT2Direct()
{
    apply(IntensityRules::chooseT2Direct(m_state), true);
}

void IntensitySession::chooseT2Computed()
{
    apply(IntensityRules::chooseT2Computed(m_state), true);
}

void IntensitySession::chooseAssumedVelocity()
{
    apply(IntensityRules::chooseAssumedVelocity(m_state), true);
}

void IntensitySession::chooseComputedVelocity()
{
    apply(IntensityEffect{}, true);
    if (m_velocity)
        m_velocity->open();
    else if (m_handBacks.velocityRequested)
        m_handBacks.velocityRequested();
}

void IntensitySession::setRiverCourse(bool checked)
{
    apply(IntensityRules::setRiverCourse(m_state, checked), true);
}

void IntensitySession::clickInto(int index)
{
    // A click leaves the field as it is; only the rule it runs may change entries.
    const IntensityForm before = m_state.form;
    IntensityEffect effect;
    bool ran = true;
    if (index == 7 && !m_state.form.Option3)
        effect = IntensityRules::chooseTDirect(m_state);
    else if (index == 2)
        effect = IntensityRules::chooseT1Direct(m_state);
    else if (index == 8 && !m_state.form.Option5)
        effect = IntensityRules::chooseT2Direct(m_state);
    else if (index == 4)
        effect = IntensityRules::chooseAssumedVelocity(m_state);
    else
        ran = false;
    if (ran)
        apply(effect, !sameForm(shownForm(before), shownForm(m_state.form)));
}

bool IntensitySession::ok()
{
    const RiverTimeForm river = riverForm();
    std::optional<IntensityRefusal> refusal = validateIntensity(m_state, river);
    IntensityOutcome out;
    if (!refusal) {
        out = computeIntensity(m_state, river, m_design.intensity);
        refusal = out.refusal;
    }
    if (refusal) {
        showError(m_services, refusal->message);
        switch (refusal->followUp) {
        case IntensityFollowUp::SelectFormula1: {
            const IntensityForm before = shownForm(m_state.form);
            const IntensityEffect effect = IntensityRules::chooseFormula(m_state, 1);
            apply(effect, !sameForm(before, shownForm(m_state.form)));
            break;
        }
        case IntensityFollowUp::OpenRiverScreen:
            openRiver();
            break;
        case IntensityFollowUp::None:
            break;
        }
        if (refusal->focus != IntensityFocus::None)
            focusOn(refusal->focus, !refusal->caretAtStart);
        return false;
    }
    m_holdsChrome = false;
    setShown(false);
    m_events.status(intensityDoneStatusText());
    if (m_handBacks.confirmed)
        m_handBacks.confirmed(out.intensityText);
    hideVelocity();
    return true;
}

void IntensitySession::cancel()
{
    m_holdsChrome = false;
    setShown(false);
    m_events.status(intensityDoneStatusText());
    // The velocity calculator belongs to this screen and goes with it.
    hideVelocity();
    if (m_handBacks.cancelled)
        m_handBacks.cancelled();
}

void IntensitySession::acceptVelocity(const QString &velocityText)
{
    const IntensityForm before = shownForm(m_state.form);
    IntensityRules::acceptVelocity(m_state, velocityText);
    changed(Part::Intensity);
    if (m_exists && !sameForm(before, shownForm(m_state.form)))
        entryChanged();
}

void IntensitySession::discard()
{
    const bool gaveBack = holdsChrome();
    m_holdsChrome = false;
    if (m_exists) {
        if (m_inflowExists)
            m_events.closed(ScreenId::InflowTime);
        if (m_riverExists)
            m_events.closed(ScreenId::RiverTime);
        m_exists = m_visible = false;
        m_state = IntensityState{};
        m_inflowKept = m_inflow = InflowTimeForm{};
        m_riverKept = m_river = RiverTimeForm{};
        m_inflowExists = m_inflowVisible = m_riverExists = m_riverVisible = false;
        m_events.closed(ScreenId::Intensity);
    }
    hideVelocity();
    if (gaveBack) {
        hideVelocity();
        if (m_handBacks.cancelled)
            m_handBacks.cancelled();
    }
}

void IntensitySession::setForm(const IntensityForm &form)
{
    ensure();
    const IntensityForm before = shownForm(m_state.form);
    m_state.form = form;
    // What opening would show, then what a restored screen shows instead; no helper is discarded.
    IntensityRules::prepareOpening(m_state);
    const bool computedT2 = form.Option4 && form.Option6;
    m_state.velocityVisible = computedT2 && form.chk1 == 0;
    m_state.lengthVisible = computedT2 && form.chk1 == 0;
    m_state.figureVisible = form.chk1 == 0;
    m_state.sourceVisible = form.chk1 != 0;
    m_state.riverButtonVisible = form.chk1 != 0;
    m_state.tFramed = form.Option3;
    m_state.t1Framed = !form.Option2;
    m_state.t2Framed = form.Option5;
    m_state.vFramed = !form.Option8;
    changed(Part::Intensity);
    if (!sameForm(before, shownForm(m_state.form)))
        entryChanged();
}

QString IntensitySession::calculate()
{
    const IntensityOutcome out = computeIntensity(m_state, riverForm(), m_design.intensity);
    return out.refusal ? QString() : out.intensityText;
}

void IntensitySession::restore(const IntensityForm &form, const RiverTimeForm &river,
                               const KeptInflowNumbers &kept, const InflowTimeForm &inflow)
{
    setForm(form);
    setRiverForm(river);
    calculate();
    m_design.intensity.slopeLength = kept.slopeLength;
    m_design.intensity.slopeGradient = kept.slopeGradient;
    m_design.intensity.retardance = kept.retardance;
    setInflowForm(inflow);
    hide();
}

void IntensitySession::ensureInflow()
{
    if (m_inflowExists)
        return;
    m_inflowExists = true;
    m_inflowVisible = false;
    m_inflow = shownInflow(m_inflowKept);
    m_events.opened(ScreenId::InflowTime);
}

InflowTimeForm IntensitySession::inflowForm() const
{
    return m_inflowExists ? m_inflow : m_inflowKept;
}

void IntensitySession::setInflowForm(const InflowTimeForm &form)
{
    m_inflowKept = form;
    if (m_inflowExists) {
        const InflowTimeForm shown = shownInflow(form);
        const bool differs = !sameInflow(shown, m_inflow);
        m_inflow = shown;
        changed(Part::InflowTime);
        if (differs)
            entryChanged();
    }
}

void IntensitySession::setInflowText(int index, const QString &text)
{
    if (!m_inflowExists || index < 0 || index > 2)
        return;
    QString *t = index == 0 ? &m_inflow.txt1 : index == 1 ? &m_inflow.txt2 : &m_inflow.txt3;
    const QString cut = fieldText(text);
    if (*t == cut)
        return;
    *t = cut;
    changed(Part::InflowTime);
    entryChanged();
}

bool IntensitySession::setInflowText(const QString &controlName, const QString &text)
{
    const int i = indexOfName(controlName, QStringLiteral("txt"), 3);
    if (i < 0)
        return false;
    setInflowText(i, text);
    return true;
}

bool IntensitySession::inflowOk()
{
    if (!m_inflowExists)
        return false;
    const InflowOutcome out = computeInflowTimeScreen(m_inflow);
    if (out.refusal) {
        showError(m_services, out.refusal->message);
        const char *field = out.refusal->field == InflowField::SlopeLength     ? "txt1"
                            : out.refusal->field == InflowField::SlopeGradient ? "txt2"
                                                                               : "txt3";
        m_events.focus(FocusRequest{Control{ScreenId::InflowTime, QString::fromLatin1(field)},
                                    FocusStyle::CaretAtStart, false});
        return false;
    }
    IntensityInputs &in = m_design.intensity;
    in.slopeLength = out.slopeLength;
    in.slopeGradient = out.slopeGradient;
    in.retardance = out.retardance;
    in.inflowTime = out.inflowTime;
    m_inflowVisible = false;
    m_events.shown(ScreenId::InflowTime, false);
    m_inflowKept = m_inflow;
    const IntensityForm before = shownForm(m_state.form);
    IntensityRules::acceptInflowTime(m_state, out.inflowTimeText);
    changed(Part::Intensity);
    if (!sameForm(before, shownForm(m_state.form)))
        entryChanged();
    return true;
}

void IntensitySession::inflowCancel()
{
    if (!m_inflowExists)
        return;
    m_inflowVisible = false;
    m_events.shown(ScreenId::InflowTime, false);
    discardInflow();
}

void IntensitySession::discardInflow()
{
    m_inflowKept = InflowTimeForm{};
    if (m_inflowExists) {
        m_inflowExists = m_inflowVisible = false;
        m_inflow = InflowTimeForm{};
        m_events.closed(ScreenId::InflowTime);
    }
}

RiverTimeForm IntensitySession::riverForm() const
{
    return m_riverExists ? m_river : m_riverKept;
}

void IntensitySession::setRiverForm(const RiverTimeForm &form)
{
    m_riverKept = form;
    if (m_riverExists) {
        const RiverTimeForm shown = shownRiver(form);
        const bool differs = !sameRiver(shown, m_river);
        m_river = shown;
        changed(Part::RiverTime);
        if (differs)
            entryChanged();
    }
}

void IntensitySession::ensureRiver()
{
    if (m_riverExists)
        return;
    m_riverExists = true;
    m_riverVisible = false;
    m_river = shownRiver(m_riverKept);
    m_events.opened(ScreenId::RiverTime);
}

void IntensitySession::openRiver()
{
    ensureRiver();
    m_riverVisible = true;
    m_events.shown(ScreenId::RiverTime, true);
}

void IntensitySession::chooseRiverStage(bool beforeDevelopment)
{
    if (!m_riverExists)
        return;
    const RiverTimeForm before = m_river;
    m_river.opt1 = beforeDevelopment;
    m_river.opt2 = !beforeDevelopment;
    changed(Part::RiverTime);
    if (!sameRiver(before, m_river))
        entryChanged();
}

void IntensitySession::setRiverText(int index, const QString &text)
{
    if (!m_riverExists || index < 0 || index > 1)
        return;
    QString *t = index == 0 ? &m_river.txt1 : &m_river.txt2;
    const QString cut = fieldText(text);
    if (*t == cut)
        return;
    *t = cut;
    changed(Part::RiverTime);
    entryChanged();
}

bool IntensitySession::setRiverText(const QString &controlName, const QString &text)
{
    const int i = indexOfName(controlName, QStringLiteral("txt"), 2);
    if (i < 0)
        return false;
    setRiverText(i, text);
    return true;
}

bool IntensitySession::riverOk()
{
    if (!m_riverExists)
        return false;
    if (const std::optional<RiverRefusal> r = validateRiverTime(m_river)) {
        showError(m_services, r->message);
        const char *name = r->field == RiverField::BeforeOption ? "opt1"
                           : r->field == RiverField::Length     ? "txt1"
                                                                : "txt2";
        const FocusStyle style =
            r->field == RiverField::BeforeOption ? FocusStyle::Plain : FocusStyle::CaretAtStart;
        m_events.focus(FocusRequest{Control{ScreenId::RiverTime, QString::fromLatin1(name)}, style, false});
        return false;
    }
    m_riverVisible = false;
    m_events.shown(ScreenId::RiverTime, false);
    m_riverKept = m_river;
    return true;
}

void IntensitySession::riverCancel()
{
    if (!m_riverExists)
        return;
    m_riverVisible = false;
    m_events.shown(ScreenId::RiverTime, false);
    discardRiver();
    const IntensityForm before = shownForm(m_state.form);
    const IntensityEffect effect = IntensityRules::riverCancelled(m_state);
    apply(effect, !sameForm(before, shownForm(m_state.form)));
}

void IntensitySession::discardRiver()
{
    m_riverKept = RiverTimeForm{};
    if (m_riverExists) {
        m_riverExists = m_riverVisible = false;
        m_river = RiverTimeForm{};
        m_events.closed(ScreenId::RiverTime);
    }
}

} // namespace niruka
