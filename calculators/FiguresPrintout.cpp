#include "calculators/FiguresPrintout.h"

#include "calculators/UnitButtons.h"
#include "data/Text.h"

namespace veltrane::calculators {

std::string PrintedText(const ui::Dialog& window, int id, std::size_t limit) {
    return FirstChars(window.text(id), limit);
}

std::string PrintedUnitLabel(const ui::Dialog& window) {
    // Appended piece by piece: GCC 12 for 32-bit Windows warns of an overlap in "(" + text.
    std::string label = "(";
    label += UnitKeyword(CheckedUnit(window));
    label += "): ";
    return label;
}

std::vector<std::string> FitToPage(std::vector<std::string> lines) {
    for (std::string& line : lines) line = FirstChars(line, kPrintLineLimit);
    return lines;
}

std::string Padded(std::string text, std::size_t width, bool right) {
    const std::size_t length = CharCount(text);
    if (length >= width) return text;
    const std::string blanks(width - length, ' ');
    return right ? blanks + text : text + blanks;
}

void PrintFiguresAndDrawing(ui::Host& host, const ui::Printout& printout,
                            const std::vector<std::string>& lines, int drawingLines,
                            const std::function<void(ui::Printer&, const ui::Rect&)>& draw) {
    ui::PrintPage(host, printout, [&](ui::Printer& printer) {
        const ui::TextMetrics metrics = printer.textMetrics();
        const int lineHeight = metrics.height + metrics.externalLeading;
        const int left = 10 * metrics.aveCharWidth;
        for (std::size_t k = 0; k < lines.size(); ++k)
            printer.textOut(left, (5 + static_cast<int>(k)) * lineHeight, lines[k]);
        const int top = (7 + static_cast<int>(lines.size())) * lineHeight;
        draw(printer,
             {left, top, left + 60 * metrics.aveCharWidth, top + drawingLines * lineHeight});
    });
}

}  // namespace veltrane::calculators
