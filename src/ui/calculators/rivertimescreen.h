#pragma once
// The modal river flow time screen ("茨城県"): development state, river length and river gradient.
// "ＯＫ" checks and hides the screen, keeping its fields for the intensity screen's calculation;
// "キャンセル" asks the owner to discard it and to return to t2 by L/(60・V).

#include "docs/projectrecord.h"

#include <QDialog>

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace niruka {

class RiverTimeScreen : public QDialog {
    Q_OBJECT
public:
    explicit RiverTimeScreen(QWidget *parent = nullptr);

    RiverTimeForm form() const;
    void setForm(const RiverTimeForm &form);

signals:
    void riverTimeConfirmed();
    void riverTimeCancelled();

private:
    void onOk();

    QRadioButton *m_before = nullptr;
    QRadioButton *m_after = nullptr;
    QLineEdit *m_length = nullptr;
    QLineEdit *m_gradient = nullptr;
    QPushButton *m_ok = nullptr;
};

} // namespace niruka
