#include "chromatogram/model/Diffusion.h"

#include <array>
#include <cctype>
#include <cmath>
#include <string>

namespace veltrane::chromatogram {

namespace {

struct Element {
    std::string_view symbol;
    double mass;    // g/mol
    double volume;  // Fuller's atomic diffusion volume
};

constexpr std::array<Element, 9> kElements{{
    {"C", 12.011, 15.9},
    {"H", 1.008, 2.31},
    {"O", 15.999, 6.11},
    {"N", 14.007, 4.54},
    {"S", 32.06, 22.9},
    {"F", 18.998, 14.7},
    {"Cl", 35.45, 21.0},
    {"Br", 79.904, 21.9},
    {"I", 126.904, 29.8},
}};

constexpr double kRingVolume = -18.3;

std::string Lower(std::string_view text) {
    std::string lower;
    for (char c : text) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

}  // namespace

std::optional<Diffusing> MoleculeOf(std::string_view formula, int rings) {
    Diffusing molecule{0, 0};
    int atoms = 0;
    std::size_t at = 0;
    while (at < formula.size()) {
        // A symbol: a capital, and a small letter when the element has one.
        const Element* element = nullptr;
        for (const Element& candidate : kElements) {
            if (formula.substr(at, candidate.symbol.size()) == candidate.symbol &&
                (!element || candidate.symbol.size() > element->symbol.size()))
                element = &candidate;
        }
        if (!element) return std::nullopt;
        at += element->symbol.size();
        long count = 0;
        bool digits = false;
        while (at < formula.size() && std::isdigit(static_cast<unsigned char>(formula[at]))) {
            count = count * 10 + (formula[at] - '0');
            digits = true;
            if (count > 100000) return std::nullopt;
            ++at;
        }
        if (!digits) count = 1;
        if (count == 0) return std::nullopt;
        atoms += static_cast<int>(count);
        molecule.m_molarMass += element->mass * static_cast<double>(count);
        molecule.m_diffusionVolume += element->volume * static_cast<double>(count);
    }
    if (atoms == 0 || rings < 0) return std::nullopt;
    molecule.m_diffusionVolume += kRingVolume * rings;
    if (molecule.m_diffusionVolume <= 0) return std::nullopt;
    return molecule;
}

std::optional<Diffusing> CarrierMolecule(std::string_view gasName) {
    const std::string name = Lower(gasName);
    if (name == "helium" || name == "he") return Diffusing{4.003, 2.67};
    if (name == "hydrogen" || name == "h2") return Diffusing{2.016, 6.12};
    if (name == "nitrogen" || name == "n2") return Diffusing{28.013, 18.5};
    if (name == "argon" || name == "ar") return Diffusing{39.948, 16.2};
    return std::nullopt;
}

double DiffusionCoefficient(const Diffusing& solute, const Diffusing& carrier, double temperatureK,
                            double pressureAtm) {
    const double volumes =
        std::cbrt(solute.m_diffusionVolume) + std::cbrt(carrier.m_diffusionVolume);
    return 0.001 * std::pow(temperatureK, 1.75) *
           std::sqrt(1.0 / solute.m_molarMass + 1.0 / carrier.m_molarMass) /
           (pressureAtm * volumes * volumes);
}

}  // namespace veltrane::chromatogram
