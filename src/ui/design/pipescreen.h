#pragma once
// The facility screen of the four catalogue pipe series and the U-trough: size list, gradient, roughness and
// effective depth.

#include "docs/projectrecord.h"
#include "ui/design/facilityscreen.h"

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

    // Prepares the screen for a series: title, depth caption, sizes (first selected), default roughness,
    // empty gradient, and the effective-depth list with "水深８割" selected.
    void fillSeries(FacilityKind kind);
    FacilityKind kind() const { return m_kind; }
    PipeEntries entries() const;
    // The fields as the project file stores them (after fillSeries has prepared the series).
    PipeForm form() const;
    void setForm(const PipeForm &form);
    QWidget *firstEntry() const override;

    std::optional<Refusal> facilityRules(DesignCase &design, const ConditionsEntries &conditions) override;

private:
    FacilityKind m_kind = FacilityKind::VpPipe;
    QLabel *m_title, *m_depthCaption;
    QListWidget *m_sizes;
    QLineEdit *m_gradient, *m_roughness;
    QComboBox *m_depth;
    QPushButton *m_calc;
};

} // namespace niruka
