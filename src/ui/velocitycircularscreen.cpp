#include "ui/velocitycircularscreen.h"

#include "engine/filloption.h"
#include "ui/screenparts.h"
#include "ui/shapesketch.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace niruka {

VelocityCircularScreen::VelocityCircularScreen(QWidget *parent) : VelocityFacilityScreen(parent)
{
    setObjectName(QStringLiteral("VelocityCircularScreen"));
    setWindowTitle(QStringLiteral("流下時間の流速計算"));
    auto *title = makeLabel(this, QStringLiteral("円　形　管"));
    QFont f = title->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.2);
    title->setFont(f);
    m_material = makeField(this, "txt_m", 20);
    m_diameter = makeField(this, "txt1", 7);
    m_gradient = makeField(this, "txt2", 7);
    m_roughness = makeField(this, "txt3", 7);
    m_depth = makeDepthList(this);
    QList<QString> lines;
    for (const std::string &s : circularFillList())
        lines.append(QString::fromStdString(s));
    fillDepthList(m_depth, lines, kCircularFillDefaultPosition);
    QPushButton *calc = makeCalculateButton();
    QPushButton *cancel = makeCancelButton();

    auto *g = new QGridLayout;
    g->addWidget(title, 0, 0, 1, 2);
    g->addWidget(new ShapeSketch(ShapeSketch::Shape::Circle, this), 0, 2, 3, 1);
    g->addWidget(makeLabel(this, QStringLiteral("管の材料・名称")), 1, 0, 1, 2);
    g->addWidget(m_material, 2, 0, 1, 2);
    g->addWidget(makeLabel(this, QStringLiteral("直径 Ｄ＝")), 3, 0, Qt::AlignRight);
    g->addWidget(m_diameter, 3, 1);
    g->addWidget(makeLabel(this, QStringLiteral("m")), 3, 2);
    g->addWidget(makeLabel(this, QStringLiteral("施設の勾配 x/1000")), 4, 0, 1, 2);
    g->addWidget(makeLabel(this, QStringLiteral("x＝")), 5, 0, Qt::AlignRight);
    g->addWidget(m_gradient, 5, 1);
    g->addWidget(makeLabel(this, QStringLiteral("粗度係数")), 6, 0, 1, 2);
    g->addWidget(makeLabel(this, QStringLiteral("n＝")), 7, 0, Qt::AlignRight);
    g->addWidget(m_roughness, 7, 1);
    g->addWidget(makeLabel(this, QStringLiteral("有効水深 水量")), 8, 0, 1, 2);
    g->addWidget(m_depth, 9, 0, 1, 2);
    g->addWidget(calc, 10, 0);
    g->addWidget(cancel, 10, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(g);
    chainEnter({m_material, m_diameter, m_gradient, m_roughness, m_depth, calc});
}

CircularEntries VelocityCircularScreen::entries() const
{
    return CircularEntries{m_material->text(), m_diameter->text(), m_gradient->text(), m_roughness->text(),
                           m_depth->currentIndex()};
}

CircularForm VelocityCircularScreen::form() const
{
    return CircularForm{m_material->text(), m_diameter->text(), m_gradient->text(), m_roughness->text(),
                        m_depth->currentIndex()};
}

void VelocityCircularScreen::setForm(const CircularForm &form)
{
    m_material->setText(form.txt_m);
    m_diameter->setText(form.txt1);
    m_gradient->setText(form.txt2);
    m_roughness->setText(form.txt3);
    m_depth->setCurrentIndex(form.cbo1);
}

} // namespace niruka
