// What the two calculators' figures printouts share: the page width and how a field is quoted.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "ui/Dialog.h"

namespace veltrane::calculators {

// The first line of the column and translation printouts: the program and its version.
inline constexpr const char* kFiguresPrintoutHeader =
    "Orvanex Pressure/Flow Calculator Version A.02.07";

// The characters a printout line holds; FitToPage cuts a longer one.
inline constexpr std::size_t kPrintLineLimit = 59;

// The first `limit` characters of a control's text, as a printout line quotes it.
std::string PrintedText(const ui::Dialog& window, int id, std::size_t limit);

// "(KPa): " and so on: how the printouts label a pressure, in the unit checked.
std::string PrintedUnitLabel(const ui::Dialog& window);

// Each line cut to what fits on the page.
std::vector<std::string> FitToPage(std::vector<std::string> lines);

}  // namespace veltrane::calculators
