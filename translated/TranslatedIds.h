// The control ids of the translated chromatograms window.
#pragma once

#include "resources/ResourceIds.h"

namespace veltrane::translated {

// The compounds: the phase and which of its compounds (names or their beginnings, separated
// by ";"; empty for all).
constexpr int IDC_PHASE_LIST = 1501, IDC_COMPOUNDS = 1502;

// The factor the new program is scaled by.
constexpr int IDC_FACTOR = 1503;

// The group box both chromatograms are drawn in, the list of compounds and the warnings.
constexpr int IDC_CHART = 1510, IDC_PEAKS = 1511, IDC_WARNINGS = 1512;

constexpr int IDC_HELP = 1059;
constexpr int IDC_PRINT = 1010;

}  // namespace veltrane::translated
