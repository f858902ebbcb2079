#include "ui/calculators/intensitywiring.h"

#include "ui/calculators/intensityscreen.h"
#include "ui/calculators/runoffscreen.h"
#include "ui/calculators/velocitycalculator.h"
#include "ui/design/conditionsscreen.h"
#include "ui/mainwindow/mainframe.h"

#include <QAction>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QRadioButton>
#include <QStatusBar>
#include <QToolBar>

namespace niruka {
namespace {

void unloadScreen(QWidget *screen)
{
    if (!screen)
        return;
    if (auto *sub = qobject_cast<QMdiSubWindow *>(screen->parentWidget())) {
        sub->hide();
        sub->deleteLater();
    } else {
        screen->hide();
        screen->deleteLater();
    }
}

void hideScreen(QWidget *screen)
{
    if (auto *sub = qobject_cast<QMdiSubWindow *>(screen->parentWidget()))
        sub->hide();
    screen->hide();
}

void check(QWidget *screen, const char *option)
{
    if (auto *opt = screen->findChild<QRadioButton *>(QString::fromLatin1(option)))
        opt->setChecked(true);
}

} // namespace

// The sessions' events: each makes, places, shows, hides or unloads the window of its screen, or redraws
// it, in the order the events come.
class AuxiliaryCalculators::Events final : public SessionEvents {
public:
    explicit Events(AuxiliaryCalculators &owner) : m_owner(owner) {}

