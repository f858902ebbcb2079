#include "ui/mainwindow/referencescreen.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace niruka {

namespace {

struct Row {
    const char *kind;
    const char *value;
};

// Groups separated by a blank row.
const Row kRunoffRows[] = {
    {"屋  根", "0.85～0.95"},
    {"道  路", "0.80～0.90"},
    {"その他の不透水面", "0.75～0.85"},
    {"水　面", "1.00"},
    {"間　地", "0.10～0.30"},
    {"芝、樹木の多い公園", "0.05～0.25"},
    {"勾配の緩い山地", "0.20～0.40"},
    {"勾配の急な山地", "0.40～0.60"},
    {nullptr, nullptr},
    {"密集市街地", "0.9"},
    {"一般市街地", "0.8"},
    {"畑 ・ 原野", "0.6"},
    {"水田 ・ 山地", "0.7"},
    {"宅地等の造成地域", "0.9"},
    {"ｺﾞﾙﾌ場等の造成地域", "0.8"},
    {nullptr, nullptr},
    {"林　地", "0.3～0.7"},
    {"草　地", "0.4～0.8"},
    {"耕　地", "0.5～0.8"},
    {"裸　地", "0.9～1.0"},
};

struct RoughRow {
    const char *group; // label of the group of rows, or nullptr
    const char *kind;
    const char *detail; // second part of a kind that spans two rows ("粗　石" "練　積")
    const char *value;
};

const RoughRow kRoughRows[] = {
    {nullptr, "コンクリート管渠", nullptr, "0.013"},
    {nullptr, "塩化ビニール管", nullptr, "0.010"},
    {nullptr, "強化プラスチック複合管", nullptr, "0.010"},
    {"素　掘　り", "土", nullptr, "0.020～0.025"},
    {"素　掘　り", "砂　れ　き", nullptr, "0.025～0.040"},
    {"素　掘　り", "岩　　　盤", nullptr, "0.025～0.035"},
    {"現 場 施 工", "セメントモルタル", nullptr, "0.010～0.013"},
    {"現 場 施 工", "コンクリート", nullptr, "0.013～0.018"},
    {"現 場 施 工", "粗　石", "練　積", "0.015～0.030"},
    {"現 場 施 工", "粗　石", "空　積", "0.025～0.035"},
    {"工 場 製 品", "遠心鉄筋コンクリート管", nullptr, "0.011～0.014"},
    {"工 場 製 品", "コンクリート管", nullptr, "0.012～0.016"},
    {"工 場 製 品", "コルゲートパイプ", nullptr, "0.025～0.035"},
    {nullptr, "一般河道", nullptr, "0.030～0.035"},
    {nullptr, "急流河川及川幅が広く水深の浅い河川", nullptr, "0.040～0.050"},
    {nullptr, "暫定素堀河道", nullptr, "0.035"},
    {nullptr, "三面張水路", nullptr, "0.025"},
    {nullptr, "河川トンネル", nullptr, "0.023"},
};

QTableWidgetItem *cell(const char *text, bool centred = false)
{
    auto *item = new QTableWidgetItem(text ? QString::fromUtf8(text) : QString());
    item->setFlags(Qt::ItemIsEnabled);
    if (centred)
        item->setTextAlignment(Qt::AlignCenter);
    return item;
}

QTableWidget *sheet(int rows, int columns, QWidget *parent)
{
    auto *t = new QTableWidget(rows, columns, parent);
    t->verticalHeader()->hide();
    t->setSelectionMode(QAbstractItemView::NoSelection);
    t->setFocusPolicy(Qt::NoFocus);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setWordWrap(false);
    return t;
}

int textWidth(const QTableWidget *t, const char *text)
{
    return t->fontMetrics().horizontalAdvance(QString::fromUtf8(text)) + 14;
}

// Fixes the table's size to its rows and columns, so that no scroll bar or cut row appears.
void fixSize(QTableWidget *t)
{
    const int rowHeight = t->fontMetrics().height() + 6;
    for (int r = 0; r < t->rowCount(); ++r)
        t->setRowHeight(r, rowHeight);
    int w = 2 * t->frameWidth();
    for (int c = 0; c < t->columnCount(); ++c)
        w += t->columnWidth(c);
    int h = 2 * t->frameWidth() + rowHeight * t->rowCount();
    if (!t->horizontalHeader()->isHidden())
        h += t->horizontalHeader()->sizeHint().height();
    t->setFixedSize(w, h);
}

} // namespace

