#pragma once
// Building blocks shared by the design screens: named fields sized in characters, labels, Enter chains.

#include <QList>
#include <QString>
#include <array>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

class QAbstractButton;
class QBoxLayout;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

namespace niruka {

struct PipeSeries;

QList<QString> toQt(const std::vector<std::string> &lines);

// A text field named `name`, wide enough for `chars` digits, with the selection behaviour of the design
// screens (whole text selected on entry and on a click).
QLineEdit *makeField(QWidget *parent, const char *name, int chars);
QLabel *makeLabel(QWidget *parent, const QString &text, const char *name = nullptr);
// A bold heading, its font enlarged by `scale`.
QLabel *makeTitle(QWidget *parent, const QString &text, const char *name = nullptr, double scale = 1.2);
// A button that Enter on the focused button does not click by default (the Enter chains decide).
QPushButton *makeButton(QWidget *parent, const QString &text, const char *name);
// The right-aligned row "ＯＫ" (cmd1), "キャンセル" (cmd2) of the auxiliary dialogs, added to `layout`;
// Enter on the focused "ＯＫ" presses it.
struct OkCancel {
    QPushButton *ok;
    QPushButton *cancel;
};
OkCancel addOkCancelRow(QWidget *parent, QBoxLayout *layout);
// A non-editable effective-depth list named "cbo1" filled with `lines`.
QComboBox *makeDepthList(QWidget *parent);
void fillDepthList(QComboBox *list, const QList<QString> &lines, int selected);

// The size list "lst_pu" of the pipe screens: eight rows high and wide enough for the longest size text,
// either exactly (`fixedWidth`) or at least.
QListWidget *makeSizeList(QWidget *parent, bool fixedWidth);
// The widgets of a pipe screen that follow the chosen series.
struct PipeSeriesWidgets {
    QLabel *title;
    QLabel *depthCaption;
    QListWidget *sizes;
    QLineEdit *gradient;
    QLineEdit *roughness;
    QComboBox *depth;
};
// Shows the series: its title and sizes (the first one current), its default roughness, an empty gradient
// and the effective-depth list of a pipe or of the U-trough.
void showPipeSeries(const PipeSeriesWidgets &w, const QString &title, const PipeSeries &series);

// Grid rows "施設の勾配 x/1000" / "x＝" field / "粗度係数" / "n＝" field from `row` on, the captions spanning
// `span` columns. Returns the next free row.
int addGradientRoughnessRows(QGridLayout *grid, int row, int span, QLineEdit *gradient, QLineEdit *roughness);
// One grid row per entry: the caption right-aligned, the field, the unit "m". Returns the next free row.
int addMetreRows(QGridLayout *grid, int row,
                 std::initializer_list<std::pair<const char *, QLineEdit *>> rows);
// The vertex table of the polygon screens: captions "Ｘ(m)" and "Y(m)" aligned by `headAlign`, rows 0 to 7
// of fields "txt_x1".."txt_x8" and "txt_y1".."txt_y8"; the first vertex reads " 0", " 0".
void addVertexRows(QWidget *parent, QGridLayout *grid, Qt::Alignment headAlign, std::array<QLineEdit *, 8> &x,
                   std::array<QLineEdit *, 8> &y);

// Enter in each widget of the chain moves the focus to the next one (a text field gets its text selected).
void chainEnter(const QList<QWidget *> &chain);
// Enter on a focused button clicks it, as the screens' users expect from the end of an Enter chain.
void clickOnEnter(QAbstractButton *button);

} // namespace niruka
