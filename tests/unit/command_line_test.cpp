#include <gtest/gtest.h>

#include "command/Arguments.h"
#include "command/CommandLine.h"
#include "command/CopyRun.h"
#include "command/Engine.h"
#include "command/Messages.h"
#include "tests/fake/FakePlatform.h"

using namespace command;
using platform::Answer;

namespace {

// The slot values right after start-up.
slots::SwitchSlots startupSlots() {
    slots::SwitchSlots s;
    s.SubdirSwitch = " /E";
    s.CopyModeSwitch = " /ZB";
    s.CopyPrefix = " /COPY:";
    s.CopyFlagD = "D";
    s.CopyFlagA = "A";
    s.CopyFlagT = "T";
    s.RetrySwitch = " /R:0";
    s.WaitSwitch = " /W:0";
    return s;
}

}  // namespace

TEST(CommandOrder, HoldsEverySwitchOnceAndTheArchiveSwitchTwice) {
    auto order = slots::commandOrder();
    ASSERT_EQ(order.size(), 57u);  // positions 5 to 61
    EXPECT_EQ(order[2].slot, &slots::SwitchSlots::ArchiveSwitch);
    EXPECT_EQ(order[28].slot, &slots::SwitchSlots::ArchiveSwitch);
    EXPECT_EQ(order.front().name, "SubdirSwitch");
    EXPECT_EQ(order.back().name, "NpSwitch");
    for (size_t i = 0; i < order.size(); ++i)
        for (size_t j = i + 1; j < order.size(); ++j)
            if (order[i].slot == order[j].slot) {
                EXPECT_EQ(order[i].name, "ArchiveSwitch");
            }
}

TEST(CommandLine, EverySlotLandsAtItsPosition) {
    // Each slot gets a marker naming its position; the switch text must list them in order.
    slots::SwitchSlots s;
    std::string expected;
    int position = 5;
    for (const auto& info : slots::commandOrder()) {
        bool second = info.slot == &slots::SwitchSlots::ArchiveSwitch && !s.ArchiveSwitch.empty();
        if (second) {
            expected += s.ArchiveSwitch;
        } else {
            s.*info.slot = " /P" + std::to_string(position);
            expected += s.*info.slot;
        }
        ++position;
    }
    EXPECT_EQ(switchText(s), expected);
}

TEST(CommandLine, DisplayAndLaunchFormsShareEverythingButTheHead) {
    auto s = startupSlots();
    s.SourcePathArg = "C:\\Data";
    s.DestPathArg = "D:\\Backup";
    s.ArchiveSwitch = " /A";
    const std::string rest = "\"C:\\Data\" \"D:\\Backup\" /E /A /ZB /COPY:DAT /A /R:0 /W:0";
    EXPECT_EQ(displayForm(s), "robocopy.exe " + rest);
    EXPECT_EQ(launchForm(s, "C:\\Tools\\Zentrova"), "C:\\Tools\\Zentrova\\robocopy.exe " + rest);
    EXPECT_EQ(launchForm(s, "C:\\"), "C:\\\\robocopy.exe " + rest);
    EXPECT_EQ(launchForm(s, "C:\\Program Files\\Zentrova"), "\"C:\\Program Files\\Zentrova\\robocopy.exe\" " + rest);
    EXPECT_EQ(launchForm(s, "C:\\Tab\tFolder"), "\"C:\\Tab\tFolder\\robocopy.exe\" " + rest);
}

TEST(CommandLine, PathDerivation) {
    struct Case {
        const char* box;
        const char* written;
        const char* value;
    } cases[] = {
        {"C:\\Data\\", "C:\\Data", "C:\\Data"},
        {"C:\\Data", "C:\\Data", "C:\\Data"},  // a typed path keeps its last letter
        {"C:\\Data\\\\", "C:\\Data", "C:\\Data"},
        {"\\", "", ""},
        {"E:\\", "E:\\\\", "E:\\"},  // a drive root stays the root
        {"e:", "e:\\\\", "e:\\"},
        {"\\\\server\\share\\", "\\\\server\\share", "\\\\server\\share"},
        {"  ", "  ", "  "},
        {"C:\\Mes données\\", "C:\\Mes données", "C:\\Mes données"},
    };
    for (const auto& c : cases) {
        auto p = derivePath(c.box);
        EXPECT_EQ(p.written, c.written) << c.box;
        EXPECT_EQ(p.value, c.value) << c.box;
        // What is written between quotes is what the engine receives.
        EXPECT_EQ(splitArguments("\"" + p.written + "\""), std::vector<std::string>{p.value}) << c.box;
    }
}

TEST(CommandLine, ArgumentCheckNamesTheFieldThatWouldNotArriveWhole) {
    struct Case {
        const char* source;
        std::string slots::SwitchSlots::*slot;
        const char* fragment;
        std::optional<std::string> field;
    } cases[] = {
        {"C:\\Data\\", nullptr, "", std::nullopt},
        {"E:\\", nullptr, "", std::nullopt},
        {"C:\\Da\"ta\\", nullptr, "", "Source Path"},
        {"C:\\Data\\\"", nullptr, "", "Source Path"},
        {"C:\\Data\\", &slots::SwitchSlots::LogSwitch, " /LOG:\"C:\\logs\\run.log\"", std::nullopt},
        {"C:\\Data\\", &slots::SwitchSlots::LogSwitch, " /LOG:\"C:\\my logs\\\"", "Log File"},
        {"C:\\Data\\", &slots::SwitchSlots::LogSwitch, " /LOG+:\"C:\\a\"b.log\"", "Log File"},
        {"C:\\Data\\", &slots::SwitchSlots::ExcludeFilesSwitch, " /XF \"my file.txt\" *.tmp", std::nullopt},
        {"C:\\Data\\", &slots::SwitchSlots::ExcludeFilesSwitch, " /XF \"unclosed *.tmp",
         "Exclude the Following File Names/Wildcards/Paths."},
        {"C:\\Data\\", &slots::SwitchSlots::MinSizeSwitch, " /MIN:1\\\"0", "Minimum File Size (Bytes)"},
    };
    for (const auto& c : cases) {
        auto s = startupSlots();
        if (c.slot) s.*c.slot = c.fragment;
        s.SourcePathArg = derivePath(c.source).written;
        s.DestPathArg = derivePath("D:\\Backup\\").written;
        EXPECT_EQ(findBrokenArgument(s, c.source, "D:\\Backup\\"), c.field) << c.source << c.fragment;
    }
}

