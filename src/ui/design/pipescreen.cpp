#include "ui/design/pipescreen.h"

#include "engine/catalogue.h"
#include "session/facilityforms.h"
#include "ui/mainwindow/mainframe.h"
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

PipeScreen::PipeScreen(MainFrame &frame) : FacilityScreen(frame)
{
    setObjectName(QStringLiteral("PipeScreen"));
    setWindowTitle(QStringLiteral("排水施設"));

    m_title = makeTitle(this, QString(), "lbl_title");
    m_sizes = makeSizeList(this, true);
    m_gradient = makeField(this, "txt1", 7);
    m_roughness = makeField(this, "txt2", 7);
    m_depthCaption = makeLabel(this, QString(), "lbl_cbo");
    m_depth = makeDepthList(this);
    m_calc = makeCalculateButton();

    auto *fields = new QGridLayout;
    fields->setVerticalSpacing(4);
    addGradientRoughnessRows(fields, 0, 2, m_gradient, m_roughness);
    fields->addWidget(m_depthCaption, 4, 0, 1, 2);
    fields->addWidget(m_depth, 5, 0, 1, 2);
    fields->setRowStretch(6, 1);
    fields->addWidget(m_calc, 7, 0, 1, 2);

    auto *body = new QHBoxLayout;
    body->addWidget(m_sizes);
    body->addSpacing(8);
    body->addLayout(fields);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 8);
    layout->addWidget(m_title);
    layout->addLayout(body);

    for (QWidget *w : std::initializer_list<QWidget *>{m_sizes, m_gradient, m_roughness, m_depth})
        closeResultOnClick(w, facilityHint());
    chainEnter({m_sizes, m_gradient, m_roughness, m_depth, m_calc});
}

void PipeScreen::fillSeries(FacilityKind kind)
{
    m_kind = kind;
    const std::optional<SeriesId> id = PipeCatalogue::seriesOf(kind);
    showPipeSeries({m_title, m_depthCaption, m_sizes, m_gradient, m_roughness, m_depth},
                   QString::fromStdString(facilityTitle(kind)),
                   PipeCatalogue::series(id.value_or(SeriesId::Vp)));
}

PipeEntries PipeScreen::entries() const
{
    PipeEntries e;
    e.kind = m_kind;
    const int row = m_sizes->currentRow();
    e.sizeRow = row >= 0 && m_sizes->item(row)->isSelected() ? row : -1;
    e.gradient = m_gradient->text();
    e.roughness = m_roughness->text();
    e.fillRow = m_depth->currentIndex();
    return e;
}

PipeForm PipeScreen::form() const
{
    const PipeEntries e = entries();
    return PipeForm{e.sizeRow, e.gradient, e.roughness, e.fillRow};
}

void PipeScreen::setForm(const PipeForm &f)
{
    m_sizes->setCurrentRow(f.lst_pu);
    m_gradient->setText(f.txt1);
    m_roughness->setText(f.txt2);
    m_depth->setCurrentIndex(clampedRow(f.cbo1, m_depth->count()));
}

QWidget *PipeScreen::firstEntry() const
{
    return m_sizes;
}

std::optional<Refusal> PipeScreen::facilityRules(DesignCase &design, const ConditionsEntries &conditions)
{
    return calculatePipe(design, conditions, entries());
}

} // namespace niruka
