#include "ui/Printing.h"

namespace veltrane::ui {

namespace {

void NoDeviceContext(Host& host) {
    host.messageBox("Sorry, can't get printer device context", "Veltrane",
                    MessageIcon::Exclamation);
}

// The printer the user chose; null when the dialog was cancelled (nothing shown) or when no
// printer could be had (the user is told).
std::unique_ptr<Printer> ChoosePrinter(Host& host, const Printout& printout) {
    PrinterChoice choice = host.choosePrinter(printout.fileName);
    if (choice.outcome == PrinterChoice::Outcome::Cancelled) return nullptr;
    if (choice.outcome == PrinterChoice::Outcome::NoPrinter || !choice.printer) {
        NoDeviceContext(host);
        return nullptr;
    }
    return std::move(choice.printer);
}

}  // namespace

void PrintPage(Host& host, const Printout& printout, const std::function<void(Printer&)>& draw) {
    const std::unique_ptr<Printer> printer = ChoosePrinter(host, printout);
    if (!printer) return;
    if (!printer->startDoc(printout.documentName)) {
        if (!printer->cancelled()) NoDeviceContext(host);
        return;
    }
    bool finished = printer->startPage();
    if (finished) draw(*printer);
    finished = printer->endPage() && finished;
    finished = printer->endDoc() && finished;
    // What the printer did not finish has not been printed, whatever it took.
    if (!finished)
        host.messageBox("Sorry, can't finish printing.", "Veltrane", MessageIcon::Exclamation);
}

void PrintTextPage(Host& host, const Printout& printout, const std::vector<std::string>& lines) {
    PrintPage(host, printout, [&](Printer& printer) {
        const TextMetrics metrics = printer.textMetrics();
        const int lineHeight = metrics.height + metrics.externalLeading;
        for (std::size_t k = 0; k < lines.size(); ++k)
            printer.textOut(10 * metrics.aveCharWidth, (5 + static_cast<int>(k)) * lineHeight,
                            lines[k]);
    });
}

}  // namespace veltrane::ui
