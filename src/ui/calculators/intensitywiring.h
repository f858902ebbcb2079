#pragma once
// Connects the auxiliary calculators of the conditions screen to the main window: "加重平均" opens the
// runoff screen, "計算する" the intensity screen, whose "計算する" beside V opens the velocity calculator.
// Hand-backs go into the conditions screen's boxes as text; the screens are sub-windows of the main window,
// hidden by their buttons and unloaded by direct entry and by closing the design.

#include "docs/projectfile.h"
#include "docs/projectrecord.h"
#include "session/designcheck.h"
#include "session/runoffrules.h"
#include "session/runoffsession.h"

#include <QObject>
#include <QPointer>
#include <memory>

namespace niruka {

class IntensityScreen;
class MainFrame;
class RunoffScreen;
class VelocityCalculator;

class AuxiliaryCalculators : public QObject {
    Q_OBJECT
public:
    // Installs the command handlers "Command4" and "Command2" on the frame; a child of the frame.
    explicit AuxiliaryCalculators(MainFrame &frame);
    ~AuxiliaryCalculators() override;

    // The screens, created hidden on first use (the project file reads and restores them).
    RunoffScreen *runoffScreen();
    IntensityScreen *intensityScreen();
    VelocityCalculator *velocityCalculator() const { return m_velocity; }
    // Null while the screen does not exist.
    RunoffScreen *existingRunoffScreen() const { return m_runoff; }
    IntensityScreen *existingIntensityScreen() const { return m_intensity; }

    // The project file: the calculators' part of the record (intensity, river and inflow screens, the kept
    // inflow-time numbers, runoff, velocity calculator), and its restoration after the conditions and the
    // facility have been restored: Keisan_1/Keisan_2, Ryusyutu_1/Ryusyutu_2 handing C and A back to the
    // conditions screen, and the velocity facility's set-up, every screen hidden.
    void collect(ProjectRecord &record);
    void restore(const ProjectRecord &record, const ProjectReadResult &read);

    // What the design's check derives its calculators' values from.
    CalculatorEntries calculatorEntries();

    RunoffSession &runoffSession() { return m_runoffSession; }

    void openRunoff();    // "加重平均"
    void openIntensity(); // "計算する" beside I

private:
    class Events;
    void onRunoffConfirmed(const QString &coeffText, const QString &areaText);
    void onRunoffCancelled();
    void onIntensityConfirmed(const QString &intensityText);
    void onIntensityCancelled();
    void discardRunoff();
    void discardIntensity();
    void unloadAll();

    MainFrame &m_frame;
    std::unique_ptr<Events> m_events;
    RunoffSession m_runoffSession;
    QPointer<RunoffScreen> m_runoff;
    QPointer<IntensityScreen> m_intensity;
    VelocityCalculator *m_velocity = nullptr;
};

} // namespace niruka
