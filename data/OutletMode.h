// The column outlet condition: one atmosphere, vacuum or another absolute pressure.
#pragma once

#include <string_view>

namespace veltrane {

enum class OutletMode { Atm, Vacuum, Other };

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

}  // namespace veltrane
