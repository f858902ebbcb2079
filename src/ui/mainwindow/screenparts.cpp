#include "ui/mainwindow/screenparts.h"

#include "engine/catalogue.h"
#include "engine/filloption.h"
#include "session/facilityforms.h"
#include "ui/mainwindow/eventhook.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <algorithm>

namespace niruka {

QList<QString> toQt(const std::vector<std::string> &lines)
{
    QList<QString> out;
    for (const std::string &s : lines)
        out.append(QString::fromStdString(s));
    return out;
}

QLineEdit *makeField(QWidget *parent, const char *name, int chars)
{
    auto *field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    const QFontMetrics fm(field->font());
    field->setFixedWidth(fm.horizontalAdvance(QLatin1Char('0')) * chars + 12);
    EventHook::installFieldSelection(field);
    return field;
}

QLabel *makeLabel(QWidget *parent, const QString &text, const char *name)
{
    auto *label = new QLabel(text, parent);
    if (name)
        label->setObjectName(QString::fromLatin1(name));
    return label;
}

QLabel *makeTitle(QWidget *parent, const QString &text, const char *name, double scale)
{
    QLabel *title = makeLabel(parent, text, name);
    QFont f = title->font();
    f.setBold(true);
    if (scale != 1.0)
        f.setPointSizeF(f.pointSizeF() * scale);
    title->setFont(f);
    return title;
}

QPushButton *makeButton(QWidget *parent, const QString &text, const char *name)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

OkCancel addOkCancelRow(QWidget *parent, QBoxLayout *layout)
{
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    const OkCancel row{makeButton(parent, QStringLiteral("ＯＫ"), "cmd1"),
                       makeButton(parent, QStringLiteral("キャンセル"), "cmd2")};
    clickOnEnter(row.ok);
    buttons->addWidget(row.ok);
    buttons->addWidget(row.cancel);
    layout->addLayout(buttons);
    return row;
}

QComboBox *makeDepthList(QWidget *parent)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(QStringLiteral("cbo1"));
    list->setEditable(false);
    list->setMaxVisibleItems(15);
    return list;
}

void fillDepthList(QComboBox *list, const QList<QString> &lines, int selected)
{
    list->clear();
    list->addItems(lines);
    list->setCurrentIndex(selected);
}

QListWidget *makeSizeList(QWidget *parent, bool fixedWidth)
{
    auto *sizes = new QListWidget(parent);
    sizes->setObjectName(QStringLiteral("lst_pu"));
    // Sized by the longest text of the catalogue.
    sizes->addItem(QStringLiteral("ヒューム管－φ３０００"));
    const int text = sizes->sizeHintForColumn(0) + 2 * sizes->frameWidth();
    if (fixedWidth)
        sizes->setFixedWidth(text + sizes->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 8);
    else
        sizes->setMinimumWidth(text + 24);
    sizes->setFixedHeight(std::max(16, sizes->sizeHintForRow(0)) * 8 + 2 * sizes->frameWidth());
    sizes->clear();
    return sizes;
}

void showPipeSeries(const PipeSeriesWidgets &w, const QString &title, const PipeSeries &series)
{
    w.title->setText(title);
    w.depthCaption->setText(QString::fromStdString(series.depthListCaption));
    w.sizes->clear();
    for (const PipeSize &s : series.sizes)
        w.sizes->addItem(QString::fromStdString(s.listText));
    w.sizes->setCurrentRow(0);
    w.roughness->setText(QString::fromStdString(series.defaultRoughnessText));
    w.gradient->clear();
    if (series.id == SeriesId::UTrough)
        fillDepthList(w.depth, troughDepthLines(), kTroughFillDefaultPosition);
    else
        fillDepthList(w.depth, circularDepthLines(), kCircularFillDefaultPosition);
}

int addGradientRoughnessRows(QGridLayout *grid, int row, int span, QLineEdit *gradient, QLineEdit *roughness)
{
    QWidget *parent = gradient->parentWidget();
    grid->addWidget(makeLabel(parent, QStringLiteral("施設の勾配 x/1000")), row++, 0, 1, span);
    grid->addWidget(makeLabel(parent, QStringLiteral("x＝")), row, 0, Qt::AlignRight);
    grid->addWidget(gradient, row++, 1);
    grid->addWidget(makeLabel(parent, QStringLiteral("粗度係数")), row++, 0, 1, span);
    grid->addWidget(makeLabel(parent, QStringLiteral("n＝")), row, 0, Qt::AlignRight);
    grid->addWidget(roughness, row++, 1);
    return row;
}

int addMetreRows(QGridLayout *grid, int row, std::initializer_list<std::pair<const char *, QLineEdit *>> rows)
{
    for (const auto &[caption, field] : rows) {
        QWidget *parent = field->parentWidget();
        grid->addWidget(makeLabel(parent, QString::fromUtf8(caption)), row, 0, Qt::AlignRight);
        grid->addWidget(field, row, 1);
        grid->addWidget(makeLabel(parent, QStringLiteral("m")), row++, 2);
    }
    return row;
}

void addVertexRows(QWidget *parent, QGridLayout *grid, Qt::Alignment headAlign, std::array<QLineEdit *, 8> &x,
                   std::array<QLineEdit *, 8> &y)
{
    grid->addWidget(makeLabel(parent, QStringLiteral("Ｘ(m)")), 0, 1, headAlign);
    grid->addWidget(makeLabel(parent, QStringLiteral("Y(m)")), 0, 2, headAlign);
    for (int i = 0; i < 8; ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        const QByteArray xName = "txt_x" + QByteArray::number(i + 1);
        const QByteArray yName = "txt_y" + QByteArray::number(i + 1);
        x[k] = makeField(parent, xName.constData(), 6);
        y[k] = makeField(parent, yName.constData(), 6);
        grid->addWidget(makeLabel(parent, QString::number(i)), i + 1, 0, Qt::AlignRight);
        grid->addWidget(x[k], i + 1, 1);
        grid->addWidget(y[k], i + 1, 2);
    }
    const PolygonForm defaults = polygonDefaults();
    x[0]->setText(defaults.txt_x[0]);
    y[0]->setText(defaults.txt_y[0]);
}

void clickOnEnter(QAbstractButton *button)
{
    QPointer<QAbstractButton> guard(button);
    EventHook::onEnter(button, [guard] {
        if (guard)
            guard->click();
    });
}

void chainEnter(const QList<QWidget *> &chain)
{
    for (qsizetype i = 0; i + 1 < chain.size(); ++i) {
        QPointer<QWidget> next(chain[i + 1]);
        EventHook::onEnter(chain[i], [next] {
            if (next)
                focusSelectingAll(next);
        });
    }
}

} // namespace niruka
