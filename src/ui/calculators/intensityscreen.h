#pragma once
// The rainfall intensity calculator ("計算する" of the conditions screen): six formulas with their
// constants and the time of concentration, direct or as t1 + t2. "ＯＫ" hands I back as text; both
// buttons hide the screen so its entries survive until the design is closed or I is entered directly.
// It owns its two modal helpers, the inflow time and the river flow time screens.

#include "docs/projectrecord.h"
#include "model/designcase.h"
#include "session/intensityrules.h"
#include "session/intensitysession.h"
#include "ui/calculators/inflowtimescreen.h"
#include "ui/calculators/rivertimescreen.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <memory>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace niruka {

// A view of an IntensitySession and of its two helpers: it shows the session's state and hands every click,
// typed text and button to it; the rules, their order and their messages live in the session.
class IntensityScreen : public QWidget {
    Q_OBJECT
public:
    // A view of the owner's session; the owner passes the session's events on to the view functions below.
    explicit IntensityScreen(IntensitySession &session, QWidget *parent = nullptr);
    // A screen with a session of its own whose hand-backs and status texts come out as the signals below.
    explicit IntensityScreen(DesignCase &design, QWidget *parent = nullptr);
    ~IntensityScreen() override;

    IntensitySession &session() { return *m_session; }

    // Shown by the conditions screen: c and d only for ⑤ and ⑥, the t1 and t2 groups only when t is
    // computed, the focus on "ＯＫ".
    void openScreen();

    // The screen's contents as the project file holds them (the river screen's fields separately).
    IntensityForm form() const;
    void setForm(const IntensityForm &form);
    RiverTimeForm riverForm() const;
    void setRiverForm(const RiverTimeForm &form);
    InflowTimeForm inflowForm() const;
    void setInflowForm(const InflowTimeForm &form);

    // Keisan_1 and Keisan_2 on the current entries without the checks of "ＯＫ" (opening a project file):
    // the formatted I, or an empty text when no formula is chosen or the value is undefined.
    QString calculate();

    const IntensityState &state() const { return m_session->state(); }
    InflowTimeScreen *inflowTimeScreen() const { return m_inflow; }
    RiverTimeScreen *riverTimeScreen() const { return m_river; }

public slots:
    // The velocity calculator hands V back ("0.00##").
    void acceptVelocity(const QString &velocityText);

    // The view's part of the session's events, for this screen and its two helpers.
    void render();
    // render() for Part::Intensity, and the helpers' own parts.
    void renderParts(Parts parts);
    void showFocus(const FocusRequest &request);
    void helperOpened(ScreenId screen);
    void helperClosed(ScreenId screen);
    void helperShown(ScreenId screen, bool visible);

signals:
    // "ＯＫ" succeeded: I formatted "0.0" for the conditions screen's I box.
    void intensityConfirmed(const QString &intensityText);
    void intensityCancelled();
    // "計算する" beside the velocity: open the velocity calculator.
    void velocityCalculatorRequested();
    void statusTextRequested(const QString &text);
    // An entry of the inflow or river time screen changed (the project file holds them).
    void entriesChanged();

private:
    class OwnEvents;
    void build();
    void settle();

    std::unique_ptr<OwnEvents> m_ownEvents;
    std::unique_ptr<IntensitySession> m_ownSession;
    IntensitySession *m_session = nullptr;
    QPointer<InflowTimeScreen> m_inflow;
    QPointer<RiverTimeScreen> m_river;

    std::array<QRadioButton *, 6> m_formula{}; // opt1 … opt6
    std::array<QLineEdit *, 9> m_txt{};        // txt1 … txt9
    std::array<QRadioButton *, 8> m_option{};  // Option1 … Option8
    QCheckBox *m_chk1 = nullptr;
    QLabel *m_lbl1 = nullptr;
    QPushButton *m_riverButton = nullptr;
    QPushButton *m_ok = nullptr;
    QList<QWidget *> m_cdWidgets, m_tLine, m_lengthWidgets;
    QWidget *m_velocityGroup = nullptr;
    QWidget *m_figure = nullptr;
    QGroupBox *m_t1Group = nullptr;
    QGroupBox *m_t2Group = nullptr;
};

} // namespace niruka
