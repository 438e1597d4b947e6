// Solvent vapor volume of an injection and the share of the liner it fills.
#pragma once

#include <string>
#include <string_view>

#include "data/PressureUnit.h"
#include "vapor/model/CapacityLevel.h"

namespace veltrane {

struct SolventProperties {
    double m_boilingPointC;
    double m_density;          // g/cm3
    double m_molecularWeight;  // amu
};

struct VaporVolume {
    std::string m_text;     // a whole number of microlitres followed by " ul", or "n/a"
    std::string m_warning;  // empty unless the inlet is too close to the boiling point
};

struct Capacity {
    double m_percentage;
    std::string m_text;      // "16 %" style
    int m_progressPosition;  // for a bar of 0 to 100; may lie beyond it
    CapacityLevel m_level;
    std::string m_overloadText;
};

class VaporVolumeModel {
public:
    // In force until a solvent from the list is applied.
    static constexpr SolventProperties kBuiltInSolvent{69.0, 0.66, 86.2};
    // Taken for a liner whose volume text reads as 0.
    static constexpr double kFallbackLinerVolume = 900.0;

    // The injection volume (µl of liquid), inlet temperature (°C) and gauge inlet pressure in
    // the unit in force. Within 20 °C of the boiling point the volume is not shown and the
    // warning is; a volume that is no finite, non-negative number is not shown either.
    VaporVolume ComputeVaporVolume(double injectionUl, double inletTemperatureC,
                                   double inletPressure, PressureUnit unit,
                                   const SolventProperties& solvent) const;

    // The same from the texts of the fields, read by the atof rule.
    VaporVolume ComputeVaporVolume(std::string_view injectionText, std::string_view temperatureText,
                                   std::string_view pressureText, PressureUnit unit,
                                   const SolventProperties& solvent) const;

    // From the volume as shown (so the rounded number counts, and "n/a" counts as 0) and the
    // liner's volume text and whole-percent limits; a value equal to a limit stays below it.
    Capacity ComputeCapacity(std::string_view vaporVolumeText, std::string_view linerVolumeText,
                             int lowerLimit, int upperLimit) const;
};

}  // namespace veltrane
