#include "engine/catalogue.h"

#include <array>
#include <cstddef>
#include <initializer_list>

namespace niruka {

namespace {

// "150" -> "１５０": the list texts spell the nominal size in full-width digits.
std::string fullWidthDigits(int value)
{
    std::string ascii = std::to_string(value);
    std::string out;
    for (char ch : ascii) {
        // U+FF10 + digit, UTF-8 EF BC 90..99.
        out += '\xEF';
        out += '\xBC';
        out += static_cast<char>(0x90 + (ch - '0'));
    }
    return out;
}

struct SizeRow {
    int nominal;
    double inner;
};

PipeSeries makeSeries(SeriesId id, const char *roughness, const char *caption, const char *listPrefix,
                      const char *reportPrefix, const std::vector<SizeRow> &rows, bool trough = false)
{
    PipeSeries s;
    s.id = id;
    s.defaultRoughnessText = roughness;
    s.depthListCaption = caption;
    for (const SizeRow &r : rows) {
        PipeSize size;
        size.nominalSize = r.nominal;
        size.innerDimension = r.inner;
        size.listText = std::string(listPrefix) + fullWidthDigits(r.nominal);
        size.reportName = std::string(reportPrefix) + std::to_string(r.nominal);
        if (trough)
            size.reportName += " X " + std::to_string(r.nominal);
        s.sizes.push_back(std::move(size));
    }
    return s;
}

// Series whose inner diameter is the nominal size itself.
PipeSeries makeNominalSeries(SeriesId id, const char *roughness, const char *listPrefix,
                             const char *reportPrefix, std::initializer_list<int> sizes)
{
    std::vector<SizeRow> rows;
    for (int n : sizes)
        rows.push_back({n, n / 1000.0});
    return makeSeries(id, roughness, "有効水深 水量", listPrefix, reportPrefix, rows);
}

std::vector<PipeSeries> buildCatalogue()
{
    std::vector<PipeSeries> all;
    all.push_back(makeSeries(SeriesId::Vp, "0.010", "有効水深 水量", "ＶＰ－φ", "VP - φ",
                             {{65, 0.0678},
                              {75, 0.078},
                              {100, 0.1008},
                              {125, 0.126},
                              {150, 0.1472},
                              {200, 0.1954},
                              {250, 0.2416},
                              {300, 0.2878}}));
    all.push_back(makeSeries(SeriesId::Vu, "0.010", "有効水深 水量", "ＶＵ－φ", "VU - φ",
                             {{65, 0.0716},
                              {75, 0.0836},
                              {100, 0.1078},
                              {125, 0.1318},
                              {150, 0.1548},
                              {200, 0.203},
                              {250, 0.2514},
                              {300, 0.2996},
                              {350, 0.349},
                              {400, 0.3964},
                              {450, 0.4436},
                              {500, 0.4908},
                              {600, 0.5944}}));
    all.push_back(makeNominalSeries(SeriesId::Frpm, "0.010", "ＦＲＰＭ管－φ", "強化プラスチック複合管 φ",
                                    {200, 250, 300, 350, 400, 450, 500, 600, 700, 800, 900, 1000, 1100, 1200,
                                     1350, 1500, 1650, 1800, 2000}));
    all.push_back(
        makeNominalSeries(SeriesId::Hume, "0.013", "ヒューム管－φ", "ﾋｭｰﾑ管 φ",
                          {150,  200,  250,  300,  350,  400,  450,  500,  600,  700,  800,  900, 1000,
                           1100, 1200, 1350, 1500, 1650, 1800, 2000, 2200, 2400, 2600, 2800, 3000}));
    all.push_back(makeSeries(
        SeriesId::UTrough, "0.013", "有効水深", "Ｕ－", "U - ",
        {{150, 0.15}, {180, 0.18}, {240, 0.24}, {300, 0.3}, {360, 0.36}, {450, 0.45}, {600, 0.6}}, true));
    return all;
}

struct KindTexts {
    std::string listText;
    std::string title;
};

const std::array<KindTexts, kFacilityKindCount> &kindTexts()
{
    static const std::array<KindTexts, kFacilityKindCount> texts{{
        {"排水管  ＶＰ管", "ＶＰ管"},
        {"        ＶＵ管", "ＶＵ管"},
        {"        強化プラスチック複合管", "強化プラスチック複合管"},
        {"        ヒューム管", "ヒューム管"},
        {"        その他円形管", ""},
        {"排水溝  Ｕ型トラフ", "Ｕ型トラフ"},
        {"        Ｕ型溝 台形溝", ""},
        {"        その他排水溝", ""},
    }};
    return texts;
}

std::size_t kindIndex(FacilityKind kind)
{
    const auto i = static_cast<std::size_t>(kind);
    return i < kFacilityKindCount ? i : 0;
}

} // namespace

const std::vector<PipeSeries> &PipeCatalogue::allSeries()
{
    static const std::vector<PipeSeries> catalogue = buildCatalogue();
    return catalogue;
}

const PipeSeries &PipeCatalogue::series(SeriesId id)
{
    const auto &all = allSeries();
    const auto i = static_cast<std::size_t>(id);
    return all[i < all.size() ? i : 0];
}

const PipeSize *PipeCatalogue::size(SeriesId id, int position)
{
    const PipeSeries &s = series(id);
    if (position < 0 || static_cast<std::size_t>(position) >= s.sizes.size())
        return nullptr;
    return &s.sizes[static_cast<std::size_t>(position)];
}

std::optional<SeriesId> PipeCatalogue::seriesOf(FacilityKind kind) noexcept
{
    switch (kind) {
    case FacilityKind::VpPipe:
        return SeriesId::Vp;
    case FacilityKind::VuPipe:
        return SeriesId::Vu;
    case FacilityKind::FrpmPipe:
        return SeriesId::Frpm;
    case FacilityKind::HumePipe:
        return SeriesId::Hume;
    case FacilityKind::UTrough:
        return SeriesId::UTrough;
    case FacilityKind::OtherCircular:
    case FacilityKind::Ditch:
    case FacilityKind::Polygon:
        break;
    }
    return std::nullopt;
}

const std::string &facilityListText(FacilityKind kind)
{
    return kindTexts()[kindIndex(kind)].listText;
}

const std::string &facilityTitle(FacilityKind kind)
{
    return kindTexts()[kindIndex(kind)].title;
}

} // namespace niruka
