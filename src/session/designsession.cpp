#include "session/designsession.h"

#include "engine/catalogue.h"
#include "report/reportfile.h"
#include "session/calculatorsessions.h"
#include "session/facilityforms.h"
#include "session/fieldtext.h"
#include "session/intensityrules.h"
#include "session/projectsession.h"
#include "session/runoffrules.h"

namespace niruka {

namespace {

// The inputs that decide a check: equal inputs give the same result.
bool sameCheckInputs(const DesignCase &a, const DesignCase &b)
{
    return a.runoffCoeff == b.runoffCoeff && a.catchmentArea == b.catchmentArea &&
           a.rainIntensity == b.rainIntensity && a.allowanceChoice == b.allowanceChoice &&
           a.allowanceRate == b.allowanceRate && a.velocityFormula == b.velocityFormula &&
           a.roughness == b.roughness && a.gradient == b.gradient && a.facilityKind == b.facilityKind &&
           a.section.flowArea == b.section.flowArea &&
           a.section.wettedPerimeter == b.section.wettedPerimeter && a.displayName() == b.displayName();
}

// The conditions screen as it is created: no text, no option, no kind.
ConditionsForm freshConditions()
{
    ConditionsForm f;
    f.opt3 = f.opt5 = f.opt7 = false;
    return f;
}

ScreenId screenOf(FacilityScreenId id)
{
    switch (id) {
    case FacilityScreenId::Pipe:
        return ScreenId::Pipe;
    case FacilityScreenId::Circular:
        return ScreenId::Circular;
    case FacilityScreenId::Ditch:
        return ScreenId::Ditch;
    case FacilityScreenId::Polygon:
        return ScreenId::Polygon;
    case FacilityScreenId::None:
        break;
    }
    return ScreenId::Conditions;
}

Control cond(const char16_t *name)
{
    return {ScreenId::Conditions, QString::fromUtf16(name)};
}

int vertexIndex(const QString &name, const char *prefix)
{
    const QLatin1StringView p(prefix);
    if (!name.startsWith(p) || name.size() != p.size() + 1)
        return -1;
    const int i = name.at(p.size()).digitValue() - 1;
    return i >= 0 && i < 8 ? i : -1;
}

} // namespace

DesignSession::DesignSession(SessionServices &services, QObject *parent)
    : QObject(parent), m_services(services), m_conditions(freshConditions())
{
    m_calculators =
        std::make_unique<CalculatorSessions>(m_design, static_cast<SessionEvents &>(*this), m_services);
    m_project = std::make_unique<ProjectSession>(*this);
    wireCalculators();
    // Start: a hint, and no result to save or print.
    m_window.statusText = noResultStartHint();
    m_window.commands = fileCommandsAllOff();
    m_looks.conditionsTitle = QStringLiteral("計画条件");
}

DesignSession::~DesignSession() = default;

RunoffSession &DesignSession::runoff()
{
    return m_calculators->runoff();
}

IntensitySession &DesignSession::intensity()
{
    return m_calculators->intensity();
}

VelocitySession &DesignSession::velocity()
{
    return m_calculators->velocity();
}

CalculatorSessions &DesignSession::calculators()
{
    return *m_calculators;
}

const CalculatorSessions &DesignSession::calculators() const
{
    return *m_calculators;
}

ProjectSession &DesignSession::project()
{
    return *m_project;
}

// --- events --------------------------------------------------------------------------------------------

void DesignSession::opened(ScreenId screen)
{
    emit screenOpened(screen);
}

void DesignSession::closed(ScreenId screen)
{
    emit screenClosed(screen);
}

void DesignSession::shown(ScreenId screen, bool visible)
{
    emit screenShown(screen, visible);
}

void DesignSession::focus(const FocusRequest &request)
{
    emit focusRequested(request);
}

void DesignSession::changed(Parts parts)
{
    emit partsChanged(parts);
}

void DesignSession::status(const QString &text)
{
    setStatus(text);
}

// --- state ---------------------------------------------------------------------------------------------

bool DesignSession::isOpen(ScreenId screen) const
{
    switch (screen) {
    case ScreenId::Conditions:
        return m_conditionsOpen;
    case ScreenId::Pipe:
        return m_facility == FacilityScreenId::Pipe;
    case ScreenId::Circular:
        return m_facility == FacilityScreenId::Circular;
    case ScreenId::Ditch:
        return m_facility == FacilityScreenId::Ditch;
    case ScreenId::Polygon:
        return m_facility == FacilityScreenId::Polygon;
    case ScreenId::Result:
        return m_resultOpen;
    default:
        return false;
    }
}

ScreenId DesignSession::facilityScreenId() const
{
    return screenOf(m_facility);
}

ConditionsEntries DesignSession::conditionsEntries() const
{
    ConditionsEntries e;
    if (!m_conditionsOpen)
        return e;
    const ConditionsForm &f = m_conditions;
    e.c = f.txt_c;
    e.a = f.txt_a;
    e.i = f.txt_i;
    e.allowanceOn = f.opt8;
    e.allowanceRate = f.txt1;
    if (f.lst_s >= 0 && f.lst_s < kFacilityKindCount)
        e.kind = static_cast<FacilityKind>(f.lst_s);
    if (f.opt1)
        e.formula = VelocityFormula::Manning;
    else if (f.opt2)
        e.formula = VelocityFormula::Kutter;
    e.runoffWeighted = f.opt6;
    e.intensityComputed = f.opt4;
    return e;
}

void DesignSession::setStatus(const QString &text)
{
    m_window.statusText = text;
    emit statusChanged(text);
    emit partsChanged(Part::Status);
}

void DesignSession::setFileName(const QString &path)
{
    m_window.fileName = path;
    emit partsChanged(Part::Title);
}

void DesignSession::setFileCommands(const FileCommandState &state)
{
    m_window.commands = state;
    emit partsChanged(Part::FileCommands);
}

void DesignSession::setChrome(bool toolbarVisible, bool statusBarVisible)
{
    m_window.toolbarVisible = toolbarVisible;
    m_window.statusBarVisible = statusBarVisible;
    emit partsChanged(Part::Chrome);
}

void DesignSession::setToolbarVisible(bool visible)
{
    m_window.toolbarVisible = visible;
    emit partsChanged(Part::Chrome);
}

void DesignSession::setDiagramMenuEnabled(bool enabled)
{
    m_window.diagramMenuEnabled = enabled;
    emit partsChanged(Part::Chrome);
}

void DesignSession::setReferenceMenuEnabled(bool enabled)
{
    m_window.referenceMenuEnabled = enabled;
    emit partsChanged(Part::Chrome);
}

void DesignSession::setConditionsTitle(const QString &title)
{
    if (!m_conditionsOpen)
        return;
    m_looks.conditionsTitle = title;
    emit partsChanged(Part::Conditions);
}

// --- the main window -----------------------------------------------------------------------------------

void DesignSession::fileNew()
{
    tojiru();
    openConditions();
    prepareNew(); // options, looks, and the first facility kind
    focusConditions(QStringLiteral("txt_c"));
    setFileName(QString());
    // Every save, print and write command: a new design has no result ("書き込み" included, which would
    // otherwise write a report of nothing).
    setFileCommands(fileCommandsAllOff());
    setStatus(conditionsHint());
    setChrome(true, true);
}

void DesignSession::openConditions()
{
    if (m_conditionsOpen)
        return;
    m_conditionsOpen = true;
    m_conditions = freshConditions();
    m_kindRow = -1;
    m_looks.cFlat = m_looks.aFlat = m_looks.iFlat = false;
    m_looks.allowanceVisible = true;
    m_looks.conditionsTitle = QStringLiteral("計画条件");
    m_design.conditionsOpen = 1;
    emit screenOpened(ScreenId::Conditions);
}

void DesignSession::prepareNew()
{
    m_looks.cFlat = m_looks.aFlat = m_looks.iFlat = false;
    bool changed = false;
    const auto set = [&changed](bool &option, bool on) {
        changed = changed || option != on;
        option = on;
    };
    set(m_conditions.opt5, true);
    set(m_conditions.opt6, false);
    set(m_conditions.opt3, true);
    set(m_conditions.opt4, false);
    m_design.runoffMode = RunoffMode::Direct;
    m_design.intensityMode = IntensityMode::Direct;
    set(m_conditions.opt7, true);
    set(m_conditions.opt8, false);
    if (changed)
        entryChanged();
    setAllowance(false);
    if (m_kindRow == 0)
        choose(0);
    else
        setRow({ScreenId::Conditions, QStringLiteral("lst_s")}, 0);
    emit partsChanged(Part::Conditions);
    focusConditions(QStringLiteral("txt_c"));
}

void DesignSession::tojiru()
{
    if (m_conditionsOpen) {
        m_conditionsOpen = false;
        m_conditions = freshConditions();
        m_kindRow = -1;
        m_design.conditionsOpen = 0;
        emit screenClosed(ScreenId::Conditions);
    }
    closeFacility(FacilityScreenId::Pipe);
    closeFacility(FacilityScreenId::Circular);
    closeFacility(FacilityScreenId::Ditch);
    closeResult();
    closeFacility(FacilityScreenId::Polygon);
    m_calculators->discardAll();
    resetDesign();
    m_design.velocityFacility.screenGroup = 0;
}

void DesignSession::resetDesign()
{
    m_design = designKeepingLifetimeValues(m_design);
    m_shownResult = DesignCase{};
}

void DesignSession::closeDesign()
{
    const MsgAnswer a = m_services.message(
        {QStringLiteral("確認"), QStringLiteral("作成中のデータが失われます。閉じてもよろしいですか？"),
         MsgButtons::OkCancel, MsgIcon::Question, MsgAnswer::Cancel});
    if (a == MsgAnswer::Cancel)
        return;
    tojiru();
    setStatus(QString());
    setFileCommands(fileCommandsAllOff());
}

bool DesignSession::exitFromMenu()
{
    const MsgAnswer a =
        m_services.message({QStringLiteral("確認"), QStringLiteral("終了してもよろしいですか？"),
                            MsgButtons::YesNo, MsgIcon::Question, MsgAnswer::No});
    if (a == MsgAnswer::No)
        return false;
    m_exiting = true;
    emit exitRequested();
    return true;
}

bool DesignSession::confirmWindowClose()
{
    if (m_exiting)
        return true;
    const MsgAnswer a =
        m_services.message({QStringLiteral("ニルカ（雨水編）"), QStringLiteral("終了してもよろしいですか?"),
                            MsgButtons::YesNo, MsgIcon::None, MsgAnswer::Yes});
    if (a == MsgAnswer::No)
        return false;
    m_exiting = true;
    emit exitRequested();
    return true;
}

void DesignSession::fileMenuOpened()
{
    setFileCommands(fileCommandsOnMenuOpen(m_design.hasResult(), !m_window.fileName.isEmpty()));
}

void DesignSession::startEditor()
{
    m_services.launchEditor(QString::fromLatin1(kReportFileName));
}

void DesignSession::writeReport()
{
    const ReportWriteResult result = Kakikomi(m_design);
    if (result.verdictNo)
        m_services.beep();
    if (!result.ok())
        showError(m_services, result.error);
}

void DesignSession::printImageOpened(int pages)
{
    setToolbarVisible(false);
    if (pages == 1)
        m_calculators->intensity().hide();
}

void DesignSession::printImageClosed()
{
    setToolbarVisible(true);
}

void DesignSession::diagramOpened()
{
    setToolbarVisible(false);
    setStatus(QStringLiteral("コンピュータの速度により、グラフの描画に時間がかかる場合があります。"));
}

void DesignSession::diagramClosed(const QString &statusText)
{
    setToolbarVisible(true);
    setStatus(statusText);
}

// --- fields --------------------------------------------------------------------------------------------

QString *DesignSession::textField(const Control &field)
{
    const QString &n = field.name;
    switch (field.screen) {
    case ScreenId::Conditions: {
        if (!m_conditionsOpen)
            return nullptr;
        ConditionsForm &f = m_conditions;
        if (n == u"txt_c")
            return &f.txt_c;
        if (n == u"txt_a")
            return &f.txt_a;
        if (n == u"txt_i")
            return &f.txt_i;
        if (n == u"txt1")
            return &f.txt1;
        return nullptr;
    }
    case ScreenId::Pipe: {
        if (m_facility != FacilityScreenId::Pipe)
            return nullptr;
        PipeForm &f = m_facilityForms.pipe;
        if (n == u"txt1")
            return &f.txt1;
        if (n == u"txt2")
            return &f.txt2;
        return nullptr;
    }
    case ScreenId::Circular: {
        if (m_facility != FacilityScreenId::Circular)
            return nullptr;
        CircularForm &f = m_facilityForms.circular;
        for (auto [name, text] : {std::pair{u"txt_m", &f.txt_m}, std::pair{u"txt1", &f.txt1},
                                  std::pair{u"txt2", &f.txt2}, std::pair{u"txt3", &f.txt3}})
            if (n == name)
                return text;
        return nullptr;
    }
    case ScreenId::Ditch: {
        if (m_facility != FacilityScreenId::Ditch)
            return nullptr;
        DitchForm &f = m_facilityForms.ditch;
        for (auto [name, text] :
             {std::pair{u"txt_m", &f.txt_m}, std::pair{u"txt1", &f.txt1}, std::pair{u"txt2", &f.txt2},
              std::pair{u"txt3", &f.txt3}, std::pair{u"txt4", &f.txt4}, std::pair{u"txt5", &f.txt5},
              std::pair{u"txt6", &f.txt6}})
            if (n == name)
                return text;
        return nullptr;
    }
    case ScreenId::Polygon: {
        if (m_facility != FacilityScreenId::Polygon)
            return nullptr;
        PolygonForm &f = m_facilityForms.polygon;
        for (auto [name, text] :
             {std::pair{u"txt_m", &f.txt_m}, std::pair{u"txt1", &f.txt1}, std::pair{u"txt2", &f.txt2},
              std::pair{u"txt3", &f.txt3}, std::pair{u"txt4", &f.txt4}, std::pair{u"txt5", &f.txt5}})
            if (n == name)
                return text;
        if (const int i = vertexIndex(n, "txt_x"); i >= 0)
            return &f.txt_x[std::size_t(i)];
        if (const int i = vertexIndex(n, "txt_y"); i >= 0)
            return &f.txt_y[std::size_t(i)];
        return nullptr;
    }
    default:
        return nullptr;
    }
}

void DesignSession::setText(const Control &field, const QString &text)
{
    QString *target = textField(field);
    if (!target)
        return;
    const QString next = fieldText(text);
    if (*target == next)
        return;
    *target = next;
    emit partsChanged(field.screen == ScreenId::Conditions ? Parts(Part::Conditions) : Parts(Part::Facility));
    entryChanged();
}

int *DesignSession::currentRowOf(const Control &list)
{
    if (list.screen == ScreenId::Conditions && list.name == u"lst_s" && m_conditionsOpen)
        return &m_kindRow;
    if (list.screen == ScreenId::Pipe && list.name == u"lst_pu" && m_facility == FacilityScreenId::Pipe)
        return &m_sizeRow;
    return nullptr;
}

int DesignSession::currentRow(const Control &list) const
{
    if (list.screen == ScreenId::Conditions && list.name == u"lst_s")
        return m_conditionsOpen ? m_kindRow : -1;
    if (list.screen == ScreenId::Pipe && list.name == u"lst_pu")
        return m_facility == FacilityScreenId::Pipe ? m_sizeRow : -1;
    return -1;
}

void DesignSession::setRow(const Control &list, int row, bool selected)
{
    // The two lists whose rows count only while selected: the kind list and the pipe's size list.
    if (int *current = currentRowOf(list)) {
        const bool kinds = current == &m_kindRow;
        int &shown = kinds ? m_conditions.lst_s : m_facilityForms.pipe.lst_pu;
        const int count = kinds ? kFacilityKindCount : int(pipeLists(m_looks.pipeSeries).sizes.size());
        const int next = clampedRow(row, count);
        const int nextShown = selected ? next : -1;
        if (next == *current) {
            setSelected(list, selected);
            return;
        }
        *current = next;
        shown = nextShown;
        emit partsChanged(kinds ? Parts(Part::Conditions) : Parts(Part::Facility));
        // The kind is chosen first; the change of the entry then ends the result.
        if (kinds)
            choose(next);
        entryChanged();
        return;
    }
    int *target = nullptr;
    int count = 0;
    switch (list.screen) {
    case ScreenId::Pipe:
        if (m_facility == FacilityScreenId::Pipe && list.name == u"cbo1") {
            target = &m_facilityForms.pipe.cbo1;
            count = int(pipeLists(m_looks.pipeSeries).depths.size());
        }
        break;
    case ScreenId::Circular:
        if (m_facility == FacilityScreenId::Circular && list.name == u"cbo1") {
            target = &m_facilityForms.circular.cbo1;
            count = int(circularDepthLines().size());
        }
        break;
    case ScreenId::Ditch:
        if (m_facility == FacilityScreenId::Ditch && list.name == u"cbo1") {
            target = &m_facilityForms.ditch.cbo1;
            count = int(ditchDepthLines().size());
        }
        break;
    default:
        break;
    }
    if (!target)
        return;
    const int next = clampedRow(row, count);
    if (*target == next)
        return;
    *target = next;
    emit partsChanged(Part::Facility);
    entryChanged();
}

void DesignSession::setSelected(const Control &list, bool selected)
{
    int *current = currentRowOf(list);
    if (!current)
        return;
    const bool kinds = current == &m_kindRow;
    int &shown = kinds ? m_conditions.lst_s : m_facilityForms.pipe.lst_pu;
    const int next = selected ? *current : -1;
    if (shown == next)
        return;
    shown = next;
    emit partsChanged(kinds ? Parts(Part::Conditions) : Parts(Part::Facility));
    entryChanged();
}

void DesignSession::setChecked(const Control &option, bool on)
{
    if (option.screen != ScreenId::Conditions || !m_conditionsOpen)
        return;
    ConditionsForm &f = m_conditions;
    struct Pair {
        const char16_t *first, *second;
        bool *a, *b;
    };
    const Pair pairs[] = {{u"opt1", u"opt2", &f.opt1, &f.opt2},
                          {u"opt3", u"opt4", &f.opt3, &f.opt4},
                          {u"opt5", u"opt6", &f.opt5, &f.opt6},
                          {u"opt7", u"opt8", &f.opt7, &f.opt8}};
    for (const Pair &p : pairs) {
        bool *self = option.name == p.first ? p.a : option.name == p.second ? p.b : nullptr;
        if (!self)
            continue;
        bool *other = self == p.a ? p.b : p.a;
        // An option of an exclusive pair is turned off only by its partner.
        if (!on || *self)
            return;
        *self = true;
        *other = false;
        emit partsChanged(Part::Conditions);
        entryChanged();
        return;
    }
}

void DesignSession::setFlatLook(const Control &field, bool flat)
{
    if (field.screen != ScreenId::Conditions || !m_conditionsOpen)
        return;
    bool *look = field.name == u"txt_c"   ? &m_looks.cFlat
                 : field.name == u"txt_a" ? &m_looks.aFlat
                 : field.name == u"txt_i" ? &m_looks.iFlat
                                          : nullptr;
    if (!look)
        return;
    *look = flat;
    emit partsChanged(Part::Conditions);
}

void DesignSession::setPair(bool &first, bool firstOn, bool &second, bool secondOn)
{
    const bool a = firstOn;
    const bool b = secondOn && !firstOn;
    if (first == a && second == b)
        return;
    first = a;
    second = b;
    entryChanged();
}

void DesignSession::entryChanged()
{
    closeResult();
}

void DesignSession::focusConditions(const QString &name)
{
    if (!m_conditionsOpen)
        return;
    emit focusRequested({{ScreenId::Conditions, name}, FocusStyle::SelectAll, true});
}

void DesignSession::setAllowance(bool on)
{
    if (!on && !m_conditions.txt1.isEmpty()) {
        m_conditions.txt1.clear();
        entryChanged();
    }
    m_looks.allowanceVisible = on;
    emit partsChanged(Part::Conditions);
}

// --- the facility kind ---------------------------------------------------------------------------------

void DesignSession::choose(int row)
{
    if (row < 0 || row >= kFacilityKindCount)
        return;
    selectFacilityKind(static_cast<FacilityKind>(row));
}

void DesignSession::chooseKindAgain(int row)
{
    if (!m_conditionsOpen || row != m_kindRow)
        return;
    choose(row);
}

void DesignSession::closeFacility(FacilityScreenId id)
{
    if (id == FacilityScreenId::None || m_facility != id)
        return;
    m_facility = FacilityScreenId::None;
    switch (id) {
    case FacilityScreenId::Pipe:
        m_facilityForms.pipe = {};
        m_sizeRow = -1;
        break;
    case FacilityScreenId::Circular:
        m_facilityForms.circular = {};
        break;
    case FacilityScreenId::Ditch:
        m_facilityForms.ditch = {};
        break;
    case FacilityScreenId::Polygon:
        m_facilityForms.polygon = {};
        m_looks.polygonInstructionVisible = true;
        m_looks.polygonSketch.clear();
        break;
    case FacilityScreenId::None:
        break;
    }
    emit screenClosed(screenOf(id));
}

void DesignSession::selectFacilityKind(FacilityKind kind)
{
    const FacilitySwitch sw = facilitySwitchFor(kind, m_facility);
    for (FacilityScreenId id : sw.closes)
        closeFacility(id);
    switch (sw.opens) {
    case FacilityScreenId::Pipe: {
        const bool create = m_facility != FacilityScreenId::Pipe;
        m_facility = FacilityScreenId::Pipe;
        m_looks.pipeSeries = kind;
        m_facilityForms.pipe = pipeDefaults(kind);
        m_sizeRow = m_facilityForms.pipe.lst_pu;
        if (create) {
            emit screenOpened(ScreenId::Pipe);
        } else {
            // Refilling the open screen clears its lists: its entries change.
            emit partsChanged(Part::Facility);
            entryChanged();
        }
        break;
    }
    case FacilityScreenId::Circular:
        if (m_facility != FacilityScreenId::Circular) {
            m_facility = FacilityScreenId::Circular;
            m_facilityForms.circular = circularDefaults();
            emit screenOpened(ScreenId::Circular);
        }
        break;
    case FacilityScreenId::Ditch:
        if (m_facility != FacilityScreenId::Ditch) {
            m_facility = FacilityScreenId::Ditch;
            m_facilityForms.ditch = ditchDefaults();
            emit screenOpened(ScreenId::Ditch);
        }
        break;
    case FacilityScreenId::Polygon:
        if (m_facility != FacilityScreenId::Polygon) {
            m_facility = FacilityScreenId::Polygon;
            m_facilityForms.polygon = polygonDefaults();
            m_looks.polygonInstructionVisible = true;
            m_looks.polygonSketch.clear();
            emit screenOpened(ScreenId::Polygon);
        }
        break;
    case FacilityScreenId::None:
        break;
    }
    focusConditions(QStringLiteral("lst_s"));
}

std::optional<Control> DesignSession::enterTargetOfKindList() const
{
    switch (m_facility) {
    case FacilityScreenId::Pipe:
        return Control{ScreenId::Pipe, QStringLiteral("lst_pu")};
    case FacilityScreenId::Ditch:
        return Control{ScreenId::Ditch, QStringLiteral("txt1")};
    default:
        return std::nullopt;
    }
}

// --- clicks, keys and buttons --------------------------------------------------------------------------

void DesignSession::clickIntoConditionsField()
{
    closeResult();
    setStatus(conditionsHint());
}

void DesignSession::directIntensityEntry()
{
    m_design.intensityMode = IntensityMode::Direct;
    if (!m_conditions.opt3) {
        m_conditions.opt3 = true;
        m_conditions.opt4 = false;
        entryChanged();
    }
    m_looks.iFlat = false;
    emit partsChanged(Part::Conditions);
    discardIntensity();
}

void DesignSession::clickInto(const Control &field)
{
    const QString &n = field.name;
    switch (field.screen) {
    case ScreenId::Conditions:
        if (!m_conditionsOpen)
            return;
        if (n == u"txt_c" || n == u"txt_a" || n == u"txt1") {
            clickIntoConditionsField();
        } else if (n == u"txt_i") {
            clickIntoConditionsField();
            clickIntoConditionsField();
            directIntensityEntry();
        } else if (n == u"opt1" || n == u"opt2") {
            closeResult();
        }
        return;
    case ScreenId::Pipe:
    case ScreenId::Circular:
        if (!isOpen(field.screen))
            return;
        closeResult();
        setStatus(facilityHint());
        return;
    case ScreenId::Ditch:
        if (!isOpen(field.screen))
            return;
        closeResult();
        setStatus(n == u"cbo1" ? ditchDepthHint() : facilityHint());
        return;
    case ScreenId::Polygon:
        if (!isOpen(field.screen))
            return;
        setStatus(n == u"txt_m" ? facilityHint() : conditionsHint());
        closeResult();
        if (vertexIndex(n, "txt_x") >= 0 || vertexIndex(n, "txt_y") >= 0) {
            m_looks.polygonSketch.clear();
            emit partsChanged(Part::Facility);
        }
        return;
    default:
        return;
    }
}

void DesignSession::keyIn(const Control &control)
{
    if (control.screen != ScreenId::Conditions || !m_conditionsOpen)
        return;
    if (control.name == u"txt_i")
        directIntensityEntry();
    else if (control.name == u"opt1" || control.name == u"opt2")
        closeResult();
}

void DesignSession::runoffDirect()
{
    if (!m_conditionsOpen)
        return;
    focusConditions(QStringLiteral("txt_c"));
    m_looks.cFlat = m_looks.aFlat = false;
    m_design.runoffMode = RunoffMode::Direct;
    if (!m_conditions.opt5) {
        m_conditions.opt5 = true;
        m_conditions.opt6 = false;
        entryChanged();
    }
    emit partsChanged(Part::Conditions);
    closeResult();
    discardRunoff();
}

void DesignSession::intensityDirect()
{
    if (!m_conditionsOpen)
        return;
    focusConditions(QStringLiteral("txt_i"));
    m_looks.iFlat = false;
    m_design.intensityMode = IntensityMode::Direct;
    if (!m_conditions.opt3) {
        m_conditions.opt3 = true;
        m_conditions.opt4 = false;
        entryChanged();
    }
    emit partsChanged(Part::Conditions);
    closeResult();
    discardIntensity();
}

void DesignSession::weightedAverage()
{
    closeResult();
    setDiagramMenuEnabled(false);
    setToolbarVisible(false);
    setStatus(runoffOpenStatusText());
    m_calculators->runoff().open();
}

void DesignSession::computeIntensity()
{
    closeResult();
    setDiagramMenuEnabled(false);
    setToolbarVisible(false);
    setStatus(intensityStatusText());
    m_calculators->intensity().open();
}

void DesignSession::chooseAllowance(bool on)
{
    if (!m_conditionsOpen)
        return;
    // The click has checked the option before it is reported.
    setChecked({ScreenId::Conditions, on ? QStringLiteral("opt8") : QStringLiteral("opt7")}, true);
    setAllowance(on);
    closeResult();
}

// --- 計算 and the result -------------------------------------------------------------------------------

std::optional<Refusal> DesignSession::applyRules(CheckMode mode)
{
    if (m_facility == FacilityScreenId::None)
        return std::nullopt;
    DesignCase next = designKeepingLifetimeValues(m_design);
    const ConditionsEntries conditions = conditionsEntries();
    std::optional<Refusal> refusal;
    switch (m_facility) {
    case FacilityScreenId::Pipe:
        refusal = calculatePipe(next, conditions, pipeEntriesOf(m_facilityForms.pipe, m_looks.pipeSeries));
        break;
    case FacilityScreenId::Circular:
        refusal = calculateCircular(next, conditions, circularEntriesOf(m_facilityForms.circular));
        break;
    case FacilityScreenId::Ditch:
        refusal = calculateDitch(next, conditions, ditchEntriesOf(m_facilityForms.ditch));
        break;
    case FacilityScreenId::Polygon:
        refusal = calculatePolygon(next, conditions, polygonEntriesOf(m_facilityForms.polygon));
        break;
    case FacilityScreenId::None:
        break;
    }
    if (!refusal)
        refusal = deriveCalculatorValues(next, conditions, calculatorEntries(), mode);
    if (refusal) {
        closeResult();
        return refusal;
    }
    m_design = next;
    if (m_facility == FacilityScreenId::Polygon)
        drawPolygonSketch();
    return std::nullopt;
}

void DesignSession::drawPolygonSketch()
{
    std::array<double, 8> x{}, y{};
    for (std::size_t i = 0; i < 8; ++i) {
        x[i] = m_design.polygonVertices[i].x();
        y[i] = m_design.polygonVertices[i].y();
    }
    m_looks.polygonInstructionVisible = false;
    m_looks.polygonSketch = polygonSketchPoints(x, y, m_design.vertexCount);
    emit partsChanged(Part::Facility);
}

void DesignSession::calculate()
{
    if (m_facility == FacilityScreenId::None)
        return;
    if (const std::optional<Refusal> refusal = applyRules(CheckMode::Calculate))
        refuse(*refusal);
    else
        showResult();
}

void DesignSession::refuse(const Refusal &refusal)
{
    showError(m_services, refusal.message);
    if (refusal.focus.owner == FieldOwner::Conditions) {
        focusConditions(refusal.focus.name);
        return;
    }
    if (m_facility == FacilityScreenId::None)
        return;
    emit focusRequested({{screenOf(m_facility), refusal.focus.name}, FocusStyle::CaretAtStart, true});
}

void DesignSession::showResult()
{
    if (m_resultOpen) {
        if (sameCheckInputs(m_design, m_shownResult)) {
            emit screenShown(ScreenId::Result, true);
            return;
        }
        // Entries typed without a click since the result was shown: show the new check instead.
        const CapacityResult fresh = m_design.result;
        closeResult();
        m_design.result = fresh;
    }
    const ResultView view = resultViewOf(m_design);
    m_looks.result = view;
    m_resultForm = ResultForm{view.q1, view.q2, view.velocity, view.amax};
    m_resultOpen = true;
    m_shownResult = m_design;
    emit screenOpened(ScreenId::Result);
    setStatus(view.status);
    if (view.exceeds)
        m_services.beep();
    setFileCommands(fileCommandsOnMenuOpen(true, !m_window.fileName.isEmpty()));
}

void DesignSession::setResultForm(const ResultForm &form)
{
    if (!m_resultOpen)
        return;
    m_resultForm = form;
    emit partsChanged(Part::Result);
}

void DesignSession::closeResult()
{
    if (m_resultOpen) {
        m_resultOpen = false;
        m_resultForm = {};
        m_looks.result = {};
        emit screenClosed(ScreenId::Result);
    }
    m_design.result.capacity = 0.0;
    setFileCommands(fileCommandsAllOff());
    // No verdict stays without its result (a click then shows its own note).
    if (isVerdictText(m_window.statusText))
        setStatus(conditionsHint());
}

// --- restoring -----------------------------------------------------------------------------------------

void DesignSession::setConditionsForm(const ConditionsForm &f)
{
    if (!m_conditionsOpen)
        return;
    setText({ScreenId::Conditions, QStringLiteral("txt_c")}, f.txt_c);
    setText({ScreenId::Conditions, QStringLiteral("txt_a")}, f.txt_a);
    setText({ScreenId::Conditions, QStringLiteral("txt_i")}, f.txt_i);
    if (f.lst_s >= 0 && f.lst_s < kFacilityKindCount) {
        if (m_kindRow == f.lst_s)
            choose(f.lst_s);
        else
            setRow({ScreenId::Conditions, QStringLiteral("lst_s")}, f.lst_s);
    } else {
        setRow({ScreenId::Conditions, QStringLiteral("lst_s")}, -1);
    }
    ConditionsForm &c = m_conditions;
    setPair(c.opt1, f.opt1, c.opt2, f.opt2);
    setPair(c.opt3, f.opt3, c.opt4, f.opt4);
    setPair(c.opt5, f.opt5, c.opt6, f.opt6);
    setPair(c.opt7, f.opt7, c.opt8, f.opt8);
    setAllowance(f.opt8);
    setText({ScreenId::Conditions, QStringLiteral("txt1")}, f.txt1);
    m_looks.iFlat = f.opt4;
    m_looks.cFlat = f.opt6;
    m_looks.aFlat = f.opt6;
    m_design.intensityMode = f.opt4 ? IntensityMode::Computed : IntensityMode::Direct;
    m_design.runoffMode = f.opt6 ? RunoffMode::WeightedAverage : RunoffMode::Direct;
    emit partsChanged(Part::Conditions);
}

void DesignSession::setPipeForm(const PipeForm &f)
{
    if (m_facility != FacilityScreenId::Pipe)
        return;
    setRow({ScreenId::Pipe, QStringLiteral("lst_pu")}, f.lst_pu);
    setText({ScreenId::Pipe, QStringLiteral("txt1")}, f.txt1);
    setText({ScreenId::Pipe, QStringLiteral("txt2")}, f.txt2);
    setRow({ScreenId::Pipe, QStringLiteral("cbo1")}, f.cbo1);
}

void DesignSession::setCircularForm(const CircularForm &f)
{
    if (m_facility != FacilityScreenId::Circular)
        return;
    const ScreenId s = ScreenId::Circular;
    setText({s, QStringLiteral("txt_m")}, f.txt_m);
    setText({s, QStringLiteral("txt1")}, f.txt1);
    setText({s, QStringLiteral("txt2")}, f.txt2);
    setText({s, QStringLiteral("txt3")}, f.txt3);
    setRow({s, QStringLiteral("cbo1")}, f.cbo1);
}

void DesignSession::setDitchForm(const DitchForm &f)
{
    if (m_facility != FacilityScreenId::Ditch)
        return;
    const ScreenId s = ScreenId::Ditch;
    setText({s, QStringLiteral("txt_m")}, f.txt_m);
    setText({s, QStringLiteral("txt1")}, f.txt1);
    setText({s, QStringLiteral("txt2")}, f.txt2);
    setText({s, QStringLiteral("txt3")}, f.txt3);
    setText({s, QStringLiteral("txt4")}, f.txt4);
    setText({s, QStringLiteral("txt5")}, f.txt5);
    setText({s, QStringLiteral("txt6")}, f.txt6);
    setRow({s, QStringLiteral("cbo1")}, f.cbo1);
}

void DesignSession::setPolygonForm(const PolygonForm &f)
{
    if (m_facility != FacilityScreenId::Polygon)
        return;
    const ScreenId s = ScreenId::Polygon;
    setText({s, QStringLiteral("txt_m")}, f.txt_m);
    setText({s, QStringLiteral("txt1")}, f.txt1);
    setText({s, QStringLiteral("txt2")}, f.txt2);
    setText({s, QStringLiteral("txt3")}, f.txt3);
    setText({s, QStringLiteral("txt4")}, f.txt4);
    setText({s, QStringLiteral("txt5")}, f.txt5);
    for (int i = 0; i < 8; ++i) {
        setText({s, QStringLiteral("txt_x%1").arg(i + 1)}, f.txt_x[std::size_t(i)]);
        setText({s, QStringLiteral("txt_y%1").arg(i + 1)}, f.txt_y[std::size_t(i)]);
    }
}

void DesignSession::hidePolygonInstruction()
{
    if (m_facility != FacilityScreenId::Polygon)
        return;
    m_looks.polygonInstructionVisible = false;
    emit partsChanged(Part::Facility);
}

// --- the calculators ------------------------------------------------------------------------------------

void DesignSession::wireCalculators()
{
    const auto endResult = [this] { closeResult(); };
    RunoffHandBacks runoff;
    runoff.confirmed = [this](const QString &c, const QString &a) { runoffConfirmed(c, a); };
    runoff.cancelled = [this] { runoffCancelled(); };
    runoff.restored = [this](const QString &c, const QString &a) {
        setText(cond(u"txt_c"), c);
        setText(cond(u"txt_a"), a);
    };
    runoff.entryChanged = endResult;
    m_calculators->runoff().setHandBacks(std::move(runoff));
    IntensityHandBacks intensity;
    intensity.confirmed = [this](const QString &i) { intensityConfirmed(i); };
    intensity.cancelled = [this] { intensityCancelled(); };
    intensity.entryChanged = endResult;
    m_calculators->intensity().setHandBacks(std::move(intensity));
    m_calculators->velocity().setEntryChanged(endResult);
}

// A runoff or intensity screen that is unloaded while it holds the diagram menu and the toolbar it took
// (新規作成, 開く, 閉じる, direct entry) gives them back, as its own buttons would.
void DesignSession::discardRunoff()
{
    m_calculators->runoff().discard();
}

void DesignSession::discardIntensity()
{
    m_calculators->intensity().discard();
}

void DesignSession::runoffConfirmed(const QString &coeffText, const QString &areaText)
{
    closeResult();
    if (m_conditionsOpen) {
        setText(cond(u"txt_c"), coeffText);
        setText(cond(u"txt_a"), areaText);
        m_looks.cFlat = m_looks.aFlat = true;
        setChecked(cond(u"opt6"), true);
        emit partsChanged(Part::Conditions);
        emit focusRequested({cond(u"Command1"), FocusStyle::Plain, true});
    }
    m_design.runoffMode = RunoffMode::WeightedAverage;
    setReferenceMenuEnabled(true);
    setDiagramMenuEnabled(true);
    setChrome(true, true);
}

void DesignSession::runoffCancelled()
{
    setDiagramMenuEnabled(true);
    setToolbarVisible(true);
}

void DesignSession::intensityConfirmed(const QString &intensityText)
{
    closeResult();
    if (m_conditionsOpen) {
        setText(cond(u"txt_i"), intensityText);
        m_looks.iFlat = true;
        setChecked(cond(u"opt4"), true);
        emit partsChanged(Part::Conditions);
        focusConditions(QStringLiteral("lst_s"));
    }
    m_design.intensityMode = IntensityMode::Computed;
    setDiagramMenuEnabled(true);
    setToolbarVisible(true);
}

void DesignSession::intensityCancelled()
{
    setReferenceMenuEnabled(true);
    setDiagramMenuEnabled(true);
    setToolbarVisible(true);
}

CalculatorEntries DesignSession::calculatorEntries()
{
    return m_calculators->entries();
}

} // namespace niruka