    void opened(ScreenId screen) override
    {
        if (screen == ScreenId::Runoff) {
            auto *view = new RunoffScreen(m_owner.m_runoffSession);
            m_owner.m_runoff = view;
            m_owner.m_frame.addScreen(view, 0, 0);
            hideScreen(view);
        } else if (screen == ScreenId::Intensity) {
            auto *view = new IntensityScreen(m_owner.m_intensitySession);
            m_owner.m_intensity = view;
            m_owner.m_frame.addScreen(view, 0, 0);
            hideScreen(view);
        } else if (isHelper(screen) && m_owner.m_intensity) {
            m_owner.m_intensity->helperOpened(screen);
        } else if (isVelocity(screen)) {
            m_owner.m_velocity->screenOpened(screen);
        }
    }
    void closed(ScreenId screen) override
    {
        if (screen == ScreenId::Runoff) {
            unloadScreen(m_owner.m_runoff);
            m_owner.m_runoff = nullptr;
        } else if (screen == ScreenId::Intensity) {
            unloadScreen(m_owner.m_intensity);
            m_owner.m_intensity = nullptr;
        } else if (isHelper(screen) && m_owner.m_intensity) {
            m_owner.m_intensity->helperClosed(screen);
        } else if (isVelocity(screen)) {
            m_owner.m_velocity->screenClosed(screen);
        }
    }
    void shown(ScreenId screen, bool visible) override
    {
        if (screen == ScreenId::Runoff && m_owner.m_runoff) {
            setCalculatorShown(m_owner.m_runoff, visible);
            if (visible)
                m_owner.m_frame.activateScreen(m_owner.m_runoff);
        } else if (screen == ScreenId::Intensity && m_owner.m_intensity) {
            if (visible)
                m_owner.m_frame.activateScreen(m_owner.m_intensity);
            setCalculatorShown(m_owner.m_intensity, visible);
        } else if (isHelper(screen) && m_owner.m_intensity) {
            m_owner.m_intensity->helperShown(screen, visible);
        } else if (isVelocity(screen)) {
            m_owner.m_velocity->screenShown(screen, visible);
        }
    }
    void focus(const FocusRequest &request) override
    {
        const ScreenId s = request.control.screen;
        if (s == ScreenId::Runoff && m_owner.m_runoff)
            m_owner.m_runoff->showFocus(request);
        else if (s == ScreenId::Intensity && request.activateScreen && m_owner.m_intensity)
            m_owner.m_frame.activateScreen(m_owner.m_intensity);
        else if ((s == ScreenId::Intensity || isHelper(s)) && m_owner.m_intensity)
            m_owner.m_intensity->showFocus(request);
        else if (isVelocity(s))
            m_owner.m_velocity->showFocus(request);
    }
    void changed(Parts parts) override
    {
        if (parts.testFlag(Part::Runoff) && m_owner.m_runoff)
            m_owner.m_runoff->render();
        if (m_owner.m_intensity)
            m_owner.m_intensity->renderParts(parts);
        if (parts.testFlag(Part::Velocity) && m_owner.m_velocity)
            m_owner.m_velocity->render();
    }
    void status(const QString &text) override { m_owner.m_frame.statusMessage(text); }

private:
    static bool isHelper(ScreenId s) { return s == ScreenId::InflowTime || s == ScreenId::RiverTime; }
    static bool isVelocity(ScreenId s)
    {
        return s == ScreenId::VelocitySelect || s == ScreenId::VelocityPipe || s == ScreenId::VelocityDitch ||
               s == ScreenId::VelocityCircular || s == ScreenId::VelocityPolygon;
    }
    AuxiliaryCalculators &m_owner;
};

AuxiliaryCalculators::AuxiliaryCalculators(MainFrame &frame)
    : QObject(&frame), m_frame(frame), m_events(std::make_unique<Events>(*this)),
      m_runoffSession(frame.design(), *m_events, sessionServices()),
      m_intensitySession(frame.design(), *m_events, sessionServices()),
      m_velocitySession(frame.design(), *m_events, sessionServices())
{
    m_velocitySession.connectIntensity(m_intensitySession);
    m_velocitySession.setEntryChanged([this] { m_frame.closeResult(); });
    IntensityHandBacks intensityHandBacks;
    intensityHandBacks.confirmed = [this](const QString &i) { onIntensityConfirmed(i); };
    intensityHandBacks.cancelled = [this] { onIntensityCancelled(); };
    intensityHandBacks.entryChanged = [this] { m_frame.closeResult(); };
    m_intensitySession.setHandBacks(std::move(intensityHandBacks));
    m_runoffSession.setHandBacks(
        RunoffHandBacks{[this](const QString &c, const QString &a) { onRunoffConfirmed(c, a); },
                        [this] { onRunoffCancelled(); },
                        [this](const QString &c, const QString &a) {
                            if (ConditionsScreen *cs = m_frame.conditionsScreen()) {
                                cs->cField()->setText(c);
                                cs->aField()->setText(a);
                            }
                        },
                        [this] { m_frame.closeResult(); }});
    m_velocity = new VelocityCalculator(m_velocitySession, this);
    m_velocity->setScreenHost(
        [this](QWidget *screen, int left, int top) { m_frame.addScreen(screen, left, top); });
    connect(m_velocity, &VelocityCalculator::statusTextRequested, &frame, &MainFrame::statusMessage);
    // The calculator's "キャンセル" leaves the intensity screen in front, not whichever screen is next.
    connect(m_velocity, &VelocityCalculator::cancelled, this, [this] {
        if (m_intensity && m_intensity->isVisible())
            m_frame.activateScreen(m_intensity);
    });
    frame.setCommandHandler("Command4", [this] { openRunoff(); });
    frame.setCommandHandler("Command2", [this] { openIntensity(); });
    connect(&frame, &MainFrame::closeRunoffScreenRequested, this, &AuxiliaryCalculators::discardRunoff);
    connect(&frame, &MainFrame::closeIntensityScreenRequested, this, &AuxiliaryCalculators::discardIntensity);
    connect(&frame, &MainFrame::designScreensClosing, this, &AuxiliaryCalculators::unloadAll);
    frame.setCalculatorEntries([this] { return calculatorEntries(); });
}

AuxiliaryCalculators::~AuxiliaryCalculators()
{
    // The velocity windows go while the session they show still exists.
    delete m_velocity;
    m_velocity = nullptr;
}

CalculatorEntries AuxiliaryCalculators::calculatorEntries()
{
    CalculatorEntries e;
    if (m_intensitySession.exists()) {
        e.intensity = &m_intensitySession.state();
        e.river = m_intensitySession.riverForm();
    }
    if (m_runoffSession.exists())
        e.runoff = &m_runoffSession.rows();
    e.velocity = [this](VelocityFacility &facility) { return m_velocity->computeInto(facility); };
    return e;
}

RunoffScreen *AuxiliaryCalculators::runoffScreen()
{
    m_runoffSession.ensure();
    return m_runoff;
}

IntensityScreen *AuxiliaryCalculators::intensityScreen()
{
    m_intensitySession.ensure();
    return m_intensity;
}

void AuxiliaryCalculators::collect(ProjectRecord &record)
{
    if (m_intensitySession.exists()) {
        record.intensity = m_intensitySession.form();
        record.river = m_intensitySession.riverForm();
        record.inflow = m_intensitySession.inflowForm();
    }
    const IntensityInputs &in = m_frame.design().intensity;
    record.kept = KeptInflowNumbers{in.slopeLength, in.slopeGradient, in.retardance};
    if (m_runoffSession.exists())
        record.runoff = m_runoffSession.form();
    record.velocity = m_velocity->forms();
}

void AuxiliaryCalculators::restore(const ProjectRecord &record, const ProjectReadResult &read)
{
    if (read.intensityRead)
        m_intensitySession.restore(record.intensity, record.river, record.kept, record.inflow);
    if (read.runoffRead)
        m_runoffSession.restore(record.runoff);
    if (read.velocityRead) {
        m_velocity->setForms(record.velocity);
        m_velocity->recompute();
    }
}

void AuxiliaryCalculators::openRunoff()
{
    m_runoffSession.open();
}

void AuxiliaryCalculators::openIntensity()
{
    m_intensitySession.open();
}

void AuxiliaryCalculators::onRunoffConfirmed(const QString &coeffText, const QString &areaText)
{
    m_frame.closeResult();
    if (ConditionsScreen *cs = m_frame.conditionsScreen()) {
        cs->cField()->setText(coeffText);
        cs->aField()->setText(areaText);
        cs->setEditableLook(cs->cField(), false);
        cs->setEditableLook(cs->aField(), false);
        check(cs, "opt6");
        m_frame.activateScreen(cs);
        if (auto *direct = cs->findChild<QWidget *>(QStringLiteral("Command1")))
            direct->setFocus();
    }
    m_frame.design().runoffMode = RunoffMode::WeightedAverage;
    m_frame.action("Men_S")->setEnabled(true);
    m_frame.action("Men_G")->setEnabled(true);
    m_frame.toolBar()->setVisible(true);
    m_frame.statusBar()->setVisible(true);
}

void AuxiliaryCalculators::onRunoffCancelled()
{
    m_frame.action("Men_G")->setEnabled(true);
    m_frame.toolBar()->setVisible(true);
}

void AuxiliaryCalculators::onIntensityConfirmed(const QString &intensityText)
{
    m_frame.closeResult();
    if (ConditionsScreen *cs = m_frame.conditionsScreen()) {
        cs->iField()->setText(intensityText);
        cs->setEditableLook(cs->iField(), false);
        check(cs, "opt4");
        cs->focusField("lst_s");
    }
    m_frame.design().intensityMode = IntensityMode::Computed;
    m_frame.action("Men_G")->setEnabled(true);
    m_frame.toolBar()->setVisible(true);
    m_velocity->hideScreens();
}

void AuxiliaryCalculators::onIntensityCancelled()
{
    // The velocity calculator belongs to the intensity screen and goes with it.
    m_velocity->hideScreens();
    m_frame.action("Men_S")->setEnabled(true);
    m_frame.action("Men_G")->setEnabled(true);
    m_frame.toolBar()->setVisible(true);
}

// A runoff or intensity screen that is unloaded while it is shown (新規作成, 開く, 閉じる, direct entry)
// gives back the diagram menu and the toolbar it took, as its own buttons would.
void AuxiliaryCalculators::discardRunoff()
{
    m_runoffSession.discard();
}

void AuxiliaryCalculators::discardIntensity()
{
    m_intensitySession.discard();
    m_velocity->hideScreens();
}

void AuxiliaryCalculators::unloadAll()
{
    discardIntensity();
    discardRunoff();
    m_velocity->reset();
}

} // namespace niruka
