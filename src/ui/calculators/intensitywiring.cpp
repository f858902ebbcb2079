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

AuxiliaryCalculators::AuxiliaryCalculators(MainFrame &frame) : QObject(&frame), m_frame(frame)
{
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

CalculatorEntries AuxiliaryCalculators::calculatorEntries()
{
    CalculatorEntries e;
    if (m_intensity) {
        e.intensity = &m_intensity->state();
        e.river = m_intensity->riverForm();
    }
    if (m_runoff) {
        m_runoffRows = m_runoff->rows();
        e.runoff = &m_runoffRows;
    }
    e.velocity = [this](VelocityFacility &facility) { return m_velocity->computeInto(facility); };
    return e;
}

RunoffScreen *AuxiliaryCalculators::runoffScreen()
{
    if (!m_runoff) {
        m_runoff = new RunoffScreen(m_frame.design());
        connect(m_runoff, &RunoffScreen::statusTextRequested, &m_frame, &MainFrame::statusMessage);
        connect(m_runoff, &RunoffScreen::runoffConfirmed, this, &AuxiliaryCalculators::onRunoffConfirmed);
        connect(m_runoff, &RunoffScreen::runoffCancelled, this, &AuxiliaryCalculators::onRunoffCancelled);
        m_frame.closeResultOnEntryChange(m_runoff);
        m_frame.addScreen(m_runoff, 0, 0);
        hideScreen(m_runoff);
    }
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
    if (m_runoff)
        record.runoff = m_runoff->form();
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
    if (read.runoffRead) {
        RunoffScreen *s = runoffScreen();
        s->setForm(record.runoff);
        const RunoffOutcome out = s->calculate();
        if (!out.refusal) {
            if (ConditionsScreen *cs = m_frame.conditionsScreen()) {
                cs->cField()->setText(out.coeffText);
                cs->aField()->setText(out.areaText);
            }
        }
        hideScreen(s);
    }
    if (read.velocityRead) {
        m_velocity->setForms(record.velocity);
        m_velocity->recompute();
    }
}

void AuxiliaryCalculators::openRunoff()
{
    RunoffScreen *s = runoffScreen();
    s->openScreen();
    m_frame.activateScreen(s);
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
    const bool shown = m_runoff && m_runoff->isVisible();
    unloadScreen(m_runoff);
    m_runoff = nullptr;
    if (shown)
        onRunoffCancelled();
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
