// Whether a command would destroy what it was asked to copy, judged from the two folders as text.
// Nothing is looked up on disk: a folder that does not exist yet, or a share that cannot be
// reached now, is judged the same way, and the check costs nothing.
#pragma once

#include <string>
#include <string_view>

#include "slots/SwitchSlots.h"

namespace command {

// One spelling for every way of writing a folder, so that two spellings of one folder compare
// equal: lower case, backslashes only, no "\\?\" or "\\?\UNC\" prefix, no empty, "." or ".."
// segments, no final backslash but a drive root's ("c:\"). ".." stops at the drive root or the
// share root (\\server\share), as Windows stops it.
std::string normalFolder(std::string_view folder);

// Whether one normal folder lies below another, by whole segments: c:\data2 is not inside c:\data.
bool isInside(std::string_view inner, std::string_view outer);

enum class FolderRisk {
    None,
    SameFolder,
    SourceInsideDestination,  // and the command purges: the purge deletes the source
    DestinationInsideSource,  // and the command copies the sub-folders that hold the destination
    DestinationIsDriveRoot,  // and the command purges: ask first
    DestinationIsShareRoot,  // likewise
};

struct FolderCheck {
    FolderRisk risk = FolderRisk::None;
    // The switches that make it a risk, as the command line shows them: "/E", "/PURGE and /MIR".
    std::string switches;
};

// The first risk of a command, refusals before the question, for the folders as derivePath().value
// gives them and the switch slots it would carry.
FolderCheck checkFolders(std::string_view source, std::string_view destination, const slots::SwitchSlots&);

}  // namespace command
