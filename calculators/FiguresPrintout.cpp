#include "calculators/FiguresPrintout.h"

#include "calculators/UnitButtons.h"
#include "data/Text.h"

namespace veltrane::calculators {

std::string PrintedText(const ui::Dialog& window, int id, std::size_t limit) {
    return FirstChars(window.text(id), limit);
}

std::string PrintedUnitLabel(const ui::Dialog& window) {
    // Appended piece by piece: GCC 12 for 32-bit Windows warns of an overlap in "(" + text.
    std::string label = "(";
    label += UnitKeyword(CheckedUnit(window));
    label += "): ";
    return label;
}

std::vector<std::string> FitToPage(std::vector<std::string> lines) {
    for (std::string& line : lines) line = FirstChars(line, kPrintLineLimit);
    return lines;
}

}  // namespace veltrane::calculators
