// What the two calculators' figures printouts share: the page width and how a field is quoted.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "ui/Dialog.h"
#include "ui/Host.h"
#include "ui/Printing.h"

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

// A text made `width` characters wide with blanks: before it when `right`, else after it.
std::string Padded(std::string text, std::size_t width, bool right);

// One page: the lines in the printer's default font (line k at ten average character widths
// from the left and 5 + k line heights from the top), and below them a drawing in a frame as
// wide as sixty characters and `drawingLines` lines high. Failures are told as every printout
// tells them.
void PrintFiguresAndDrawing(ui::Host& host, const ui::Printout& printout,
                            const std::vector<std::string>& lines, int drawingLines,
                            const std::function<void(ui::Printer&, const ui::Rect&)>& draw);

}  // namespace veltrane::calculators
