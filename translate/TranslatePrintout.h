// The method translation on paper: both methods, both programs, the factor and the warnings.
#pragma once

#include <string>
#include <vector>

#include "translate/model/MethodTranslation.h"
#include "ui/Dialog.h"
#include "ui/Printing.h"

namespace veltrane {

inline const ui::Printout kTranslatePrintout{"Orvanex Veltrane Method Translation",
                                             "translation.pdf"};

// The page's lines, from the texts the window shows and the warnings it found.
std::vector<std::string> TranslatePrintLines(const ui::Dialog& window,
                                             const std::vector<TranslationWarning>& warnings);

}  // namespace veltrane
