#include "ui/design/shapesketch.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

namespace niruka {

ShapeSketch::ShapeSketch(Shape shape, QWidget *parent) : QWidget(parent), m_shape(shape)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize ShapeSketch::sizeHint() const
{
    const int em = fontMetrics().height();
    return m_shape == Shape::Circle ? QSize(em * 5, em * 5) : QSize(em * 11, em * 7);
}

void ShapeSketch::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(palette().color(QPalette::WindowText), 1.5));
    const QFontMetrics fm = fontMetrics();
    const int em = fm.height();
    if (m_shape == Shape::Circle) {
        const QRectF r = QRectF(rect()).adjusted(em * 0.5, em * 0.5, -em * 0.5, -em * 0.5);
        p.drawEllipse(r);
        const double y = r.center().y();
        p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
        p.drawText(QRectF(r.left(), y - em * 1.2, r.width(), em), Qt::AlignCenter, QStringLiteral("Ｄ"));
        return;
    }
    // Ditch: bottom b1, top b2, left slope run b3, height h.
    const double left = em * 1.0, right = width() - em * 1.8;
    const double top = em * 1.4, bottom = height() - em * 1.4;
    const double b3 = (right - left) * 0.22;
    const double bottomLeft = left + b3, bottomRight = right - (right - left) * 0.18;
    QPainterPath outline;
    outline.moveTo(left, top);
    outline.lineTo(bottomLeft, bottom);
    outline.lineTo(bottomRight, bottom);
    outline.lineTo(right, top);
    p.drawPath(outline);
    QPen thin(palette().color(QPalette::WindowText), 0.8, Qt::DashLine);
    p.setPen(thin);
    p.drawLine(QPointF(left, top), QPointF(right, top));
    p.drawLine(QPointF(bottomLeft, bottom), QPointF(bottomLeft, top));
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(QRectF(left, 0, right - left, top), Qt::AlignCenter, QStringLiteral("b2"));
    p.drawText(QRectF(bottomLeft, bottom, bottomRight - bottomLeft, em * 1.4), Qt::AlignCenter,
               QStringLiteral("b1"));
    p.drawText(QRectF(left, top, b3, em * 1.2), Qt::AlignCenter, QStringLiteral("b3"));
    p.drawText(QRectF(right + em * 0.2, (top + bottom) / 2 - em / 2, em * 1.6, em),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("h"));
}

} // namespace niruka
