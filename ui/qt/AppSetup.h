// The application-wide settings the program starts with, shared with the window tests.
#pragma once

namespace veltrane::qt {

// After the QApplication exists: the C numeric locale back in force, the Fusion style, and the
// Liberation Sans 8 pt application font for message boxes and the print dialog.
void SetUpApplication();

}  // namespace veltrane::qt
