#include "chromatogram/ChromatogramPrintout.h"

#include <cmath>

#include "calculators/FiguresPrintout.h"
#include "chromatogram/ChromatogramIds.h"
#include "data/Numbers.h"
#include "data/Text.h"
#include "ui/Printing.h"

namespace veltrane {

using namespace chromatogram;

namespace {

const ui::Printout kChromatogramPrintout{"Predicted chromatogram", "chromatogram.pdf"};

}  // namespace

std::vector<std::string> ChromatogramPrintLines(const ui::Dialog& w, const ChromatogramResult& r) {
    auto value = [&](int id) { return calculators::PrintedText(w, id, 39); };
    const std::string unit = calculators::PrintedUnitLabel(w);
    std::vector<std::string> lines{calculators::kFiguresPrintoutHeader, "Predicted chromatogram",
                                   " "};
    lines.push_back("Column: " + value(IDC_LENGTH) + " m x " + value(IDC_DIAMETER) + " mm x " +
                    value(IDC_FILM) + " um, " + value(IDC_GAS_LIST));
    lines.push_back("Outlet Pressure" + unit + value(IDC_OUTLET));
    if (w.isChecked(IDC_CONSTANT_FLOW)) {
        lines.push_back("Constant flow (ml/min): " + value(IDC_FLOW));
    } else if (w.isChecked(IDC_PRESSURE_PROGRAM)) {
        std::string ends;
        for (int k = 0; k < kRamps && k < static_cast<int>(r.m_program.m_ramps.size()); ++k)
            ends += " -> " + (w.text(InletId(k)).empty() ? std::string("held") : value(InletId(k)));
        lines.push_back("Pressure program" + unit + value(IDC_INLET) + ends);
    } else {
        lines.push_back("Constant pressure" + unit + value(IDC_INLET));
    }
    lines.push_back("Oven: " + value(IDC_INITIAL) + " C, hold " + value(IDC_INITIAL_HOLD) + " min");
    for (std::size_t k = 0; k < r.m_program.m_ramps.size(); ++k) {
        const Ramp& ramp = r.m_program.m_ramps[k];
        std::string line = "  Ramp ";
        line.append(std::to_string(k + 1)).append(": ");
        line.append(FormatNumber("%.1f", ramp.m_rateCPerMin)).append(" C/min to ");
        line.append(FormatNumber("%.0f", ramp.m_finalC)).append(" C, hold ");
        line.append(FormatNumber("%.2f", ramp.m_holdMin)).append(" min");
        lines.push_back(line);
    }
    lines.push_back("Phase: " + value(IDC_PHASE_LIST));
    lines.push_back("Holdup time(m): " + value(IDC_HOLDUP) +
                    "  Run time (min): " + value(IDC_RUN_TIME));
    lines.push_back(" ");
    lines.push_back(" #  Compound               t (min)  w1/2 (s)     R");
    for (std::size_t k = 0; k < r.m_prediction.m_peaks.size(); ++k) {
        const Peak& peak = r.m_prediction.m_peaks[k];
        std::string line = calculators::Padded(std::to_string(k + 1), 2, true);
        line.append("  ").append(
            calculators::Padded(FirstChars(r.m_names[peak.m_solute], 20), 20, false));
        if (!peak.m_elution.m_eluted) {
            line += "   does not elute";
        } else {
            const auto column = [&line](const std::string& figure, std::size_t width) {
                line.append(" ").append(calculators::Padded(figure, width, true));
            };
            column(FormatNumber("%.3f", peak.m_elution.m_retentionS / 60), 8);
            column(peak.m_widthS ? FormatNumber("%.3f", *peak.m_widthS) : "", 9);
            column(peak.m_resolution ? FormatNumber("%.2f", *peak.m_resolution) : "", 5);
            if (peak.m_critical) line += " critical";
        }
        lines.push_back(line);
    }
    for (const ChromatogramWarning& warning : r.m_warnings)
        lines.push_back("Warning: " + WarningText(warning, true));
    return calculators::FitToPage(std::move(lines));
}

void PrintChromatogram(ui::Host& host, const ui::Dialog& window, const ChromatogramResult& r) {
    const std::vector<std::string> lines = ChromatogramPrintLines(window, r);
    // The drawing below the figures, as wide as a line of them.
    calculators::PrintFiguresAndDrawing(
        host, kChromatogramPrintout, lines, 18,
        [&](ui::Printer& printer, const ui::Rect& frame) { DrawChromatogram(printer, frame, r); });
}

}  // namespace veltrane
