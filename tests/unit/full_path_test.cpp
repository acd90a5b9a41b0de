// Folders the engine would read against a current folder nobody named are refused by Copy and
// by Save alike, before anything is shown, started, asked or written.
#include <gtest/gtest.h>

#include <string>

#include "command/CommandLine.h"
#include "tests/unit/AppFixture.h"

namespace {

struct Case {
    const char *source, *destination;
    const char* refusedField;  // nullptr: the press goes on
};

const Case kCases[] = {
    {"C:\\Data\\", "D:\\Backup\\", nullptr},
    {"E:\\", "D:\\Backup\\", nullptr},
    {"e:", "D:\\Backup\\", nullptr},  // a bare drive is taken as its root
    {"\\\\server\\share\\Data\\", "\\\\nas\\backup\\", nullptr},
    {"C:/Data/", "//nas/backup", nullptr},
    {"Data\\", "D:\\Backup\\", "Source Path"},
    {"C:\\Data\\", "D:Backup\\", "Destination Path"},
    {"\\Backup\\", "D:\\Backup\\", "Source Path"},
    {"C:\\Data\\", "/Backup/", "Destination Path"},
    {"\\", "D:\\Backup\\", "Source Path"},
    {"C:Data", "D:\\Backup\\", "Source Path"},
    {"  ", "D:\\Backup\\", "Source Path"},
    {" C:\\Data\\", "D:\\Backup\\", "Source Path"},
    {"C:\\Data\\", "..\\Backup\\", "Destination Path"},
    {"Data", "Backup", "Source Path"},  // the first field named, and only that one
};

std::string refusal(const std::string& field, const std::string& consequence) {
    return "The value of \"" + field +
        "\" is not a full path, so robocopy.exe would read it against whatever folder happens to be "
        "current.\r\nPlease give a full path, such as C:\\Data\\ or \\\\server\\share\\Data\\. " +
        consequence;
}

}  // namespace

TEST(FullPath, CopyAndSaveRefuseAFolderThatIsNotFullAndGiveItTheFocus) {
    struct Press {
        const char* name;
        const char* consequence;
    } presses[] = {{"Copy", "Nothing was started."}, {"Save", "Nothing was saved."}};
    for (const Press& press : presses) {
        for (const Case& c : kCases) {
            SCOPED_TRACE(std::string(press.name) + ": " + c.source + " | " + c.destination);
            AppFixture f;
            f.w.txtSrcPath.setText(c.source);
            f.w.txtDestPath.setText(c.destination);
            f.p.saveAnswers = {std::string("C:\\Jobs\\job.cmd")};
            const slots::SwitchSlots before = f.s;
            (std::string(press.name) == "Copy" ? f.w.cmdRun : f.w.cmdSaveBatch).press();
            if (!c.refusedField) {
                EXPECT_EQ(f.p.processes.size() + f.p.written.size(), 1u);
                continue;
            }
            ASSERT_EQ(f.p.messages.size(), 1u);
            EXPECT_EQ(f.p.messages[0].title, "Zentrova KV");
            EXPECT_EQ(f.p.messages[0].text, refusal(c.refusedField, press.consequence));
            EXPECT_EQ(f.p.messages[0].buttons, platform::Buttons::Ok);
            EXPECT_EQ(f.p.messages[0].icon, platform::Icon::Exclamation);
            EXPECT_TRUE(f.p.processes.empty());
            EXPECT_TRUE(f.p.saveDialogs.empty());
            EXPECT_TRUE(f.p.written.empty());
            EXPECT_EQ(f.s.SourcePathArg, before.SourcePathArg);
            EXPECT_EQ(f.s.DestPathArg, before.DestPathArg);
            const bool source = std::string(c.refusedField) == "Source Path";
            EXPECT_EQ(f.w.focused(), source ? &f.w.txtSrcPath : &f.w.txtDestPath);
        }
    }
}

// Save is pressed on the Job page: the box the focus goes to must be on the page in front.
TEST(FullPath, ARefusalOnTheJobPageBringsTheBoxToTheFront) {
    for (const char* source : {"", "Data\\"}) {
        SCOPED_TRACE(std::string("source ") + source);
        AppFixture f;
        f.w.txtSrcPath.setText(source);
        f.w.txtDestPath.setText("D:\\Backup\\");
        f.w.tabStripOptions.choose(5);
        ASSERT_EQ(f.w.frontPage(), ui::PageId::Job);
        f.w.cmdSaveBatch.press();
        EXPECT_EQ(f.w.frontPage(), ui::PageId::General);
        EXPECT_EQ(f.w.tabStripOptions.selected(), 0);
        EXPECT_EQ(f.w.focused(), &f.w.txtSrcPath);
        EXPECT_TRUE(f.p.saveDialogs.empty());
    }
}
