// Dialog units to pixels, the same for every window so fixed-pixel drawing lines up with labels.
#pragma once

#include <QRect>
#include <cmath>

#include "ui/Geometry.h"

namespace veltrane::qt {

constexpr double kPixelsPerDluX = 1.5;
constexpr double kPixelsPerDluY = 1.625;

inline int DluToPixelsX(int dlu) {
    return static_cast<int>(std::lround(dlu * kPixelsPerDluX));
}

inline int DluToPixelsY(int dlu) {
    return static_cast<int>(std::lround(dlu * kPixelsPerDluY));
}

inline QRect ToPixels(const ui::DluRect& r) {
    return QRect(DluToPixelsX(r.x), DluToPixelsY(r.y), DluToPixelsX(r.w), DluToPixelsY(r.h));
}

}  // namespace veltrane::qt
