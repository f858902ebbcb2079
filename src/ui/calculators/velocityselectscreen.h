#pragma once
// The selection screen of the velocity calculator, a view of its VelocitySession: its own velocity
// formula and facility kind, independent of the design's.

#include "session/velocityrules.h"

#include <QWidget>

class QListWidget;
class QRadioButton;

namespace niruka {

class VelocitySession;

class VelocitySelectScreen : public QWidget {
    Q_OBJECT
public:
    explicit VelocitySelectScreen(VelocitySession &session, QWidget *parent = nullptr);
    ~VelocitySelectScreen() override;

    VelocityChoice choice() const;
    int kindRow() const; // -1 none
    // Sets the formula options without running anything.
    void setFormula(bool manning, bool kutter);
    // Selects a kind row as a click would (the same row again runs the choice again).
    void chooseKind(int row);

    QRadioButton *manningOption() const { return m_manning; }
    QListWidget *kindList() const { return m_kinds; }

    // The options and the list from the session, without feeding the changes back.
    void render();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    VelocitySession &m_session;
    QRadioButton *m_manning = nullptr;
    QRadioButton *m_kutter = nullptr;
    QListWidget *m_kinds = nullptr;
    int m_rowBeforePress = -1; // the current row when the last press on the list began
    bool m_syncing = false;    // the list is telling the session; it is not drawn again meanwhile
};

} // namespace niruka
