#include "ui/win32/DrawnText.h"

#include <cstring>

#include "ui/win32/Gdi.h"

namespace win32 {

std::vector<bool> inkColumns(HFONT font, const std::wstring& text) {
    std::vector<bool> ink;
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc) return ink;
    HGDIOBJ oldFont = SelectObject(dc, font);
    SIZE extent{};
    TEXTMETRICW tm{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    GetTextMetricsW(dc, &tm);
    // Room beyond the measured extent, in case the font draws wider than it measures.
    const int width = extent.cx + tm.tmMaxCharWidth + 2, height = tm.tmHeight;
    const BITMAPINFO bi = topDownBitmapInfo(width, height);
    void* bits = nullptr;
    HBITMAP bitmap = width > 0 && height > 0 ? CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0) : nullptr;
    if (bitmap) {
        HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
        auto* pixels = static_cast<DWORD*>(bits);
        std::memset(pixels, 0xFF, static_cast<size_t>(width) * static_cast<size_t>(height) * sizeof(DWORD));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(0, 0, 0));
        TextOutW(dc, 0, 0, text.c_str(), static_cast<int>(text.size()));
        GdiFlush();
        ink.assign(static_cast<size_t>(width), false);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                if ((pixels[y * width + x] & 0xFFFFFF) != 0xFFFFFF) ink[static_cast<size_t>(x)] = true;
        SelectObject(dc, oldBitmap);
        DeleteObject(bitmap);
    }
    SelectObject(dc, oldFont);
    DeleteDC(dc);
    return ink;
}

}  // namespace win32
