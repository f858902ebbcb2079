#include "ui/screenparts.h"

#include "ui/eventhook.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>

namespace niruka {

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
