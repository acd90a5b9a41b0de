// Picking the source and destination folders with the shell's folder picker; the destination
// can carry the source's last folder name.
#pragma once

#include <string>
#include <string_view>

#include "options/Rules.h"

namespace options {

// The folder picker: the chosen path, "" when cancelled; also kept in BrowseResult.
std::string modBrowse(platform::Platform&, slots::SwitchSlots&, std::string_view title);
// The source's last folder name, with its trailing backslash if the source has one.
std::string lastNameSuffix(std::string_view source);

}  // namespace options
