// A dialog template as plain data: size, caption, font, menu and controls.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "ui/Geometry.h"

namespace veltrane::ui {

enum class ControlKind {
    Edit,
    Static,
    Picture,  // static picture showing a bitmap by id
    GroupBox,
    EtchedLine,  // etched horizontal separator
    Icon,
    PushButton,
    PictureButton,  // owner-drawn push button showing up, down and focus bitmaps
    RadioButton,
    ComboBox,  // drop-down list
    Slider,
    Spin,  // horizontal spin button without an edit field of its own
    Progress,
    Animation,
    Table,  // a read-only list: rows of texts under column titles
};

enum class TextAlign { Left, Center, Right };

// The style bits the windows use; anything else a control needs is implied by its kind.
struct ControlStyle {
    TextAlign align = TextAlign::Left;
    bool group = false;          // starts a group (radio buttons) and a tab stop
    bool defaultButton = false;  // the button Enter presses
    bool readOnly = false;
    bool multiLine = false;
    bool border = false;
    bool disabled = false;
    bool ticksTop = false;        // slider tick marks above the channel
    bool selectionBand = false;   // slider shows a coloured selection band
    bool verticalScroll = false;  // drop-down list with a scroll bar
    bool centerImage = false;     // animation clip centred in its control
    // An edit that does not scroll sideways: typing stops when its visible width is full.
    bool noHorizontalScroll = false;
};

struct ControlLayout {
    int id = 0;  // 0 or -1 for controls the window logic never addresses
    ControlKind kind = ControlKind::Static;
    DluRect rect;
    std::string text;
    ControlStyle style;
    std::array<int, 3>
        images{};  // bitmap ids: picture/icon uses [0]; picture button up, down, focus
};

struct MenuItemLayout {
    int command = 0;  // 0 marks a separator
    std::string text;
};

struct MenuLayout {
    std::string title;
    std::vector<MenuItemLayout> items;
};

struct DialogLayout {
    int id = 0;
    int width = 0;  // dialog units
    int height = 0;
    std::string caption;
    std::string fontFace = "MS Sans Serif";
    int fontPoints = 8;
    std::vector<MenuLayout> menu;
    std::vector<ControlLayout> controls;
    int iconId = 0;  // window icon, 0 for none
    bool resizable = false;
    bool minMaxBoxes = false;
};

}  // namespace veltrane::ui
