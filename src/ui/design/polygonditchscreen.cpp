#include "ui/design/polygonditchscreen.h"

#include "session/designsession.h"
#include "ui/mainwindow/eventhook.h"
#include "ui/mainwindow/mainframe.h"
#include "ui/mainwindow/screenparts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

namespace niruka {

PolygonSketch::PolygonSketch(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("pic_sketch"));
    setFixedSize(133, 137);
}

void PolygonSketch::setPoints(const QList<QPoint> &points)
{
    m_points = points;
    update();
}

void PolygonSketch::clear()
{
    m_points.clear();
    update();
}

void PolygonSketch::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setPen(QPen(Qt::black, 2));
    if (m_points.size() >= 2)
        p.drawPolyline(m_points.constData(), static_cast<int>(m_points.size()));
}

PolygonDitchScreen::PolygonDitchScreen(MainFrame &frame) : FacilityScreen(frame, ScreenId::Polygon)
{
    setObjectName(QStringLiteral("PolygonDitchScreen"));
    setWindowTitle(QStringLiteral("排水施設"));

    auto *title = makeTitle(this, QStringLiteral("排水溝　河川等"), "lbl_title");

    m_material = makeField(this, "txt_m", 18);
    m_bottom = makeField(this, "txt1", 7);
    m_top = makeField(this, "txt2", 7);
    m_height = makeField(this, "txt3", 7);
    m_gradient = makeField(this, "txt4", 7);
    m_roughness = makeField(this, "txt5", 7);

    // Vertex table.
    auto *vertices = new QGridLayout;
    vertices->setVerticalSpacing(1);
    vertices->setHorizontalSpacing(4);
    addVertexRows(this, vertices, Qt::AlignHCenter, m_x, m_y);

    // Axes and the sketch area with its instruction.
    auto *axes = new QGridLayout;
    axes->setSpacing(2);
    axes->addWidget(makeLabel(this, QStringLiteral("(0，0)")), 0, 0);
    auto *xAxis = new QHBoxLayout;
    xAxis->addWidget(makeLabel(this, QStringLiteral("Ｘ軸(＋)")));
    xAxis->addWidget(makeLabel(this, QStringLiteral("→")));
    xAxis->addStretch();
    axes->addLayout(xAxis, 0, 1);
    auto *yAxis = new QVBoxLayout;
    yAxis->addWidget(makeLabel(this, QStringLiteral("↓")), 0, Qt::AlignHCenter);
    yAxis->addWidget(makeLabel(this, QStringLiteral("Ｙ軸(＋)")));
    yAxis->addStretch();
    axes->addLayout(yAxis, 1, 0);
    m_sketch = new PolygonSketch(this);
    axes->addWidget(m_sketch, 1, 1);
    // The instruction stands over the sketch area, so hiding it after the first computation moves nothing.
    m_instruction = makeLabel(
        m_sketch,
        QStringLiteral("有効水深部分（水に接している辺）を左上より、座標を反時計回りに入力してください｡"),
        "lbl_instruction");
    m_instruction->setWordWrap(true);
    m_instruction->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_instruction->setGeometry(4, 4, m_sketch->width() - 8, m_sketch->height() - 8);

    auto *sketchColumn = new QVBoxLayout;
    sketchColumn->addLayout(axes);
    sketchColumn->addStretch();

    auto *top = new QHBoxLayout;
    top->addLayout(vertices);
    top->addSpacing(8);
    top->addLayout(sketchColumn);

    auto *dims = new QGridLayout;
    dims->setVerticalSpacing(3);
    addMetreRows(dims, 0, {{"下部巾：", m_bottom}, {"上部巾：", m_top}, {"高さ：", m_height}});
    auto *hydraulic = new QGridLayout;
    hydraulic->setVerticalSpacing(3);
    hydraulic->addWidget(makeLabel(this, QStringLiteral("排水溝の勾配")), 0, 0, 1, 2);
    hydraulic->addWidget(makeLabel(this, QStringLiteral("x/1000 x＝")), 1, 0, Qt::AlignRight);
    hydraulic->addWidget(m_gradient, 1, 1);
    hydraulic->addWidget(makeLabel(this, QStringLiteral("粗度係数 n＝")), 2, 0, Qt::AlignRight);
    hydraulic->addWidget(m_roughness, 2, 1);

    m_calc = makeCalculateButton();

    auto *bottom = new QHBoxLayout;
    bottom->addLayout(dims);
    bottom->addSpacing(12);
    bottom->addLayout(hydraulic);
    bottom->addStretch();
    bottom->addWidget(m_calc, 0, Qt::AlignBottom);

    // The name beside the heading keeps the screen above the result screen.
    auto *name = new QHBoxLayout;
    name->addWidget(title);
    name->addStretch();
    name->addWidget(makeLabel(this, QStringLiteral("材料・名称")));
    name->addWidget(m_material);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 8);
    layout->setSpacing(4);
    layout->addLayout(name);
    layout->addLayout(top);
    layout->addLayout(bottom);

    // Field behaviour.
    for (QLineEdit *f : {m_material, m_bottom, m_top, m_height, m_gradient, m_roughness}) {
        follow(f);
        forwardClick(f);
    }
    for (int i = 0; i < 8; ++i) {
        for (QLineEdit *v : {m_x[i], m_y[i]}) {
            follow(v);
            forwardClick(v);
            // Flat with a single border while it has the focus.
            EventHook::onFocusIn(
                v, [v] { v->setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid black; }")); });
            EventHook::onFocusOut(v, [v] { v->setStyleSheet(QString()); });
        }
    }
    chainEnter({m_material, m_bottom, m_top, m_height, m_gradient, m_roughness, m_calc});
}

PolygonEntries PolygonDitchScreen::entries() const
{
    return polygonEntriesOf(form());
}

PolygonForm PolygonDitchScreen::form() const
{
    return session().facility().polygon;
}

void PolygonDitchScreen::setForm(const PolygonForm &f)
{
    session().setPolygonForm(f);
}

void PolygonDitchScreen::render()
{
    const DesignSession &s = session();
    if (!s.isOpen(ScreenId::Polygon))
        return;
    const QScopedValueRollback<bool> rendering(m_rendering, true);
    const PolygonForm &f = s.facility().polygon;
    showText(m_material, f.txt_m);
    showText(m_bottom, f.txt1);
    showText(m_top, f.txt2);
    showText(m_height, f.txt3);
    showText(m_gradient, f.txt4);
    showText(m_roughness, f.txt5);
    for (std::size_t i = 0; i < 8; ++i) {
        showText(m_x[i], f.txt_x[i]);
        showText(m_y[i], f.txt_y[i]);
    }
    m_instruction->setVisible(s.looks().polygonInstructionVisible);
    if (m_sketch->points() != s.looks().polygonSketch)
        m_sketch->setPoints(s.looks().polygonSketch);
}

} // namespace niruka
