// The chart of both oven programs: temperature against time on one time axis, drawn inside the
// window's chart group.
#include <algorithm>
#include <cmath>

#include "data/Numbers.h"
#include "data/Translation.h"
#include "translate/MethodTranslator.h"
#include "ui/DialogUnits.h"

namespace veltrane {

using namespace translate;

namespace {

// The corners of a program's temperature line: (minutes, °C).
std::vector<std::pair<double, double>> Corners(const OvenProgram& program) {
    std::vector<std::pair<double, double>> corners{{0, program.m_initialC}};
    double time = program.m_initialHoldMin;
    double temperature = program.m_initialC;
    corners.emplace_back(time, temperature);
    for (const Ramp& ramp : program.m_ramps) {
        time += std::abs(ramp.m_finalC - temperature) / ramp.m_rateCPerMin;
        temperature = ramp.m_finalC;
        corners.emplace_back(time, temperature);
        time += ramp.m_holdMin;
        corners.emplace_back(time, temperature);
    }
    return corners;
}

bool AllFinite(const std::vector<std::pair<double, double>>& corners) {
    return std::all_of(corners.begin(), corners.end(), [](const auto& corner) {
        return std::isfinite(corner.first) && std::isfinite(corner.second);
    });
}

}  // namespace

void MethodTranslator::paint(ui::Canvas& canvas) {
    // The frame sits inside the group box: room for the temperatures on the left, the caption
    // above and the times below.
    const ui::DluRect group = m_dialog->control(IDC_CHART).layout.rect;
    const ui::Rect frame =
        ui::DluToNominal({group.x + 35, group.y + 9, group.w - 40, group.h - 20});

    // A program too slow to time (a rate of next to nothing) has no line to draw.
    std::vector<std::pair<std::vector<std::pair<double, double>>, ui::Color>> lines;
    const Translation& t = m_translation;
    if (const auto corners = Corners(t.m_program); AllFinite(corners))
        lines.push_back({corners, {0, 0, 255}});
    if (t.m_translated)
        if (const auto corners = Corners(*t.m_translated); AllFinite(corners))
            lines.push_back({corners, {255, 0, 0}});

    double lastTime = 1, low = t.m_program.m_initialC, high = t.m_program.m_initialC;
    for (const auto& [corners, color] : lines)
        for (const auto& [time, temperature] : corners) {
            lastTime = std::max(lastTime, time);
            low = std::min(low, temperature);
            high = std::max(high, temperature);
        }
    if (!(high - low >= 10)) high = low + 10;

    canvas.selectPen({{0, 0, 0}, 1});
    canvas.selectBrush({ui::BrushStyle::Solid, {255, 255, 255}});
    canvas.rectangle(frame.left, frame.top, frame.right, frame.bottom);
    const double width = frame.right - frame.left - 1, height = frame.bottom - frame.top - 1;
    const auto x = [&](double time) {
        return ui::RoundedPixel(frame.left + time / lastTime * width);
    };
    const auto y = [&](double c) {
        return ui::RoundedPixel(frame.bottom - 1 - (c - low) / (high - low) * height);
    };
    for (const auto& [corners, color] : lines) {
        canvas.selectPen({color, 2});
        canvas.moveTo(x(corners.front().first), y(corners.front().second));
        for (const auto& [time, temperature] : corners) canvas.lineTo(x(time), y(temperature));
    }
    const int left = ui::DluToNominalX(group.x + 4);
    canvas.textOut(left, frame.top - 4, FormatNumber("%.0f C", high));
    canvas.textOut(left, frame.bottom - 12, FormatNumber("%.0f C", low));
    canvas.textOut(frame.left, frame.bottom + 2, "0");
    canvas.textOut(frame.right - 60, frame.bottom + 2, FormatNumber("%.1f min", lastTime));
    canvas.textOut(frame.left + 200, frame.bottom + 2,
                   Translate("синий: исходный, красный: новый"));
}

}  // namespace veltrane
