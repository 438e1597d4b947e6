#include "vapor/model/VaporVolumeModel.h"

#include <climits>
#include <cmath>

#include "data/Numbers.h"

namespace veltrane {
namespace {

constexpr const char* kTooCloseWarning = "Inlet temp too close to solvent boiling point";
// The gas constant in microlitre-psi per millimole-kelvin.
constexpr double kGasConstant = 1206.0;
// The inlet must be more than this above the boiling point for the solvent to be all vapor.
constexpr double kBoilingMargin = 20.0;

// The integer part, held within int (a liner volume near 0 can make the percentage huge).
int Truncate(double value) {
    if (std::isnan(value)) return 0;
    if (value >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (value <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(value);
}

}  // namespace

VaporVolume VaporVolumeModel::ComputeVaporVolume(double injectionUl, double inletTemperatureC,
                                                 double inletPressure, PressureUnit unit,
                                                 const SolventProperties& solvent) const {
    const double absolutePsi = GaugeToAbsolutePsi(inletPressure, unit);
    const double volume = solvent.m_density / solvent.m_molecularWeight *
                          (inletTemperatureC + 273.0) / absolutePsi * injectionUl * kGasConstant;
    VaporVolume result;
    if (!(inletTemperatureC - solvent.m_boilingPointC > kBoilingMargin)) {
        result.m_text = kNotAvailable;
        result.m_warning = kTooCloseWarning;
        return result;
    }
    // No molecular weight, or no pressure at the inlet, gives no volume worth showing.
    if (!std::isfinite(volume) || volume < 0.0) {
        result.m_text = kNotAvailable;
        return result;
    }
    // + 0.0 turns a negative zero into a plain one, so it never shows as "-0".
    result.m_text = FormatNumber("%-3.0f", volume + 0.0) + " ul";
    return result;
}

VaporVolume VaporVolumeModel::ComputeVaporVolume(std::string_view injectionText,
                                                 std::string_view temperatureText,
                                                 std::string_view pressureText, PressureUnit unit,
                                                 const SolventProperties& solvent) const {
    return ComputeVaporVolume(ReadTypedNumber(injectionText), ReadTypedNumber(temperatureText),
                              ReadTypedNumber(pressureText), unit, solvent);
}

Capacity VaporVolumeModel::ComputeCapacity(std::string_view vaporVolumeText,
                                           std::string_view linerVolumeText, int lowerLimit,
                                           int upperLimit) const {
    double linerVolume = ReadTypedNumber(linerVolumeText);
    if (linerVolume == 0.0) linerVolume = kFallbackLinerVolume;
    const double vaporVolume = ReadNumber(vaporVolumeText);
    const double percentage = vaporVolume / linerVolume * 100.0;
    Capacity result{percentage, FormatNumber("%-3.0f", percentage) + "%", Truncate(percentage),
                    CapacityLevel::Normal, ""};
    if (upperLimit < percentage) {
        result.m_level = CapacityLevel::Overload;
        result.m_overloadText = "O v e r l o a d";
    } else if (lowerLimit < percentage) {
        result.m_level = CapacityLevel::Caution;
    }
    return result;
}

}  // namespace veltrane
