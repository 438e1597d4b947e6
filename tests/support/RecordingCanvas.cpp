#include "tests/support/RecordingCanvas.h"

#include <sstream>

namespace veltrane::testing {

namespace {

std::string ColorText(const ui::Color& c) {
    std::ostringstream out;
    out << c.r << ',' << c.g << ',' << c.b;
    return out.str();
}

template <typename... Ints>
std::string Line(const std::string& word, Ints... values) {
    std::ostringstream out;
    out << word;
    ((out << ' ' << values), ...);
    return out.str();
}

}  // namespace

void RecordingCanvas::selectPen(const ui::Pen& pen) {
    calls.push_back(Line("pen", ColorText(pen.color), pen.width));
}

void RecordingCanvas::selectBrush(const ui::Brush& brush) {
    const char* style = brush.style == ui::BrushStyle::Solid ? "solid" : "bdiagonal";
    calls.push_back(Line("brush", style, ColorText(brush.color)));
}

void RecordingCanvas::rectangle(int left, int top, int right, int bottom) {
    calls.push_back(Line("rectangle", left, top, right, bottom));
}

void RecordingCanvas::fillRect(const ui::Rect& r, const ui::Brush& brush) {
    const char* style = brush.style == ui::BrushStyle::Solid ? "solid" : "bdiagonal";
    calls.push_back(
        Line("fillRect", r.left, r.top, r.right, r.bottom, style, ColorText(brush.color)));
}

void RecordingCanvas::moveTo(int x, int y) {
    calls.push_back(Line("moveTo", x, y));
}
void RecordingCanvas::lineTo(int x, int y) {
    calls.push_back(Line("lineTo", x, y));
}
void RecordingCanvas::setViewportOrigin(int x, int y) {
    calls.push_back(Line("origin", x, y));
}

void RecordingCanvas::textOut(int x, int y, std::string_view text) {
    calls.push_back(Line("text", x, y, std::string(text)));
}

std::vector<std::string> RecordingCanvas::callsOf(const std::string& word) const {
    std::vector<std::string> found;
    for (const std::string& c : calls)
        if (c.rfind(word + " ", 0) == 0) found.push_back(c);
    return found;
}

}  // namespace veltrane::testing
