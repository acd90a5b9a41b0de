// Twips become pixels here and nowhere else.
#pragma once

#include <windows.h>

#include "ui/MainLayout.h"

namespace win32 {

inline int px(int twips, UINT dpi) { return MulDiv(twips, static_cast<int>(dpi), 1440); }
inline RECT pxRect(const ui::Rect& r, UINT dpi) {
    return {px(r.left, dpi), px(r.top, dpi), px(r.right(), dpi), px(r.bottom(), dpi)};
}

}  // namespace win32
