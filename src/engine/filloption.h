#pragma once
// Effective depths (fill options): their codes, list texts and the circular-section coefficients, and the
// three drop-down lists that offer them (circular pipes, U-trough, U-/trapezoidal ditch).
// A fill code is the water depth in tenths of the height (10, 9.5 ... 7) or the flow area in percent of
// the full circle (95 ... 70).

#include <optional>
#include <string>
#include <vector>

namespace niruka {

struct FillOption {
    std::string listText;        // e.g. "水深８割"
    double fillCode = 0.0;       // e.g. 8
    double areaCoeff = 0.0;      // cA = A / D² of a circular section
    double perimeterCoeff = 0.0; // cP = P / D of a circular section
};

// The 13 options of circular pipes in list order ("満流", depth rows, flow-area rows).
const std::vector<FillOption> &fillOptions();
// The option with this code, or nullptr for an unknown code (compared exactly).
const FillOption *findFillOption(double fillCode) noexcept;
// True for the depth codes 10, 9.5 ... 7 that ditches accept.
bool isDepthFillCode(double fillCode) noexcept;

// Circular pipes: 15 lines, empty separators at positions 1 and 8.
const std::vector<std::string> &circularFillList();
std::optional<double> fillOptionAt(int position) noexcept;
inline constexpr int kCircularFillDefaultPosition = 5; // "水深８割"
inline constexpr const char *kPipeDepthCaption = "有効水深 水量";

// U-trough: 8 lines, empty separator at position 1.
const std::vector<std::string> &troughFillList();
std::optional<double> troughFillOptionAt(int position) noexcept;
inline constexpr int kTroughFillDefaultPosition = 5; // "水深８割"
inline constexpr const char *kTroughDepthCaption = "有効水深";

// U-ditch / trapezoidal ditch: 7 lines, no separator.
const std::vector<std::string> &ditchFillList();
std::optional<double> ditchFillOptionAt(int position) noexcept;
inline constexpr int kDitchFillDefaultPosition = 4;            // " ８割"
inline constexpr const char *kDitchDepthCaption = "有効水深 "; // with a trailing blank

} // namespace niruka
