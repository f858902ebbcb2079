#pragma once
// Rules of the rainfall intensity screen without widgets: what each choice shows, hides and empties,
// the fourteen checks of "ＯＫ" in their order, Keisan_1 (time of concentration) and Keisan_2 (I),
// and the hand-back of I as the conditions screen shows it.

#include "docs/projectrecord.h"
#include "model/designcase.h"

#include <QString>
#include <optional>

namespace niruka {

// Fields and options of the screen that a rule can name.
enum class IntensityFocus {
    None,
    Ok,      // "ＯＫ"
    A,       // txt1
    B,       // txt2
    T1,      // txt3
    L,       // txt4
    V,       // txt5
    C,       // txt6
    D,       // txt7
    T,       // txt8
    T2,      // txt9
    TDirect, // Option3
    AssumeV, // Option7
};

// The whole state of the screen: the saved texts and options plus what is shown and framed.
struct IntensityState {
    IntensityForm form;
    bool cdVisible = false;       // c, d with their labels (formulas ⑤ and ⑥)
    bool tLineVisible = false;    // "t=", the t field and "min"
    bool t1GroupVisible = false;  // inflow time group
    bool t2GroupVisible = false;  // flow time group
    bool velocityVisible = false; // "流　速" with its options, V field and hint
    bool lengthVisible = false;   // "排水施設延長距離 " "L=" the L field "m"
    bool figureVisible = true;    // the t2 = L/(60・V) figure
    bool sourceVisible = false;   // lbl1, the source line of the river formulas
    bool riverButtonVisible = false;
    bool tFramed = true, t1Framed = true, t2Framed = true, vFramed = true;
};

// What a rule asks of the screen beyond the state change.
struct IntensityEffect {
    IntensityFocus focus = IntensityFocus::None;
    bool selectAll = false;     // select the whole text of the focused field
    bool discardInflow = false; // InflowTimeScreen is discarded
    bool discardRiver = false;  // RiverTimeScreen is discarded
};

// 1–6 for ①–⑥ from the option flags (opt1 ①, opt4 ②, opt2 ③, opt3 ④, opt5 ⑤, opt6 ⑥); 0 for none.
int chosenFormula(const IntensityForm &form);

class IntensityRules {
public:
    static IntensityEffect chooseFormula(IntensityState &s, int formula);
    static IntensityEffect chooseTDirect(IntensityState &s);
    static IntensityEffect chooseTComputed(IntensityState &s);
    static IntensityEffect chooseT1Direct(IntensityState &s);
    static IntensityEffect chooseT2Direct(IntensityState &s);
    static IntensityEffect chooseT2Computed(IntensityState &s);
    static IntensityEffect setRiverCourse(IntensityState &s, bool checked);
    static IntensityEffect chooseAssumedVelocity(IntensityState &s);
    // The inflow time screen hands back t1 (already formatted "0.0#").
    static void acceptInflowTime(IntensityState &s, const QString &t1Text);
    // The velocity calculator hands back V (already formatted "0.00##").
    static void acceptVelocity(IntensityState &s, const QString &velocityText);
    // The river time screen was cancelled: back to t2 by L/(60・V).
    static IntensityEffect riverCancelled(IntensityState &s);
    // Shown by the conditions screen: visibility follows the options kept from before.
    static IntensityEffect prepareOpening(IntensityState &s);
};

enum class IntensityFollowUp {
    None,
    SelectFormula1, // check 1: formula ① becomes selected
    OpenRiverScreen // check 14, or a river input without a defined flow time
};

struct IntensityRefusal {
    QString message;
    IntensityFocus focus = IntensityFocus::None;
    bool caretAtStart = false;
    IntensityFollowUp followUp = IntensityFollowUp::None;
};

// The fourteen checks of "ＯＫ" in order; the first failure, or nothing.
std::optional<IntensityRefusal> validateIntensity(const IntensityState &s, const RiverTimeForm &river);

struct IntensityOutcome {
    std::optional<IntensityRefusal> refusal;
    double intensity = 0.0;
    QString intensityText; // I as the conditions screen shows it ("0.0")
};

// Keisan_1 and Keisan_2 on validated input: stores a, b, c, d, the times, L, V, the river inputs and I
// (all unrounded) into `in`, or refuses where a formula has no defined value. On a refusal `in` keeps
// the numbers read so far but not I.
IntensityOutcome computeIntensity(const IntensityState &s, const RiverTimeForm &river, IntensityInputs &in);

QString intensityStatusText();     // while the screen is open, and after the velocity calculator
QString intensityDoneStatusText(); // after "ＯＫ" or "キャンセル"
QString riverSourceText();         // the source line of the river-course formulas

} // namespace niruka
