// The chart of both oven programs: temperature against time on one time axis, in client
// pixels inside the window's chart group.
#include <algorithm>
#include <cmath>

#include "data/Numbers.h"
#include "data/Translation.h"
#include "translate/MethodTranslator.h"

namespace veltrane {

using namespace translate;

namespace {

constexpr ui::Rect kFrame{60, 472, 690, 598};

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

int Pixel(double value) {
    return static_cast<int>(std::clamp(std::round(value), -1e6, 1e6));
}

}  // namespace

void MethodTranslator::paint(ui::Canvas& canvas) {
    const OvenProgram original = program();
    const std::string factorText = m_dialog->text(IDC_FACTOR);
    const double factor = ReadNumber(factorText);
    std::vector<std::pair<std::vector<std::pair<double, double>>, ui::Color>> lines{
        {Corners(original), {0, 0, 255}}};
    if (factor > 0) lines.push_back({Corners(Translated(original, factor)), {255, 0, 0}});

    double lastTime = 1, low = original.m_initialC, high = original.m_initialC;
    for (const auto& [corners, color] : lines)
        for (const auto& [time, temperature] : corners) {
            lastTime = std::max(lastTime, time);
            low = std::min(low, temperature);
            high = std::max(high, temperature);
        }
    if (high - low < 10) high = low + 10;

    canvas.selectPen({{0, 0, 0}, 1});
    canvas.selectBrush({ui::BrushStyle::Solid, {255, 255, 255}});
    canvas.rectangle(kFrame.left, kFrame.top, kFrame.right, kFrame.bottom);
    const double width = kFrame.right - kFrame.left - 1, height = kFrame.bottom - kFrame.top - 1;
    const auto x = [&](double time) { return Pixel(kFrame.left + time / lastTime * width); };
    const auto y = [&](double c) {
        return Pixel(kFrame.bottom - 1 - (c - low) / (high - low) * height);
    };
    for (const auto& [corners, color] : lines) {
        canvas.selectPen({color, 2});
        canvas.moveTo(x(corners.front().first), y(corners.front().second));
        for (const auto& [time, temperature] : corners) canvas.lineTo(x(time), y(temperature));
    }
    canvas.textOut(14, kFrame.top - 4, FormatNumber("%.0f C", high));
    canvas.textOut(14, kFrame.bottom - 12, FormatNumber("%.0f C", low));
    canvas.textOut(kFrame.left, kFrame.bottom + 2, "0");
    canvas.textOut(kFrame.right - 60, kFrame.bottom + 2, FormatNumber("%.1f min", lastTime));
    canvas.textOut(kFrame.left + 200, kFrame.bottom + 2,
                   Translate("синий: исходный, красный: новый"));
}

}  // namespace veltrane
