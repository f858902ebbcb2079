#include "ui/design/conditionsscreen.h"

#include "engine/catalogue.h"
#include "session/designsession.h"
#include "session/intensityrules.h"
#include "session/runoffrules.h"
#include "ui/mainwindow/eventhook.h"
#include "ui/mainwindow/mainframe.h"
#include "ui/mainwindow/screenparts.h"

#include <QAction>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QToolBar>
#include <QVBoxLayout>

namespace niruka {

namespace {

// An option mark beside a button: shows the entry mode, set only through the button.
QRadioButton *mark(QWidget *parent, const char *name)
{
    auto *r = new QRadioButton(parent);
    r->setObjectName(QString::fromLatin1(name));
    r->setFocusPolicy(Qt::NoFocus);
    r->setAttribute(Qt::WA_TransparentForMouseEvents);
    return r;
}

QPushButton *button(QWidget *parent, const QString &text, const char *name)
{
    QPushButton *b = makeButton(parent, text, name);
    // As wide as the caption needs: the conditions screen must fit left of the facility screen.
    b->setFixedWidth(b->fontMetrics().horizontalAdvance(text) + 16);
    return b;
}

QGroupBox *group(QWidget *parent, const QString &title)
{
    auto *g = new QGroupBox(title, parent);
    return g;
}

} // namespace

ConditionsScreen::ConditionsScreen(MainFrame &frame) : m_frame(frame)
{
    setObjectName(QStringLiteral("ConditionsScreen"));
    setWindowTitle(QStringLiteral("計画条件"));

    auto *title = makeTitle(this, QStringLiteral("☆ 雨水排水施設ニルカ"), "Label1");

    // 流出係数
    auto *runoff = group(this, QStringLiteral("流出係数"));
    m_c = makeField(runoff, "txt_c", 7);
    m_a = makeField(runoff, "txt_a", 10);
    m_cDirect = button(runoff, QStringLiteral("直接入力"), "Command3");
    m_cWeighted = button(runoff, QStringLiteral("加重平均"), "Command4");
    m_optCDirect = mark(runoff, "opt5");
    m_optCWeighted = mark(runoff, "opt6");
    m_cModes = new QButtonGroup(this);
    m_cModes->addButton(m_optCDirect);
    m_cModes->addButton(m_optCWeighted);
    auto *rl = new QGridLayout(runoff);
    rl->setContentsMargins(4, 3, 4, 3);
    rl->setVerticalSpacing(3);
    auto *cRow = new QHBoxLayout;
    cRow->addWidget(makeLabel(runoff, QStringLiteral("Ｃ＝")));
    cRow->addWidget(m_c);
    cRow->addStretch();
    rl->addLayout(cRow, 0, 0, 1, 2);
    auto *cButtons = new QHBoxLayout;
    cButtons->addWidget(m_cDirect);
    cButtons->addWidget(m_optCDirect);
    cButtons->addWidget(m_cWeighted);
    cButtons->addWidget(m_optCWeighted);
    cButtons->addStretch();
    rl->addLayout(cButtons, 1, 0, 1, 2);
    rl->addWidget(makeLabel(runoff, QStringLiteral("施設の分担する流域面積")), 2, 0, 1, 2);
    auto *aRow = new QHBoxLayout;
    aRow->addWidget(makeLabel(runoff, QStringLiteral("Ａ＝")));
    aRow->addWidget(m_a);
    aRow->addWidget(makeLabel(runoff, QStringLiteral("m2")));
    aRow->addStretch();
    rl->addLayout(aRow, 3, 0, 1, 2);

    // 1時間当りの降雨強度
    auto *rain = group(this, QStringLiteral("1時間当りの降雨強度"));
    m_i = makeField(rain, "txt_i", 7);
    // C, A and I switch between the framed and the borderless look; their height stays that of the frame.
    for (QLineEdit *f : {m_c, m_a, m_i})
        f->setFixedHeight(f->sizeHint().height());
    m_iDirect = button(rain, QStringLiteral("直接入力"), "Command1");
    m_iCalc = button(rain, QStringLiteral("計算する"), "Command2");
    m_optIDirect = mark(rain, "opt3");
    m_optICalc = mark(rain, "opt4");
    m_iModes = new QButtonGroup(this);
    m_iModes->addButton(m_optIDirect);
    m_iModes->addButton(m_optICalc);
    auto *il = new QVBoxLayout(rain);
    il->setContentsMargins(4, 3, 4, 3);
    il->setSpacing(3);
    auto *iRow = new QHBoxLayout;
    iRow->addWidget(makeLabel(rain, QStringLiteral("I＝")));
    iRow->addWidget(m_i);
    iRow->addWidget(makeLabel(rain, QStringLiteral("mm/hr")));
    iRow->addStretch();
    il->addLayout(iRow);
    auto *iButtons = new QHBoxLayout;
    iButtons->addWidget(m_iDirect);
    iButtons->addWidget(m_optIDirect);
    iButtons->addWidget(m_iCalc);
    iButtons->addWidget(m_optICalc);
    iButtons->addStretch();
    il->addLayout(iButtons);

    // 計画雨水量の割増し
    auto *allowance = group(this, QStringLiteral("計画雨水量の割増し"));
    m_without = new QRadioButton(QStringLiteral("無し"), allowance);
    m_without->setObjectName(QStringLiteral("opt7"));
    m_with = new QRadioButton(QStringLiteral("有り"), allowance);
    m_with->setObjectName(QStringLiteral("opt8"));
    m_rate = makeField(allowance, "txt1", 4);
    m_rateUnit = makeLabel(allowance, QStringLiteral("％増し"), "Label_rate");
    m_allowance = new QButtonGroup(this);
    m_allowance->addButton(m_without);
    m_allowance->addButton(m_with);
    // The rate keeps its place while hidden, so choosing "有り" does not reflow the screen.
    for (QWidget *w : std::initializer_list<QWidget *>{m_rate, m_rateUnit}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }
    auto *al = new QHBoxLayout(allowance);
    al->setContentsMargins(4, 3, 4, 3);
    al->addWidget(m_without);
    al->addWidget(m_with);
    al->addWidget(m_rate);
    al->addWidget(m_rateUnit);
    al->addStretch();

    // 施設の種類
    auto *kinds = group(this, QStringLiteral("施設の種類"));
    m_list = new QListWidget(kinds);
    m_list->setObjectName(QStringLiteral("lst_s"));
    for (int k = 0; k < kFacilityKindCount; ++k)
        m_list->addItem(QString::fromStdString(facilityListText(static_cast<FacilityKind>(k))));
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    {
        const int rowHeight = m_list->sizeHintForRow(0) > 0 ? m_list->sizeHintForRow(0) : 16;
        m_list->setFixedHeight(rowHeight * kFacilityKindCount + 2 * m_list->frameWidth() + 2);
        m_list->setFixedWidth(m_list->sizeHintForColumn(0) + 2 * m_list->frameWidth() + 8);
    }
    auto *kl = new QVBoxLayout(kinds);
    kl->setContentsMargins(4, 3, 4, 3);
    kl->addWidget(m_list);

    // 流速の計算方法
    auto *formula = group(this, QStringLiteral("流速の計算方法"));
    m_manning = new QRadioButton(QStringLiteral("マニング公式"), formula);
    m_manning->setObjectName(QStringLiteral("opt1"));
    m_kutter = new QRadioButton(QStringLiteral("クッター公式"), formula);
    m_kutter->setObjectName(QStringLiteral("opt2"));
    m_formula = new QButtonGroup(this);
    m_formula->addButton(m_manning);
    m_formula->addButton(m_kutter);
    auto *fl = new QVBoxLayout(formula);
    fl->setContentsMargins(4, 3, 4, 3);
    fl->setSpacing(2);
    fl->addWidget(m_manning);
    fl->addWidget(m_kutter);

    auto *left = new QVBoxLayout;
    left->setSpacing(4);
    left->addWidget(runoff);
    left->addWidget(rain);
    left->addWidget(allowance);
    left->addStretch();
    auto *right = new QVBoxLayout;
    right->setSpacing(4);
    right->addWidget(kinds);
    right->addWidget(formula);
    right->addStretch();
    auto *columns = new QHBoxLayout;
    columns->setSpacing(4);
    columns->addLayout(left);
    columns->addLayout(right);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 3, 4, 3);
    layout->setSpacing(4);
    layout->addWidget(title);
    layout->addLayout(columns);

