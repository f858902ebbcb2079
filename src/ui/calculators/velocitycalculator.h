#pragma once
// The velocity calculator for the flow time: the selection screen and the four facility screens, their
// opening, kind switching, "計算" (V handed to the intensity screen as "0.00##"), hiding on success and
// reset on "キャンセル". Its record is the design's `velocityFacility`; nothing else of the design changes.

#include "docs/projectrecord.h"
#include "model/designcase.h"
#include "session/velocityrules.h"
#include "session/velocitysession.h"
#include "ui/calculators/velocitycircularscreen.h"
#include "ui/calculators/velocityditchscreen.h"
#include "ui/calculators/velocitypipescreen.h"
#include "ui/calculators/velocitypolygonscreen.h"
#include "ui/calculators/velocityselectscreen.h"

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

class QWidget;

namespace niruka {

class IntensityScreen;

// The windows of a VelocitySession: it makes, places, shows, hides and unloads the selection screen and the
// facility screens as the session's events say, and forwards the project file's calls to the session.
class VelocityCalculator : public QObject {
    Q_OBJECT
public:
    // Places a newly created screen at a position in twips and shows it (the main window's sub-windows).
    using ScreenHost = std::function<void(QWidget *screen, int leftTwips, int topTwips)>;

    // The windows of the owner's session; the owner passes the session's events on to the view functions.
    explicit VelocityCalculator(VelocitySession &session, QObject *parent = nullptr);
    // A calculator with a session of its own whose V and status texts come out as the signals below.
    explicit VelocityCalculator(DesignCase &design, QObject *parent = nullptr);
    ~VelocityCalculator() override;

    VelocitySession &session() { return *m_session; }

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
    // The set-up step after a project file is read (VelocitySession::recompute).
    bool recompute();
    // The facility screen of screenGroup computed into `facility` (VelocitySession::computeInto).
    VelocityOutcome computeInto(VelocityFacility &facility) const;

    VelocitySelectScreen *selectScreen() const { return m_select; }
    VelocityPipeScreen *pipeScreen() const { return m_pipe; }
    VelocityDitchScreen *ditchScreen() const { return m_ditch; }
    VelocityCircularScreen *circularScreen() const { return m_circular; }
    VelocityPolygonScreen *polygonScreen() const { return m_polygon; }

    // The view's part of the session's events.
    void screenOpened(ScreenId screen);
    void screenClosed(ScreenId screen);
    void screenShown(ScreenId screen, bool visible);
    void showFocus(const FocusRequest &request);
    void render();

signals:
    // A velocity was calculated: V formatted "0.00##" for the intensity screen's V field.
    void velocityCalculated(const QString &velocityText);
    // "キャンセル" on a facility screen has closed the calculator.
    void cancelled();
    void statusTextRequested(const QString &text);

private:
    class OwnEvents;
    QWidget *widgetOf(ScreenId screen) const;
    void show(QWidget *screen, int leftTwips, int topTwips);

    std::unique_ptr<OwnEvents> m_ownEvents;
    std::unique_ptr<VelocitySession> m_ownSession;
    VelocitySession *m_session = nullptr;
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
