#pragma once
// Rules of the weighted runoff coefficient calculator, without widgets: the nineteen land-use
// choices, the toggle that writes a choice into the first free row, the check of row ① and the
// weighted average handed back to the conditions screen as formatted text.

#include <QString>
#include <array>
#include <optional>

namespace niruka {

// One land-use check box: its control name, the caption beside it, the text it writes into a
// row (differs from the caption in four entries) and the reference coefficient shown only.
struct LandUseChoice {
    const char *objectName;
    QString caption;
    QString rowText;
    QString reference;
    int table; // 0 left, 1 middle, 2 right
};

inline constexpr int kLandUseChoiceCount = 19;
inline constexpr int kRunoffRowCount = 6;

const std::array<LandUseChoice, kLandUseChoiceCount> &landUseChoices();

// The three texts of one row ① … ⑥ as typed.
struct RunoffRowTexts {
    QString name;
    QString coeff;
    QString area;
};
using RunoffRows = std::array<RunoffRowTexts, kRunoffRowCount>;

// Applies the toggle of a land-use box: checked writes rowText into the first row with an empty
// name; unchecked empties the first row whose name equals rowText. Returns the row changed, or
// std::nullopt when nothing changed (no free row, no matching row).
std::optional<int> toggleLandUse(RunoffRows &rows, const QString &rowText, bool checked);

enum class RunoffField { Name, Coeff, Area };

struct RunoffRefusal {
    QString message;
    int row = 0;
    RunoffField field = RunoffField::Name;
};

struct RunoffOutcome {
    std::optional<RunoffRefusal> refusal;
    double coeff = 0.0; // C, unrounded
    double area = 0.0;  // A in m², unrounded
    QString coeffText;  // C as the conditions screen shows it
    QString areaText;   // A as the conditions screen shows it
};

// The numbers of the six rows (leading-number parse of each text).
struct RunoffNumbers {
    std::array<double, kRunoffRowCount> coeff{};
    std::array<double, kRunoffRowCount> area{};
};
RunoffNumbers readRunoffNumbers(const RunoffRows &rows);

// Validates row ① and computes the weighted average over all six rows.
RunoffOutcome confirmRunoff(const RunoffRows &rows);

// Status texts of the runoff screen.
QString runoffOpenStatusText();
QString runoffConfirmStatusText();
QString runoffCancelStatusText();

} // namespace niruka
