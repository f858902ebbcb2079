#pragma once
// The modal inflow time calculator of the intensity screen: slope length, slope gradient and retardance
// with their reference table. "ＯＫ" hands t1 back and hides the screen (its fields kept); "キャンセル"
// discards it.

#include "docs/projectrecord.h"
#include "model/designcase.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace niruka {

class InflowTimeScreen : public QDialog {
    Q_OBJECT
public:
    explicit InflowTimeScreen(IntensityInputs &inputs, QWidget *parent = nullptr);

    InflowTimeForm form() const;
    void setForm(const InflowTimeForm &form);

signals:
    // t1 formatted "0.0#" for the intensity screen's t1 field.
    void inflowTimeCalculated(const QString &t1Text);
    // "キャンセル": the owner discards the screen.
    void discardRequested();

private:
    void onOk();

    IntensityInputs &m_inputs;
    QLineEdit *m_length = nullptr;
    QLineEdit *m_gradient = nullptr;
    QLineEdit *m_retardance = nullptr;
    QPushButton *m_ok = nullptr;
};

} // namespace niruka
