// How fast a compound diffuses in the carrier gas (Fuller's method), from its molecular
// formula and ring count and the gas's own diffusion volume and molar mass.
#pragma once

#include <optional>
#include <string_view>

namespace veltrane::chromatogram {

// A molecule as diffusion sees it: molar mass (g/mol) and diffusion volume.
struct Diffusing {
    double m_molarMass;
    double m_diffusionVolume;
};

// The molecule of a formula such as C10H22 or C6H4Cl2 (elements C, H, O, N, S, F, Cl, Br, I,
// each written once or more, with counts), less 18.3 of volume for each ring; nothing when the
// formula holds anything else or no atom at all.
std::optional<Diffusing> MoleculeOf(std::string_view formula, int rings);

// Helium, hydrogen, nitrogen and argon, recognised by a name of gases.txt in any case
// ("Helium", "hydrogen", "N2"); nothing for a gas without diffusion data.
std::optional<Diffusing> CarrierMolecule(std::string_view gasName);

// The binary diffusion coefficient, cm²/s, at a temperature (K) and absolute pressure (atm).
double DiffusionCoefficient(const Diffusing& solute, const Diffusing& carrier, double temperatureK,
                            double pressureAtm);

}  // namespace veltrane::chromatogram
