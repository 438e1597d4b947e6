// Control ids of the solvent vapor volume calculator window.
#pragma once

#include "resources/ResourceIds.h"

namespace veltrane::vapor {

// Input rows: slider, spin button and edit field of each.
constexpr int IDC_INJECTION_SLIDER = 1120, IDC_INJECTION_SPIN = 1123, IDC_INJECTION = 1011;
constexpr int IDC_TEMPERATURE_SLIDER = 1121, IDC_TEMPERATURE_SPIN = 1124, IDC_TEMPERATURE = 1012;
constexpr int IDC_PRESSURE_SLIDER = 1122, IDC_PRESSURE_SPIN = 1125, IDC_PRESSURE = 1013;

using res::IDC_UNIT_BAR;
using res::IDC_UNIT_KPA;
using res::IDC_UNIT_PSI;

// Results.
constexpr int IDC_WARNING = 1119;
constexpr int IDC_OVERLOAD = 1085;
constexpr int IDC_VAPOR_VOLUME = 1004;
constexpr int IDC_LAMP = 1152;
constexpr int IDC_CAPACITY = 1084;
constexpr int IDC_CAPACITY_BAR = 1113;

// Solvent.
constexpr int IDC_SOLVENT_LIST = 1039;
constexpr int IDC_BOILING_POINT = 1035;
constexpr int IDC_DENSITY = 1036;
constexpr int IDC_MOLECULAR_WEIGHT = 1037;
constexpr int IDC_SOLVENTS_BUTTON = 1041;

// Liner.
constexpr int IDC_LINER_LIST = 1056;
constexpr int IDC_LINER_VOLUME = 1083;
constexpr int IDC_LOWER_LIMIT = 1154;
constexpr int IDC_UPPER_LIMIT = 1155;
constexpr int IDC_LINERS_BUTTON = 1058;

constexpr int IDC_PRINT = 1010;
constexpr int IDC_HELP = 1059;

}  // namespace veltrane::vapor
