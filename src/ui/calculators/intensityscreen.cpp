#include "ui/calculators/intensityscreen.h"

#include "ui/calculators/inflowtimescreen.h"
#include "ui/calculators/rivertimescreen.h"
#include "ui/mainwindow/eventhook.h"
#include "ui/mainwindow/platformservices.h"
#include "ui/mainwindow/screenparts.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace niruka {
namespace {

// The screen lives in a sub-window of the main window when it has one; hiding hides that frame too.
void setScreenShown(QWidget *screen, bool shown)
{
    if (auto *sub = qobject_cast<QMdiSubWindow *>(screen->parentWidget()))
        sub->setVisible(shown);
    screen->setVisible(shown);
    if (shown) {
        if (auto *sub = qobject_cast<QMdiSubWindow *>(screen->parentWidget()))
            sub->raise();
        screen->raise();
    }
}

QString *textOf(IntensityForm &f, int index)
{
    std::array<QString *, 9> t{&f.txt1, &f.txt2, &f.txt3, &f.txt4, &f.txt5,
                               &f.txt6, &f.txt7, &f.txt8, &f.txt9};
    return t[static_cast<std::size_t>(index)];
}

bool *optionOf(IntensityForm &f, int index)
{
    std::array<bool *, 8> o{&f.Option1, &f.Option2, &f.Option3, &f.Option4,
                            &f.Option5, &f.Option6, &f.Option7, &f.Option8};
    return o[static_cast<std::size_t>(index)];
}

// Formula option names by formula ①–⑥, and how each formula is drawn.
const char *const kFormulaNames[6] = {"opt1", "opt4", "opt2", "opt3", "opt5", "opt6"};
const char *const kFormulaMarks[6] = {"①", "②", "③", "④", "⑤", "⑥"};
const char *const kFormulaDrawings[6] = {
    "Ｉ＝ a ／ ( t ＋ b )",
    "Ｉ＝ a ／ ( √t ＋ b )",
    "Ｉ＝ a ／ ( √t − b )",
    "Ｉ＝ a ／ t<sup>b</sup>",
    "Ｉ＝ a ／ ( t<sup>d/c</sup> ＋ b )",
    "Ｉ＝ a ／ ( t<sup>d/c</sup> − b )",
};

QLabel *cell(const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setFrameShape(QFrame::Box);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

} // namespace

IntensityScreen::IntensityScreen(DesignCase &design, QWidget *parent) : QWidget(parent), m_design(design)
{
    setObjectName(QStringLiteral("IntensityScreen"));
    setWindowTitle(QStringLiteral("降雨強度"));
    build();
    // The screen keeps the size it has with every group shown, like a form of fixed size; hidden
    // parts leave their space empty instead of collapsing the layout.
    QList<QWidget *> hideable{m_t1Group, m_t2Group, m_velocityGroup, m_figure, m_lbl1, m_riverButton};
    hideable << m_cdWidgets << m_tLine << m_lengthWidgets;
    for (QWidget *w : hideable) {
        QSizePolicy p = w->sizePolicy();
        p.setRetainSizeWhenHidden(true);
        w->setSizePolicy(p);
    }
    m_lbl1->setText(riverSourceText());
    setMinimumSize(sizeHint());
    m_lbl1->clear();
    render();
}

IntensityScreen::~IntensityScreen()
{
    delete m_inflow;
    delete m_river;
}

void IntensityScreen::build()
{
    auto *top = new QVBoxLayout(this);

    // Formulas and constants.
    auto *formulas = new QGroupBox(QStringLiteral("降雨強度式の選択 及び 定数の入力"), this);
    auto *fg = new QGridLayout(formulas);
    for (int i = 0; i < 6; ++i) {
        auto *opt = new QRadioButton(QString::fromUtf8(kFormulaMarks[i]), formulas);
        opt->setObjectName(QString::fromLatin1(kFormulaNames[i]));
        opt->setAutoExclusive(false);
        auto *drawing = new QLabel(QString::fromUtf8(kFormulaDrawings[i]), formulas);
        drawing->setObjectName(QStringLiteral("lbl_formula%1").arg(i + 1));
        drawing->setTextFormat(Qt::RichText);
        // Each formula stands right beside its own mark; the rest of the column stays empty.
        auto *pair = new QHBoxLayout;
        pair->setSpacing(6);
        pair->addWidget(opt);
        pair->addWidget(drawing);
        pair->addStretch();
        fg->addLayout(pair, i / 3, (i % 3) * 2, 1, 2);
        m_formula[static_cast<std::size_t>(i)] = opt;
        connect(opt, &QRadioButton::clicked, this,
                [this, i] { apply(IntensityRules::chooseFormula(m_state, i + 1)); });
    }
    fg->addWidget(new QLabel(QStringLiteral("Ｉ：１時間当たりの降雨強度 (mm/hr)"), formulas), 2, 0, 1, 3);
    fg->addWidget(new QLabel(QStringLiteral("ｔ：到達時間 (min)"), formulas), 2, 3, 1, 3);

    for (int i = 0; i < 9; ++i) {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("txt%1").arg(i + 1));
        edit->setMaximumWidth(90);
        EventHook::installFieldSelection(edit);
        // Fields switching between the framed and the borderless look keep the framed height.
        edit->setFixedHeight(edit->sizeHint().height());
        m_txt[static_cast<std::size_t>(i)] = edit;
        connect(edit, &QLineEdit::textEdited, this,
                [this, i](const QString &text) { *textOf(m_state.form, i) = text; });
    }
    auto *constants = new QHBoxLayout;
    auto addConstant = [&](const QString &label, QLineEdit *edit, bool optional) {
        auto *head = new QLabel(QStringLiteral("定数"), formulas);
        auto *name = new QLabel(label, formulas);
        constants->addWidget(head);
        constants->addWidget(name);
        constants->addWidget(edit);
        if (optional)
            m_cdWidgets << head << name << edit;
    };
    addConstant(QStringLiteral("ａ="), m_txt[0], false);
    addConstant(QStringLiteral("ｂ="), m_txt[1], false);
    addConstant(QStringLiteral("ｃ="), m_txt[5], true);
    addConstant(QStringLiteral("ｄ="), m_txt[6], true);
    constants->addStretch();
    fg->addLayout(constants, 3, 0, 1, 6);
    top->addWidget(formulas);

