// The control ids of the method translation window, the original method's and the new one's.
#pragma once

#include "data/OutletMode.h"
#include "resources/ResourceIds.h"

namespace veltrane::translate {

// The ids one method's column and carrier rows use; the new method's are 100 above.
struct MethodIds {
    int gasList, length, diameter, film, outletAtm, outletVac, outletOther, outlet;
    int inlet, flow, velocity, holdUp, phaseRatio;

    int outletButton(OutletMode mode) const {
        return ForOutletMode(mode, outletAtm, outletVac, outletOther);
    }
};
inline constexpr MethodIds kOriginal{1201, 1202, 1203, 1204, 1205, 1206, 1207,
                                     1208, 1209, 1210, 1211, 1212, 1213};
inline constexpr MethodIds kNew{1301, 1302, 1303, 1304, 1305, 1306, 1307,
                                1308, 1309, 1310, 1311, 1312, 1313};

using res::IDC_UNIT_BAR;
using res::IDC_UNIT_KPA;
using res::IDC_UNIT_PSI;
constexpr int IDC_CONSTANT_PRESSURE = 1220, IDC_CONSTANT_FLOW = 1221;
constexpr int IDC_GOAL_TIMES = 1230, IDC_GOAL_FASTER = 1231, IDC_GOAL_OPTIMUM = 1232,
              IDC_GOAL_SET = 1233, IDC_FASTER = 1234;

// The oven program: the original's fields and the translated texts beside them.
constexpr int kRamps = 5;
constexpr int IDC_INITIAL = 1240, IDC_INITIAL_HOLD = 1241, IDC_NEW_INITIAL_HOLD = 1242;
constexpr int RateId(int ramp) {
    return 1250 + ramp;
}  // ramp 0 to 4
constexpr int FinalId(int ramp) {
    return 1260 + ramp;
}
constexpr int HoldId(int ramp) {
    return 1270 + ramp;
}
constexpr int NewRateId(int ramp) {
    return 1350 + ramp;
}
constexpr int NewHoldId(int ramp) {
    return 1370 + ramp;
}

constexpr int IDC_FACTOR = 1280, IDC_SPEED_GAIN = 1281, IDC_RUN_TIME = 1282,
              IDC_NEW_RUN_TIME = 1283, IDC_FINAL_FACTOR = 1284, IDC_WARNINGS = 1285;
// The group box the chart of both programs is drawn in.
constexpr int IDC_CHART = 1286;
// Opens both methods' predicted chromatograms.
constexpr int IDC_CHROMATOGRAMS = 1287;

constexpr int IDC_HELP = 1059;
constexpr int IDC_PRINT = 1010;

}  // namespace veltrane::translate
