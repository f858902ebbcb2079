#pragma once
// The fixed catalogue of drainage facilities: the facility list, the pipe series and U-trough sizes with
// their list texts, report names and inner dimensions. The one source for screens, report and diagram.
// All texts are UTF-8.

#include "engine/types.h"

#include <optional>
#include <string>
#include <vector>

namespace niruka {

enum class SeriesId { Vp = 0, Vu = 1, Frpm = 2, Hume = 3, UTrough = 4 };

struct PipeSize {
    std::string listText;        // as shown in the size list, e.g. "ＶＰ－φ１００"
    std::string reportName;      // stored as the facility name, e.g. "VP - φ100"
    int nominalSize = 0;         // e.g. 100 (mm)
    double innerDimension = 0.0; // m: inner diameter D of a pipe; width = height of a U-trough
};

struct PipeSeries {
    SeriesId id = SeriesId::Vp;
    std::string defaultRoughnessText; // written into the roughness field, e.g. "0.010"
    std::string depthListCaption;     // "有効水深 水量" for pipes, "有効水深" for the U-trough
    std::vector<PipeSize> sizes;      // in list order
};

class PipeCatalogue {
public:
    static const PipeSeries &series(SeriesId id);
    static const std::vector<PipeSeries> &allSeries(); // VP, VU, FRPM, Hume, U-trough

    // nullptr when the position is outside the size list.
    static const PipeSize *size(SeriesId id, int position);

    // The series behind a facility kind; none for the kinds whose dimensions are entered.
    static std::optional<SeriesId> seriesOf(FacilityKind kind) noexcept;
};

inline constexpr int kFacilityKindCount = 8;

// Text of the facility list of the conditions screen, e.g. "排水管  ＶＰ管".
const std::string &facilityListText(FacilityKind kind);
// Title of the pipe screen for the kinds that have a series ("ＶＰ管" ... "Ｕ型トラフ"); empty otherwise.
const std::string &facilityTitle(FacilityKind kind);

} // namespace niruka
