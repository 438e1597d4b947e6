// The method translation on paper: both methods, both programs, the factor and the warnings.
#pragma once

#include <string>
#include <vector>

#include "ui/Dialog.h"
#include "ui/Printing.h"

namespace veltrane {

inline const ui::Printout kTranslatePrintout{"Orvanex Veltrane Method Translation",
                                             "translation.pdf"};

// The page's lines, from the texts the window shows.
std::vector<std::string> TranslatePrintLines(const ui::Dialog& window);

}  // namespace veltrane
