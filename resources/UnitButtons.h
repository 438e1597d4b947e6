// The pressure unit buttons, which carry the same ids in both calculator windows.
#pragma once

#include <string>

#include "data/PressureUnit.h"
#include "ui/Dialog.h"

namespace veltrane::res {

constexpr int IDC_UNIT_KPA = 1031;
constexpr int IDC_UNIT_PSI = 1032;
constexpr int IDC_UNIT_BAR = 1033;

inline int UnitButton(PressureUnit unit) {
    switch (unit) {
        case PressureUnit::KPa:
            return IDC_UNIT_KPA;
        case PressureUnit::Psi:
            return IDC_UNIT_PSI;
        case PressureUnit::Bar:
            return IDC_UNIT_BAR;
    }
    return IDC_UNIT_KPA;
}

// The unit whose button is checked; KPa, the windows' first unit, when none is.
inline PressureUnit CheckedUnit(const ui::Dialog& window) {
    if (window.isChecked(IDC_UNIT_PSI)) return PressureUnit::Psi;
    if (window.isChecked(IDC_UNIT_BAR)) return PressureUnit::Bar;
    return PressureUnit::KPa;
}

// "(KPa): " and so on: how the printouts label a pressure.
inline std::string PrintedUnitLabel(const ui::Dialog& window) {
    return "(" + std::string(UnitKeyword(CheckedUnit(window))) + "): ";
}

}  // namespace veltrane::res
