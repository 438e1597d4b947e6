// Points, rectangles and colours shared by layouts, canvases and hosts.
#pragma once

#include <algorithm>
#include <cmath>

namespace veltrane::ui {

// The nearest whole pixel to a coordinate, held within reach of any canvas however far off
// the figure behind it puts it.
inline int RoundedPixel(double value) {
    return static_cast<int>(std::clamp(std::round(value), -1e6, 1e6));
}

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

// A rectangle in dialog units, as a layout places a control.
struct DluRect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    bool operator==(const DluRect&) const = default;
};

// A rectangle in pixels, GDI style: right and bottom lie just outside it.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const Rect&) const = default;
};

struct Color {
    int r = 0;
    int g = 0;
    int b = 0;
    bool operator==(const Color&) const = default;
};

}  // namespace veltrane::ui
