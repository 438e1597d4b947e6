#include "translate/model/MethodTranslation.h"

#include <cmath>

namespace veltrane {

ColumnConditions ConditionsAt(const MethodColumn& column, const CarrierSetting& setting,
                              double temperatureC) {
    ColumnConditions c{column.m_lengthM,           column.m_diameterMm, temperatureC, 0,
                       column.m_outletPsiAbsolute, column.m_gas};
    c.m_inletPsiGauge = setting.m_control == CarrierControl::ConstantPressure
                            ? setting.m_value
                            : InletPressureFromFlow(c, setting.m_value);
    return c;
}

HoldUp HoldUpAt(const MethodColumn& column, const CarrierSetting& setting, double temperatureC) {
    return HoldUpTime(column.m_lengthM,
                      AverageVelocity(ConditionsAt(column, setting, temperatureC)));
}

double VelocityForHoldUp(double lengthM, double holdUpMinutes) {
    return lengthM * 100 / (60 * holdUpMinutes);
}

std::optional<double> InletPressureForVelocity(const MethodColumn& column, double temperatureC,
                                               double velocityCmPerS) {
    if (!(velocityCmPerS > 0) || !std::isfinite(velocityCmPerS)) return std::nullopt;
    const ColumnConditions c =
        ConditionsAt(column, {CarrierControl::ConstantPressure, 0}, temperatureC);
    const double inlet = InletPressureFromVelocity(c, velocityCmPerS);
    // The search gives its failure value when it cannot meet the velocity; a true root there
    // would give the velocity asked for.
    if (inlet == kInletSearchFailurePsi) {
        ColumnConditions at = c;
        at.m_inletPsiGauge = inlet;
        if (std::abs(AverageVelocity(at) - velocityCmPerS) > 1e-3 * velocityCmPerS)
            return std::nullopt;
    }
    return inlet;
}

double PhaseRatio(double diameterMm, double filmUm) {
    return diameterMm * 1000 / (4 * filmUm);
}

OvenProgram RunningPart(OvenProgram program) {
    for (std::size_t k = 0; k < program.m_ramps.size(); ++k) {
        if (!(program.m_ramps[k].m_rateCPerMin > 0)) {
            program.m_ramps.resize(k);
            break;
        }
    }
    return program;
}

double FinalTemperature(const OvenProgram& program) {
    return program.m_ramps.empty() ? program.m_initialC : program.m_ramps.back().m_finalC;
}

double RunTime(const OvenProgram& program) {
    double minutes = program.m_initialHoldMin;
    double temperature = program.m_initialC;
    for (const Ramp& ramp : program.m_ramps) {
        minutes += std::abs(ramp.m_finalC - temperature) / ramp.m_rateCPerMin + ramp.m_holdMin;
        temperature = ramp.m_finalC;
    }
    return minutes;
}

OvenProgram Translated(const OvenProgram& program, double factor) {
    OvenProgram translated = program;
    translated.m_initialHoldMin *= factor;
    for (Ramp& ramp : translated.m_ramps) {
        ramp.m_rateCPerMin /= factor;
        ramp.m_holdMin *= factor;
    }
    return translated;
}

}  // namespace veltrane
