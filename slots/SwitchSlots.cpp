#include "slots/SwitchSlots.h"

namespace slots {

namespace {

#define ZKV_SLOT(member, field) \
    SlotInfo { &SwitchSlots::member, #member, field }

// The only place that knows the order of the switches on the command line.
constexpr SlotInfo kOrder[] = {
    ZKV_SLOT(SubdirSwitch, "Copy All Sub-Directories"),
    ZKV_SLOT(LevelSwitch, "Directory Levels"),
    ZKV_SLOT(ArchiveSwitch, "Archive Attribute"),
    ZKV_SLOT(CopyModeSwitch, "Restartable Mode"),
    ZKV_SLOT(CopyPrefix, "Copy Flags"),
    ZKV_SLOT(CopyFlagD, "Copy Data."),
    ZKV_SLOT(CopyFlagA, "Copy Attributes."),
    ZKV_SLOT(CopyFlagT, "Copy Timestamps."),
    ZKV_SLOT(CopyFlagS, "Copy NTFS Security ACLs."),
    ZKV_SLOT(CopyFlagO, "Copy Ownership."),
    ZKV_SLOT(CopyFlagU, "Copy Auditing."),
    ZKV_SLOT(SecSwitch, "Copy Security Info"),
    ZKV_SLOT(MovSwitch, "Move Files (Delete From Source)"),
    ZKV_SLOT(MoveSwitch, "Move Files and Folders (Delete From Source)"),
    ZKV_SLOT(PurgeSwitch, "Delete Dirs in Dest. that no longer Exist in Source"),
    ZKV_SLOT(MirSwitch, "Mirror a Directory Tree"),
    ZKV_SLOT(AttribAddSwitch, "Add/Remove Attributes"),
    ZKV_SLOT(AttribRemoveSwitch, "Add/Remove Attributes"),
    ZKV_SLOT(AttribIncludeSwitch, "Include/Exclude Files Based on Attributes"),
    ZKV_SLOT(AttribExcludeSwitch, "Include/Exclude Files Based on Attributes"),
    ZKV_SLOT(CreateSwitch, "CREATE directory tree"),
    ZKV_SLOT(FatSwitch, "8.3 FAT file names"),
    ZKV_SLOT(FftSwitch, "Assume FAT File Times"),
    ZKV_SLOT(NoLfnSwitch, "Turn off very long path support"),
    ZKV_SLOT(MonSwitch, "Run again when more than n changes seen"),
    ZKV_SLOT(MotSwitch, "Run again after n minutes time"),
    ZKV_SLOT(IpgSwitch, "Inter-Packet Gap"),
    ZKV_SLOT(RunHoursSwitch, "Run Hours"),
    ZKV_SLOT(ArchiveSwitch, "Archive Attribute"),
    ZKV_SLOT(XjSwitch, "Exclude Junction points"),
    ZKV_SLOT(ListOnlySwitch, "List only"),
    ZKV_SLOT(ReportExtraSwitch, "Report all eXtra files"),
    ZKV_SLOT(VerboseSwitch, "Produce Verbose output"),
    ZKV_SLOT(TsSwitch, "Include source file Time Stamps"),
    ZKV_SLOT(FpSwitch, "Include Full Pathname of files"),
    ZKV_SLOT(ExcludeFilesSwitch, "Exclude the Following File Names/Wildcards/Paths."),
    ZKV_SLOT(ExcludeDirsSwitch, "Exclude the Following Directory Names/Paths"),
    ZKV_SLOT(ExcludeChangeSwitch, "Exclude Changed/Older/Newer Files"),
    ZKV_SLOT(ExcludeExtraLonelySwitch, "Exclude Extra/Lonely Files and Directories"),
    ZKV_SLOT(IsSwitch, "Include Same files."),
    ZKV_SLOT(ItSwitch, "Include Tweaked files."),
    ZKV_SLOT(MinSizeSwitch, "Minimum File Size (Bytes)"),
    ZKV_SLOT(MaxSizeSwitch, "Maximum File Size (Bytes)"),
    ZKV_SLOT(MaxAgeSwitch, "MAXimum file AGE"),
    ZKV_SLOT(MinAgeSwitch, "MINimum file AGE"),
    ZKV_SLOT(MaxLadSwitch, "MAXimum Last Access Date"),
    ZKV_SLOT(MinLadSwitch, "MINimum Last Access Date"),
    ZKV_SLOT(NjhSwitch, "No Job Header."),
    ZKV_SLOT(NjsSwitch, "No Job Summary."),
    ZKV_SLOT(RetrySwitch, "Retries on Failed Copy"),
    ZKV_SLOT(WaitSwitch, "Seconds Between Retries"),
    ZKV_SLOT(RegSwitch, "Save As Default"),
    ZKV_SLOT(TbdSwitch, "Wait for sharenames To Be Defined"),
    ZKV_SLOT(EtaSwitch, "Show Estimated Time of Arrival"),
    ZKV_SLOT(LogSwitch, "Log File"),
    ZKV_SLOT(TeeSwitch, "Output to console window"),
    ZKV_SLOT(NpSwitch, "Don't Display % Copied"),
};

#undef ZKV_SLOT

}  // namespace

std::span<const SlotInfo> commandOrder() { return kOrder; }

}  // namespace slots
