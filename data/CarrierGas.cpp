#include "data/CarrierGas.h"

#include "data/ListFile.h"
#include "data/Numbers.h"

namespace veltrane {

double CarrierGas::ViscositySlope() const {
    return ReadTypedNumber(m_viscositySlope);
}
double CarrierGas::ViscosityIntercept() const {
    return ReadTypedNumber(m_viscosityIntercept);
}
int CarrierGas::OptimumVelocityLow() const {
    return ReadInteger(m_optimumVelocityLow);
}
int CarrierGas::OptimumVelocityHigh() const {
    return ReadInteger(m_optimumVelocityHigh);
}

bool CarrierGas::IsEmpty() const {
    return m_name.empty() && m_viscositySlope.empty() && m_viscosityIntercept.empty() &&
           m_optimumVelocityLow.empty() && m_optimumVelocityHigh.empty();
}

std::vector<CarrierGas> GasesFromText(std::string_view text) {
    std::vector<CarrierGas> gases;
    for (ListRecord& r : ReadListRecords(text, {4, kGasFieldLimit, kGasCapacity})) {
        gases.push_back({std::move(r.m_name), std::move(r.m_fields[0]), std::move(r.m_fields[1]),
                         std::move(r.m_fields[2]), std::move(r.m_fields[3])});
    }
    return gases;
}

const CarrierGas& FallbackGas() {
    static const CarrierGas kHelium{"", "4.038e-07", "7.976e-05", "20", "40"};
    return kHelium;
}

}  // namespace veltrane
