// Picking the source and destination folders with the shell's folder picker, or by dropping a
// folder from Explorer on their boxes; the destination can carry the source's last folder name.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "options/Rules.h"

namespace options {

// The folder picker: the chosen path, "" when cancelled; also kept in BrowseResult.
std::string modBrowse(platform::Platform&, slots::SwitchSlots&, std::string_view title);
// The source's last folder name, with its trailing backslash if the source has one.
std::string lastNameSuffix(std::string_view source);

// The source and destination boxes, which take a dropped folder.
bool isFolderBox(const ui::MainWindow&, const ui::Control&);

struct DroppedItem {
    std::string path;
    bool folder = false;
};
// The text a folder box takes from a drop: the one folder dropped, as the picker would give it;
// nullopt (the box keeps its text) for a file, for several items or for none.
std::optional<std::string> folderDropText(std::span<const DroppedItem>);
// A drop on a folder box, with the paths the shell gives: a folder goes in as if typed there.
void dropOnFolderBox(platform::Platform&, ui::TextBox&, const std::vector<std::string>& paths);

}  // namespace options
