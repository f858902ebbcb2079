#include "ui/calculators/velocityfacilityscreen.h"

#include "session/velocitysession.h"
#include "ui/mainwindow/eventhook.h"
#include "ui/mainwindow/screenparts.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace niruka {

VelocityFacilityScreen::VelocityFacilityScreen(VelocitySession *session, ScreenId id, QWidget *parent)
    : QWidget(parent), m_session(session), m_id(id)
{
}

VelocityFacilityScreen::~VelocityFacilityScreen()
{
    // Lists going away with the screen report their rows; the session no longer hears of it.
    for (QObject *child : findChildren<QObject *>())
        child->disconnect(this);
}

void VelocityFacilityScreen::focusControl(const QString &name)
{
    QWidget *w = name.isEmpty() ? nullptr : findChild<QWidget *>(name);
    if (!w)
        return;
    if (qobject_cast<QLineEdit *>(w))
        focusCaretAtStart(w);
    else
        w->setFocus();
}

void VelocityFacilityScreen::bindFields()
{
    if (!m_session)
        return;
    for (QLineEdit *edit : findChildren<QLineEdit *>()) {
        connect(edit, &QLineEdit::textChanged, this,
                [this, edit](const QString &t) { m_session->setText(m_id, edit->objectName(), t); });
    }
    for (QComboBox *combo : findChildren<QComboBox *>()) {
        connect(combo, &QComboBox::currentIndexChanged, this,
                [this, combo](int i) { m_session->setRow(m_id, combo->objectName(), i); });
    }
    for (QListWidget *list : findChildren<QListWidget *>()) {
        connect(list, &QListWidget::currentRowChanged, this,
                [this, list](int r) { m_session->setRow(m_id, list->objectName(), r); });
    }
}

void VelocityFacilityScreen::render()
{
    if (!m_session || !m_session->exists(m_id))
        return;
    for (QLineEdit *edit : findChildren<QLineEdit *>()) {
        const QString text = m_session->text(m_id, edit->objectName());
        if (edit->text() != text) {
            const QSignalBlocker block(edit);
            edit->setText(text);
        }
    }
    for (QComboBox *combo : findChildren<QComboBox *>()) {
        const int row = m_session->row(m_id, combo->objectName());
        if (combo->currentIndex() != row) {
            const QSignalBlocker block(combo);
            combo->setCurrentIndex(row);
        }
    }
    for (QListWidget *list : findChildren<QListWidget *>()) {
        const int row = m_session->row(m_id, list->objectName());
        if (list->currentRow() != row) {
            const QSignalBlocker block(list);
            list->setCurrentRow(row);
        }
    }
}

QPushButton *VelocityFacilityScreen::makeCalculateButton()
{
    QPushButton *b = makeButton(this, QStringLiteral("計算"), "cmd1");
    connect(b, &QPushButton::clicked, this, &VelocityFacilityScreen::calculateRequested);
    clickOnEnter(b);
    return b;
}

QPushButton *VelocityFacilityScreen::makeCancelButton()
{
    QPushButton *b = makeButton(this, QStringLiteral("キャンセル"), "cmd2");
    connect(b, &QPushButton::clicked, this, &VelocityFacilityScreen::cancelRequested);
    return b;
}

} // namespace niruka
