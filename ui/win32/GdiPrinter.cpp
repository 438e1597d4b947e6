#include "ui/win32/GdiPrinter.h"
