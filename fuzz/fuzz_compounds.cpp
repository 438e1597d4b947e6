// compounds.txt as the program reads it: every compound, its phase, its formula, and the first
// few eluted on a short programmed column, whose figures must be finite when it elutes.
#include <algorithm>
#include <cmath>
#include <string>

#include "chromatogram/model/Elution.h"
#include "data/Compound.h"
#include "data/ListFile.h"
#include "fuzz/FuzzCheck.h"

using namespace veltrane;
using namespace veltrane::chromatogram;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::vector<Compound> compounds = CompoundsFromText(text);
    fuzz::Check(compounds.size() <= kCompoundCapacity);
    const std::vector<std::string> phases = PhasesOf(compounds);
    fuzz::Check(phases.size() <= compounds.size());

    Separation separation;
    separation.m_lengthM = 10;
    separation.m_diameterMm = 0.25;
    separation.m_filmUm = 0.25;
    separation.m_outletPsiAbsolute = 0;
    separation.m_gas = {4.038e-07, 7.976e-05};
    separation.m_carrier = CarrierMolecule("Helium");
    separation.m_inletPsiGauge = 20;
    separation.m_program = {40, 1, {{25, 300, 2}}};
    const OvenClock clock(separation.m_program);
    const std::size_t eluted = std::min<std::size_t>(OfferedCount(compounds), 4);
    for (std::size_t k = 0; k < eluted; ++k) {
        const Compound& c = compounds[k];
        const Solute solute{{c.CharTemperature(), c.CharTheta(), c.HeatCapacityChange(), c.Phi0()},
                            MoleculeOf(c.m_formula, c.Rings())};
        const Elution elution = Elute(separation, clock, solute);
        if (!elution.m_eluted) continue;
        fuzz::Check(std::isfinite(elution.m_retentionS) && elution.m_retentionS > 0);
        if (elution.m_sigmaS) fuzz::Check(std::isfinite(*elution.m_sigmaS));
    }
    return 0;
}
