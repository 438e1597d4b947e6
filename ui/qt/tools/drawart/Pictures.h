// The pictures the tool writes: button faces, capacity lamps, icons and clip frames. Each is
// drawn at scale 1 for ordinary screens and at scale 2, twice as fine, for high-density ones.
#pragma once

#include <QImage>
#include <QPainter>

#include <functional>

namespace veltrane::art {

// ---- Picture buttons (Buttons.cpp) ----------------------------------------------------------

using Content = std::function<void(QPainter&, bool pressed)>;

// The words painted on the picture buttons, in one language of the windows.
struct ButtonWords {
    const char* vaporTop;
    const char* vaporBottom;
    const char* flowTop;
    const char* flowBottom;
    const char* gases;
    const char* solvents;
    bool russian;  // the Russian set keeps its font sizes exactly as first drawn
};
inline constexpr ButtonWords kRussianWords{"Объём",   "пара...",      "Давление", "Поток",
                                           "Газы...", "Растворители", true};
inline constexpr ButtonWords kEnglishWords{"Vapor",    "volume",   "Pressure", "Flow",
                                           "Gases...", "Solvents", false};

QImage Button(int w, int h, bool pressed, bool focus, const Content& draw, int scale);
void VaporContent(QPainter& p, bool pressed, const ButtonWords& words);
void FlowContent(QPainter& p, bool, const ButtonWords& words);
void GasesContent(QPainter& p, bool pressed, const ButtonWords& words);
void SolventsContent(QPainter& p, bool, const ButtonWords& words);

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
