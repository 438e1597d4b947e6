// The control ids of the predicted chromatogram window.
#pragma once

#include "data/OutletMode.h"
#include "resources/ResourceIds.h"

namespace veltrane::chromatogram {

// The column.
constexpr int IDC_GAS_LIST = 1401, IDC_LENGTH = 1402, IDC_DIAMETER = 1403, IDC_FILM = 1404;
constexpr int IDC_OUTLET_ATM = 1405, IDC_OUTLET_VAC = 1406, IDC_OUTLET_OTHER = 1407,
              IDC_OUTLET = 1408;

// The carrier: how the inlet is held, and its pressure or the outlet flow.
constexpr int IDC_CONSTANT_PRESSURE = 1410, IDC_CONSTANT_FLOW = 1411, IDC_PRESSURE_PROGRAM = 1412;
constexpr int IDC_INLET = 1413, IDC_FLOW = 1414;

using res::IDC_UNIT_BAR;
using res::IDC_UNIT_KPA;
using res::IDC_UNIT_PSI;

// The oven program, and under a pressure program the inlet at the end of each ramp.
constexpr int kRamps = 5;
constexpr int IDC_INITIAL = 1420, IDC_INITIAL_HOLD = 1421;
constexpr int RateId(int ramp) {
    return 1430 + ramp;
}  // ramp 0 to 4
constexpr int FinalId(int ramp) {
    return 1440 + ramp;
}
constexpr int HoldId(int ramp) {
    return 1450 + ramp;
}
constexpr int InletId(int ramp) {
    return 1460 + ramp;
}

// The compounds: the phase, which of its compounds (names or their beginnings, separated by
// ";"; empty for all), and the list's editor.
constexpr int IDC_PHASE_LIST = 1470, IDC_COMPOUNDS = 1471, IDC_COMPOUNDS_BUTTON = 1472;

// What the window predicts.
constexpr int IDC_HOLDUP = 1480, IDC_RUN_TIME = 1481, IDC_PEAKS = 1482, IDC_WARNINGS = 1483;
// The group box the chromatogram is drawn in.
constexpr int IDC_CHART = 1484;

constexpr int IDC_HELP = 1059;
constexpr int IDC_PRINT = 1010;

inline int OutletButton(OutletMode mode) {
    return ForOutletMode(mode, IDC_OUTLET_ATM, IDC_OUTLET_VAC, IDC_OUTLET_OTHER);
}

}  // namespace veltrane::chromatogram
