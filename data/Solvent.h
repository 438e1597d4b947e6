// A solvent of solvents.txt: boiling point, density and molecular weight.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace veltrane {

struct Solvent {
    std::string m_name;
    std::string m_boilingPoint;     // °C
    std::string m_density;          // g/cm3
    std::string m_molecularWeight;  // amu

    double BoilingPoint() const;
    double Density() const;
    double MolecularWeight() const;
    bool IsEmpty() const;
};

inline constexpr const char* kSolventsFileName = "solvents.txt";
inline constexpr std::size_t kSolventCapacity = 200;
inline constexpr std::size_t kSolventFieldLimit = 7;

// The solvents of solvents.txt's text.
std::vector<Solvent> SolventsFromText(std::string_view text);

}  // namespace veltrane
