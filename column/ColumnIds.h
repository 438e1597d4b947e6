// Control ids of the column calculator window.
#pragma once

#include "data/OutletMode.h"
#include "resources/ResourceIds.h"

namespace veltrane::column {

// Quantity rows: slider, spin button and edit field of each.
constexpr int IDC_LENGTH_SLIDER = 1126, IDC_LENGTH_SPIN = 1130, IDC_LENGTH = 1061;
constexpr int IDC_DIAMETER_SLIDER = 1127, IDC_DIAMETER_SPIN = 1131, IDC_DIAMETER = 1062;
constexpr int IDC_TEMPERATURE_SLIDER = 1121, IDC_TEMPERATURE_SPIN = 1124, IDC_TEMPERATURE = 1063;
constexpr int IDC_INLET_SLIDER = 1133, IDC_INLET_SPIN = 1138, IDC_INLET = 1064;
constexpr int IDC_FLOW_SLIDER = 1134, IDC_FLOW_SPIN = 1139, IDC_FLOW = 1065;
constexpr int IDC_VELOCITY_SLIDER = 1136, IDC_VELOCITY_SPIN = 1140, IDC_VELOCITY = 1066;
constexpr int IDC_OUTLET_SLIDER = 1137, IDC_OUTLET_SPIN = 1141, IDC_OUTLET = 1067;

constexpr int IDC_INLET_MARK = 1087;  // "~" beside a solved inlet pressure near zero
constexpr int IDC_FLOW_MARK = 1088;   // "~" beside a computed flow near zero
constexpr int IDC_HOLDUP = 1157;
constexpr int IDC_BAND_LOW = 1154;
constexpr int IDC_BAND_HIGH = 1155;

constexpr int IDC_GAS_LIST = 1056;
constexpr int IDC_GASES_BUTTON = 1068;

using res::IDC_UNIT_BAR;
using res::IDC_UNIT_KPA;
using res::IDC_UNIT_PSI;
constexpr int IDC_OUTLET_ATM = 1053, IDC_OUTLET_VAC = 1054, IDC_OUTLET_OTHER = 1055;

constexpr int IDC_VENT_FLOW = 1091;
constexpr int IDC_SPLIT_RATIO = 1092;
constexpr int IDC_FLOW_RATIO_BUTTON = 1071;
constexpr int IDC_INLET_TEMPERATURE = 1143;
constexpr int IDC_INLET_FLOW = 1108;

constexpr int IDC_HELP = 1059;
constexpr int IDC_PLOT = 1058;
constexpr int IDC_PRINT = 1010;

inline int OutletButton(OutletMode mode) {
    return ForOutletMode(mode, IDC_OUTLET_ATM, IDC_OUTLET_VAC, IDC_OUTLET_OTHER);
}

}  // namespace veltrane::column
