#pragma once
// The rules of the design screens without widgets: what "計算" copies into the design, what it refuses and
// in which order, the section it computes and the check it runs, and the texts the result screen shows.
// The screens collect their field texts into the entry records below and show what comes back.

#include "engine/types.h"
#include "model/designcase.h"

#include <QList>
#include <QPoint>
#include <QString>
#include <array>
#include <optional>

namespace niruka {

// Status-bar notes of the design screens.
QString conditionsHint();    // conditions screen fields (half-width final stop)
QString facilityHint();      // facility screen fields and lists (full-width final stop)
QString ditchDepthHint();    // the effective-depth list of the ditch screen
QString noResultStartHint(); // the main window at start
QString notAvailableYet();   // a command whose action has not arrived yet
// The verdict in the status bar: the facility carries Q1 (check V), or Q1 exceeds Q2.
QString verdictOkHint();
QString verdictExceedsHint();
QString verdictExceedsWithAllowanceHint(); // k·Q1 exceeds Q2
// True for each of the three verdict messages.
bool isVerdictText(const QString &status);

// Where a refusal puts the focus: a control of the conditions screen or of the facility screen that
// pressed "計算", by its control name.
enum class FieldOwner { Conditions, Facility };

struct FocusTarget {
    FieldOwner owner = FieldOwner::Conditions;
    QString name;
    bool operator==(const FocusTarget &) const = default;
};

struct Refusal {
    QString message;
    FocusTarget focus;
};

// The conditions screen at the moment "計算" is pressed.
struct ConditionsEntries {
    QString c, a, i;
    bool allowanceOn = false; // "有り" chosen
    QString allowanceRate;    // txt1, "％増し"
    std::optional<FacilityKind> kind;
    std::optional<VelocityFormula> formula;
    bool runoffWeighted = false;    // opt6: C and A from the weighted average of the runoff screen
    bool intensityComputed = false; // opt4: I from the intensity screen
};

struct PipeEntries {                          // also the U-trough
    FacilityKind kind = FacilityKind::VpPipe; // the series the screen was filled with
    int sizeRow = -1;                         // lst_pu
    QString gradient;                         // txt1
    QString roughness;                        // txt2
    int fillRow = -1;                         // cbo1
};

struct CircularEntries {
    QString material, diameter, gradient, roughness; // txt_m, txt1, txt2, txt3
    int fillRow = -1;                                // cbo1
};

struct DitchEntries {
    QString material, height, bottomWidth, topWidth, slopeWidth, gradient, roughness; // txt_m, txt1 … txt6
    int fillRow = -1;                                                                 // cbo1
};

struct PolygonEntries {
    QString material, bottomWidth, topWidth, height, gradient, roughness; // txt_m, txt1 … txt5
    std::array<QString, 8> x, y; // txt_x1 … txt_x8, txt_y1 … txt_y8
};

// "計算" of each facility screen: copies the entries into the design, runs the validation in its order
// (then the refusals of negative and meaningless entries), computes the section and runs the capacity
// check, storing everything in the design. Returns the first refusal, or nothing when the result screen
// may open.
std::optional<Refusal> calculatePipe(DesignCase &design, const ConditionsEntries &cond, const PipeEntries &e);
std::optional<Refusal> calculateCircular(DesignCase &design, const ConditionsEntries &cond,
                                         const CircularEntries &e);
std::optional<Refusal> calculateDitch(DesignCase &design, const ConditionsEntries &cond,
                                      const DitchEntries &e);
std::optional<Refusal> calculatePolygon(DesignCase &design, const ConditionsEntries &cond,
                                        const PolygonEntries &e);

// The texts of the result screen for the check stored in the design.
struct ResultView {
    QString factor;       // "1.25" with the allowance, empty without
    QString times;        // "×" with the allowance, empty without
    QString q1;           // Q1 (× k) in "0.0000"
    QString q2;           // Q2 in "0.0000"
    QString amax;         // 10⁴ × Amax (/ k) in "0.00"
    QString velocity;     // V in "0.0000"
    bool exceeds = false; // Q1 × k > Q2: Q2 in light magenta and a beep
    QString status;       // the verdict message for the status bar
};

ResultView resultViewOf(const DesignCase &design);

// The sketch of the polygon ditch: points of vertices 0 … count−1 in pixels of the sketch area, scaled by
// 100 over the largest of all sixteen coordinates. Empty when that largest value is not positive.
QList<QPoint> polygonSketchPoints(const std::array<double, 8> &x, const std::array<double, 8> &y, int count);

} // namespace niruka
