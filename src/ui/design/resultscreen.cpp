#include "ui/design/resultscreen.h"

#include "ui/mainwindow/screenparts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

namespace niruka {

ResultScreen::ResultScreen(const ResultView &view, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ResultScreen"));
    setWindowTitle(QStringLiteral("計算結果"));

    auto *title = makeTitle(this, QStringLiteral("★　計 算 結 果"), "Label1", 1.0);

    auto value = [this](const QString &text, const char *name) {
        QLabel *l = makeLabel(this, text, name);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return l;
    };
    QLabel *q2 = value(view.q2, "lbl6");
    if (view.exceeds)
        q2->setStyleSheet(QStringLiteral("QLabel { color: rgb(255, 0, 255); }"));

    // Left column: planned volume over facility flow. Right column: largest area over velocity.
    auto *g = new QGridLayout;
    g->setHorizontalSpacing(2);
    g->setVerticalSpacing(2);
    g->addWidget(makeLabel(this, QStringLiteral("◎計画雨水量")), 0, 0, 1, 5);
    g->addWidget(value(view.factor, "lbl1"), 1, 0);
    g->addWidget(makeLabel(this, view.times, "lbl2"), 1, 1);
    g->addWidget(makeLabel(this, QStringLiteral("Ｑ1=")), 1, 2);
    g->addWidget(value(view.q1, "lbl3"), 1, 3);
    g->addWidget(makeLabel(this, QStringLiteral("m3/sec")), 1, 4);
    g->addWidget(makeLabel(this, QStringLiteral("◎流　　  量")), 2, 0, 1, 5);
    g->addWidget(makeLabel(this, QStringLiteral("Ｑ2=")), 3, 2);
    g->addWidget(q2, 3, 3);
    g->addWidget(makeLabel(this, QStringLiteral("m3/sec")), 3, 4);
    g->setColumnMinimumWidth(5, 10);
    g->addWidget(makeLabel(this, QStringLiteral("◇最大流域面積")), 0, 6, 1, 3);
    g->addWidget(makeLabel(this, QStringLiteral("Amax=")), 1, 6);
    g->addWidget(value(view.amax, "lbl12"), 1, 7);
    g->addWidget(makeLabel(this, QStringLiteral("m2")), 1, 8);
    g->addWidget(makeLabel(this, QStringLiteral("○流　  　速")), 2, 6, 1, 3);
    g->addWidget(makeLabel(this, QStringLiteral("Ｖ=")), 3, 6);
    g->addWidget(value(view.velocity, "lbl9"), 3, 7);
    g->addWidget(makeLabel(this, QStringLiteral("m/sec")), 3, 8);
    // Room for the usual magnitudes; larger numbers widen the screen.
    const int digits = fontMetrics().horizontalAdvance(QStringLiteral("000000.00"));
    g->setColumnMinimumWidth(3, fontMetrics().horizontalAdvance(QStringLiteral("00.0000")));
    g->setColumnMinimumWidth(7, digits);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(title, 0, Qt::AlignTop);
    layout->addSpacing(8);
    layout->addLayout(g);
    layout->addStretch();
}

ResultForm ResultScreen::form() const
{
    return ResultForm{valueLabel("lbl3")->text(), valueLabel("lbl6")->text(), valueLabel("lbl9")->text(),
                      valueLabel("lbl12")->text()};
}

void ResultScreen::setForm(const ResultForm &f)
{
    valueLabel("lbl3")->setText(f.lbl3);
    valueLabel("lbl6")->setText(f.lbl6);
    valueLabel("lbl9")->setText(f.lbl9);
    valueLabel("lbl12")->setText(f.lbl12);
}

QLabel *ResultScreen::valueLabel(const char *name) const
{
    return findChild<QLabel *>(QString::fromLatin1(name));
}

} // namespace niruka
