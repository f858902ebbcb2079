#pragma once
// The pipe groups of the relation diagram: the 13 lines of the family list (three of them empty
// separators), and for each group its title, sizes, colours, y divisor and y-axis label set.

#include "engine/catalogue.h"

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace niruka {

enum class LabelSet { A, B, C, D, E };

struct CurveFamily {
    int position = 0;     // position in the family list
    const char *listText; // e.g. "ＶＰ管φ65-300"
    const char *title;    // printed above the plot area
    SeriesId series;      // catalogue series of its sizes
    int firstSize = 0;    // position of its smallest size in the series
    int sizeCount = 0;    // consecutive sizes from firstSize
    double divisor = 1.0; // y divisor of the curve values
    LabelSet labelSet;    // texts beside the y axis
    double titleX = 0.0;  // page x of the title
};

inline constexpr int kFamilyListSize = 13;
inline constexpr int kDefaultFamilyPosition = 0;

// The 13 lines of the family list, separators empty.
const QStringList &familyListTexts();
// The family at a list position; nullptr for a separator or a position outside the list.
const CurveFamily *curveFamilyAt(int position) noexcept;
// The ten families in list order.
const std::vector<CurveFamily> &curveFamilies();

// One size of a family, smallest first.
struct FamilySize {
    int nominalSize = 0;        // mm, e.g. 300
    double innerDiameter = 0.0; // m, from the catalogue
    int colour = 0;             // palette number
};
std::vector<FamilySize> familySizes(const CurveFamily &family);

// Palette numbers of the sizes of a family of `count` sizes, smallest first: 0, 1, … 6, 8 for eight,
// 1, 2, … for fewer, with 8 in place of 7 (7 is never used).
std::vector<int> sizeColours(int count);

// The ten texts beside the y axis, bottom (y = −5) to top (y = −50).
QStringList labelTexts(LabelSet set);

// The default roughness a family puts into the n field: "0.01" for the plastic pipes, "0.013" for the
// Hume pipes; empty for a separator.
QString familyDefaultRoughness(int position);

// The effective-depth texts of the settings legend, by position of the 15-line depth list (separators
// empty). They differ from the list texts in their digits ("水深9.5割", "水量95％").
const QStringList &depthLegendTexts();

// The row levels (page y) of the size legend's left and right columns for a family of `count` sizes;
// each column runs from its largest size down.
struct LegendRows {
    std::vector<double> left;
    std::vector<double> right;
};
LegendRows legendRows(int count);

} // namespace niruka
