#pragma once
// The modal river flow time screen ("茨城県"): development state, river length and river gradient.
// "ＯＫ" checks and hides the screen, keeping its fields for the intensity screen's calculation;
// "キャンセル" asks the owner to discard it and to return to t2 by L/(60・V).

#include "docs/projectrecord.h"

#include <QDialog>
#include <memory>

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace niruka {

class IntensitySession;
struct FocusRequest;

// A view of the river part of an IntensitySession.
class RiverTimeScreen : public QDialog {
    Q_OBJECT
public:
    // A view of the owner's intensity session (its river screen).
    explicit RiverTimeScreen(IntensitySession &session, QWidget *parent = nullptr);
    // A screen alone with a session of its own; its buttons come out as the signals below.
    explicit RiverTimeScreen(QWidget *parent = nullptr);
    ~RiverTimeScreen() override;

    RiverTimeForm form() const;
    void setForm(const RiverTimeForm &form);

    void render();
    void showFocus(const FocusRequest &request);

signals:
    void riverTimeConfirmed();
    void riverTimeCancelled();

private:
    struct Own;
    void build();

    std::unique_ptr<Own> m_own;
    IntensitySession *m_session = nullptr;
    QRadioButton *m_before = nullptr;
    QRadioButton *m_after = nullptr;
    QLineEdit *m_length = nullptr;
    QLineEdit *m_gradient = nullptr;
    QPushButton *m_ok = nullptr;
};

} // namespace niruka
