#include "ui/qt/tools/drawart/ArtPainting.h"

#include <QFontMetrics>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace veltrane::art {

QImage NewImage(int w, int h, const QColor& fill, int scale) {
    QImage img(w * scale, h * scale, QImage::Format_ARGB32);
    img.setDevicePixelRatio(scale);
    img.fill(fill);
    return img;
}

int Scale(QPainter& p) {
    return std::max(1, static_cast<int>(std::lround(p.device()->devicePixelRatio())));
}

void Px(QPainter& p, int x, int y, const QColor& c) {
    p.fillRect(x, y, 1, 1, c);
}

void Dot(QPainter& p, double x, double y, const QColor& c) {
    const double size = 1.0 / Scale(p);
    p.fillRect(QRectF(x, y, size, size), c);
}

void Stroke(QPainter& p, double x, double y, const QColor& c) {
    p.fillRect(QRectF(x, y, 1, 1), c);
}

void Dots(QPainter& p, int cx, int cy, int r, const std::function<QColor(double, double)>& pick) {
    const int n = Scale(p);
    for (int j = (cy - r) * n; j < (cy + r + 1) * n; ++j)
        for (int i = (cx - r) * n; i < (cx + r + 1) * n; ++i) {
            const QColor c = pick((i + 0.5) / n - (cx + 0.5), (j + 0.5) / n - (cy + 0.5));
            if (c.isValid()) Dot(p, static_cast<double>(i) / n, static_cast<double>(j) / n, c);
        }
}

void HLine(QPainter& p, int x0, int x1, int y, const QColor& c) {
    p.fillRect(x0, y, x1 - x0 + 1, 1, c);
}

void VLine(QPainter& p, int x, int y0, int y1, const QColor& c) {
    p.fillRect(x, y0, 1, y1 - y0 + 1, c);
}

// A filled box with a one pixel outline, both corners inclusive.
void Box(QPainter& p, int x0, int y0, int x1, int y1, const QColor& fill, const QColor& line) {
    p.fillRect(x0, y0, x1 - x0 + 1, y1 - y0 + 1, line);
    if (x1 - x0 >= 2 && y1 - y0 >= 2) p.fillRect(x0 + 1, y0 + 1, x1 - x0 - 1, y1 - y0 - 1, fill);
}

// A filled disc with a one pixel outline, centred on the middle of a (2r+1) square.
void Disc(QPainter& p, int cx, int cy, int r, const QColor& fill, const QColor& line) {
    Dots(p, cx, cy, r, [&](double x, double y) {
        const double d = std::hypot(x, y);
        return d > r + 0.35 ? QColor() : d > r - 0.75 ? line : fill;
    });
}

void ButtonEdge(QPainter& p, int w, int h, Edge e) {
    if (e == Edge::Raised) {
        HLine(p, 0, w - 2, 0, kWhite);
        VLine(p, 0, 0, h - 2, kWhite);
        HLine(p, 0, w - 1, h - 1, kBlack);
        VLine(p, w - 1, 0, h - 1, kBlack);
        HLine(p, 1, w - 2, h - 2, kShadow);
        VLine(p, w - 2, 1, h - 2, kShadow);
    } else {
        HLine(p, 0, w - 2, 0, kShadow);
        VLine(p, 0, 0, h - 2, kShadow);
        HLine(p, 0, w - 1, h - 1, kWhite);
        VLine(p, w - 1, 0, h - 1, kWhite);
        HLine(p, 1, w - 3, 1, kBlack);
        VLine(p, 1, 1, h - 3, kBlack);
    }
}

// Every other image pixel black, one image pixel wide, just inside the edge.
void FocusFrame(QPainter& p, int w, int h) {
    const int n = Scale(p);
    const int x0 = 3 * n, y0 = 3 * n, x1 = (w - 3) * n - 1, y1 = (h - 3) * n - 1;
    const auto dot = [&](int x, int y) {
        Dot(p, static_cast<double>(x) / n, static_cast<double>(y) / n, kBlack);
    };
    for (int x = x0; x <= x1; ++x) {
        if ((x + y0) % 2 == 0) dot(x, y0);
        if ((x + y1) % 2 == 0) dot(x, y1);
    }
    for (int y = y0; y <= y1; ++y) {
        if ((x0 + y) % 2 == 0) dot(x0, y);
        if ((x1 + y) % 2 == 0) dot(x1, y);
    }
}

QFont TextFont(int px, bool bold, bool smooth, int stretch) {
    QFont f("Liberation Sans");
    f.setPixelSize(px);
    f.setBold(bold);
    f.setStretch(stretch);
    f.setHintingPreference(QFont::PreferFullHinting);
    f.setStyleStrategy(smooth ? QFont::PreferAntialias : QFont::NoAntialias);
    return f;
}

// The largest size up to maxPx at which every line fits into width.
QFont FittingFont(int maxPx, bool bold, int width, const QStringList& lines) {
    for (int px = maxPx; px > 7; --px) {
        const QFont f = TextFont(px, bold, false);
        const QFontMetrics m(f);
        bool fits = true;
        for (const QString& s : lines) fits = fits && m.horizontalAdvance(s) <= width;
        if (fits) return f;
    }
    return TextFont(8, bold, false);
}

// Writes a line centred on cx with its baseline at y.
void CentredText(QPainter& p, const QFont& f, int cx, int y, const QString& s, const QColor& c) {
    p.setFont(f);
    p.setPen(c);
    const int w = QFontMetrics(f).horizontalAdvance(s);
    p.drawText(cx - w / 2, y, s);
}

