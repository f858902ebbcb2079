#include "ui/calculators/velocitypipescreen.h"

#include "engine/catalogue.h"
#include "session/velocitysession.h"
#include "ui/mainwindow/screenparts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace niruka {
VelocityPipeScreen::VelocityPipeScreen(VelocitySession *session, QWidget *parent)
    : VelocityFacilityScreen(session, ScreenId::VelocityPipe, parent)
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
    bindFields();
    render();
}

FacilityKind VelocityPipeScreen::kind() const
{
    return m_session ? m_session->pipeSeries() : FacilityKind::VpPipe;
}

PipeForm VelocityPipeScreen::form() const
{
    return m_session ? m_session->pipeForm() : PipeForm{};
}

void VelocityPipeScreen::render()
{
    if (!m_session || !m_session->exists(ScreenId::VelocityPipe))
        return;
    m_title->setText(m_session->pipeTitle());
    m_depthCaption->setText(m_session->pipeDepthCaption());
    QStringList sizes;
    for (int i = 0; i < m_sizes->count(); ++i)
        sizes << m_sizes->item(i)->text();
    if (sizes != m_session->pipeSizes()) {
        const QSignalBlocker block(m_sizes);
        m_sizes->clear();
        m_sizes->addItems(m_session->pipeSizes());
    }
    QStringList depths;
    for (int i = 0; i < m_depth->count(); ++i)
        depths << m_depth->itemText(i);
    if (depths != m_session->pipeDepthLines()) {
        const QSignalBlocker block(m_depth);
        m_depth->clear();
        m_depth->addItems(m_session->pipeDepthLines());
    }
    VelocityFacilityScreen::render();
}

} // namespace niruka
