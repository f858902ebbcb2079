#pragma once
// The calculator's screen for the catalogue pipes and the U-trough: the fields of the design's pipe
// screen plus "キャンセル", without click hints.

#include "docs/projectrecord.h"
#include "session/designworkflow.h"
#include "ui/calculators/velocityfacilityscreen.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace niruka {

class VelocityPipeScreen : public VelocityFacilityScreen {
    Q_OBJECT
public:
    explicit VelocityPipeScreen(VelocitySession *session = nullptr, QWidget *parent = nullptr);

    // The series the session filled the screen with.
    FacilityKind kind() const;
    PipeForm form() const;
    void render() override;

private:
    QLabel *m_title = nullptr;
    QLabel *m_depthCaption = nullptr;
    QListWidget *m_sizes = nullptr;
    QLineEdit *m_gradient = nullptr;
    QLineEdit *m_roughness = nullptr;
    QComboBox *m_depth = nullptr;
};

} // namespace niruka
