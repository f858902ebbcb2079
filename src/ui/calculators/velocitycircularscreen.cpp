#include "ui/calculators/velocitycircularscreen.h"

#include "engine/filloption.h"
#include "ui/design/shapesketch.h"
#include "ui/mainwindow/screenparts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace niruka {

VelocityCircularScreen::VelocityCircularScreen(VelocitySession *session, QWidget *parent)
    : VelocityFacilityScreen(session, ScreenId::VelocityCircular, parent)
{
    setObjectName(QStringLiteral("VelocityCircularScreen"));
    setWindowTitle(QStringLiteral("流下時間の流速計算"));
    auto *title = makeTitle(this, QStringLiteral("円　形　管"));
    m_material = makeField(this, "txt_m", 20);
    m_diameter = makeField(this, "txt1", 7);
    m_gradient = makeField(this, "txt2", 7);
    m_roughness = makeField(this, "txt3", 7);
    m_depth = makeDepthList(this);
    fillDepthList(m_depth, toQt(circularFillList()), kCircularFillDefaultPosition);
    QPushButton *calc = makeCalculateButton();
    QPushButton *cancel = makeCancelButton();

    auto *g = new QGridLayout;
    g->addWidget(title, 0, 0, 1, 2);
    g->addWidget(new ShapeSketch(ShapeSketch::Shape::Circle, this), 0, 2, 3, 1);
    g->addWidget(makeLabel(this, QStringLiteral("管の材料・名称")), 1, 0, 1, 2);
    g->addWidget(m_material, 2, 0, 1, 2);
    addGradientRoughnessRows(g, addMetreRows(g, 3, {{"直径 Ｄ＝", m_diameter}}), 2, m_gradient, m_roughness);
    g->addWidget(makeLabel(this, QStringLiteral("有効水深 水量")), 8, 0, 1, 2);
    g->addWidget(m_depth, 9, 0, 1, 2);
    g->addWidget(calc, 10, 0);
    g->addWidget(cancel, 10, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(g);
    chainEnter({m_material, m_diameter, m_gradient, m_roughness, m_depth, calc});
    bindFields();
    render();
}

} // namespace niruka
