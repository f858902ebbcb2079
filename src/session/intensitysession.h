#pragma once
// The rainfall intensity calculator ("計算する" beside I) as data, with its two modal helpers, the inflow
// time screen (t1 "計算する") and the river flow time screen ("茨城県", "計算"): the state of each screen,
// whether it exists and is shown, and every user action on them. "ＯＫ" hands I back to the conditions
// screen as text; both buttons only hide the screen, so its entries survive until the design is closed or
// I is entered directly.

#include "docs/projectrecord.h"
#include "model/designcase.h"
#include "session/intensityrules.h"
#include "session/sessionservices.h"
#include "session/sessionstate.h"

#include <functional>

namespace niruka {

class VelocitySession;

// What the owner of the conditions screen does when the calculator hands something back. Every member may
// be left empty.
struct IntensityHandBacks {
    // "ＯＫ" succeeded: I ("0.0") for the conditions screen's I box, with its flat look, opt4, the focus on
    // the facility list and the menus and bars back.
    std::function<void(const QString &intensityText)> confirmed = {};
    // "キャンセル", or the shown screen unloaded (direct entry, closing the design).
    std::function<void()> cancelled = {};
    // An entry of the screen or of its helpers changed (a text, an option, a box), also by a restore or a
    // rule: the owner closes the result.
    std::function<void()> entryChanged = {};
    // "計算する" beside V when no VelocitySession is connected: the owner opens its velocity calculator.
    std::function<void()> velocityRequested = {};
};

class IntensitySession {
public:
    IntensitySession(DesignCase &design, SessionEvents &events, SessionServices &services);

    void setHandBacks(IntensityHandBacks handBacks) { m_handBacks = std::move(handBacks); }
    // The velocity calculator of the screen: "計算する" beside V opens it, and its screens are hidden when
    // this screen's buttons hide it or it is unloaded. Set by VelocitySession::connectIntensity.
    void setVelocity(VelocitySession *velocity) noexcept { m_velocity = velocity; }

    bool exists() const noexcept { return m_exists; }
    bool visible() const noexcept { return m_exists && m_visible; }
    // Opened by "計算する" and not yet closed by its own buttons (see m_holdsChrome).
    bool holdsChrome() const noexcept { return m_exists && m_holdsChrome; }
    // The texts, options and what is shown and framed.
    const IntensityState &state() const noexcept { return m_state; }
    const IntensityForm &form() const noexcept { return m_state.form; }

    // Creates the screen hidden when it does not exist yet (opened, then shown false); nothing otherwise.
    void ensure();
    // "計算する" beside I: created hidden if needed, c and d only for ⑤ and ⑥, the t1 and t2 groups only
    // when t is computed; shown and raised, the focus on "ＯＫ".
    void open();
    // Hides the screen with its entries kept (the end of every restore).
    void hide();

    // txt1 … txt9 (index 0–8) as typed.
    void setText(int index, const QString &text);
    // By control name "txt1" … "txt9"; false for another name.
    bool setText(const QString &controlName, const QString &text);

    // The options as clicked: formula ①–⑥ (1–6), and Option1 … Option8, chk1.
    void chooseFormula(int formula);
    void chooseT1Direct();             // Option1
    void chooseT1Computed();           // Option2: opens the inflow time screen
    void chooseTDirect();              // Option3
    void chooseTComputed();            // Option4
    void chooseT2Direct();             // Option5
    void chooseT2Computed();           // Option6
    void chooseAssumedVelocity();      // Option7
    void chooseComputedVelocity();     // Option8: opens the velocity calculator
    void setRiverCourse(bool checked); // chk1 "茨城県"
    // A click into txt1 … txt9 (index 0–8): the t, t1, t2 and V fields choose their direct entry.
    void clickInto(int index);

    // "ＯＫ": the fourteen checks, then Keisan_1/Keisan_2 into the design. A refusal shows its box, runs its
    // follow-up (formula ① chosen, or the river screen opened), then asks for the focus. Otherwise the
    // screen hides, the status text follows, I is handed back and the velocity calculator hides. Returns
    // whether it succeeded.
    bool ok();
    // "キャンセル": hides the screen and the velocity calculator; the status text follows.
    void cancel();
    // The velocity calculator hands V back ("0.00##").
    void acceptVelocity(const QString &velocityText);

