#include "session/velocitysession.h"

#include "engine/catalogue.h"
#include "engine/filloption.h"
#include "model/numbertext.h"
#include "session/facilityforms.h"
#include "session/fieldtext.h"
#include "session/intensityrules.h"
#include "session/intensitysession.h"

namespace niruka {

namespace {

QStringList linesOf(const std::vector<std::string> &lines)
{
    QStringList out;
    out.reserve(static_cast<qsizetype>(lines.size()));
    for (const std::string &l : lines)
        out << QString::fromStdString(l);
    return out;
}

// A list or combo box told to show a row outside its rows shows none.
int rowWithin(int row, qsizetype count)
{
    return row >= 0 && row < count ? row : -1;
}

// "txt" + 1 … count; −1 for another name.
int numberedIndex(const QString &name, const QString &prefix, int count)
{
    if (!name.startsWith(prefix))
        return -1;
    bool ok = false;
    const int n = name.mid(prefix.size()).toInt(&ok);
    return ok && n >= 1 && n <= count && name == prefix + QString::number(n) ? n - 1 : -1;
}

bool setField(QString &field, const QString &text)
{
    const QString cut = fieldText(text);
    if (field == cut)
        return false;
    field = cut;
    return true;
}

QString *circularField(CircularForm &f, const QString &name)
{
    if (name == QLatin1String("txt_m"))
        return &f.txt_m;
    switch (numberedIndex(name, QStringLiteral("txt"), 3)) {
    case 0:
        return &f.txt1;
    case 1:
        return &f.txt2;
    case 2:
        return &f.txt3;
    default:
        return nullptr;
    }
}

QString *ditchField(DitchForm &f, const QString &name)
{
    if (name == QLatin1String("txt_m"))
        return &f.txt_m;
    std::array<QString *, 6> t{&f.txt1, &f.txt2, &f.txt3, &f.txt4, &f.txt5, &f.txt6};
    const int i = numberedIndex(name, QStringLiteral("txt"), 6);
    return i < 0 ? nullptr : t[static_cast<std::size_t>(i)];
}

QString *polygonField(PolygonForm &f, const QString &name)
{
    if (name == QLatin1String("txt_m"))
        return &f.txt_m;
    std::array<QString *, 5> t{&f.txt1, &f.txt2, &f.txt3, &f.txt4, &f.txt5};
    if (const int i = numberedIndex(name, QStringLiteral("txt"), 5); i >= 0)
        return t[static_cast<std::size_t>(i)];
    if (const int i = numberedIndex(name, QStringLiteral("txt_x"), 8); i >= 0)
        return &f.txt_x[static_cast<std::size_t>(i)];
    if (const int i = numberedIndex(name, QStringLiteral("txt_y"), 8); i >= 0)
        return &f.txt_y[static_cast<std::size_t>(i)];
    return nullptr;
}

bool isFacilityScreen(ScreenId s)
{
    return s == ScreenId::VelocityPipe || s == ScreenId::VelocityDitch || s == ScreenId::VelocityCircular ||
           s == ScreenId::VelocityPolygon;
}

VelocityRefusal noKindRefusal()
{
    return VelocityRefusal{QStringLiteral("施設の種類を選択してください。"), VelocityFocus::KindList, {}};
}

} // namespace

VelocitySession::VelocitySession(DesignCase &design, SessionEvents &events, SessionServices &services)
    : m_design(design), m_events(events), m_services(services)
{
}

void VelocitySession::connectIntensity(IntensitySession &intensity)
{
    m_intensity = &intensity;
    intensity.setVelocity(this);
}

bool &VelocitySession::existsFlag(ScreenId screen)
{
    switch (screen) {
    case ScreenId::VelocitySelect:
        return m_selectExists;
    case ScreenId::VelocityPipe:
        return m_pipeExists;
    case ScreenId::VelocityDitch:
        return m_ditchExists;
    case ScreenId::VelocityCircular:
        return m_circularExists;
    case ScreenId::VelocityPolygon:
        return m_polygonExists;
    default:
        m_none = false;
        return m_none;
    }
}

bool &VelocitySession::visibleFlag(ScreenId screen)
{
    switch (screen) {
    case ScreenId::VelocitySelect:
        return m_selectVisible;
    case ScreenId::VelocityPipe:
        return m_pipeVisible;
    case ScreenId::VelocityDitch:
        return m_ditchVisible;
    case ScreenId::VelocityCircular:
        return m_circularVisible;
    case ScreenId::VelocityPolygon:
        return m_polygonVisible;
    default:
        m_none = false;
        return m_none;
    }
}

bool VelocitySession::exists(ScreenId screen) const
{
    return const_cast<VelocitySession *>(this)->existsFlag(screen);
}

bool VelocitySession::visible(ScreenId screen) const
{
    auto *self = const_cast<VelocitySession *>(this);
    return self->existsFlag(screen) && self->visibleFlag(screen);
}

ScreenId VelocitySession::screenOfGroup(int group) const
{
    ScreenId s = ScreenId::Conditions;
    switch (static_cast<VelocityScreenGroup>(group)) {
    case VelocityScreenGroup::Pipe:
        s = ScreenId::VelocityPipe;
        break;
    case VelocityScreenGroup::Ditch:
        s = ScreenId::VelocityDitch;
        break;
    case VelocityScreenGroup::Circular:
        s = ScreenId::VelocityCircular;
        break;
    case VelocityScreenGroup::Polygon:
        s = ScreenId::VelocityPolygon;
        break;
    case VelocityScreenGroup::None:
        break;
    }
    return exists(s) ? s : ScreenId::Conditions;
}

int VelocitySession::kindRow() const
{
    return m_selectExists && m_select.selected ? m_select.currentRow : -1;
}

VelocityChoice VelocitySession::choice() const
{
    VelocityChoice c;
    if (!m_selectExists)
        return c;
    if (m_select.manning)
        c.formula = VelocityFormula::Manning;
    else if (m_select.kutter)
        c.formula = VelocityFormula::Kutter;
    const int row = kindRow();
    if (row >= 0 && row < kFacilityKindCount)
        c.kind = static_cast<FacilityKind>(row);
    return c;
}

QString VelocitySession::pipeTitle() const
{
    return QString::fromStdString(facilityTitle(m_pipeKind));
}

QString VelocitySession::pipeDepthCaption() const
{
    const std::optional<SeriesId> id = PipeCatalogue::seriesOf(m_pipeKind);
    return id ? QString::fromStdString(PipeCatalogue::series(*id).depthListCaption) : QString();
}

void VelocitySession::entryChanged()
{
    m_events.changed(Part::Velocity);
    if (m_entryChanged)
        m_entryChanged();
}

void VelocitySession::create(ScreenId screen)
{
    existsFlag(screen) = true;
    visibleFlag(screen) = false;
    switch (screen) {
    case ScreenId::VelocitySelect:
        m_select = VelocitySelectForm{};
        break;
    case ScreenId::VelocityPipe:
        m_pipe = PipeForm{};
        fillPipeSeries(FacilityKind::VpPipe);
        break;
    case ScreenId::VelocityDitch:
        m_ditch = DitchForm{};
        m_ditch.cbo1 = kTroughFillDefaultPosition;
        break;
    case ScreenId::VelocityCircular:
        m_circular = CircularForm{};
        m_circular.cbo1 = kCircularFillDefaultPosition;
        break;
    case ScreenId::VelocityPolygon:
        m_polygon = PolygonForm{};
        // The first vertex starts at the origin.
        m_polygon.txt_x[0] = QStringLiteral(" 0");
        m_polygon.txt_y[0] = QStringLiteral(" 0");
        m_sketch.clear();
        m_instructionVisible = true;
        break;
    default:
        break;
    }
    m_events.opened(screen);
}

void VelocitySession::show(ScreenId screen)
{
    if (!existsFlag(screen))
        return;
    visibleFlag(screen) = true;
    m_events.shown(screen, true);
}

void VelocitySession::hide(ScreenId screen)
{
    if (!existsFlag(screen))
        return;
    visibleFlag(screen) = false;
    m_events.shown(screen, false);
}

void VelocitySession::unload(ScreenId screen)
{
    if (!existsFlag(screen))
        return;
    existsFlag(screen) = false;
    visibleFlag(screen) = false;
    m_events.closed(screen);
}

// Title, depth caption, sizes (the first current), default roughness, empty gradient and the depth list
// with its default.
void VelocitySession::fillPipeSeries(FacilityKind kind)
{
    m_pipeKind = kind;
    const std::optional<SeriesId> id = PipeCatalogue::seriesOf(kind);
    if (!id)
        return;
    const PipeSeries &series = PipeCatalogue::series(*id);
    m_pipeSizes.clear();
    for (const PipeSize &s : series.sizes)
        m_pipeSizes << QString::fromStdString(s.listText);
    m_pipe.lst_pu = rowWithin(0, m_pipeSizes.size());
    m_pipe.txt2 = QString::fromStdString(series.defaultRoughnessText);
    m_pipe.txt1.clear();
    if (series.id == SeriesId::UTrough) {
        m_pipeDepthLines = linesOf(troughFillList());
        m_pipe.cbo1 = rowWithin(kTroughFillDefaultPosition, m_pipeDepthLines.size());
    } else {
        m_pipeDepthLines = linesOf(circularFillList());
        m_pipe.cbo1 = rowWithin(kCircularFillDefaultPosition, m_pipeDepthLines.size());
    }
}

void VelocitySession::ensureSelect()
{
    if (m_selectExists)
        return;
    create(ScreenId::VelocitySelect);
    show(ScreenId::VelocitySelect);
    chooseKind(0);
}

void VelocitySession::open()
{
    const bool existed = m_selectExists;
    ensureSelect();
    if (existed)
        show(ScreenId::VelocitySelect);
    const ScreenId s = screenOfGroup(m_design.velocityFacility.screenGroup);
    if (s != ScreenId::Conditions)
        show(s);
    m_events.status(QString());
}

void VelocitySession::chooseKind(int row)
{
    if (!m_selectExists)
        return;
    if (row == m_select.currentRow) {
        m_select.selected = m_select.currentRow >= 0;
        runKindChoice(row);
        return;
    }
    setKindRow(row);
}

void VelocitySession::setKindRow(int row)
{
    if (!m_selectExists)
        return;
    const int current = rowWithin(row, kFacilityKindCount);
    const bool wasSelected = m_select.selected;
    m_select.selected = current >= 0;
    if (current == m_select.currentRow) {
        if (wasSelected != m_select.selected)
            entryChanged();
        return;
    }
    m_select.currentRow = current;
    entryChanged();
    if (current >= 0)
        runKindChoice(current);
}

void VelocitySession::setKindSelected(bool selected)
{
    if (!m_selectExists)
        return;
    const bool now = selected && m_select.currentRow >= 0;
    if (now == m_select.selected)
        return;
    m_select.selected = now;
    entryChanged();
}

void VelocitySession::clickKind(int row)
{
    if (m_selectExists && row >= 0 && row == m_select.currentRow)
        runKindChoice(row);
}

// The other facility screens close; the one of the kind opens beside the selection screen (a pipe series
// is filled again).
void VelocitySession::runKindChoice(int row)
{
    if (row < 0 || row > 7)
        return;
    const auto kind = static_cast<FacilityKind>(row);
    const VelocityScreenGroup group = velocityScreenGroupOf(kind);
    if (group != VelocityScreenGroup::Pipe)
        unload(ScreenId::VelocityPipe);
    if (group != VelocityScreenGroup::Ditch)
        unload(ScreenId::VelocityDitch);
    if (group != VelocityScreenGroup::Circular)
        unload(ScreenId::VelocityCircular);
    if (group != VelocityScreenGroup::Polygon)
        unload(ScreenId::VelocityPolygon);
    ScreenId screen = ScreenId::Conditions;
    switch (group) {
    case VelocityScreenGroup::Pipe:
        screen = ScreenId::VelocityPipe;
        if (!m_pipeExists) {
            create(screen);
            fillPipeSeries(kind);
        } else {
            fillPipeSeries(kind);
            entryChanged();
        }
        break;
    case VelocityScreenGroup::Ditch:
        screen = ScreenId::VelocityDitch;
        break;
    case VelocityScreenGroup::Circular:
        screen = ScreenId::VelocityCircular;
        break;
    case VelocityScreenGroup::Polygon:
        screen = ScreenId::VelocityPolygon;
        break;
    case VelocityScreenGroup::None:
        return;
    }
    if (!existsFlag(screen))
        create(screen);
    m_design.velocityFacility.screenGroup = static_cast<int>(group);
    m_events.changed(Part::Velocity);
    show(screen);
}

void VelocitySession::setFormula(bool manning, bool kutter)
{
    if (!m_selectExists)
        return;
    const VelocitySelectForm before = m_select;
    m_select.manning = manning;
    m_select.kutter = kutter && !manning;
    if (before.manning != m_select.manning || before.kutter != m_select.kutter)
        entryChanged();
}

void VelocitySession::chooseFormula(VelocityFormula formula)
{
    setFormula(formula == VelocityFormula::Manning, formula == VelocityFormula::Kutter);
}

QString *VelocitySession::textField(ScreenId screen, const QString &control)
{
    if (!isFacilityScreen(screen) || !existsFlag(screen))
        return nullptr;
    switch (screen) {
    case ScreenId::VelocityPipe:
        return control == QLatin1String("txt1")   ? &m_pipe.txt1
               : control == QLatin1String("txt2") ? &m_pipe.txt2
                                                  : nullptr;
    case ScreenId::VelocityDitch:
        return ditchField(m_ditch, control);
    case ScreenId::VelocityCircular:
        return circularField(m_circular, control);
    case ScreenId::VelocityPolygon:
        return polygonField(m_polygon, control);
    default:
        return nullptr;
    }
}

int *VelocitySession::rowField(ScreenId screen, const QString &control, qsizetype *count)
{
    if (!isFacilityScreen(screen) || !existsFlag(screen))
        return nullptr;
    if (screen == ScreenId::VelocityPipe && control == QLatin1String("lst_pu")) {
        *count = m_pipeSizes.size();
        return &m_pipe.lst_pu;
    }
    if (control != QLatin1String("cbo1"))
        return nullptr;
    switch (screen) {
    case ScreenId::VelocityPipe:
        *count = m_pipeDepthLines.size();
        return &m_pipe.cbo1;
    case ScreenId::VelocityDitch:
        *count = static_cast<qsizetype>(troughFillList().size());
        return &m_ditch.cbo1;
    case ScreenId::VelocityCircular:
        *count = static_cast<qsizetype>(circularFillList().size());
        return &m_circular.cbo1;
    default:
        return nullptr;
    }
}

QString VelocitySession::text(ScreenId screen, const QString &control) const
{
    const QString *t = const_cast<VelocitySession *>(this)->textField(screen, control);
    return t ? *t : QString();
}

int VelocitySession::row(ScreenId screen, const QString &control) const
{
    if (screen == ScreenId::VelocitySelect && control == QLatin1String("lst_s"))
        return m_selectExists ? m_select.currentRow : -1;
    qsizetype count = 0;
    const int *r = const_cast<VelocitySession *>(this)->rowField(screen, control, &count);
    return r ? *r : -1;
}

bool VelocitySession::setText(ScreenId screen, const QString &control, const QString &text)
{
    QString *field = textField(screen, control);
    if (!field)
        return false;
    if (setField(*field, text))
        entryChanged();
    return true;
}

bool VelocitySession::setRow(ScreenId screen, const QString &control, int row)
{
    if (screen == ScreenId::VelocitySelect && control == QLatin1String("lst_s")) {
        if (!m_selectExists)
            return false;
        setKindRow(row);
        return true;
    }
    qsizetype count = 0;
    int *slot = rowField(screen, control, &count);
    if (!slot)
        return false;
    const int r = rowWithin(row, count);
    if (*slot != r) {
        *slot = r;
        entryChanged();
    }
    return true;
}

void VelocitySession::clickVertex()
{
    if (!m_polygonExists)
        return;
    m_sketch.clear();
    m_events.changed(Part::Velocity);
}

VelocityOutcome VelocitySession::runOn(ScreenId screen, VelocityFacility &vf) const
{
    const VelocityChoice c = choice();
    vf.facilityKind = c.kind;
    vf.velocityFormula = c.formula;
    VelocityOutcome out;
    if (!exists(screen))
        screen = ScreenId::Conditions;
    switch (screen) {
    case ScreenId::VelocityPipe:
        out = calculateVelocityPipe(vf, c, pipeEntriesOf(m_pipe, m_pipeKind));
        break;
    case ScreenId::VelocityDitch:
        out = calculateVelocityDitch(vf, c, ditchEntriesOf(m_ditch));
        break;
    case ScreenId::VelocityCircular:
        out = calculateVelocityCircular(vf, c, circularEntriesOf(m_circular));
        break;
    case ScreenId::VelocityPolygon:
        out = calculateVelocityPolygon(vf, c, polygonEntriesOf(m_polygon));
        break;
    default:
        out.refusal = noKindRefusal();
        break;
    }
    return out;
}

VelocityOutcome VelocitySession::computeInto(VelocityFacility &facility) const
{
    return runOn(screenOfGroup(facility.screenGroup), facility);
}

bool VelocitySession::recompute()
{
    const ScreenId screen = screenOfGroup(m_design.velocityFacility.screenGroup);
    const VelocityOutcome out = runOn(screen, m_design.velocityFacility);
    if (!out.refusal && screen == ScreenId::VelocityPolygon)
        drawSketch(m_design.velocityFacility.vertexCount);
    return !out.refusal;
}

// The open polyline of vertices 0 … count−1 from the fields as they stand; the instruction hides for good.
void VelocitySession::drawSketch(int count)
{
    m_instructionVisible = false;
    std::array<double, 8> x{}, y{};
    for (std::size_t i = 0; i < 8; ++i) {
        x[i] = parseLeadingNumber(m_polygon.txt_x[i]);
        y[i] = parseLeadingNumber(m_polygon.txt_y[i]);
    }
    m_sketch = polygonSketchPoints(x, y, count);
    m_events.changed(Part::Velocity);
}

void VelocitySession::focusRefusal(const VelocityRefusal &refusal, ScreenId screen)
{
    switch (refusal.focus) {
    case VelocityFocus::ManningOption:
        if (m_selectExists)
            m_events.focus(FocusRequest{Control{ScreenId::VelocitySelect, QStringLiteral("opt1")},
                                        FocusStyle::Plain, false});
        break;
    case VelocityFocus::KindList:
        if (m_selectExists)
            m_events.focus(FocusRequest{Control{ScreenId::VelocitySelect, QStringLiteral("lst_s")},
                                        FocusStyle::Plain, false});
        break;
    case VelocityFocus::Field:
        if (!refusal.field.isEmpty()) {
            const FocusStyle style =
                refusal.field.startsWith(QLatin1String("txt")) ? FocusStyle::CaretAtStart : FocusStyle::Plain;
            m_events.focus(FocusRequest{Control{screen, refusal.field}, style, false});
        }
        break;
    }
}

bool VelocitySession::calculate(ScreenId screen)
{
    if (!isFacilityScreen(screen) || !existsFlag(screen))
        return false;
    const VelocityOutcome out = runOn(screen, m_design.velocityFacility);
    if (out.refusal) {
        showError(m_services, out.refusal->message);
        focusRefusal(*out.refusal, screen);
        return false;
    }
    if (screen == ScreenId::VelocityPolygon)
        drawSketch(m_design.velocityFacility.vertexCount);
    hide(ScreenId::VelocitySelect);
    hide(screen);
    if (m_intensity)
        m_intensity->acceptVelocity(out.velocityText);
    if (m_handBack)
        m_handBack(out.velocityText);
    m_events.status(intensityStatusText());
    return true;
}

bool VelocitySession::draw()
{
    if (!m_polygonExists)
        return false;
    // The same checks and computation as "計算", but the screen stays and nothing is handed on.
    const VelocityOutcome out = runOn(ScreenId::VelocityPolygon, m_design.velocityFacility);
    if (out.refusal) {
        showError(m_services, out.refusal->message);
        if (out.refusal->focus == VelocityFocus::ManningOption)
            focusRefusal(*out.refusal, ScreenId::VelocityPolygon);
        else if (!out.refusal->field.isEmpty())
            focusRefusal(VelocityRefusal{{}, VelocityFocus::Field, out.refusal->field},
                         ScreenId::VelocityPolygon);
        return false;
    }
    drawSketch(m_design.velocityFacility.vertexCount);
    return true;
}

void VelocitySession::cancel()
{
    reset();
    // The intensity screen comes to the front, not whichever screen is next.
    if (m_intensity && m_intensity->visible())
        m_events.focus(FocusRequest{Control{ScreenId::Intensity, QString()}, FocusStyle::Plain, true});
}

void VelocitySession::reset()
{
    unload(ScreenId::VelocityPipe);
    unload(ScreenId::VelocityDitch);
    unload(ScreenId::VelocityCircular);
    unload(ScreenId::VelocityPolygon);
    unload(ScreenId::VelocitySelect);
    m_select = VelocitySelectForm{};
    m_design.velocityFacility.screenGroup = 0;
}

void VelocitySession::hideScreens()
{
    for (ScreenId s : {ScreenId::VelocitySelect, ScreenId::VelocityPipe, ScreenId::VelocityDitch,
                       ScreenId::VelocityCircular, ScreenId::VelocityPolygon})
        hide(s);
}

VelocityForms VelocitySession::forms() const
{
    VelocityForms f;
    f.screenGroup = m_design.velocityFacility.screenGroup;
    if (m_selectExists) {
        const VelocityChoice c = choice();
        f.opt1 = c.formula == VelocityFormula::Manning;
        f.opt2 = c.formula == VelocityFormula::Kutter;
        f.lst_s = kindRow();
    }
    if (m_pipeExists)
        f.facility.pipe = m_pipe;
    if (m_ditchExists)
        f.facility.ditch = m_ditch;
    if (m_circularExists)
        f.facility.circular = m_circular;
    if (m_polygonExists)
        f.facility.polygon = m_polygon;
    return f;
}

void VelocitySession::setForms(const VelocityForms &f)
{
    ensureSelect();
    setFormula(f.opt1, f.opt2);
    if (f.lst_s >= 0 && f.lst_s <= 7)
        chooseKind(f.lst_s);
    if (m_pipeExists) {
        setRow(ScreenId::VelocityPipe, QStringLiteral("lst_pu"), f.facility.pipe.lst_pu);
        setText(ScreenId::VelocityPipe, QStringLiteral("txt1"), f.facility.pipe.txt1);
        setText(ScreenId::VelocityPipe, QStringLiteral("txt2"), f.facility.pipe.txt2);
        setRow(ScreenId::VelocityPipe, QStringLiteral("cbo1"), f.facility.pipe.cbo1);
    }
    if (m_ditchExists) {
        const DitchForm &d = f.facility.ditch;
        for (const auto &[name, text] : {std::pair{"txt_m", &d.txt_m},
                                         {"txt1", &d.txt1},
                                         {"txt2", &d.txt2},
                                         {"txt3", &d.txt3},
                                         {"txt4", &d.txt4},
                                         {"txt5", &d.txt5},
                                         {"txt6", &d.txt6}})
            setText(ScreenId::VelocityDitch, QString::fromLatin1(name), *text);
        setRow(ScreenId::VelocityDitch, QStringLiteral("cbo1"), d.cbo1);
    }
    if (m_circularExists) {
        const CircularForm &c = f.facility.circular;
        for (const auto &[name, text] :
             {std::pair{"txt_m", &c.txt_m}, {"txt1", &c.txt1}, {"txt2", &c.txt2}, {"txt3", &c.txt3}})
            setText(ScreenId::VelocityCircular, QString::fromLatin1(name), *text);
        setRow(ScreenId::VelocityCircular, QStringLiteral("cbo1"), c.cbo1);
    }
    if (m_polygonExists) {
        const PolygonForm &p = f.facility.polygon;
        for (const auto &[name, text] : {std::pair{"txt_m", &p.txt_m},
                                         {"txt1", &p.txt1},
                                         {"txt2", &p.txt2},
                                         {"txt3", &p.txt3},
                                         {"txt4", &p.txt4},
                                         {"txt5", &p.txt5}})
            setText(ScreenId::VelocityPolygon, QString::fromLatin1(name), *text);
        for (std::size_t i = 0; i < 8; ++i) {
            setText(ScreenId::VelocityPolygon, QStringLiteral("txt_x%1").arg(i + 1), p.txt_x[i]);
            setText(ScreenId::VelocityPolygon, QStringLiteral("txt_y%1").arg(i + 1), p.txt_y[i]);
        }
    }
    m_design.velocityFacility.screenGroup = static_cast<int>(f.screenGroup);
    hideScreens();
}

} // namespace niruka
