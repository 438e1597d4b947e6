#include "column/ColumnPrintout.h"

#include "column/ColumnIds.h"
#include "data/Text.h"
#include "resources/UnitButtons.h"

namespace veltrane {

using namespace column;

namespace {

constexpr std::size_t kPrintLineLimit = 59;

}  // namespace

std::vector<std::string> ColumnPrintLines(const ui::Dialog& w) {
    auto value = [&](int id, std::size_t limit) { return FirstChars(w.text(id), limit); };
    std::vector<std::string> lines{
        "Orvanex Pressure/Flow Calculator Version A.02.07",
        "Pressure/Flow calculations",
        " ",
        value(IDC_GAS_LIST, 39),
        "Column length(m): " + value(IDC_LENGTH, 5),
        "Column id(mm): " + value(IDC_DIAMETER, 5),
        "Temperature(C): " + value(IDC_TEMPERATURE, 5),
        " ",
        "Inlet Pressure " + res::PrintedUnitLabel(w) + value(IDC_INLET, 7),
        "Flow rate(ml/min): " + value(IDC_FLOW, 7),
        "Velocity (cm/s): " + value(IDC_VELOCITY, 7),
        "Outlet Pressure" + res::PrintedUnitLabel(w) + value(IDC_OUTLET, 7),
        "  ",
        "Holdup time(m): " + value(IDC_HOLDUP, 17),
        "Inlet Flow(ml/min): " + value(IDC_INLET_FLOW, 7),
    };
    for (std::string& line : lines) line = FirstChars(line, kPrintLineLimit);
    return lines;
}

}  // namespace veltrane
