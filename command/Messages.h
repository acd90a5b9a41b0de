// The texts of the program's own messages: the copy command, the command-file export, and the
// failures of what the program asks of the system.
#pragma once

#include <string>
#include <string_view>

#include "command/Version.h"

namespace command {

inline constexpr std::string_view kAppTitle = ZKV_PRODUCT_NAME;
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

// A command refused for its folders: what is wrong, the two folders as the boxes give them, why
// it matters and what to do, and what did not happen.
inline std::string folderRefusalText(std::string_view what, std::string_view source, std::string_view destination,
                                     std::string_view why, std::string_view consequence) {
    return std::string(what) + ":\r\nSource: " + std::string(source) + "\r\nDestination: " + std::string(destination) +
        "\r\n" + std::string(why) + " " + std::string(consequence);
}

// Shown instead of starting or saving a command whose two folders are one.
inline std::string sameFolderText(std::string_view source, std::string_view destination, std::string_view consequence) {
    return folderRefusalText("The source and the destination are the same folder", source, destination,
                             "robocopy.exe would copy the folder onto itself.\r\nPlease choose another destination.",
                             consequence);
}

// Shown instead of starting or saving a command whose purge would delete its own source.
inline std::string sourceInsideDestinationText(std::string_view source, std::string_view destination,
                                               std::string_view switches, std::string_view consequence) {
    const std::string held(switches);
    return folderRefusalText("The source lies inside the destination", source, destination,
                             "With " + held +
                                 ", robocopy.exe deletes whatever the destination holds that the source does not, "
                                 "and the source folder itself is one of those: the copy would delete what it was "
                                 "asked to copy.\r\nPlease choose another destination, or leave out " +
                                 held + ".",
                             consequence);
}

// Shown instead of starting or saving a command that would copy its own output.
inline std::string destinationInsideSourceText(std::string_view source, std::string_view destination,
                                               std::string_view switches, std::string_view consequence) {
    return folderRefusalText("The destination lies inside the source", source, destination,
                             "With " + std::string(switches) +
                                 ", robocopy.exe copies the source's sub-folders, and the destination is one of "
                                 "them: the copy would copy its own output into itself.\r\nPlease choose a "
                                 "destination outside the source, or name it under \"Exclude the Following "
                                 "Directory Names/Paths\".",
                             consequence);
}

// Asked before a command that would delete from a whole drive or share whatever the source lacks.
inline std::string rootPurgeQuestion(std::string_view root, bool share, std::string_view source,
                                     std::string_view switches) {
    return "The destination " + std::string(root) + " is the root of " + (share ? "a share" : "a drive") +
        ", and the command holds " + std::string(switches) + ".\r\nEverything in " + std::string(root) +
        " that is not in the source " + std::string(source) + " will be deleted.\r\nDo you want to go on?";
}

// The user said No at the system's consent prompt for the engine's administrator rights.
inline constexpr std::string_view kElevationDeclined =
    "robocopy.exe was not given administrator rights, so nothing was started.\r\n"
    "The backup mode (/B, /ZB) and copying auditing information (/COPY:...U) need them.";

// A web or mail address the shell could not open, given so that the user can type it.
inline std::string openFailedText(std::string_view address, std::string_view reason) {
    return "This address could not be opened:\r\n" + std::string(address) + "\r\n" + std::string(reason) +
        "\r\nPlease type it into your web browser or mail program.";
}

// A dialog the system could not show: its reason, and what was therefore not done.
inline std::string dialogFailedText(std::string_view reason, std::string_view consequence) {
    return std::string(reason) + "\r\n" + std::string(consequence);
}

inline std::string engineStartFailedText(std::string_view path, std::string_view reason) {
    return "The copy engine could not be started:\r\n" + std::string(path) + "\r\n" + std::string(reason);
}

}  // namespace command