class CopyPress : public ::testing::Test {
protected:
    fake::FakePlatform p;
    slots::SwitchSlots s = startupSlots();
};

TEST_F(CopyPress, OkStartsTheEngineWithExactlyTheShownCommand) {
    EXPECT_EQ(runCopy("C:\\Data\\", "D:\\Backup\\", s, p), Outcome::Started);
    ASSERT_EQ(p.messages.size(), 1u);
    EXPECT_EQ(p.messages[0].title, "Continue?");
    EXPECT_EQ(p.messages[0].text, "robocopy.exe \"C:\\Data\" \"D:\\Backup\" /E /ZB /COPY:DAT /R:0 /W:0");
    EXPECT_EQ(p.messages[0].buttons, platform::Buttons::OkCancel);
    EXPECT_EQ(p.messages[0].icon, platform::Icon::Question);
    ASSERT_EQ(p.processes.size(), 1u);
    EXPECT_EQ(p.processes[0].application, "C:\\Tools\\Zentrova\\robocopy.exe");
    EXPECT_EQ(p.processes[0].commandLine,
              "C:\\Tools\\Zentrova\\robocopy.exe \"C:\\Data\" \"D:\\Backup\" /E /ZB /COPY:DAT /R:0 /W:0");
    EXPECT_EQ(p.processes[0].show, platform::ShowState::Maximized);
    EXPECT_EQ(splitCommandLine(p.processes[0].commandLine),
              (std::vector<std::string>{"C:\\Tools\\Zentrova\\robocopy.exe", "C:\\Data", "D:\\Backup", "/E", "/ZB",
                                        "/COPY:DAT", "/R:0", "/W:0"}));
}

TEST_F(CopyPress, CancelStartsNothingButKeepsTheNewPaths) {
    p.answers = {Answer::Cancel};
    EXPECT_EQ(runCopy("C:\\Data\\", "D:\\Backup\\", s, p), Outcome::Cancelled);
    EXPECT_TRUE(p.processes.empty());
    EXPECT_EQ(s.SourcePathArg, "C:\\Data");
    EXPECT_EQ(s.DestPathArg, "D:\\Backup");
}

TEST_F(CopyPress, EmptyBoxesAreReportedAndChangeNoSlot) {
    struct Case {
        const char *source, *dest, *text;
        Outcome outcome;
    } cases[] = {
        {"", "D:\\Backup\\", "Please select a source directory", Outcome::FocusSource},
        {"", "", "Please select a source directory", Outcome::FocusSource},
        {"C:\\Data\\", "", "Please select a destination directory", Outcome::FocusDestination},
    };
    for (const auto& c : cases) {
        fake::FakePlatform fresh;
        auto slotsBefore = s;
        EXPECT_EQ(runCopy(c.source, c.dest, s, fresh), c.outcome);
        ASSERT_EQ(fresh.messages.size(), 1u);
        EXPECT_EQ(fresh.messages[0].title, "Error");
        EXPECT_EQ(fresh.messages[0].text, c.text);
        EXPECT_EQ(fresh.messages[0].buttons, platform::Buttons::Ok);
        EXPECT_EQ(fresh.messages[0].icon, platform::Icon::None);
        EXPECT_TRUE(fresh.processes.empty());
        EXPECT_EQ(switchText(s), switchText(slotsBefore));
        EXPECT_EQ(s.SourcePathArg, slotsBefore.SourcePathArg);
    }
}

TEST_F(CopyPress, ABrokenArgumentIsRefusedBeforeContinue) {
    EXPECT_EQ(runCopy("C:\\Da\"ta\\", "D:\\Backup\\", s, p), Outcome::Refused);
    ASSERT_EQ(p.messages.size(), 1u);
    EXPECT_EQ(p.messages[0].title, "Zentrova KV");
    EXPECT_NE(p.messages[0].text.find("\"Source Path\""), std::string::npos);
    EXPECT_TRUE(p.processes.empty());
}

TEST_F(CopyPress, AFailedStartIsReported) {
    p.startError = "The system cannot find the file specified.";
    EXPECT_EQ(runCopy("C:\\Data\\", "D:\\Backup\\", s, p), Outcome::StartFailed);
    ASSERT_EQ(p.messages.size(), 2u);
    EXPECT_EQ(p.messages[1].title, "Zentrova KV");
    EXPECT_EQ(p.messages[1].text,
              "The copy engine could not be started:\r\nC:\\Tools\\Zentrova\\robocopy.exe\r\n"
              "The system cannot find the file specified.");
}

TEST(Engine, AcceptedOnlyAtItsExactSize) {
    for (auto [length, found] : {std::pair<int, bool>{-1, false}, {79871, false}, {79872, true}, {79873, false}}) {
        fake::FakePlatform p;
        if (length >= 0) p.files[p.folder + "\\robocopy.exe"] = static_cast<std::uint64_t>(length);
        EXPECT_EQ(engineFound(p), found) << length;
    }
}
