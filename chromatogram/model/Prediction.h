// A predicted chromatogram: every compound's peak in elution order, its width, and how well it
// separates from the peak before it.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "chromatogram/model/Elution.h"

namespace veltrane::chromatogram {

// Two peaks closer than this resolution are a critical pair.
inline constexpr double kCriticalResolution = 1.5;
// A Gaussian's width at half its height, in standard deviations: 2√(2 ln 2).
inline constexpr double kHalfHeightWidth = 2.3548;

struct Peak {
    std::size_t m_solute = 0;  // its place among the solutes given
    Elution m_elution;
    std::optional<double> m_widthS;      // at half height
    std::optional<double> m_resolution;  // to the peak eluting just before it
    bool m_critical = false;             // that resolution below kCriticalResolution
};

struct Prediction {
    double m_holdUpS = 0;   // at the program's start; infinite when the carrier does not flow
    double m_runTimeS = 0;  // the oven program's length
    // In elution order; those that do not elute last, in the order given.
    std::vector<Peak> m_peaks;
};

Prediction Predict(const Separation& separation, const std::vector<Solute>& solutes);

}  // namespace veltrane::chromatogram
