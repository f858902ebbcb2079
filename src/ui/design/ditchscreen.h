#pragma once
// The facility screen of a U-ditch or trapezoidal ditch: material, height, three widths, gradient,
// roughness and effective depth.

#include "docs/projectrecord.h"
#include "ui/design/facilityfields.h"
#include "ui/design/facilityscreen.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace niruka {

class DitchScreen : public FacilityScreen {
    Q_OBJECT
public:
    explicit DitchScreen(MainFrame &frame);

    DitchEntries entries() const;
    DitchForm form() const;
    void setForm(const DitchForm &form);
    QWidget *firstEntry() const override;
    void render() override;

private:
    DitchFields fields() const
    {
        return {m_material, m_height, m_bottom, m_top, m_slope, m_gradient, m_roughness, m_depth};
    }

    QLineEdit *m_material, *m_height, *m_bottom, *m_top, *m_slope, *m_gradient, *m_roughness;
    QComboBox *m_depth;
    QPushButton *m_calc;
};

} // namespace niruka
