#include "session/facilityforms.h"

#include "engine/catalogue.h"
#include "engine/filloption.h"

namespace niruka {

namespace {

QStringList toStrings(const std::vector<std::string> &lines)
{
    QStringList out;
    out.reserve(qsizetype(lines.size()));
    for (const std::string &s : lines)
        out.append(QString::fromStdString(s));
    return out;
}

const PipeSeries &seriesFor(FacilityKind kind)
{
    return PipeCatalogue::series(PipeCatalogue::seriesOf(kind).value_or(SeriesId::Vp));
}

} // namespace

const QStringList &circularDepthLines()
{
    static const QStringList lines = toStrings(circularFillList());
    return lines;
}

const QStringList &troughDepthLines()
{
    static const QStringList lines = toStrings(troughFillList());
    return lines;
}

const QStringList &ditchDepthLines()
{
    static const QStringList lines = toStrings(ditchFillList());
    return lines;
}

PipeLists pipeLists(FacilityKind kind)
{
    const PipeSeries &series = seriesFor(kind);
    PipeLists lists;
    lists.title = QString::fromStdString(facilityTitle(kind));
    lists.depthCaption = QString::fromStdString(series.depthListCaption);
    for (const PipeSize &s : series.sizes)
        lists.sizes.append(QString::fromStdString(s.listText));
    lists.depths = series.id == SeriesId::UTrough ? troughDepthLines() : circularDepthLines();
    return lists;
}

PipeForm pipeDefaults(FacilityKind kind)
{
    const PipeSeries &series = seriesFor(kind);
    PipeForm form;
    form.lst_pu = series.sizes.empty() ? -1 : 0;
    form.txt2 = QString::fromStdString(series.defaultRoughnessText);
    form.cbo1 = series.id == SeriesId::UTrough ? kTroughFillDefaultPosition : kCircularFillDefaultPosition;
    return form;
}

CircularForm circularDefaults()
{
    CircularForm form;
    form.cbo1 = kCircularFillDefaultPosition;
    return form;
}

DitchForm ditchDefaults()
{
    DitchForm form;
    form.cbo1 = kDitchFillDefaultPosition;
    return form;
}

PolygonForm polygonDefaults()
{
    PolygonForm form;
    form.txt_x[0] = QStringLiteral(" 0");
    form.txt_y[0] = QStringLiteral(" 0");
    return form;
}

PipeEntries pipeEntriesOf(const PipeForm &form, FacilityKind series)
{
    return PipeEntries{series, form.lst_pu, form.txt1, form.txt2, form.cbo1};
}

PipeForm pipeFormOf(const PipeEntries &e)
{
    return PipeForm{e.sizeRow, e.gradient, e.roughness, e.fillRow};
}

CircularEntries circularEntriesOf(const CircularForm &f)
{
    return CircularEntries{f.txt_m, f.txt1, f.txt2, f.txt3, f.cbo1};
}

CircularForm circularFormOf(const CircularEntries &e)
{
    return CircularForm{e.material, e.diameter, e.gradient, e.roughness, e.fillRow};
}

DitchEntries ditchEntriesOf(const DitchForm &f)
{
    return DitchEntries{f.txt_m, f.txt1, f.txt2, f.txt3, f.txt4, f.txt5, f.txt6, f.cbo1};
}

DitchForm ditchFormOf(const DitchEntries &e)
{
    return DitchForm{e.material,   e.height,   e.bottomWidth, e.topWidth,
                     e.slopeWidth, e.gradient, e.roughness,   e.fillRow};
}

PolygonEntries polygonEntriesOf(const PolygonForm &f)
{
    PolygonEntries e;
    e.material = f.txt_m;
    e.bottomWidth = f.txt1;
    e.topWidth = f.txt2;
    e.height = f.txt3;
    e.gradient = f.txt4;
    e.roughness = f.txt5;
    e.x = f.txt_x;
    e.y = f.txt_y;
    return e;
}

PolygonForm polygonFormOf(const PolygonEntries &e)
{
    PolygonForm form;
    form.txt_m = e.material;
    form.txt1 = e.bottomWidth;
    form.txt2 = e.topWidth;
    form.txt3 = e.height;
    form.txt4 = e.gradient;
    form.txt5 = e.roughness;
    form.txt_x = e.x;
    form.txt_y = e.y;
    return form;
}

} // namespace niruka
