#pragma once
// The weighted runoff coefficient calculator ("加重平均" of the conditions screen): nineteen land-use
// boxes in three reference tables and six rows of name, coefficient and area. "ＯＫ" hands C and A back
// to the conditions screen as text; both buttons hide the screen so its rows survive until the design
// is closed or the conditions screen chooses direct entry.

#include "docs/projectrecord.h"
#include "model/designcase.h"
#include "session/runoffrules.h"

#include <QWidget>
#include <array>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace niruka {

class RunoffScreen : public QWidget {
    Q_OBJECT
public:
    explicit RunoffScreen(DesignCase &design, QWidget *parent = nullptr);

    // Shows the screen with the rows and boxes it had when last hidden.
    void openScreen();
    // Back to the state of a new screen: all boxes clear, all rows empty.
    void discard();

    // The screen's contents as the project file holds them. Restoring the boxes runs the toggle rule
    // for each box set, then the rows are restored.
    RunoffForm form() const;
    void setForm(const RunoffForm &form);

    // Ryusyutu_1 and Ryusyutu_2 without touching the screen's visibility: reads the rows into the design
    // and, when row ① is complete and the average is defined, stores C and A. Used by "ＯＫ" and by
    // opening a project file.
    RunoffOutcome calculate();

    RunoffRows rows() const;

signals:
    // "ＯＫ" succeeded: C ("0.0##") and A ("0.00") for the conditions screen's boxes.
    void runoffConfirmed(const QString &coeffText, const QString &areaText);
    // "キャンセル": nothing was read.
    void runoffCancelled();
    void statusTextRequested(const QString &text);

private:
    void onToggled(int choice, bool checked);
    void onOk();
    void onCancel();
    void setRows(const RunoffRows &rows);
    QLineEdit *fieldOf(int row, RunoffField field) const;

    DesignCase &m_design;
    std::array<QCheckBox *, kLandUseChoiceCount> m_boxes{};
    std::array<QLineEdit *, kRunoffRowCount> m_names{}, m_coeffs{}, m_areas{};
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
};

} // namespace niruka
