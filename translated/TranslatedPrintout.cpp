#include "translated/TranslatedPrintout.h"

#include "calculators/FiguresPrintout.h"
#include "data/Numbers.h"
#include "data/Text.h"
#include "ui/Printing.h"

namespace veltrane {

using namespace translated;

namespace {

const ui::Printout kTranslatedPrintout{"Translated chromatograms", "translated.pdf"};

// A method as two lines: its column and gas, then its carrier and run time.
std::vector<std::string> MethodLines(const char* title, const MethodColumn& column, double filmUm,
                                     const std::string& gas,
                                     const std::optional<MethodCarrier>& carrier,
                                     const std::optional<OvenProgram>& program) {
    std::string first = title;
    first.append(": ").append(FormatNumber("%.2f", column.m_lengthM)).append(" m x ");
    first.append(FormatNumber("%.3f", column.m_diameterMm)).append(" mm x ");
    first.append(FormatNumber("%.2f", filmUm)).append(" um, ").append(gas);
    std::string second = "  ";
    if (carrier && carrier->m_inlet.solved()) {
        const bool flow = carrier->m_setting.m_control == CarrierControl::ConstantFlow;
        second.append(flow ? FormatNumber("Outlet flow %.2f ml/min", carrier->m_setting.m_value)
                           : FormatNumber("Inlet %.2f psi", carrier->m_setting.m_value));
    } else {
        second.append("No carrier");
    }
    second.append(program ? FormatNumber(", run time %.2f min", RunTime(*program)) : "");
    return {first, second};
}

// A row's note in the room a line has left: the warnings below say it whole.
const char* PaperNote(CompoundNote note) {
    switch (note) {
        case CompoundNote::None:
            break;
        case CompoundNote::NotEluted:
            return " no peak";
        case CompoundNote::OrderChanged:
            return " order";
        case CompoundNote::CriticalPair:
            return " critical";
    }
    return "";
}

}  // namespace

std::vector<std::string> TranslatedPrintLines(const ui::Dialog& w, const TranslatedMethods& m,
                                              const TranslatedResult& r) {
    const Translation& t = m.m_translation;
    const bool flow = m.m_input.m_control == CarrierControl::ConstantFlow;
    std::vector<std::string> lines{calculators::kFiguresPrintoutHeader, "Translated chromatograms",
                                   flow ? "Constant flow" : "Constant pressure", " "};
    for (std::string& line :
         MethodLines("Original", m.m_input.m_original, m.m_input.m_originalFilmUm, m.m_gas,
                     t.m_original, t.m_program))
        lines.push_back(std::move(line));
    for (std::string& line : MethodLines("New", m.m_input.m_new, m.m_input.m_newFilmUm, m.m_newGas,
                                         t.m_new, t.m_translated))
        lines.push_back(std::move(line));
    lines.push_back("Translation factor G: " + calculators::PrintedText(w, IDC_FACTOR, 39));
    lines.push_back("Phase: " + calculators::PrintedText(w, IDC_PHASE_LIST, 39));
    lines.push_back(" ");
    lines.push_back(" #  Compound    t (min)   t new  ratio     R R new");
    for (std::size_t k = 0; k < r.m_compared.size(); ++k) {
        const ComparedCompound& c = r.m_compared[k];
        std::string line = calculators::Padded(std::to_string(k + 1), 2, true);
        line.append("  ").append(
            calculators::Padded(FirstChars(r.m_original.m_names[c.m_solute], 11), 11, false));
        const auto column = [&line](const std::optional<double>& value, const char* format,
                                    double scale, std::size_t width) {
            line.append(" ").append(calculators::Padded(
                value ? FormatNumber(format, *value / scale) : "", width, true));
        };
        column(c.m_retentionS, "%.3f", 60, 7);
        column(c.m_newRetentionS, "%.3f", 60, 7);
        column(c.m_ratio, "%.4f", 1, 6);
        column(c.m_resolution, "%.2f", 1, 5);
        column(c.m_newResolution, "%.2f", 1, 5);
        line.append(PaperNote(NoteOf(c, r.m_translated)));
        lines.push_back(line);
    }
    for (const TranslatedWarning& warning : r.m_warnings)
        lines.push_back("Warning: " + WarningText(warning, true));
    return calculators::FitToPage(std::move(lines));
}

void PrintTranslated(ui::Host& host, const ui::Dialog& window, const TranslatedMethods& methods,
                     const TranslatedResult& r) {
    const std::vector<std::string> lines = TranslatedPrintLines(window, methods, r);
    // The drawing below the figures, as wide as a line of them.
    calculators::PrintFiguresAndDrawing(host, kTranslatedPrintout, lines, 20,
                                        [&](ui::Printer& printer, const ui::Rect& frame) {
                                            DrawTranslatedChromatograms(printer, frame, r, true);
                                        });
}

}  // namespace veltrane
