#pragma once
// The weighted runoff coefficient calculator ("加重平均") as data: the nineteen land-use boxes, the six rows
// of name, coefficient and area, whether the screen exists and is shown, and every user action on it.
// "ＯＫ" reads the rows into the design and hands C and A back to the conditions screen as text; both
// buttons only hide the screen, so its rows survive until the design is closed or C is entered directly.

#include "docs/projectrecord.h"
#include "model/designcase.h"
#include "session/runoffrules.h"
#include "session/sessionservices.h"
#include "session/sessionstate.h"

#include <array>
#include <functional>

namespace niruka {

// What the owner of the conditions screen does when the calculator hands something back. Every member may
// be left empty.
struct RunoffHandBacks {
    // "ＯＫ" succeeded: C ("0.0##") and A ("0.00") for the conditions screen's boxes, with their flat look,
    // opt6, the focus on "直接入力" and the menus and bars back.
    std::function<void(const QString &coeffText, const QString &areaText)> confirmed;
    // "キャンセル", or the shown screen unloaded (direct entry, closing the design): the diagram menu and
    // the toolbar come back.
    std::function<void()> cancelled;
    // A project file restored the calculator and its rows give C and A: the texts only, no look changes.
    std::function<void(const QString &coeffText, const QString &areaText)> restored;
    // An entry of the screen changed (a text, a box), also by a restore: the owner closes the result.
    std::function<void()> entryChanged;
};

class RunoffSession {
public:
    RunoffSession(DesignCase &design, SessionEvents &events, SessionServices &services);

    void setHandBacks(RunoffHandBacks handBacks) { m_handBacks = std::move(handBacks); }

    bool exists() const noexcept { return m_exists; }
    bool visible() const noexcept { return m_exists && m_visible; }

    // The screen's contents as the project file holds them (empty while the screen does not exist).
    RunoffForm form() const;
    const RunoffRows &rows() const noexcept { return m_rows; }
    bool isChecked(int choice) const;
    QString text(int row, RunoffField field) const;

    // Creates the screen hidden when it does not exist yet (opened, then shown false); nothing otherwise.
    void ensure();
    // "加重平均": created hidden if needed, then shown and raised with the rows it had.
    void open();

    // A land-use box changed its state (a click, or a restore): the toggle rule writes the choice into the
    // first free row, or empties the row of the choice. Setting a box to the state it has does nothing.
    void toggle(int choice, bool checked);
    // The text of a row's field as typed (cut to the length a text field holds).
    void setText(int row, RunoffField field, const QString &text);
    // By control name: "txt_t1" … "txt_t6", "txt_c1" …, "txt_a1" …; false for another name.
    bool setText(const QString &controlName, const QString &text);

    // "ＯＫ": Ryusyutu_1/Ryusyutu_2 into the design; a refusal shows its box, then asks for the focus on the
    // field (whole text selected). Otherwise the screen hides, the status text follows and C and A are
    // handed back. Returns whether it succeeded.
    bool ok();
    // "キャンセル": hides the screen, the status text follows, nothing is read.
    void cancel();

    // Unloads the screen (direct entry of C, closing the design): its entries are gone. A screen that was
    // shown gives back what "キャンセル" would.
    void discard();
    // Back to the state of a new screen without unloading it: all boxes clear, all rows empty, no toggle
    // rule runs.
    void clear();

    // The restore of a project file: the screen is created hidden if needed, the boxes are set first (each
    // change runs the toggle rule), then the rows overwrite all eighteen texts.
    void setForm(const RunoffForm &form);
    // Ryusyutu_1 and Ryusyutu_2 without touching the visibility: the rows go into the design and, when row ①
    // is complete and the average is defined, C and A and the weighted mode.
    RunoffOutcome calculate();
    // setForm, calculate and, without a refusal, the hand-back `restored` of C and A; the screen stays
    // hidden. Returns the outcome of calculate.
    RunoffOutcome restore(const RunoffForm &form);

private:
    QString *fieldOf(int row, RunoffField field);
    void setRows(const RunoffRows &rows);
    void entryChanged();

    DesignCase &m_design;
    SessionEvents &m_events;
    SessionServices &m_services;
    RunoffHandBacks m_handBacks;
    bool m_exists = false;
    bool m_visible = false;
    std::array<bool, kLandUseChoiceCount> m_checked{};
    RunoffRows m_rows{};
};

// The control name of a row's field ("txt_t1", "txt_c3", "txt_a6"); row 0–5.
QString runoffControlName(int row, RunoffField field);

} // namespace niruka
