// The option state as command-line text: one slot per engine option. A slot is empty (option off)
// or a complete fragment that begins with one space, as " /MIR" or " /R:0"; the copy flags are
// bare letters behind the prefix " /COPY:". The command line joins the slots in commandOrder().
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace slots {

struct SwitchSlots {
    std::string SourcePathArg, DestPathArg;
    std::string SubdirSwitch, LevelSwitch, ArchiveSwitch, CopyModeSwitch;
    std::string CopyPrefix, CopyFlagD, CopyFlagA, CopyFlagT, CopyFlagS, CopyFlagO, CopyFlagU;
    std::string SecSwitch, MovSwitch, MoveSwitch, PurgeSwitch, MirSwitch;
    std::string AttribAddSwitch, AttribRemoveSwitch, AttribIncludeSwitch, AttribExcludeSwitch;
    std::string CreateSwitch, FatSwitch, FftSwitch, NoLfnSwitch;
    std::string MonSwitch, MotSwitch, IpgSwitch, RunHoursSwitch;
    std::string XjSwitch, ListOnlySwitch, ReportExtraSwitch, VerboseSwitch, TsSwitch, FpSwitch;
    std::string ExcludeFilesSwitch, ExcludeDirsSwitch, ExcludeChangeSwitch, ExcludeExtraLonelySwitch;
    std::string IsSwitch, ItSwitch, MinSizeSwitch, MaxSizeSwitch;
    std::string MaxAgeSwitch, MinAgeSwitch, MaxLadSwitch, MinLadSwitch;
    std::string NjhSwitch, NjsSwitch, RetrySwitch, WaitSwitch, RegSwitch, TbdSwitch, EtaSwitch;
    std::string LogSwitch, TeeSwitch, NpSwitch;
    // The path of the last folder picked; never reaches a command line.
    std::string BrowseResult;

    // Empties every slot, the paths and the browse result included.
    void clear() { *this = SwitchSlots{}; }
};

using Slot = std::string SwitchSlots::*;

struct SlotInfo {
    Slot slot;
    std::string_view name;  // the member's name, for messages and diagnostics
    std::string_view field;  // the window's name for the input that fills it, for messages
};

// The switch slots in command-line order, after the two paths. ArchiveSwitch stands twice.
std::span<const SlotInfo> commandOrder();

}  // namespace slots
