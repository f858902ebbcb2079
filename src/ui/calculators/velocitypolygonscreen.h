#pragma once
// The calculator's screen for a ditch of any shape: name, widths, height, gradient, roughness and up to
// eight vertices, a sketch of the entered outline, and the buttons "計算", "描画" and "キャンセル".

#include "docs/projectrecord.h"
#include "session/designworkflow.h"
#include "ui/calculators/velocityfacilityscreen.h"

#include <array>

class QLabel;
class QLineEdit;

namespace niruka {

class VelocityPolygonSketch;

class VelocityPolygonScreen : public VelocityFacilityScreen {
    Q_OBJECT
public:
    explicit VelocityPolygonScreen(VelocitySession *session = nullptr, QWidget *parent = nullptr);

    // The fields as a form, and set from one (each text handed to the session).
    PolygonForm form() const;
    void setForm(const PolygonForm &form);
    // The sketch as drawn now, and whether the instruction still stands in its place.
    QList<QPoint> sketchPoints() const;
    bool instructionVisible() const;
    void render() override;

signals:
    void drawRequested(); // "描画"

private:
    QLineEdit *m_material, *m_bottom, *m_top, *m_height, *m_gradient, *m_roughness;
    std::array<QLineEdit *, 8> m_x{}, m_y{};
    QLabel *m_instruction = nullptr;
    VelocityPolygonSketch *m_sketch = nullptr;
};

} // namespace niruka
