// Dialog units to pixels, the same for every window so that a window's drawing lines up with
// its labels: the Qt host maps nominal pixels one to one onto its device-independent pixels.
#pragma once

#include <QRect>

#include "ui/DialogUnits.h"

namespace veltrane::qt {

inline int DluToPixelsX(int dlu) {
    return ui::DluToNominalX(dlu);
}

inline int DluToPixelsY(int dlu) {
    return ui::DluToNominalY(dlu);
}

inline QRect ToPixels(const ui::DluRect& r) {
    return QRect(DluToPixelsX(r.x), DluToPixelsY(r.y), DluToPixelsX(r.w), DluToPixelsY(r.h));
}

}  // namespace veltrane::qt
