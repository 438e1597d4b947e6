// The plot in client pixels: a 450 × 200 frame at (70,50), one pixel per cm/s upwards.
#include <algorithm>
#include <cmath>

#include "plot/PlotWindow.h"

namespace veltrane {

namespace {

constexpr ui::Color kBandColor{0, 192, 64};

// A whole pixel from a coordinate that a hand-edited file may have made huge.
int Pixel(double value) {
    return static_cast<int>(std::clamp(std::trunc(value), -1e6, 1e6));
}

}  // namespace

void DrawPlot(ui::Canvas& canvas, const PlotData& data, PlotScale scale) {
    const ui::Pen framePen{{0, 0, 255}, 1};
    const ui::Pen gridPen{{200, 200, 200}, 1};
    const ui::Pen curvePen{{255, 0, 0}, 1};
    const ui::Brush white{ui::BrushStyle::Solid, {255, 255, 255}};
    const ui::Brush band{ui::BrushStyle::Solid, kBandColor};

    canvas.selectPen(framePen);
    canvas.selectBrush(white);
    canvas.rectangle(70, 50, 520, 250);

    // The band is held inside the frame: never over its top edge, never below its bottom.
    // In long long, as the limits may be anything a hand-edited file holds.
    long long top = 250LL - data.m_optimumHigh;
    if (top <= 50) top = 51;
    long long height = static_cast<long long>(data.m_optimumHigh) - data.m_optimumLow;
    if (top + height > 250) height = 249 - top;
    if (height > 0)
        canvas.fillRect({71, static_cast<int>(top), 71 + 448, static_cast<int>(top + height)},
                        band);

    canvas.rectangle(20, 310, 51, 327);
    canvas.fillRect({21, 311, 21 + 29, 311 + 15}, band);

    canvas.selectPen(gridPen);
    canvas.moveTo(295, 245);
    canvas.lineTo(295, 250);
    for (int x = 100; x <= 490; x += 30) {
        canvas.moveTo(x, 50);
        canvas.lineTo(x, 250);
    }
    for (int y = 90; y <= 210; y += 40) {
        canvas.moveTo(70, y);
        canvas.lineTo(520, y);
    }

    canvas.selectPen(curvePen);
    canvas.setViewportOrigin(70, 50);
    const bool full = scale == PlotScale::Full;
    const double pixelsPerPsi = full ? 3 : 30;
    const std::size_t n = std::min<std::size_t>(full ? 150 : 15, data.m_points.size());
    auto at = [&](const PlotPoint& p) {
        return ui::Point{Pixel(pixelsPerPsi * p.m_pressure), Pixel(200 - p.m_velocity)};
    };
    const auto begin = data.m_points.begin();
    const auto first =
        std::find_if(begin, begin + n, [](const PlotPoint& p) { return p.m_velocity > 0; });
    if (first == begin + n) return;
    canvas.moveTo(at(*first).x, at(*first).y);
    // Points off the chart are skipped without lifting the pen.
    for (auto it = begin; it != begin + n; ++it) {
        if (it->m_velocity > 0 && it->m_velocity < 200) canvas.lineTo(at(*it).x, at(*it).y);
    }
}

}  // namespace veltrane
