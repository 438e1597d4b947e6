#include "plot/PlotPrintout.h"

#include <algorithm>
#include <cmath>

#include "plot/PlotLabels.h"
#include "ui/Printing.h"

namespace veltrane {

namespace {

int Pixel(double value) {
    return static_cast<int>(std::clamp(std::trunc(value), -1e6, 1e6));
}

}  // namespace

void DrawPlotPage(ui::Canvas& page, const PlotData& data, PlotScale scale) {
    const ui::Color black{0, 0, 0};
    const ui::Pen framePen{black, 6};
    const ui::Pen gridPen{black, 1};
    const ui::Pen curvePen{black, 2};
    const ui::Brush bandBrush{ui::BrushStyle::HatchBDiagonal, black};

    page.textOut(200, 275, "Carrier Velocity vs. Inlet Pressure (Orvanex Veltrane V.A.02.07)");
    // The description lines as the plot window shows them, so an English page stays English.
    page.textOut(200, 375, ShownDescription(data.m_diameter));
    page.textOut(700, 375, ShownDescription(data.m_temperature));
    page.textOut(1150, 375, ShownDescription(data.m_length));
    page.textOut(1700, 375, ShownDescription(data.m_outlet));
    page.textOut(200, 775, "Average");
    page.textOut(200, 875, "Linear");
    page.textOut(200, 975, "Velocity");
    page.textOut(200, 1075, "(cm/s)");
    page.textOut(200, 1700, ShownDescription(data.m_gas));
    page.textOut(900, 1600, AxisTitle(data));
    const char* velocities[] = {"200", "160", "120", "80", "40"};
    for (int k = 0; k < 5; ++k) page.textOut(475, 475 + 200 * k, velocities[k]);

    page.selectPen(framePen);
    page.rectangle(580, 500, 2080, 1500);

    // In long long: a hand-edited limit times 5 may not fit an int. Whatever is drawn lies
    // inside the frame.
    const long long a = 1500 - 5LL * data.m_optimumHigh;
    const long long top = a >= 500 ? a : 501;
    // A band limit below zero would hatch under the frame; the band stops at its bottom.
    const long long bottom = a >= 1500 ? 1500 : std::min(1500LL, 1500 - 5LL * data.m_optimumLow);
    if (bottom > top)
        page.fillRect({583, static_cast<int>(top), 2077, static_cast<int>(bottom)}, bandBrush);

    page.moveTo(1330, 1480);
    page.lineTo(1330, 1500);

    page.selectPen(gridPen);
    for (int x = 680; x <= 1980; x += 100) {
        page.moveTo(x, 500);
        page.lineTo(x, 1500);
    }
    for (int y = 600; y <= 1400; y += 100) {
        page.moveTo(580, y);
        page.lineTo(2080, y);
    }

    const bool full = scale == PlotScale::Full;
    if (const auto unit = PlotUnit(data)) {
        PressureLabels labels = LabelsFor(*unit, scale);
        // On paper the psi scale starts at "1.0", where the window shows "1".
        if (*unit == PressureUnit::Psi && full) labels.m_left = "1.0";
        page.textOut(560, 1525, labels.m_left);
        page.textOut(1310, 1525, labels.m_middle);
        page.textOut(*unit == PressureUnit::Bar ? 2080 : 2060, 1525, labels.m_right);
        page.textOut(200, 1800, labels.m_legend);
    }

    page.setViewportOrigin(580, 500);
    const double pixelsPerPsi = full ? 10 : 100;
    const std::size_t n = std::min<std::size_t>(full ? 150 : 15, data.m_points.size());
    auto x = [&](const PlotPoint& p) { return Pixel(pixelsPerPsi * p.m_pressure); };
    auto y = [&](const PlotPoint& p) { return Pixel(1000 - 5 * p.m_velocity); };
    const auto begin = data.m_points.begin();
    const auto first =
        std::find_if(begin, begin + n, [](const PlotPoint& p) { return p.m_velocity > 0; });
    if (first == begin + n) return;
    page.moveTo(x(*first), y(*first));
    page.selectPen(curvePen);
    for (auto it = begin; it != begin + n; ++it) {
        const double height = 5 * it->m_velocity;
        if (height > 0 && height < 1000) page.lineTo(x(*it), y(*it));
    }
}

void PrintPlot(ui::Host& host, const PlotData& data, PlotScale scale) {
    ui::PrintPage(host, kPlotPrintout,
                  [&](ui::Printer& printer) { DrawPlotPage(printer, data, scale); });
}

}  // namespace veltrane
