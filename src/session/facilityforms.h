#pragma once
// The facility screens as data: what each kind's screen shows when it opens (title, lists, defaults), the
// entries the rules read from a form and the form the project file stores, and the row a list keeps when
// a stored row is outside it.

#include "docs/projectrecord.h"
#include "engine/types.h"
#include "session/designworkflow.h"

#include <QString>
#include <QStringList>

namespace niruka {

// What a pipe screen filled with a series shows besides its entries.
struct PipeLists {
    QString title;        // the kind's heading ("ＶＰ管" …)
    QString depthCaption; // "有効水深 水量" for the pipes, "有効水深" for the U-trough
    QStringList sizes;    // the size list lst_pu
    QStringList depths;   // the effective-depth list cbo1
};

// The series behind `kind`; a kind without a series shows the VP pipe's.
PipeLists pipeLists(FacilityKind kind);
// The first size chosen, an empty gradient, the series' roughness text and "水深８割".
PipeForm pipeDefaults(FacilityKind kind);

// The effective-depth lists: of a circular pipe (also the catalogue pipes), of the U-trough and of a ditch.
const QStringList &circularDepthLines();
const QStringList &troughDepthLines();
const QStringList &ditchDepthLines();

CircularForm circularDefaults(); // empty texts, "水深８割"
DitchForm ditchDefaults();       // empty texts, " ８割"
PolygonForm polygonDefaults();   // the first vertex at " 0", " 0"

// The row a list or a combo box shows after `row` is set on it: none when outside its `count` rows.
constexpr int clampedRow(int row, int count) noexcept
{
    return row >= 0 && row < count ? row : -1;
}

// The project file's form and the rules' entries of the same screen.
PipeEntries pipeEntriesOf(const PipeForm &form, FacilityKind series);
PipeForm pipeFormOf(const PipeEntries &entries);
CircularEntries circularEntriesOf(const CircularForm &form);
CircularForm circularFormOf(const CircularEntries &entries);
DitchEntries ditchEntriesOf(const DitchForm &form);
DitchForm ditchFormOf(const DitchEntries &entries);
PolygonEntries polygonEntriesOf(const PolygonForm &form);
PolygonForm polygonFormOf(const PolygonEntries &entries);

} // namespace niruka