    for (int i = 0; i < 8; ++i) {
        static const char *const captions[8] = {"直接入力", "計算する", "直接入力", "計算する",
                                                "直接入力", "計算する", "仮定する", "計算する"};
        auto *opt = new QRadioButton(QString::fromUtf8(captions[i]), this);
        opt->setObjectName(QStringLiteral("Option%1").arg(i + 1));
        opt->setAutoExclusive(false);
        m_option[static_cast<std::size_t>(i)] = opt;
    }

    // Time of concentration.
    auto *tGroup = new QGroupBox(QStringLiteral("到 達 時 間 ") + QStringLiteral("(t)"), this);
    auto *tg = new QHBoxLayout(tGroup);
    tg->addWidget(m_option[2]);
    tg->addWidget(m_option[3]);
    tg->addWidget(new QLabel(QStringLiteral("t(min)= t1 + t2"), tGroup));
    auto *tLabel = new QLabel(QStringLiteral("t="), tGroup);
    auto *tUnit = new QLabel(QStringLiteral("min"), tGroup);
    tg->addWidget(tLabel);
    tg->addWidget(m_txt[7]);
    tg->addWidget(tUnit);
    tg->addStretch();
    m_tLine << tLabel << m_txt[7] << tUnit;
    top->addWidget(tGroup);

