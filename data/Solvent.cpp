#include "data/Solvent.h"

#include "data/ListFile.h"
#include "data/Numbers.h"

namespace veltrane {

double Solvent::BoilingPoint() const {
    return ReadTypedNumber(m_boilingPoint);
}
double Solvent::Density() const {
    return ReadTypedNumber(m_density);
}
double Solvent::MolecularWeight() const {
    return ReadTypedNumber(m_molecularWeight);
}

bool Solvent::IsEmpty() const {
    return m_name.empty() && m_boilingPoint.empty() && m_density.empty() &&
           m_molecularWeight.empty();
}

std::vector<Solvent> SolventsFromText(std::string_view text) {
    std::vector<Solvent> solvents;
    const ListFormat format{3, kSolventFieldLimit, kSolventCapacity};
    for (ListRecord& r : ReadListRecords(text, format)) {
        solvents.push_back({std::move(r.m_name), std::move(r.m_fields[0]), std::move(r.m_fields[1]),
                            std::move(r.m_fields[2])});
    }
    return solvents;
}

}  // namespace veltrane
