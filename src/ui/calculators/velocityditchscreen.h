#pragma once
// The calculator's screen for a U-ditch or trapezoidal ditch: the fields of the design's ditch screen,
// but the 8-line depth list of the U-trough ("満流" … "水深７割"), plus "キャンセル".

#include "docs/projectrecord.h"
#include "session/designworkflow.h"
#include "ui/calculators/velocityfacilityscreen.h"

class QComboBox;
class QLineEdit;

namespace niruka {

class VelocityDitchScreen : public VelocityFacilityScreen {
    Q_OBJECT
public:
    explicit VelocityDitchScreen(VelocitySession *session = nullptr, QWidget *parent = nullptr);

private:
    QLineEdit *m_material, *m_height, *m_b1, *m_b2, *m_b3, *m_gradient, *m_roughness;
    QComboBox *m_depth;
};

} // namespace niruka
