#include "ui/win32/Pictures.h"
