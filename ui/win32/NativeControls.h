// The native controls of a dialog: its in-memory template, made from the layout as it stands,
// and each control brought up to date with the window logic's state.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "ui/Control.h"
#include "ui/DialogLayout.h"
#include "ui/win32/Pictures.h"
#include "ui/win32/Win32.h"

namespace veltrane::win32 {

// A DLGTEMPLATEEX with its items, in the layout's dialog units and font; the caption given.
std::vector<std::byte> DialogTemplate(const ui::DialogLayout& layout, const std::string& caption);

// The controls the host draws itself (pictures, icons, clips, picture buttons).
bool IsOwnerDrawn(ui::ControlKind kind);

// What syncing needs beyond the control: the dialog's font and scale, the fonts made so far.
struct NativeContext {
    HWND dialog = nullptr;
    HFONT dialogFont = nullptr;
    HWND toolTips = nullptr;
    double scaleX = 1.0;  // device pixels per nominal pixel
    double scaleY = 1.0;
    std::map<std::string, HFONT> fonts;  // by face, height and weight
};

// Brings one native control up to date with what the window logic holds. The caller fences
// off the notifications this raises, so they never come back as input.
void SyncNativeControl(HWND window, const ui::Control& control, NativeContext& context);

// The native control's text, as the user sees it.
std::string NativeText(HWND window);

}  // namespace veltrane::win32
