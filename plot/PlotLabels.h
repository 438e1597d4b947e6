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
    const char* m_legend;
};

PressureLabels LabelsFor(PressureUnit unit, PlotScale scale);

// The unit named by plot.xy's unit line, by its first character; none for anything else.
std::optional<PressureUnit> PlotUnit(const PlotData& data);

// The horizontal axis title: the fixed words followed by the unit line as read.
std::string AxisTitle(const PlotData& data);

}  // namespace veltrane
