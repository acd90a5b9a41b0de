// The colours of the text boxes that have a background of their own, and of the About box's mail
// link. While the system's high-contrast mode is off they keep the colours the window was designed
// with: grey for a box not in use, white for one in use, its text in the user's window-text
// colour; a black link that turns blue under the mouse. With it on, the user has chosen colours
// that every program is to follow: a box in use takes the window colours, one not in use looks
// as the system draws a disabled box, and the link takes the system's link colour.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/Platform.h"

namespace ui {

// The system's colours the rules choose from, 0xBBGGRR as Windows keeps them.
struct SystemColours {
    std::uint32_t window = 0, windowText = 0, buttonFace = 0, grayText = 0, hotLight = 0;
};

struct BoxPaint {
    std::uint32_t background = 0, text = 0;
    friend bool operator==(const BoxPaint&, const BoxPaint&) = default;
};

// A box of the given back colour (the model's: kGrey, kWhite, or 0 for none of its own);
// nullopt when the system draws it as any other box.
std::optional<BoxPaint> boxPaint(platform::Platform&, std::uint32_t backColour, const SystemColours&);
std::uint32_t mailLinkColour(platform::Platform&, bool underMouse, const SystemColours&);

}  // namespace ui
