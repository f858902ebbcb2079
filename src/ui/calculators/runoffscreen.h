#pragma once
// The weighted runoff coefficient calculator ("加重平均" of the conditions screen): nineteen land-use
// boxes in three reference tables and six rows of name, coefficient and area. "ＯＫ" hands C and A back
// to the conditions screen as text; both buttons hide the screen so its rows survive until the design
// is closed or the conditions screen chooses direct entry.

#include "docs/projectrecord.h"
#include "model/designcase.h"
#include "session/runoffrules.h"
#include "session/runoffsession.h"

#include <QWidget>
#include <array>
#include <memory>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace niruka {

// A view of a RunoffSession: it shows the session's boxes and rows and hands every click and text change
// to it; the rules, their order and their messages live in the session.
class RunoffScreen : public QWidget {
    Q_OBJECT
public:
    // A view of the owner's session; the owner passes the session's events on to render(), showFocus() and
    // the placing of the window.
    explicit RunoffScreen(RunoffSession &session, QWidget *parent = nullptr);
    // A screen with a session of its own whose hand-backs and status texts come out as the signals below.
    explicit RunoffScreen(DesignCase &design, QWidget *parent = nullptr);
    ~RunoffScreen() override;

    RunoffSession &session() { return *m_session; }

    // Shows the screen with the rows and boxes it had when last hidden.
    void openScreen();
    // Back to the state of a new screen: all boxes clear, all rows empty.
    void discard();

    // The screen's contents as the project file holds them. Restoring the boxes runs the toggle rule
    // for each box set, then the rows are restored.
    RunoffForm form() const;
    void setForm(const RunoffForm &form);

    // Ryusyutu_1 and Ryusyutu_2 without touching the screen's visibility (RunoffSession::calculate).
    RunoffOutcome calculate();

    RunoffRows rows() const;

    // The view's part of the session's events.
    void render();
    void showFocus(const FocusRequest &request);

signals:
    // "ＯＫ" succeeded: C ("0.0##") and A ("0.00") for the conditions screen's boxes.
    void runoffConfirmed(const QString &coeffText, const QString &areaText);
    // "キャンセル": nothing was read.
    void runoffCancelled();
    void statusTextRequested(const QString &text);

private:
    class OwnEvents;
    void build();
    QLineEdit *fieldOf(int row, RunoffField field) const;

    std::unique_ptr<OwnEvents> m_ownEvents;
    std::unique_ptr<RunoffSession> m_ownSession;
    RunoffSession *m_session = nullptr;
    std::array<QCheckBox *, kLandUseChoiceCount> m_boxes{};
    std::array<QLineEdit *, kRunoffRowCount> m_names{}, m_coeffs{}, m_areas{};
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
};

// Shows or hides a calculator screen together with the sub-window it lives in, raising it when shown.
void setCalculatorShown(QWidget *screen, bool shown);

} // namespace niruka
