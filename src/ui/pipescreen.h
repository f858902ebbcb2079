#pragma once
// The facility screen of the four catalogue pipe series and the U-trough: size list, gradient, roughness and
// effective depth.

#include "ui/facilityscreen.h"

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
    QWidget *firstEntry() const override;

    void calculate(); // "計算"

private:
    FacilityKind m_kind = FacilityKind::VpPipe;
    QLabel *m_title, *m_depthCaption;
    QListWidget *m_sizes;
    QLineEdit *m_gradient, *m_roughness;
    QComboBox *m_depth;
    QPushButton *m_calc;
};

} // namespace niruka
