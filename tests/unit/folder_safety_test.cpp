// Commands that would destroy what they were asked to copy: the same folder twice, a purge of a
// destination that holds the source, a sub-folder copy into its own source; and a purge of a
// whole drive or share.
#include <gtest/gtest.h>

#include <string>

#include "command/FolderSafety.h"

namespace {

using command::FolderRisk;

TEST(FolderSafety, EverySpellingOfAFolderNormalisesToOne) {
    struct Case {
        const char *folder, *normal;
    } cases[] = {
        {"C:\\Data", "c:\\data"},
        {"C:/Data/Sub/", "c:\\data\\sub"},
        {"C:\\\\Data\\\\Sub", "c:\\data\\sub"},
        {"C:\\Data\\.\\Sub\\..\\Other\\.", "c:\\data\\other"},
        {"C:\\..\\..\\Data", "c:\\data"},  // never above the drive root
        {"E:\\", "e:\\"},
        {"e:\\..", "e:\\"},
        {"\\\\?\\C:\\Data", "c:\\data"},
        {"\\\\?\\c:\\", "c:\\"},
        {"\\\\.\\C:\\Data", "c:\\data"},
        {"\\\\?\\UNC\\Server\\Share\\Dir", "\\\\server\\share\\dir"},
        {"//Server/Share/Dir/../..", "\\\\server\\share"},  // never above the share root
        {"\\\\server\\share\\..\\..\\x", "\\\\server\\share\\x"},
        {"C:\\\xC3\x9C"
         "bersicht\\\xD0\x94\xD0\xB0\xD0\xBD\xD0\xBD\xD1\x8B\xD0\x95",  // Übersicht\ДанныЕ
         "c:\\\xC3\xBC"
         "bersicht\\\xD0\xB4\xD0\xB0\xD0\xBD\xD0\xBD\xD1\x8B\xD0\xB5"},
        {"C:\\Data\xC3\x97", "c:\\data\xC3\x97"},  // the multiplication sign has no case
        {"C:\\\xE6\x97\xA5\xE6\x9C\xAC", "c:\\\xE6\x97\xA5\xE6\x9C\xAC"},  // three-byte letters pass unchanged
    };
    for (const Case& c : cases) EXPECT_EQ(command::normalFolder(c.folder), c.normal) << c.folder;
}

TEST(FolderSafety, InsideMeansBelowByWholeSegments) {
    EXPECT_TRUE(command::isInside("c:\\data\\sub", "c:\\data"));
    EXPECT_TRUE(command::isInside("c:\\data", "c:\\"));
    EXPECT_TRUE(command::isInside("\\\\nas\\share\\x", "\\\\nas\\share"));
    EXPECT_FALSE(command::isInside("c:\\data2", "c:\\data"));
    EXPECT_FALSE(command::isInside("c:\\data", "c:\\data"));
    EXPECT_FALSE(command::isInside("c:\\data", "c:\\data\\sub"));
    EXPECT_FALSE(command::isInside("\\\\nas\\share2\\x", "\\\\nas\\share"));
}

// The switch slots a case sets, as the option rules write them; the rest stay empty.
struct Switches {
    const char* subdir = "";
    const char* purge = "";
    const char* mir = "";
    const char* level = "";
    const char* excludeDirs = "";
};

// Folders as derivePath().value gives them.
struct RiskCase {
    const char *source, *destination;
    Switches on;
    FolderRisk risk;
    const char* switches;
};

const RiskCase kRiskCases[] = {
    // The same folder, whatever the switches and however it is spelt.
    {"C:\\Data", "C:\\Data", {}, FolderRisk::SameFolder, ""},
    {"C:\\Data", "c:/DATA/", {.subdir = " /E"}, FolderRisk::SameFolder, ""},
    {"\\\\?\\C:\\Data", "C:\\Data\\Sub\\..", {}, FolderRisk::SameFolder, ""},
    {"\\\\?\\UNC\\nas\\share\\Data", "\\\\NAS\\Share\\Data", {}, FolderRisk::SameFolder, ""},
    {"E:\\", "e:\\", {.mir = " /MIR"}, FolderRisk::SameFolder, ""},
    // The source inside the destination: only a purge deletes it.
    {"D:\\Backup\\Data", "D:\\Backup", {.mir = " /MIR"}, FolderRisk::SourceInsideDestination, "/MIR"},
    {"D:\\Backup\\Data",
     "D:\\Backup",
     {.subdir = " /S", .purge = " /PURGE"},
     FolderRisk::SourceInsideDestination,
     "/PURGE"},
    {"D:\\Backup\\Data",
     "D:\\Backup",
     {.purge = " /PURGE", .mir = " /MIR"},
     FolderRisk::SourceInsideDestination,
     "/PURGE and /MIR"},
    {"E:\\Data", "E:\\", {.mir = " /MIR"}, FolderRisk::SourceInsideDestination, "/MIR"},  // before the question
    {"D:\\Backup\\Data", "D:\\Backup", {.subdir = " /E"}, FolderRisk::None, ""},
    // The destination inside the source: a sub-folder copy would take in its own output.
    {"C:\\Data", "C:\\Data\\Backup", {.subdir = " /E"}, FolderRisk::DestinationInsideSource, "/E"},
    {"C:\\Data", "C:\\Data\\Backup", {.subdir = " /S"}, FolderRisk::DestinationInsideSource, "/S"},
    {"C:\\Data", "C:\\Data\\Backup", {.mir = " /MIR"}, FolderRisk::DestinationInsideSource, "/MIR"},
    {"C:\\Data",
     "C:\\Data\\Backup",
     {.subdir = " /E", .mir = " /MIR"},
     FolderRisk::DestinationInsideSource,
     "/E and /MIR"},
    {"C:\\", "C:\\Backup", {.subdir = " /E"}, FolderRisk::DestinationInsideSource, "/E"},
    {"C:\\Data", "C:\\Data\\Backup", {}, FolderRisk::None, ""},  // the top folder's files only
    // ... unless the exclusion list holds it (by name or by full path) or a folder on the way to it.
    {"C:\\Data", "C:\\Data\\Backup", {.subdir = " /E", .excludeDirs = " /XD Logs BACKUP"}, FolderRisk::None, ""},
    {"C:\\", "C:\\Backup", {.subdir = " /E", .excludeDirs = " /XD Backup"}, FolderRisk::None, ""},
    {"C:\\Data", "C:\\Data\\Backup", {.subdir = " /E", .excludeDirs = " /XD c:/data/backup/"}, FolderRisk::None, ""},
    {"C:\\My Data", "C:\\My Data\\Back up", {.mir = " /MIR", .excludeDirs = " /XD \"Back up\""}, FolderRisk::None, ""},
    {"C:\\Data", "C:\\Data\\Backup\\Today", {.subdir = " /E", .excludeDirs = " /XD Backup"}, FolderRisk::None, ""},
    {"C:\\Data",
     "C:\\Data\\Backup",
     {.subdir = " /E", .excludeDirs = " /XD Back up"},
     FolderRisk::DestinationInsideSource,
     "/E"},
    {"C:\\Data",
     "C:\\Data\\Backup",
     {.subdir = " /E", .excludeDirs = " /XD C:\\Data\\Backup\\Old"},
     FolderRisk::DestinationInsideSource,
     "/E"},
    {"C:\\Data",
     "C:\\Data\\Backup",
     {.subdir = " /E", .excludeDirs = " /XD C:\\Data\\.\\Backup\\x\\.."},
     FolderRisk::None,
     ""},
    {"C:\\Data",
     "C:\\Data\\Backup",
     {.subdir = " /E", .excludeDirs = " /XD C:\\Other\\Backup2"},
     FolderRisk::DestinationInsideSource,
     "/E"},
    {"C:\\Data",
     "C:\\Data\\Backup",
     {.subdir = " /E", .excludeDirs = " /XD Logs /XF Backup"},
     FolderRisk::DestinationInsideSource,
     "/E"},  // the engine reads Backup as a file there
    // ... or the levels copied stop above it.
    {"C:\\Data", "C:\\Data\\Backup", {.subdir = " /E", .level = " /LEV:1"}, FolderRisk::None, ""},
    {"C:\\Data", "C:\\Data\\Backup\\Today", {.subdir = " /E", .level = " /LEV:2"}, FolderRisk::None, ""},
    {"C:\\Data", "C:\\Data\\Backup", {.subdir = " /E", .level = " /LEV:2"}, FolderRisk::DestinationInsideSource, "/E"},
    {"C:\\Data", "C:\\Data\\Backup", {.subdir = " /E", .level = " /LEV:"}, FolderRisk::DestinationInsideSource, "/E"},
    {"C:\\Data", "C:\\Data\\Backup", {.subdir = " /E", .level = " /LEV:x"}, FolderRisk::DestinationInsideSource, "/E"},
    // Neighbours are not inside one another.
    {"C:\\Data", "C:\\Data2", {.subdir = " /E", .mir = " /MIR"}, FolderRisk::None, ""},
    {"C:\\Data2", "C:\\Data", {.subdir = " /E", .mir = " /MIR"}, FolderRisk::None, ""},
    {"C:\\Data\\A", "C:\\Data\\B", {.subdir = " /E", .mir = " /MIR"}, FolderRisk::None, ""},
    {"\\\\nas1\\share\\x", "\\\\nas2\\share\\x", {.mir = " /MIR"}, FolderRisk::None, ""},
    // A purge of a whole drive or share is asked about.
    {"C:\\Data", "E:\\", {.mir = " /MIR"}, FolderRisk::DestinationIsDriveRoot, "/MIR"},
    {"C:\\Data", "\\\\?\\e:\\", {.purge = " /PURGE"}, FolderRisk::DestinationIsDriveRoot, "/PURGE"},
    {"C:\\Data", "\\\\nas\\backup", {.purge = " /PURGE"}, FolderRisk::DestinationIsShareRoot, "/PURGE"},
    {"C:\\Data", "\\\\?\\UNC\\nas\\backup\\x\\..", {.mir = " /MIR"}, FolderRisk::DestinationIsShareRoot, "/MIR"},
    {"C:\\Data", "E:\\", {.subdir = " /E"}, FolderRisk::None, ""},
    {"C:\\Data", "E:\\Backup", {.mir = " /MIR"}, FolderRisk::None, ""},
    {"C:\\Data", "\\\\nas\\backup\\Data", {.purge = " /PURGE"}, FolderRisk::None, ""},
};

TEST(FolderSafety, EachRiskIsFoundFromTheFoldersAndTheSwitches) {
    for (const RiskCase& c : kRiskCases) {
        SCOPED_TRACE(std::string(c.source) + " -> " + c.destination + " |" + c.on.subdir + c.on.level + c.on.purge +
                     c.on.mir + c.on.excludeDirs);
        slots::SwitchSlots s;
        s.SubdirSwitch = c.on.subdir;
        s.LevelSwitch = c.on.level;
        s.PurgeSwitch = c.on.purge;
        s.MirSwitch = c.on.mir;
        s.ExcludeDirsSwitch = c.on.excludeDirs;
        const command::FolderCheck check = command::checkFolders(c.source, c.destination, s);
        EXPECT_EQ(check.risk, c.risk);
        EXPECT_EQ(check.switches, c.switches);
    }
}

}  // namespace
