#include "data/Settings.h"

#include <vector>

#include "data/Text.h"
#include "data/TextFile.h"

namespace veltrane {
namespace {

// The fourteen lines of the file; the section line of the gas is spelled by whichever window
// writes, and nothing reads it.
std::vector<std::string> SettingsLines(PressureUnit unit, std::string outletLine,
                                       std::string_view gasSection, std::string gasLine,
                                       std::string solventLine, std::string linerLine) {
    return {"[Pressure Units]",
            std::string(UnitKeyword(unit)),
            "",
            "[Outlet Pressure]",
            std::move(outletLine),
            "",
            std::string(gasSection),
            std::move(gasLine),
            "",
            "[Solvent]",
            std::move(solventLine),
            "",
            "[liner]",
            std::move(linerLine)};
}

}  // namespace

SettingsSlots SettingsFromText(std::string_view fileText) {
    SettingsSlots slots;
    const TextLines text = SplitLines(fileText);
    for (std::size_t i = 0; i < slots.size() && i < text.m_lines.size(); ++i) {
        slots[i] = FirstChars(text.m_lines[i], kSettingsLineLimit);
    }
    return slots;
}

std::optional<PressureUnit> RecognizeUnit(std::string_view line) {
    if (line.empty()) return std::nullopt;
    // Whether the first character occurs in the keyword; "a" is in both "KPa" and "bar" and
    // goes to KPa, which is tried first.
    for (PressureUnit unit : kPressureUnits) {
        if (UnitKeyword(unit).find(line.front()) != std::string_view::npos) return unit;
    }
    return std::nullopt;
}

std::optional<OutletMode> RecognizeOutletMode(std::string_view line) {
    if (line.empty()) return std::nullopt;
    for (OutletMode mode : kOutletModes) {
        if (OutletKeyword(mode).find(line.front()) != std::string_view::npos) return mode;
    }
    return std::nullopt;
}

std::vector<std::string> ColumnSettingsLines(PressureUnit unit,
                                             std::optional<OutletMode> outletMode,
                                             std::string_view gasText, const SettingsSlots& slots) {
    std::string outlet = outletMode ? std::string(OutletKeyword(*outletMode)) : slots[kOutletLine];
    return SettingsLines(unit, std::move(outlet), "[Gas]", FirstChars(gasText, kGasNameLimit),
                         slots[kSolventLine], slots[kLinerLine]);
}

std::vector<std::string> VaporSettingsLines(PressureUnit unit, std::string_view solventText,
                                            std::string_view linerText,
                                            const SettingsSlots& slots) {
    return SettingsLines(unit, slots[kOutletLine], "[gas]", slots[kGasLine],
                         FirstChars(solventText, kSettingsLineLimit),
                         FirstChars(linerText, kSettingsLineLimit));
}

}  // namespace veltrane
