#include <gtest/gtest.h>

#include "app/App.h"
#include "tests/fake/FakePlatform.h"
#include "ui/AboutBox.h"
#include "options/FolderSelection.h"
#include "ui/SysInfo.h"

TEST(FolderSelection, LastNameSuffix) {
    struct Case {
        const char *source, *suffix;
    } cases[] = {
        {"C:\\Data\\Photos\\", "Photos\\"},
        {"C:\\Data\\Photos", "Photos"},
        {"C:\\", ""},
        {"", ""},
        {"\\\\server\\share\\", "share\\"},
        {"Photos", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(options::lastNameSuffix(c.source), c.suffix) << c.source;
}

TEST(FolderSelection, ButtonsFillTheBoxesWithATrailingBackslash) {
    struct Case {
        const char* source;
        bool match;
        const char* picked;
        const char* destination;
    } cases[] = {
        {"C:\\Data\\Photos\\", true, "D:\\Backup", "D:\\Backup\\Photos\\"},
        {"C:\\Data\\Photos\\", false, "D:\\Backup", "D:\\Backup\\"},
        {"C:\\Data\\Photos\\", true, "D:\\", "D:\\Photos\\"},
        {"C:\\", true, "D:\\Backup", "D:\\Backup\\"},
        {"C:\\Data\\Photos", true, "D:\\Backup", "D:\\Backup\\Photos"},
        {"\\\\server\\share\\", true, "D:\\Backup", "D:\\Backup\\share\\"},
        {"C:\\Data\\", true, "", "untouched"},  // cancelled
    };
    for (const auto& c : cases) {
        fake::FakePlatform p;
        p.files[p.folder + "\\robocopy.exe"] = 79872;
        app::App app{p};
        ASSERT_TRUE(app.Form_Load());
        auto& w = app.window;
        w.txtDestPath.setText("untouched");
        w.chkMatchDest.setValue(c.match ? 1 : 0);
        p.folderAnswers = {"C:\\Ignored", *c.picked ? fake::DialogAnswer(c.picked) : std::nullopt};
        w.cmdBrowseSrc.press();  // the source button appends the backslash too
        EXPECT_EQ(w.txtSrcPath.text(), "C:\\Ignored\\");
        w.txtSrcPath.setText(c.source);
        w.cmdBrowseDest.press();
        EXPECT_EQ(w.txtDestPath.text(), c.destination) << c.source << " " << c.picked;
        EXPECT_EQ(app.slots.BrowseResult, c.picked);
        EXPECT_EQ(p.folderTitles, (std::vector<std::string>{"", ""}));
    }
}

TEST(AboutBox, Texts) {
    auto t = ui::aboutTexts();
    EXPECT_EQ(t.caption, "About Zentrova KV");
    EXPECT_EQ(t.title, "Zentrova KV");
    EXPECT_EQ(t.version, "Version 1.1.0");
    EXPECT_EQ(t.description, "A Handy GUI that Unleashes the Power\r\nof Microsoft's RoboCopy");
    EXPECT_EQ(ui::mailLink(), "mailto:support@zentrova.example?Subject=Regarding Zentrova.");
}

TEST(AboutBox, RegistryValuesDecode) {
    auto sz = [](std::string s) { return platform::RegistryValue{1, {s.begin(), s.end()}}; };
    EXPECT_EQ(ui::decodeRegistryValue(sz(std::string("C:\\msinfo32.exe") + '\0'), "x"), "C:\\msinfo32.exe");
    EXPECT_EQ(ui::decodeRegistryValue(sz("C:\\Tools"), "x"), "C:\\Tools");
    EXPECT_EQ(ui::decodeRegistryValue({4, {0x39, 0x30, 0, 0}}, "x"), "12345");
    EXPECT_EQ(ui::decodeRegistryValue({4, {0xff, 0xff, 0xff, 0xff}}, "x"), "4294967295");
    EXPECT_EQ(ui::decodeRegistryValue({3, {1, 2, 3}}, "as passed"), "as passed");
    // REG_EXPAND_SZ comes from the platform expanded, and is text like REG_SZ.
    EXPECT_EQ(ui::decodeRegistryValue({2, {'C', ':', '\\', 'W', 0}}, "x"), "C:\\W");
}

TEST(AboutBox, SystemInformationIsFoundThroughEitherValue) {
    const std::string pathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO\\PATH";
    const std::string folderKey = "SOFTWARE\\Microsoft\\Shared Tools Location\\MSINFO";
    auto text = [](std::uint32_t type, std::string s) { return platform::RegistryValue{type, {s.begin(), s.end()}}; };
    constexpr std::uint32_t kSz = 1, kExpandSz = 2;
    struct Case {
        const char* path;  // nullptr = no PATH value
        const char* folder;  // nullptr = no MSINFO value
        bool fileThere;
        const char* started;  // "" = the message instead
        std::uint32_t type = kSz;  // of both values
    } cases[] = {
        {"C:\\Program Files\\msinfo32.exe", nullptr, false, "C:\\Program Files\\msinfo32.exe"},  // used unchecked
        {nullptr, "C:\\Windows\\System32", true, "C:\\Windows\\System32\\MSINFO32.EXE"},
        {nullptr, "C:\\Windows\\System32", false, ""},
        {nullptr, nullptr, false, ""},
        // Expanded values are as good as plain ones; an empty value names nothing.
        {"C:\\Program Files\\msinfo32.exe", nullptr, false, "C:\\Program Files\\msinfo32.exe", kExpandSz},
        {nullptr, "C:\\Windows\\System32", true, "C:\\Windows\\System32\\MSINFO32.EXE", kExpandSz},
        {"", "C:\\Windows\\System32", true, "C:\\Windows\\System32\\MSINFO32.EXE"},
        {"", "", true, ""},
    };
    for (const auto& c : cases) {
        fake::FakePlatform p;
        if (c.path) p.registry[pathKey] = text(c.type, c.path);
        if (c.folder) p.registry[folderKey] = text(c.type, c.folder);
        if (c.fileThere) p.files[std::string(c.folder) + "\\MSINFO32.EXE"] = 1;
        ui::StartSysInfo(p);
        if (*c.started) {
            ASSERT_EQ(p.processes.size(), 1u);
            EXPECT_EQ(p.processes[0].application, c.started);
            EXPECT_EQ(p.processes[0].show, platform::ShowState::Normal);
            EXPECT_TRUE(p.messages.empty());
        } else {
            EXPECT_TRUE(p.processes.empty());
            ASSERT_EQ(p.messages.size(), 1u);
            EXPECT_EQ(p.messages[0].title, "Zentrova KV");
            EXPECT_EQ(p.messages[0].text, "System Information Is Unavailable At This Time");
            EXPECT_EQ(p.messages[0].icon, platform::Icon::None);
        }
    }
}
