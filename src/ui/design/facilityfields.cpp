#include "ui/design/facilityfields.h"

#include <QComboBox>
#include <QLineEdit>

namespace niruka {

namespace {

void setDepthRow(QComboBox *depth, int row)
{
    depth->setCurrentIndex(clampedRow(row, depth->count()));
}

} // namespace

CircularEntries readCircularEntries(const CircularFields &f)
{
    return CircularEntries{f.material->text(), f.diameter->text(), f.gradient->text(), f.roughness->text(),
                           f.depth->currentIndex()};
}

void writeCircularForm(const CircularFields &f, const CircularForm &form)
{
    f.material->setText(form.txt_m);
    f.diameter->setText(form.txt1);
    f.gradient->setText(form.txt2);
    f.roughness->setText(form.txt3);
    setDepthRow(f.depth, form.cbo1);
}

DitchEntries readDitchEntries(const DitchFields &f)
{
    return DitchEntries{f.material->text(), f.height->text(),   f.bottom->text(),    f.top->text(),
                        f.slope->text(),    f.gradient->text(), f.roughness->text(), f.depth->currentIndex()};
}

void writeDitchForm(const DitchFields &f, const DitchForm &form)
{
    f.material->setText(form.txt_m);
    f.height->setText(form.txt1);
    f.bottom->setText(form.txt2);
    f.top->setText(form.txt3);
    f.slope->setText(form.txt4);
    f.gradient->setText(form.txt5);
    f.roughness->setText(form.txt6);
    setDepthRow(f.depth, form.cbo1);
}

PolygonEntries readPolygonEntries(const PolygonFields &f)
{
    PolygonEntries e;
    e.material = f.material->text();
    e.bottomWidth = f.bottom->text();
    e.topWidth = f.top->text();
    e.height = f.height->text();
    e.gradient = f.gradient->text();
    e.roughness = f.roughness->text();
    for (std::size_t i = 0; i < 8; ++i) {
        e.x[i] = f.x[i]->text();
        e.y[i] = f.y[i]->text();
    }
    return e;
}

void writePolygonForm(const PolygonFields &f, const PolygonForm &form)
{
    f.material->setText(form.txt_m);
    f.bottom->setText(form.txt1);
    f.top->setText(form.txt2);
    f.height->setText(form.txt3);
    f.gradient->setText(form.txt4);
    f.roughness->setText(form.txt5);
    for (std::size_t i = 0; i < 8; ++i) {
        f.x[i]->setText(form.txt_x[i]);
        f.y[i]->setText(form.txt_y[i]);
    }
}

} // namespace niruka
