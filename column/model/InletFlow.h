// The column flow expressed at the inlet's own pressure and temperature.
#pragma once

#include "column/model/FlowModel.h"
#include "data/PressureUnit.h"

namespace veltrane {

// flow (ml/min at the flow model's reference state: kFlowReferenceK, one atmosphere) scaled to
// the inlet's absolute pressure (psi) and temperature (°C):
// F × (1 atm / p_in) × (T_in + 273) / T_ref.
inline double InletFlow(double flowMlPerMin, double inletPsiAbsolute, double inletTemperatureC) {
    return flowMlPerMin * (kAtmospherePsi / inletPsiAbsolute) *
           ((inletTemperatureC + 273) / kFlowReferenceK);
}

}  // namespace veltrane
