// The palette and the drawing helpers every picture is made of.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QStringList>
#include <functional>

namespace veltrane::art {

// The classic sixteen colours and the two greys every button face is made of.
inline const QColor kBlack(0, 0, 0);
inline const QColor kWhite(255, 255, 255);
inline const QColor kFace(0xC0, 0xC0, 0xC0);
inline const QColor kShadow(0x80, 0x80, 0x80);
inline const QColor kRed(0xFF, 0, 0);
inline const QColor kDarkRed(0x80, 0, 0);
inline const QColor kGreen(0, 0xFF, 0);
inline const QColor kDarkGreen(0, 0x80, 0);
inline const QColor kBlue(0, 0, 0xFF);
inline const QColor kNavy(0, 0, 0x80);
inline const QColor kYellow(0xFF, 0xFF, 0);
inline const QColor kOlive(0x80, 0x80, 0);
inline const QColor kCyan(0, 0xFF, 0xFF);
inline const QColor kTeal(0, 0x80, 0x80);

// ---- Pixels, lines, boxes and discs ---------------------------------------------------------

// A w × h picture; with scale 2 it has twice the pixels in each direction (a devicePixelRatio
// of 2), and everything is still drawn in the w × h coordinates.
QImage NewImage(int w, int h, const QColor& fill, int scale = 1);
// How many image pixels one picture pixel spans on the painter's image: 1, or 2 for the 2x set.
int Scale(QPainter& p);
void Px(QPainter& p, int x, int y, const QColor& c);
// One image pixel at a picture position: a whole pixel at scale 1, a half one at scale 2.
void Dot(QPainter& p, double x, double y, const QColor& c);
// A pixel-sized spot of a line at a picture position that may fall between pixels: drawn along
// a line on the 2x grid it keeps the line's weight and smooths its steps.
void Stroke(QPainter& p, double x, double y, const QColor& c);
// Paints the image pixels of the (2r+1) square around pixel (cx, cy) with the colour `pick`
// gives for their offset from its middle, or leaves them (an invalid colour). At scale 2 the
// offsets step by half a pixel, so round shapes come out smooth rather than pixel-doubled.
void Dots(QPainter& p, int cx, int cy, int r,
          const std::function<QColor(double dx, double dy)>& pick);
void HLine(QPainter& p, int x0, int x1, int y, const QColor& c);
void VLine(QPainter& p, int x, int y0, int y1, const QColor& c);
// A filled box with a one pixel outline, both corners inclusive.
void Box(QPainter& p, int x0, int y0, int x1, int y1, const QColor& fill,
         const QColor& line = kBlack);
// A filled disc with a one pixel outline, centred on the middle of a (2r+1) square.
void Disc(QPainter& p, int cx, int cy, int r, const QColor& fill, const QColor& line = kBlack);

// ---- Button edges and the focus frame -------------------------------------------------------

enum class Edge { Raised, Sunken };

void ButtonEdge(QPainter& p, int w, int h, Edge e);
// Every other pixel black, just inside the edge.
void FocusFrame(QPainter& p, int w, int h);

// ---- Fonts and text -------------------------------------------------------------------------

QFont TextFont(int px, bool bold, bool smooth, int stretch = 100);
// The largest size up to maxPx at which every line fits into width.
QFont FittingFont(int maxPx, bool bold, int width, const QStringList& lines);
// Writes a line centred on cx with its baseline at y.
void CentredText(QPainter& p, const QFont& f, int cx, int y, const QString& s,
                 const QColor& c = kBlack);

// ---- Small parts in the sixteen colour look ------------------------------------------------

// A syringe standing upright, needle tip at (cx, top).
void SmallSyringe(QPainter& p, int cx, int top, int needle, int barrel, bool fullScale);
// A burst of vapour leaving a needle tip at (cx, cy).
void SprayBurst(QPainter& p, int cx, int cy, bool large);
// A small round pressure gauge: white dial, black rim, needle pointing up-right.
void SmallGauge(QPainter& p, int cx, int cy, int r, double needleDeg = 40);
// An upright cylinder (dome on top) from x0..x1, shoulder at top, floor at bottom.
void SmallCylinder(QPainter& p, int x0, int x1, int top, int bottom, const QColor& body,
                   const QColor& dark, const QColor& light);

}  // namespace veltrane::art
