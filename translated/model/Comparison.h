// A translated method's predicted chromatogram against the original's: each compound's two
// retention times, how far the new one is from G times the old, and where the elution pattern
// the translation promises breaks.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "chromatogram/model/Prediction.h"
#include "translate/model/MethodTranslation.h"

namespace veltrane::translated {

// One method of a translation as the chromatogram model takes it: its column, film and gas,
// its carrier held as the translation holds it (its own inlet pressure or outlet flow), and
// its program (the original's running part, or the translated one). Nothing when the
// translation has no such method: a carrier it could not solve, or no factor.
std::optional<chromatogram::Separation> MethodSeparation(
    const TranslationInput& input, const Translation& translation, TranslationMethod method,
    const std::optional<chromatogram::Diffusing>& carrier);

struct ComparedCompound {
    std::size_t m_solute = 0;  // its place among the solutes given
    // In seconds; nothing where it does not elute.
    std::optional<double> m_retentionS;
    std::optional<double> m_newRetentionS;
    std::optional<double> m_ratio;          // new retention / (G × original retention)
    std::optional<double> m_resolution;     // to the peak before it in the original
    std::optional<double> m_newResolution;  // to the peak before it in the new method
    // The compounds that came out before it in the original and after it now.
    std::vector<std::size_t> m_overtaken;
    // The compound just before it in the new method, when the two no longer separate there
    // (R below the critical resolution) though they did in the original.
    std::optional<std::size_t> m_lostSeparationFrom;
};

// The compounds in the original's elution order (those it does not elute last). Both
// predictions are of the same solutes, in the same order.
std::vector<ComparedCompound> Compare(const chromatogram::Prediction& original,
                                      const chromatogram::Prediction& translated, double factor);

}  // namespace veltrane::translated
