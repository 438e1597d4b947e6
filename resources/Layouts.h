// The dialog templates of the program's windows.
#pragma once

#include "ui/DialogLayout.h"

namespace veltrane::res {

ui::DialogLayout LauncherLayout();      // template 102 with menu 130
ui::DialogLayout ColumnLayout();        // template 139, the column pressure/flow calculator
ui::DialogLayout VaporLayout();         // template 129, the solvent vapor volume calculator
ui::DialogLayout AboutLayout();         // template 138, the about box
ui::DialogLayout PlotLayout();          // template 159, the velocity plot
ui::DialogLayout TranslateLayout();     // template 160, the method translation
ui::DialogLayout ChromatogramLayout();  // template 161, the predicted chromatogram
ui::DialogLayout TranslatedLayout();    // template 162, the translated chromatograms

}  // namespace veltrane::res
