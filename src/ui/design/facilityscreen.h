#pragma once
// What the four facility screens share: the main window they report to, the click behaviour of their fields
// (closes the result screen and shows the note) and the handling of a "計算" outcome.

#include "session/designcheck.h"
#include "session/designworkflow.h"

#include <QWidget>

class QPushButton;

namespace niruka {

class MainFrame;

class FacilityScreen : public QWidget {
    Q_OBJECT
public:
    explicit FacilityScreen(MainFrame &frame);

    // The field Enter on the facility list moves to (nullptr: the focus stays).
    virtual QWidget *firstEntry() const { return nullptr; }
    // The rules of "計算" without any message: one check of the entries now on the screens (this screen's,
    // the conditions screen's and the calculators'), stored in the design only when it passes. A refusal
    // ends a result that is shown. Opening a project file checks as CheckMode::Restore.
    std::optional<Refusal> applyRules(CheckMode mode = CheckMode::Restore);
    // "計算": the rules, then the refusal box or the result screen.
    void calculate();

protected:
    // This screen's own rules: copy its entries and the conditions into `design`, validate, compute the
    // section and the capacity check.
    virtual std::optional<Refusal> facilityRules(DesignCase &design, const ConditionsEntries &conditions) = 0;
    // After a check that passed (the polygon ditch draws its sketch).
    virtual void checkPassed() {}
    // The button "計算" (cmd1): runs calculate() when clicked, and when Enter is pressed on it.
    QPushButton *makeCalculateButton();
    // A click into `field` closes the result screen and shows `hint` (a list: on its viewport).
    void closeResultOnClick(QWidget *field, const QString &hint);
    // Shows the refusal, or the result screen when there is none.
    void finishCalculation(const std::optional<Refusal> &refusal);

    MainFrame &m_frame;
};

} // namespace niruka
