#pragma once
// What the four facility screens of the velocity calculator share: "計算" and "キャンセル" reported to the
// calculator, and the focus put on a field named by a refusal (caret at the start of a text field).

#include <QWidget>

class QPushButton;

namespace niruka {

class VelocityFacilityScreen : public QWidget {
    Q_OBJECT
public:
    explicit VelocityFacilityScreen(QWidget *parent = nullptr);

    // Puts the focus on the control named `name` (a text field gets the caret at its start).
    void focusControl(const QString &name);

signals:
    void calculateRequested();
    void cancelRequested();

protected:
    // The buttons "計算" (cmd1) and "キャンセル" (cmd2) wired to the two signals.
    QPushButton *makeCalculateButton();
    QPushButton *makeCancelButton();
};

} // namespace niruka
