#include "ui/calculators/velocityselectscreen.h"

#include "engine/catalogue.h"
#include "ui/mainwindow/eventhook.h"
#include "ui/mainwindow/screenparts.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

namespace niruka {

VelocitySelectScreen::VelocitySelectScreen(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("VelocitySelectScreen"));
    setWindowTitle(QStringLiteral("ニルカ"));
    auto *top = new QVBoxLayout(this);
    top->addWidget(makeTitle(this, QStringLiteral("流下時間の流速計算")));

    auto *formula = new QGroupBox(QStringLiteral("流速の計算方法"), this);
    auto *fl = new QVBoxLayout(formula);
    m_manning = new QRadioButton(QStringLiteral("マニング公式"), formula);
    m_manning->setObjectName(QStringLiteral("opt1"));
    m_kutter = new QRadioButton(QStringLiteral("クッター公式"), formula);
    m_kutter->setObjectName(QStringLiteral("opt2"));
    fl->addWidget(m_manning);
    fl->addWidget(m_kutter);
    top->addWidget(formula);

    auto *kinds = new QGroupBox(QStringLiteral("施設の種類"), this);
    auto *kl = new QVBoxLayout(kinds);
    m_kinds = new QListWidget(kinds);
    m_kinds->setObjectName(QStringLiteral("lst_s"));
    for (int i = 0; i < kFacilityKindCount; ++i)
        m_kinds->addItem(QString::fromStdString(facilityListText(static_cast<FacilityKind>(i))));
    m_kinds->setMinimumWidth(m_kinds->sizeHintForColumn(0) + 2 * m_kinds->frameWidth() + 8);
    m_kinds->setFixedHeight(m_kinds->sizeHintForRow(0) * kFacilityKindCount + 2 * m_kinds->frameWidth());
    kl->addWidget(m_kinds);
    top->addWidget(kinds);
    top->addStretch();

    connect(m_kinds, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            emit kindChosen(row);
    });
    // Clicking the kind already chosen runs the choice again (a pipe series is refilled).
    m_kinds->viewport()->installEventFilter(this);
    connect(m_kinds, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        const int row = m_kinds->row(item);
        if (row == m_rowBeforePress && row >= 0)
            emit kindChosen(row);
    });
    for (QRadioButton *opt : {m_manning, m_kutter})
        EventHook::onEnter(opt, [this] { m_kinds->setFocus(); });
}

bool VelocitySelectScreen::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_kinds->viewport() && event->type() == QEvent::MouseButtonPress)
        m_rowBeforePress = m_kinds->currentRow();
    return QWidget::eventFilter(watched, event);
}

VelocityChoice VelocitySelectScreen::choice() const
{
    VelocityChoice c;
    if (m_manning->isChecked())
        c.formula = VelocityFormula::Manning;
    else if (m_kutter->isChecked())
        c.formula = VelocityFormula::Kutter;
    const int row = kindRow();
    if (row >= 0 && row < kFacilityKindCount)
        c.kind = static_cast<FacilityKind>(row);
    return c;
}

int VelocitySelectScreen::kindRow() const
{
    return m_kinds->currentItem() && m_kinds->currentItem()->isSelected() ? m_kinds->currentRow() : -1;
}

void VelocitySelectScreen::setFormula(bool manning, bool kutter)
{
    m_manning->setAutoExclusive(false);
    m_kutter->setAutoExclusive(false);
    m_manning->setChecked(manning);
    m_kutter->setChecked(kutter && !manning);
    m_manning->setAutoExclusive(true);
    m_kutter->setAutoExclusive(true);
}

void VelocitySelectScreen::chooseKind(int row)
{
    if (row == m_kinds->currentRow()) {
        m_kinds->setCurrentRow(row);
        emit kindChosen(row);
    } else {
        m_kinds->setCurrentRow(row);
    }
}

} // namespace niruka
