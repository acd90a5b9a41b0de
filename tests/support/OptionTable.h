// The option controls of the main window, with their pages, captions and the exact switch text
// each one writes into its slot. Written out by hand from what the program must do, not from the
// product's own tables, so that the tests have an independent oracle. Every unit test that needs
// to know which control writes which switch reads it from here.
#pragma once

#include <string>
#include <vector>

#include "slots/SwitchSlots.h"
#include "ui/MainLayout.h"

namespace testsupport {

using Slot = std::string slots::SwitchSlots::*;
using ui::PageId;

inline std::string gapped(const std::string& before, int blanks, const std::string& after) {
    return before + std::string(static_cast<std::size_t>(blanks), ' ') + after;
}

// Check boxes that stand for one switch each: checked, the slot holds the text; unchecked, it is
// empty. Only the mirror box shows a warning first.
struct Toggle {
    PageId page;
    const char* box;
    std::string caption;
    Slot slot;
    const char* text;
    bool warns = false;
};
using S = slots::SwitchSlots;
inline const std::vector<Toggle> kToggles = {
    {PageId::Logging, "chkJobSummary", "No Job Summary.", &S::NjsSwitch, " /NJS"},
    {PageId::Logging, "chkJobHeader", "No Job Header.", &S::NjhSwitch, " /NJH"},
    {PageId::Logging, "chkInclFullPath", "Include Full Pathname of files in the output.", &S::FpSwitch, " /FP"},
    {PageId::Logging, "chkInclSource", "Include source file Time Stamps in the output.", &S::TsSwitch, " /TS"},
    {PageId::Logging, "chkVerbose", "Produce Verbose output, showing skipped files.", &S::VerboseSwitch, " /V"},
    {PageId::Logging, "chkReportXtra", "Report all eXtra files, not just those selected.", &S::ReportExtraSwitch,
     " /X"},
    {PageId::Logging, "chkListOnly", "List only - don't copy, timestamp or delete any files", &S::ListOnlySwitch,
     " /L"},
    {PageId::Logging, "chkNp", "Don't Display % Copied", &S::NpSwitch, " /NP"},
    // "Show", a blank, one double quote and no closing one.
    {PageId::Logging, "chkEta", std::string("Show ") + '"' + "Estimated Time of Arrival on Copied Files", &S::EtaSwitch,
     " /ETA"},
    {PageId::Logging, "chkTerminal", "Output to console window, as well as the log file.", &S::TeeSwitch, " /TEE"},
    {PageId::FileSelection2, "chkInclTweaked", "Include Tweaked files.", &S::ItSwitch, " /IT"},
    {PageId::FileSelection2, "chkInclSame", "Include Same files.", &S::IsSwitch, " /IS"},
    {PageId::FileSelection4, "chkExcJunction", "Exclude Junction points. (normally included by default).", &S::XjSwitch,
     " /XJ"},
    {PageId::Retry, "chkTbd", "Wait for sharenames To Be Defined (retry error 67).", &S::TbdSwitch, " /TBD"},
    {PageId::Retry, "chkReg", "Save As Default", &S::RegSwitch, " /REG"},
    {PageId::CopyOptions2, "chkCreate", "CREATE directory tree and zero-length files only.", &S::CreateSwitch,
     " /CREATE"},
    {PageId::CopyOptions2, "chkFat", "Create destination files using 8.3 FAT file names only.", &S::FatSwitch, " /FAT"},
    {PageId::CopyOptions2, "chkFft", "Assume FAT File Times (2-second granularity).", &S::FftSwitch, " /FFT"},
    {PageId::CopyOptions2, "chkNoLfns", "Turn off very long path (> 256 characters) support.", &S::NoLfnSwitch,
     " /256"},
    {PageId::CopyOptions2, "chkSecurity", "Copy Security Info", &S::SecSwitch, " /SEC"},
    {PageId::CopyOptions2, "chkPurge", "Delete Dirs in Dest. that no longer Exist in Source", &S::PurgeSwitch,
     " /PURGE"},
    // Ends with a blank.
    {PageId::CopyOptions2, "chkMir", "Mirror a Directory Tree ", &S::MirSwitch, " /MIR", true},
    {PageId::CopyOptions2, "chkMov", "Move Files (Delete From Source)", &S::MovSwitch, " /MOV"},
    {PageId::CopyOptions2, "chkMove", "Move Files and Folders (Delete From Source)", &S::MoveSwitch, " /MOVE"},
};

// Check boxes that change nothing at all.
struct InertBox {
    PageId page;
    const char* box;
    const char* caption;
};
inline const std::vector<InertBox> kInertBoxes = {
    {PageId::CopyOptions1, "chkPf", "Check run hours on a Per File (not per pass) basis."},
    {PageId::CopyOptions2, "chkCopyAll", "Copy All File Info. (Equivilant to /COPY:DATSOU.)"},
    {PageId::CopyOptions2, "chkNoCopy", "Copy No File Info. (Useful with /PURGE.)"},
};

// The copy-flag boxes, in the order their letters stand after the prefix. The prefix stands
// exactly while at least one letter does.
struct CopyFlag {
    const char* box;
    const char* caption;
    Slot slot;
    const char* letter;
};
inline constexpr PageId kCopyFlagPage = PageId::CopyOptions1;
inline constexpr const char* kCopyPrefix = " /COPY:";
inline const std::vector<CopyFlag> kCopyFlags = {
    {"chkData", "Copy Data.", &S::CopyFlagD, "D"},
    {"chkAttrib", "Copy Attributes.", &S::CopyFlagA, "A"},
    {"chkTimestamps", "Copy Timestamps.", &S::CopyFlagT, "T"},
    {"chkAcls", "Copy NTFS Security ACLs.", &S::CopyFlagS, "S"},
    {"chkOwnership", "Copy Ownership.", &S::CopyFlagO, "O"},
    {"chkAudit", "Copy Auditing.", &S::CopyFlagU, "U"},
};

// Option groups whose selected index alone decides the text of one slot; "" is no switch.
struct Choice {
    const char* caption;
    const char* text;
};
struct ChoiceGroup {
    PageId page;
    const char* group;
    Slot slot;
    std::vector<Choice> choices;  // by index
};
inline const std::vector<ChoiceGroup> kChoiceGroups = {
    {PageId::CopyOptions1,
     "optSub",
     &S::SubdirSwitch,
     {{"Copy Non-Empty Sub-Directories", " /S"}, {"Copy All Sub-Directories", " /E"}}},
    {PageId::CopyOptions1,
     "optCopyMode",
     &S::CopyModeSwitch,
     {{"Copy Files in Restartable Mode", " /Z"},
      {"Copy Files in Backup Mode", " /B"},
      {"Use Restartable Mode. If ACCESS DENIED Use Backup Mode", " /ZB"}}},
    {PageId::FileSelection2,
     "optFileExcl",
     &S::ExcludeChangeSwitch,
     {{"Exclude Changed Files", " /XC"},
      {"Exclude Older Files", " /XO"},
      {"Exclude Newer Files", " /XN"},
      {"None of the Above.", ""}}},
    {PageId::FileSelection2,
     "optExclXtraLoneLy",
     &S::ExcludeExtraLonelySwitch,
     {{"Exclude Extra Files and Directories", " /XX"},
      {"Exclude Lonely Files and Directories", " /XL"},
      {"None of the Above", ""}}},
    {PageId::FileSelection4,
     "optFileAddA",
     &S::ArchiveSwitch,
     {{"Copy Only Files With Archive Attribute Set.", " /A"},
      {"Copy Only Files With Archive Attribute Set and Reset Archive Bit on Source.", " /M"},
      {"Ignore Archive Attribute.", ""}}},
};

// The option group with no rule: selecting either option changes nothing.
inline constexpr PageId kInertGroupPage = PageId::FileSelection2;
inline constexpr const char* kInertGroup = "optArchiveSetIncOnly";
inline const std::vector<const char*> kInertGroupCaptions = {
    "Copy only files with the Archive attribute set.",
    "Copy only files with the Archive attribute and reset it.",
};

// Check boxes that switch a typed value on: the slot holds the prefix and the field's text as
// typed. A number field takes only what the locale reads as a number; a size field takes anything.
struct ValueField {
    PageId page;
    const char* box;
    std::string caption;
    const char* field;
    Slot slot;
    const char* prefix;
    bool number;
};
inline const std::vector<ValueField> kValueFields = {
    // The number fields sit in a run of 17 blanks in their box's caption.
    {PageId::CopyOptions1, "chkIpg", gapped("Inter-Packet Gap", 17, "(ms), to free bandwidth on slow lines."), "txtIpg",
     &S::IpgSwitch, " /IPG:", true},
    {PageId::CopyOptions2, "chkMon", gapped("Run again when more than", 17, "changes seen."), "txtMon", &S::MonSwitch,
     " /MON:", true},
    {PageId::CopyOptions2, "chkMot", gapped("Run again after", 17, "minutes time."), "txtMot", &S::MotSwitch,
     " /MOT:", true},
    {PageId::FileSelection4, "chkMinFileSize", "Minimum File Size (Bytes)", "txtMinFileSize", &S::MinSizeSwitch,
     " /MIN:", false},
    {PageId::FileSelection4, "chkMaxFileSize", "Maximum File Size (Bytes)", "txtMaxFileSize", &S::MaxSizeSwitch,
     " /MAX:", false},
};

// The two free-text lists: the slot holds the prefix (a blank, not a colon, at its end) and the
// text as typed, once the focus has left a non-empty field.
struct ListField {
    const char* label;
    const char* labelCaption;
    const char* field;
    Slot slot;
    const char* prefix;
};
inline constexpr PageId kListPage = PageId::FileSelection2;
inline const std::vector<ListField> kListFields = {
    {"lblFileExclName", "Exclude the Following File Names/Wildcards/Paths.", "txtFileExclName", &S::ExcludeFilesSwitch,
     " /XF "},
    {"lblDirExclName", "Exclude the Following Directory Names/Paths", "txtDirExclName", &S::ExcludeDirsSwitch, " /XD "},
};

// The date limits, one per date page: checked, the slot holds the prefix and the date as YYYYMMDD.
struct DateLimit {
    const char* box;
    const char* calendar;
    Slot slot;
    const char* prefix;
};
inline constexpr const char* kDateBoxCaption = "Enable This Setting";
inline const std::vector<DateLimit> kDateLimits = {
    {"chkMaxAgeEnable", "calMaxAge", &S::MaxAgeSwitch, " /MAXAGE:"},
    {"chkMinAgeEnable", "calMinAge", &S::MinAgeSwitch, " /MINAGE:"},
    {"chkMaxLadEnable", "calMaxLad", &S::MaxLadSwitch, " /MAXLAD:"},
    {"chkMinLadEnable", "calMinLad", &S::MinLadSwitch, " /MINLAD:"},
};

// The attribute sets: one three-way group per letter, named by the prefix and the letter. Index 0
// puts the letter into the first slot, index 1 into the second, index 2 into neither; letters
// stand in the order given here.
struct AttributeSet {
    PageId page;
    const char* heading;  // the page's heading label
    const char* groupPrefix;
    const char* letters;
    std::vector<const char*> labels;  // by letter
    std::vector<const char*> options;  // by index
    Slot first;
    const char* firstPrefix;
    Slot second;
    const char* secondPrefix;
};
inline const std::vector<AttributeSet> kAttributeSets = {
    {PageId::CopyOptions3,
     "Add/Remove Attributes from Copied Files.",
     "optAttribAddSub",
     "RASHNT",
     {"Read Only", "Archive", "System", "Hidden", "Not Context Indexed", "Temporary"},
     {"Add", "Remove", "None"},
     &S::AttribAddSwitch,
     " /A+:",
     &S::AttribRemoveSwitch,
     " /A-:"},
    {PageId::FileSelection1,
     "Include/Exclude Files Based on Attributes.",
     "optAttribIncExc",
     "RASHNTCEO",
     {"Read Only", "Archive", "System", "Hidden", "Not Context Indexed", "Temporary", "Compressed", "Encrypted",
      "Offline"},
     {"Include", "Exclude", "None"},
     &S::AttribIncludeSwitch,
     " /IA:",
     &S::AttribExcludeSwitch,
     " /XA:"},
};

}  // namespace testsupport
