#include "ui/qt/tools/drawart/ArtPainting.h"
#include "ui/qt/tools/drawart/Pictures.h"

#include <cmath>
#include <utility>

namespace veltrane::art {

// ---- Capacity lamps -------------------------------------------------------------------------

namespace {

// The darker crescent towards the lower right of a lens.
void Glow(QPainter& p, int cx, int cy, const QColor& c) {
    Dots(p, cx, cy, 5, [&](double x, double y) {
        const double d = std::hypot(x, y);
        return d <= 5.2 && d > 3.6 && x + y > 3 ? c : QColor();
    });
}

}  // namespace

QImage Lamps(int lit, int scale) {
    QImage img = NewImage(70, 26, kDarkGreen, scale);
    QPainter p(&img);
    const QColor plateLight(0, 0xC0, 0), plateDark(0, 0x40, 0);
    HLine(p, 0, 68, 0, plateLight);
    VLine(p, 0, 0, 24, plateLight);
    HLine(p, 0, 69, 25, kBlack);
    VLine(p, 69, 0, 25, kBlack);
    HLine(p, 1, 68, 24, plateDark);
    VLine(p, 68, 1, 24, plateDark);
    // Mounting screws in the corners.
    for (const auto& [x, y] : {std::pair{3, 3}, {66, 3}, {3, 22}, {66, 22}}) {
        Px(p, x, y, plateDark);
        Px(p, x - 1, y, plateLight);
    }
    const QColor bright[3] = {kGreen, kYellow, kRed};
    const QColor dim[3] = {QColor(0x90, 0x90, 0x90), QColor(0x90, 0x90, 0x90),
                           QColor(0x90, 0x90, 0x90)};
    for (int i = 0; i < 3; ++i) {
        const int cx = 14 + i * 21, cy = 12;
        // Bezel ring, then the lens.
        Disc(p, cx, cy, 9, kFace, kBlack);
        Dots(p, cx, cy, 9, [](double x, double y) {
            const double d = std::hypot(x, y);
            if (d <= 7.3 || d > 8.6) return QColor();
            return x + y > 2 ? kShadow : x + y < -2 ? kWhite : QColor();
        });
        const bool on = i == lit;
        Disc(p, cx, cy, 6, on ? bright[i] : dim[i], kBlack);
        if (on) {
            // Glow towards the lower right, a hot spot upper left.
            const QColor deep = i == 0 ? kDarkGreen : i == 1 ? kOlive : kDarkRed;
            Glow(p, cx, cy, deep);
            Px(p, cx - 2, cy - 3, kWhite);
            Px(p, cx - 3, cy - 2, kWhite);
            Px(p, cx - 2, cy - 2, kWhite);
            Px(p, cx - 1, cy - 3, kWhite);
            Px(p, cx - 3, cy - 1, kWhite);
        } else {
            Glow(p, cx, cy, kShadow);
            Px(p, cx - 2, cy - 2, kFace);
            Px(p, cx - 3, cy - 1, kFace);
            Px(p, cx - 1, cy - 3, kFace);
        }
    }
    return img;
}

}  // namespace veltrane::art
