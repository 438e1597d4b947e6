#include "column/ColumnPrintout.h"

#include "calculators/FiguresPrintout.h"
#include "column/ColumnIds.h"
#include "data/Text.h"

namespace veltrane {

using namespace column;
using calculators::PrintedUnitLabel;

std::vector<std::string> ColumnPrintLines(const ui::Dialog& w) {
    auto value = [&](int id, std::size_t limit) { return calculators::PrintedText(w, id, limit); };
    return calculators::FitToPage({
        calculators::kFiguresPrintoutHeader,
        "Pressure/Flow calculations",
        " ",
        value(IDC_GAS_LIST, 39),
        "Column length(m): " + value(IDC_LENGTH, 5),
        "Column id(mm): " + value(IDC_DIAMETER, 5),
        "Temperature(C): " + value(IDC_TEMPERATURE, 5),
        " ",
        "Inlet Pressure " + PrintedUnitLabel(w) + value(IDC_INLET, 7),
        "Flow rate(ml/min): " + value(IDC_FLOW, 7),
        "Velocity (cm/s): " + value(IDC_VELOCITY, 7),
        "Outlet Pressure" + PrintedUnitLabel(w) + value(IDC_OUTLET, 7),
        "  ",
        "Holdup time(m): " + value(IDC_HOLDUP, 17),
        "Inlet Flow(ml/min): " + value(IDC_INLET_FLOW, 7),
    });
}

}  // namespace veltrane
