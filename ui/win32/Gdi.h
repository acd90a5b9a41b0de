// Owners for GDI objects and icons, so that nothing is deleted by hand.
#pragma once

#include <windows.h>

#include <utility>

namespace win32 {

template <class H>
inline void destroyHandle(H h) {
    DeleteObject(h);
}
template <>
inline void destroyHandle(HICON h) {
    DestroyIcon(h);
}

template <class H>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(H h) : h_(h) {}
    GdiObject(GdiObject&& o) noexcept : h_(std::exchange(o.h_, nullptr)) {}
    GdiObject& operator=(GdiObject&& o) noexcept {
        reset(std::exchange(o.h_, nullptr));
        return *this;
    }
    ~GdiObject() { reset(); }
    void reset(H h = nullptr) {
        if (h_) destroyHandle(h_);
        h_ = h;
    }
    H get() const { return h_; }

private:
    H h_ = nullptr;
};

using Font = GdiObject<HFONT>;
using Brush = GdiObject<HBRUSH>;
using Icon = GdiObject<HICON>;

// The header of a 32-bit top-down device-independent bitmap, for pixels read row by row.
inline BITMAPINFO topDownBitmapInfo(int width, int height) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof(bi.bmiHeader);
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    return bi;
}

// The dialog font at a given DPI.
inline Font dialogFont(UINT dpi, int points = 8, const wchar_t* face = L"MS Shell Dlg 2", bool fixed = false,
                       int weight = FW_NORMAL, bool underline = false) {
    return Font(CreateFontW(-MulDiv(points, static_cast<int>(dpi), 72), 0, 0, 0, weight, FALSE, underline, FALSE,
                            DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                            static_cast<BYTE>((fixed ? FIXED_PITCH | FF_MODERN : DEFAULT_PITCH | FF_DONTCARE)), face));
}

}  // namespace win32
