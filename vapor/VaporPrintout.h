// The vapor calculator's figures as a page of text: a copy of what the window shows.
#pragma once

#include <string>
#include <vector>

#include "ui/Dialog.h"
#include "ui/Printing.h"
#include "vapor/model/VaporVolumeModel.h"

namespace veltrane {

inline const ui::Printout kVaporPrintout{"Vapor", "vapor.pdf"};

// A solvent property with seven significant digits, trailing zeros dropped but the point
// kept: 69 prints as "69.", 0.66 as "0.66"; outside 0.1 to 10 000 000 in exponent form.
std::string PrintedProperty(double value);

// The 16 lines of the page, each value cut to the length the page keeps of it.
std::vector<std::string> VaporPrintLines(const ui::Dialog& window,
                                         const SolventProperties& solvent);

}  // namespace veltrane
