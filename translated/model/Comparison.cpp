#include "translated/model/Comparison.h"

#include <cmath>

namespace veltrane::translated {

using namespace chromatogram;

std::optional<Separation> MethodSeparation(const TranslationInput& input,
                                           const Translation& translation, TranslationMethod method,
                                           const std::optional<Diffusing>& carrier) {
    const bool original = method == TranslationMethod::Original;
    const MethodCarrier* solved = original            ? &translation.m_original
                                  : translation.m_new ? &*translation.m_new
                                                      : nullptr;
    const OvenProgram* program = original                   ? &translation.m_program
                                 : translation.m_translated ? &*translation.m_translated
                                                            : nullptr;
    if (!solved || !solved->m_inlet.solved() || !program) return std::nullopt;
    const MethodColumn& column = original ? input.m_original : input.m_new;
    Separation s;
    s.m_lengthM = column.m_lengthM;
    s.m_diameterMm = column.m_diameterMm;
    s.m_filmUm = original ? input.m_originalFilmUm : input.m_newFilmUm;
    s.m_outletPsiAbsolute = column.m_outletPsiAbsolute;
    s.m_gas = column.m_gas;
    s.m_carrier = carrier;
    const bool flow = solved->m_setting.m_control == CarrierControl::ConstantFlow;
    s.m_control = flow ? InletControl::ConstantFlow : InletControl::ConstantPressure;
    s.m_inletPsiGauge = flow ? 0 : solved->m_setting.m_value;
    s.m_flowMlPerMin = flow ? solved->m_setting.m_value : 0;
    s.m_program = *program;
    return s;
}

namespace {

// Where each solute's peak is in a prediction.
std::vector<const Peak*> PeaksBySolute(const Prediction& prediction, std::size_t solutes) {
    std::vector<const Peak*> bySolute(solutes, nullptr);
    for (const Peak& peak : prediction.m_peaks)
        if (peak.m_solute < solutes) bySolute[peak.m_solute] = &peak;
    return bySolute;
}

std::optional<double> RetentionOf(const Peak* peak) {
    if (!peak || !peak->m_elution.m_eluted) return std::nullopt;
    return peak->m_elution.m_retentionS;
}

// How well two peaks of one chromatogram separate, when both have widths.
std::optional<double> Resolution(const Peak& a, const Peak& b) {
    if (!a.m_elution.m_eluted || !b.m_elution.m_eluted || !a.m_elution.m_sigmaS ||
        !b.m_elution.m_sigmaS)
        return std::nullopt;
    const double spread = 2.0 * (*a.m_elution.m_sigmaS + *b.m_elution.m_sigmaS);
    if (!(spread > 0)) return std::nullopt;
    return std::abs(a.m_elution.m_retentionS - b.m_elution.m_retentionS) / spread;
}

}  // namespace

std::vector<ComparedCompound> Compare(const Prediction& original, const Prediction& translated,
                                      double factor) {
    const std::size_t solutes = original.m_peaks.size();
    const std::vector<const Peak*> before = PeaksBySolute(original, solutes);
    const std::vector<const Peak*> after = PeaksBySolute(translated, solutes);
    // The peak just before each solute's in the new method.
    std::vector<const Peak*> newNeighbour(solutes, nullptr);
    for (std::size_t k = 1; k < translated.m_peaks.size(); ++k)
        if (translated.m_peaks[k].m_solute < solutes)
            newNeighbour[translated.m_peaks[k].m_solute] = &translated.m_peaks[k - 1];

    std::vector<ComparedCompound> compared;
    for (std::size_t k = 0; k < original.m_peaks.size(); ++k) {
        const Peak& peak = original.m_peaks[k];
        ComparedCompound c;
        c.m_solute = peak.m_solute;
        c.m_retentionS = RetentionOf(&peak);
        c.m_newRetentionS = RetentionOf(after[peak.m_solute]);
        c.m_resolution = peak.m_resolution;
        if (after[peak.m_solute]) c.m_newResolution = after[peak.m_solute]->m_resolution;
        if (c.m_retentionS && c.m_newRetentionS && *c.m_retentionS > 0 && factor > 0)
            c.m_ratio = *c.m_newRetentionS / (factor * *c.m_retentionS);
        // Order: every compound eluted before it in the original, in both methods.
        for (std::size_t j = 0; j < k && c.m_newRetentionS; ++j) {
            const std::optional<double> earlier = RetentionOf(after[original.m_peaks[j].m_solute]);
            if (RetentionOf(&original.m_peaks[j]) && earlier && *earlier > *c.m_newRetentionS)
                c.m_overtaken.push_back(original.m_peaks[j].m_solute);
        }
        const Peak* next = after[peak.m_solute];
        const Peak* neighbour = newNeighbour[peak.m_solute];
        if (next && next->m_critical && neighbour && neighbour->m_solute < solutes) {
            const std::optional<double> apart = Resolution(peak, *before[neighbour->m_solute]);
            if (apart && *apart >= kCriticalResolution)
                c.m_lostSeparationFrom = neighbour->m_solute;
        }
        compared.push_back(std::move(c));
    }
    return compared;
}

}  // namespace veltrane::translated
