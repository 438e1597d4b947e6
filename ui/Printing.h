// Getting a printer from the print dialog, and printing a page of text lines.
#pragma once

#include <functional>
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

// Asks for a printer and prints one page drawn by `draw`. A printer that cannot be had, a
// document that cannot start, and a page or document the printer cannot finish are each told
// to the user; a cancelled dialog prints nothing and says nothing.
void PrintPage(Host& host, const Printout& printout, const std::function<void(Printer&)>& draw);

// One page of text in the printer's default font: line k at ten average character widths
// from the left and 5 + k line heights from the top.
void PrintTextPage(Host& host, const Printout& printout, const std::vector<std::string>& lines);

}  // namespace veltrane::ui
