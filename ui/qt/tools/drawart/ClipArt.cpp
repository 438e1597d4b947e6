#include "ui/qt/tools/drawart/ArtPainting.h"
#include "ui/qt/tools/drawart/Pictures.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace veltrane::art {

// ---- Clips in full colour -------------------------------------------------------------------

namespace {

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

// A blue hose with a dark edge from the regulator's outlet, along a curve to its end.
void Hose(QPainter& p, QPointF c1, QPointF c2, QPointF end, double width, double core) {
    p.setBrush(Qt::NoBrush);
    QPainterPath hose;
    hose.moveTo(62, 16.5);
    hose.cubicTo(c1, c2, end);
    p.setPen(QPen(QColor(0x20, 0x20, 0x20), width, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(hose);
    p.setPen(QPen(QColor(0x3A, 0x6A, 0xD0), core, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(hose);
}

}  // namespace

QImage ClipCylinder(int frame, int scale) {
    QImage img = NewImage(105, 83, kWhite, scale);
    QPainter p(&img);
    const double swing[4] = {-95, -40, 20, 80};
    BenchScene(p, swing[frame], -60 + frame * 10);
    // Hose hanging from the regulator down to the floor.
    Hose(p, {63, 40}, {74, 58}, {96, 66}, 3.2, 2.0);
    return img;
}

QImage ClipStill(int scale) {
    QImage img = NewImage(105, 83, kWhite, scale);
    QPainter p(&img);
    BenchScene(p, 35, -20);
    // Hose from the regulator into a small flask.
    Hose(p, {63, 38}, {88, 30}, {87, 56}, 3.0, 1.8);
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

namespace {

struct Peak {
    double at, height, width;
};

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

}  // namespace

QImage ChromFrame(int frame, int scale) {
    constexpr int W = 80, H = 60;
    QImage img = NewImage(W, H, kFace, scale);
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
    // A hairline on the plain picture; as thick again, not thinner, on the 2x one.
    p.setPen(QPen(kBlue, scale == 1 ? 0 : 1));
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

}  // namespace veltrane::art
