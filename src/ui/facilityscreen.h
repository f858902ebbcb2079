#pragma once
// What the four facility screens share: the main window they report to, the click behaviour of their fields
// (closes the result screen and shows the note) and the handling of a "計算" outcome.

#include "ui/designworkflow.h"

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
    // The rules of "計算" without any message or screen: copies the entries into the design, validates,
    // computes the section and the check. Returns the refusal, if any.
    virtual std::optional<Refusal> applyRules() = 0;
    // "計算": the rules, then the refusal box or the result screen.
    void calculate();

protected:
    // The button "計算" (cmd1): runs calculate() when clicked, and when Enter is pressed on it.
    QPushButton *makeCalculateButton();
    // A click into `field` closes the result screen and shows `hint` (a list: on its viewport).
    void closeResultOnClick(QWidget *field, const QString &hint);
    // Shows the refusal, or the result screen when there is none.
    void finishCalculation(const std::optional<Refusal> &refusal);

    MainFrame &m_frame;
};

} // namespace niruka
