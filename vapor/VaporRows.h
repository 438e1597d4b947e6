// The three input rows of the vapor calculator: which controls make each one up.
#pragma once

#include "vapor/VaporIds.h"

namespace veltrane::vapor {

enum class Row { Injection, Temperature, Pressure };

struct RowControls {
    int slider;
    int spin;
    int edit;
};

constexpr RowControls ControlsOf(Row row) {
    switch (row) {
        case Row::Injection:
            return {IDC_INJECTION_SLIDER, IDC_INJECTION_SPIN, IDC_INJECTION};
        case Row::Temperature:
            return {IDC_TEMPERATURE_SLIDER, IDC_TEMPERATURE_SPIN, IDC_TEMPERATURE};
        case Row::Pressure:
            return {IDC_PRESSURE_SLIDER, IDC_PRESSURE_SPIN, IDC_PRESSURE};
    }
    return {IDC_INJECTION_SLIDER, IDC_INJECTION_SPIN, IDC_INJECTION};
}

inline constexpr Row kRows[] = {Row::Injection, Row::Temperature, Row::Pressure};

}  // namespace veltrane::vapor
