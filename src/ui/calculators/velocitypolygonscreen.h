#pragma once
// The calculator's screen for a ditch of any shape: name, widths, height, gradient, roughness and up to
// eight vertices, a sketch of the entered outline, and the buttons "計算", "描画" and "キャンセル".

#include "docs/projectrecord.h"
#include "session/designworkflow.h"
#include "ui/calculators/velocityfacilityscreen.h"
#include "ui/design/facilityfields.h"

#include <array>

class QLabel;
class QLineEdit;

namespace niruka {

class VelocityPolygonSketch;

class VelocityPolygonScreen : public VelocityFacilityScreen {
    Q_OBJECT
public:
    explicit VelocityPolygonScreen(QWidget *parent = nullptr);

    PolygonEntries entries() const;
    PolygonForm form() const;
    void setForm(const PolygonForm &form);

    // Draws the open polyline of vertices 0 … count−1; hides the instruction for good.
    void drawSketch(int count);
    void clearSketch(); // Kesu
    QList<QPoint> sketchPoints() const;
    bool instructionVisible() const;

signals:
    void drawRequested(); // "描画"

private:
    PolygonFields fields() const
    {
        return {m_material, m_bottom, m_top, m_height, m_gradient, m_roughness, m_x, m_y};
    }

    QLineEdit *m_material, *m_bottom, *m_top, *m_height, *m_gradient, *m_roughness;
    std::array<QLineEdit *, 8> m_x{}, m_y{};
    QLabel *m_instruction = nullptr;
    VelocityPolygonSketch *m_sketch = nullptr;
};

} // namespace niruka
