#include "calculators/FiguresPrintout.h"

#include "calculators/UnitButtons.h"
#include "data/Text.h"

namespace veltrane::calculators {

std::string PrintedText(const ui::Dialog& window, int id, std::size_t limit) {
    return FirstChars(window.text(id), limit);
}

std::string PrintedUnitLabel(const ui::Dialog& window) {
    return "(" + std::string(UnitKeyword(CheckedUnit(window))) + "): ";
}

std::vector<std::string> FitToPage(std::vector<std::string> lines) {
    for (std::string& line : lines) line = FirstChars(line, kPrintLineLimit);
    return lines;
}

}  // namespace veltrane::calculators