    auto *times = new QHBoxLayout;
    // Inflow time t1 with the reference table of standard inflow times.
    m_t1Group = new QGroupBox(QStringLiteral("流 入 時 間") + QStringLiteral("(t1)"), this);
    auto *t1 = new QGridLayout(m_t1Group);
    t1->addWidget(m_option[0], 0, 0);
    t1->addWidget(m_option[1], 1, 0);
    t1->addWidget(new QLabel(QStringLiteral("草地、樹林地等"), m_t1Group), 1, 1);
    auto *t1Line = new QHBoxLayout;
    t1Line->addWidget(new QLabel(QStringLiteral("t1="), m_t1Group));
    t1Line->addWidget(m_txt[2]);
    t1Line->addWidget(new QLabel(QStringLiteral("min"), m_t1Group));
    t1Line->addStretch();
    t1->addLayout(t1Line, 2, 0, 1, 2);
    auto *ref = new QGridLayout;
    ref->setSpacing(0);
    ref->addWidget(cell(QStringLiteral("区　　分"), m_t1Group), 0, 0);
    ref->addWidget(cell(QStringLiteral("流 入 時 間"), m_t1Group), 0, 1);
    ref->addWidget(cell(QStringLiteral("人口密度が大きい地区"), m_t1Group), 1, 0);
    ref->addWidget(cell(QStringLiteral("５分"), m_t1Group), 1, 1);
    ref->addWidget(cell(QStringLiteral("人口密度が疎な地区"), m_t1Group), 2, 0);
    ref->addWidget(cell(QStringLiteral("１０分"), m_t1Group), 2, 1);
    ref->addWidget(cell(QStringLiteral("平　　均"), m_t1Group), 3, 0);
    ref->addWidget(cell(QStringLiteral("７分"), m_t1Group), 3, 1);
    t1->addLayout(ref, 3, 0, 1, 2);
    t1->setRowStretch(4, 1);
    times->addWidget(m_t1Group, 0, Qt::AlignTop);

    // Flow time t2.
    m_t2Group = new QGroupBox(QStringLiteral("流 下 時 間") + QStringLiteral("(t2)"), this);
    auto *t2 = new QGridLayout(m_t2Group);
    t2->addWidget(m_option[4], 0, 0);
    t2->addWidget(m_option[5], 1, 0);
    m_chk1 = new QCheckBox(QStringLiteral("茨城県"), m_t2Group);
    m_chk1->setObjectName(QStringLiteral("chk1"));
    t2->addWidget(m_chk1, 1, 1);
    m_riverButton = new QPushButton(QStringLiteral("計算"), m_t2Group);
    m_riverButton->setObjectName(QStringLiteral("cmd3"));
    t2->addWidget(m_riverButton, 1, 2);
    auto *t2Line = new QHBoxLayout;
    t2Line->addWidget(new QLabel(QStringLiteral("t2="), m_t2Group));
    t2Line->addWidget(m_txt[8]);
    t2Line->addWidget(new QLabel(QStringLiteral("min"), m_t2Group));
    t2Line->addStretch();
    t2->addLayout(t2Line, 0, 1, 1, 3);
    auto *figure = new QLabel(m_t2Group);
    figure->setTextFormat(Qt::RichText);
    figure->setText(QStringLiteral("<table><tr><td rowspan=2 valign=middle>ｔ2(min)=</td>"
                                   "<td align=center style='border-bottom:1px solid'>L</td></tr>"
                                   "<tr><td align=center>60・V</td></tr></table>"));
    m_figure = figure;
    t2->addWidget(figure, 2, 0, 1, 2);
    auto *lengthCaption = new QLabel(QStringLiteral("排水施設延長距離 "), m_t2Group);
    auto *lengthLabel = new QLabel(QStringLiteral("L="), m_t2Group);
    auto *lengthUnit = new QLabel(QStringLiteral("m"), m_t2Group);
    auto *lengthLine = new QHBoxLayout;
    lengthLine->addWidget(lengthCaption);
    lengthLine->addWidget(lengthLabel);
    lengthLine->addWidget(m_txt[3]);
    lengthLine->addWidget(lengthUnit);
    lengthLine->addStretch();
    m_lengthWidgets << lengthCaption << lengthLabel << m_txt[3] << lengthUnit;
    t2->addLayout(lengthLine, 3, 0, 1, 4);
    m_velocityGroup = new QWidget(m_t2Group);
    auto *vg = new QGridLayout(m_velocityGroup);
    vg->setContentsMargins(0, 0, 0, 0);
    vg->addWidget(new QLabel(QStringLiteral("流　速"), m_velocityGroup), 0, 0, 2, 1);
    m_option[6]->setParent(m_velocityGroup);
    m_option[7]->setParent(m_velocityGroup);
    vg->addWidget(m_option[6], 0, 1);
    vg->addWidget(m_option[7], 1, 1);
    vg->addWidget(new QLabel(QStringLiteral("V="), m_velocityGroup), 0, 2);
    m_txt[4]->setParent(m_velocityGroup);
    vg->addWidget(m_txt[4], 0, 3);
    vg->addWidget(new QLabel(QStringLiteral("m/sec"), m_velocityGroup), 0, 4);
    vg->addWidget(new QLabel(QStringLiteral("(0.8～3.0m/sec)"), m_velocityGroup), 1, 2, 1, 3);
    vg->setColumnStretch(5, 1);
    t2->addWidget(m_velocityGroup, 4, 0, 1, 4);
    m_lbl1 = new QLabel(m_t2Group);
    m_lbl1->setObjectName(QStringLiteral("lbl1"));
    t2->addWidget(m_lbl1, 5, 0, 1, 4);
    t2->setRowStretch(6, 1);
    times->addWidget(m_t2Group, 1, Qt::AlignTop);
    top->addLayout(times);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    m_ok = new QPushButton(QStringLiteral("ＯＫ"), this);
    m_ok->setObjectName(QStringLiteral("cmd1"));
    auto *cancel = new QPushButton(QStringLiteral("キャンセル"), this);
    cancel->setObjectName(QStringLiteral("cmd2"));
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    top->addLayout(buttons);

