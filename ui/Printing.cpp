#include "ui/Printing.h"

namespace veltrane::ui {

std::unique_ptr<Printer> ChoosePrinter(Host& host) {
    PrinterChoice choice = host.choosePrinter();
    if (choice.outcome == PrinterChoice::Outcome::Cancelled) return nullptr;
    if (choice.outcome == PrinterChoice::Outcome::NoPrinter || !choice.printer) {
        host.messageBox("Sorry, can't get printer device context", "Veltrane",
                        MessageIcon::Exclamation);
        return nullptr;
    }
    return std::move(choice.printer);
}

void PrintTextPage(Host& host, const std::string& documentName,
                   const std::vector<std::string>& lines) {
    const std::unique_ptr<Printer> printer = ChoosePrinter(host);
    if (!printer) return;
    const TextMetrics metrics = printer->textMetrics();
    const int lineHeight = metrics.height + metrics.externalLeading;
    printer->startDoc(documentName);
    printer->startPage();
    for (std::size_t k = 0; k < lines.size(); ++k)
        printer->textOut(10 * metrics.aveCharWidth, (5 + static_cast<int>(k)) * lineHeight,
                         lines[k]);
    printer->endPage();
    printer->endDoc();
}

}  // namespace veltrane::ui
