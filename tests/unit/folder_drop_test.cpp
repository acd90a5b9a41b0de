// A folder dropped from Explorer on the source or destination box.
#include <gtest/gtest.h>

#include "AppFixture.h"
#include "options/FolderSelection.h"

namespace {

using options::DroppedItem;

TEST(FolderDrop, OneFolderGoesInWithTheBackslashThePickerGives) {
    struct Case {
        const char* name;
        std::vector<DroppedItem> items;
        std::optional<std::string> text;
    } cases[] = {
        {"one folder", {{"C:\\Data\\Photos", true}}, "C:\\Data\\Photos\\"},
        {"a folder with its backslash", {{"C:\\Data\\Photos\\", true}}, "C:\\Data\\Photos\\"},
        {"a drive root", {{"D:\\", true}}, "D:\\"},
        {"a UNC folder", {{"\\\\server\\share\\Data", true}}, "\\\\server\\share\\Data\\"},
        {"a file", {{"C:\\Data\\report.txt", false}}, std::nullopt},
        {"two folders", {{"C:\\Data", true}, {"D:\\Backup", true}}, std::nullopt},
        {"a folder and a file", {{"C:\\Data", true}, {"C:\\report.txt", false}}, std::nullopt},
        {"nothing", {}, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(options::folderDropText(c.items), c.text);
    }
}

TEST(FolderDrop, OnlyTheSourceAndDestinationBoxesTakeFolders) {
    AppFixture f;
    for (const ui::Control* c : f.w.controls()) {
        const bool folderBox = c == &f.w.txtSrcPath || c == &f.w.txtDestPath;
        EXPECT_EQ(options::isFolderBox(f.w, *c), folderBox) << c->name();
    }
}

// A drop is what typing the folder would be: no last folder name of the source is added, and the
// command line takes the box's text as it takes a typed one. The folder check is the platform's.
TEST(FolderDrop, ADroppedFolderReachesTheCommandLineAsATypedOne) {
    AppFixture f;
    f.p.folders = {"C:\\Data\\Photos", "D:\\Backup", "E:\\"};
    ASSERT_TRUE(f.w.chkMatchDest.checked());
    options::dropOnFolderBox(f.p, f.w.txtSrcPath, {"C:\\Data\\Photos"});
    options::dropOnFolderBox(f.p, f.w.txtDestPath, {"D:\\Backup"});
    EXPECT_EQ(f.w.txtSrcPath.text(), "C:\\Data\\Photos\\");
    EXPECT_EQ(f.w.txtDestPath.text(), "D:\\Backup\\");
    options::dropOnFolderBox(f.p, f.w.txtDestPath, {"D:\\Backup\\notes.txt"});  // no folder: a file
    options::dropOnFolderBox(f.p, f.w.txtDestPath, {"D:\\Backup", "E:\\"});
    EXPECT_EQ(f.w.txtDestPath.text(), "D:\\Backup\\");
    f.w.cmdRun.press();
    ASSERT_EQ(f.p.messages.size(), 1u);
    EXPECT_EQ(f.p.messages[0].text, std::string("robocopy.exe \"C:\\Data\\Photos\" \"D:\\Backup\"") + kStartupSwitches);
    options::dropOnFolderBox(f.p, f.w.txtDestPath, {"E:\\"});
    f.w.cmdRun.press();
    ASSERT_EQ(f.p.messages.size(), 2u);
    EXPECT_EQ(f.p.messages[1].text, std::string("robocopy.exe \"C:\\Data\\Photos\" \"E:\\\\\"") + kStartupSwitches);
}

}  // namespace
