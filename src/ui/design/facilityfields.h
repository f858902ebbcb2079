#pragma once
// The entry fields of the circular-pipe, ditch and polygon ditch screens, shared by the design's screens and
// the velocity calculator's: read as entries for the rules and as a form for the project file, written back
// from a form (a depth row outside the list leaves none chosen). The forms and defaults themselves are
// session/facilityforms'.

#include "docs/projectrecord.h"
#include "session/designworkflow.h"
#include "session/facilityforms.h"

#include <array>

class QComboBox;
class QLineEdit;

namespace niruka {

struct CircularFields {
    QLineEdit *material, *diameter, *gradient, *roughness;
    QComboBox *depth;
};

CircularEntries readCircularEntries(const CircularFields &f);
void writeCircularForm(const CircularFields &f, const CircularForm &form);

struct DitchFields {
    QLineEdit *material, *height, *bottom, *top, *slope, *gradient, *roughness;
    QComboBox *depth;
};

DitchEntries readDitchEntries(const DitchFields &f);
void writeDitchForm(const DitchFields &f, const DitchForm &form);

struct PolygonFields {
    QLineEdit *material, *bottom, *top, *height, *gradient, *roughness;
    std::array<QLineEdit *, 8> x, y;
};

PolygonEntries readPolygonEntries(const PolygonFields &f);
void writePolygonForm(const PolygonFields &f, const PolygonForm &form);

} // namespace niruka
