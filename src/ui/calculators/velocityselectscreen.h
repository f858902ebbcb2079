#pragma once
// The selection screen of the velocity calculator: its own velocity formula and facility kind,
// independent of the design's.

#include "session/velocityrules.h"

#include <QWidget>

class QListWidget;
class QRadioButton;

namespace niruka {

class VelocitySelectScreen : public QWidget {
    Q_OBJECT
public:
    explicit VelocitySelectScreen(QWidget *parent = nullptr);

    VelocityChoice choice() const;
    int kindRow() const; // -1 none
    // Sets the formula options without running anything.
    void setFormula(bool manning, bool kutter);
    // Selects a kind row; emits kindChosen like a click.
    void chooseKind(int row);

    QRadioButton *manningOption() const { return m_manning; }
    QListWidget *kindList() const { return m_kinds; }

signals:
    void kindChosen(int row);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QRadioButton *m_manning = nullptr;
    QRadioButton *m_kutter = nullptr;
    QListWidget *m_kinds = nullptr;
    int m_rowBeforePress = -1; // the current row when the last press on the list began
};

} // namespace niruka
