#include "ui/calculators/velocityselectscreen.h"

#include "engine/catalogue.h"
#include "session/velocitysession.h"
#include "ui/mainwindow/eventhook.h"
#include "ui/mainwindow/screenparts.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace niruka {

VelocitySelectScreen::VelocitySelectScreen(VelocitySession &session, QWidget *parent)
    : QWidget(parent), m_session(session)
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

    // The list's moves and selection go to the session as they happen.
    const auto sync = [this](auto &&tell) {
        m_syncing = true;
        tell();
        m_syncing = false;
    };
    connect(m_kinds, &QListWidget::currentRowChanged, this,
            [this, sync](int row) { sync([&] { m_session.setKindRow(row); }); });
    connect(m_kinds, &QListWidget::itemSelectionChanged, this, [this, sync] {
        sync([&] {
            m_session.setKindSelected(m_kinds->currentItem() && m_kinds->currentItem()->isSelected());
        });
    });
    // Clicking the kind already chosen runs the choice again (a pipe series is refilled).
    m_kinds->viewport()->installEventFilter(this);
    connect(m_kinds, &QListWidget::itemClicked, this, [this, sync](QListWidgetItem *item) {
        const int row = m_kinds->row(item);
        if (row == m_rowBeforePress && row >= 0)
            sync([&] { m_session.clickKind(row); });
    });
    connect(m_manning, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            m_session.chooseFormula(VelocityFormula::Manning);
    });
    connect(m_kutter, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            m_session.chooseFormula(VelocityFormula::Kutter);
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

VelocitySelectScreen::~VelocitySelectScreen()
{
    // The list going away with the screen reports its rows; the session no longer hears of it.
    for (QObject *child : findChildren<QObject *>())
        child->disconnect(this);
}

VelocityChoice VelocitySelectScreen::choice() const
{
    return m_session.choice();
}

int VelocitySelectScreen::kindRow() const
{
    return m_session.kindRow();
}

void VelocitySelectScreen::setFormula(bool manning, bool kutter)
{
    m_session.setFormula(manning, kutter);
}

void VelocitySelectScreen::chooseKind(int row)
{
    m_session.chooseKind(row);
}

void VelocitySelectScreen::render()
{
    const VelocitySelectForm &f = m_session.selectForm();
    {
        // Neither formula may be chosen, which an exclusive pair cannot show.
        const QSignalBlocker blockManning(m_manning);
        const QSignalBlocker blockKutter(m_kutter);
        m_manning->setAutoExclusive(false);
        m_kutter->setAutoExclusive(false);
        m_manning->setChecked(f.manning);
        m_kutter->setChecked(f.kutter);
        m_manning->setAutoExclusive(true);
        m_kutter->setAutoExclusive(true);
    }
    if (m_syncing)
        return;
    const QSignalBlocker block(m_kinds);
    if (m_kinds->currentRow() != f.currentRow)
        m_kinds->setCurrentRow(f.currentRow);
    if (QListWidgetItem *item = m_kinds->currentItem(); item && item->isSelected() != f.selected)
        item->setSelected(f.selected);
}

} // namespace niruka
