#include "ui/design/facilityscreen.h"

#include "ui/mainwindow/eventhook.h"
#include "ui/mainwindow/mainframe.h"
#include "ui/mainwindow/screenparts.h"

#include <QAbstractItemView>
#include <QPushButton>

namespace niruka {

FacilityScreen::FacilityScreen(MainFrame &frame) : m_frame(frame) {}

void FacilityScreen::closeResultOnClick(QWidget *field, const QString &hint)
{
    QWidget *target = field;
    if (auto *view = qobject_cast<QAbstractItemView *>(field))
        target = view->viewport();
    EventHook::onClick(target, [this, hint] {
        m_frame.closeResult();
        m_frame.statusMessage(hint);
    });
}

QPushButton *FacilityScreen::makeCalculateButton()
{
    QPushButton *calc = makeButton(this, QStringLiteral("計算"), "cmd1");
    connect(calc, &QPushButton::clicked, this, &FacilityScreen::calculate);
    clickOnEnter(calc);
    return calc;
}

std::optional<Refusal> FacilityScreen::applyRules(CheckMode mode)
{
    const std::optional<Refusal> refusal = m_frame.checkDesign(
        [this](DesignCase &design, const ConditionsEntries &conditions) {
            return facilityRules(design, conditions);
        },
        mode);
    if (!refusal)
        checkPassed();
    return refusal;
}

void FacilityScreen::calculate()
{
    finishCalculation(applyRules(CheckMode::Calculate));
}

void FacilityScreen::finishCalculation(const std::optional<Refusal> &refusal)
{
    if (refusal)
        m_frame.refuse(*refusal, this);
    else
        m_frame.showResult();
}

} // namespace niruka
