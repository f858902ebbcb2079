#pragma once
// The open design as its screens show it, without a widget: the conditions screen, the facility screen of
// the chosen kind and the result screen as forms and looks, the main window's status text, File commands
// and chrome, and the DesignCase they fill. Every user action of those screens and of the File menu is a
// plain function here, with its order, questions and refusals; the screens only show this state and hand
// the user's clicks and keys to it. What the screens must do (open, close, raise a window, move the focus,
// redraw a part) comes as SessionEvents, in the order the actions run, and again as Qt signals.

#include "docs/projectfile.h"
#include "docs/projectrecord.h"
#include "model/designcase.h"
#include "session/designcheck.h"
#include "session/designworkflow.h"
#include "session/facilityswitch.h"
#include "session/filecommands.h"
#include "session/sessionservices.h"
#include "session/sessionstate.h"

#include <QList>
#include <QObject>
#include <QPoint>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

namespace niruka {

class CalculatorSessions;
class IntensitySession;
class ProjectSession;
class RunoffSession;
class VelocitySession;

// The main window around the design.
struct MainWindowState {
    QString statusText;               // the status-bar panel "msg"
    FileCommandState commands;        // the File menu's items and toolbar buttons 3, 5 and 6
    bool toolbarVisible = true;       // Toolbar1
    bool statusBarVisible = true;     //
    bool diagramMenuEnabled = true;   // Men_G
    bool referenceMenuEnabled = true; // Men_S
    QString fileName;                 // the project file of the design; empty for a new one
    bool operator==(const MainWindowState &) const = default;
};

// How the design screens look beyond their entries.
struct DesignLooks {
    bool cFlat = false, aFlat = false, iFlat = false; // handed back by a calculator: no border
    bool allowanceVisible = true;                     // the rate "txt1" and "％増し"
    QString conditionsTitle;                          // the conditions screen's window title
    FacilityKind pipeSeries = FacilityKind::VpPipe;   // the series the pipe screen is filled with
    bool polygonInstructionVisible = true;            // the instruction over the sketch area
    QList<QPoint> polygonSketch;                      // the drawn outline, empty when cleared
    ResultView result;                                // the result screen's texts and colour
};

class DesignSession : public QObject, private SessionEvents {
    Q_OBJECT
public:
    explicit DesignSession(SessionServices &services = sessionServices(), QObject *parent = nullptr);
    ~DesignSession() override;

    SessionServices &services() const { return m_services; }
    DesignCase &design() { return m_design; }
    const DesignCase &design() const { return m_design; }
    const MainWindowState &window() const { return m_window; }
    const DesignLooks &looks() const { return m_looks; }

    // The screens that exist and their entries as the project file stores them (a closed screen's
    // form is the record's default).
    bool isOpen(ScreenId screen) const;
    FacilityScreenId openFacilityScreen() const { return m_facility; }
    ScreenId facilityScreenId() const; // the open facility screen's id (Conditions when none)
    const ConditionsForm &conditions() const { return m_conditions; }
    const FacilityForms &facility() const { return m_facilityForms; }
    const ResultForm &result() const { return m_resultForm; }
    ConditionsEntries conditionsEntries() const; // empty while the conditions screen is closed

    RunoffSession &runoff();
    IntensitySession &intensity();
    VelocitySession &velocity();
    CalculatorSessions &calculators();
    const CalculatorSessions &calculators() const;
    ProjectSession &project();

    // --- the main window -----------------------------------------------------------------------------
    void fileNew();            // 新規作成
    void tojiru();             // unloads the design's screens and starts the design from its defaults
    void closeDesign();        // 閉じる: asks first
    bool exitFromMenu();       // 終了: asks first; true when the application ends
    bool confirmWindowClose(); // the window's close button: asks first; true when it ends
    void fileMenuOpened();     // the File menu's enabling
    void startEditor();        // ｴﾃﾞｨﾀ 起動
    void writeReport();        // ｴﾃﾞｨﾀ 書き込み
    void setStatus(const QString &text);
    void setFileName(const QString &path);
    void setFileCommands(const FileCommandState &state);
    void setChrome(bool toolbarVisible, bool statusBarVisible);
    void setToolbarVisible(bool visible);
    void setDiagramMenuEnabled(bool enabled);
    void setReferenceMenuEnabled(bool enabled);
    void setConditionsTitle(const QString &path); // the file's native path as the conditions title
    // 印刷ｲﾒｰｼﾞ: the print image of a report on `pages` pages opens (the toolbar goes, and a report on one
    // page leaves no room for the intensity screen beside it), and closes again.
    void printImageOpened(int pages);
    void printImageClosed();
    // The diagram window opened from the main menu, and closed by its user.
    void diagramOpened();
    void diagramClosed(const QString &statusText);

