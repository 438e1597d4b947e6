// Getting a printer from the print dialog, and printing a page of text lines.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/Host.h"

namespace veltrane::ui {

// The printer the user chose; null when the dialog was cancelled (nothing shown) or when no
// printer could be had (the user is told).
std::unique_ptr<Printer> ChoosePrinter(Host& host);

// One page of text in the printer's default font: line k at ten average character widths
// from the left and 5 + k line heights from the top.
void PrintTextPage(Host& host, const std::string& documentName,
                   const std::vector<std::string>& lines);

}  // namespace veltrane::ui
