// The engine command line, in the form shown to the user and in the form that starts the engine.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "slots/SwitchSlots.h"

namespace command {

inline constexpr std::string_view kEngineName = "robocopy.exe";

// A folder box's text as it goes between the quotes, and the folder the engine will receive.
struct PathArgument {
    std::string written;
    std::string value;
};

// Final backslashes come off (a typed path without one stays whole); a drive root stays the
// root: "E:\" is written "E:\\", which the engine reads as E:\ rather than E:'s current folder.
PathArgument derivePath(std::string_view boxText);

// Whether the engine reads the folder without looking at any current folder: a drive and its
// root ("C:\Data", "E:\") or a UNC path ("\\server\share"). "Data", "D:Backup" and
// "\Backup" are read against whatever folder or drive is current. Takes derivePath().value.
bool isFullPath(std::string_view folder);

// The slots joined in command order.
std::string switchText(const slots::SwitchSlots&);
// "robocopy.exe " and the rest.
std::string displayForm(const slots::SwitchSlots&);
// The engine's full path: the program folder, "\" and the engine name.
std::string enginePath(std::string_view programFolder);
// The same as the display form, headed by the engine's full path, in quotes when it holds a blank.
std::string launchForm(const slots::SwitchSlots&, std::string_view programFolder);

// The name of the first field whose value would not reach the engine as intended (a double
// quote, or a backslash before a closing quote), or nullopt when the whole command line splits
// back into exactly the intended arguments. The path slots must already hold derivePath().written
// of the given boxes.
std::optional<std::string> findBrokenArgument(const slots::SwitchSlots&, std::string_view sourceBox,
                                              std::string_view destinationBox);

}  // namespace command
