#include "ui/design/ditchscreen.h"

#include "engine/filloption.h"
#include "session/designsession.h"
#include "ui/design/shapesketch.h"
#include "ui/mainwindow/mainframe.h"
#include "ui/mainwindow/screenparts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

namespace niruka {

DitchScreen::DitchScreen(MainFrame &frame) : FacilityScreen(frame, ScreenId::Ditch)
{
    setObjectName(QStringLiteral("DitchScreen"));
    setWindowTitle(QStringLiteral("排水施設"));

    auto *title = makeTitle(this, QStringLiteral("Ｕ型溝　台形溝"), "lbl_title");

    m_material = makeField(this, "txt_m", 18);
    m_height = makeField(this, "txt1", 7);
    m_bottom = makeField(this, "txt2", 7);
    m_top = makeField(this, "txt3", 7);
    m_slope = makeField(this, "txt4", 7);
    m_gradient = makeField(this, "txt5", 7);
    m_roughness = makeField(this, "txt6", 7);
    m_depth = makeDepthList(this);
    fillDepthList(m_depth, ditchDepthLines(), ditchDefaults().cbo1);
    m_calc = makeCalculateButton();

    auto *shape = new QGroupBox(QStringLiteral("施設の形状"), this);
    auto *sl = new QVBoxLayout(shape);
    sl->setContentsMargins(4, 2, 4, 2);
    sl->addWidget(new ShapeSketch(ShapeSketch::Shape::Ditch, shape));

    auto *dims = new QGridLayout;
    dims->setVerticalSpacing(4);
    addMetreRows(dims, 0,
                 {{"高さ h＝", m_height},
                  {"下部巾 b1＝", m_bottom},
                  {"上部巾 b2＝", m_top},
                  {"傾斜巾 b3＝", m_slope}});

    auto *left = new QVBoxLayout;
    left->addWidget(makeLabel(this, QStringLiteral("排水溝の材料・名称")));
    left->addWidget(m_material);
    left->addWidget(shape);
    left->addLayout(dims);
    left->addStretch();

    auto *g = new QGridLayout;
    g->setVerticalSpacing(4);
    int r = addGradientRoughnessRows(g, 0, 2, m_gradient, m_roughness);
    g->addWidget(makeLabel(this, QStringLiteral("有効水深 "), "lbl_cbo"), r++, 0, 1, 2);
    g->addWidget(m_depth, r++, 0, 1, 2);
    g->setRowStretch(r++, 1);
    g->addWidget(m_calc, r, 0, 1, 2);

    auto *body = new QHBoxLayout;
    body->addLayout(left);
    body->addSpacing(10);
    body->addLayout(g);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 8);
    layout->addWidget(title);
    layout->addLayout(body);

    for (QLineEdit *f : {m_material, m_height, m_bottom, m_top, m_slope, m_gradient, m_roughness}) {
        follow(f);
        forwardClick(f);
    }
    follow(m_depth);
    forwardClick(m_depth);
    chainEnter({m_material, m_height, m_bottom, m_top, m_slope, m_gradient, m_roughness, m_depth, m_calc});
}

DitchEntries DitchScreen::entries() const
{
    return ditchEntriesOf(form());
}

DitchForm DitchScreen::form() const
{
    return session().facility().ditch;
}

void DitchScreen::setForm(const DitchForm &f)
{
    session().setDitchForm(f);
}

QWidget *DitchScreen::firstEntry() const
{
    return m_height;
}

void DitchScreen::render()
{
    if (!session().isOpen(ScreenId::Ditch))
        return;
    const QScopedValueRollback<bool> rendering(m_rendering, true);
    const DitchForm &f = session().facility().ditch;
    showText(m_material, f.txt_m);
    showText(m_height, f.txt1);
    showText(m_bottom, f.txt2);
    showText(m_top, f.txt3);
    showText(m_slope, f.txt4);
    showText(m_gradient, f.txt5);
    showText(m_roughness, f.txt6);
    showRow(m_depth, f.cbo1);
}

} // namespace niruka
