#include "ui/calculators/rivertimescreen.h"

#include "session/rivertimerules.h"
#include "ui/mainwindow/eventhook.h"
#include "ui/mainwindow/platformservices.h"
#include "ui/mainwindow/screenparts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace niruka {

RiverTimeScreen::RiverTimeScreen(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("RiverTimeScreen"));
    setWindowTitle(QStringLiteral("流下時間（t2）茨城県"));
    setModal(true);
    auto *top = new QVBoxLayout(this);
    top->addWidget(makeTitle(this, QStringLiteral("流下時間（t2）茨城県"), nullptr, 1.0));

    auto *group = new QGroupBox(QStringLiteral("開発の前または後を選択してください"), this);
    auto *g = new QGridLayout(group);
    m_before = new QRadioButton(QStringLiteral("開発前"), group);
    m_before->setObjectName(QStringLiteral("opt1"));
    m_after = new QRadioButton(QStringLiteral("開発後"), group);
    m_after->setObjectName(QStringLiteral("opt2"));
    g->addWidget(m_before, 0, 0);
    g->addWidget(new QLabel(QStringLiteral("　t2=0.83L/i<sup>0.6</sup>"), group), 0, 1);
    g->addWidget(m_after, 1, 0);
    g->addWidget(new QLabel(QStringLiteral("　t2=0.36L/i<sup>0.5</sup>"), group), 1, 1);
    top->addWidget(group);

    auto *fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("河道延長 L="), this), 0, 0);
    m_length = new QLineEdit(this);
    m_length->setObjectName(QStringLiteral("txt1"));
    fields->addWidget(m_length, 0, 1);
    fields->addWidget(new QLabel(QStringLiteral("km"), this), 0, 2);
    fields->addWidget(new QLabel(QStringLiteral("河道の勾配 i ="), this), 1, 0);
    m_gradient = new QLineEdit(this);
    m_gradient->setObjectName(QStringLiteral("txt2"));
    fields->addWidget(m_gradient, 1, 1);
    top->addLayout(fields);
    EventHook::installFieldSelection(m_length);
    EventHook::installFieldSelection(m_gradient);

    const OkCancel buttons = addOkCancelRow(this, top);
    m_ok = buttons.ok;

    EventHook::onEnter(m_length, [this] { focusSelectingAll(m_gradient); });
    EventHook::onEnter(m_gradient, [this] { m_ok->setFocus(); });
    connect(m_ok, &QPushButton::clicked, this, &RiverTimeScreen::onOk);
    connect(buttons.cancel, &QPushButton::clicked, this, [this] {
        hide();
        emit riverTimeCancelled();
    });
}

RiverTimeForm RiverTimeScreen::form() const
{
    return RiverTimeForm{m_before->isChecked(), m_after->isChecked(), m_length->text(), m_gradient->text()};
}

void RiverTimeScreen::setForm(const RiverTimeForm &form)
{
    // Neither state may be chosen, which an exclusive pair cannot show.
    m_before->setAutoExclusive(false);
    m_after->setAutoExclusive(false);
    m_before->setChecked(form.opt1);
    m_after->setChecked(form.opt2 && !form.opt1);
    m_before->setAutoExclusive(true);
    m_after->setAutoExclusive(true);
    m_length->setText(form.txt1);
    m_gradient->setText(form.txt2);
}

void RiverTimeScreen::onOk()
{
    if (const std::optional<RiverRefusal> r = validateRiverTime(form())) {
        showError(this, r->message);
        switch (r->field) {
        case RiverField::BeforeOption:
            m_before->setFocus();
            break;
        case RiverField::Length:
            focusCaretAtStart(m_length);
            break;
        case RiverField::Gradient:
            focusCaretAtStart(m_gradient);
            break;
        }
        return;
    }
    hide();
    emit riverTimeConfirmed();
}

} // namespace niruka
