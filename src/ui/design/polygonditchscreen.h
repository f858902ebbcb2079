#pragma once
// The facility screen of a ditch of any shape: up to eight vertices of the wetted outline, the descriptive
// dimensions, gradient and roughness, with a sketch of the entered outline.

#include "docs/projectrecord.h"
#include "ui/design/facilityfields.h"
#include "ui/design/facilityscreen.h"

#include <QList>
#include <QPoint>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;

namespace niruka {

// The sketch area: the open polyline of the last computation, until cleared.
class PolygonSketch : public QWidget {
    Q_OBJECT
public:
    explicit PolygonSketch(QWidget *parent = nullptr);
    void setPoints(const QList<QPoint> &points);
    void clear(); // Kesu
    const QList<QPoint> &points() const { return m_points; }
    QSize sizeHint() const override { return {133, 137}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<QPoint> m_points;
};

class PolygonDitchScreen : public FacilityScreen {
    Q_OBJECT
public:
    explicit PolygonDitchScreen(MainFrame &frame);

    PolygonEntries entries() const;
    PolygonForm form() const;
    void setForm(const PolygonForm &form);
    // The fields, the instruction and the sketch as the session holds them.
    void render() override;

    PolygonSketch *sketch() const { return m_sketch; }
    QLabel *instruction() const { return m_instruction; }

private:
    PolygonFields fields() const
    {
        return {m_material, m_bottom, m_top, m_height, m_gradient, m_roughness, m_x, m_y};
    }

    QLineEdit *m_material, *m_bottom, *m_top, *m_height, *m_gradient, *m_roughness;
    std::array<QLineEdit *, 8> m_x{}, m_y{};
    QLabel *m_instruction;
    PolygonSketch *m_sketch;
    QPushButton *m_calc;
};

} // namespace niruka
