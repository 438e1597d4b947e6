// Writing the velocity curve to plot.xy and reading it back into PlotData.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "column/model/FlowModel.h"
#include "data/OutletMode.h"
#include "data/PressureUnit.h"
#include "data/TextFile.h"
#include "plot/PlotData.h"

namespace veltrane {

// What the column calculator shows when Plot is pressed: its texts as they stand.
struct CurveInputs {
    std::string m_diameterText;
    std::string m_temperatureText;
    std::string m_lengthText;
    std::string m_outletText;
    std::string m_gasText;
    std::string m_optimumLowText;
    std::string m_optimumHighText;
    PressureUnit m_unit = PressureUnit::KPa;
    OutletMode m_outletMode = OutletMode::Atm;
    ViscosityLine m_viscosity{0, 0};
};

// The 158 lines of plot.xy: eight description lines, then one line per whole psi from 1 to
// 150 with the average velocity at that gauge inlet pressure.
std::vector<std::string> PlotFileLines(const CurveInputs& inputs);

// plot.xy is made anew at every press, so its save need not wait for the disk.
inline constexpr Durability kPlotFileDurability = Durability::Scratch;

// plot.xy's text as it stands: the description lines whole ("" for one missing), and
// the points' pressure and velocity tokens as written, read as PlotDataFromText reads them.
struct PlotFileText {
    std::vector<std::string> m_description;
    std::vector<std::pair<std::string, std::string>> m_points;
};
PlotFileText ReadPlotFileText(std::string_view text);

// The figures of plot.xy's text. Each description line is kept to its first characters, the
// rest of that line dropped; points are read until a token is not a number, at most
// kPlotMaxPoints of them.
PlotData PlotDataFromText(std::string_view text);

}  // namespace veltrane
