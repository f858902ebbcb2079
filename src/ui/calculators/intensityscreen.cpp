#include "ui/calculators/intensityscreen.h"

#include "ui/calculators/inflowtimescreen.h"
#include "ui/calculators/rivertimescreen.h"
#include "ui/calculators/runoffscreen.h"
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
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace niruka {
namespace {

const QString &textOf(const IntensityForm &f, int index)
{
    std::array<const QString *, 9> t{&f.txt1, &f.txt2, &f.txt3, &f.txt4, &f.txt5,
                                     &f.txt6, &f.txt7, &f.txt8, &f.txt9};
    return *t[static_cast<std::size_t>(index)];
}

bool optionOf(const IntensityForm &f, int index)
{
    std::array<bool, 8> o{f.Option1, f.Option2, f.Option3, f.Option4,
                          f.Option5, f.Option6, f.Option7, f.Option8};
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

// The events of a session the screen owns: the screen is its only view.
class IntensityScreen::OwnEvents final : public SessionEvents {
public:
    explicit OwnEvents(IntensityScreen &screen) : m_screen(screen) {}
    void opened(ScreenId screen) override { m_screen.helperOpened(screen); }
    void closed(ScreenId screen) override { m_screen.helperClosed(screen); }
    void shown(ScreenId screen, bool visible) override
    {
        if (screen == ScreenId::Intensity)
            setCalculatorShown(&m_screen, visible);
        else
            m_screen.helperShown(screen, visible);
    }
    void focus(const FocusRequest &request) override { m_screen.showFocus(request); }
    void changed(Parts parts) override { m_screen.renderParts(parts); }
    void status(const QString &text) override { emit m_screen.statusTextRequested(text); }

private:
    IntensityScreen &m_screen;
};

IntensityScreen::IntensityScreen(IntensitySession &session, QWidget *parent)
    : QWidget(parent), m_session(&session)
{
    build();
    settle();
}

IntensityScreen::IntensityScreen(DesignCase &design, QWidget *parent)
    : QWidget(parent), m_ownEvents(std::make_unique<OwnEvents>(*this)),
      m_ownSession(std::make_unique<IntensitySession>(design, *m_ownEvents, sessionServices())),
      m_session(m_ownSession.get())
{
    IntensityHandBacks handBacks;
    handBacks.confirmed = [this](const QString &i) { emit intensityConfirmed(i); };
    handBacks.cancelled = [this] { emit intensityCancelled(); };
    handBacks.entryChanged = [this] { emit entriesChanged(); };
    handBacks.velocityRequested = [this] { emit velocityCalculatorRequested(); };
    m_session->setHandBacks(std::move(handBacks));
    build();
    m_session->ensure();
    settle();
}

// The screen keeps the size it has with every group shown, like a form of fixed size; hidden parts leave
// their space empty instead of collapsing the layout.
void IntensityScreen::settle()
{
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
    setObjectName(QStringLiteral("IntensityScreen"));
    setWindowTitle(QStringLiteral("降雨強度"));
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
        connect(opt, &QRadioButton::clicked, this, [this, i] { m_session->chooseFormula(i + 1); });
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
                [this, i](const QString &text) { m_session->setText(i, text); });
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

    // Options: each hands its click to the session.
    connect(m_option[0], &QRadioButton::clicked, this, [this] { m_session->chooseT1Direct(); });
    connect(m_option[1], &QRadioButton::clicked, this, [this] { m_session->chooseT1Computed(); });
    connect(m_option[2], &QRadioButton::clicked, this, [this] { m_session->chooseTDirect(); });
    connect(m_option[3], &QRadioButton::clicked, this, [this] { m_session->chooseTComputed(); });
    connect(m_option[4], &QRadioButton::clicked, this, [this] { m_session->chooseT2Direct(); });
    connect(m_option[5], &QRadioButton::clicked, this, [this] { m_session->chooseT2Computed(); });
    connect(m_option[6], &QRadioButton::clicked, this, [this] { m_session->chooseAssumedVelocity(); });
    connect(m_option[7], &QRadioButton::clicked, this, [this] { m_session->chooseComputedVelocity(); });
    connect(m_chk1, &QCheckBox::clicked, this, [this](bool checked) { m_session->setRiverCourse(checked); });
    connect(m_riverButton, &QPushButton::clicked, this, [this] { m_session->openRiver(); });
    connect(m_ok, &QPushButton::clicked, this, [this] { m_session->ok(); });
    // The screen opens with the focus on "ＯＫ" and the Enter chains end on the buttons: Enter presses them.
    clickOnEnter(m_ok);
    clickOnEnter(m_riverButton);
    connect(cancel, &QPushButton::clicked, this, [this] { m_session->cancel(); });

    // A click into the time or velocity fields (the session decides what it chooses).
    for (int i : {2, 4, 7, 8})
        EventHook::onClick(m_txt[static_cast<std::size_t>(i)], [this, i] { m_session->clickInto(i); });

    // Enter: a → b → c (⑤, ⑥) or the t "直接入力" option; c → d.
    EventHook::onEnter(m_txt[0], [this] { focusSelectingAll(m_txt[1]); });
    EventHook::onEnter(m_txt[1], [this] {
        if (m_session->state().cdVisible)
            focusSelectingAll(m_txt[5]);
        else
            m_option[2]->setFocus();
    });
    EventHook::onEnter(m_txt[5], [this] { focusSelectingAll(m_txt[6]); });
}

void IntensityScreen::render()
{
    const IntensityState &st = m_session->state();
    const IntensityForm &f = st.form;
    const int formula = chosenFormula(f);
    for (int i = 0; i < 6; ++i) {
        QRadioButton *opt = m_formula[static_cast<std::size_t>(i)];
        const QSignalBlocker block(opt);
        opt->setChecked(formula == i + 1);
    }
    for (int i = 0; i < 9; ++i) {
        QLineEdit *edit = m_txt[static_cast<std::size_t>(i)];
        const QString &text = textOf(f, i);
        if (edit->text() != text) {
            const QSignalBlocker block(edit);
            edit->setText(text);
        }
    }
    for (int i = 0; i < 8; ++i) {
        QRadioButton *opt = m_option[static_cast<std::size_t>(i)];
        const QSignalBlocker block(opt);
        opt->setChecked(optionOf(f, i));
    }
    {
        const QSignalBlocker block(m_chk1);
        m_chk1->setChecked(f.chk1 != 0);
    }
    m_lbl1->setText(f.lbl1);

    for (QWidget *w : m_cdWidgets)
        w->setVisible(st.cdVisible);
    m_txt[5]->setFrame(true);
    m_txt[6]->setFrame(true);
    for (QWidget *w : m_tLine)
        w->setVisible(st.tLineVisible);
    m_t1Group->setVisible(st.t1GroupVisible);
    m_t2Group->setVisible(st.t2GroupVisible);
    m_velocityGroup->setVisible(st.velocityVisible);
    for (QWidget *w : m_lengthWidgets)
        w->setVisible(st.lengthVisible);
    m_figure->setVisible(st.figureVisible);
    m_lbl1->setVisible(st.sourceVisible);
    m_riverButton->setVisible(st.riverButtonVisible);
    m_txt[7]->setFrame(st.tFramed);
    m_txt[2]->setFrame(st.t1Framed);
    m_txt[8]->setFrame(st.t2Framed);
    m_txt[4]->setFrame(st.vFramed);
}

void IntensityScreen::renderParts(Parts parts)
{
    if (parts.testFlag(Part::Intensity))
        render();
    if (parts.testFlag(Part::InflowTime) && m_inflow)
        m_inflow->render();
    if (parts.testFlag(Part::RiverTime) && m_river)
        m_river->render();
}

void IntensityScreen::showFocus(const FocusRequest &request)
{
    if (request.control.screen == ScreenId::InflowTime) {
        if (m_inflow)
            m_inflow->showFocus(request);
        return;
    }
    if (request.control.screen == ScreenId::RiverTime) {
        if (m_river)
            m_river->showFocus(request);
        return;
    }
    QWidget *w = findChild<QWidget *>(request.control.name);
    if (!w)
        return;
    if (request.style == FocusStyle::SelectAll)
        focusSelectingAll(w);
    else if (request.style == FocusStyle::CaretAtStart)
        focusCaretAtStart(w);
    else
        w->setFocus();
}

void IntensityScreen::openScreen()
{
    m_session->open();
}

IntensityForm IntensityScreen::form() const
{
    return m_session->form();
}

void IntensityScreen::setForm(const IntensityForm &form)
{
    m_session->setForm(form);
}

RiverTimeForm IntensityScreen::riverForm() const
{
    return m_session->riverForm();
}

void IntensityScreen::setRiverForm(const RiverTimeForm &form)
{
    m_session->setRiverForm(form);
}

InflowTimeForm IntensityScreen::inflowForm() const
{
    return m_session->inflowForm();
}

void IntensityScreen::setInflowForm(const InflowTimeForm &form)
{
    m_session->setInflowForm(form);
}

QString IntensityScreen::calculate()
{
    return m_session->calculate();
}

void IntensityScreen::acceptVelocity(const QString &velocityText)
{
    m_session->acceptVelocity(velocityText);
}

// The helpers are modal dialogs over this screen, made and unloaded as the session opens and closes them.
void IntensityScreen::helperOpened(ScreenId screen)
{
    if (screen == ScreenId::InflowTime && !m_inflow) {
        m_inflow = new InflowTimeScreen(*m_session, this);
        m_inflow->setWindowFlag(Qt::Dialog);
        m_inflow->hide();
    } else if (screen == ScreenId::RiverTime && !m_river) {
        m_river = new RiverTimeScreen(*m_session, this);
        m_river->setWindowFlag(Qt::Dialog);
        m_river->hide();
    }
}

void IntensityScreen::helperClosed(ScreenId screen)
{
    QPointer<QDialog> dialog;
    if (screen == ScreenId::InflowTime) {
        dialog = m_inflow.data();
        m_inflow = nullptr;
    } else if (screen == ScreenId::RiverTime) {
        dialog = m_river.data();
        m_river = nullptr;
    }
    if (dialog) {
        dialog->hide();
        dialog->deleteLater();
    }
}

void IntensityScreen::helperShown(ScreenId screen, bool visible)
{
    QDialog *dialog = screen == ScreenId::InflowTime  ? static_cast<QDialog *>(m_inflow)
                      : screen == ScreenId::RiverTime ? static_cast<QDialog *>(m_river)
                                                      : nullptr;
    if (!dialog)
        return;
    if (visible) {
        dialog->show();
        dialog->raise();
    } else {
        dialog->hide();
    }
}

} // namespace niruka
