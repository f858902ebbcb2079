#pragma once
// What the four facility screens share: views of the design session's facility screen. What their fields
// hold goes to the session as it changes, a click into a field and the button "計算" are handed to it, and
// the screen shows the session's facility form again when it changes.

#include "session/designcheck.h"
#include "session/designworkflow.h"
#include "session/sessionstate.h"

#include <QWidget>

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace niruka {

class DesignSession;
class MainFrame;

class FacilityScreen : public QWidget {
    Q_OBJECT
public:
    FacilityScreen(MainFrame &frame, ScreenId id);

    // The field Enter on the facility list moves to (nullptr: the focus stays).
    virtual QWidget *firstEntry() const { return nullptr; }
    // The rules of "計算" without any message: one check of the entries now on the screens (this screen's,
    // the conditions screen's and the calculators'), stored in the design only when it passes. A refusal
    // ends a result that is shown. Opening a project file checks as CheckMode::Restore.
    std::optional<Refusal> applyRules(CheckMode mode = CheckMode::Restore);
    // "計算": the rules, then the refusal box or the result screen.
    void calculate();
    // Shows the session's form of this screen.
    virtual void render() = 0;

protected:
    DesignSession &session() const;
    Control control(const QWidget *widget) const { return {m_id, widget->objectName()}; }
    // The button "計算" (cmd1): runs calculate() when clicked, and when Enter is pressed on it.
    QPushButton *makeCalculateButton();
    // The session follows what the field holds, and hears a click into it (a list: on its viewport).
    void follow(QLineEdit *field);
    void follow(QListWidget *list);
    void follow(QComboBox *list);
    void forwardClick(QWidget *field);
    // Shows `text` without touching a field that already holds it (its caret and selection stay).
    void showText(QLineEdit *field, const QString &text);
    void showRow(QComboBox *list, int row);
    void showRow(QListWidget *list, int row, bool selected);

    MainFrame &m_frame;
    ScreenId m_id;
    bool m_rendering = false;
};

} // namespace niruka
