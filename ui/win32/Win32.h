// <windows.h> for the Windows host, less the macros that would rename the window layer's own
// names: the dialog results IDOK and IDCANCEL, the help button's IDC_HELP and LoadString. The
// values of the two results are Windows' own (1 and 2), so ui::IDOK serves both.
#pragma once

#include <windows.h>
// clang-format off
#include <commctrl.h>
// clang-format on

#undef IDOK
#undef IDCANCEL
#undef IDC_HELP
#undef LoadString
