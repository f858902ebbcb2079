#include "ui/calculators/auxiliarycalculators.h"

#include "session/calculatorsessions.h"
#include "session/designsession.h"
#include "ui/calculators/intensityscreen.h"
#include "ui/calculators/runoffscreen.h"
#include "ui/calculators/velocitycalculator.h"
#include "ui/mainwindow/mainframe.h"

#include <QMdiSubWindow>

namespace niruka {
namespace {

void unloadScreen(QWidget *screen)
{
    if (!screen)
        return;
    QWidget *window = qobject_cast<QMdiSubWindow *>(screen->parentWidget());
    if (!window)
        window = screen;
    window->hide();
    window->deleteLater();
}

void hideScreen(QWidget *screen)
{
    if (auto *sub = qobject_cast<QMdiSubWindow *>(screen->parentWidget()))
        sub->hide();
    screen->hide();
}

bool isHelper(ScreenId s)
{
    return s == ScreenId::InflowTime || s == ScreenId::RiverTime;
}

bool isVelocity(ScreenId s)
{
    return s == ScreenId::VelocitySelect || s == ScreenId::VelocityPipe || s == ScreenId::VelocityDitch ||
           s == ScreenId::VelocityCircular || s == ScreenId::VelocityPolygon;
}

} // namespace

AuxiliaryCalculators::AuxiliaryCalculators(MainFrame &frame) : QObject(&frame), m_frame(frame)
{
    DesignSession &s = session();
    m_velocity = new VelocityCalculator(s.velocity(), this);
    m_velocity->setScreenHost(
        [this](QWidget *screen, int left, int top) { m_frame.addScreen(screen, left, top); });
    // The calculator's "キャンセル" leaves the intensity screen in front, not whichever screen is next.
    connect(m_velocity, &VelocityCalculator::cancelled, this, [this] {
        if (m_intensity && m_intensity->isVisible())
            m_frame.activateScreen(m_intensity);
    });
    connect(&s, &DesignSession::screenOpened, this, &AuxiliaryCalculators::onOpened);
    connect(&s, &DesignSession::screenClosed, this, &AuxiliaryCalculators::onClosed);
    connect(&s, &DesignSession::screenShown, this, &AuxiliaryCalculators::onShown);
    connect(&s, &DesignSession::focusRequested, this, &AuxiliaryCalculators::onFocus);
    connect(&s, &DesignSession::partsChanged, this, &AuxiliaryCalculators::onChanged);
    frame.setCommandHandler("Command4", [this] { session().weightedAverage(); });
    frame.setCommandHandler("Command2", [this] { session().computeIntensity(); });
}

AuxiliaryCalculators::~AuxiliaryCalculators()
{
    disconnect(&session(), nullptr, this, nullptr);
    // The velocity windows go while the session they show still exists.
    delete m_velocity;
    m_velocity = nullptr;
}

DesignSession &AuxiliaryCalculators::session() const
{
    return m_frame.session();
}

RunoffScreen *AuxiliaryCalculators::existingRunoffScreen() const
{
    return m_runoff;
}

IntensityScreen *AuxiliaryCalculators::existingIntensityScreen() const
{
    return m_intensity;
}

RunoffScreen *AuxiliaryCalculators::runoffScreen()
{
    session().runoff().ensure();
    return m_runoff;
}

IntensityScreen *AuxiliaryCalculators::intensityScreen()
{
    session().intensity().ensure();
    return m_intensity;
}

// The session's events: each makes, places, shows, hides or unloads the window of a calculator's screen,
// or redraws it, in the order the events come. The design screens' events are the main window's.
void AuxiliaryCalculators::onOpened(ScreenId screen)
{
    if (screen == ScreenId::Runoff) {
        auto *view = new RunoffScreen(session().runoff());
        m_runoff = view;
        m_frame.addScreen(view, 0, 0);
        hideScreen(view);
    } else if (screen == ScreenId::Intensity) {
        auto *view = new IntensityScreen(session().intensity());
        m_intensity = view;
        m_frame.addScreen(view, 0, 0);
        hideScreen(view);
    } else if (isHelper(screen) && m_intensity) {
        m_intensity->helperOpened(screen);
    } else if (isVelocity(screen)) {
        m_velocity->screenOpened(screen);
    }
}

void AuxiliaryCalculators::onClosed(ScreenId screen)
{
    if (screen == ScreenId::Runoff) {
        unloadScreen(m_runoff);
        m_runoff = nullptr;
    } else if (screen == ScreenId::Intensity) {
        unloadScreen(m_intensity);
        m_intensity = nullptr;
    } else if (isHelper(screen) && m_intensity) {
        m_intensity->helperClosed(screen);
    } else if (isVelocity(screen)) {
        m_velocity->screenClosed(screen);
    }
}

void AuxiliaryCalculators::onShown(ScreenId screen, bool visible)
{
    if (screen == ScreenId::Runoff && m_runoff) {
        setCalculatorShown(m_runoff, visible);
        if (visible)
            m_frame.activateScreen(m_runoff);
    } else if (screen == ScreenId::Intensity && m_intensity) {
        if (visible)
            m_frame.activateScreen(m_intensity);
        setCalculatorShown(m_intensity, visible);
    } else if (isHelper(screen) && m_intensity) {
        m_intensity->helperShown(screen, visible);
    } else if (isVelocity(screen)) {
        m_velocity->screenShown(screen, visible);
    }
}

void AuxiliaryCalculators::onFocus(const FocusRequest &request)
{
    const ScreenId s = request.control.screen;
    if (s == ScreenId::Runoff && m_runoff)
        m_runoff->showFocus(request);
    else if (s == ScreenId::Intensity && request.activateScreen && m_intensity)
        m_frame.activateScreen(m_intensity);
    else if ((s == ScreenId::Intensity || isHelper(s)) && m_intensity)
        m_intensity->showFocus(request);
    else if (isVelocity(s))
        m_velocity->showFocus(request);
}

void AuxiliaryCalculators::onChanged(Parts parts)
{
    if (parts.testFlag(Part::Runoff) && m_runoff)
        m_runoff->render();
    if (m_intensity)
        m_intensity->renderParts(parts);
    if (parts.testFlag(Part::Velocity) && m_velocity)
        m_velocity->render();
}

} // namespace niruka
