// A compound of compounds.txt: its retention parameters on one stationary phase, and its
// formula and rings for its diffusion in the carrier.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace veltrane {

// Field texts are kept as read, as in the other lists.
struct Compound {
    std::string m_name;
    std::string m_phase;
    std::string m_charTemperature;     // T_char, °C
    std::string m_charTheta;           // θ_char, °C
    std::string m_heatCapacityChange;  // ΔCp, J/mol/K
    std::string m_phi0;                // film thickness over diameter of the measuring column
    std::string m_formula;             // C10H22, C6H4Cl2
    std::string m_rings;

    double CharTemperature() const;
    double CharTheta() const;
    double HeatCapacityChange() const;
    double Phi0() const;
    int Rings() const;  // read as the lists' whole numbers are; none below 0
    bool IsEmpty() const;
};

inline constexpr const char* kCompoundsFileName = "compounds.txt";
inline constexpr std::size_t kCompoundCapacity = 1000;
inline constexpr std::size_t kCompoundFieldLimit = 15;

// The compounds of compounds.txt's text.
std::vector<Compound> CompoundsFromText(std::string_view text);

// The stationary phases of the offered compounds, each once, in the order they first appear;
// a compound without a phase belongs to none.
std::vector<std::string> PhasesOf(const std::vector<Compound>& compounds);

}  // namespace veltrane
