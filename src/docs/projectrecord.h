#pragma once
// What a project file holds: the contents of every design screen (texts, option states, list positions)
// and the two kinds of kept values, not the computed numbers. Field names are the screens' control names.

#include <QString>
#include <array>
#include <optional>

namespace niruka {

struct ConditionsForm {
    QString txt_c, txt_a, txt_i;
    int lst_s = -1;                  // facility kind 0–7, -1 none
    bool opt1 = false, opt2 = false; // Manning, Kutter
    bool opt3 = true, opt4 = false;  // I direct, I from the intensity screen
    bool opt5 = true, opt6 = false;  // C direct, C and A from the runoff screen
    bool opt7 = true, opt8 = false;  // allowance none, allowance on
    QString txt1;                    // allowance rate (％増し)
};

struct PipeForm { // PipeScreen and VelocityPipeScreen; also the U-trough
    int lst_pu = -1;
    QString txt1, txt2; // gradient, roughness
    int cbo1 = -1;
};

struct CircularForm {                // CircularPipeScreen and VelocityCircularScreen
    QString txt_m, txt1, txt2, txt3; // name, diameter, gradient, roughness
    int cbo1 = -1;
};

struct DitchForm {                                     // DitchScreen and VelocityDitchScreen
    QString txt_m, txt1, txt2, txt3, txt4, txt5, txt6; // name, h, b1, b2, b3, gradient, roughness
    int cbo1 = -1;
};

struct PolygonForm {                             // PolygonDitchScreen and VelocityPolygonScreen
    QString txt_m, txt1, txt2, txt3, txt4, txt5; // name, bottom width, top width, height, gradient, roughness
    std::array<QString, 8> txt_x, txt_y;
};

// The facility screens of one record (the design's, or the velocity calculator's).
struct FacilityForms {
    PipeForm pipe;
    CircularForm circular;
    DitchForm ditch;
    PolygonForm polygon;
};

struct ResultForm {
    QString lbl3, lbl6, lbl9, lbl12; // Q1, Q2, V, Amax as displayed
};

struct IntensityForm {
    bool opt1 = false, opt2 = false, opt3 = false, opt4 = false, opt5 = false, opt6 = false;
    QString txt1, txt2, txt3, txt4, txt5, txt6, txt7, txt8, txt9;
    bool Option1 = false, Option2 = false, Option3 = false, Option4 = false;
    bool Option5 = false, Option6 = false, Option7 = false, Option8 = false;
    int chk1 = 0;
    QString lbl1;
};

struct RiverTimeForm {
    bool opt1 = false, opt2 = false;
    QString txt1, txt2;
};

// The numbers the inflow-time calculation keeps after its last run; empty until it has run.
struct KeptInflowNumbers {
    std::optional<double> slopeLength, slopeGradient, retardance;
};

struct InflowTimeForm {
    QString txt1, txt2, txt3;
};

struct RunoffForm {
    std::array<int, 8> chk_k{};
    std::array<int, 7> chk_t{};
    std::array<int, 4> chk_u{};
    std::array<QString, 6> txt_t, txt_c, txt_a;
};

struct VelocityForms {
    double screenGroup = 0;          // 0 none, 1 pipe, 2 ditch, 3 circular pipe, 4 polygon ditch
    bool opt1 = false, opt2 = false; // Manning, Kutter
    int lst_s = -1;
    FacilityForms facility;
};

struct ProjectRecord {
    ConditionsForm conditions;
    FacilityForms facility;
    ResultForm result;
    IntensityForm intensity;
    RiverTimeForm river;
    KeptInflowNumbers kept;
    InflowTimeForm inflow;
    RunoffForm runoff;
    VelocityForms velocity;
};

} // namespace niruka
