// The predicted chromatogram on paper: the figures in English, then the drawing.
#pragma once

#include <string>
#include <vector>

#include "chromatogram/ChromatogramWindow.h"
#include "ui/Dialog.h"
#include "ui/Host.h"

namespace veltrane {

std::vector<std::string> ChromatogramPrintLines(const ui::Dialog& window,
                                                const ChromatogramResult& result);

// Asks for a printer and prints one page; failures are told as every printout tells them.
void PrintChromatogram(ui::Host& host, const ui::Dialog& window, const ChromatogramResult& result);

}  // namespace veltrane
