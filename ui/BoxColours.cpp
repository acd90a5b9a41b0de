#include "ui/BoxColours.h"

#include "ui/Controls.h"

namespace ui {

namespace {

constexpr std::uint32_t kLinkColour = 0x000000;
constexpr std::uint32_t kLinkUnderMouseColour = 0xFF0000;  // blue, as 0xBBGGRR

}  // namespace

std::optional<BoxPaint> boxPaint(platform::Platform& p, std::uint32_t backColour, const SystemColours& system) {
    if (backColour == 0) return std::nullopt;
    if (!p.highContrast()) return BoxPaint{backColour, system.windowText};
    if (backColour == kGrey) return BoxPaint{system.buttonFace, system.grayText};
    return BoxPaint{system.window, system.windowText};
}

std::uint32_t mailLinkColour(platform::Platform& p, bool underMouse, const SystemColours& system) {
    if (p.highContrast()) return system.hotLight;
    return underMouse ? kLinkUnderMouseColour : kLinkColour;
}

}  // namespace ui
