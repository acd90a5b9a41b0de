// The About box's "System Info" button: finds the System Information tool in the registry and
// starts it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/Platform.h"

namespace ui {

inline constexpr std::string_view kSysInfoUnavailable = "System Information Is Unavailable At This Time";

// A registry value as text: REG_SZ and REG_EXPAND_SZ (which the platform gives expanded) as they
// stand, less a final NUL; REG_DWORD as its decimal number; any other type leaves the caller's
// text. nullopt when the value was not found or holds no text, as an empty value names nothing.
std::optional<std::string> GetKeyValue(platform::Platform&, const std::string& key, const std::string& value,
                                       const std::string& callerText = "");
std::string decodeRegistryValue(const platform::RegistryValue&, const std::string& callerText);

// Starts the System Information tool, or says that it is unavailable.
void StartSysInfo(platform::Platform&);

}  // namespace ui