    // Unloads the screen with its helpers (direct entry of I, closing the design): every entry is gone, the
    // velocity calculator hides; a screen that was shown gives back what "キャンセル" would.
    void discard();

    // The restore of a project file: the screen created hidden, the texts and options, and what a restore
    // shows (which differs from "計算する" for the velocity, L, figure and source lines and the frames).
    void setForm(const IntensityForm &form);
    // Keisan_1 and Keisan_2 on the current entries without the checks of "ＯＫ": the formatted I, or an empty
    // text when no formula is chosen or the value is undefined. Nothing is handed back.
    QString calculate();
    // The project file's restore: setForm, the river form, calculate (its I not handed back), the kept
    // inflow-time numbers into the design, the inflow form; the screen stays hidden.
    void restore(const IntensityForm &form, const RiverTimeForm &river, const KeptInflowNumbers &kept,
                 const InflowTimeForm &inflow);

    // The inflow time screen (modal over this one). Its form is the kept one while it does not exist.
    bool inflowExists() const noexcept { return m_inflowExists; }
    bool inflowVisible() const noexcept { return m_inflowExists && m_inflowVisible; }
    InflowTimeForm inflowForm() const;
    void setInflowForm(const InflowTimeForm &form);
    // Creates the inflow screen hidden with the kept form when it does not exist yet.
    void ensureInflow();
    // txt1 (L), txt2 (S), txt3 (n) by index 0–2 or by control name.
    void setInflowText(int index, const QString &text);
    bool setInflowText(const QString &controlName, const QString &text);
    // "ＯＫ": the three checks (box, then the caret at the start of the field), or the numbers and t1 into
    // the design, the screen hidden with its fields kept and t1 handed to this screen.
    bool inflowOk();
    // "キャンセル": the inflow screen is unloaded, its fields forgotten.
    void inflowCancel();

    // The river flow time screen (modal over this one). Its form is the kept one while it does not exist.
    bool riverExists() const noexcept { return m_riverExists; }
    bool riverVisible() const noexcept { return m_riverExists && m_riverVisible; }
    RiverTimeForm riverForm() const;
    // The restore: kept as given; a river screen that exists shows "開発後" only when "開発前" is not set.
    void setRiverForm(const RiverTimeForm &form);
    // "計算" beside chk1: creates the river screen if needed (with the kept form) and shows it.
    void openRiver();
    // Creates the river screen hidden with the kept form when it does not exist yet.
    void ensureRiver();
    // The exclusive pair as clicked: "開発前" (true) or "開発後" (false).
    void chooseRiverStage(bool beforeDevelopment);
    // txt1 (L), txt2 (i) by index 0–1 or by control name.
    void setRiverText(int index, const QString &text);
    bool setRiverText(const QString &controlName, const QString &text);
    // "ＯＫ": the checks (box, then the focus), or the screen hidden with its fields kept.
    bool riverOk();
    // "キャンセル": the river screen is unloaded, its fields forgotten, t2 back to L/(60・V).
    void riverCancel();

private:
    void apply(const IntensityEffect &effect, bool clicked);
    void focusOn(IntensityFocus focus, bool selectAll);
    void discardInflow();
    void discardRiver();
    void setShown(bool shown);
    void hideVelocity();
    void entryChanged();
    void changed(Parts parts);

    DesignCase &m_design;
    SessionEvents &m_events;
    SessionServices &m_services;
    IntensityHandBacks m_handBacks;
    VelocitySession *m_velocity = nullptr;
    bool m_exists = false;
    bool m_visible = false;
    // Opened by "計算する" and not yet closed by its own buttons: the screen holds the main window's
    // diagram menu and toolbar, even while the print image hides it, and gives them back when unloaded.
    bool m_holdsChrome = false;
    IntensityState m_state;
    // The helpers: kept forms while a helper does not exist, the live fields while it does.
    InflowTimeForm m_inflowKept, m_inflow;
    bool m_inflowExists = false, m_inflowVisible = false;
    RiverTimeForm m_riverKept, m_river;
    bool m_riverExists = false, m_riverVisible = false;
};

} // namespace niruka
