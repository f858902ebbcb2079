#include "ui/velocitypipescreen.h"

#include "engine/catalogue.h"
#include "engine/filloption.h"
#include "ui/screenparts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace niruka {
namespace {

QList<QString> toQt(const std::vector<std::string> &lines)
{
    QList<QString> out;
    for (const std::string &s : lines)
        out.append(QString::fromStdString(s));
    return out;
}

} // namespace

VelocityPipeScreen::VelocityPipeScreen(QWidget *parent) : VelocityFacilityScreen(parent)
{
    setObjectName(QStringLiteral("VelocityPipeScreen"));
    setWindowTitle(QStringLiteral("流下時間の流速計算"));
    m_title = makeLabel(this, QString(), "lbl_title");
    QFont f = m_title->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.2);
    m_title->setFont(f);
    m_sizes = new QListWidget(this);
    m_sizes->setObjectName(QStringLiteral("lst_pu"));
    m_sizes->addItem(QStringLiteral("ヒューム管－φ３０００"));
    m_sizes->setMinimumWidth(m_sizes->sizeHintForColumn(0) + 2 * m_sizes->frameWidth() + 24);
    m_sizes->setFixedHeight(std::max(16, m_sizes->sizeHintForRow(0)) * 8 + 2 * m_sizes->frameWidth());
    m_sizes->clear();
    m_gradient = makeField(this, "txt1", 7);
    m_roughness = makeField(this, "txt2", 7);
    m_depthCaption = makeLabel(this, QString(), "lbl_cbo");
    m_depth = makeDepthList(this);
    QPushButton *calc = makeCalculateButton();
    QPushButton *cancel = makeCancelButton();

    auto *fields = new QGridLayout;
    fields->addWidget(makeLabel(this, QStringLiteral("施設の勾配 x/1000")), 0, 0, 1, 2);
    fields->addWidget(makeLabel(this, QStringLiteral("x＝")), 1, 0, Qt::AlignRight);
    fields->addWidget(m_gradient, 1, 1);
    fields->addWidget(makeLabel(this, QStringLiteral("粗度係数")), 2, 0, 1, 2);
    fields->addWidget(makeLabel(this, QStringLiteral("n＝")), 3, 0, Qt::AlignRight);
    fields->addWidget(m_roughness, 3, 1);
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
    const PipeSeries &s = PipeCatalogue::series(*id);
    const bool trough = *id == SeriesId::UTrough;
    m_title->setText(QString::fromStdString(facilityTitle(kind)));
    m_depthCaption->setText(QString::fromStdString(s.depthListCaption));
    m_sizes->clear();
    for (const PipeSize &size : s.sizes)
        m_sizes->addItem(QString::fromStdString(size.listText));
    m_sizes->setCurrentRow(0);
    m_roughness->setText(QString::fromStdString(s.defaultRoughnessText));
    m_gradient->clear();
    if (trough)
        fillDepthList(m_depth, toQt(troughFillList()), kTroughFillDefaultPosition);
    else
        fillDepthList(m_depth, toQt(circularFillList()), kCircularFillDefaultPosition);
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
