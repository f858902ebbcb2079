#include "ui/pipescreen.h"

#include "engine/catalogue.h"
#include "engine/filloption.h"
#include "ui/mainframe.h"
#include "ui/screenparts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
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

PipeScreen::PipeScreen(MainFrame &frame) : FacilityScreen(frame)
{
    setObjectName(QStringLiteral("PipeScreen"));
    setWindowTitle(QStringLiteral("排水施設"));

    m_title = makeLabel(this, QString(), "lbl_title");
    QFont f = m_title->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.2);
    m_title->setFont(f);

    m_sizes = new QListWidget(this);
    m_sizes->setObjectName(QStringLiteral("lst_pu"));
    m_sizes->addItem(QStringLiteral("ヒューム管－φ３０００"));
    m_sizes->setFixedWidth(m_sizes->sizeHintForColumn(0) + 2 * m_sizes->frameWidth() +
                           m_sizes->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 8);
    m_sizes->setFixedHeight(std::max(16, m_sizes->sizeHintForRow(0)) * 8 + 2 * m_sizes->frameWidth());
    m_sizes->clear();
    m_gradient = makeField(this, "txt1", 7);
    m_roughness = makeField(this, "txt2", 7);
    m_depthCaption = makeLabel(this, QString(), "lbl_cbo");
    m_depth = makeDepthList(this);
    m_calc = new QPushButton(QStringLiteral("計算"), this);
    m_calc->setObjectName(QStringLiteral("cmd1"));
    m_calc->setAutoDefault(false);

    auto *fields = new QGridLayout;
    fields->setVerticalSpacing(4);
    fields->addWidget(makeLabel(this, QStringLiteral("施設の勾配 x/1000")), 0, 0, 1, 2);
    fields->addWidget(makeLabel(this, QStringLiteral("x＝")), 1, 0, Qt::AlignRight);
    fields->addWidget(m_gradient, 1, 1);
    fields->addWidget(makeLabel(this, QStringLiteral("粗度係数")), 2, 0, 1, 2);
    fields->addWidget(makeLabel(this, QStringLiteral("n＝")), 3, 0, Qt::AlignRight);
    fields->addWidget(m_roughness, 3, 1);
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
    connect(m_calc, &QPushButton::clicked, this, &FacilityScreen::calculate);
    clickOnEnter(m_calc);
}

void PipeScreen::fillSeries(FacilityKind kind)
{
    m_kind = kind;
    m_title->setText(QString::fromStdString(facilityTitle(kind)));
    const std::optional<SeriesId> id = PipeCatalogue::seriesOf(kind);
    const PipeSeries &series = PipeCatalogue::series(id.value_or(SeriesId::Vp));
    m_depthCaption->setText(QString::fromStdString(series.depthListCaption));
    m_sizes->clear();
    for (const PipeSize &s : series.sizes)
        m_sizes->addItem(QString::fromStdString(s.listText));
    m_sizes->setCurrentRow(0);
    m_roughness->setText(QString::fromStdString(series.defaultRoughnessText));
    m_gradient->clear();
    if (kind == FacilityKind::UTrough)
        fillDepthList(m_depth, toQt(troughFillList()), kTroughFillDefaultPosition);
    else
        fillDepthList(m_depth, toQt(circularFillList()), kCircularFillDefaultPosition);
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
    m_depth->setCurrentIndex(f.cbo1 < m_depth->count() ? f.cbo1 : -1);
}

QWidget *PipeScreen::firstEntry() const
{
    return m_sizes;
}

std::optional<Refusal> PipeScreen::applyRules()
{
    return calculatePipe(m_frame.design(), m_frame.conditionsEntries(), entries());
}

} // namespace niruka
