#pragma once
// What the four facility screens of the velocity calculator share: a view of one facility screen of a
// VelocitySession (its text fields, lists and depth lists by control name), "計算" and "キャンセル" reported
// to the calculator, and the focus put on a field named by a refusal (caret at the start of a text field).

#include "session/sessionstate.h"

#include <QWidget>

class QPushButton;

namespace niruka {

class VelocitySession;

class VelocityFacilityScreen : public QWidget {
    Q_OBJECT
public:
    // Without a session the screen only shows its fields (a screen built alone).
    VelocityFacilityScreen(VelocitySession *session, ScreenId id, QWidget *parent = nullptr);
    ~VelocityFacilityScreen() override;

    ScreenId screenId() const noexcept { return m_id; }

    // Puts the focus on the control named `name` (a text field gets the caret at its start).
    void focusControl(const QString &name);
    // The fields from the session, without feeding the changes back; a text already shown is not set again.
    virtual void render();

signals:
    void calculateRequested();
    void cancelRequested();

protected:
    // The buttons "計算" (cmd1) and "キャンセル" (cmd2) wired to the two signals.
    QPushButton *makeCalculateButton();
    QPushButton *makeCancelButton();
    // Hands every text field's and list's changes to the session (call once the fields exist).
    void bindFields();

    VelocitySession *m_session = nullptr;

private:
    ScreenId m_id;
};

} // namespace niruka
