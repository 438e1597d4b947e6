#include "ui/qt/tools/drawart/ArtPainting.h"
#include "ui/qt/tools/drawart/Pictures.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace veltrane::art {

// ---- Icon -----------------------------------------------------------------------------------

// Hand placed pixels for the two small sizes.
QImage SmallIcon(int s, int scale) {
    QImage img = NewImage(s, s, kFace, scale);
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

}  // namespace veltrane::art
