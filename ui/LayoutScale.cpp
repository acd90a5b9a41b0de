#include "ui/LayoutScale.h"

#include <algorithm>

namespace ui {

namespace {

constexpr long long kTwipsPerInch = 1440;

// Rounded to the nearest pixel, halves away from zero, as MulDiv rounds.
int scaled(int twips, long long num, long long den) {
    long long v = twips * num;
    return static_cast<int>(v >= 0 ? (v + den / 2) / den : -((-v + den / 2) / den));
}

}  // namespace

LayoutScale::LayoutScale(int dpi, FontMetrics m) : dpi_(dpi) {
    // pixels = twips * dpi / 1440 * f, where f = measured / (design * dpi / 96) and never below 1:
    // one fraction per axis, so that rounding happens once, at the end.
    const long long designX = static_cast<long long>(kDesignFont.alphabetWidth) * dpi;
    const long long designY = static_cast<long long>(kDesignFont.height) * dpi;
    const long long measuredX = static_cast<long long>(std::max(m.alphabetWidth, 0)) * kDesignDpi;
    const long long measuredY = static_cast<long long>(std::max(m.height, 0)) * kDesignDpi;
    xNum_ = std::max(designX, measuredX);
    xDen_ = kTwipsPerInch * kDesignFont.alphabetWidth;
    yNum_ = std::max(designY, measuredY);
    yDen_ = kTwipsPerInch * kDesignFont.height;
}

int LayoutScale::x(int twips) const { return scaled(twips, xNum_, xDen_); }
int LayoutScale::y(int twips) const { return scaled(twips, yNum_, yDen_); }

PixelRect LayoutScale::rect(const Rect& r) const {
    const int left = x(r.left), top = y(r.top);
    return {left, top, left + x(r.width), top + y(r.height)};
}

}  // namespace ui
