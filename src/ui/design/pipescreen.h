#pragma once
// The facility screen of the four catalogue pipe series and the U-trough: size list, gradient, roughness and
// effective depth.

#include "docs/projectrecord.h"
#include "ui/design/facilityscreen.h"

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace niruka {

class PipeScreen : public FacilityScreen {
    Q_OBJECT
public:
    explicit PipeScreen(MainFrame &frame);

    // The series the screen is filled with: title, depth caption, sizes and the effective-depth list.
    FacilityKind kind() const;
    PipeEntries entries() const;
    // The fields as the project file stores them.
    PipeForm form() const;
    void setForm(const PipeForm &form);
    QWidget *firstEntry() const override;
    void render() override;

private:
    std::optional<FacilityKind> m_shownSeries; // the series the lists show
    QLabel *m_title, *m_depthCaption;
    QListWidget *m_sizes;
    QLineEdit *m_gradient, *m_roughness;
    QComboBox *m_depth;
    QPushButton *m_calc;
};

} // namespace niruka
