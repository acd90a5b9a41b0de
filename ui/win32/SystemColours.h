// The system colours that the box and link colour rules choose from, as the system has them now.
#pragma once

#include <windows.h>

#include "ui/BoxColours.h"

namespace win32 {

inline ui::SystemColours systemColours() {
    return {GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_BTNFACE),
            GetSysColor(COLOR_GRAYTEXT), GetSysColor(COLOR_HOTLIGHT)};
}

}  // namespace win32
