// The openings and control styles the dialog templates are written with.
#pragma once

#include <utility>
#include <vector>

#include "data/Translation.h"
#include "ui/Dialog.h"
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

// A figure the window shows and nobody types: framed, right-aligned unless told.
inline ui::ControlStyle Shown(ui::TextAlign align = ui::TextAlign::Right) {
    ui::ControlStyle s = Aligned(align);
    s.border = true;
    return s;
}

// A one-line label whose text starts at (x, y + 1): level with a field at y.
inline void Label(std::vector<ControlLayout>& c, int x, int y, int width, const char* text) {
    c.push_back({-1, ControlKind::Static, {x, y + 1, width, 9}, text, {}, {}});
}

// The foot of the method and chromatogram windows: Print, Help, OK (the default) and Cancel,
// in a row at y ending 5 units from the right of a 470 units wide window.
inline void PrintHelpOkCancel(std::vector<ControlLayout>& c, int y) {
    c.push_back({1010, ControlKind::PushButton, {250, y, 50, 14}, N_("П&ечать"), Group(), {}});
    c.push_back({1059, ControlKind::PushButton, {305, y, 50, 14}, N_("П&омощь"), Group(), {}});
    ControlStyle ok = Group();
    ok.defaultButton = true;
    c.push_back({ui::IDOK, ControlKind::PushButton, {360, y, 50, 14}, "OK", ok, {}});
    c.push_back(
        {ui::IDCANCEL, ControlKind::PushButton, {415, y, 50, 14}, N_("Отмена"), Group(), {}});
}

}  // namespace veltrane::res
