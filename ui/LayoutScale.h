// Twips become pixels here, as dialog units do: through the DPI and what the dialog font in use
// measures against the font the layout was designed for. A wider or taller font makes every
// control grow in proportion; a narrower one never makes the window smaller than specified.
#pragma once

#include "ui/MainLayout.h"

namespace ui {

// What a font measures, in pixels: the width of "A".."Z""a".."z" in one run (the average over
// 52 letters, as dialog base units take it, without their rounding) and the cell height.
struct FontMetrics {
    int alphabetWidth = 0;
    int height = 0;
};

// Tahoma 8 pt at 96 DPI, which the system gives for "MS Shell Dlg 2": the font the layout was
// designed with.
inline constexpr int kDesignDpi = 96;
inline constexpr FontMetrics kDesignFont{330, 13};

struct PixelRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
};

class LayoutScale {
public:
    LayoutScale(int dpi, FontMetrics measured);

    int dpi() const { return dpi_; }
    // One length or position along each axis.
    int x(int twips) const;
    int y(int twips) const;
    // The top left is rounded as a position and the size on its own, so that a larger scale
    // never gives a smaller control.
    PixelRect rect(const Rect&) const;

private:
    int dpi_;
    // pixels = twips * num / den, each axis on its own.
    long long xNum_, xDen_, yNum_, yDen_;
};

}  // namespace ui
