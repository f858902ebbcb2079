#include "ui/calculators/velocitycalculator.h"

#include "session/intensityrules.h"
#include "ui/calculators/intensityscreen.h"
#include "ui/calculators/velocitycircularscreen.h"
#include "ui/calculators/velocityditchscreen.h"
#include "ui/calculators/velocitypipescreen.h"
#include "ui/calculators/velocitypolygonscreen.h"
#include "ui/calculators/velocityselectscreen.h"
#include "ui/mainwindow/platformservices.h"

#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRadioButton>

namespace niruka {
namespace {

constexpr int kFacilityLeftTwips = 4860;
constexpr int kTwipsPerPixel = 15; // at 96 dots per inch

QWidget *frameOf(QWidget *screen)
{
    if (auto *sub = qobject_cast<QMdiSubWindow *>(screen->parentWidget()))
        return sub;
    return screen;
}

} // namespace

VelocityCalculator::VelocityCalculator(DesignCase &design, QObject *parent)
    : QObject(parent), m_design(design)
{
}

VelocityCalculator::~VelocityCalculator()
{
    reset();
}

void VelocityCalculator::show(QWidget *screen, int leftTwips, int topTwips)
{
    const bool placed = screen->property("niruka_placed").toBool();
    if (!placed) {
        screen->setProperty("niruka_placed", true);
        if (m_host) {
            m_host(screen, leftTwips, topTwips);
            return;
        }
        screen->move(leftTwips / kTwipsPerPixel, topTwips / kTwipsPerPixel);
    }
    QWidget *frame = frameOf(screen);
    screen->show();
    frame->show();
    frame->raise();
}

void VelocityCalculator::hide(QWidget *screen)
{
    if (!screen)
        return;
    frameOf(screen)->hide();
    screen->hide();
}

void VelocityCalculator::unload(QWidget *screen)
{
    if (!screen)
        return;
    // A sub-window deletes the screen with itself.
    QWidget *frame = frameOf(screen);
    frame->hide();
    frame->deleteLater();
}

template <class T> void VelocityCalculator::unloadSlot(QPointer<T> &slot)
{
    unload(slot);
    slot = nullptr;
}

template <class T> T *VelocityCalculator::facilityScreen(QPointer<T> &slot)
{
    if (!slot) {
        slot = new T;
        VelocityFacilityScreen *s = slot;
        connect(s, &VelocityFacilityScreen::calculateRequested, this, [this, s] { calculate(s); });
        connect(s, &VelocityFacilityScreen::cancelRequested, this, [this] {
            reset();
            emit cancelled();
        });
    }
    return slot;
}

void VelocityCalculator::ensureSelectScreen()
{
    if (m_select)
        return;
    m_select = new VelocitySelectScreen;
    connect(m_select, &VelocitySelectScreen::kindChosen, this, &VelocityCalculator::chooseKind);
    show(m_select, 0, 0);
    m_select->chooseKind(0);
}

void VelocityCalculator::open()
{
    const bool existed = m_select;
    ensureSelectScreen();
    if (existed)
        show(m_select, 0, 0);
    if (VelocityFacilityScreen *s = screenOfGroup(m_design.velocityFacility.screenGroup))
        show(s, kFacilityLeftTwips, 0);
    emit statusTextRequested(QString());
}

VelocityFacilityScreen *VelocityCalculator::screenOfGroup(int group) const
{
    switch (static_cast<VelocityScreenGroup>(group)) {
    case VelocityScreenGroup::Pipe:
        return m_pipe;
    case VelocityScreenGroup::Ditch:
        return m_ditch;
    case VelocityScreenGroup::Circular:
        return m_circular;
    case VelocityScreenGroup::Polygon:
        return m_polygon;
    case VelocityScreenGroup::None:
        break;
    }
    return nullptr;
}

void VelocityCalculator::chooseKind(int row)
{
    if (row < 0 || row > 7)
        return;
    const auto kind = static_cast<FacilityKind>(row);
    const VelocityScreenGroup group = velocityScreenGroupOf(kind);
    // The other facility screens close; the one of the kind opens beside the selection screen.
    if (group != VelocityScreenGroup::Pipe)
        unloadSlot(m_pipe);
    if (group != VelocityScreenGroup::Ditch)
        unloadSlot(m_ditch);
    if (group != VelocityScreenGroup::Circular)
        unloadSlot(m_circular);
    if (group != VelocityScreenGroup::Polygon)
        unloadSlot(m_polygon);
    VelocityFacilityScreen *screen = nullptr;
    switch (group) {
    case VelocityScreenGroup::Pipe:
        facilityScreen(m_pipe)->fillSeries(kind);
        screen = m_pipe;
        break;
    case VelocityScreenGroup::Ditch:
        screen = facilityScreen(m_ditch);
        break;
    case VelocityScreenGroup::Circular:
        screen = facilityScreen(m_circular);
        break;
    case VelocityScreenGroup::Polygon:
        screen = facilityScreen(m_polygon);
        if (!m_polygon->property("niruka_draw").toBool()) {
            m_polygon->setProperty("niruka_draw", true);
            connect(m_polygon, &VelocityPolygonScreen::drawRequested, this, &VelocityCalculator::draw);
        }
        break;
    case VelocityScreenGroup::None:
        return;
    }
    m_design.velocityFacility.screenGroup = static_cast<int>(group);
    // The screen of the kind opens beside the list without taking the focus from it: browsing the list
    // with the arrow keys goes on, and a key typed next lands where it did before.
    QWidget *focus = m_select ? m_select->window()->focusWidget() : nullptr;
    const bool keepFocus = focus && m_select->isAncestorOf(focus);
    show(screen, kFacilityLeftTwips, 0);
    if (keepFocus) {
        if (auto *sub = qobject_cast<QMdiSubWindow *>(m_select->parentWidget()); sub && sub->mdiArea())
            sub->mdiArea()->setActiveSubWindow(sub);
        else
            m_select->activateWindow();
        focus->setFocus(Qt::OtherFocusReason);
    }
}

VelocityOutcome VelocityCalculator::run(VelocityFacilityScreen *screen)
{
    return runOn(screen, m_design.velocityFacility);
}

VelocityOutcome VelocityCalculator::computeInto(VelocityFacility &facility) const
{
    return runOn(screenOfGroup(facility.screenGroup), facility);
}

VelocityOutcome VelocityCalculator::runOn(VelocityFacilityScreen *screen, VelocityFacility &vf) const
{
    const VelocityChoice choice = m_select ? m_select->choice() : VelocityChoice{};
    vf.facilityKind = choice.kind;
    vf.velocityFormula = choice.formula;
    VelocityOutcome out;
    if (screen && screen == m_pipe)
        out = calculateVelocityPipe(vf, choice, m_pipe->entries());
    else if (screen && screen == m_ditch)
        out = calculateVelocityDitch(vf, choice, m_ditch->entries());
    else if (screen && screen == m_circular)
        out = calculateVelocityCircular(vf, choice, m_circular->entries());
    else if (screen && screen == m_polygon)
        out = calculateVelocityPolygon(vf, choice, m_polygon->entries());
    else
        out.refusal =
            VelocityRefusal{QStringLiteral("施設の種類を選択してください。"), VelocityFocus::KindList, {}};
    return out;
}

bool VelocityCalculator::recompute()
{
    VelocityFacilityScreen *screen = screenOfGroup(m_design.velocityFacility.screenGroup);
    const VelocityOutcome out = run(screen);
    if (!out.refusal && screen == m_polygon && m_polygon)
        m_polygon->drawSketch(m_design.velocityFacility.vertexCount);
    return !out.refusal;
}

void VelocityCalculator::calculate(VelocityFacilityScreen *screen)
{
    const VelocityOutcome out = run(screen);
    VelocityFacility &vf = m_design.velocityFacility;
    if (out.refusal) {
        showError(screen, out.refusal->message);
        switch (out.refusal->focus) {
        case VelocityFocus::ManningOption:
            if (m_select)
                m_select->manningOption()->setFocus();
            break;
        case VelocityFocus::KindList:
            if (m_select)
                m_select->kindList()->setFocus();
            break;
        case VelocityFocus::Field:
            screen->focusControl(out.refusal->field);
            break;
        }
        return;
    }
    if (screen == m_polygon)
        m_polygon->drawSketch(vf.vertexCount);
    hide(m_select);
    hide(screen);
    emit velocityCalculated(out.velocityText);
    emit statusTextRequested(intensityStatusText());
}

void VelocityCalculator::draw()
{
    if (!m_polygon)
        return;
    // The same checks and computation as "計算", but the screen stays and nothing is handed on.
    const VelocityOutcome out = run(m_polygon);
    VelocityFacility &vf = m_design.velocityFacility;
    if (out.refusal) {
        showError(m_polygon, out.refusal->message);
        if (out.refusal->focus == VelocityFocus::ManningOption && m_select)
            m_select->manningOption()->setFocus();
        else
            m_polygon->focusControl(out.refusal->field);
        return;
    }
    m_polygon->drawSketch(vf.vertexCount);
}

void VelocityCalculator::reset()
{
    unloadSlot(m_pipe);
    unloadSlot(m_ditch);
    unloadSlot(m_circular);
    unloadSlot(m_polygon);
    unloadSlot(m_select);
    m_design.velocityFacility.screenGroup = 0;
}

void VelocityCalculator::hideScreens()
{
    hide(m_select);
    hide(m_pipe);
    hide(m_ditch);
    hide(m_circular);
    hide(m_polygon);
}

VelocityForms VelocityCalculator::forms() const
{
    VelocityForms f;
    f.screenGroup = m_design.velocityFacility.screenGroup;
    if (m_select) {
        const VelocityChoice c = m_select->choice();
        f.opt1 = c.formula == VelocityFormula::Manning;
        f.opt2 = c.formula == VelocityFormula::Kutter;
        f.lst_s = m_select->kindRow();
    }
    if (m_pipe)
        f.facility.pipe = m_pipe->form();
    if (m_ditch)
        f.facility.ditch = m_ditch->form();
    if (m_circular)
        f.facility.circular = m_circular->form();
    if (m_polygon)
        f.facility.polygon = m_polygon->form();
    return f;
}

void VelocityCalculator::setForms(const VelocityForms &f)
{
    ensureSelectScreen();
    m_select->setFormula(f.opt1, f.opt2);
    if (f.lst_s >= 0 && f.lst_s <= 7)
        m_select->chooseKind(f.lst_s);
    if (m_pipe)
        m_pipe->setForm(f.facility.pipe);
    if (m_ditch)
        m_ditch->setForm(f.facility.ditch);
    if (m_circular)
        m_circular->setForm(f.facility.circular);
    if (m_polygon)
        m_polygon->setForm(f.facility.polygon);
    m_design.velocityFacility.screenGroup = static_cast<int>(f.screenGroup);
    hide(m_select);
    hide(m_pipe);
    hide(m_ditch);
    hide(m_circular);
    hide(m_polygon);
}

void connectVelocityCalculator(IntensityScreen *intensity, VelocityCalculator *calculator)
{
    QObject::connect(intensity, &IntensityScreen::velocityCalculatorRequested, calculator,
                     &VelocityCalculator::open);
    QObject::connect(calculator, &VelocityCalculator::velocityCalculated, intensity,
                     &IntensityScreen::acceptVelocity);
}

} // namespace niruka