// ---- Small parts in the sixteen colour look ------------------------------------------------

// A syringe standing upright, needle tip at (cx, top).
void SmallSyringe(QPainter& p, int cx, int top, int needle, int barrel, bool fullScale) {
    VLine(p, cx, top, top + needle - 1, kShadow);
    Px(p, cx, top, kBlack);
    const int hubY = top + needle;
    Box(p, cx - 1, hubY, cx + 1, hubY + 1, kShadow);
    const int b0 = hubY + 2, b1 = b0 + barrel - 1;
    Box(p, cx - 3, b0, cx + 3, b1, kWhite);
    // Sample drawn into the barrel, the plunger head below it.
    const int liquidEnd = b0 + barrel / 2;
    p.fillRect(cx - 2, b0 + 1, 5, liquidEnd - b0, kCyan);
    HLine(p, cx - 2, cx + 2, liquidEnd + 1, kBlack);
    HLine(p, cx - 2, cx + 2, liquidEnd + 2, kBlack);
    for (int y = b0 + 2; y < b1 - 1; y += 2) Px(p, cx - 2, y, kBlack);
    if (fullScale)
        for (int y = b0 + 2; y < b1 - 1; y += 4) Px(p, cx - 1, y, kBlack);
    // Finger flange, plunger rod and thumb rest.
    Box(p, cx - 5, b1, cx + 5, b1 + 1, kShadow);
    VLine(p, cx, liquidEnd + 3, b1 + 5, kBlack);
    HLine(p, cx - 3, cx + 3, b1 + 6, kBlack);
    HLine(p, cx - 3, cx + 3, b1 + 7, kBlack);
}

// A burst of vapour leaving a needle tip at (cx, cy).
void SprayBurst(QPainter& p, int cx, int cy, bool large) {
    const int rays = 8, fine = Scale(p);
    const double r0 = large ? 2.5 : 2.0, r1 = large ? 7.5 : 5.0;
    for (int i = 0; i < rays; ++i) {
        const double a = -std::numbers::pi / 2 + (i - rays / 2 + 0.5) * (std::numbers::pi / 7.0);
        for (double r = r0; r <= r1; r += 0.5 / fine) {
            const double x = cx + std::lround(std::cos(a) * r * fine) / static_cast<double>(fine);
            const double y = cy + std::lround(std::sin(a) * r * fine) / static_cast<double>(fine);
            Stroke(p, x, y, r > r1 - 1.6 ? kBlue : kTeal);
        }
    }
    // Droplets scattered a little beyond the rays.
    const int dots[][2] = {{-7, -3}, {7, -4}, {-3, -7}, {4, -7}, {0, -8}, {-8, 1}, {8, 0}};
    const int n = large ? 7 : 4;
    for (int i = 0; i < n; ++i) {
        const double k = large ? 1.25 : 0.85;
        Px(p, cx + static_cast<int>(std::lround(dots[i][0] * k)),
           cy + static_cast<int>(std::lround(dots[i][1] * k)), kBlue);
    }
}

// A small round pressure gauge: white dial, black rim, needle pointing up-right.
void SmallGauge(QPainter& p, int cx, int cy, int r, double needleDeg) {
    Disc(p, cx, cy, r, kWhite);
    if (r >= 4) {
        // Red sector near the end of the scale.
        Px(p, cx + r - 2, cy + 1, kRed);
    }
    const double a = (needleDeg - 90) * std::numbers::pi / 180;
    const int n = Scale(p);
    for (double t = 0; t <= r - 1.2; t += 0.4 / n) {
        Stroke(p, cx + std::lround(std::cos(a) * t * n) / static_cast<double>(n),
               cy + std::lround(std::sin(a) * t * n) / static_cast<double>(n), kBlack);
    }
}

// An upright cylinder (dome on top) from x0..x1, shoulder at top, floor at bottom.
void SmallCylinder(QPainter& p, int x0, int x1, int top, int bottom, const QColor& body,
                   const QColor& dark, const QColor& light) {
    const int w = x1 - x0 + 1;
    const int dome = w / 2;
    // Dome: an ellipse arc drawn one image row at a time, with a one pixel outline.
    const int n = Scale(p);
    const double row = 1.0 / n;
    for (int k = 0; k < dome * n + n; ++k) {
        const double y = k * row;
        const double t = 1.0 - y / dome;
        const double half = (w / 2.0) * std::sqrt(std::max(0.0, 1.0 - t * t));
        const double a = std::lround((x0 + w / 2.0 - half) * n) * row;
        const double b = std::lround((x0 + w / 2.0 + half) * n) * row;  // just past the row
        if (b <= a) continue;
        p.fillRect(QRectF(a, top + y, b - a, row), kBlack);
        if (b - a >= 3 && y >= 1) p.fillRect(QRectF(a + 1, top + y, b - a - 2, row), body);
    }
    Box(p, x0, top + dome, x1, bottom, body);
    HLine(p, x0 + 1, x1 - 1, top + dome, body);
    // Shading: a light stripe on the left, a dark one on the right.
    VLine(p, x0 + 2, top + dome, bottom - 2, light);
    VLine(p, x1 - 2, top + dome, bottom - 1, dark);
    if (w >= 12) VLine(p, x1 - 3, top + dome + 1, bottom - 1, dark);
    HLine(p, x0 + 1, x1 - 1, bottom - 1, dark);
}

}  // namespace veltrane::art
