// The column outlet condition: one atmosphere, vacuum or another absolute pressure.
#pragma once

#include <optional>
#include <string_view>

#include "data/Text.h"

namespace veltrane {

enum class OutletMode { Atm, Vacuum, Other };

// Every mode, in the order of the windows' radio buttons.
inline constexpr OutletMode kOutletModes[] = {OutletMode::Atm, OutletMode::Vacuum,
                                              OutletMode::Other};

// The keyword written for the mode in the settings file: "atm", "vac" or "oth".
constexpr std::string_view OutletKeyword(OutletMode mode) {
    switch (mode) {
        case OutletMode::Atm:
            return "atm";
        case OutletMode::Vacuum:
            return "vac";
        case OutletMode::Other:
            return "oth";
    }
    return "atm";
}

// Of three things, one for each mode (a window's three outlet buttons): the one for `mode`.
template <typename T>
constexpr T ForOutletMode(OutletMode mode, T atm, T vacuum, T other) {
    switch (mode) {
        case OutletMode::Atm:
            return atm;
        case OutletMode::Vacuum:
            return vacuum;
        case OutletMode::Other:
            return other;
    }
    return atm;
}

// The mode whose keyword a word is, in any case: "OTH" is other.
inline std::optional<OutletMode> OutletModeOfKeyword(std::string_view word) {
    for (OutletMode mode : kOutletModes)
        if (SameWordIgnoringCase(OutletKeyword(mode), word)) return mode;
    return std::nullopt;
}

}  // namespace veltrane
