#include "translate/TranslatePrintout.h"

#include "calculators/FiguresPrintout.h"
#include "translate/TranslateIds.h"

namespace veltrane {

using namespace translate;

std::vector<std::string> TranslatePrintLines(const ui::Dialog& w) {
    auto value = [&](int id) { return calculators::PrintedText(w, id, 39); };
    const std::string unit = calculators::PrintedUnitLabel(w);
    std::vector<std::string> lines{"Orvanex Pressure/Flow Calculator Version A.02.07",
                                   "Method translation", " "};
    const bool flow = w.isChecked(IDC_CONSTANT_FLOW);
    lines.push_back(flow ? "Constant flow" : "Constant pressure");
    for (const auto& [title, m] :
         {std::pair{"Original method", &kOriginal}, std::pair{"New method", &kNew}}) {
        lines.push_back(" ");
        lines.push_back(std::string(title) + ": " + value(m->gasList));
        lines.push_back("Column (m x mm x um): " + value(m->length) + " x " + value(m->diameter) +
                        " x " + value(m->film) + "   Phase ratio: " + value(m->phaseRatio));
        lines.push_back("Outlet Pressure" + unit + value(m->outlet));
        lines.push_back("Inlet Pressure" + unit + value(m->inlet) + "   Flow (ml/min): " +
                        value(m->flow) + "   Velocity (cm/s): " + value(m->velocity));
        lines.push_back("Holdup time(m): " + value(m->holdUp));
    }
    lines.push_back(" ");
    lines.push_back("Translation factor G: " + value(IDC_FACTOR) +
                    "   Speed gain: " + value(IDC_SPEED_GAIN));
    if (flow) lines.push_back("G at the final temperature: " + value(IDC_FINAL_FACTOR));
    lines.push_back(" ");
    lines.push_back("Oven program: original / new");
    lines.push_back("Initial (C): " + value(IDC_INITIAL) + "   hold (min): " +
                    value(IDC_INITIAL_HOLD) + " / " + value(IDC_NEW_INITIAL_HOLD));
    for (int k = 0; k < kRamps; ++k) {
        if (w.text(NewRateId(k)).empty()) break;
        lines.push_back("Ramp " + std::to_string(k + 1) + " (C/min): " + value(RateId(k)) + " / " +
                        value(NewRateId(k)) + "   to (C): " + value(FinalId(k)) +
                        "   hold (min): " + value(HoldId(k)) + " / " + value(NewHoldId(k)));
    }
    lines.push_back("Run time (min): " + value(IDC_RUN_TIME) + " / " + value(IDC_NEW_RUN_TIME));
    if (!w.text(IDC_WARNINGS).empty()) {
        lines.push_back(" ");
        lines.push_back("Warnings: " + w.text(IDC_WARNINGS));
    }
    return lines;
}

}  // namespace veltrane
