// The widget that shows each kind of control, created on its dialog-unit rectangle.
#pragma once

#include <QFont>
#include <QSize>
#include <QWidget>

#include "ui/Control.h"

namespace veltrane::qt {

class ImageStore;

// What a control's widget needs besides the control itself.
struct ControlContext {
    ImageStore& images;
    QFont dialogFont;
    QSize clientSize;  // the dialog's client area in pixels
};

// A new widget for the control on `parent`, not yet showing the control's state.
QWidget* CreateControlWidget(const ui::Control& control, QWidget* parent, ControlContext& context);

// Where a text of this alignment sits across its cell.
Qt::Alignment HorizontalAlignment(ui::TextAlign align);

// Statics, pictures, frames and lines: they take no input of their own, and a double-click on
// them belongs to the dialog.
bool IsStaticKind(ui::ControlKind kind);

// Kinds the keyboard focus can rest on (the buddy of a label's mnemonic is the next of these).
bool TakesFocus(ui::ControlKind kind);

}  // namespace veltrane::qt
