// The state of one control of a dialog: what a person would see of it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ui/DialogLayout.h"

namespace veltrane::ui {

// A font as the window logic asks for it; "Arial" is shown with a metric-compatible face.
struct Font {
    std::string face;
    int height = 0;  // character cell height in pixels
    int weight = 400;
    bool operator==(const Font&) const = default;
};

// One row of a spin button's acceleration table: after `seconds` held, step by `step`.
struct SpinAccel {
    int seconds = 0;
    int step = 1;
    bool operator==(const SpinAccel&) const = default;
};

struct SliderState {
    int min = 0;
    int max = 100;
    int pos = 0;
    int tickFrequency = 1;
    int pageSize = 10;
    int lineSize = 1;
    int selStart = 0;
    int selEnd = 0;
};

struct SpinState {
    int min = 0;
    int max = 100;
    std::int16_t pos = 0;  // the control keeps the low 16 bits of what it is given
    std::vector<SpinAccel> accel;
};

struct ComboState {
    std::vector<std::string> items;
    int selection = -1;
};

struct ProgressState {
    int min = 0;
    int max = 100;
    int pos = 0;
};

// What the window logic last asked of an animation control; the host plays it.
struct AnimationState {
    int clip = 0;  // 0: nothing open
    int from = 0;
    int to = 0;
    int repeat = 0;
    int playCount = 0;  // raised by every play request, so a host sees a replay of the same clip
    bool playing = false;
};

struct TableColumn {
    std::string title;
    int width = 40;  // dialog units
    TextAlign align = TextAlign::Left;
    bool operator==(const TableColumn&) const = default;
};

// What a table shows; which row a person has selected is the host's own business.
struct TableState {
    std::vector<TableColumn> columns;
    // One text per column; a short row leaves the rest empty.
    std::vector<std::vector<std::string>> rows;
};

struct Control {
    ControlLayout layout;
    std::string text;
    bool enabled = true;
    bool checked = false;
    Font font;  // empty face: the dialog font
    std::string toolTip;
    int image = 0;  // bitmap shown by a picture control
    SliderState slider;
    SpinState spin;
    ComboState combo;
    ProgressState progress;
    AnimationState animation;
    TableState table;

    int id() const { return layout.id; }
    ControlKind kind() const { return layout.kind; }
};

}  // namespace veltrane::ui
