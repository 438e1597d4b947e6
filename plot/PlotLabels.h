// The pressure axis labels and grid legend of the plot, by pressure unit and scale.
#pragma once

#include <optional>
#include <string>

#include "data/PressureUnit.h"
#include "plot/PlotData.h"

namespace veltrane {

struct PressureLabels {
    const char* m_left;
    const char* m_middle;
    const char* m_right;
    std::string m_legend;  // in the language of the windows
};

PressureLabels LabelsFor(PressureUnit unit, PlotScale scale);

// The unit named by plot.xy's unit line, by its first character; none for anything else.
std::optional<PressureUnit> PlotUnit(const PlotData& data);

// The horizontal axis title: the fixed words, in the language of the windows, followed by the
// unit line as read.
std::string AxisTitle(const PlotData& data);

// A description line of plot.xy as the window shows it: its Russian label ("Темп(C) = ") in the
// language of the windows, the rest as read. The file itself keeps the Russian labels.
std::string ShownDescription(const std::string& line);

}  // namespace veltrane
