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

// The screen lives in a sub-window of the main window when it has one; hiding hides that frame too.
void setScreenShown(QWidget *screen, bool shown)
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

} // namespace

RunoffScreen::RunoffScreen(DesignCase &design, QWidget *parent) : QWidget(parent), m_design(design)
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
        connect(box, &QCheckBox::toggled, this, [this, i](bool checked) { onToggled(i, checked); });
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
    connect(m_ok, &QPushButton::clicked, this, &RunoffScreen::onOk);
    clickOnEnter(m_ok);
    connect(m_cancel, &QPushButton::clicked, this, &RunoffScreen::onCancel);
}

void RunoffScreen::openScreen()
{
    setScreenShown(this, true);
}

void RunoffScreen::discard()
{
    for (QCheckBox *box : m_boxes) {
        const QSignalBlocker block(box);
        box->setChecked(false);
    }
    setRows(RunoffRows{});
}

RunoffRows RunoffScreen::rows() const
{
    RunoffRows rows;
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i] = RunoffRowTexts{m_names[i]->text(), m_coeffs[i]->text(), m_areas[i]->text()};
    return rows;
}

void RunoffScreen::setRows(const RunoffRows &rows)
{
    for (std::size_t i = 0; i < rows.size(); ++i) {
        m_names[i]->setText(rows[i].name);
        m_coeffs[i]->setText(rows[i].coeff);
        m_areas[i]->setText(rows[i].area);
    }
}

void RunoffScreen::onToggled(int choice, bool checked)
{
    RunoffRows r = rows();
    if (toggleLandUse(r, landUseChoices()[static_cast<std::size_t>(choice)].rowText, checked))
        setRows(r);
}

RunoffForm RunoffScreen::form() const
{
    RunoffForm f;
    for (int i = 0; i < kLandUseChoiceCount; ++i) {
        const int v = m_boxes[static_cast<std::size_t>(i)]->isChecked() ? 1 : 0;
        if (i < 8)
            f.chk_k[static_cast<std::size_t>(i)] = v;
        else if (i < 15)
            f.chk_t[static_cast<std::size_t>(i - 8)] = v;
        else
            f.chk_u[static_cast<std::size_t>(i - 15)] = v;
    }
    const RunoffRows r = rows();
    for (std::size_t i = 0; i < r.size(); ++i) {
        f.txt_t[i] = r[i].name;
        f.txt_c[i] = r[i].coeff;
        f.txt_a[i] = r[i].area;
    }
    return f;
}

void RunoffScreen::setForm(const RunoffForm &f)
{
    for (int i = 0; i < kLandUseChoiceCount; ++i) {
        const int v = i < 8    ? f.chk_k[static_cast<std::size_t>(i)]
                      : i < 15 ? f.chk_t[static_cast<std::size_t>(i - 8)]
                               : f.chk_u[static_cast<std::size_t>(i - 15)];
        m_boxes[static_cast<std::size_t>(i)]->setChecked(v != 0);
    }
    RunoffRows r;
    for (std::size_t i = 0; i < r.size(); ++i)
        r[i] = RunoffRowTexts{f.txt_t[i], f.txt_c[i], f.txt_a[i]};
    setRows(r);
}

RunoffOutcome RunoffScreen::calculate()
{
    const RunoffRows r = rows();
    // Ryusyutu_1: the rows go into the design before anything is checked.
    const RunoffNumbers n = readRunoffNumbers(r);
    for (std::size_t i = 0; i < r.size(); ++i)
        m_design.landUseRows[i] = LandUseRow{r[i].name, n.coeff[i], n.area[i]};
    // Ryusyutu_2
    RunoffOutcome out = confirmRunoff(r);
    if (!out.refusal) {
        m_design.runoffCoeff = out.coeff;
        m_design.catchmentArea = out.area;
        m_design.runoffMode = RunoffMode::WeightedAverage;
    }
    return out;
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

void RunoffScreen::onOk()
{
    const RunoffOutcome out = calculate();
    if (out.refusal) {
        showError(this, out.refusal->message);
        focusSelectingAll(fieldOf(out.refusal->row, out.refusal->field));
        return;
    }
    setScreenShown(this, false);
    emit statusTextRequested(runoffConfirmStatusText());
    emit runoffConfirmed(out.coeffText, out.areaText);
}

void RunoffScreen::onCancel()
{
    setScreenShown(this, false);
    emit statusTextRequested(runoffCancelStatusText());
    emit runoffCancelled();
}

} // namespace niruka
