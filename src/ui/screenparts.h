#pragma once
// Building blocks shared by the design screens: named fields sized in characters, labels, Enter chains.

#include <QList>
#include <QString>

class QAbstractButton;
class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace niruka {

// A text field named `name`, wide enough for `chars` digits, with the selection behaviour of the design
// screens (whole text selected on entry and on a click).
QLineEdit *makeField(QWidget *parent, const char *name, int chars);
QLabel *makeLabel(QWidget *parent, const QString &text, const char *name = nullptr);
// A non-editable effective-depth list named "cbo1" filled with `lines`.
QComboBox *makeDepthList(QWidget *parent);
void fillDepthList(QComboBox *list, const QList<QString> &lines, int selected);

// Enter in each widget of the chain moves the focus to the next one (a text field gets its text selected).
void chainEnter(const QList<QWidget *> &chain);
// Enter on a focused button clicks it, as the screens' users expect from the end of an Enter chain.
void clickOnEnter(QAbstractButton *button);

} // namespace niruka
