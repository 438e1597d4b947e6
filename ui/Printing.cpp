#include "ui/Printing.h"

namespace veltrane::ui {

namespace {

void NoDeviceContext(Host& host) {
    host.messageBox("Sorry, can't get printer device context", "Veltrane",
                    MessageIcon::Exclamation);
}

}  // namespace

std::unique_ptr<Printer> ChoosePrinter(Host& host, const Printout& printout) {
    PrinterChoice choice = host.choosePrinter(printout.fileName);
    if (choice.outcome == PrinterChoice::Outcome::Cancelled) return nullptr;
    if (choice.outcome == PrinterChoice::Outcome::NoPrinter || !choice.printer) {
        NoDeviceContext(host);
        return nullptr;
    }
    return std::move(choice.printer);
}

bool StartDocument(Host& host, Printer& printer, const Printout& printout) {
    if (printer.startDoc(printout.documentName)) return true;
    NoDeviceContext(host);
    return false;
}

void PrintTextPage(Host& host, const Printout& printout, const std::vector<std::string>& lines) {
    const std::unique_ptr<Printer> printer = ChoosePrinter(host, printout);
    if (!printer) return;
    const TextMetrics metrics = printer->textMetrics();
    const int lineHeight = metrics.height + metrics.externalLeading;
    if (!StartDocument(host, *printer, printout)) return;
    printer->startPage();
    for (std::size_t k = 0; k < lines.size(); ++k)
        printer->textOut(10 * metrics.aveCharWidth, (5 + static_cast<int>(k)) * lineHeight,
                         lines[k]);
    printer->endPage();
    printer->endDoc();
}

}  // namespace veltrane::ui
