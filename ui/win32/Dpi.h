// Twips become pixels through the layout scale, which is measured here from the font in use.
#pragma once

#include <windows.h>

#include <algorithm>

#include "ui/LayoutScale.h"

namespace win32 {

// The scale for a font at a DPI: what the font measures, as dialog units are taken.
inline ui::LayoutScale measuredScale(HFONT font, UINT dpi) {
    static constexpr wchar_t kAlphabet[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    ui::FontMetrics m{};
    if (HDC dc = GetDC(nullptr)) {
        HGDIOBJ old = SelectObject(dc, font);
        SIZE s{};
        TEXTMETRICW tm{};
        if (GetTextExtentPoint32W(dc, kAlphabet, 52, &s)) m.alphabetWidth = s.cx;
        if (GetTextMetricsW(dc, &tm)) m.height = tm.tmHeight;
        SelectObject(dc, old);
        ReleaseDC(nullptr, dc);
    }
    return ui::LayoutScale(static_cast<int>(dpi), m);
}

inline RECT pxRect(const ui::Rect& r, const ui::LayoutScale& s) {
    ui::PixelRect p = s.rect(r);
    return {p.left, p.top, p.right, p.bottom};
}

// The outer size of a window whose client area is the given twips at this scale, for this
// system's frame, caption and menu bar, and never smaller than the specified outer size (twips
// at plain DPI scaling); a bar of belowPixels under the client area adds its height to both.
inline SIZE outerSize(const ui::LayoutScale& s, int clientWidthTwips, int clientHeightTwips, int minWidthTwips,
                      int minHeightTwips, DWORD style, DWORD exStyle, bool menu, int belowPixels = 0) {
    RECT r{0, 0, s.x(clientWidthTwips), s.y(clientHeightTwips) + belowPixels};
    AdjustWindowRectExForDpi(&r, style, menu, exStyle, static_cast<UINT>(s.dpi()));
    const ui::LayoutScale plain(s.dpi(), ui::kDesignFont);
    return {std::max<LONG>(r.right - r.left, plain.x(minWidthTwips)),
            std::max<LONG>(r.bottom - r.top, plain.y(minHeightTwips) + belowPixels)};
}

}  // namespace win32
