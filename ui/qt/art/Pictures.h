// The pictures the tool writes: button faces, capacity lamps, icons and clip frames.
#pragma once

#include <QImage>
#include <QPainter>

#include <functional>

namespace veltrane::art {

// ---- Picture buttons (Buttons.cpp) ----------------------------------------------------------

using Content = std::function<void(QPainter&, bool pressed)>;

QImage Button(int w, int h, bool pressed, bool focus, const Content& draw);
void VaporContent(QPainter& p, bool pressed);
void FlowContent(QPainter& p, bool);
void GasesContent(QPainter& p, bool pressed);
void SolventsContent(QPainter& p, bool, int h);

// ---- Capacity lamps (Lamps.cpp) -------------------------------------------------------------

QImage Lamps(int lit);

// ---- Icon (Icon.cpp) ------------------------------------------------------------------------

QImage SmallIcon(int s);
QImage LargeIcon(int s);

// ---- Clips (Clips.cpp) ----------------------------------------------------------------------

QImage ClipCylinder(int frame);
QImage ClipStill();

constexpr int kChromFrames = 86;

QImage ChromFrame(int frame);

}  // namespace veltrane::art
