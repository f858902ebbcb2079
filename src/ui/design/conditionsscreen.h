#pragma once
// The planned stormwater conditions of a design (C, A, I, allowance), the velocity formula and the
// facility list that opens the facility screen. A view of the design session: it shows the session's
// conditions and looks, and hands what is typed, chosen and clicked to the session.

#include "docs/projectrecord.h"
#include "session/designworkflow.h"
#include "session/sessionstate.h"

#include <QWidget>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace niruka {

class DesignSession;
class MainFrame;

class ConditionsScreen : public QWidget {
    Q_OBJECT
public:
    explicit ConditionsScreen(MainFrame &frame);

    ConditionsEntries entries() const;
    // The screen's fields and options as the project file stores them. Restoring selects the facility
    // kind (which opens its screen with its defaults), shows the allowance rate with "有り", and gives the
    // C, A and I fields the flat look of values handed back by the calculators.
    ConditionsForm form() const;
    void setForm(const ConditionsForm &form);
    // Focus on a control by name; a text field gets its whole text selected.
    void focusField(const char *name);
    // Single border for typed values, none for values handed back by a calculator.
    void setEditableLook(QLineEdit *field, bool editable);
    // Shows the session's conditions and looks.
    void render();

    QLineEdit *cField() const { return m_c; }
    QLineEdit *aField() const { return m_a; }
    QLineEdit *iField() const { return m_i; }
    QLineEdit *allowanceField() const { return m_rate; }
    QListWidget *facilityList() const { return m_list; }

private:
    DesignSession &session() const;
    Control control(const QWidget *widget) const;
    void clickInto(QWidget *widget);

    MainFrame &m_frame;
    QLineEdit *m_c, *m_a, *m_i, *m_rate;
    QLabel *m_rateUnit;
    QPushButton *m_cDirect, *m_cWeighted, *m_iDirect, *m_iCalc;
    QRadioButton *m_optCDirect, *m_optCWeighted, *m_optIDirect, *m_optICalc;
    QRadioButton *m_without, *m_with, *m_manning, *m_kutter;
    QButtonGroup *m_formula, *m_cModes, *m_iModes, *m_allowance;
    QListWidget *m_list;
    int m_rowBeforePress = -1;
    bool m_rendering = false;
};

} // namespace niruka
