#include "ui/calculators/velocityditchscreen.h"

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

VelocityDitchScreen::VelocityDitchScreen(VelocitySession *session, QWidget *parent)
    : VelocityFacilityScreen(session, ScreenId::VelocityDitch, parent)
{
    setObjectName(QStringLiteral("VelocityDitchScreen"));
    setWindowTitle(QStringLiteral("流下時間の流速計算"));
    auto *title = makeTitle(this, QStringLiteral("Ｕ型溝　台形溝"));
    m_material = makeField(this, "txt_m", 20);
    m_height = makeField(this, "txt1", 7);
    m_b1 = makeField(this, "txt2", 7);
    m_b2 = makeField(this, "txt3", 7);
    m_b3 = makeField(this, "txt4", 7);
    m_gradient = makeField(this, "txt5", 7);
    m_roughness = makeField(this, "txt6", 7);
    m_depth = makeDepthList(this);
    fillDepthList(m_depth, toQt(troughFillList()), kTroughFillDefaultPosition);
    QPushButton *calc = makeCalculateButton();
    QPushButton *cancel = makeCancelButton();

    auto *g = new QGridLayout;
    g->addWidget(title, 0, 0, 1, 3);
    g->addWidget(makeLabel(this, QStringLiteral("排水溝の材料・名称")), 1, 0, 1, 3);
    g->addWidget(m_material, 2, 0, 1, 3);
    g->addWidget(makeLabel(this, QStringLiteral("施設の形状")), 3, 0, 1, 3);
    g->addWidget(new ShapeSketch(ShapeSketch::Shape::Ditch, this), 4, 0, 1, 3);
    int row = addMetreRows(
        g, 5, {{"高さ h＝", m_height}, {"下部巾 b1＝", m_b1}, {"上部巾 b2＝", m_b2}, {"傾斜巾 b3＝", m_b3}});
    row = addGradientRoughnessRows(g, row, 3, m_gradient, m_roughness);
    g->addWidget(makeLabel(this, QStringLiteral("有効水深 ")), row++, 0, 1, 3);
    g->addWidget(m_depth, row++, 0, 1, 2);
    g->addWidget(calc, row, 0);
    g->addWidget(cancel, row, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(g);
    chainEnter({m_material, m_height, m_b1, m_b2, m_b3, m_gradient, m_roughness, m_depth, calc});
    bindFields();
    render();
}

} // namespace niruka
