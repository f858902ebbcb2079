#pragma once
// The facility screen of another circular pipe: material, diameter, gradient, roughness, effective depth.

#include "docs/projectrecord.h"
#include "ui/design/facilityfields.h"
#include "ui/design/facilityscreen.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace niruka {

class CircularPipeScreen : public FacilityScreen {
    Q_OBJECT
public:
    explicit CircularPipeScreen(MainFrame &frame);

    CircularEntries entries() const;
    CircularForm form() const;
    void setForm(const CircularForm &form);
    void render() override;

private:
    CircularFields fields() const { return {m_material, m_diameter, m_gradient, m_roughness, m_depth}; }

    QLineEdit *m_material, *m_diameter, *m_gradient, *m_roughness;
    QComboBox *m_depth;
    QPushButton *m_calc;
};

} // namespace niruka
