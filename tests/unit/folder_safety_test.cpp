// Commands that would destroy what they were asked to copy: the same folder twice, a purge of a
// destination that holds the source, a sub-folder copy into its own source, all refused at Copy
// and at Save; and a purge of a whole drive or share, asked about first with No as the default.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "command/CommandFile.h"
#include "command/CopyRun.h"
#include "command/FolderSafety.h"
#include "tests/unit/AppFixture.h"

namespace {

using command::FolderRisk;
using command::Outcome;
using platform::Answer;
using platform::Buttons;
using platform::Icon;

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

// The presses, with the switches set through the window as a person sets them.
struct Press {
    const char* name;
    std::function<Outcome(AppFixture&, const std::string&, const std::string&)> run;
    const char* consequence;
};

const Press kPresses[] = {
    {"Copy",
     [](AppFixture& f, const std::string& src, const std::string& dst) { return command::runCopy(src, dst, f.s, f.p); },
     "Nothing was started."},
    {"Save",
     [](AppFixture& f, const std::string& src, const std::string& dst) {
         f.p.saveAnswers = {std::string("C:\\Jobs\\job.cmd")};
         return command::saveCommandFile(src, dst, f.s, f.p);
     },
     "Nothing was saved."},
};

TEST(FolderSafety, ARefusalNamesBothFoldersAndItsReasonAndStartsOrSavesNothing) {
    struct Case {
        const char *source, *destination;
        std::function<void(ui::MainWindow&)> options;
        std::string text;  // before the consequence
    } cases[] = {
        {"C:\\Data\\", "c:/data/", [](ui::MainWindow&) {},
         "The source and the destination are the same folder:\r\nSource: C:\\Data\r\nDestination: c:/data/\r\n"
         "robocopy.exe would copy the folder onto itself.\r\nPlease choose another destination. "},
        {"D:\\Backup\\Data\\", "D:\\Backup\\", [](ui::MainWindow& w) { w.chkMir.click(); },
         "The source lies inside the destination:\r\nSource: D:\\Backup\\Data\r\nDestination: D:\\Backup\r\n"
         "With /MIR, robocopy.exe deletes whatever the destination holds that the source does not, and the "
         "source folder itself is one of those: the copy would delete what it was asked to copy.\r\n"
         "Please choose another destination, or leave out /MIR. "},
        {"C:\\Data\\", "C:\\Data\\Backup\\", [](ui::MainWindow&) {},
         "The destination lies inside the source:\r\nSource: C:\\Data\r\nDestination: C:\\Data\\Backup\r\n"
         "With /E, robocopy.exe copies the source's sub-folders, and the destination is one of them: the copy "
         "would copy its own output into itself.\r\nPlease choose a destination outside the source, or name it "
         "under \"Exclude the Following Directory Names/Paths\". "},
    };
    for (const Press& press : kPresses) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(press.name) + ": " + c.source + " -> " + c.destination);
            AppFixture f;
            c.options(f.w);
            f.p.messages.clear();  // the mirror warning
            const slots::SwitchSlots before = f.s;
            EXPECT_EQ(press.run(f, c.source, c.destination), Outcome::FocusDestination);
            ASSERT_EQ(f.p.messages.size(), 1u);
            EXPECT_EQ(f.p.messages[0].title, "Zentrova KV");
            EXPECT_EQ(f.p.messages[0].text, c.text + press.consequence);
            EXPECT_EQ(f.p.messages[0].buttons, Buttons::Ok);
            EXPECT_EQ(f.p.messages[0].icon, Icon::Exclamation);
            EXPECT_TRUE(f.p.processes.empty());
            EXPECT_TRUE(f.p.saveDialogs.empty());
            EXPECT_TRUE(f.p.written.empty());
            EXPECT_EQ(f.s.SourcePathArg, before.SourcePathArg);
            EXPECT_EQ(f.s.DestPathArg, before.DestPathArg);
        }
    }
}

// Save is pressed on the Job page: the destination box is brought to the front with the focus.
TEST(FolderSafety, ARefusalPutsTheFocusInTheDestinationBox) {
    for (bool save : {false, true}) {
        SCOPED_TRACE(save ? "Save on the Job page" : "Copy");
        AppFixture f;
        f.w.txtSrcPath.setText("C:\\Data\\");
        f.w.txtDestPath.setText("C:\\DATA\\");
        if (save) f.w.tabStripOptions.choose(5);
        f.w.setFocus(f.w.txtSrcPath);
        (save ? f.w.cmdSaveBatch : f.w.cmdRun).press();
        ASSERT_EQ(f.p.messages.size(), 1u);
        EXPECT_EQ(f.w.frontPage(), ui::PageId::General);
        EXPECT_EQ(f.w.focused(), &f.w.txtDestPath);
    }
}

