#include "ui/velocityfacilityscreen.h"

#include "ui/eventhook.h"

#include <QLineEdit>
#include <QPushButton>

namespace niruka {

VelocityFacilityScreen::VelocityFacilityScreen(QWidget *parent) : QWidget(parent) {}

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

QPushButton *VelocityFacilityScreen::makeCalculateButton()
{
    auto *b = new QPushButton(QStringLiteral("計算"), this);
    b->setObjectName(QStringLiteral("cmd1"));
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, &VelocityFacilityScreen::calculateRequested);
    return b;
}

QPushButton *VelocityFacilityScreen::makeCancelButton()
{
    auto *b = new QPushButton(QStringLiteral("キャンセル"), this);
    b->setObjectName(QStringLiteral("cmd2"));
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, &VelocityFacilityScreen::cancelRequested);
    return b;
}

} // namespace niruka
