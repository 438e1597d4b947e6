// Draws every picture the program embeds: the icon, the picture buttons, the capacity lamps and
// the about box clips. Run it with the resources folder as its argument; it rewrites
// images/*.png and images.qrc there.

#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QStringList>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

namespace {

// The classic sixteen colours and the two greys every button face is made of.
const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kFace(0xC0, 0xC0, 0xC0);
const QColor kShadow(0x80, 0x80, 0x80);
const QColor kRed(0xFF, 0, 0);
const QColor kDarkRed(0x80, 0, 0);
const QColor kGreen(0, 0xFF, 0);
const QColor kDarkGreen(0, 0x80, 0);
const QColor kBlue(0, 0, 0xFF);
const QColor kNavy(0, 0, 0x80);
const QColor kYellow(0xFF, 0xFF, 0);
const QColor kOlive(0x80, 0x80, 0);
const QColor kCyan(0, 0xFF, 0xFF);
const QColor kTeal(0, 0x80, 0x80);

QImage NewImage(int w, int h, const QColor& fill) {
    QImage img(w, h, QImage::Format_ARGB32);
    img.fill(fill);
    return img;
}

void Px(QPainter& p, int x, int y, const QColor& c) {
    p.fillRect(x, y, 1, 1, c);
}

void HLine(QPainter& p, int x0, int x1, int y, const QColor& c) {
    p.fillRect(x0, y, x1 - x0 + 1, 1, c);
}

void VLine(QPainter& p, int x, int y0, int y1, const QColor& c) {
    p.fillRect(x, y0, 1, y1 - y0 + 1, c);
}

// A filled box with a one pixel outline, both corners inclusive.
void Box(QPainter& p, int x0, int y0, int x1, int y1, const QColor& fill,
         const QColor& line = kBlack) {
    p.fillRect(x0, y0, x1 - x0 + 1, y1 - y0 + 1, line);
    if (x1 - x0 >= 2 && y1 - y0 >= 2) p.fillRect(x0 + 1, y0 + 1, x1 - x0 - 1, y1 - y0 - 1, fill);
}

// A filled disc with a one pixel outline, centred on the middle of a (2r+1) square.
void Disc(QPainter& p, int cx, int cy, int r, const QColor& fill, const QColor& line = kBlack) {
    for (int y = -r; y <= r; ++y)
        for (int x = -r; x <= r; ++x) {
            const double d = std::hypot(x, y);
            if (d <= r + 0.35) Px(p, cx + x, cy + y, d > r - 0.75 ? line : fill);
        }
}

enum class Edge { Raised, Sunken };

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

// Every other pixel black, just inside the edge.
void FocusFrame(QPainter& p, int w, int h) {
    const int x0 = 3, y0 = 3, x1 = w - 4, y1 = h - 4;
    for (int x = x0; x <= x1; ++x) {
        if ((x + y0) % 2 == 0) Px(p, x, y0, kBlack);
        if ((x + y1) % 2 == 0) Px(p, x, y1, kBlack);
    }
    for (int y = y0; y <= y1; ++y) {
        if ((x0 + y) % 2 == 0) Px(p, x0, y, kBlack);
        if ((x1 + y) % 2 == 0) Px(p, x1, y, kBlack);
    }
}

QFont TextFont(int px, bool bold, bool smooth, int stretch = 100) {
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
void CentredText(QPainter& p, const QFont& f, int cx, int y, const QString& s,
                 const QColor& c = kBlack) {
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
    const int rays = 8;
    const double r0 = large ? 2.5 : 2.0, r1 = large ? 7.5 : 5.0;
    for (int i = 0; i < rays; ++i) {
        const double a = -std::numbers::pi / 2 + (i - rays / 2 + 0.5) * (std::numbers::pi / 7.0);
        for (double r = r0; r <= r1; r += 0.5) {
            const int x = cx + static_cast<int>(std::lround(std::cos(a) * r));
            const int y = cy + static_cast<int>(std::lround(std::sin(a) * r));
            Px(p, x, y, r > r1 - 1.6 ? kBlue : kTeal);
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
void SmallGauge(QPainter& p, int cx, int cy, int r, double needleDeg = 40) {
    Disc(p, cx, cy, r, kWhite);
    if (r >= 4) {
        // Red sector near the end of the scale.
        Px(p, cx + r - 2, cy + 1, kRed);
    }
    const double a = (needleDeg - 90) * std::numbers::pi / 180;
    for (double t = 0; t <= r - 1.2; t += 0.4) {
        Px(p, cx + static_cast<int>(std::lround(std::cos(a) * t)),
           cy + static_cast<int>(std::lround(std::sin(a) * t)), kBlack);
    }
}

// An upright cylinder (dome on top) from x0..x1, shoulder at top, floor at bottom.
void SmallCylinder(QPainter& p, int x0, int x1, int top, int bottom, const QColor& body,
                   const QColor& dark, const QColor& light) {
    const int w = x1 - x0 + 1;
    const int dome = w / 2;
    // Dome: an ellipse arc drawn row by row.
    for (int y = 0; y <= dome; ++y) {
        const double t = 1.0 - static_cast<double>(y) / dome;
        const double half = (w / 2.0) * std::sqrt(std::max(0.0, 1.0 - t * t));
        const int a = static_cast<int>(std::lround(x0 + w / 2.0 - half));
        const int b = static_cast<int>(std::lround(x0 + w / 2.0 + half)) - 1;
        if (b < a) continue;
        HLine(p, a, b, top + y, kBlack);
        if (b - a >= 2 && y > 0) HLine(p, a + 1, b - 1, top + y, body);
    }
    Box(p, x0, top + dome, x1, bottom, body);
    HLine(p, x0 + 1, x1 - 1, top + dome, body);
    // Shading: a light stripe on the left, a dark one on the right.
    VLine(p, x0 + 2, top + dome, bottom - 2, light);
    VLine(p, x1 - 2, top + dome, bottom - 1, dark);
    if (w >= 12) VLine(p, x1 - 3, top + dome + 1, bottom - 1, dark);
    HLine(p, x0 + 1, x1 - 1, bottom - 1, dark);
}

// ---- Picture buttons ------------------------------------------------------------------------

using Content = std::function<void(QPainter&, bool pressed)>;

QImage Button(int w, int h, bool pressed, bool focus, const Content& draw) {
    QImage img = NewImage(w, h, kFace);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.save();
    if (pressed) p.translate(1, 1);
    draw(p, pressed);
    p.restore();
    ButtonEdge(p, w, h, pressed ? Edge::Sunken : Edge::Raised);
    if (focus) FocusFrame(p, w, h);
    return img;
}

void VaporContent(QPainter& p, bool pressed) {
    SmallSyringe(p, 16, 12, 6, 15, true);
    SprayBurst(p, 16, 11, pressed);
    const QFont f = TextFont(12, true, false);
    CentredText(p, f, 55, 22, QString::fromUtf8("Объём"));
    CentredText(p, f, 55, 37, QString::fromUtf8("пара..."));
}

// Blue cylinder with a regulator carrying two gauges.
void FlowContent(QPainter& p, bool) {
    // Kept clear of the focus frame at the top.
    p.translate(0, 2);
    SmallCylinder(p, 5, 14, 18, 43, kBlue, kNavy, kCyan);
    // Neck, valve and handwheel.
    Box(p, 8, 14, 11, 18, kShadow);
    Box(p, 6, 11, 13, 14, kFace);
    HLine(p, 6, 13, 8, kBlack);
    VLine(p, 9, 8, 10, kBlack);
    VLine(p, 10, 8, 10, kBlack);
    // Regulator body with the two gauges standing on it.
    Box(p, 13, 12, 31, 16, kFace);
    HLine(p, 14, 30, 13, kWhite);
    HLine(p, 14, 30, 15, kShadow);
    VLine(p, 19, 9, 11, kBlack);
    VLine(p, 27, 9, 11, kBlack);
    SmallGauge(p, 19, 6, 4, 55);
    SmallGauge(p, 27, 6, 4, 15);
    Box(p, 31, 13, 33, 15, kBlack, kBlack);  // adjusting screw
    // Outlet pipe going down to a fitting.
    VLine(p, 24, 17, 24, kBlack);
    VLine(p, 25, 17, 24, kShadow);
    Box(p, 22, 24, 27, 27, kFace);
    const QString top = QString::fromUtf8("Давление"), bottom = QString::fromUtf8("Поток");
    const QFont f = FittingFont(12, true, 48, {top, bottom});
    CentredText(p, f, 61, 20, top);
    CentredText(p, f, 61, 35, bottom);
}

void GasesContent(QPainter& p, bool pressed) {
    // Just the shoulder of a blue cylinder, cut off by the bottom edge.
    SmallCylinder(p, 6, 17, 14, 30, kBlue, kNavy, kCyan);
    Box(p, 9, 10, 14, 14, kShadow);
    Box(p, 8, 7, 15, 10, kFace);
    HLine(p, 9, 14, 4, kBlack);
    VLine(p, 11, 4, 6, kBlack);
    VLine(p, 12, 4, 6, kBlack);
    // Two-gauge regulator.
    Box(p, 15, 8, 20, 10, kFace);
    Box(p, 20, 6, 30, 13, kFace);
    SmallGauge(p, 23, 5, 3, 60);
    SmallGauge(p, 30, 9, 3, 20);
    VLine(p, 25, 14, 17, kBlack);
    VLine(p, 26, 14, 17, kShadow);
    if (pressed) {
        // A puff of gas out of the outlet, drifting right.
        Disc(p, 25, 19, 2, kWhite, kShadow);
        Disc(p, 29, 18, 2, kWhite, kShadow);
        Disc(p, 32, 20, 2, kWhite, kShadow);
        HLine(p, 24, 31, 19, kWhite);
        HLine(p, 26, 32, 20, kWhite);
        Px(p, 35, 18, kShadow);
        Px(p, 36, 21, kShadow);
    }
    const QFont f = TextFont(12, true, false);
    p.setFont(f);
    p.setPen(kBlack);
    p.drawText(38, 18, QString::fromUtf8("Газы..."));
}

// A syringe drawn along +x from its needle tip at the origin; the caller rotates it.
void LyingSyringe(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(0, -0.5, 6, 1), kBlack);
    p.fillRect(QRectF(6, -1.5, 2, 3), kBlack);
    // Barrel: glass with the sample in its front part, graduations along the top.
    p.fillRect(QRectF(8, -3.5, 13, 7), kBlack);
    p.fillRect(QRectF(9, -2.5, 11, 5), kWhite);
    p.fillRect(QRectF(9, -2.5, 5, 5), kYellow);
    p.fillRect(QRectF(14, -2.5, 2, 5), kBlack);
    for (int x = 10; x < 20; x += 2) p.fillRect(QRectF(x, -2.5, 1, 1), kBlack);
    // Flange, rod and thumb rest.
    p.fillRect(QRectF(20, -4.5, 2, 9), kBlack);
    p.fillRect(QRectF(22, -0.5, 4, 1), kBlack);
    p.fillRect(QRectF(26, -3.5, 2, 7), kBlack);
}

// A syringe dipping its needle into a capped vial, the word below.
void SolventsContent(QPainter& p, bool, int h) {
    const int dy = (h - 42) / 2;
    const int vx = 26;  // vial centre
    const int capTop = 14 + dy, bottom = 26 + dy;
    // Vial: crimp cap with a red septum, glass body, yellow solvent.
    Box(p, vx - 3, capTop, vx + 3, capTop + 2, kShadow);
    HLine(p, vx - 1, vx + 1, capTop, kRed);
    Box(p, vx - 4, capTop + 3, vx + 4, bottom, kWhite);
    p.fillRect(vx - 3, capTop + 8, 7, bottom - capTop - 8, kYellow);
    HLine(p, vx - 3, vx + 3, capTop + 8, kOlive);
    VLine(p, vx - 3, capTop + 4, bottom - 2, kWhite);
    // The syringe, rising to the right from the septum.
    p.save();
    p.translate(vx + 0.5, capTop + 0.5);
    p.rotate(-19);
    p.setRenderHint(QPainter::Antialiasing, true);
    LyingSyringe(p);
    p.restore();
    const QString word = QString::fromUtf8("Растворители");
    const QFont f = FittingFont(11, false, 70, {word});
    CentredText(p, f, 41, h - 6, word);
}

// ---- Capacity lamps -------------------------------------------------------------------------

QImage Lamps(int lit) {
    QImage img = NewImage(70, 26, kDarkGreen);
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
        for (int y = -9; y <= 9; ++y)
            for (int x = -9; x <= 9; ++x) {
                const double d = std::hypot(x, y);
                if (d > 7.3 && d <= 8.6 && x + y > 2) Px(p, cx + x, cy + y, kShadow);
                if (d > 7.3 && d <= 8.6 && x + y < -2) Px(p, cx + x, cy + y, kWhite);
            }
        const bool on = i == lit;
        Disc(p, cx, cy, 6, on ? bright[i] : dim[i], kBlack);
        if (on) {
            // Glow towards the lower right, a hot spot upper left.
            const QColor deep = i == 0 ? kDarkGreen : i == 1 ? kOlive : kDarkRed;
            for (int y = -5; y <= 5; ++y)
                for (int x = -5; x <= 5; ++x) {
                    const double d = std::hypot(x, y);
                    if (d <= 5.2 && d > 3.6 && x + y > 3) Px(p, cx + x, cy + y, deep);
                }
            Px(p, cx - 2, cy - 3, kWhite);
            Px(p, cx - 3, cy - 2, kWhite);
            Px(p, cx - 2, cy - 2, kWhite);
            Px(p, cx - 1, cy - 3, kWhite);
            Px(p, cx - 3, cy - 1, kWhite);
        } else {
            for (int y = -5; y <= 5; ++y)
                for (int x = -5; x <= 5; ++x) {
                    const double d = std::hypot(x, y);
                    if (d <= 5.2 && d > 3.6 && x + y > 3) Px(p, cx + x, cy + y, kShadow);
                }
            Px(p, cx - 2, cy - 2, kFace);
            Px(p, cx - 3, cy - 1, kFace);
            Px(p, cx - 1, cy - 3, kFace);
        }
    }
    return img;
}

// ---- Icon -----------------------------------------------------------------------------------

// Hand placed pixels for the two small sizes.
QImage SmallIcon(int s) {
    QImage img = NewImage(s, s, kFace);
    QPainter p(&img);
    // Framed panel.
    Box(p, 0, 0, s - 1, s - 1, kFace);
    HLine(p, 1, s - 3, 1, kWhite);
    VLine(p, 1, 1, s - 3, kWhite);
    HLine(p, 1, s - 2, s - 2, kShadow);
    VLine(p, s - 2, 1, s - 2, kShadow);
    if (s == 32) {
        SmallCylinder(p, 4, 12, 11, 28, kRed, kDarkRed, QColor(255, 160, 160));
        Box(p, 6, 8, 10, 11, kShadow);
        Box(p, 5, 5, 11, 8, kFace);
        HLine(p, 6, 10, 3, kBlack);
        VLine(p, 8, 3, 4, kBlack);
        // Regulator with two gauges.
        Box(p, 11, 5, 15, 7, kFace);
        Box(p, 15, 4, 22, 9, kFace);
        SmallGauge(p, 18, 15, 4, 40);
        SmallGauge(p, 26, 9, 4, -30);
        VLine(p, 18, 10, 10, kBlack);
        HLine(p, 23, 23, 7, kBlack);
        // Outlet down to the panel floor.
        VLine(p, 21, 10, 26, kBlack);
        HLine(p, 21, 27, 26, kBlack);
        Box(p, 25, 24, 28, 28, kShadow);
    } else {
        // Sixteen pixels leave no room for drawing: the picture is placed by hand.
        static const char* const rows[] = {
            "................",  //
            "................",  //
            "...KKKKK..KKK...",  //
            ".....K...KwwwK..",  //
            "...KSSSKKKwKwK..",  //
            "...KSSSK.KwwwK..",  //
            "....KKK...KKK...",  //
            "...KLRDK...K....",  //
            "...KLRDK..KKK...",  //
            "...KLRDK.KwwwK..",  //
            "...KLRDK.KwKwK..",  //
            "...KLRDK.KwwrK..",  //
            "...KLRDK..KKK...",  //
            "...KKKKK........",  //
            "................",  //
            "................",  //
        };
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                switch (rows[y][x]) {
                    case 'K':
                        Px(p, x, y, kBlack);
                        break;
                    case 'S':
                        Px(p, x, y, kShadow);
                        break;
                    case 'w':
                        Px(p, x, y, kWhite);
                        break;
                    case 'r':
                        Px(p, x, y, kRed);
                        break;
                    case 'R':
                        Px(p, x, y, kRed);
                        break;
                    case 'D':
                        Px(p, x, y, kDarkRed);
                        break;
                    case 'L':
                        Px(p, x, y, QColor(255, 160, 160));
                        break;
                    default:
                        break;
                }
            }
    }
    return img;
}

// The same scene drawn smoothly for the large sizes; the design grid is 32 units.
QImage LargeIcon(int s) {
    QImage img = NewImage(s, s, Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    const double k = s / 32.0;
    p.scale(k, k);
    const double hair = 1.0 / k;
    // Panel with a bevelled frame.
    QLinearGradient panel(0, 0, 32, 32);
    panel.setColorAt(0, QColor(0xD4, 0xD4, 0xD4));
    panel.setColorAt(1, QColor(0xA8, 0xA8, 0xA8));
    p.setPen(QPen(kBlack, std::max(hair, 0.5)));
    p.setBrush(panel);
    p.drawRoundedRect(QRectF(0.5, 0.5, 31, 31), 1.5, 1.5);
    p.setPen(QPen(kWhite, 0.9));
    p.drawLine(QPointF(1.6, 30), QPointF(1.6, 1.6));
    p.drawLine(QPointF(1.6, 1.6), QPointF(30, 1.6));
    p.setPen(QPen(kShadow, 0.9));
    p.drawLine(QPointF(30.4, 2), QPointF(30.4, 30.4));
    p.drawLine(QPointF(2, 30.4), QPointF(30.4, 30.4));
    const QPen line(kBlack, std::max(hair, 0.45));
    // Cylinder.
    QPainterPath cyl;
    cyl.moveTo(4, 28.5);
    cyl.lineTo(4, 15);
    cyl.cubicTo(4, 10.5, 13, 10.5, 13, 15);
    cyl.lineTo(13, 28.5);
    cyl.closeSubpath();
    QLinearGradient red(4, 0, 13, 0);
    red.setColorAt(0, QColor(0xB0, 0x10, 0x10));
    red.setColorAt(0.3, QColor(0xFF, 0x70, 0x60));
    red.setColorAt(0.55, QColor(0xE0, 0x18, 0x10));
    red.setColorAt(1, QColor(0x60, 0x00, 0x00));
    p.setPen(line);
    p.setBrush(red);
    p.drawPath(cyl);
    // Neck, valve, handwheel.
    QLinearGradient metal(0, 0, 1, 0);
    metal.setCoordinateMode(QGradient::ObjectMode);
    metal.setColorAt(0, QColor(0x90, 0x90, 0x90));
    metal.setColorAt(0.35, QColor(0xF0, 0xF0, 0xF0));
    metal.setColorAt(1, QColor(0x60, 0x60, 0x60));
    p.setBrush(metal);
    p.drawRect(QRectF(6.5, 8, 4, 3.5));
    p.drawRect(QRectF(5.5, 5, 6, 3));
    p.drawRect(QRectF(8, 3, 1, 2));
    p.drawRoundedRect(QRectF(5.5, 2.2, 6, 1.2), 0.5, 0.5);
    // Regulator body and its gauges.
    p.drawRect(QRectF(11.5, 5.4, 4, 2.2));
    p.drawRoundedRect(QRectF(15.5, 4, 7, 6), 0.8, 0.8);
    p.drawRect(QRectF(17.3, 10, 1.4, 1.5));
    p.drawRect(QRectF(22.5, 6.3, 1.5, 1.4));
    auto gauge = [&](double cx, double cy, double r, double deg) {
        QRadialGradient g(cx - r * 0.3, cy - r * 0.3, r * 1.4);
        g.setColorAt(0, kWhite);
        g.setColorAt(1, QColor(0xD8, 0xD8, 0xD8));
        p.setPen(QPen(kBlack, std::max(hair, 0.5)));
        p.setBrush(QColor(0x50, 0x50, 0x50));
        p.drawEllipse(QPointF(cx, cy), r, r);
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(QPointF(cx, cy), r * 0.8, r * 0.8);
        // Scale ticks and a red end sector.
        p.setPen(QPen(kBlack, 0.18));
        for (int i = 0; i <= 8; ++i) {
            const double a = (-135 + i * 33.75) * std::numbers::pi / 180;
            const double sx = std::sin(a), sy = -std::cos(a);
            p.drawLine(QPointF(cx + sx * r * 0.6, cy + sy * r * 0.6),
                       QPointF(cx + sx * r * 0.76, cy + sy * r * 0.76));
        }
        p.setPen(QPen(kRed, 0.35));
        p.drawArc(QRectF(cx - r * 0.68, cy - r * 0.68, r * 1.36, r * 1.36), -45 * 16, 35 * 16);
        const double a = deg * std::numbers::pi / 180;
        p.setPen(QPen(kBlack, 0.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(cx, cy),
                   QPointF(cx + std::sin(a) * r * 0.7, cy - std::cos(a) * r * 0.7));
        p.setBrush(kBlack);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(cx, cy), 0.6, 0.6);
    };
    gauge(18, 15.5, 4.5, 40);
    gauge(26.5, 8.5, 4.3, -30);
    // Outlet pipe to a fitting on the panel.
    p.setPen(QPen(kBlack, 0.9, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath pipe;
    pipe.moveTo(21.5, 10);
    pipe.lineTo(21.5, 26);
    pipe.lineTo(25, 26);
    p.drawPath(pipe);
    p.setPen(line);
    p.setBrush(metal);
    p.drawRect(QRectF(25, 24, 3.5, 4.5));
    return img;
}

// ---- Clips in full colour -------------------------------------------------------------------

void Gauge(QPainter& p, QPointF c, double r, double needleDeg) {
    QRadialGradient rim(c.x() - r * 0.4, c.y() - r * 0.4, r * 2);
    rim.setColorAt(0, QColor(0xF4, 0xF4, 0xF4));
    rim.setColorAt(1, QColor(0x50, 0x50, 0x58));
    p.setPen(QPen(QColor(0x20, 0x20, 0x20), 0.8));
    p.setBrush(rim);
    p.drawEllipse(c, r, r);
    QRadialGradient face(c.x() - r * 0.3, c.y() - r * 0.3, r * 1.3);
    face.setColorAt(0, kWhite);
    face.setColorAt(1, QColor(0xDD, 0xDD, 0xD4));
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 0.5));
    p.setBrush(face);
    const double rf = r * 0.8;
    p.drawEllipse(c, rf, rf);
    // Green, then red band on the scale.
    const QRectF band(c.x() - rf * 0.82, c.y() - rf * 0.82, rf * 1.64, rf * 1.64);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x20, 0xA0, 0x30), rf * 0.12, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(band, 225 * 16, -150 * 16);
    p.setPen(QPen(QColor(0xE0, 0x10, 0x10), rf * 0.12, Qt::SolidLine, Qt::FlatCap));
    p.drawArc(band, 75 * 16, -120 * 16);
    p.setPen(QPen(QColor(0x20, 0x20, 0x20), std::max(0.5, r * 0.05)));
    for (int i = 0; i <= 10; ++i) {
        const double a = (-135 + i * 27) * std::numbers::pi / 180;
        const double sx = std::sin(a), sy = -std::cos(a);
        const double in = i % 5 == 0 ? 0.55 : 0.66;
        p.drawLine(QPointF(c.x() + sx * rf * in, c.y() + sy * rf * in),
                   QPointF(c.x() + sx * rf * 0.75, c.y() + sy * rf * 0.75));
    }
    const double a = needleDeg * std::numbers::pi / 180;
    const QPointF tip(c.x() + std::sin(a) * rf * 0.85, c.y() - std::cos(a) * rf * 0.85);
    const QPointF tail(c.x() - std::sin(a) * rf * 0.2, c.y() + std::cos(a) * rf * 0.2);
    p.setPen(QPen(QColor(0x10, 0x10, 0x10), std::max(1.0, r * 0.09), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(tail, tip);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x30, 0x30, 0x30));
    p.drawEllipse(c, std::max(1.2, r * 0.12), std::max(1.2, r * 0.12));
    // Glass glint.
    p.setBrush(QColor(255, 255, 255, 90));
    p.drawEllipse(QPointF(c.x() - rf * 0.35, c.y() - rf * 0.45), rf * 0.3, rf * 0.14);
}

QLinearGradient MetalAcross(double x0, double x1) {
    QLinearGradient g(x0, 0, x1, 0);
    g.setColorAt(0, QColor(0x70, 0x70, 0x74));
    g.setColorAt(0.3, QColor(0xF2, 0xF2, 0xF4));
    g.setColorAt(0.6, QColor(0xB0, 0xB0, 0xB4));
    g.setColorAt(1, QColor(0x50, 0x50, 0x54));
    return g;
}

// The bench scene shared by the two about box pictures: a red cylinder, a regulator with a
// large and a small gauge.
void BenchScene(QPainter& p, double bigNeedle, double smallNeedle) {
    p.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient wall(0, 0, 0, 83);
    wall.setColorAt(0, QColor(0xE8, 0xEE, 0xF4));
    wall.setColorAt(0.78, QColor(0xC4, 0xCC, 0xD6));
    wall.setColorAt(0.781, QColor(0x9A, 0x8E, 0x80));
    wall.setColorAt(1, QColor(0x7A, 0x6E, 0x62));
    p.fillRect(QRectF(0, 0, 105, 83), wall);
    // Shadow on the floor.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawEllipse(QPointF(31, 78.5), 15, 2.5);
    // Cylinder body.
    QPainterPath cyl;
    cyl.moveTo(19, 78);
    cyl.lineTo(19, 30);
    cyl.cubicTo(19, 18, 43, 18, 43, 30);
    cyl.lineTo(43, 78);
    cyl.cubicTo(43, 80, 19, 80, 19, 78);
    QLinearGradient red(19, 0, 43, 0);
    red.setColorAt(0, QColor(0x7A, 0x08, 0x08));
    red.setColorAt(0.28, QColor(0xFF, 0x6A, 0x58));
    red.setColorAt(0.5, QColor(0xD8, 0x1C, 0x14));
    red.setColorAt(1, QColor(0x50, 0x02, 0x02));
    p.setPen(QPen(QColor(0x30, 0x00, 0x00), 0.9));
    p.setBrush(red);
    p.drawPath(cyl);
    // A white band with a stencilled mark.
    QLinearGradient band(19, 0, 43, 0);
    band.setColorAt(0, QColor(0x90, 0x90, 0x90));
    band.setColorAt(0.28, kWhite);
    band.setColorAt(1, QColor(0x70, 0x70, 0x70));
    p.setPen(Qt::NoPen);
    p.setBrush(band);
    p.drawRect(QRectF(19.4, 40, 23.2, 5));
    // Neck, valve with handwheel.
    p.setPen(QPen(QColor(0x20, 0x20, 0x20), 0.7));
    p.setBrush(MetalAcross(26, 36));
    p.drawRect(QRectF(27, 15, 8, 6));
    p.setBrush(MetalAcross(24, 38));
    p.drawRoundedRect(QRectF(24.5, 8, 13, 7.5), 1.5, 1.5);
    p.drawRect(QRectF(30, 4, 2, 4));
    p.setBrush(QColor(0x30, 0x30, 0x34));
    p.drawRoundedRect(QRectF(24, 2.5, 14, 2.6), 1.2, 1.2);
    // Pipe from the valve to the regulator body.
    p.setBrush(MetalAcross(0, 0));
    QLinearGradient pipeG(0, 9.5, 0, 13.5);
    pipeG.setColorAt(0, QColor(0x80, 0x80, 0x84));
    pipeG.setColorAt(0.4, QColor(0xF0, 0xF0, 0xF0));
    pipeG.setColorAt(1, QColor(0x60, 0x60, 0x64));
    p.setBrush(pipeG);
    p.drawRect(QRectF(37.5, 9.5, 8, 4));
    // Regulator body.
    QLinearGradient body(0, 6, 0, 18);
    body.setColorAt(0, QColor(0xE8, 0xE8, 0xEC));
    body.setColorAt(1, QColor(0x78, 0x78, 0x80));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(45.5, 5.5, 22, 11), 2, 2);
    // Adjusting knob on the right, outlet going down to a hose.
    p.setBrush(QColor(0x30, 0x30, 0x34));
    p.drawRoundedRect(QRectF(67.5, 7.5, 6, 7), 1.2, 1.2);
    p.setPen(QPen(QColor(0x60, 0x60, 0x60), 0.5));
    for (double y = 8.8; y < 14; y += 1.4) p.drawLine(QPointF(68.2, y), QPointF(72.8, y));
    // Gauge stems.
    p.setPen(QPen(QColor(0x20, 0x20, 0x20), 0.7));
    p.setBrush(MetalAcross(50, 54));
    p.drawRect(QRectF(50.5, 16.5, 3, 4));
    p.setBrush(MetalAcross(76, 81));
    p.drawRect(QRectF(73.5, 9.3, 4, 3));
    Gauge(p, QPointF(52, 33), 13, bigNeedle);
    Gauge(p, QPointF(86, 11), 9, smallNeedle);
}

QImage ClipCylinder(int frame) {
    QImage img = NewImage(105, 83, kWhite);
    QPainter p(&img);
    const double swing[4] = {-95, -40, 20, 80};
    BenchScene(p, swing[frame], -60 + frame * 10);
    // Hose hanging from the regulator down to the floor.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x20, 0x20, 0x20), 3.2, Qt::SolidLine, Qt::RoundCap));
    QPainterPath hose;
    hose.moveTo(62, 16.5);
    hose.cubicTo(63, 40, 74, 58, 96, 66);
    p.drawPath(hose);
    p.setPen(QPen(QColor(0x3A, 0x6A, 0xD0), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(hose);
    return img;
}

QImage ClipStill() {
    QImage img = NewImage(105, 83, kWhite);
    QPainter p(&img);
    BenchScene(p, 35, -20);
    // Hose from the regulator into a small flask.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x20, 0x20, 0x20), 3.0, Qt::SolidLine, Qt::RoundCap));
    QPainterPath hose;
    hose.moveTo(62, 16.5);
    hose.cubicTo(63, 38, 88, 30, 87, 56);
    p.drawPath(hose);
    p.setPen(QPen(QColor(0x3A, 0x6A, 0xD0), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(hose);
    // Erlenmeyer flask on the floor.
    QPainterPath flask;
    flask.moveTo(83, 50);
    flask.lineTo(83, 60);
    flask.lineTo(73.5, 76);
    flask.quadTo(73, 78, 75.5, 78);
    flask.lineTo(98.5, 78);
    flask.quadTo(101, 78, 100.5, 76);
    flask.lineTo(91, 60);
    flask.lineTo(91, 50);
    flask.closeSubpath();
    QPainterPath liquid;
    liquid.moveTo(79.3, 66);
    liquid.lineTo(94.7, 66);
    liquid.lineTo(100.5, 76);
    liquid.quadTo(101, 78, 98.5, 78);
    liquid.lineTo(75.5, 78);
    liquid.quadTo(73, 78, 73.5, 76);
    liquid.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xE8, 0xF4, 0xFF, 170));
    p.drawPath(flask);
    QLinearGradient liq(73, 0, 101, 0);
    liq.setColorAt(0, QColor(0x20, 0xA0, 0x60));
    liq.setColorAt(0.4, QColor(0x70, 0xE0, 0xA0));
    liq.setColorAt(1, QColor(0x10, 0x70, 0x40));
    p.setBrush(liq);
    p.drawPath(liquid);
    // Bubbles from the hose end.
    p.setBrush(QColor(255, 255, 255, 200));
    p.setPen(QPen(QColor(0x10, 0x60, 0x30), 0.4));
    p.drawEllipse(QPointF(86, 70), 1.1, 1.1);
    p.drawEllipse(QPointF(88.5, 68), 0.9, 0.9);
    p.drawEllipse(QPointF(86.8, 67), 0.7, 0.7);
    p.setPen(QPen(QColor(0x30, 0x40, 0x50), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(flask);
    p.setPen(QPen(QColor(255, 255, 255, 200), 0.8));
    p.drawLine(QPointF(84.5, 61), QPointF(77, 74));
    p.setPen(QPen(QColor(0x30, 0x40, 0x50), 0.8));
    p.setBrush(QColor(0xD0, 0xD0, 0xD0));
    p.drawRoundedRect(QRectF(82, 48.5, 10, 2), 0.8, 0.8);
    return img;
}

// ---- The chromatogram clip, sixteen colour look ---------------------------------------------

struct Peak {
    double at, height, width;
};

constexpr int kChromFrames = 86;
constexpr int kTraceFrames = 76;

// Detector signal above baseline, in pixels, at plot column x.
double Signal(double x) {
    static const Peak peaks[] = {{7, 60, 1.0},  {16, 14, 1.0}, {23, 28, 1.1},
                                 {29, 10, 1.1}, {37, 34, 1.2}, {43, 19, 1.3},
                                 {52, 13, 1.5}, {59, 25, 1.6}, {67, 8, 1.8}};
    double s = 0.02 * x;  // slight drift as the oven heats
    for (const Peak& k : peaks) s += k.height * std::exp(-0.5 * std::pow((x - k.at) / k.width, 2));
    return s;
}

QImage ChromFrame(int frame) {
    constexpr int W = 80, H = 60;
    QImage img = NewImage(W, H, kFace);
    QPainter p(&img);
    // A recorder screen: sunken bezel around a white chart.
    HLine(p, 0, W - 2, 0, kShadow);
    VLine(p, 0, 0, H - 2, kShadow);
    HLine(p, 0, W - 1, H - 1, kWhite);
    VLine(p, W - 1, 0, H - 1, kWhite);
    Box(p, 1, 1, W - 2, H - 2, kWhite);
    // Faint grid.
    const int ox = 6, oy = H - 7;  // origin of the axes
    const int plotW = W - 3 - ox - 1;
    for (int x = ox + 10; x < W - 3; x += 10)
        for (int y = 4; y < oy; y += 2) Px(p, x, y, kFace);
    for (int y = oy - 10; y > 3; y -= 10)
        for (int x = ox + 2; x < W - 3; x += 2) Px(p, x, y, kFace);
    // Axes with ticks.
    VLine(p, ox, 3, oy, kBlack);
    HLine(p, ox, W - 4, oy, kBlack);
    for (int x = ox + 10; x < W - 3; x += 10) VLine(p, x, oy + 1, oy + 2, kBlack);
    for (int x = ox + 5; x < W - 3; x += 10) Px(p, x, oy + 1, kBlack);
    for (int y = oy - 10; y > 3; y -= 10) HLine(p, ox - 2, ox - 1, y, kBlack);
    Px(p, ox - 1, 3, kBlack);
    Px(p, ox + 1, 3, kBlack);
    Px(p, W - 4, oy - 1, kBlack);
    Px(p, W - 4, oy + 1, kBlack);

    const bool done = frame >= kTraceFrames;
    const int reach = done ? plotW : (frame + 1) * plotW / kTraceFrames;
    const int base = oy - 3;
    auto yAt = [&](int col) {
        const double y = base - Signal(col);
        return std::clamp(static_cast<int>(std::lround(y)), 4, base);
    };
    QPolygonF trace;
    for (int i = 0; i <= reach * 4; ++i) {
        const double col = i / 4.0;
        trace << QPointF(ox + 1 + col, std::max(4.0, base - Signal(col)));
    }
    p.setPen(QPen(kBlue, 0));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(trace);
    if (!done) {
        // The pen, riding on the trace.
        const int px = ox + 1 + reach;
        const int py = std::clamp(static_cast<int>(std::lround(base - Signal(reach))), 4, base);
        Box(p, px - 1, py - 1, px + 1, py + 1, kRed, kDarkRed);
    } else {
        // Finished: retention marks over the main peaks blink in.
        const int marks[] = {23, 37, 59};
        if ((frame - kTraceFrames) >= 2)
            for (int m : marks) {
                const int top = yAt(m) - 3;
                VLine(p, ox + 1 + m, top - 1, top, kRed);
            }
    }
    return img;
}

// ---- Output ---------------------------------------------------------------------------------

QImage Strip(const std::vector<QImage>& frames) {
    const int w = frames.front().width(), h = frames.front().height();
    QImage strip(w * static_cast<int>(frames.size()), h, QImage::Format_ARGB32);
    strip.fill(Qt::transparent);
    QPainter p(&strip);
    for (size_t i = 0; i < frames.size(); ++i) p.drawImage(static_cast<int>(i) * w, 0, frames[i]);
    return strip;
}

bool Save(const QImage& img, const QString& path, bool& ok) {
    const bool saved = img.convertToFormat(QImage::Format_ARGB32).save(path, "PNG");
    if (!saved) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    ok = ok && saved;
    return saved;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <resources folder>\n", argv[0]);
        return 2;
    }
    const QDir res(QString::fromLocal8Bit(argv[1]));
    if (!res.mkpath("images")) {
        std::fprintf(stderr, "cannot make %s/images\n", argv[1]);
        return 1;
    }
    const QString dir = res.filePath("images") + "/";
    bool ok = true;
    std::vector<int> bitmaps;
    auto bitmap = [&](int id, const QImage& img) {
        Save(img, dir + QString::number(id) + ".png", ok);
        bitmaps.push_back(id);
    };

    const Content vapor = VaporContent, flow = FlowContent, gases = GasesContent;
    bitmap(147, Button(89, 50, false, false, vapor));
    bitmap(148, Button(89, 50, true, false, vapor));
    bitmap(149, Button(89, 50, false, true, vapor));
    bitmap(150, Button(88, 50, false, false, flow));
    bitmap(151, Button(88, 50, true, false, flow));
    bitmap(152, Button(88, 50, false, true, flow));
    const auto solvents = [](int h) {
        return Content([h](QPainter& p, bool pressed) { SolventsContent(p, pressed, h); });
    };
    bitmap(154, Button(82, 42, false, false, solvents(42)));
    bitmap(155, Button(82, 42, true, false, solvents(42)));
    bitmap(156, Button(97, 27, false, false, gases));
    bitmap(157, Button(97, 27, true, false, gases));
    bitmap(158, Button(97, 27, false, true, gases));
    bitmap(172, Button(82, 48, false, true, solvents(48)));
    bitmap(173, Lamps(2));
    bitmap(174, Lamps(0));
    bitmap(175, Lamps(1));

    const int iconSizes[] = {16, 48, 256};
    Save(SmallIcon(32), dir + "128.png", ok);
    Save(SmallIcon(16), dir + "icon128-16.png", ok);
    Save(LargeIcon(48), dir + "icon128-48.png", ok);
    Save(LargeIcon(256), dir + "icon128-256.png", ok);

    std::vector<QImage> frames;
    for (int i = 0; i < 4; ++i) frames.push_back(ClipCylinder(i));
    Save(Strip(frames), dir + "clip185.png", ok);
    frames.clear();
    for (int i = 0; i < kChromFrames; ++i) frames.push_back(ChromFrame(i));
    Save(Strip(frames), dir + "clip187.png", ok);
    Save(Strip({ClipStill()}), dir + "clip189.png", ok);

    QFile qrc(res.filePath("images.qrc"));
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        std::fprintf(stderr, "cannot write images.qrc\n");
        return 1;
    }
    QTextStream out(&qrc);
    out << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    for (int id : bitmaps)
        out << "    <file alias=\"bitmaps/" << id << ".png\">images/" << id << ".png</file>\n";
    out << "    <file alias=\"icons/128.png\">images/128.png</file>\n";
    for (int s : iconSizes)
        out << "    <file alias=\"icons/128-" << s << ".png\">images/icon128-" << s
            << ".png</file>\n";
    for (int id : {185, 187, 189})
        out << "    <file alias=\"clips/" << id << ".png\">images/clip" << id << ".png</file>\n";
    out << "</qresource>\n</RCC>\n";
    return ok ? 0 : 1;
}
