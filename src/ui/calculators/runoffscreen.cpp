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
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace niruka {
namespace {

const QString kRowMarks[kRunoffRowCount] = {QStringLiteral("①"), QStringLiteral("②"), QStringLiteral("③"),
                                            QStringLiteral("④"), QStringLiteral("⑤"), QStringLiteral("⑥")};

QLabel *headingLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameShape(QFrame::Box);
    return label;
}

} // namespace

// The screen lives in a sub-window of the main window when it has one; hiding hides that frame too.
void setCalculatorShown(QWidget *screen, bool shown)
{
    auto *sub = qobject_cast<QMdiSubWindow *>(screen->parentWidget());
    if (sub)
        sub->setVisible(shown);
    screen->setVisible(shown);
    if (shown) {
        if (sub)
            sub->raise();
        screen->raise();
    }
}

// The events of a session the screen owns: the screen is its only view.
class RunoffScreen::OwnEvents final : public SessionEvents {
public:
    explicit OwnEvents(RunoffScreen &screen) : m_screen(screen) {}
    void opened(ScreenId) override {}
    void closed(ScreenId) override {}
    void shown(ScreenId, bool visible) override { setCalculatorShown(&m_screen, visible); }
    void focus(const FocusRequest &request) override { m_screen.showFocus(request); }
    void changed(Parts) override { m_screen.render(); }
    void status(const QString &text) override { emit m_screen.statusTextRequested(text); }

private:
    RunoffScreen &m_screen;
};

RunoffScreen::RunoffScreen(RunoffSession &session, QWidget *parent) : QWidget(parent), m_session(&session)
{
    build();
    render();
}

RunoffScreen::RunoffScreen(DesignCase &design, QWidget *parent)
    : QWidget(parent), m_ownEvents(std::make_unique<OwnEvents>(*this)),
      m_ownSession(std::make_unique<RunoffSession>(design, *m_ownEvents, sessionServices())),
      m_session(m_ownSession.get())
{
    m_session->setHandBacks(
        RunoffHandBacks{[this](const QString &c, const QString &a) { emit runoffConfirmed(c, a); },
                        [this] { emit runoffCancelled(); },
                        {},
                        {}});
    m_session->ensure();
    build();
    render();
}

RunoffScreen::~RunoffScreen() = default;

