// Shows a control's state on its widget: the one way the window logic's changes reach the screen.
#pragma once

#include <QWidget>

#include "ui/Control.h"
#include "ui/qt/ControlFactory.h"

namespace veltrane::qt {

// Brings the widget in line with the control. It never emits the widget's user-input signals,
// but callers still block signals around it so no update can echo back as input.
void SyncControl(const ui::Control& control, QWidget* widget, ControlContext& context);

}  // namespace veltrane::qt
