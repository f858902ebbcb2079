#include "session/runoffsession.h"

#include "session/fieldtext.h"

namespace niruka {

namespace {

int boxOf(const RunoffForm &f, int i)
{
    const auto k = static_cast<std::size_t>(i);
    return i < 8 ? f.chk_k[k] : i < 15 ? f.chk_t[k - 8] : f.chk_u[k - 15];
}

} // namespace

QString runoffControlName(int row, RunoffField field)
{
    const char *prefix = field == RunoffField::Name    ? "txt_t"
                         : field == RunoffField::Coeff ? "txt_c"
                                                       : "txt_a";
    return QString::fromLatin1(prefix) + QString::number(row + 1);
}

RunoffSession::RunoffSession(DesignCase &design, SessionEvents &events, SessionServices &services)
    : m_design(design), m_events(events), m_services(services)
{
}

RunoffForm RunoffSession::form() const
{
    RunoffForm f;
    for (int i = 0; i < kLandUseChoiceCount; ++i) {
        const int v = m_checked[static_cast<std::size_t>(i)] ? 1 : 0;
        const auto k = static_cast<std::size_t>(i);
        if (i < 8)
            f.chk_k[k] = v;
        else if (i < 15)
            f.chk_t[k - 8] = v;
        else
            f.chk_u[k - 15] = v;
    }
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        f.txt_t[i] = m_rows[i].name;
        f.txt_c[i] = m_rows[i].coeff;
        f.txt_a[i] = m_rows[i].area;
    }
    return f;
}

bool RunoffSession::isChecked(int choice) const
{
    return choice >= 0 && choice < kLandUseChoiceCount && m_checked[static_cast<std::size_t>(choice)];
}

QString RunoffSession::text(int row, RunoffField field) const
{
    if (row < 0 || row >= kRunoffRowCount)
        return {};
    const RunoffRowTexts &r = m_rows[static_cast<std::size_t>(row)];
    return field == RunoffField::Name ? r.name : field == RunoffField::Coeff ? r.coeff : r.area;
}

QString *RunoffSession::fieldOf(int row, RunoffField field)
{
    RunoffRowTexts &r = m_rows[static_cast<std::size_t>(row)];
    return field == RunoffField::Name ? &r.name : field == RunoffField::Coeff ? &r.coeff : &r.area;
}

void RunoffSession::entryChanged()
{
    m_events.changed(Part::Runoff);
    if (m_handBacks.entryChanged)
        m_handBacks.entryChanged();
}

void RunoffSession::ensure()
{
    if (m_exists)
        return;
    m_exists = true;
    m_visible = false;
    m_checked = {};
    m_rows = {};
    m_events.opened(ScreenId::Runoff);
    m_events.shown(ScreenId::Runoff, false);
}

void RunoffSession::open()
{
    ensure();
    m_visible = true;
    m_events.shown(ScreenId::Runoff, true);
}

void RunoffSession::toggle(int choice, bool checked)
{
    if (choice < 0 || choice >= kLandUseChoiceCount)
        return;
    bool &box = m_checked[static_cast<std::size_t>(choice)];
    if (box == checked)
        return;
    box = checked;
    RunoffRows r = m_rows;
    if (toggleLandUse(r, landUseChoices()[static_cast<std::size_t>(choice)].rowText, checked))
        setRows(r);
    entryChanged();
}

void RunoffSession::setRows(const RunoffRows &rows)
{
    for (std::size_t i = 0; i < rows.size(); ++i) {
        m_rows[i].name = fieldText(rows[i].name);
        m_rows[i].coeff = fieldText(rows[i].coeff);
        m_rows[i].area = fieldText(rows[i].area);
    }
}

void RunoffSession::setText(int row, RunoffField field, const QString &text)
{
    if (row < 0 || row >= kRunoffRowCount)
        return;
    QString *f = fieldOf(row, field);
    const QString cut = fieldText(text);
    if (*f == cut)
        return;
    *f = cut;
    entryChanged();
}

bool RunoffSession::setText(const QString &controlName, const QString &text)
{
    for (int row = 0; row < kRunoffRowCount; ++row) {
        for (RunoffField field : {RunoffField::Name, RunoffField::Coeff, RunoffField::Area}) {
            if (runoffControlName(row, field) == controlName) {
                setText(row, field, text);
                return true;
            }
        }
    }
    return false;
}

RunoffOutcome RunoffSession::calculate()
{
    // Ryusyutu_1: the rows go into the design before anything is checked.
    const RunoffNumbers n = readRunoffNumbers(m_rows);
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        m_design.landUseRows[i] = LandUseRow{m_rows[i].name, n.coeff[i], n.area[i]};
    // Ryusyutu_2
    RunoffOutcome out = confirmRunoff(m_rows);
    if (!out.refusal) {
        m_design.runoffCoeff = out.coeff;
        m_design.catchmentArea = out.area;
        m_design.runoffMode = RunoffMode::WeightedAverage;
    }
    return out;
}

bool RunoffSession::ok()
{
    const RunoffOutcome out = calculate();
    if (out.refusal) {
        showError(m_services, out.refusal->message);
        m_events.focus(
            FocusRequest{Control{ScreenId::Runoff, runoffControlName(out.refusal->row, out.refusal->field)},
                         FocusStyle::SelectAll, false});
        return false;
    }
    m_visible = false;
    m_events.shown(ScreenId::Runoff, false);
    m_events.status(runoffConfirmStatusText());
    if (m_handBacks.confirmed)
        m_handBacks.confirmed(out.coeffText, out.areaText);
    return true;
}

void RunoffSession::cancel()
{
    m_visible = false;
    m_events.shown(ScreenId::Runoff, false);
    m_events.status(runoffCancelStatusText());
    if (m_handBacks.cancelled)
        m_handBacks.cancelled();
}

void RunoffSession::discard()
{
    const bool shown = visible();
    if (m_exists) {
        m_exists = false;
        m_visible = false;
        m_checked = {};
        m_rows = {};
        m_events.closed(ScreenId::Runoff);
    }
    if (shown && m_handBacks.cancelled)
        m_handBacks.cancelled();
}

void RunoffSession::clear()
{
    bool had = m_checked != std::array<bool, kLandUseChoiceCount>{};
    for (const RunoffRowTexts &r : m_rows)
        had = had || !r.name.isEmpty() || !r.coeff.isEmpty() || !r.area.isEmpty();
    m_checked = {};
    m_rows = {};
    if (had)
        entryChanged();
}

void RunoffSession::setForm(const RunoffForm &f)
{
    ensure();
    for (int i = 0; i < kLandUseChoiceCount; ++i)
        toggle(i, boxOf(f, i) != 0);
    RunoffRows r;
    for (std::size_t i = 0; i < r.size(); ++i)
        r[i] = RunoffRowTexts{f.txt_t[i], f.txt_c[i], f.txt_a[i]};
    const RunoffRows before = m_rows;
    setRows(r);
    bool differs = false;
    for (std::size_t i = 0; i < r.size(); ++i)
        differs = differs || before[i].name != m_rows[i].name || before[i].coeff != m_rows[i].coeff ||
                  before[i].area != m_rows[i].area;
    if (differs)
        entryChanged();
}

RunoffOutcome RunoffSession::restore(const RunoffForm &form)
{
    setForm(form);
    const RunoffOutcome out = calculate();
    if (!out.refusal && m_handBacks.restored)
        m_handBacks.restored(out.coeffText, out.areaText);
    m_visible = false;
    m_events.shown(ScreenId::Runoff, false);
    return out;
}

} // namespace niruka