void RunoffScreen::build()
{
    setObjectName(QStringLiteral("RunoffScreen"));
    setWindowTitle(QStringLiteral("流出係数"));
    auto *top = new QVBoxLayout(this);

    auto *heading = new QLabel(QStringLiteral("◇ 流 出 係 数"), this);
    QFont big = heading->font();
    big.setPointSizeF(big.pointSizeF() * 1.3);
    big.setBold(true);
    heading->setFont(big);
    top->addWidget(heading);
    top->addWidget(new QLabel(
        QStringLiteral(
            "（土地利用形態を選択チェックし（６つまで）、流出係数、流域面積を入力してください。）"),
        this));

    // The three reference tables side by side.
    auto *tables = new QHBoxLayout;
    std::array<QGridLayout *, 3> grids{};
    for (int t = 0; t < 3; ++t) {
        auto *frame = new QFrame(this);
        frame->setFrameShape(QFrame::Box);
        grids[static_cast<std::size_t>(t)] = new QGridLayout(frame);
        grids[static_cast<std::size_t>(t)]->addWidget(headingLabel(QStringLiteral("土地利用形態"), frame), 0,
                                                      0);
        grids[static_cast<std::size_t>(t)]->addWidget(headingLabel(QStringLiteral("流出係数"), frame), 0, 1);
        tables->addWidget(frame, 0, Qt::AlignTop);
    }
    std::array<int, 3> nextRow{1, 1, 1};
    for (int i = 0; i < kLandUseChoiceCount; ++i) {
        const LandUseChoice &c = landUseChoices()[static_cast<std::size_t>(i)];
        QGridLayout *grid = grids[static_cast<std::size_t>(c.table)];
        int &row = nextRow[static_cast<std::size_t>(c.table)];
        auto *box = new QCheckBox(c.caption, this);
        box->setObjectName(QString::fromLatin1(c.objectName));
        auto *ref = new QLabel(c.reference, this);
        ref->setAlignment(Qt::AlignCenter);
        grid->addWidget(box, row, 0);
        grid->addWidget(ref, row, 1);
        ++row;
        m_boxes[static_cast<std::size_t>(i)] = box;
        connect(box, &QCheckBox::toggled, this, [this, i](bool checked) { m_session->toggle(i, checked); });
    }
    top->addLayout(tables);
    top->addWidget(
        new QLabel(QStringLiteral("（土地利用形態が上記に無い場合は、直接入力してください。）"), this));

    // Rows ①–③ on the left, ④–⑥ on the right.
    auto *rowsGrid = new QGridLayout;
    for (int col = 0; col < 2; ++col) {
        const int base = col * 5;
        rowsGrid->addWidget(headingLabel(QStringLiteral("土地利用形態"), this), 0, base + 1);
        rowsGrid->addWidget(headingLabel(QStringLiteral("流出係数"), this), 0, base + 2);
        rowsGrid->addWidget(headingLabel(QStringLiteral("流域面積(m2)"), this), 0, base + 3);
    }
    for (int r = 0; r < kRunoffRowCount; ++r) {
        const int gridRow = 1 + r % 3;
        const int base = (r / 3) * 5;
        const QString n = QString::number(r + 1);
        auto *mark = new QLabel(kRowMarks[r], this);
        auto *name = new QLineEdit(this);
        name->setObjectName(QStringLiteral("txt_t") + n);
        name->setMinimumWidth(150);
        auto *coeff = new QLineEdit(this);
        coeff->setObjectName(QStringLiteral("txt_c") + n);
        coeff->setMaximumWidth(70);
        auto *area = new QLineEdit(this);
        area->setObjectName(QStringLiteral("txt_a") + n);
        area->setMaximumWidth(100);
        for (QLineEdit *field : {name, coeff, area})
            EventHook::installFieldSelection(field);
        connect(name, &QLineEdit::textChanged, this,
                [this, r](const QString &t) { m_session->setText(r, RunoffField::Name, t); });
        connect(coeff, &QLineEdit::textChanged, this,
                [this, r](const QString &t) { m_session->setText(r, RunoffField::Coeff, t); });
        connect(area, &QLineEdit::textChanged, this,
                [this, r](const QString &t) { m_session->setText(r, RunoffField::Area, t); });
        rowsGrid->addWidget(mark, gridRow, base);
        rowsGrid->addWidget(name, gridRow, base + 1);
        rowsGrid->addWidget(coeff, gridRow, base + 2);
        rowsGrid->addWidget(area, gridRow, base + 3);
        m_names[static_cast<std::size_t>(r)] = name;
        m_coeffs[static_cast<std::size_t>(r)] = coeff;
        m_areas[static_cast<std::size_t>(r)] = area;
    }
    rowsGrid->setColumnMinimumWidth(4, 16);
    top->addLayout(rowsGrid);
    top->addWidget(
        new QLabel(QStringLiteral("（途中に空白番号部分がある場合は、流出係数が印刷されません。）"), this));
    top->addWidget(new QLabel(
        QStringLiteral("（例：①④の場合は④を消して②に、①②④⑤の場合は⑤を消して③に入れてください。）"), this));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    m_ok = new QPushButton(QStringLiteral("ＯＫ"), this);
    m_ok->setObjectName(QStringLiteral("cmd1"));
    m_cancel = new QPushButton(QStringLiteral("キャンセル"), this);
    m_cancel->setObjectName(QStringLiteral("cmd2"));
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    top->addLayout(buttons);
    connect(m_ok, &QPushButton::clicked, this, [this] { m_session->ok(); });
    clickOnEnter(m_ok);
    connect(m_cancel, &QPushButton::clicked, this, [this] { m_session->cancel(); });
}

void RunoffScreen::openScreen()
{
    m_session->open();
}

void RunoffScreen::discard()
{
    m_session->clear();
}

RunoffRows RunoffScreen::rows() const
{
    return m_session->rows();
}

RunoffForm RunoffScreen::form() const
{
    return m_session->form();
}

void RunoffScreen::setForm(const RunoffForm &f)
{
    m_session->setForm(f);
}

RunoffOutcome RunoffScreen::calculate()
{
    return m_session->calculate();
}

// The boxes and rows from the session, without feeding the changes back; a text that is already shown is
// not set again, so the caret and the selection stay.
void RunoffScreen::render()
{
    for (int i = 0; i < kLandUseChoiceCount; ++i) {
        QCheckBox *box = m_boxes[static_cast<std::size_t>(i)];
        const QSignalBlocker block(box);
        box->setChecked(m_session->isChecked(i));
    }
    for (int r = 0; r < kRunoffRowCount; ++r) {
        for (RunoffField f : {RunoffField::Name, RunoffField::Coeff, RunoffField::Area}) {
            QLineEdit *edit = fieldOf(r, f);
            const QString text = m_session->text(r, f);
            if (edit->text() != text) {
                const QSignalBlocker block(edit);
                edit->setText(text);
            }
        }
    }
}

void RunoffScreen::showFocus(const FocusRequest &request)
{
    auto *w = findChild<QWidget *>(request.control.name);
    if (!w)
        return;
    if (request.style == FocusStyle::SelectAll)
        focusSelectingAll(w);
    else if (request.style == FocusStyle::CaretAtStart)
        focusCaretAtStart(w);
    else
        w->setFocus();
}

QLineEdit *RunoffScreen::fieldOf(int row, RunoffField field) const
{
    const auto i = static_cast<std::size_t>(row);
    switch (field) {
    case RunoffField::Name:
        return m_names[i];
    case RunoffField::Coeff:
        return m_coeffs[i];
    case RunoffField::Area:
        break;
    }
    return m_areas[i];
}

} // namespace niruka