    // What the fields hold now, also when a test or a calculator sets them, goes to the session.
    for (QLineEdit *f : {m_c, m_a, m_i, m_rate})
        connect(f, &QLineEdit::textChanged, this, [this, f](const QString &text) {
            if (!m_rendering)
                session().setText(control(f), text);
        });
    for (QRadioButton *r :
         {m_manning, m_kutter, m_optIDirect, m_optICalc, m_optCDirect, m_optCWeighted, m_without, m_with})
        connect(r, &QRadioButton::toggled, this, [this, r](bool on) {
            if (!m_rendering && on)
                session().setChecked(control(r), true);
        });
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_rendering)
            session().setRow(control(m_list), row, row >= 0 && m_list->item(row)->isSelected());
    });
    connect(m_list, &QListWidget::itemSelectionChanged, this, [this] {
        const int row = m_list->currentRow();
        if (!m_rendering)
            session().setSelected(control(m_list), row >= 0 && m_list->item(row)->isSelected());
    });

    // The user's clicks and keys.
    for (QLineEdit *f : {m_c, m_a, m_i, m_rate})
        EventHook::onClick(f, [this, f] { clickInto(f); });
    EventHook::onKey(m_i, [this] { session().keyIn(control(m_i)); });
    connect(m_cDirect, &QPushButton::clicked, this, [this] { session().runoffDirect(); });
    connect(m_iDirect, &QPushButton::clicked, this, [this] { session().intensityDirect(); });
    // Until the calculators are there, their buttons only say so.
    connect(m_cWeighted, &QPushButton::clicked, this, [this] {
        if (!m_frame.hasCommandHandler("Command4")) {
            session().closeResult();
            session().setStatus(notAvailableYet());
            return;
        }
        session().weightedAverage();
    });
    connect(m_iCalc, &QPushButton::clicked, this, [this] {
        if (!m_frame.hasCommandHandler("Command2")) {
            session().closeResult();
            session().setStatus(notAvailableYet());
            return;
        }
        session().computeIntensity();
    });
    connect(m_without, &QRadioButton::clicked, this, [this] { session().chooseAllowance(false); });
    connect(m_with, &QRadioButton::clicked, this, [this] { session().chooseAllowance(true); });
    for (QRadioButton *r : {m_manning, m_kutter}) {
        EventHook::onClick(r, [this, r] { clickInto(r); });
        EventHook::onKey(r, [this, r] { session().keyIn(control(r)); });
        EventHook::onEnter(r, [this] { focusField("lst_s"); });
    }

    // The facility list: a keyboard move or a click chooses the kind, also a click on the kind shown.
    EventHook::onClick(m_list->viewport(), [this] { m_rowBeforePress = m_list->currentRow(); });
    connect(m_list, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        const int row = m_list->row(item);
        if (row == m_rowBeforePress)
            session().chooseKindAgain(row);
        m_rowBeforePress = -1;
    });
    EventHook::onEnter(m_list, [this] {
        const std::optional<Control> target = session().enterTargetOfKindList();
        if (!target)
            return;
        if (QWidget *screen = m_frame.screenWidget(target->screen))
            focusSelectingAll(screen->findChild<QWidget *>(target->name));
    });

    for (QPushButton *b : {m_cDirect, m_cWeighted, m_iDirect, m_iCalc})
        clickOnEnter(b);
    const QList<QWidget *> tabOrder{m_c,       m_cDirect, m_cWeighted, m_a,    m_i,       m_iDirect, m_iCalc,
                                    m_without, m_with,    m_rate,      m_list, m_manning, m_kutter};
    for (qsizetype i = 0; i + 1 < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i], tabOrder[i + 1]);

    // Enter chain.
    EventHook::onEnter(m_c, [this] { m_cDirect->setFocus(); });
    EventHook::onEnter(m_a, [this] { m_iDirect->setFocus(); });
    EventHook::onEnter(m_i, [this] { m_manning->setFocus(); });
    EventHook::onEnter(m_rate, [this] { m_manning->setFocus(); });
}

