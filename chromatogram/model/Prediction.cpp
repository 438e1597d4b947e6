#include "chromatogram/model/Prediction.h"

#include <algorithm>

namespace veltrane::chromatogram {

Prediction Predict(const Separation& separation, const std::vector<Solute>& solutes) {
    const OvenClock clock(separation.m_program);
    Prediction prediction;
    prediction.m_holdUpS = HoldUpS(separation, clock, 0);
    prediction.m_runTimeS = clock.lengthS();
    for (std::size_t k = 0; k < solutes.size(); ++k) {
        Peak peak;
        peak.m_solute = k;
        peak.m_elution = Elute(separation, clock, solutes[k]);
        if (peak.m_elution.m_sigmaS) peak.m_widthS = kHalfHeightWidth * *peak.m_elution.m_sigmaS;
        prediction.m_peaks.push_back(peak);
    }
    std::stable_sort(
        prediction.m_peaks.begin(), prediction.m_peaks.end(), [](const Peak& a, const Peak& b) {
            if (a.m_elution.m_eluted != b.m_elution.m_eluted) return a.m_elution.m_eluted;
            return a.m_elution.m_eluted && a.m_elution.m_retentionS < b.m_elution.m_retentionS;
        });
    for (std::size_t k = 1; k < prediction.m_peaks.size(); ++k) {
        const Peak& before = prediction.m_peaks[k - 1];
        Peak& peak = prediction.m_peaks[k];
        if (!peak.m_elution.m_eluted || !before.m_elution.m_sigmaS || !peak.m_elution.m_sigmaS)
            continue;
        const double spread = 2.0 * (*before.m_elution.m_sigmaS + *peak.m_elution.m_sigmaS);
        if (!(spread > 0)) continue;
        peak.m_resolution = (peak.m_elution.m_retentionS - before.m_elution.m_retentionS) / spread;
        peak.m_critical = *peak.m_resolution < kCriticalResolution;
    }
    return prediction;
}

}  // namespace veltrane::chromatogram
