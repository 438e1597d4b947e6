#include "data/Compound.h"

#include <algorithm>

#include "data/ListFile.h"
#include "data/Numbers.h"

namespace veltrane {

double Compound::CharTemperature() const {
    return ReadTypedNumber(m_charTemperature);
}
double Compound::CharTheta() const {
    return ReadTypedNumber(m_charTheta);
}
double Compound::HeatCapacityChange() const {
    return ReadTypedNumber(m_heatCapacityChange);
}
double Compound::Phi0() const {
    return ReadTypedNumber(m_phi0);
}

int Compound::Rings() const {
    return std::max(0, ReadInteger(m_rings));
}

bool Compound::IsEmpty() const {
    return m_name.empty() && m_phase.empty() && m_charTemperature.empty() && m_charTheta.empty() &&
           m_heatCapacityChange.empty() && m_phi0.empty() && m_formula.empty() && m_rings.empty();
}

std::vector<Compound> CompoundsFromText(std::string_view text) {
    std::vector<Compound> compounds;
    const ListFormat format{7, kCompoundFieldLimit, kCompoundCapacity};
    for (ListRecord& r : ReadListRecords(text, format)) {
        compounds.push_back({std::move(r.m_name), std::move(r.m_fields[0]),
                             std::move(r.m_fields[1]), std::move(r.m_fields[2]),
                             std::move(r.m_fields[3]), std::move(r.m_fields[4]),
                             std::move(r.m_fields[5]), std::move(r.m_fields[6])});
    }
    return compounds;
}

std::vector<std::string> PhasesOf(const std::vector<Compound>& compounds) {
    std::vector<std::string> phases;
    const std::size_t offered = OfferedCount(compounds);
    for (std::size_t k = 0; k < offered; ++k) {
        const std::string& phase = compounds[k].m_phase;
        if (!phase.empty() && std::find(phases.begin(), phases.end(), phase) == phases.end())
            phases.push_back(phase);
    }
    return phases;
}

}  // namespace veltrane