    // Options: each runs its rule; the two that open a helper leave the state to the helper.
    connect(m_option[0], &QRadioButton::clicked, this,
            [this] { apply(IntensityRules::chooseT1Direct(m_state)); });
    connect(m_option[1], &QRadioButton::clicked, this, [this] {
        render();
        openInflowScreen();
    });
    connect(m_option[2], &QRadioButton::clicked, this,
            [this] { apply(IntensityRules::chooseTDirect(m_state)); });
    connect(m_option[3], &QRadioButton::clicked, this,
            [this] { apply(IntensityRules::chooseTComputed(m_state)); });
    connect(m_option[4], &QRadioButton::clicked, this,
            [this] { apply(IntensityRules::chooseT2Direct(m_state)); });
    connect(m_option[5], &QRadioButton::clicked, this,
            [this] { apply(IntensityRules::chooseT2Computed(m_state)); });
    connect(m_option[6], &QRadioButton::clicked, this,
            [this] { apply(IntensityRules::chooseAssumedVelocity(m_state)); });
    connect(m_option[7], &QRadioButton::clicked, this, [this] {
        render();
        emit velocityCalculatorRequested();
    });
    connect(m_chk1, &QCheckBox::clicked, this,
            [this](bool checked) { apply(IntensityRules::setRiverCourse(m_state, checked)); });
    connect(m_riverButton, &QPushButton::clicked, this, &IntensityScreen::openRiverScreen);
    connect(m_ok, &QPushButton::clicked, this, &IntensityScreen::onOk);
    // The screen opens with the focus on "ＯＫ" and the Enter chains end on the buttons: Enter presses them.
    clickOnEnter(m_ok);
    clickOnEnter(m_riverButton);
    connect(cancel, &QPushButton::clicked, this, &IntensityScreen::onCancel);

    // Clicking a time or velocity field chooses its direct entry.
    EventHook::onClick(m_txt[7], [this] {
        if (!m_state.form.Option3)
            apply(IntensityRules::chooseTDirect(m_state));
    });
    EventHook::onClick(m_txt[2], [this] { apply(IntensityRules::chooseT1Direct(m_state)); });
    EventHook::onClick(m_txt[8], [this] {
        if (!m_state.form.Option5)
            apply(IntensityRules::chooseT2Direct(m_state));
    });
    EventHook::onClick(m_txt[4], [this] { apply(IntensityRules::chooseAssumedVelocity(m_state)); });

    // Enter: a → b → c (⑤, ⑥) or the t "直接入力" option; c → d.
    EventHook::onEnter(m_txt[0], [this] { focusSelectingAll(m_txt[1]); });
    EventHook::onEnter(m_txt[1], [this] {
        if (m_state.cdVisible)
            focusSelectingAll(m_txt[5]);
        else
            m_option[2]->setFocus();
    });
    EventHook::onEnter(m_txt[5], [this] { focusSelectingAll(m_txt[6]); });
}

