#include "ui/calculators/velocityfacilityscreen.h"

#include "ui/mainwindow/eventhook.h"
#include "ui/mainwindow/screenparts.h"

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