    // --- the conditions and facility screens: what a field now holds ----------------------------------
    // Text of a field (cut as a line edit cuts it). Any change of an entry ends the result.
    void setText(const Control &field, const QString &text);
    // Row of a list or combo box: lst_s (a change chooses the kind), lst_pu, cbo1. The kind list and the
    // size list count their row only while it is also selected (a list that takes the focus makes its
    // first row current without selecting it).
    void setRow(const Control &list, int row, bool selected = true);
    void setSelected(const Control &list, bool selected);
    // The current row of lst_s or lst_pu, selected or not (−1 for none).
    int currentRow(const Control &list) const;
    // The look of C ("txt_c"), A ("txt_a") or I ("txt_i"): flat for a value a calculator handed back.
    void setFlatLook(const Control &field, bool flat);
    // An option set from outside its buttons (opt1 … opt8): the other of its pair goes off.
    void setChecked(const Control &option, bool on);

    // --- the user's actions ---------------------------------------------------------------------------
    void clickInto(const Control &field); // a click into a field or list
    void keyIn(const Control &control);   // a key in the I field or on a formula option
    void chooseKindAgain(int row);        // a click on the kind already chosen
    void runoffDirect();                  // Command3 "直接入力" beside C
    void weightedAverage();               // Command4 "加重平均"
    void intensityDirect();               // Command1 "直接入力" beside I
    void computeIntensity();              // Command2 "計算する"
    void chooseAllowance(bool on);        // "無し" / "有り" clicked
    void calculate();                     // 計算 of the open facility screen
    // The rules of 計算 without a message: one check of every entry, stored only when it passes (a
    // refusal ends the result and stores nothing). The polygon's sketch is drawn when it passes.
    std::optional<Refusal> applyRules(CheckMode mode = CheckMode::Restore);
    // The refusal box, then the focus on the field it names.
    void refuse(const Refusal &refusal);
    void showResult();
    void closeResult();
    bool resultShown() const { return m_resultOpen && m_design.hasResult(); }
    // Where Enter on the kind list goes: the size list, the ditch's height, or nowhere.
    std::optional<Control> enterTargetOfKindList() const;

    // --- the calculators' hand-backs ------------------------------------------------------------------
    void runoffConfirmed(const QString &coeffText, const QString &areaText);
    void runoffCancelled();
    void intensityConfirmed(const QString &intensityText);
    void intensityCancelled();
    // What the check derives the calculators' values from.
    CalculatorEntries calculatorEntries();

    // --- restoring a project file (ProjectSession) ------------------------------------------------------
    // An empty conditions screen: nothing chosen, no facility screen. Nothing when it is open.
    void openConditions();
    // The screen's fields and options as stored: chooses the kind (its screen opens with its defaults),
    // sets the pairs, the allowance rate's visibility, the flat looks and the two entry modes.
    void setConditionsForm(const ConditionsForm &form);
    void setPipeForm(const PipeForm &form);
    void setCircularForm(const CircularForm &form);
    void setDitchForm(const DitchForm &form);
    void setPolygonForm(const PolygonForm &form);
    void hidePolygonInstruction();
    void setResultForm(const ResultForm &form);

signals:
    void screenOpened(niruka::ScreenId screen);
    void screenClosed(niruka::ScreenId screen);
    void screenShown(niruka::ScreenId screen, bool visible);
    void focusRequested(const niruka::FocusRequest &request);
    void partsChanged(niruka::Parts parts);
    void statusChanged(const QString &text);
    void exitRequested();

private:
    // SessionEvents: from this session and from the calculators' sessions, re-emitted.
    void opened(ScreenId screen) override;
    void closed(ScreenId screen) override;
    void shown(ScreenId screen, bool visible) override;
    void focus(const FocusRequest &request) override;
    void changed(Parts parts) override;
    void status(const QString &text) override;

    void prepareNew();
    void choose(int row);
    void selectFacilityKind(FacilityKind kind);
    void closeFacility(FacilityScreenId id);
    void setAllowance(bool on);
    void clickIntoConditionsField();
    void directIntensityEntry();
    void setPair(bool &first, bool firstOn, bool &second, bool secondOn);
    void focusConditions(const QString &name);
    void entryChanged();
    void resetDesign();
    void drawPolygonSketch();
    void wireCalculators();
    void discardRunoff();
    void discardIntensity();
    QString *textField(const Control &field);
    int *currentRowOf(const Control &list);

    SessionServices &m_services;
    DesignCase m_design;
    DesignCase m_shownResult; // the design as the result screen computed it
    MainWindowState m_window;
    DesignLooks m_looks;
    bool m_conditionsOpen = false;
    ConditionsForm m_conditions;
    int m_kindRow = -1; // the kind list's current row
    int m_sizeRow = -1; // the size list's current row
    FacilityScreenId m_facility = FacilityScreenId::None;
    FacilityForms m_facilityForms;
    bool m_resultOpen = false;
    ResultForm m_resultForm;
    bool m_exiting = false;

    std::unique_ptr<CalculatorSessions> m_calculators;
    std::unique_ptr<ProjectSession> m_project;
};

} // namespace niruka
