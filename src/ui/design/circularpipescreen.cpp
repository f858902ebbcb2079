#include "ui/design/circularpipescreen.h"

#include "engine/filloption.h"
#include "session/designsession.h"
#include "ui/design/shapesketch.h"
#include "ui/mainwindow/mainframe.h"
#include "ui/mainwindow/screenparts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

namespace niruka {

CircularPipeScreen::CircularPipeScreen(MainFrame &frame) : FacilityScreen(frame, ScreenId::Circular)
{
    setObjectName(QStringLiteral("CircularPipeScreen"));
    setWindowTitle(QStringLiteral("排水施設"));

    auto *title = makeTitle(this, QStringLiteral("円　形　管"), "lbl_title");

    m_material = makeField(this, "txt_m", 18);
    m_diameter = makeField(this, "txt1", 7);
    m_gradient = makeField(this, "txt2", 7);
    m_roughness = makeField(this, "txt3", 7);
    m_depth = makeDepthList(this);
    fillDepthList(m_depth, circularDepthLines(), circularDefaults().cbo1);
    m_calc = makeCalculateButton();

    auto *g = new QGridLayout;
    g->setVerticalSpacing(4);
    int r = 0;
    g->addWidget(makeLabel(this, QStringLiteral("管の材料・名称")), r++, 0, 1, 3);
    g->addWidget(m_material, r++, 0, 1, 3);
    r = addMetreRows(g, r, {{"直径 Ｄ＝", m_diameter}});
    r = addGradientRoughnessRows(g, r, 3, m_gradient, m_roughness);
    g->addWidget(makeLabel(this, QStringLiteral("有効水深 水量"), "lbl_cbo"), r++, 0, 1, 3);
    g->addWidget(m_depth, r++, 0, 1, 3);

    auto *side = new QVBoxLayout;
    side->addWidget(new ShapeSketch(ShapeSketch::Shape::Circle, this), 0, Qt::AlignHCenter);
    side->addStretch();
    side->addWidget(m_calc);

    auto *body = new QHBoxLayout;
    body->addLayout(g);
    body->addSpacing(10);
    body->addLayout(side);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 8);
    layout->addWidget(title);
    layout->addLayout(body);

    for (QLineEdit *f : {m_material, m_diameter, m_gradient, m_roughness})
        follow(f);
    follow(m_depth);
    for (QWidget *w :
         std::initializer_list<QWidget *>{m_material, m_diameter, m_gradient, m_roughness, m_depth})
        forwardClick(w);
    chainEnter({m_material, m_diameter, m_gradient, m_roughness, m_depth, m_calc});
}

CircularEntries CircularPipeScreen::entries() const
{
    return circularEntriesOf(form());
}

CircularForm CircularPipeScreen::form() const
{
    return session().facility().circular;
}

void CircularPipeScreen::setForm(const CircularForm &f)
{
    session().setCircularForm(f);
}

void CircularPipeScreen::render()
{
    if (!session().isOpen(ScreenId::Circular))
        return;
    const QScopedValueRollback<bool> rendering(m_rendering, true);
    const CircularForm &f = session().facility().circular;
    showText(m_material, f.txt_m);
    showText(m_diameter, f.txt1);
    showText(m_gradient, f.txt2);
    showText(m_roughness, f.txt3);
    showRow(m_depth, f.cbo1);
}

} // namespace niruka
