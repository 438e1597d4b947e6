// Getting a printer from the print dialog, and printing a page of text lines.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/Host.h"

namespace veltrane::ui {

// What a printout is called: the print job's name, and the PDF file offered for it.
struct Printout {
    std::string documentName;
    std::string fileName;  // in the work folder
};

// The printer the user chose; null when the dialog was cancelled (nothing shown) or when no
// printer could be had (the user is told).
std::unique_ptr<Printer> ChoosePrinter(Host& host, const Printout& printout);

// Starts the printout's document; when it cannot be started the user is told, and the caller
// prints nothing.
bool StartDocument(Host& host, Printer& printer, const Printout& printout);

// One page of text in the printer's default font: line k at ten average character widths
// from the left and 5 + k line heights from the top.
void PrintTextPage(Host& host, const Printout& printout, const std::vector<std::string>& lines);

}  // namespace veltrane::ui
