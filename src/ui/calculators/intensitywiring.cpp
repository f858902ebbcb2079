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
        if (screen != ScreenId::Runoff)
            return;
        auto *view = new RunoffScreen(m_owner.m_runoffSession);
        m_owner.m_runoff = view;
        m_owner.m_frame.addScreen(view, 0, 0);
        hideScreen(view);
    }
    void closed(ScreenId screen) override
    {
        if (screen != ScreenId::Runoff)
            return;
        unloadScreen(m_owner.m_runoff);
        m_owner.m_runoff = nullptr;
    }
    void shown(ScreenId screen, bool visible) override
    {
        if (screen != ScreenId::Runoff || !m_owner.m_runoff)
            return;
        setCalculatorShown(m_owner.m_runoff, visible);
        if (visible)
            m_owner.m_frame.activateScreen(m_owner.m_runoff);
    }
    void focus(const FocusRequest &request) override
    {
        if (request.control.screen == ScreenId::Runoff && m_owner.m_runoff)
            m_owner.m_runoff->showFocus(request);
    }
    void changed(Parts parts) override
    {
        if (parts.testFlag(Part::Runoff) && m_owner.m_runoff)
            m_owner.m_runoff->render();
    }
    void status(const QString &text) override { m_owner.m_frame.statusMessage(text); }

private:
    AuxiliaryCalculators &m_owner;
};

AuxiliaryCalculators::AuxiliaryCalculators(MainFrame &frame)
    : QObject(&frame), m_frame(frame), m_events(std::make_unique<Events>(*this)),
      m_runoffSession(frame.design(), *m_events, sessionServices())
{
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
    m_velocity = new VelocityCalculator(frame.design(), this);
    m_velocity->setScreenHost([this](QWidget *screen, int left, int top) {
        m_frame.closeResultOnEntryChange(screen);
        m_frame.addScreen(screen, left, top);
    });
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

AuxiliaryCalculators::~AuxiliaryCalculators() = default;

CalculatorEntries AuxiliaryCalculators::calculatorEntries()
{
    CalculatorEntries e;
    if (m_intensity) {
        e.intensity = &m_intensity->state();
        e.river = m_intensity->riverForm();
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
    if (!m_intensity) {
        m_intensity = new IntensityScreen(m_frame.design());
        connect(m_intensity, &IntensityScreen::statusTextRequested, &m_frame, &MainFrame::statusMessage);
        connect(m_intensity, &IntensityScreen::intensityConfirmed, this,
                &AuxiliaryCalculators::onIntensityConfirmed);
        connect(m_intensity, &IntensityScreen::intensityCancelled, this,
                &AuxiliaryCalculators::onIntensityCancelled);
        connectVelocityCalculator(m_intensity, m_velocity);
        m_frame.closeResultOnEntryChange(m_intensity);
        connect(m_intensity, &IntensityScreen::entriesChanged, &m_frame, &MainFrame::closeResult);
        m_frame.addScreen(m_intensity, 0, 0);
        hideScreen(m_intensity);
    }
    return m_intensity;
}

void AuxiliaryCalculators::collect(ProjectRecord &record)
{
    if (m_intensity) {
        record.intensity = m_intensity->form();
        record.river = m_intensity->riverForm();
        record.inflow = m_intensity->inflowForm();
    }
    const IntensityInputs &in = m_frame.design().intensity;
    record.kept = KeptInflowNumbers{in.slopeLength, in.slopeGradient, in.retardance};
    if (m_runoffSession.exists())
        record.runoff = m_runoffSession.form();
    record.velocity = m_velocity->forms();
}

void AuxiliaryCalculators::restore(const ProjectRecord &record, const ProjectReadResult &read)
{
    DesignCase &design = m_frame.design();
    if (read.intensityRead) {
        IntensityScreen *s = intensityScreen();
        s->setForm(record.intensity);
        s->setRiverForm(record.river);
        s->calculate();
        design.intensity.slopeLength = record.kept.slopeLength;
        design.intensity.slopeGradient = record.kept.slopeGradient;
        design.intensity.retardance = record.kept.retardance;
        s->setInflowForm(record.inflow);
        hideScreen(s);
    }
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
    IntensityScreen *s = intensityScreen();
    m_frame.activateScreen(s);
    s->openScreen();
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
    const bool shown = m_intensity && m_intensity->isVisible();
    unloadScreen(m_intensity);
    m_intensity = nullptr;
    m_velocity->hideScreens();
    if (shown)
        onIntensityCancelled();
}

void AuxiliaryCalculators::unloadAll()
{
    discardIntensity();
    discardRunoff();
    m_velocity->reset();
}

} // namespace niruka