DesignSession &ConditionsScreen::session() const
{
    return m_frame.session();
}

Control ConditionsScreen::control(const QWidget *widget) const
{
    return {ScreenId::Conditions, widget->objectName()};
}

void ConditionsScreen::clickInto(QWidget *widget)
{
    session().clickInto(control(widget));
}

void ConditionsScreen::setEditableLook(QLineEdit *field, bool editable)
{
    session().setFlatLook(control(field), !editable);
}

void ConditionsScreen::focusField(const char *name)
{
    QWidget *w = findChild<QWidget *>(QString::fromLatin1(name));
    if (!w)
        return;
    m_frame.activateScreen(this);
    focusSelectingAll(w);
}

namespace {

// Sets a pair of options of an exclusive group as the session holds them, allowing both off.
void setPair(QButtonGroup *group, QAbstractButton *first, bool firstOn, QAbstractButton *second,
             bool secondOn)
{
    if (first->isChecked() == firstOn && second->isChecked() == secondOn)
        return;
    group->setExclusive(false);
    first->setChecked(firstOn);
    second->setChecked(secondOn);
    group->setExclusive(true);
}

// The current row, selected or only current, without touching a list that shows it already.
void showRow(QListWidget *list, int row, bool selected)
{
    const bool isSelected = row >= 0 && list->item(row)->isSelected();
    if (list->currentRow() == row && isSelected == selected)
        return;
    list->setCurrentRow(row, selected ? QItemSelectionModel::ClearAndSelect : QItemSelectionModel::NoUpdate);
}

void showText(QLineEdit *field, const QString &text)
{
    if (field->text() != text)
        field->setText(text);
}

} // namespace

