// The method translation window's typed fields, once: the name translate.cfg and veltrane-calc
// know each by, its text when nothing is saved, and the bounds leaving it holds it to.
#pragma once

#include <array>

#include "translate/TranslateIds.h"

namespace veltrane::translate {

struct TranslateField {
    const char* name;
    int id;
    const char* start;  // the text of a fresh window
    double low;         // a value at or below it is replaced by lowText
    const char* lowText;
    double high;  // a value above it is replaced by highText
    const char* highText;
    bool mayBeEmpty;  // a ramp's rate: empty ends the program
};

// The inlet pressures are held to the bounds of the unit in force (see InletBounds).
inline constexpr double kInletBound = -1;

inline constexpr std::array kTranslateFields = {
    TranslateField{"length", kOriginal.length, "30.0", 0.01, "0.01", 500, "500", false},
    TranslateField{"diameter", kOriginal.diameter, "0.250", 0.001, "0.001", 3, "3.0", false},
    TranslateField{"film", kOriginal.film, "0.25", 0.001, "0.01", 100, "100", false},
    TranslateField{"outlet", kOriginal.outlet, "101.1", 0.001, "0.1", 2000, "2000", false},
    TranslateField{"inlet", kOriginal.inlet, "", kInletBound, "", 0, "", false},
    TranslateField{"flow", kOriginal.flow, "1.20", -1e-300, "0.00", 200, "200", false},
    TranslateField{"velocity", kOriginal.velocity, "", 0.001, "0.1", 400, "400", false},
    TranslateField{"initial", IDC_INITIAL, "40", -85, "-85", 450, "450", false},
    TranslateField{"initial-hold", IDC_INITIAL_HOLD, "1.00", -1e-300, "0.00", 999, "999", false},
    TranslateField{"rate1", RateId(0), "12.0", -1e-300, "", 100, "100", true},
    TranslateField{"final1", FinalId(0), "280", -85, "-85", 450, "450", false},
    TranslateField{"hold1", HoldId(0), "10.00", -1e-300, "0.00", 999, "999", false},
    TranslateField{"rate2", RateId(1), "", -1e-300, "", 100, "100", true},
    TranslateField{"final2", FinalId(1), "", -85, "-85", 450, "450", true},
    TranslateField{"hold2", HoldId(1), "", -1e-300, "0.00", 999, "999", true},
    TranslateField{"rate3", RateId(2), "", -1e-300, "", 100, "100", true},
    TranslateField{"final3", FinalId(2), "", -85, "-85", 450, "450", true},
    TranslateField{"hold3", HoldId(2), "", -1e-300, "0.00", 999, "999", true},
    TranslateField{"rate4", RateId(3), "", -1e-300, "", 100, "100", true},
    TranslateField{"final4", FinalId(3), "", -85, "-85", 450, "450", true},
    TranslateField{"hold4", HoldId(3), "", -1e-300, "0.00", 999, "999", true},
    TranslateField{"rate5", RateId(4), "", -1e-300, "", 100, "100", true},
    TranslateField{"final5", FinalId(4), "", -85, "-85", 450, "450", true},
    TranslateField{"hold5", HoldId(4), "", -1e-300, "0.00", 999, "999", true},
    TranslateField{"new-length", kNew.length, "20.0", 0.01, "0.01", 500, "500", false},
    TranslateField{"new-diameter", kNew.diameter, "0.180", 0.001, "0.001", 3, "3.0", false},
    TranslateField{"new-film", kNew.film, "0.18", 0.001, "0.01", 100, "100", false},
    TranslateField{"new-outlet", kNew.outlet, "101.1", 0.001, "0.1", 2000, "2000", false},
    TranslateField{"faster", IDC_FASTER, "2", 0.001, "0.01", 100, "100", false},
    TranslateField{"new-inlet", kNew.inlet, "", kInletBound, "", 0, "", false},
    TranslateField{"new-flow", kNew.flow, "", -1e-300, "0.00", 200, "200", false},
    TranslateField{"new-velocity", kNew.velocity, "", 0.001, "0.1", 400, "400", false},
};

// The words a choice of radio buttons is saved and given as.
struct Choice {
    const char* word;
    int id;
};
inline constexpr std::array kControls = {Choice{"pressure", IDC_CONSTANT_PRESSURE},
                                         Choice{"flow", IDC_CONSTANT_FLOW}};
inline constexpr std::array kGoals = {
    Choice{"times", IDC_GOAL_TIMES}, Choice{"faster", IDC_GOAL_FASTER},
    Choice{"optimum", IDC_GOAL_OPTIMUM}, Choice{"set", IDC_GOAL_SET}};

}  // namespace veltrane::translate
