// The dialog templates of the program's five windows.
#pragma once

#include "ui/DialogLayout.h"

namespace veltrane::res {

ui::DialogLayout LauncherLayout();  // template 102 with menu 130
ui::DialogLayout ColumnLayout();    // template 139, the column pressure/flow calculator

}  // namespace veltrane::res
