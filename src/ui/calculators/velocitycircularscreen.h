#pragma once
// The calculator's screen for another circular pipe: material, diameter, gradient, roughness and the
// 15-line effective-depth list, plus "キャンセル".

#include "docs/projectrecord.h"
#include "session/designworkflow.h"
#include "ui/calculators/velocityfacilityscreen.h"

class QComboBox;
class QLineEdit;

namespace niruka {

class VelocityCircularScreen : public VelocityFacilityScreen {
    Q_OBJECT
public:
    explicit VelocityCircularScreen(VelocitySession *session = nullptr, QWidget *parent = nullptr);

private:
    QLineEdit *m_material, *m_diameter, *m_gradient, *m_roughness;
    QComboBox *m_depth;
};

} // namespace niruka
