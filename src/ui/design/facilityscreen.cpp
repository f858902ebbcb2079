#include "ui/design/facilityscreen.h"

#include "session/designsession.h"
#include "ui/mainwindow/eventhook.h"
#include "ui/mainwindow/mainframe.h"
#include "ui/mainwindow/screenparts.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace niruka {

FacilityScreen::FacilityScreen(MainFrame &frame, ScreenId id) : m_frame(frame), m_id(id) {}

DesignSession &FacilityScreen::session() const
{
    return m_frame.session();
}

void FacilityScreen::follow(QLineEdit *field)
{
    connect(field, &QLineEdit::textChanged, this, [this, field](const QString &text) {
        if (!m_rendering)
            session().setText(control(field), text);
    });
}

void FacilityScreen::follow(QListWidget *list)
{
    connect(list, &QListWidget::currentRowChanged, this, [this, list](int row) {
        if (!m_rendering)
            session().setRow(control(list), row, row >= 0 && list->item(row)->isSelected());
    });
    connect(list, &QListWidget::itemSelectionChanged, this, [this, list] {
        const int row = list->currentRow();
        if (!m_rendering)
            session().setSelected(control(list), row >= 0 && list->item(row)->isSelected());
    });
}

void FacilityScreen::follow(QComboBox *list)
{
    connect(list, &QComboBox::currentIndexChanged, this, [this, list](int row) {
        if (!m_rendering)
            session().setRow(control(list), row);
    });
}

void FacilityScreen::forwardClick(QWidget *field)
{
    QWidget *target = field;
    if (auto *view = qobject_cast<QAbstractItemView *>(field))
        target = view->viewport();
    EventHook::onClick(target, [this, field] { session().clickInto(control(field)); });
}

void FacilityScreen::showText(QLineEdit *field, const QString &text)
{
    if (field->text() != text)
        field->setText(text);
}

void FacilityScreen::showRow(QListWidget *list, int row, bool selected)
{
    const bool isSelected = row >= 0 && list->item(row)->isSelected();
    if (list->currentRow() == row && isSelected == selected)
        return;
    list->setCurrentRow(row, selected ? QItemSelectionModel::ClearAndSelect : QItemSelectionModel::NoUpdate);
}

void FacilityScreen::showRow(QComboBox *list, int row)
{
    if (list->currentIndex() != row)
        list->setCurrentIndex(row);
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
    return session().applyRules(mode);
}

void FacilityScreen::calculate()
{
    session().calculate();
}

} // namespace niruka
