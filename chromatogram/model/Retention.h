// How strongly a stationary phase holds a compound: its retention factor at a temperature, from
// the three thermodynamic parameters published for that compound on that phase.
#pragma once

namespace veltrane::chromatogram {

// The compound's parameters on one phase, as measured on a column of phase ratio phi0.
struct RetentionParameters {
    double m_charTemperatureC;    // T_char: where the retention factor equals the phase ratio's
    double m_charThetaC;          // θ_char, the characteristic thermal constant
    double m_heatCapacityChange;  // ΔCp, J/mol/K
    double m_phi0;                // d_f / d of the measuring column
};

inline constexpr double kGasConstant = 8.31446;  // J/mol/K
inline constexpr double kCelsiusToKelvin = 273.15;

// The retention factor k at the column temperature, on a column of film-to-diameter ratio phi:
//   ln k = (C + Tc/θ)(Tc/T − 1) + C ln(T/Tc) + ln(φ/φ0), C = ΔCp/R, temperatures in kelvin.
double RetentionFactor(const RetentionParameters& parameters, double temperatureC, double phi);

}  // namespace veltrane::chromatogram
