// The pictures the tool writes: button faces, capacity lamps, icons and clip frames. Each is
// drawn at scale 1 for ordinary screens and at scale 2, twice as fine, for high-density ones.
#pragma once

#include <QImage>
#include <QPainter>

#include <functional>

namespace veltrane::art {

// ---- Picture buttons (Buttons.cpp) ----------------------------------------------------------

using Content = std::function<void(QPainter&, bool pressed)>;

QImage Button(int w, int h, bool pressed, bool focus, const Content& draw, int scale);
void VaporContent(QPainter& p, bool pressed);
void FlowContent(QPainter& p, bool);
void GasesContent(QPainter& p, bool pressed);
void SolventsContent(QPainter& p, bool, int h);

// ---- Capacity lamps (Lamps.cpp) -------------------------------------------------------------

QImage Lamps(int lit, int scale);

// ---- Icon (Icon.cpp) ------------------------------------------------------------------------

QImage SmallIcon(int s, int scale);
QImage LargeIcon(int s);

// ---- Clips (Clips.cpp) ----------------------------------------------------------------------

QImage ClipCylinder(int frame, int scale);
QImage ClipStill(int scale);

constexpr int kChromFrames = 86;

QImage ChromFrame(int frame, int scale);

}  // namespace veltrane::art
