// The column flow expressed at the inlet's own pressure and temperature.
#pragma once

#include "data/PressureUnit.h"

namespace veltrane {

// flow (ml/min at the outlet reference state) scaled to the inlet's absolute pressure (psi)
// and temperature (°C): F × (1 atm / p_in) × (T_in + 273) / 273.
inline double InletFlow(double flowMlPerMin, double inletPsiAbsolute, double inletTemperatureC) {
    return flowMlPerMin * (kAtmospherePsi / inletPsiAbsolute) *
           ((inletTemperatureC + 273) * 0.003663003663003663);
}

}  // namespace veltrane
