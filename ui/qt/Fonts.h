// The fonts the windows ask for, as Qt fonts in metric-compatible faces.
#pragma once

#include <QFont>
#include <string>

#include "ui/Control.h"
#include "ui/DialogLayout.h"

namespace veltrane::qt {

// The face installed for a face a layout names: the classic Windows faces map to Liberation.
QString FaceFor(const std::string& face);

// The dialog's own font. Its size is fixed in pixels (points at 96 dots per inch) because the
// controls are placed in fixed pixels too: a desktop with another DPI must not outgrow them.
QFont DialogFont(const ui::DialogLayout& layout);

// A control's font; an empty face means the dialog font.
QFont ControlFont(const ui::Font& font, const QFont& dialogFont);

}  // namespace veltrane::qt
