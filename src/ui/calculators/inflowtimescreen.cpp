#include "ui/calculators/inflowtimescreen.h"

#include "session/inflowtimerules.h"
#include "ui/mainwindow/eventhook.h"
#include "ui/mainwindow/platformservices.h"
#include "ui/mainwindow/screenparts.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace niruka {
namespace {

struct CoverRow {
    const char *cover;
    const char *n;
};

// Reference retardance coefficients: the first five rows stand in the left column pair.
const CoverRow kCovers[] = {
    {"不浸透面", "0.02"},
    {"よく締まった裸地（なめらか）", "0.10"},
    {"裸地（普通の荒さ）", "0.20"},
    {"粗草地および耕地", "0.20"},
    {"牧草地または普通の草地", "0.40"},
    {"森林地（落葉樹）", "0.60"},
    {"森林地（落葉樹、深い落葉等堆植地）", "0.80"},
    {"森林地（針葉樹林）", "0.80"},
    {"密草地", "0.80"},
};

QLabel *boxed(const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setFrameShape(QFrame::Box);
    return l;
}

} // namespace

InflowTimeScreen::InflowTimeScreen(IntensityInputs &inputs, QWidget *parent)
    : QDialog(parent), m_inputs(inputs)
{
    setObjectName(QStringLiteral("InflowTimeScreen"));
    setWindowTitle(QStringLiteral("流入時間の計算　（草地、樹林地等）"));
    setModal(true);
    auto *top = new QVBoxLayout(this);
    top->addWidget(makeTitle(this, QStringLiteral("流入時間の計算　（草地、樹林地等）"), nullptr, 1.0));
    // t1 = (2/3 × 3.28 × L・n/√S)^0.467
    auto *formula = new QLabel(this);
    formula->setTextFormat(Qt::RichText);
    formula->setText(QStringLiteral(
        "<table><tr><td rowspan=2 valign=middle>t1=</td><td rowspan=2 valign=middle><big>(</big></td>"
        "<td align=center style='border-bottom:1px solid'>2</td><td rowspan=2 valign=middle>× 3.28 ×</td>"
        "<td align=center style='border-bottom:1px solid'>L・n</td><td rowspan=2 valign=middle><big>)</big>"
        "</td><td valign=top><small>0.467</small></td></tr><tr><td align=center>3</td><td "
        "align=center>√S</td>"
        "<td></td></tr></table>"));
    top->addWidget(formula);

    auto *fields = new QGridLayout;
    auto addField = [&](int row, const QString &caption, const QString &label, const QString &unit,
                        const char *name) {
        fields->addWidget(new QLabel(caption, this), row, 0);
        fields->addWidget(new QLabel(label, this), row, 1);
        auto *edit = new QLineEdit(this);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setMaximumWidth(100);
        EventHook::installFieldSelection(edit);
        fields->addWidget(edit, row, 2);
        if (!unit.isEmpty())
            fields->addWidget(new QLabel(unit, this), row, 3);
        return edit;
    };
    m_length = addField(0, QStringLiteral("斜面距離"), QStringLiteral("L="), QStringLiteral("ｍ"), "txt1");
    m_gradient = addField(1, QStringLiteral("斜面勾配  S/1000"), QStringLiteral("S="), QString(), "txt2");
    m_retardance = addField(2, QStringLiteral("遅滞係数"), QStringLiteral("n="), QString(), "txt3");
    fields->setColumnStretch(4, 1);
    top->addLayout(fields);

    auto *table = new QGridLayout;
    table->setSpacing(0);
    for (int pair = 0; pair < 2; ++pair) {
        table->addWidget(boxed(QStringLiteral("地　覆　状　態"), this), 0, pair * 2);
        table->addWidget(boxed(QStringLiteral("ｎ"), this), 0, pair * 2 + 1);
    }
    for (int i = 0; i < 9; ++i) {
        const int pair = i < 5 ? 0 : 1;
        const int row = 1 + (i < 5 ? i : i - 5);
        table->addWidget(boxed(QString::fromUtf8(kCovers[i].cover), this), row, pair * 2);
        table->addWidget(boxed(QString::fromUtf8(kCovers[i].n), this), row, pair * 2 + 1);
    }
    top->addLayout(table);

    const OkCancel buttons = addOkCancelRow(this, top);
    m_ok = buttons.ok;

    EventHook::onEnter(m_length, [this] { focusSelectingAll(m_gradient); });
    EventHook::onEnter(m_gradient, [this] { focusSelectingAll(m_retardance); });
    EventHook::onEnter(m_retardance, [this] { m_ok->setFocus(); });
    connect(m_ok, &QPushButton::clicked, this, &InflowTimeScreen::onOk);
    connect(buttons.cancel, &QPushButton::clicked, this, [this] {
        hide();
        emit discardRequested();
    });
}

InflowTimeForm InflowTimeScreen::form() const
{
    return InflowTimeForm{m_length->text(), m_gradient->text(), m_retardance->text()};
}

void InflowTimeScreen::setForm(const InflowTimeForm &form)
{
    m_length->setText(form.txt1);
    m_gradient->setText(form.txt2);
    m_retardance->setText(form.txt3);
}

void InflowTimeScreen::onOk()
{
    const InflowOutcome out = computeInflowTimeScreen(form());
    if (out.refusal) {
        showError(this, out.refusal->message);
        QLineEdit *field = out.refusal->field == InflowField::SlopeLength     ? m_length
                           : out.refusal->field == InflowField::SlopeGradient ? m_gradient
                                                                              : m_retardance;
        focusCaretAtStart(field);
        return;
    }
    m_inputs.slopeLength = out.slopeLength;
    m_inputs.slopeGradient = out.slopeGradient;
    m_inputs.retardance = out.retardance;
    m_inputs.inflowTime = out.inflowTime;
    hide();
    emit inflowTimeCalculated(out.inflowTimeText);
}

} // namespace niruka
