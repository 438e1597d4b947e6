#include "ui/qt/tools/drawart/ArtPainting.h"
#include "ui/qt/tools/drawart/Pictures.h"

#include <QFontMetrics>
#include <QString>

namespace veltrane::art {

// ---- Picture buttons ------------------------------------------------------------------------

namespace {

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

}  // namespace

QImage Button(int w, int h, bool pressed, bool focus, const Content& draw, int scale) {
    QImage img = NewImage(w, h, kFace, scale);
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

void VaporContent(QPainter& p, bool pressed, const ButtonWords& words) {
    SmallSyringe(p, 16, 12, 6, 15, true);
    SprayBurst(p, 16, 11, pressed);
    const QString top = QString::fromUtf8(words.vaporTop);
    const QString bottom = QString::fromUtf8(words.vaporBottom);
    const QFont f =
        words.russian ? TextFont(12, true, false) : FittingFont(12, true, 56, {top, bottom});
    CentredText(p, f, 55, 22, top);
    CentredText(p, f, 55, 37, bottom);
}

// Blue cylinder with a regulator carrying two gauges.
void FlowContent(QPainter& p, bool, const ButtonWords& words) {
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
    const QString top = QString::fromUtf8(words.flowTop),
                  bottom = QString::fromUtf8(words.flowBottom);
    // Centred on 61, words up to 44 pixels wide end a pixel clear of the focus frame at 84.
    const QFont f = FittingFont(12, true, 44, {top, bottom});
    CentredText(p, f, 61, 20, top);
    CentredText(p, f, 61, 35, bottom);
}

void GasesContent(QPainter& p, bool pressed, const ButtonWords& words) {
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
    p.drawText(38, 18, QString::fromUtf8(words.gases));
}

// A syringe dipping its needle into a capped vial, the word below.
void SolventsContent(QPainter& p, bool, const ButtonWords& words) {
    const int vx = 26;  // vial centre
    const int capTop = 14, bottom = 26;
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
    const QString word = QString::fromUtf8(words.solvents);
    const QFont f = FittingFont(11, false, 70, {word});
    // The word's ink is centred in rows 28 to 36: a pixel clear of the vial above and of the
    // focus frame's bottom line (row 38), descenders included.
    const QRect ink = QFontMetrics(f).tightBoundingRect(word);
    CentredText(p, f, 41, 28 + (9 - ink.height()) / 2 - ink.top(), word);
}

}  // namespace veltrane::art
