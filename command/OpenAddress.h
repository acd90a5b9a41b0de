// Opening a web or mail address through the shell, and saying so when it cannot be opened.
#pragma once

#include <string_view>

#include "platform/Platform.h"

namespace command {

// Opens the target with the shell's "open" verb. When that fails, a message gives the address as
// the user can type it (shown) and the system's reason. True when it opened.
bool openAddress(platform::Platform&, std::string_view target, std::string_view shown);

}  // namespace command
