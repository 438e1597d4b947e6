// The pressure unit buttons both calculator windows share: which is which, which is checked.
#pragma once

#include <string>

#include "data/PressureUnit.h"
#include "resources/ResourceIds.h"
#include "ui/Dialog.h"

namespace veltrane::calculators {

inline int UnitButton(PressureUnit unit) {
    switch (unit) {
        case PressureUnit::KPa:
            return res::IDC_UNIT_KPA;
        case PressureUnit::Psi:
            return res::IDC_UNIT_PSI;
        case PressureUnit::Bar:
            return res::IDC_UNIT_BAR;
    }
    return res::IDC_UNIT_KPA;
}

// The unit whose button is checked; KPa, the windows' first unit, when none is.
inline PressureUnit CheckedUnit(const ui::Dialog& window) {
    if (window.isChecked(res::IDC_UNIT_PSI)) return PressureUnit::Psi;
    if (window.isChecked(res::IDC_UNIT_BAR)) return PressureUnit::Bar;
    return PressureUnit::KPa;
}

}  // namespace veltrane::calculators
