// The translated chromatograms on paper: both methods and the list in English, then both
// drawings.
#pragma once

#include <string>
#include <vector>

#include "translated/TranslatedChromatograms.h"
#include "ui/Dialog.h"
#include "ui/Host.h"

namespace veltrane {

std::vector<std::string> TranslatedPrintLines(const ui::Dialog& window,
                                              const TranslatedMethods& methods,
                                              const TranslatedResult& result);

// Asks for a printer and prints one page; failures are told as every printout tells them.
void PrintTranslated(ui::Host& host, const ui::Dialog& window, const TranslatedMethods& methods,
                     const TranslatedResult& result);

}  // namespace veltrane
