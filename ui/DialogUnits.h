// The size of the layouts' dialog units in nominal pixels, those of a 96 dots-per-inch screen.
// A window paints in nominal pixels on every canvas, so its drawing lines up with its controls;
// each host maps nominal pixels to its device as it maps the controls.
#pragma once

#include <cmath>

#include "ui/Geometry.h"

namespace veltrane::ui {

inline constexpr double kNominalPixelsPerDluX = 1.5;
inline constexpr double kNominalPixelsPerDluY = 1.625;

inline int DluToNominalX(int dlu) {
    return static_cast<int>(std::lround(dlu * kNominalPixelsPerDluX));
}

inline int DluToNominalY(int dlu) {
    return static_cast<int>(std::lround(dlu * kNominalPixelsPerDluY));
}

// A layout's rectangle in nominal pixels, GDI style.
inline Rect DluToNominal(const DluRect& r) {
    return {DluToNominalX(r.x), DluToNominalY(r.y), DluToNominalX(r.x + r.w),
            DluToNominalY(r.y + r.h)};
}

}  // namespace veltrane::ui
