// The plot window: the velocity curve of plot.xy against the gas's optimum band.
#pragma once

#include "plot/PlotData.h"
#include "ui/Canvas.h"
#include "ui/Dialog.h"
#include "ui/Host.h"

namespace veltrane {

namespace plot {
constexpr int IDC_SCALE_TENTH = 1043;
constexpr int IDC_SCALE_FULL = 1044;
constexpr int IDC_DIAMETER_LINE = 1147;
constexpr int IDC_TEMPERATURE_LINE = 1148;
constexpr int IDC_LENGTH_LINE = 1149;
constexpr int IDC_OUTLET_LINE = 1150;
constexpr int IDC_PRESSURE_LEFT = 1080;
constexpr int IDC_PRESSURE_MIDDLE = 1081;
constexpr int IDC_PRESSURE_RIGHT = 1082;
constexpr int IDC_AXIS_TITLE = 1077;
constexpr int IDC_GRID_LEGEND = 1145;
constexpr int IDC_VELOCITY_TITLE = 1146;
constexpr int IDC_HELP = 1059;
constexpr int IDC_PRINT = 1010;
}  // namespace plot

class PlotWindow {
public:
    explicit PlotWindow(ui::Host& host);

    // Shows a curve (as plot.xy holds it) modally, on the full pressure scale.
    int run(PlotData data);

    const PlotData& data() const { return m_data; }

private:
    void open();
    PlotScale scale() const;
    void refreshLabels();
    void paint(ui::Canvas& canvas);

    ui::Host& m_host;
    ui::Dialog* m_dialog = nullptr;
    PlotData m_data;
};

// Draws the frame, band, grid and curve in client pixels for the given scale.
void DrawPlot(ui::Canvas& canvas, const PlotData& data, PlotScale scale);

}  // namespace veltrane
