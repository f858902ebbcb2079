#pragma once
// The modal inflow time calculator of the intensity screen: slope length, slope gradient and retardance
// with their reference table. "ＯＫ" hands t1 back and hides the screen (its fields kept); "キャンセル"
// discards it.

#include "docs/projectrecord.h"
#include "model/designcase.h"

#include <QDialog>
#include <memory>

class QLineEdit;
class QPushButton;

namespace niruka {

class IntensitySession;
struct FocusRequest;

// A view of the inflow part of an IntensitySession.
class InflowTimeScreen : public QDialog {
    Q_OBJECT
public:
    // A view of the owner's intensity session (its inflow screen).
    explicit InflowTimeScreen(IntensitySession &session, QWidget *parent = nullptr);
    // A screen alone with a session of its own: the numbers go into `inputs`, the hand-back and the
    // discard come out as the signals below.
    explicit InflowTimeScreen(IntensityInputs &inputs, QWidget *parent = nullptr);
    ~InflowTimeScreen() override;

    InflowTimeForm form() const;
    void setForm(const InflowTimeForm &form);

    void render();
    void showFocus(const FocusRequest &request);

signals:
    // t1 formatted "0.0#" for the intensity screen's t1 field.
    void inflowTimeCalculated(const QString &t1Text);
    // "キャンセル": the owner discards the screen.
    void discardRequested();

private:
    struct Own;
    void build();

    std::unique_ptr<Own> m_own;
    IntensitySession *m_session = nullptr;
    QLineEdit *m_length = nullptr;
    QLineEdit *m_gradient = nullptr;
    QLineEdit *m_retardance = nullptr;
    QPushButton *m_ok = nullptr;
};

} // namespace niruka
