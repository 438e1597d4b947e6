#include "ui/win32/GdiCanvas.h"