TEST(FolderSafety, APurgeOfAWholeDriveOrShareAsksFirstAndNoIsTheDefault) {
    struct Case {
        const char* destination;
        std::function<void(ui::MainWindow&)> options;
        std::string question, command;
    } cases[] = {
        {"E:\\", [](ui::MainWindow& w) { w.chkMir.click(); },
         "The destination E:\\ is the root of a drive, and the command holds /MIR.\r\nEverything in E:\\ that is "
         "not in the source C:\\Data will be deleted.\r\nDo you want to go on?",
         "robocopy.exe \"C:\\Data\" \"E:\\\\\" /E /ZB /COPY:DAT /MIR /R:0 /W:0"},
        {"\\\\nas\\backup\\", [](ui::MainWindow& w) { w.chkPurge.click(); },
         "The destination \\\\nas\\backup is the root of a share, and the command holds /PURGE.\r\nEverything in "
         "\\\\nas\\backup that is not in the source C:\\Data will be deleted.\r\nDo you want to go on?",
         "robocopy.exe \"C:\\Data\" \"\\\\nas\\backup\" /E /ZB /COPY:DAT /PURGE /R:0 /W:0"},
    };
    for (const Press& press : kPresses) {
        for (const Case& c : cases) {
            for (bool yes : {false, true}) {
                SCOPED_TRACE(std::string(press.name) + " -> " + c.destination + (yes ? ", Yes" : ", unanswered"));
                AppFixture f;
                c.options(f.w);
                f.p.messages.clear();  // the mirror warning
                // Unscripted, the box answers as Enter would.
                if (yes) f.p.answers = {Answer::Yes};
                const Outcome outcome = press.run(f, "C:\\Data\\", c.destination);
                ASSERT_GE(f.p.messages.size(), 1u);
                EXPECT_EQ(f.p.messages[0].title, "Zentrova KV");
                EXPECT_EQ(f.p.messages[0].text, c.question);
                EXPECT_EQ(f.p.messages[0].buttons, Buttons::YesNoDefaultNo);
                EXPECT_EQ(f.p.messages[0].icon, Icon::Exclamation);
                if (!yes) {
                    EXPECT_EQ(outcome, Outcome::Cancelled);
                    EXPECT_EQ(f.p.messages.size(), 1u);
                    EXPECT_TRUE(f.p.saveDialogs.empty());
                    EXPECT_TRUE(f.p.processes.empty());
                    EXPECT_TRUE(f.p.written.empty());
                    continue;
                }
                // Yes goes on exactly as before: "Continue?" with the same command, or the save dialog.
                if (std::string(press.name) == "Copy") {
                    EXPECT_EQ(outcome, Outcome::Started);
                    ASSERT_EQ(f.p.messages.size(), 2u);
                    EXPECT_EQ(f.p.messages[1].title, "Continue?");
                    EXPECT_EQ(f.p.messages[1].text, c.command);
                    EXPECT_EQ(f.p.processes.size(), 1u);
                } else {
                    EXPECT_EQ(outcome, Outcome::Saved);
                    EXPECT_EQ(f.p.written["C:\\Jobs\\job.cmd"], c.command + "\r\n");
                }
            }
        }
    }
}

// No leaves the page and the focus where the user had them.
TEST(FolderSafety, NoToTheQuestionLeavesTheWindowAsItWas) {
    AppFixture f;
    f.w.chkMir.click();
    f.w.txtSrcPath.setText("C:\\Data\\");
    f.w.txtDestPath.setText("E:\\");
    f.w.tabStripOptions.choose(1);
    f.w.setFocus(f.w.cmdRun);
    f.p.messages.clear();
    f.w.cmdRun.press();
    ASSERT_EQ(f.p.messages.size(), 1u);
    EXPECT_EQ(f.p.messages[0].buttons, Buttons::YesNoDefaultNo);
    EXPECT_EQ(f.w.tabStripOptions.selected(), 1);
    EXPECT_EQ(f.w.focused(), &f.w.cmdRun);
    EXPECT_TRUE(f.p.processes.empty());
}

}  // namespace
