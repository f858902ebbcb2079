#pragma once
// The velocity calculator for the flow time as data: its selection screen (own formula and facility kind,
// independent of the design's) and the four facility screens, which of them exist and are shown, their
// fields, and every user action. "計算" hands V to the intensity calculator as "0.00##"; its record is the
// design's `velocityFacility`, nothing else of the design changes.

#include "docs/projectrecord.h"
#include "model/designcase.h"
#include "session/sessionservices.h"
#include "session/sessionstate.h"
#include "session/velocityrules.h"

#include <QList>
#include <QPoint>
#include <QStringList>
#include <functional>

namespace niruka {

class IntensitySession;

// The selection screen's fields.
struct VelocitySelectForm {
    bool manning = false;  // opt1
    bool kutter = false;   // opt2
    int currentRow = -1;   // lst_s, the list's current row
    bool selected = false; // whether the current row is also selected
};

class VelocitySession {
public:
    VelocitySession(DesignCase &design, SessionEvents &events, SessionServices &services);

    // V goes to this intensity calculator, whose "計算する" beside V opens this calculator.
    void connectIntensity(IntensitySession &intensity);
    // Besides the intensity calculator: what "計算" hands V to, and an entry change (the owner closes the
    // result).
    void setHandBack(std::function<void(const QString &velocityText)> handBack)
    {
        m_handBack = std::move(handBack);
    }
    void setEntryChanged(std::function<void()> entryChanged) { m_entryChanged = std::move(entryChanged); }

    // Which screens exist and are shown: VelocitySelect, VelocityPipe, VelocityDitch, VelocityCircular,
    // VelocityPolygon.
    bool exists(ScreenId screen) const;
    bool visible(ScreenId screen) const;
    // The facility screen of the design's screenGroup (VelocityPipe … VelocityPolygon), or Conditions when
    // the group has no screen.
    ScreenId screenOfGroup(int group) const;

    const VelocitySelectForm &selectForm() const noexcept { return m_select; }
    // The kind row counted by the rules: the current row when it is also selected, else −1.
    int kindRow() const;
    VelocityChoice choice() const;

    // The pipe screen: the series it was filled with, its size list and depth list.
    FacilityKind pipeSeries() const noexcept { return m_pipeKind; }
    const QStringList &pipeSizes() const noexcept { return m_pipeSizes; }
    const QStringList &pipeDepthLines() const noexcept { return m_pipeDepthLines; }
    QString pipeTitle() const;
    QString pipeDepthCaption() const;
    const PipeForm &pipeForm() const noexcept { return m_pipe; }
    const DitchForm &ditchForm() const noexcept { return m_ditch; }
    const CircularForm &circularForm() const noexcept { return m_circular; }
    const PolygonForm &polygonForm() const noexcept { return m_polygon; }
    // The polygon screen's sketch: the open polyline drawn last (empty when cleared), and the instruction
    // shown until the first drawing.
    const QList<QPoint> &polygonSketch() const noexcept { return m_sketch; }
    bool polygonInstructionVisible() const noexcept { return m_instructionVisible; }

    // "計算する" beside V: the selection screen (created choosing kind 0 the first time) and the facility
    // screen of screenGroup shown; the status text is emptied.
    void open();

    // The selection screen. chooseKind selects a row as the screen does when told to: the same row again
    // runs the choice again, another row runs it when it is a row of the list.
    void chooseKind(int row);
    // The list's current row as the user moves it (a valid row runs the choice when it changed), its
    // selection, and a click on the row that was current before the press (runs the choice again).
    void setKindRow(int row);
    void setKindSelected(bool selected);
    void clickKind(int row);
    // The formula pair as a restore sets it ("クッター公式" only when "マニング公式" is not set), and as
    // clicked (exclusive).
    void setFormula(bool manning, bool kutter);
    void chooseFormula(VelocityFormula formula);

    // A facility screen's text field or list by control name ("txt1", "txt_m", "txt_x3", "lst_pu", "cbo1");
    // false when the screen does not exist or has no such control. Rows outside a list give −1.
    bool setText(ScreenId screen, const QString &control, const QString &text);
    bool setRow(ScreenId screen, const QString &control, int row);
    // A click into a vertex field of the polygon screen clears the sketch.
    void clickVertex();

    // "計算" of a facility screen: the refusal's box then the focus, or the sketch (polygon), both screens
    // hidden, V handed back and the intensity status text.
    bool calculate(ScreenId screen);
    // "描画" of the polygon screen: the same checks, then the sketch; the screen stays.
    bool draw();
    // "キャンセル" of a facility screen: the calculator closes (reset), and the intensity screen, when shown,
    // comes to the front (a focus request on it with no control).
    void cancel();

    // Unloads every screen and sets screenGroup to 0 (closing the design, "キャンセル").
    void reset();
    // Hides every screen, keeping its entries (the intensity screen that owns the calculator goes away).
    void hideScreens();

    // The project file. setForms creates the selection screen (which chooses kind 0, the VP pipe, first),
    // sets the formula and the file's kind, the forms of the screens that exist, screenGroup from the file,
    // then hides every screen.
    VelocityForms forms() const;
    void setForms(const VelocityForms &forms);
    // The set-up step after a project file is read: the entries of the facility screen of screenGroup go
    // into velocityFacility with its section and V, without messages and without handing V on. False when
    // they are refused (also when the group has no screen).
    bool recompute();
    // The facility screen of facility.screenGroup computed into `facility` as "計算" would, without
    // messages, screens or hand-back. The design's record is not touched.
    VelocityOutcome computeInto(VelocityFacility &facility) const;

private:
    VelocityOutcome runOn(ScreenId screen, VelocityFacility &facility) const;
    void runKindChoice(int row);
    void ensureSelect();
    void create(ScreenId screen);
    void show(ScreenId screen);
    void hide(ScreenId screen);
    void unload(ScreenId screen);
    void fillPipeSeries(FacilityKind kind);
    void drawSketch(int count);
    void focusRefusal(const VelocityRefusal &refusal, ScreenId screen);
    void entryChanged();
    bool &existsFlag(ScreenId screen);
    bool &visibleFlag(ScreenId screen);

    DesignCase &m_design;
    SessionEvents &m_events;
    SessionServices &m_services;
    IntensitySession *m_intensity = nullptr;
    std::function<void(const QString &)> m_handBack;
    std::function<void()> m_entryChanged;

    bool m_selectExists = false, m_selectVisible = false;
    bool m_pipeExists = false, m_pipeVisible = false;
    bool m_ditchExists = false, m_ditchVisible = false;
    bool m_circularExists = false, m_circularVisible = false;
    bool m_polygonExists = false, m_polygonVisible = false;
    bool m_none = false; // the flags of a screen id that is not the calculator's

    VelocitySelectForm m_select;
    FacilityKind m_pipeKind = FacilityKind::VpPipe;
    QStringList m_pipeSizes, m_pipeDepthLines;
    PipeForm m_pipe;
    DitchForm m_ditch;
    CircularForm m_circular;
    PolygonForm m_polygon;
    QList<QPoint> m_sketch;
    bool m_instructionVisible = true;
};

} // namespace niruka
