// The layout tables of the main window and the About box. Rows stand in child-window (tab) order;
// every place is in twips. Page controls are placed from the page's top left, inside pageAreaTwips().
#include "ui/MainLayout.h"

#include <iterator>

#include "command/Version.h"

namespace ui {
namespace {

// Page metrics. A page is drawn as a group box with its caption along the top edge.
constexpr int kPageWidth = kTabStripTwips.width - 120;  // less the strip's borders
constexpr int kPageHeight = kTabStripTwips.height - 480;  // less the tab row and the borders
constexpr int kLeft = 120;  // page margin, left and right
constexpr int kFull = kPageWidth - 2 * kLeft;

// Inside a group frame: controls start below the frame's top line and keep off its sides.
constexpr int kIn = kLeft + 90;
constexpr int kInFull = kFull - 2 * 90;
// Two columns inside a frame.
constexpr int kInHalf = 2400;
constexpr int kIn2 = kIn + kInHalf + 60;
constexpr int kIn2Width = kIn + kInFull - kIn2;

// Control heights. A check box or option button line is 195 plus 60 for the box glyph's room.
constexpr int kLabel = 195;
constexpr int kLine1 = 255;
constexpr int kLine2 = 450;
constexpr int kText = 285;
constexpr int kButton = 345;
constexpr int kSlider = 420;

// A text box in the gap of its check box's caption sits on the caption's first line.
constexpr int kGapBox15 = 510;  // 15 blanks
constexpr int kGapBox17 = 590;  // 17 blanks

// Attribute rows: a label, then three options in index order.
constexpr int kAttrLabelWidth = 1800;
constexpr int kAttrOpt0 = 2040;
constexpr int kAttrStep = 1020;
constexpr int kAttrOptWidth = 960;
constexpr int kAttrLabelDrop = 30;  // centres the label on its options

constexpr Rect attrLabel(int top) { return {kLeft, top + kAttrLabelDrop, kAttrLabelWidth, kLabel}; }
constexpr Rect attrOption(int top, int index) { return {kAttrOpt0 + index * kAttrStep, top, kAttrOptWidth, kLine1}; }

// The calendar page: one month calendar, the Enable box under it, the two step buttons below.
constexpr int kCalWidth = 2895;
constexpr int kCalLeft = (kPageWidth - kCalWidth) / 2;
constexpr Rect kCalendar{kCalLeft, 360, kCalWidth, 2520};
constexpr Rect kEnable{kCalLeft, 2970, kCalWidth, kLine1};
constexpr int kCalButtonWidth = 1200;

constexpr PageId Win = PageId::Window;
constexpr PageId Gen = PageId::General;
constexpr PageId Co1 = PageId::CopyOptions1;
constexpr PageId Co2 = PageId::CopyOptions2;
constexpr PageId Co3 = PageId::CopyOptions3;
constexpr PageId Fs1 = PageId::FileSelection1;
constexpr PageId Fs2 = PageId::FileSelection2;
constexpr PageId Dat = PageId::DateLimits;
constexpr PageId Fs4 = PageId::FileSelection4;
constexpr PageId Ret = PageId::Retry;
constexpr PageId Log = PageId::Logging;
constexpr PageId Job = PageId::Job;

constexpr PageInfo kPages[] = {
    {PageId::General, "frmTab1(0)", "General"},
    {PageId::CopyOptions, "frmTab1(1)", "Copy Options"},
    {PageId::FileSelection, "frmTab1(2)", "File Selection Options"},
    {PageId::Retry, "frmTab1(3)", "Retry Options"},
    {PageId::Logging, "frmTab1(4)", "Logging Options"},
    {PageId::Job, "frmTab1(5)", "Job"},
    {PageId::CopyOptions1, "frmtab2(0)", "Copy Options 1"},
    {PageId::CopyOptions2, "frmtab2(1)", "Copy Options 2"},
    {PageId::CopyOptions3, "frmtab2(2)", "Copy Options 3"},
    {PageId::FileSelection1, "frmTab3(0)", "File Selection Options 1"},
    {PageId::FileSelection2, "frmTab3(1)", "File Selection Options 2"},
    {PageId::DateLimits, "frmTab3(2)", "MAXimum file AGE - exclude files older than n days/date."},
    {PageId::FileSelection4, "frmTab3(3)", "File Selection Options 4"},
};
static_assert(std::size(kPages) == kPageCount);

// Captions that hold a gap for a text box.
constexpr std::string_view kLevCaption = "Copy Only the Top               Directory Levels";
constexpr std::string_view kIpgCaption = "Inter-Packet Gap                 (ms), to free bandwidth on slow lines.";
constexpr std::string_view kMonCaption = "Run again when more than                 changes seen.";
constexpr std::string_view kMotCaption = "Run again after                 minutes time.";

// One row a control, each on its own line, so that the table reads as the window does.
// clang-format off
constexpr LayoutRow kMainRows[] = {
    {"tabStripOptions", -1, Kind::TabStrip, Win, "", kTabStripTwips},

    // General
    {"lblSrcPath", -1, Kind::Label, Gen, "Source Path", {kLeft, 300, 4395, kLabel}},
    {"txtSrcPath", -1, Kind::TextBox, Gen, "", {kLeft, 540, 4395, kText}},
    {"cmdBrowseSrc", -1, Kind::Button, Gen, "(...)", {4515, 510, 660, kButton}},
    {"lblDestPath", -1, Kind::Label, Gen, "Destination Path", {kLeft, 1020, 4395, kLabel}},
    {"txtDestPath", -1, Kind::TextBox, Gen, "", {kLeft, 1260, 4395, kText}},
    {"cmdBrowseDest", -1, Kind::Button, Gen, "(...)", {4515, 1230, 660, kButton}},
    {"chkMatchDest", -1, Kind::CheckBox, Gen, "Match Destination &Folder to Source Folder",
     {kLeft, 1740, kFull, kLine1}},

    // The bottom row of the window
    {"cmdRun", -1, Kind::Button, Win, "&Copy", {120, 6240, 1150, kButton}},
    {"cmdQuit", -1, Kind::Button, Win, "&Quit", {1320, 6240, 1150, kButton}},
    {"cmdCopyOptionNext", 0, Kind::Button, Win, "<", {4964, 6240, 255, kButton}},
    {"cmdCopyOptionNext", 1, Kind::Button, Win, ">", {5280, 6240, 255, kButton}},

    // Copy Options 1
    {"frmSubDir", -1, Kind::Frame, Co1, "", {kLeft, 300, kFull, 1065}},
    {"optSub", 0, Kind::Option, Co1, "Copy Non-Empty Sub-Directories", {kIn, 480, kInFull, kLine1}},
    {"optSub", 1, Kind::Option, Co1, "Copy All Sub-Directories", {kIn, 735, kInFull, kLine1}},
    {"chkLev", -1, Kind::CheckBox, Co1, kLevCaption, {kIn, 990, kInFull, kLine1}},
    {"txtDirLev", -1, Kind::TextBox, Co1, "", {kIn + 250 + 17 * 90 + 45, 990, kGapBox15, kText}},
    {"fmRestart", -1, Kind::Frame, Co1, "", {kLeft, 1425, kFull, 1230}},
    {"optCopyMode", 0, Kind::Option, Co1, "Copy Files in Restartable Mode", {kIn, 1605, kInFull, kLine1}},
    {"optCopyMode", 1, Kind::Option, Co1, "Copy Files in Backup Mode", {kIn, 1860, kInFull, kLine1}},
    {"optCopyMode", 2, Kind::Option, Co1, "Use Restartable Mode. If ACCESS DENIED Use Backup Mode",
     {kIn, 2115, kInFull, kLine2}},
    {"fmFlags", -1, Kind::Frame, Co1, "", {kLeft, 2715, kFull, 1035}},
    {"chkData", -1, Kind::CheckBox, Co1, "Copy Data.", {kIn, 2895, kInHalf, kLine1}},
    {"chkAcls", -1, Kind::CheckBox, Co1, "Copy NTFS Security ACLs.", {kIn2, 2895, kIn2Width, kLine1}},
    {"chkAttrib", -1, Kind::CheckBox, Co1, "Copy Attributes.", {kIn, 3150, kInHalf, kLine1}},
    {"chkOwnership", -1, Kind::CheckBox, Co1, "Copy Ownership.", {kIn2, 3150, kIn2Width, kLine1}},
    {"chkTimestamps", -1, Kind::CheckBox, Co1, "Copy Timestamps.", {kIn, 3405, kInHalf, kLine1}},
    {"chkAudit", -1, Kind::CheckBox, Co1, "Copy Auditing.", {kIn2, 3405, kIn2Width, kLine1}},
    {"fmRunHours", -1, Kind::Frame, Co1, "", {kLeft, 3810, kFull, 840}},
    {"chkRunHours", -1, Kind::CheckBox, Co1, "Run Hours", {kIn, 3990, 1200, kLine1}},
    {"mskEdRunHours", -1, Kind::MaskedEdit, Co1, "", {1500, 3990, 1950, kText}},
    {"chkPf", -1, Kind::CheckBox, Co1, "Check run hours on a Per File (not per pass) basis.",
     {kIn, 4305, kInFull, kLine1}},
    {"chkIpg", -1, Kind::CheckBox, Co1, kIpgCaption, {kLeft, 4710, kFull, kLine2}},
    {"txtIpg", -1, Kind::TextBox, Co1, "", {kLeft + 250 + 16 * 90 + 45, 4710, kGapBox17, kText}},

    // Copy Options 2
    {"frmSecurity", -1, Kind::Frame, Co2, "", {kLeft, 300, kFull, 1035}},
    {"chkSecurity", -1, Kind::CheckBox, Co2, "Copy Security Info", {kIn, 480, kInFull, kLine1}},
    {"chkCopyAll", -1, Kind::CheckBox, Co2, "Copy All File Info. (Equivilant to /COPY:DATSOU.)",
     {kIn, 735, kInFull, kLine1}},
    {"chkNoCopy", -1, Kind::CheckBox, Co2, "Copy No File Info. (Useful with /PURGE.)", {kIn, 990, kInFull, kLine1}},
    {"fmMir", -1, Kind::Frame, Co2, "", {kLeft, 1395, kFull, 780}},
    {"chkPurge", -1, Kind::CheckBox, Co2, "Delete Dirs in Dest. that no longer Exist in Source",
     {kIn, 1575, kInFull, kLine1}},
    {"chkMir", -1, Kind::CheckBox, Co2, "Mirror a Directory Tree ", {kIn, 1830, kInFull, kLine1}},
    {"chkMon", -1, Kind::CheckBox, Co2, kMonCaption, {kLeft, 2235, kFull, kLine2}},
    {"txtMon", -1, Kind::TextBox, Co2, "", {kLeft + 250 + 24 * 90 + 45, 2235, kGapBox17, kText}},
    {"chkMot", -1, Kind::CheckBox, Co2, kMotCaption, {kLeft, 2745, kFull, kLine1}},
    {"txtMot", -1, Kind::TextBox, Co2, "", {kLeft + 250 + 15 * 90 + 45, 2745, kGapBox17, kText}},
    {"fmMove", -1, Kind::Frame, Co2, "", {kLeft, 3090, kFull, 780}},
    {"chkMov", -1, Kind::CheckBox, Co2, "Move Files (Delete From Source)", {kIn, 3270, kInFull, kLine1}},
    {"chkMove", -1, Kind::CheckBox, Co2, "Move Files and Folders (Delete From Source)", {kIn, 3525, kInFull, kLine1}},
    {"chkCreate", -1, Kind::CheckBox, Co2, "CREATE directory tree and zero-length files only.",
     {kLeft, 3930, kFull, kLine1}},
    {"chkFat", -1, Kind::CheckBox, Co2, "Create destination files using 8.3 FAT file names only.",
     {kLeft, 4215, kFull, kLine2}},
    {"chkFft", -1, Kind::CheckBox, Co2, "Assume FAT File Times (2-second granularity).", {kLeft, 4695, kFull, kLine1}},
    {"chkNoLfns", -1, Kind::CheckBox, Co2, "Turn off very long path (> 256 characters) support.",
     {kLeft, 4980, kFull, kLine1}},

    // Copy Options 3: one row per attribute, options in index order
    {"lblAddSubAttrib", -1, Kind::Label, Co3, "Add/Remove Attributes from Copied Files.", {kLeft, 300, kFull, kLabel}},
    {"lblAddSubR", -1, Kind::Label, Co3, "Read Only", attrLabel(600)},
    {"optAttribAddSubR", 0, Kind::Option, Co3, "Add", attrOption(600, 0)},
    {"optAttribAddSubR", 1, Kind::Option, Co3, "Remove", attrOption(600, 1)},
    {"optAttribAddSubR", 2, Kind::Option, Co3, "None", attrOption(600, 2)},
    {"lblAddSubA", -1, Kind::Label, Co3, "Archive", attrLabel(960)},
    {"optAttribAddSubA", 0, Kind::Option, Co3, "Add", attrOption(960, 0)},
    {"optAttribAddSubA", 1, Kind::Option, Co3, "Remove", attrOption(960, 1)},
    {"optAttribAddSubA", 2, Kind::Option, Co3, "None", attrOption(960, 2)},
    {"lblAddSubS", -1, Kind::Label, Co3, "System", attrLabel(1320)},
    {"optAttribAddSubS", 0, Kind::Option, Co3, "Add", attrOption(1320, 0)},
    {"optAttribAddSubS", 1, Kind::Option, Co3, "Remove", attrOption(1320, 1)},
    {"optAttribAddSubS", 2, Kind::Option, Co3, "None", attrOption(1320, 2)},
    {"lblAddSubH", -1, Kind::Label, Co3, "Hidden", attrLabel(1680)},
    {"optAttribAddSubH", 0, Kind::Option, Co3, "Add", attrOption(1680, 0)},
    {"optAttribAddSubH", 1, Kind::Option, Co3, "Remove", attrOption(1680, 1)},
    {"optAttribAddSubH", 2, Kind::Option, Co3, "None", attrOption(1680, 2)},
    {"lblAddSubN", -1, Kind::Label, Co3, "Not Context Indexed", attrLabel(2040)},
    {"optAttribAddSubN", 0, Kind::Option, Co3, "Add", attrOption(2040, 0)},
    {"optAttribAddSubN", 1, Kind::Option, Co3, "Remove", attrOption(2040, 1)},
    {"optAttribAddSubN", 2, Kind::Option, Co3, "None", attrOption(2040, 2)},
    {"lblAddSubT", -1, Kind::Label, Co3, "Temporary", attrLabel(2400)},
    {"optAttribAddSubT", 0, Kind::Option, Co3, "Add", attrOption(2400, 0)},
    {"optAttribAddSubT", 1, Kind::Option, Co3, "Remove", attrOption(2400, 1)},
    {"optAttribAddSubT", 2, Kind::Option, Co3, "None", attrOption(2400, 2)},

    // File Selection Options 1: one row per attribute, options in index order
    {"lblAttribIncExc", -1, Kind::Label, Fs1, "Include/Exclude Files Based on Attributes.", {kLeft, 300, kFull, kLabel}},
    {"lblAttribIncExcR", -1, Kind::Label, Fs1, "Read Only", attrLabel(600)},
    {"optAttribIncExcR", 0, Kind::Option, Fs1, "Include", attrOption(600, 0)},
    {"optAttribIncExcR", 1, Kind::Option, Fs1, "Exclude", attrOption(600, 1)},
    {"optAttribIncExcR", 2, Kind::Option, Fs1, "None", attrOption(600, 2)},
    {"lblAttribIncExcA", -1, Kind::Label, Fs1, "Archive", attrLabel(960)},
    {"optAttribIncExcA", 0, Kind::Option, Fs1, "Include", attrOption(960, 0)},
    {"optAttribIncExcA", 1, Kind::Option, Fs1, "Exclude", attrOption(960, 1)},
    {"optAttribIncExcA", 2, Kind::Option, Fs1, "None", attrOption(960, 2)},
    {"lblAttribIncExcS", -1, Kind::Label, Fs1, "System", attrLabel(1320)},
    {"optAttribIncExcS", 0, Kind::Option, Fs1, "Include", attrOption(1320, 0)},
    {"optAttribIncExcS", 1, Kind::Option, Fs1, "Exclude", attrOption(1320, 1)},
    {"optAttribIncExcS", 2, Kind::Option, Fs1, "None", attrOption(1320, 2)},
    {"lblAttribIncExcH", -1, Kind::Label, Fs1, "Hidden", attrLabel(1680)},
    {"optAttribIncExcH", 0, Kind::Option, Fs1, "Include", attrOption(1680, 0)},
    {"optAttribIncExcH", 1, Kind::Option, Fs1, "Exclude", attrOption(1680, 1)},
    {"optAttribIncExcH", 2, Kind::Option, Fs1, "None", attrOption(1680, 2)},
    {"lblAttribIncExcN", -1, Kind::Label, Fs1, "Not Context Indexed", attrLabel(2040)},
    {"optAttribIncExcN", 0, Kind::Option, Fs1, "Include", attrOption(2040, 0)},
    {"optAttribIncExcN", 1, Kind::Option, Fs1, "Exclude", attrOption(2040, 1)},
    {"optAttribIncExcN", 2, Kind::Option, Fs1, "None", attrOption(2040, 2)},
    {"lblAttribIncExcT", -1, Kind::Label, Fs1, "Temporary", attrLabel(2400)},
    {"optAttribIncExcT", 0, Kind::Option, Fs1, "Include", attrOption(2400, 0)},
    {"optAttribIncExcT", 1, Kind::Option, Fs1, "Exclude", attrOption(2400, 1)},
    {"optAttribIncExcT", 2, Kind::Option, Fs1, "None", attrOption(2400, 2)},
    {"lblAttribIncExcC", -1, Kind::Label, Fs1, "Compressed", attrLabel(2760)},
    {"optAttribIncExcC", 0, Kind::Option, Fs1, "Include", attrOption(2760, 0)},
    {"optAttribIncExcC", 1, Kind::Option, Fs1, "Exclude", attrOption(2760, 1)},
    {"optAttribIncExcC", 2, Kind::Option, Fs1, "None", attrOption(2760, 2)},
    {"lblAttribIncExcE", -1, Kind::Label, Fs1, "Encrypted", attrLabel(3120)},
    {"optAttribIncExcE", 0, Kind::Option, Fs1, "Include", attrOption(3120, 0)},
    {"optAttribIncExcE", 1, Kind::Option, Fs1, "Exclude", attrOption(3120, 1)},
    {"optAttribIncExcE", 2, Kind::Option, Fs1, "None", attrOption(3120, 2)},
    {"lblAttribIncExO", -1, Kind::Label, Fs1, "Offline", attrLabel(3480)},
    {"optAttribIncExcO", 0, Kind::Option, Fs1, "Include", attrOption(3480, 0)},
    {"optAttribIncExcO", 1, Kind::Option, Fs1, "Exclude", attrOption(3480, 1)},
    {"optAttribIncExcO", 2, Kind::Option, Fs1, "None", attrOption(3480, 2)},

    // File Selection Options 2
    {"fmArchiveSetIncOnly", -1, Kind::Frame, Fs2, "", {kLeft, 300, kFull, 975}},
    {"optArchiveSetIncOnly", 0, Kind::Option, Fs2, "Copy only files with the Archive attribute set.",
     {kIn, 480, kInFull, kLine1}},
    {"optArchiveSetIncOnly", 1, Kind::Option, Fs2, "Copy only files with the Archive attribute and reset it.",
     {kIn, 735, kInFull, kLine2}},
    {"lblFileExclName", -1, Kind::Label, Fs2, "Exclude the Following File Names/Wildcards/Paths.",
     {kLeft, 1335, kFull, kLabel}},
    {"txtFileExclName", -1, Kind::TextBox, Fs2, "", {kLeft, 1560, kFull, kText}},
    {"lblDirExclName", -1, Kind::Label, Fs2, "Exclude the Following Directory Names/Paths", {kLeft, 1920, kFull, kLabel}},
    {"txtDirExclName", -1, Kind::TextBox, Fs2, "", {kLeft, 2145, kFull, kText}},
    {"fmExclChange", -1, Kind::Frame, Fs2, "", {kLeft, 2505, kFull, 780}},
    {"optFileExcl", 0, Kind::Option, Fs2, "Exclude Changed Files", {kIn, 2685, kInHalf, kLine1}},
    {"optFileExcl", 1, Kind::Option, Fs2, "Exclude Older Files", {kIn2, 2685, kIn2Width, kLine1}},
    {"optFileExcl", 2, Kind::Option, Fs2, "Exclude Newer Files", {kIn, 2940, kInHalf, kLine1}},
    {"optFileExcl", 3, Kind::Option, Fs2, "None of the Above.", {kIn2, 2940, kIn2Width, kLine1}},
    {"fmExclXtraLonely", -1, Kind::Frame, Fs2, "", {kLeft, 3345, kFull, 1035}},
    {"optExclXtraLoneLy", 0, Kind::Option, Fs2, "Exclude Extra Files and Directories", {kIn, 3525, kInFull, kLine1}},
    {"optExclXtraLoneLy", 1, Kind::Option, Fs2, "Exclude Lonely Files and Directories", {kIn, 3780, kInFull, kLine1}},
    {"optExclXtraLoneLy", 2, Kind::Option, Fs2, "None of the Above", {kIn, 4035, kInFull, kLine1}},
    {"chkInclSame", -1, Kind::CheckBox, Fs2, "Include Same files.", {kLeft, 4455, 2400, kLine1}},
    {"chkInclTweaked", -1, Kind::CheckBox, Fs2, "Include Tweaked files.", {2640, 4455, 2535, kLine1}},

    // The date limits: four calendars in one place, four Enable boxes in one place
    {"calMaxAge", -1, Kind::Calendar, Dat, "", kCalendar},
    {"calMinAge", -1, Kind::Calendar, Dat, "", kCalendar},
    {"calMaxLad", -1, Kind::Calendar, Dat, "", kCalendar},
    {"calMinLad", -1, Kind::Calendar, Dat, "", kCalendar},
    {"chkMaxAgeEnable", -1, Kind::CheckBox, Dat, "Enable This Setting", kEnable},
    {"chkMinAgeEnable", -1, Kind::CheckBox, Dat, "Enable This Setting", kEnable},
    {"chkMaxLadEnable", -1, Kind::CheckBox, Dat, "Enable This Setting", kEnable},
    {"chkMinLadEnable", -1, Kind::CheckBox, Dat, "Enable This Setting", kEnable},
    {"cmdCalSelect", 0, Kind::Button, Dat, "<<<", {kCalLeft, 3345, kCalButtonWidth, kButton}},
    {"cmdCalSelect", 1, Kind::Button, Dat, ">>>",
     {kCalLeft + kCalWidth - kCalButtonWidth, 3345, kCalButtonWidth, kButton}},

    // File Selection Options 4
    {"fmAttribA", -1, Kind::Frame, Fs4, "", {kLeft, 300, kFull, 1230}},
    {"optFileAddA", 0, Kind::Option, Fs4, "Copy Only Files With Archive Attribute Set.", {kIn, 480, kInFull, kLine1}},
    {"optFileAddA", 1, Kind::Option, Fs4,
     "Copy Only Files With Archive Attribute Set and Reset Archive Bit on Source.", {kIn, 735, kInFull, kLine2}},
    {"optFileAddA", 2, Kind::Option, Fs4, "Ignore Archive Attribute.", {kIn, 1185, kInFull, kLine1}},
    {"chkMinFileSize", -1, Kind::CheckBox, Fs4, "Minimum File Size (Bytes)", {kLeft, 1620, 2550, kLine1}},
    {"txtMinFileSize", -1, Kind::TextBox, Fs4, "", {2760, 1620, 2415, kText}},
    {"chkMaxFileSize", -1, Kind::CheckBox, Fs4, "Maximum File Size (Bytes)", {kLeft, 2010, 2550, kLine1}},
    {"txtMaxFileSize", -1, Kind::TextBox, Fs4, "", {2760, 2010, 2415, kText}},
    {"chkExcJunction", -1, Kind::CheckBox, Fs4, "Exclude Junction points. (normally included by default).",
     {kLeft, 2400, kFull, kLine2}},

    // Retry Options: each slider under its label, its value to its right
    {"lblRetryTxt", -1, Kind::Label, Ret, "Retries on Failed Copy", {kLeft, 300, kFull, kLabel}},
    {"sldRetry", -1, Kind::Slider, Ret, "", {kLeft, 540, 4455, kSlider}},
    {"lblRetryVal", -1, Kind::Label, Ret, "0", {4695, 652, 480, kLabel}},
    {"lblWaitTxt", -1, Kind::Label, Ret, "Seconds Between Retries", {kLeft, 1140, kFull, kLabel}},
    {"sldWait", -1, Kind::Slider, Ret, "", {kLeft, 1380, 4455, kSlider}},
    {"lblWaitVal", -1, Kind::Label, Ret, "0", {4695, 1492, 480, kLabel}},
    {"chkReg", -1, Kind::CheckBox, Ret, "Save As Default", {kLeft, 1980, kFull, kLine1}},
    {"chkTbd", -1, Kind::CheckBox, Ret, "Wait for sharenames To Be Defined (retry error 67).",
     {kLeft, 2265, kFull, kLine1}},

    // Logging Options
    {"chkNp", -1, Kind::CheckBox, Log, "Don't Display % Copied", {kLeft, 300, kFull, kLine1}},
    {"chkEta", -1, Kind::CheckBox, Log, "Show \"Estimated Time of Arrival on Copied Files", {kLeft, 585, kFull, kLine1}},
    {"Frame2", -1, Kind::Frame, Log, "Log File", {kLeft, 900, kFull, 990}},
    {"txtLogFile", -1, Kind::TextBox, Log, "", {kIn, 1170, 3900, kText}},
    {"cmdLogFile", -1, Kind::Button, Log, "Browse", {4200, 1140, 885, kButton}},
    {"optLogFile", 0, Kind::Option, Log, "Append Log File", {kIn, 1545, kInHalf, kLine1}},
    {"optLogFile", 1, Kind::Option, Log, "Overwrite Log File", {kIn2, 1545, kIn2Width, kLine1}},
    {"chkTerminal", -1, Kind::CheckBox, Log, "Output to console window, as well as the log file.",
     {kLeft, 1965, kFull, kLine1}},
    {"chkListOnly", -1, Kind::CheckBox, Log, "List only - don't copy, timestamp or delete any files",
     {kLeft, 2250, kFull, kLine1}},
    {"chkReportXtra", -1, Kind::CheckBox, Log, "Report all eXtra files, not just those selected.",
     {kLeft, 2535, kFull, kLine1}},
    {"chkVerbose", -1, Kind::CheckBox, Log, "Produce Verbose output, showing skipped files.",
     {kLeft, 2820, kFull, kLine1}},
    {"chkInclSource", -1, Kind::CheckBox, Log, "Include source file Time Stamps in the output.",
     {kLeft, 3105, kFull, kLine1}},
    {"chkInclFullPath", -1, Kind::CheckBox, Log, "Include Full Pathname of files in the output.",
     {kLeft, 3390, kFull, kLine1}},
    {"chkJobHeader", -1, Kind::CheckBox, Log, "No Job Header.", {kLeft, 3675, kFull, kLine1}},
    {"chkJobSummary", -1, Kind::CheckBox, Log, "No Job Summary.", {kLeft, 3960, kFull, kLine1}},

    // Job
    {"fmSaveBatch", -1, Kind::Frame, Job, "Save Job as Batch or Cmd File", {kLeft, 300, kFull, 720}},
    {"cmdSaveBatch", -1, Kind::Button, Job, "Save", {kIn, 540, 1150, kButton}},
    {"fmOpenJob", -1, Kind::Frame, Job, "Open a Saved Job", {kLeft, 1200, kFull, 720}},
    {"cmdOpenJob", -1, Kind::Button, Job, "Open...", {kIn, 1440, 1150, kButton}},
};
// clang-format on

constexpr LayoutRow kAboutRows[] = {
    {"picIcon", -1, Kind::Label, Win, "", {240, 240, 540, 540}},
    {"lblTitle", -1, Kind::Label, Win, ZKV_PRODUCT_NAME, {1050, 240, 3885, 480}},
    {"lblVersion", -1, Kind::Label, Win, "", {1050, 780, 3885, 225}},
    {"lblDescription", -1, Kind::Label, Win, "", {1050, 1125, 3885, 690}},
    {"lblEmail", -1, Kind::Label, Win, "", {240, 2880, 3615, 255}},
    {"cmdOK", -1, Kind::Button, Win, "OK", {4245, 2625, 1260, kButton}},
    {"cmdSysInfo", -1, Kind::Button, Win, "&System Info...", {4245, 3052, 1245, kButton}},
};

}  // namespace

std::span<const PageInfo> mainPages() { return kPages; }
std::span<const LayoutRow> mainLayout() { return kMainRows; }
std::span<const LayoutRow> aboutLayout() { return kAboutRows; }

Rect pageAreaTwips() { return {0, 0, kPageWidth, kPageHeight}; }

}  // namespace ui