void IntensityScreen::render()
{
    const IntensityForm &f = m_state.form;
    const int formula = chosenFormula(f);
    for (int i = 0; i < 6; ++i)
        m_formula[static_cast<std::size_t>(i)]->setChecked(formula == i + 1);
    for (int i = 0; i < 9; ++i) {
        QLineEdit *edit = m_txt[static_cast<std::size_t>(i)];
        const QString &text = *textOf(m_state.form, i);
        if (edit->text() != text)
            edit->setText(text);
    }
    for (int i = 0; i < 8; ++i)
        m_option[static_cast<std::size_t>(i)]->setChecked(*optionOf(m_state.form, i));
    m_chk1->setChecked(f.chk1 != 0);
    m_lbl1->setText(f.lbl1);

    for (QWidget *w : m_cdWidgets)
        w->setVisible(m_state.cdVisible);
    m_txt[5]->setFrame(true);
    m_txt[6]->setFrame(true);
    for (QWidget *w : m_tLine)
        w->setVisible(m_state.tLineVisible);
    m_t1Group->setVisible(m_state.t1GroupVisible);
    m_t2Group->setVisible(m_state.t2GroupVisible);
    m_velocityGroup->setVisible(m_state.velocityVisible);
    for (QWidget *w : m_lengthWidgets)
        w->setVisible(m_state.lengthVisible);
    m_figure->setVisible(m_state.figureVisible);
    m_lbl1->setVisible(m_state.sourceVisible);
    m_riverButton->setVisible(m_state.riverButtonVisible);
    m_txt[7]->setFrame(m_state.tFramed);
    m_txt[2]->setFrame(m_state.t1Framed);
    m_txt[8]->setFrame(m_state.t2Framed);
    m_txt[4]->setFrame(m_state.vFramed);
}

void IntensityScreen::apply(const IntensityEffect &effect)
{
    if (effect.discardInflow)
        discardInflow();
    if (effect.discardRiver)
        discardRiver();
    render();
    if (effect.focus != IntensityFocus::None)
        focusField(effect.focus, effect.selectAll);
}

QWidget *IntensityScreen::widgetOf(IntensityFocus focus) const
{
    switch (focus) {
    case IntensityFocus::None:
        return nullptr;
    case IntensityFocus::Ok:
        return m_ok;
    case IntensityFocus::A:
        return m_txt[0];
    case IntensityFocus::B:
        return m_txt[1];
    case IntensityFocus::T1:
        return m_txt[2];
    case IntensityFocus::L:
        return m_txt[3];
    case IntensityFocus::V:
        return m_txt[4];
    case IntensityFocus::C:
        return m_txt[5];
    case IntensityFocus::D:
        return m_txt[6];
    case IntensityFocus::T:
        return m_txt[7];
    case IntensityFocus::T2:
        return m_txt[8];
    case IntensityFocus::TDirect:
        return m_option[2];
    case IntensityFocus::AssumeV:
        return m_option[6];
    }
    return nullptr;
}

void IntensityScreen::focusField(IntensityFocus focus, bool selectAll)
{
    QWidget *w = widgetOf(focus);
    if (!w)
        return;
    if (selectAll)
        focusSelectingAll(w);
    else if (qobject_cast<QLineEdit *>(w))
        focusCaretAtStart(w);
    else
        w->setFocus();
}

void IntensityScreen::openScreen()
{
    apply(IntensityRules::prepareOpening(m_state));
    setScreenShown(this, true);
    m_ok->setFocus();
}

IntensityForm IntensityScreen::form() const
{
    return m_state.form;
}

void IntensityScreen::setForm(const IntensityForm &form)
{
    m_state.form = form;
    IntensityRules::prepareOpening(m_state);
    const bool computedT2 = form.Option4 && form.Option6;
    m_state.velocityVisible = computedT2 && form.chk1 == 0;
    m_state.lengthVisible = computedT2 && form.chk1 == 0;
    m_state.figureVisible = form.chk1 == 0;
    m_state.sourceVisible = form.chk1 != 0;
    m_state.riverButtonVisible = form.chk1 != 0;
    m_state.tFramed = form.Option3;
    m_state.t1Framed = !form.Option2;
    m_state.t2Framed = form.Option5;
    m_state.vFramed = !form.Option8;
    render();
}

