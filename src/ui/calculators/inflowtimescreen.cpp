#include "ui/calculators/inflowtimescreen.h"

#include "session/intensitysession.h"
#include "ui/mainwindow/eventhook.h"
#include "ui/mainwindow/platformservices.h"
#include "ui/mainwindow/screenparts.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
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

// A session of the screen's own, for a screen used alone: its design's numbers are copied into the
// caller's inputs after a successful "ＯＫ".
struct InflowTimeScreen::Own final : SessionEvents {
    Own(InflowTimeScreen &screen, IntensityInputs &inputs)
        : screen(screen), inputs(inputs), session(design, *this, sessionServices())
    {
    }
    void opened(ScreenId) override {}
    void closed(ScreenId) override {}
    void shown(ScreenId s, bool visible) override
    {
        if (s == ScreenId::InflowTime)
            screen.setVisible(visible);
    }
    void focus(const FocusRequest &request) override { screen.showFocus(request); }
    void changed(Parts parts) override
    {
        if (parts.testFlag(Part::InflowTime))
            screen.render();
    }
    void status(const QString &) override {}

    InflowTimeScreen &screen;
    IntensityInputs &inputs;
    DesignCase design;
    IntensitySession session;
};

InflowTimeScreen::InflowTimeScreen(IntensitySession &session, QWidget *parent)
    : QDialog(parent), m_session(&session)
{
    build();
    render();
}

InflowTimeScreen::InflowTimeScreen(IntensityInputs &inputs, QWidget *parent)
    : QDialog(parent), m_own(std::make_unique<Own>(*this, inputs)), m_session(&m_own->session)
{
    m_session->ensure();
    m_session->ensureInflow();
    build();
    render();
}

InflowTimeScreen::~InflowTimeScreen() = default;

void InflowTimeScreen::build()
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
        const int index = row;
        connect(edit, &QLineEdit::textChanged, this,
                [this, index](const QString &t) { m_session->setInflowText(index, t); });
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
    connect(m_ok, &QPushButton::clicked, this, [this] {
        if (!m_session->inflowOk() || !m_own)
            return;
        IntensityInputs &in = m_own->design.intensity;
        m_own->inputs.slopeLength = in.slopeLength;
        m_own->inputs.slopeGradient = in.slopeGradient;
        m_own->inputs.retardance = in.retardance;
        m_own->inputs.inflowTime = in.inflowTime;
        emit inflowTimeCalculated(m_session->form().txt3);
    });
    connect(buttons.cancel, &QPushButton::clicked, this, [this] {
        if (m_own) {
            hide();
            emit discardRequested();
            return;
        }
        m_session->inflowCancel();
    });
}

InflowTimeForm InflowTimeScreen::form() const
{
    return m_session->inflowForm();
}

void InflowTimeScreen::setForm(const InflowTimeForm &form)
{
    m_session->setInflowForm(form);
}

void InflowTimeScreen::render()
{
    const InflowTimeForm f = m_session->inflowForm();
    for (const auto &[edit, text] :
         {std::pair{m_length, f.txt1}, {m_gradient, f.txt2}, {m_retardance, f.txt3}}) {
        if (edit->text() != text) {
            const QSignalBlocker block(edit);
            edit->setText(text);
        }
    }
}

void InflowTimeScreen::showFocus(const FocusRequest &request)
{
    if (auto *edit = findChild<QLineEdit *>(request.control.name))
        focusCaretAtStart(edit);
}

} // namespace niruka