ConditionsForm ConditionsScreen::form() const
{
    return session().conditions();
}

void ConditionsScreen::setForm(const ConditionsForm &f)
{
    session().setConditionsForm(f);
}

ConditionsEntries ConditionsScreen::entries() const
{
    return session().conditionsEntries();
}

void ConditionsScreen::render()
{
    const DesignSession &s = session();
    if (!s.isOpen(ScreenId::Conditions))
        return;
    const QScopedValueRollback<bool> rendering(m_rendering, true);
    const ConditionsForm &f = s.conditions();
    const DesignLooks &looks = s.looks();
    showText(m_c, f.txt_c);
    showText(m_a, f.txt_a);
    showText(m_i, f.txt_i);
    showText(m_rate, f.txt1);
    showRow(m_list, s.currentRow(control(m_list)), f.lst_s >= 0);
    setPair(m_formula, m_manning, f.opt1, m_kutter, f.opt2);
    setPair(m_iModes, m_optIDirect, f.opt3, m_optICalc, f.opt4);
    setPair(m_cModes, m_optCDirect, f.opt5, m_optCWeighted, f.opt6);
    setPair(m_allowance, m_without, f.opt7, m_with, f.opt8);
    m_rate->setVisible(looks.allowanceVisible);
    m_rateUnit->setVisible(looks.allowanceVisible);
    m_c->setFrame(!looks.cFlat);
    m_a->setFrame(!looks.aFlat);
    m_i->setFrame(!looks.iFlat);
    if (windowTitle() != looks.conditionsTitle) {
        setWindowTitle(looks.conditionsTitle);
        if (auto *sub = qobject_cast<QMdiSubWindow *>(parentWidget()))
            sub->setWindowTitle(looks.conditionsTitle);
    }
}

} // namespace niruka