ReferenceScreen::ReferenceScreen(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ReferenceScreen"));
    setWindowTitle(QStringLiteral("参考"));

    // Runoff coefficients.
    const int runoffCount = static_cast<int>(std::size(kRunoffRows));
    m_runoff = sheet(runoffCount, 2, this);
    m_runoff->setObjectName(QStringLiteral("runoffTable"));
    m_runoff->setHorizontalHeaderLabels({QStringLiteral("土地利用形態"), QStringLiteral("流出係数")});
    for (int r = 0; r < runoffCount; ++r) {
        m_runoff->setItem(r, 0, cell(kRunoffRows[r].kind));
        m_runoff->setItem(r, 1, cell(kRunoffRows[r].value, true));
    }
    m_runoff->resizeColumnsToContents();
    for (int c = 0; c < 2; ++c)
        m_runoff->setColumnWidth(c, m_runoff->columnWidth(c) + 8);
    fixSize(m_runoff);

    // Roughness coefficients: group | kind | detail | value, with spans for the grouped kinds.
    const int roughCount = static_cast<int>(std::size(kRoughRows));
    m_roughness = sheet(roughCount + 1, 4, this);
    m_roughness->setObjectName(QStringLiteral("roughnessTable"));
    m_roughness->horizontalHeader()->hide();
    m_roughness->setItem(0, 0, cell("排 水 施 設 の 種 類", true));
    m_roughness->setSpan(0, 0, 1, 3);
    m_roughness->setItem(0, 3, cell("粗 度 係 数", true));
    for (int i = 0; i < roughCount; ++i) {
        const RoughRow &row = kRoughRows[i];
        const int r = i + 1;
        m_roughness->setItem(r, 3, cell(row.value, true));
        const bool groupStart = row.group && (i == 0 || !kRoughRows[i - 1].group ||
                                              qstrcmp(kRoughRows[i - 1].group, row.group) != 0);
        if (groupStart) {
            int span = 1;
            while (i + span < roughCount && kRoughRows[i + span].group &&
                   qstrcmp(kRoughRows[i + span].group, row.group) == 0)
                ++span;
            m_roughness->setItem(r, 0, cell(row.group, true));
            m_roughness->setSpan(r, 0, span, 1);
        }
        const int kindColumn = row.group ? 1 : 0;
        if (row.detail) {
            const bool kindStart =
                i == 0 || !kRoughRows[i - 1].detail || qstrcmp(kRoughRows[i - 1].kind, row.kind) != 0;
            if (kindStart) {
                m_roughness->setItem(r, kindColumn, cell(row.kind, true));
                m_roughness->setSpan(r, kindColumn, 2, 1);
            }
            m_roughness->setItem(r, 2, cell(row.detail, true));
        } else {
            m_roughness->setItem(r, kindColumn, cell(row.kind));
            if (3 - kindColumn > 1)
                m_roughness->setSpan(r, kindColumn, 1, 3 - kindColumn);
        }
    }
    // Column widths by hand: spanned cells do not take part in the automatic sizing.
    int groupWidth = 0, groupedKindWidth = 0, ungroupedKindWidth = 0, detailWidth = 0, valueWidth = 0;
    for (const RoughRow &row : kRoughRows) {
        valueWidth = std::max(valueWidth, textWidth(m_roughness, row.value));
        if (row.detail) {
            detailWidth = std::max(detailWidth, textWidth(m_roughness, row.detail));
            continue;
        }
        if (row.group) {
            groupWidth = std::max(groupWidth, textWidth(m_roughness, row.group));
            groupedKindWidth = std::max(groupedKindWidth, textWidth(m_roughness, row.kind));
        } else {
            ungroupedKindWidth = std::max(ungroupedKindWidth, textWidth(m_roughness, row.kind));
        }
    }
    const int stoneWidth = textWidth(m_roughness, "粗　石");
    detailWidth = std::max(detailWidth, groupedKindWidth - stoneWidth);
    detailWidth = std::max(detailWidth, ungroupedKindWidth - groupWidth - stoneWidth);
    detailWidth =
        std::max(detailWidth, textWidth(m_roughness, "排 水 施 設 の 種 類") - groupWidth - stoneWidth);
    m_roughness->setColumnWidth(0, groupWidth);
    m_roughness->setColumnWidth(1, stoneWidth);
    m_roughness->setColumnWidth(2, detailWidth);
    m_roughness->setColumnWidth(3, std::max(valueWidth, textWidth(m_roughness, "粗 度 係 数")));
    fixSize(m_roughness);

    auto *left = new QVBoxLayout;
    left->addWidget(new QLabel(QStringLiteral("◇ 流 出 係 数（Ｃ）"), this));
    left->addWidget(m_runoff);
    left->addStretch();
    auto *right = new QVBoxLayout;
    right->addWidget(new QLabel(QStringLiteral("◇ 粗 度 係 数（ｎ）"), this));
    right->addWidget(m_roughness);
    right->addStretch();

    auto *close = new QPushButton(QStringLiteral("閉じる"), this);
    close->setObjectName(QStringLiteral("cmd1"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);

    auto *tables = new QHBoxLayout;
    tables->addLayout(left);
    tables->addLayout(right);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(tables);
    layout->addLayout(buttons);
}

} // namespace niruka
