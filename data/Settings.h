// The settings file flow.cfg that both calculators share: unit, outlet mode, gas, solvent, liner.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/OutletMode.h"
#include "data/PressureUnit.h"

namespace veltrane {

// The file as read, one line to a slot; a slot no line reached is empty.
using SettingsSlots = std::array<std::string, 20>;

inline constexpr const char* kSettingsFileName = "flow.cfg";
inline constexpr std::size_t kSettingsLineLimit = 63;
inline constexpr std::size_t kGasNameLimit = 24;

// Where each value stands; readers find values by line number alone.
inline constexpr std::size_t kUnitLine = 1;
inline constexpr std::size_t kOutletLine = 4;
inline constexpr std::size_t kGasLine = 7;
inline constexpr std::size_t kSolventLine = 10;
inline constexpr std::size_t kLinerLine = 13;

// The lines of flow.cfg's text. A line is cut to 63 characters and lines after the 20th are
// ignored.
SettingsSlots SettingsFromText(std::string_view text);

// A unit or outlet mode is recognised by the first character of its line alone: the first
// keyword holding that character, tried as KPa, psi, bar (atm, vac, oth). A hand-edited "other"
// reads as meant, but "Psi" reads as KPa, whose keyword holds a "P"; and nothing is recognised
// in an empty line.
std::optional<PressureUnit> RecognizeUnit(std::string_view line);
std::optional<OutletMode> RecognizeOutletMode(std::string_view line);

// The fourteen lines the column window saves: its unit, outlet mode and gas (first 24
// characters), and the solvent and liner lines copied from slots. Without an outlet mode it
// copies that line as well.
std::vector<std::string> ColumnSettingsLines(PressureUnit unit,
                                             std::optional<OutletMode> outletMode,
                                             std::string_view gasText, const SettingsSlots& slots);

// The fourteen lines the vapor window saves: its unit, solvent and liner (first 63 characters
// each), and the outlet mode and gas lines copied from slots.
std::vector<std::string> VaporSettingsLines(PressureUnit unit, std::string_view solventText,
                                            std::string_view linerText, const SettingsSlots& slots);

}  // namespace veltrane
