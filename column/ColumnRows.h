// The quantity rows of the column calculator and how a value becomes a slider position.
#pragma once

#include <algorithm>

#include "column/ColumnIds.h"
#include "data/PressureUnit.h"

namespace veltrane::column {

// One quantity of the window: its slider, spin button and field, what one slider position is
// worth and how the field writes a position.
struct QuantityRow {
    int slider;
    int spin;
    int edit;
    double step;         // value of one position
    const char* format;  // nullptr: the position as a whole number
};

constexpr QuantityRow kLength{IDC_LENGTH_SLIDER, IDC_LENGTH_SPIN, IDC_LENGTH, 0.1, "%-4.1f"};
constexpr QuantityRow kDiameter{IDC_DIAMETER_SLIDER, IDC_DIAMETER_SPIN, IDC_DIAMETER, 0.001,
                                "%-4.3f"};
constexpr QuantityRow kTemperature{IDC_TEMPERATURE_SLIDER, IDC_TEMPERATURE_SPIN, IDC_TEMPERATURE, 1,
                                   nullptr};
constexpr QuantityRow kFlow{IDC_FLOW_SLIDER, IDC_FLOW_SPIN, IDC_FLOW, 0.01, "%-4.2f"};
constexpr QuantityRow kVelocity{IDC_VELOCITY_SLIDER, IDC_VELOCITY_SPIN, IDC_VELOCITY, 0.1,
                                "%-4.1f"};

// The pressure step of a unit: 0.1 KPa or psi, 0.001 bar.
inline double PressureStep(PressureUnit unit) {
    return 1.0 / ScaleFor(CalculatorWindow::Column, unit).m_scale;
}

// The nearest whole position of a value, halves going up.
inline int PositionOf(double value, double step) {
    return NearestPosition(value / step, 1.0);
}

// Rates and solved pressures never put their thumb below the first position.
inline int RatePositionOf(double value, double step) {
    return std::max(1, PositionOf(value, step));
}

}  // namespace veltrane::column
