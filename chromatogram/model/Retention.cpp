#include "chromatogram/model/Retention.h"

#include <cmath>

namespace veltrane::chromatogram {

double RetentionFactor(const RetentionParameters& p, double temperatureC, double phi) {
    const double t = temperatureC + kCelsiusToKelvin;
    const double tc = p.m_charTemperatureC + kCelsiusToKelvin;
    const double c = p.m_heatCapacityChange / kGasConstant;
    const double theta = p.m_charThetaC;
    return std::exp((c + tc / theta) * (tc / t - 1.0) + c * std::log(t / tc) +
                    std::log(phi / p.m_phi0));
}

}  // namespace veltrane::chromatogram
