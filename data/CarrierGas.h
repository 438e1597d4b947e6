// A carrier gas of gases.txt: viscosity line coefficients and optimum velocity band.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace veltrane {

// Field texts are kept as read: the window shows the band texts as the file gives them.
struct CarrierGas {
    std::string m_name;
    std::string m_viscositySlope;       // a, poise per kelvin
    std::string m_viscosityIntercept;   // b, poise
    std::string m_optimumVelocityLow;   // cm/s
    std::string m_optimumVelocityHigh;  // cm/s

    double ViscositySlope() const;
    double ViscosityIntercept() const;
    int OptimumVelocityLow() const;
    int OptimumVelocityHigh() const;
    bool IsEmpty() const;
};

inline constexpr const char* kGasesFileName = "gases.txt";
inline constexpr std::size_t kGasCapacity = 200;
inline constexpr std::size_t kGasFieldLimit = 11;

// What a window computes with when no gas is on offer: helium, rather than a zero viscosity.
const CarrierGas& FallbackGas();

// The gases of gases.txt's text; see OfferedCount for which of them a list shows.
std::vector<CarrierGas> GasesFromText(std::string_view text);

}  // namespace veltrane
