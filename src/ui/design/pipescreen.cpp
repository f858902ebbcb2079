#include "ui/design/pipescreen.h"

#include "engine/catalogue.h"
#include "session/designsession.h"
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
#include <QScopedValueRollback>
#include <QVBoxLayout>

namespace niruka {

PipeScreen::PipeScreen(MainFrame &frame) : FacilityScreen(frame, ScreenId::Pipe)
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

    follow(m_sizes);
    follow(m_gradient);
    follow(m_roughness);
    follow(m_depth);
    for (QWidget *w : std::initializer_list<QWidget *>{m_sizes, m_gradient, m_roughness, m_depth})
        forwardClick(w);
    chainEnter({m_sizes, m_gradient, m_roughness, m_depth, m_calc});
}

FacilityKind PipeScreen::kind() const
{
    return session().looks().pipeSeries;
}

PipeEntries PipeScreen::entries() const
{
    return pipeEntriesOf(form(), kind());
}

PipeForm PipeScreen::form() const
{
    return session().facility().pipe;
}

void PipeScreen::setForm(const PipeForm &f)
{
    session().setPipeForm(f);
}

QWidget *PipeScreen::firstEntry() const
{
    return m_sizes;
}

void PipeScreen::render()
{
    if (!session().isOpen(ScreenId::Pipe))
        return;
    const QScopedValueRollback<bool> rendering(m_rendering, true);
    const FacilityKind series = kind();
    if (m_shownSeries != series) {
        // A series shown afresh: its lists replace the ones before.
        m_shownSeries = series;
        const PipeLists lists = pipeLists(series);
        m_title->setText(lists.title);
        m_depthCaption->setText(lists.depthCaption);
        m_sizes->clear();
        m_sizes->addItems(lists.sizes);
        m_depth->clear();
        m_depth->addItems(lists.depths);
    }
    const PipeForm &f = session().facility().pipe;
    showRow(m_sizes, session().currentRow(control(m_sizes)), f.lst_pu >= 0);
    showText(m_gradient, f.txt1);
    showText(m_roughness, f.txt2);
    showRow(m_depth, f.cbo1);
}

} // namespace niruka
