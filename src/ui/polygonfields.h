#pragma once
// The entry fields of the two polygon ditch screens (the design's and the velocity calculator's): read as
// entries for the rules, and as a form for the project file, written back from a form.

#include "docs/projectrecord.h"
#include "ui/designworkflow.h"

#include <array>

class QLineEdit;

namespace niruka {

struct PolygonFields {
    QLineEdit *material, *bottom, *top, *height, *gradient, *roughness;
    std::array<QLineEdit *, 8> x, y;
};

PolygonEntries readPolygonEntries(const PolygonFields &f);
PolygonForm polygonFormOf(const PolygonEntries &e);
void writePolygonForm(const PolygonFields &f, const PolygonForm &form);

} // namespace niruka
