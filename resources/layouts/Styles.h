// The openings and control styles the dialog templates are written with.
#pragma once

#include <utility>

#include "data/Translation.h"
#include "ui/DialogLayout.h"

namespace veltrane::res {

// The words the templates are written in.
using ui::ControlKind;
using ui::ControlLayout;
using ui::ControlStyle;
using ui::TextAlign;

// A template's opening: its id, its size in dialog units and its caption.
inline ui::DialogLayout Template(int id, int width, int height, const char* caption) {
    ui::DialogLayout d;
    d.id = id;
    d.width = width;
    d.height = height;
    d.caption = caption;
    return d;
}

// The template in the language of the windows: caption, menu and every control's text. Texts
// that are no window words ("OK", a clip's name) are not in the catalog and stay as written.
inline ui::DialogLayout Translated(ui::DialogLayout d) {
    d.caption = Translate(d.caption);
    for (ui::MenuLayout& menu : d.menu) {
        menu.title = Translate(menu.title);
        for (ui::MenuItemLayout& item : menu.items) item.text = Translate(item.text);
    }
    for (ui::ControlLayout& control : d.controls) control.text = Translate(control.text);
    return d;
}

// Starts a group: radio buttons up to the next group belong together.
inline ui::ControlStyle Group() {
    ui::ControlStyle s;
    s.group = true;
    return s;
}

inline ui::ControlStyle Aligned(ui::TextAlign align, bool group = false) {
    ui::ControlStyle s;
    s.align = align;
    s.group = group;
    return s;
}

// A typed field that stops taking keys when its visible width is full: the window's texts
// always fit.
inline ui::ControlStyle Field() {
    ui::ControlStyle s = Group();
    s.noHorizontalScroll = true;
    return s;
}

// A drop-down list with a scroll bar.
inline ui::ControlStyle List() {
    ui::ControlStyle s = Group();
    s.verticalScroll = true;
    return s;
}

}  // namespace veltrane::res
