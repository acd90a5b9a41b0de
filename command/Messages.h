// The texts of the messages that the copy command and the command-file export show.
#pragma once

#include <string>
#include <string_view>

namespace command {

inline constexpr std::string_view kAppTitle = "Zentrova KV";
inline constexpr std::string_view kErrorTitle = "Error";
inline constexpr std::string_view kNeedSource = "Please select a source directory";
inline constexpr std::string_view kNeedDestination = "Please select a destination directory";
inline constexpr std::string_view kContinueTitle = "Continue?";

// Shown instead of starting or saving a command whose field would not arrive intact.
inline std::string brokenArgumentText(std::string_view field, std::string_view consequence) {
    return "The value of \"" + std::string(field) +
        "\" would not reach robocopy.exe as shown: it holds a double quote, or a backslash "
        "right before a closing quote, which would change how the command line is split.\r\n"
        "Please correct it. " +
        std::string(consequence);
}

// Shown instead of starting or saving a command whose folder the engine would read against a
// current folder the user never named.
inline std::string notFullPathText(std::string_view field, std::string_view consequence) {
    return "The value of \"" + std::string(field) +
        "\" is not a full path, so robocopy.exe would read it against whatever folder happens "
        "to be current.\r\nPlease give a full path, such as C:\\Data\\ or \\\\server\\share\\Data\\. " +
        std::string(consequence);
}

// The user said No at the system's consent prompt for the engine's administrator rights.
inline constexpr std::string_view kElevationDeclined =
    "robocopy.exe was not given administrator rights, so nothing was started.\r\n"
    "The backup mode (/B, /ZB) and copying auditing information (/COPY:...U) need them.";

inline std::string engineStartFailedText(std::string_view path, std::string_view reason) {
    return "The copy engine could not be started:\r\n" + std::string(path) + "\r\n" + std::string(reason);
}

}  // namespace command
