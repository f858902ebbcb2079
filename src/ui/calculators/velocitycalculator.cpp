#include "ui/calculators/velocitycalculator.h"

#include "ui/calculators/intensityscreen.h"
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

// The events of a session the calculator owns: it is the session's only view.
class VelocityCalculator::OwnEvents final : public SessionEvents {
public:
    explicit OwnEvents(VelocityCalculator &calc) : m_calc(calc) {}
    void opened(ScreenId screen) override { m_calc.screenOpened(screen); }
    void closed(ScreenId screen) override { m_calc.screenClosed(screen); }
    void shown(ScreenId screen, bool visible) override { m_calc.screenShown(screen, visible); }
    void focus(const FocusRequest &request) override { m_calc.showFocus(request); }
    void changed(Parts parts) override
    {
        if (parts.testFlag(Part::Velocity))
            m_calc.render();
    }
    void status(const QString &text) override { emit m_calc.statusTextRequested(text); }

private:
    VelocityCalculator &m_calc;
};

VelocityCalculator::VelocityCalculator(VelocitySession &session, QObject *parent)
    : QObject(parent), m_session(&session)
{
}

VelocityCalculator::VelocityCalculator(DesignCase &design, QObject *parent)
    : QObject(parent), m_ownEvents(std::make_unique<OwnEvents>(*this)),
      m_ownSession(std::make_unique<VelocitySession>(design, *m_ownEvents, sessionServices())),
      m_session(m_ownSession.get())
{
    m_session->setHandBack([this](const QString &v) { emit velocityCalculated(v); });
}

VelocityCalculator::~VelocityCalculator()
{
    if (m_ownSession)
        m_ownSession->reset();
    for (QWidget *w : std::initializer_list<QWidget *>{m_pipe, m_ditch, m_circular, m_polygon, m_select}) {
        if (w) {
            QWidget *frame = frameOf(w);
            frame->hide();
            frame->deleteLater();
        }
    }
}

QWidget *VelocityCalculator::widgetOf(ScreenId screen) const
{
    switch (screen) {
    case ScreenId::VelocitySelect:
        return m_select;
    case ScreenId::VelocityPipe:
        return m_pipe;
    case ScreenId::VelocityDitch:
        return m_ditch;
    case ScreenId::VelocityCircular:
        return m_circular;
    case ScreenId::VelocityPolygon:
        return m_polygon;
    default:
        return nullptr;
    }
}

void VelocityCalculator::screenOpened(ScreenId screen)
{
    VelocityFacilityScreen *facility = nullptr;
    switch (screen) {
    case ScreenId::VelocitySelect:
        if (!m_select)
            m_select = new VelocitySelectScreen(*m_session);
        return;
    case ScreenId::VelocityPipe:
        if (!m_pipe)
            facility = m_pipe = new VelocityPipeScreen(m_session);
        break;
    case ScreenId::VelocityDitch:
        if (!m_ditch)
            facility = m_ditch = new VelocityDitchScreen(m_session);
        break;
    case ScreenId::VelocityCircular:
        if (!m_circular)
            facility = m_circular = new VelocityCircularScreen(m_session);
        break;
    case ScreenId::VelocityPolygon:
        if (!m_polygon) {
            m_polygon = new VelocityPolygonScreen(m_session);
            facility = m_polygon;
            connect(m_polygon, &VelocityPolygonScreen::drawRequested, this, [this] { m_session->draw(); });
        }
        break;
    default:
        return;
    }
    if (!facility)
        return;
    const ScreenId id = facility->screenId();
    connect(facility, &VelocityFacilityScreen::calculateRequested, this,
            [this, id] { m_session->calculate(id); });
    connect(facility, &VelocityFacilityScreen::cancelRequested, this, [this] {
        m_session->cancel();
        emit cancelled();
    });
}

void VelocityCalculator::screenClosed(ScreenId screen)
{
    QWidget *w = widgetOf(screen);
    switch (screen) {
    case ScreenId::VelocitySelect:
        m_select = nullptr;
        break;
    case ScreenId::VelocityPipe:
        m_pipe = nullptr;
        break;
    case ScreenId::VelocityDitch:
        m_ditch = nullptr;
        break;
    case ScreenId::VelocityCircular:
        m_circular = nullptr;
        break;
    case ScreenId::VelocityPolygon:
        m_polygon = nullptr;
        break;
    default:
        return;
    }
    if (!w)
        return;
    // A sub-window deletes the screen with itself.
    QWidget *frame = frameOf(w);
    frame->hide();
    frame->deleteLater();
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

void VelocityCalculator::screenShown(ScreenId screen, bool visible)
{
    QWidget *w = widgetOf(screen);
    if (!w)
        return;
    if (!visible) {
        frameOf(w)->hide();
        w->hide();
        return;
    }
    if (screen == ScreenId::VelocitySelect) {
        show(w, 0, 0);
        return;
    }
    // A facility screen opens beside the list without taking the focus from it: browsing the list with the
    // arrow keys goes on, and a key typed next lands where it did before.
    QWidget *focus = m_select ? m_select->window()->focusWidget() : nullptr;
    const bool keepFocus = focus && m_select->isAncestorOf(focus);
    show(w, kFacilityLeftTwips, 0);
    if (keepFocus) {
        if (auto *sub = qobject_cast<QMdiSubWindow *>(m_select->parentWidget()); sub && sub->mdiArea())
            sub->mdiArea()->setActiveSubWindow(sub);
        else
            m_select->activateWindow();
        focus->setFocus(Qt::OtherFocusReason);
    }
}

void VelocityCalculator::showFocus(const FocusRequest &request)
{
    QWidget *w = widgetOf(request.control.screen);
    if (!w)
        return;
    if (auto *facility = qobject_cast<VelocityFacilityScreen *>(w)) {
        facility->focusControl(request.control.name);
        return;
    }
    if (QWidget *control = w->findChild<QWidget *>(request.control.name))
        control->setFocus();
}

void VelocityCalculator::render()
{
    if (m_select)
        m_select->render();
    for (VelocityFacilityScreen *s :
         std::initializer_list<VelocityFacilityScreen *>{m_pipe, m_ditch, m_circular, m_polygon})
        if (s)
            s->render();
}

void VelocityCalculator::open()
{
    m_session->open();
}

void VelocityCalculator::reset()
{
    m_session->reset();
}

void VelocityCalculator::hideScreens()
{
    m_session->hideScreens();
}

VelocityForms VelocityCalculator::forms() const
{
    return m_session->forms();
}

void VelocityCalculator::setForms(const VelocityForms &f)
{
    m_session->setForms(f);
}

bool VelocityCalculator::recompute()
{
    return m_session->recompute();
}

VelocityOutcome VelocityCalculator::computeInto(VelocityFacility &facility) const
{
    return m_session->computeInto(facility);
}

void connectVelocityCalculator(IntensityScreen *intensity, VelocityCalculator *calculator)
{
    QObject::connect(intensity, &IntensityScreen::velocityCalculatorRequested, calculator,
                     &VelocityCalculator::open);
    QObject::connect(calculator, &VelocityCalculator::velocityCalculated, intensity,
                     &IntensityScreen::acceptVelocity);
}

} // namespace niruka
