// The predicted chromatogram window's typed fields, once: the name chromatogram.cfg and
// veltrane-calc know each by, its text when nothing is saved, and the bounds leaving it holds
// it to.
#pragma once

#include <array>

#include "chromatogram/ChromatogramIds.h"

namespace veltrane::chromatogram {

struct ChromatogramField {
    const char* name;
    int id;
    const char* start;  // the text of a fresh window
    double low;         // a value at or below it is replaced by lowText
    const char* lowText;
    double high;  // a value above it is replaced by highText
    const char* highText;
    bool mayBeEmpty;  // a ramp's fields and the ramps' inlets
    bool pressure;    // a gauge inlet pressure in the unit in force
};

inline constexpr std::array kChromatogramFields = {
    ChromatogramField{"length", IDC_LENGTH, "30.0", 0.01, "0.01", 500, "500", false, false},
    ChromatogramField{"diameter", IDC_DIAMETER, "0.250", 0.001, "0.001", 3, "3.0", false, false},
    ChromatogramField{"film", IDC_FILM, "0.25", 0.001, "0.01", 100, "100", false, false},
    ChromatogramField{"outlet", IDC_OUTLET, "101.1", 0.001, "0.1", 2000, "2000", false, false},
    ChromatogramField{"inlet", IDC_INLET, "172.4", 0, "0.0", 0, "", false, true},
    ChromatogramField{"flow", IDC_FLOW, "1.20", 0.001, "0.01", 200, "200", false, false},
    ChromatogramField{"initial", IDC_INITIAL, "40", -85, "-85", 450, "450", false, false},
    ChromatogramField{"initial-hold", IDC_INITIAL_HOLD, "1.00", -1e-300, "0.00", 999, "999", false,
                      false},
    ChromatogramField{"rate1", RateId(0), "10.0", -1e-300, "", 100, "100", true, false},
    ChromatogramField{"final1", FinalId(0), "300", -85, "-85", 450, "450", true, false},
    ChromatogramField{"hold1", HoldId(0), "5.00", -1e-300, "0.00", 999, "999", true, false},
    ChromatogramField{"inlet1", InletId(0), "", 0, "0.0", 0, "", true, true},
    ChromatogramField{"rate2", RateId(1), "", -1e-300, "", 100, "100", true, false},
    ChromatogramField{"final2", FinalId(1), "", -85, "-85", 450, "450", true, false},
    ChromatogramField{"hold2", HoldId(1), "", -1e-300, "0.00", 999, "999", true, false},
    ChromatogramField{"inlet2", InletId(1), "", 0, "0.0", 0, "", true, true},
    ChromatogramField{"rate3", RateId(2), "", -1e-300, "", 100, "100", true, false},
    ChromatogramField{"final3", FinalId(2), "", -85, "-85", 450, "450", true, false},
    ChromatogramField{"hold3", HoldId(2), "", -1e-300, "0.00", 999, "999", true, false},
    ChromatogramField{"inlet3", InletId(2), "", 0, "0.0", 0, "", true, true},
    ChromatogramField{"rate4", RateId(3), "", -1e-300, "", 100, "100", true, false},
    ChromatogramField{"final4", FinalId(3), "", -85, "-85", 450, "450", true, false},
    ChromatogramField{"hold4", HoldId(3), "", -1e-300, "0.00", 999, "999", true, false},
    ChromatogramField{"inlet4", InletId(3), "", 0, "0.0", 0, "", true, true},
    ChromatogramField{"rate5", RateId(4), "", -1e-300, "", 100, "100", true, false},
    ChromatogramField{"final5", FinalId(4), "", -85, "-85", 450, "450", true, false},
    ChromatogramField{"hold5", HoldId(4), "", -1e-300, "0.00", 999, "999", true, false},
    ChromatogramField{"inlet5", InletId(4), "", 0, "0.0", 0, "", true, true},
};

// The words the carrier's control is saved and given as.
struct ControlChoice {
    const char* word;
    int id;
};
inline constexpr std::array kControls = {ControlChoice{"pressure", IDC_CONSTANT_PRESSURE},
                                         ControlChoice{"flow", IDC_CONSTANT_FLOW},
                                         ControlChoice{"program", IDC_PRESSURE_PROGRAM}};

}  // namespace veltrane::chromatogram
