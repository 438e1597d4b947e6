// <windows.h> for the Windows host, less the macros that would rename the window layer's own
// names: the dialog results IDOK and IDCANCEL, the help button's IDC_HELP and LoadString. The
// values of the two results are Windows' own (1 and 2), so ui::IDOK serves both.
#pragma once

// Windows 10 is the oldest system the program is made for: its calls and messages are there.
#ifndef _WIN32_WINNT
#define _WIN32_WINNT 0x0A00
#endif
#ifndef WINVER
#define WINVER 0x0A00
#endif

// clang-format off
#include <windows.h>
#include <objbase.h>  // the print dialog's declarations need COM's
#include <commctrl.h>
#include <commdlg.h>
// clang-format on

#undef IDOK
#undef IDCANCEL
#undef IDC_HELP
#undef LoadString
