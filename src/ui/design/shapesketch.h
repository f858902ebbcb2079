#pragma once
// The fixed pictures of the facility screens: the circle marked "Ｄ" and the ditch outline marked b1, b2, b3
// and h.

#include <QWidget>

namespace niruka {

class ShapeSketch : public QWidget {
    Q_OBJECT
public:
    enum class Shape { Circle, Ditch };
    ShapeSketch(Shape shape, QWidget *parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Shape m_shape;
};

} // namespace niruka
