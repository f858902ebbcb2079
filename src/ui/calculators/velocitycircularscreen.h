#pragma once
// The calculator's screen for another circular pipe: material, diameter, gradient, roughness and the
// 15-line effective-depth list, plus "キャンセル".

#include "docs/projectrecord.h"
#include "session/designworkflow.h"
#include "ui/calculators/velocityfacilityscreen.h"
#include "ui/design/facilityfields.h"

class QComboBox;
class QLineEdit;

namespace niruka {

class VelocityCircularScreen : public VelocityFacilityScreen {
    Q_OBJECT
public:
    explicit VelocityCircularScreen(QWidget *parent = nullptr);

    CircularEntries entries() const;
    CircularForm form() const;
    void setForm(const CircularForm &form);

private:
    CircularFields fields() const { return {m_material, m_diameter, m_gradient, m_roughness, m_depth}; }

    QLineEdit *m_material, *m_diameter, *m_gradient, *m_roughness;
    QComboBox *m_depth;
};

} // namespace niruka
