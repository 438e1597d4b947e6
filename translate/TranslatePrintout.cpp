#include "translate/TranslatePrintout.h"

#include <algorithm>

#include "calculators/FiguresPrintout.h"
#include "data/Text.h"
#include "translate/TranslateIds.h"
#include "translate/TranslateWarnings.h"

namespace veltrane {

using namespace translate;

namespace {

// A warning is a sentence: on paper it goes on over as many lines as it takes, at its blanks,
// rather than lose its end to the page's edge.
std::vector<std::string> Wrapped(const std::string& text) {
    std::vector<std::string> lines{""};
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find(' ', start), text.size());
        const std::string word = text.substr(start, end - start);
        std::string& line = lines.back();
        if (line.empty()) {
            line = word;
        } else if (CharCount(line) + 1 + CharCount(word) > calculators::kPrintLineLimit) {
            lines.push_back("  " + word);  // a continuation, indented
        } else {
            line += " " + word;
        }
        start = end + 1;
    }
    return lines;
}

}  // namespace

std::vector<std::string> TranslatePrintLines(const ui::Dialog& w,
                                             const std::vector<TranslationWarning>& warnings) {
    auto value = [&](int id) { return calculators::PrintedText(w, id, 39); };
    const std::string unit = calculators::PrintedUnitLabel(w);
    const bool flow = w.isChecked(IDC_CONSTANT_FLOW);
    std::vector<std::string> lines{calculators::kFiguresPrintoutHeader, "Method translation",
                                   flow ? "Constant flow" : "Constant pressure"};
    for (const auto& [title, m] :
         {std::pair{"Original method", &kOriginal}, std::pair{"New method", &kNew}}) {
        lines.push_back(" ");
        lines.push_back(std::string(title) + ": " + value(m->gasList));
        lines.push_back("Column: " + value(m->length) + " m x " + value(m->diameter) + " mm x " +
                        value(m->film) + " um, beta " + value(m->phaseRatio));
        lines.push_back("Outlet Pressure" + unit + value(m->outlet));
        lines.push_back("Inlet Pressure" + unit + value(m->inlet));
        lines.push_back("Flow (ml/min): " + value(m->flow) +
                        "  Velocity (cm/s): " + value(m->velocity));
        lines.push_back("Holdup time(m): " + value(m->holdUp));
    }
    lines.push_back(" ");
    lines.push_back("Translation factor G: " + value(IDC_FACTOR) +
                    "  Speed gain: " + value(IDC_SPEED_GAIN));
    lines.push_back("G at the final temperature: " + value(IDC_FINAL_FACTOR));
    lines.push_back(" ");
    lines.push_back("Oven program: original -> new");
    lines.push_back("Initial " + value(IDC_INITIAL) + " C, hold " + value(IDC_INITIAL_HOLD) +
                    " -> " + value(IDC_NEW_INITIAL_HOLD) + " min");
    // Every ramp that runs has a translated rate beside it, "n/a" when there is no factor.
    for (int k = 0; k < kRamps; ++k) {
        if (w.text(NewRateId(k)).empty()) break;
        lines.push_back("Ramp " + std::to_string(k + 1) + ": " + value(RateId(k)) + " -> " +
                        value(NewRateId(k)) + " C/min to " + value(FinalId(k)) + " C, hold " +
                        value(HoldId(k)) + " -> " + value(NewHoldId(k)));
    }
    lines.push_back("Run time (min): " + value(IDC_RUN_TIME) + " -> " + value(IDC_NEW_RUN_TIME));
    if (!warnings.empty()) lines.push_back(" ");
    for (const TranslationWarning& warning : warnings)
        for (std::string& line : Wrapped("Warning: " + WarningText(warning)))
            lines.push_back(std::move(line));
    return calculators::FitToPage(std::move(lines));
}

}  // namespace veltrane
