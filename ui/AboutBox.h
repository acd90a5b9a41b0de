// The About box's texts, its mail link and the System Information launcher.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/Platform.h"

namespace ui {

inline constexpr std::string_view kSupportAddress = "support@zentrova.example";
inline constexpr std::string_view kSysInfoUnavailable = "System Information Is Unavailable At This Time";

struct AboutTexts {
    std::string caption, title, version, description, email;
};
AboutTexts aboutTexts();
// The address the mail link opens.
std::string mailLink();

// A registry value as text: REG_SZ as it stands (less a final NUL), REG_DWORD as its decimal
// number; any other type leaves the caller's text. nullopt when the value was not found.
std::optional<std::string> GetKeyValue(platform::Platform&, const std::string& key, const std::string& value,
                                       const std::string& callerText = "");
std::string decodeRegistryValue(const platform::RegistryValue&, const std::string& callerText);

// Starts the System Information tool, or says that it is unavailable.
void StartSysInfo(platform::Platform&);

}  // namespace ui
