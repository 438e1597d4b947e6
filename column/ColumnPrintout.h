// The column calculator's figures as a page of text: a copy of what the window shows.
#pragma once

#include <string>
#include <vector>

#include "ui/Dialog.h"
#include "ui/Printing.h"

namespace veltrane {

inline const ui::Printout kColumnPrintout{"Orvanex Veltrane Pressure/Flow Printout", "column.pdf"};

// The 15 lines of the page, each value cut to the length the page keeps of it.
std::vector<std::string> ColumnPrintLines(const ui::Dialog& window);

}  // namespace veltrane
