// The About box's texts and its mail link.
#pragma once

#include <string>
#include <string_view>

#include "platform/Platform.h"

namespace ui {

inline constexpr std::string_view kSupportAddress = "support@zentrova.example";

struct AboutTexts {
    std::string caption, title, version, description, email;
};
AboutTexts aboutTexts();
// The address the mail link opens.
std::string mailLink();
// The mail link's click: a new mail to the support address, or a message that gives the address.
void openMailLink(platform::Platform&);

}  // namespace ui
