#pragma once
// The velocity calculator for the flow time: the selection screen and the four facility screens, their
// opening, kind switching, "計算" (V handed to the intensity screen as "0.00##"), hiding on success and
// reset on "キャンセル". Its record is the design's `velocityFacility`; nothing else of the design changes.

#include "docs/projectrecord.h"
#include "model/designcase.h"
#include "session/velocityrules.h"
#include "ui/calculators/velocitycircularscreen.h"
#include "ui/calculators/velocityditchscreen.h"
#include "ui/calculators/velocitypipescreen.h"
#include "ui/calculators/velocitypolygonscreen.h"
#include "ui/calculators/velocityselectscreen.h"

#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;

namespace niruka {

class IntensityScreen;

class VelocityCalculator : public QObject {
    Q_OBJECT
public:
    // Places a newly created screen at a position in twips and shows it (the main window's sub-windows).
    using ScreenHost = std::function<void(QWidget *screen, int leftTwips, int topTwips)>;

    explicit VelocityCalculator(DesignCase &design, QObject *parent = nullptr);
    ~VelocityCalculator() override;

    // Without a host the screens are top-level windows placed at the same positions.
    void setScreenHost(ScreenHost host) { m_host = std::move(host); }

    // "計算する" beside V on the intensity screen.
    void open();
    // Unloads every screen and sets screenGroup to 0 (closing the design, "キャンセル").
    void reset();
    // Hides every screen, keeping its entries (the intensity screen that owns the calculator goes away).
    void hideScreens();

    // The screens' contents as the project file holds them, and their restoration (screens hidden).
    VelocityForms forms() const;
    void setForms(const VelocityForms &forms);

    // The set-up step after a project file is read: the entries of the facility screen of screenGroup go
    // into velocityFacility with its section and V, without messages and without handing V on.
    // False when the entries are refused.
    bool recompute();
    // The facility screen of screenGroup computed into `facility` as "計算" would (kind and formula of the
    // selection screen), without messages, screens or hand-back. The design's record is not touched.
    VelocityOutcome computeInto(VelocityFacility &facility) const;

    VelocitySelectScreen *selectScreen() const { return m_select; }
    VelocityPipeScreen *pipeScreen() const { return m_pipe; }
    VelocityDitchScreen *ditchScreen() const { return m_ditch; }
    VelocityCircularScreen *circularScreen() const { return m_circular; }
    VelocityPolygonScreen *polygonScreen() const { return m_polygon; }

signals:
    // A velocity was calculated: V formatted "0.00##" for the intensity screen's V field.
    void velocityCalculated(const QString &velocityText);
    // "キャンセル" on a facility screen has closed the calculator.
    void cancelled();
    void statusTextRequested(const QString &text);

private:
    void ensureSelectScreen();
    void chooseKind(int row);
    void show(QWidget *screen, int leftTwips, int topTwips);
    void hide(QWidget *screen);
    void unload(QWidget *screen);
    void calculate(VelocityFacilityScreen *screen);
    VelocityOutcome run(VelocityFacilityScreen *screen);
    VelocityOutcome runOn(VelocityFacilityScreen *screen, VelocityFacility &facility) const;
    void draw();
    VelocityFacilityScreen *screenOfGroup(int group) const;
    template <class T> T *facilityScreen(QPointer<T> &slot);
    template <class T> void unloadSlot(QPointer<T> &slot);

    DesignCase &m_design;
    ScreenHost m_host;
    QPointer<VelocitySelectScreen> m_select;
    QPointer<VelocityPipeScreen> m_pipe;
    QPointer<VelocityDitchScreen> m_ditch;
    QPointer<VelocityCircularScreen> m_circular;
    QPointer<VelocityPolygonScreen> m_polygon;
};

// Wires the calculator to the intensity screen: its "計算する" opens the calculator, and the calculated V
// comes back into its V field.
void connectVelocityCalculator(IntensityScreen *intensity, VelocityCalculator *calculator);

} // namespace niruka
