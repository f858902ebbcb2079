#pragma once
// The windows of the conditions screen's calculators: the runoff screen ("加重平均"), the intensity screen
// ("計算する" beside I) with its inflow and river time screens, and the velocity calculator ("計算する"
// beside V). The calculators themselves are the open design's (DesignSession::calculators()); this class
// only makes, places, shows, hides and unloads their sub-windows as the design session's events say.

#include "session/sessionstate.h"

#include <QObject>
#include <QPointer>

namespace niruka {

class DesignSession;
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

    // The screens, created hidden on first use.
    RunoffScreen *runoffScreen();
    IntensityScreen *intensityScreen();
    VelocityCalculator *velocityCalculator() const { return m_velocity; }
    // Null while the screen does not exist.
    RunoffScreen *existingRunoffScreen() const;
    IntensityScreen *existingIntensityScreen() const;

private:
    DesignSession &session() const;
    void onOpened(ScreenId screen);
    void onClosed(ScreenId screen);
    void onShown(ScreenId screen, bool visible);
    void onFocus(const FocusRequest &request);
    void onChanged(Parts parts);

    MainFrame &m_frame;
    QPointer<RunoffScreen> m_runoff;
    QPointer<IntensityScreen> m_intensity;
    VelocityCalculator *m_velocity = nullptr;
};

} // namespace niruka