RiverTimeForm IntensityScreen::riverForm() const
{
    return m_river ? m_river->form() : m_riverKept;
}

void IntensityScreen::setRiverForm(const RiverTimeForm &form)
{
    m_riverKept = form;
    if (m_river)
        m_river->setForm(form);
}

InflowTimeForm IntensityScreen::inflowForm() const
{
    return m_inflow ? m_inflow->form() : m_inflowKept;
}

void IntensityScreen::setInflowForm(const InflowTimeForm &form)
{
    m_inflowKept = form;
    if (m_inflow)
        m_inflow->setForm(form);
}

QString IntensityScreen::calculate()
{
    const IntensityOutcome out = computeIntensity(m_state, riverForm(), m_design.intensity);
    return out.refusal ? QString() : out.intensityText;
}

void IntensityScreen::acceptVelocity(const QString &velocityText)
{
    IntensityRules::acceptVelocity(m_state, velocityText);
    render();
}

void IntensityScreen::onOk()
{
    const RiverTimeForm river = riverForm();
    std::optional<IntensityRefusal> refusal = validateIntensity(m_state, river);
    IntensityOutcome out;
    if (!refusal) {
        out = computeIntensity(m_state, river, m_design.intensity);
        refusal = out.refusal;
    }
    if (refusal) {
        showError(this, refusal->message);
        switch (refusal->followUp) {
        case IntensityFollowUp::SelectFormula1:
            apply(IntensityRules::chooseFormula(m_state, 1));
            break;
        case IntensityFollowUp::OpenRiverScreen:
            openRiverScreen();
            break;
        case IntensityFollowUp::None:
            break;
        }
        if (refusal->focus != IntensityFocus::None)
            focusField(refusal->focus, !refusal->caretAtStart);
        return;
    }
    setScreenShown(this, false);
    emit statusTextRequested(intensityDoneStatusText());
    emit intensityConfirmed(out.intensityText);
}

void IntensityScreen::onCancel()
{
    setScreenShown(this, false);
    emit statusTextRequested(intensityDoneStatusText());
    emit intensityCancelled();
}

void IntensityScreen::openInflowScreen()
{
    if (!m_inflow) {
        m_inflow = new InflowTimeScreen(m_design.intensity, this);
        m_inflow->setWindowFlag(Qt::Dialog);
        m_inflow->setForm(m_inflowKept);
        connect(m_inflow, &InflowTimeScreen::inflowTimeCalculated, this, [this](const QString &t1) {
            m_inflowKept = m_inflow->form();
            IntensityRules::acceptInflowTime(m_state, t1);
            render();
        });
        connect(m_inflow, &InflowTimeScreen::discardRequested, this, &IntensityScreen::discardInflow);
        onEntryChange(m_inflow, [this] { emit entriesChanged(); });
    }
    m_inflow->show();
    m_inflow->raise();
}

RiverTimeScreen *IntensityScreen::river()
{
    if (!m_river) {
        m_river = new RiverTimeScreen(this);
        m_river->setWindowFlag(Qt::Dialog);
        m_river->setForm(m_riverKept);
        connect(m_river, &RiverTimeScreen::riverTimeConfirmed, this,
                [this] { m_riverKept = m_river->form(); });
        connect(m_river, &RiverTimeScreen::riverTimeCancelled, this, [this] {
            discardRiver();
            apply(IntensityRules::riverCancelled(m_state));
        });
        onEntryChange(m_river, [this] { emit entriesChanged(); });
    }
    return m_river;
}

void IntensityScreen::openRiverScreen()
{
    RiverTimeScreen *r = river();
    r->show();
    r->raise();
}

void IntensityScreen::discardInflow()
{
    m_inflowKept = InflowTimeForm{};
    if (m_inflow)
        m_inflow->deleteLater();
    m_inflow = nullptr;
}

void IntensityScreen::discardRiver()
{
    m_riverKept = RiverTimeForm{};
    if (m_river)
        m_river->deleteLater();
    m_river = nullptr;
}

} // namespace niruka
