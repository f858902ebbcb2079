#include "ui/calculators/velocitypipescreen.h"

#include "engine/catalogue.h"
#include "ui/mainwindow/screenparts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace niruka {
VelocityPipeScreen::VelocityPipeScreen(QWidget *parent) : VelocityFacilityScreen(parent)
{
    setObjectName(QStringLiteral("VelocityPipeScreen"));
    setWindowTitle(QStringLiteral("流下時間の流速計算"));
    m_title = makeTitle(this, QString(), "lbl_title");
    m_sizes = makeSizeList(this, false);
    m_gradient = makeField(this, "txt1", 7);
    m_roughness = makeField(this, "txt2", 7);
    m_depthCaption = makeLabel(this, QString(), "lbl_cbo");
    m_depth = makeDepthList(this);
    QPushButton *calc = makeCalculateButton();
    QPushButton *cancel = makeCancelButton();

    auto *fields = new QGridLayout;
    addGradientRoughnessRows(fields, 0, 2, m_gradient, m_roughness);
    fields->addWidget(m_depthCaption, 4, 0, 1, 2);
    fields->addWidget(m_depth, 5, 0, 1, 2);
    fields->setRowStretch(6, 1);
    fields->addWidget(calc, 7, 0, 1, 2);
    fields->addWidget(cancel, 8, 0, 1, 2);
    auto *body = new QHBoxLayout;
    body->addWidget(m_sizes);
    body->addSpacing(8);
    body->addLayout(fields);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_title);
    layout->addLayout(body);
    // Only the effective-depth list has an Enter step on this screen.
    chainEnter({m_depth, calc});
    fillSeries(FacilityKind::VpPipe);
}

void VelocityPipeScreen::fillSeries(FacilityKind kind)
{
    m_kind = kind;
    const std::optional<SeriesId> id = PipeCatalogue::seriesOf(kind);
    if (!id)
        return;
    showPipeSeries({m_title, m_depthCaption, m_sizes, m_gradient, m_roughness, m_depth},
                   QString::fromStdString(facilityTitle(kind)), PipeCatalogue::series(*id));
}

PipeEntries VelocityPipeScreen::entries() const
{
    return PipeEntries{m_kind, m_sizes->currentRow(), m_gradient->text(), m_roughness->text(),
                       m_depth->currentIndex()};
}

PipeForm VelocityPipeScreen::form() const
{
    return PipeForm{m_sizes->currentRow(), m_gradient->text(), m_roughness->text(), m_depth->currentIndex()};
}

void VelocityPipeScreen::setForm(const PipeForm &form)
{
    m_sizes->setCurrentRow(form.lst_pu);
    m_gradient->setText(form.txt1);
    m_roughness->setText(form.txt2);
    m_depth->setCurrentIndex(form.cbo1);
}

} // namespace niruka
