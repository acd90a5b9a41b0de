// The command-file export: the dialog it opens, the bytes it writes for each kind of name, and
// what it says when a character cannot be written or the file cannot be.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "command/CommandFile.h"
#include "command/CopyRun.h"
#include "tests/unit/AppFixture.h"

namespace {

using command::Outcome;
using platform::Buttons;
using platform::Icon;

constexpr const char* kStartupLine = "robocopy.exe \"C:\\Data\" \"D:\\Backup\" /E /ZB /COPY:DAT /R:0 /W:0\r\n";

class CommandFile : public ::testing::Test, protected AppFixture {
protected:
    // One press of Save with the dialog answering this name (nullopt: cancelled).
    Outcome save(std::optional<std::string> name, const std::string& source = "C:\\Data\\",
                 const std::string& destination = "D:\\Backup\\") {
        p.saveAnswers = {std::move(name)};
        return command::saveCommandFile(source, destination, s, p);
    }
};

}  // namespace

TEST(CommandFileName, CommandScriptsAreCmdAndBatInAnyCase) {
    struct Case {
        const char* name;
        bool script;
    } cases[] = {
        {"C:\\Jobs\\nightly.cmd", true},
        {"C:\\Jobs\\NIGHTLY.CMD", true},
        {"run.Bat", true},
        {"run.bat. ", true},
        {".cmd", true},
        {"C:\\Jobs\\nightly.txt", false},
        {"C:\\Jobs\\nightly", false},
        {"nightly.cmd.txt", false},
        {"nightly.cmdx", false},
        {"nightlycmd", false},
        {"C:\\x.bat\\nightly", false},
        {"", false},
    };
    for (const auto& c : cases) EXPECT_EQ(command::isCommandScriptName(c.name), c.script) << c.name;
}

TEST(CommandFileName, PercentSignsAreDoubled) {
    EXPECT_EQ(command::doublePercents(""), "");
    EXPECT_EQ(command::doublePercents("C:\\no signs"), "C:\\no signs");
    EXPECT_EQ(command::doublePercents("%a%%b%"), "%%a%%%%b%%");
}

TEST(CommandFileName, TheInterpreterLineEscapesItsSpecialsOutsideQuotesOnly) {
    struct Case {
        const char *line, *written;
    } cases[] = {
        {"robocopy.exe \"C:\\Data\" /XF a&b.txt ^x.txt", "robocopy.exe \"C:\\Data\" /XF a^&b.txt ^^x.txt"},
        {"/XF \"my & file.txt\" a|b", "/XF \"my & file.txt\" a^|b"},
        {"<in> \"x<y>|^\" ^", "^<in^> \"x<y>|^\" ^^"},
        {"100% \"50%\"", "100%% \"50%%\""},
        // The interpreter does not know the engine's backslash rule: every quote toggles.
        {"\"E:\\\\\" a&b", "\"E:\\\\\" a^&b"},
        {"\"a\"&\"b\"", "\"a\"^&\"b\""},
        {"\"\"&", "\"\"^&"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(command::interpreterLine(c.line), c.written) << c.line;
}

TEST_F(CommandFile, EveryPressSetsUpTheDialogAfreshAndCancelWritesNothing) {
    p.written["C:\\Jobs\\old.cmd"] = "old";
    EXPECT_EQ(save(std::nullopt), Outcome::Cancelled);
    EXPECT_EQ(save(std::nullopt, "E:\\", "F:\\Copy\\"), Outcome::Cancelled);
    ASSERT_EQ(p.saveDialogs.size(), 2u);
    for (const auto& setup : p.saveDialogs) {
        EXPECT_EQ(setup.defaultExtension, "cmd");
        EXPECT_EQ(setup.initialName, "*.cmd");
        EXPECT_TRUE(setup.confirmReplace);
        EXPECT_EQ(setup.filters,
                  (std::vector<std::pair<std::string, std::string>>{{"Command Files (*.cmd)", "*.cmd"},
                                                                    {"Batch Files (*.bat)", "*.bat"},
                                                                    {"Text File (*.txt)", "*.txt"},
                                                                    {"All Files (*.*)", "*.*"}}));
    }
    EXPECT_EQ(p.written, (std::map<std::string, std::string>{{"C:\\Jobs\\old.cmd", "old"}}));
    EXPECT_TRUE(p.messages.empty());
    // The path slots are derived all the same.
    EXPECT_EQ(s.SourcePathArg, "E:\\\\");
    EXPECT_EQ(s.DestPathArg, "F:\\Copy");
}

TEST_F(CommandFile, TheFileHoldsTheShownCommandInTheCodePageOfItsKind) {
    struct Case {
        const char* name;
        const char* source;
        std::string bytes;
    } cases[] = {
        {"C:\\Jobs\\nightly.cmd", "C:\\Data\\", kStartupLine},
        {"C:\\Jobs\\nightly.bat", "C:\\Data\\", kStartupLine},
        {"C:\\Jobs\\nightly.txt", "C:\\Data\\", kStartupLine},
        {"C:\\Jobs\\nightly", "C:\\Data\\", kStartupLine},
        {"C:\\Jobs\\NIGHTLY.CMD", "C:\\100%\\",
         "robocopy.exe \"C:\\100%%\" \"D:\\Backup\" /E /ZB /COPY:DAT /R:0 /W:0\r\n"},
        {"C:\\Jobs\\nightly.bat", "C:\\%PATH%\\",
         "robocopy.exe \"C:\\%%PATH%%\" \"D:\\Backup\" /E /ZB /COPY:DAT /R:0 /W:0\r\n"},
        {"C:\\Jobs\\nightly.txt", "C:\\100%\\",
         "robocopy.exe \"C:\\100%\" \"D:\\Backup\" /E /ZB /COPY:DAT /R:0 /W:0\r\n"},
        // é is 0x82 in the OEM code page and 0xE9 in the ANSI one.
        {"C:\\Jobs\\run.Bat",
         "C:\\Donn\xC3\xA9"
         "es\\",
         "robocopy.exe \"C:\\Donn\x82"
         "es\" \"D:\\Backup\" /E /ZB /COPY:DAT /R:0 /W:0\r\n"},
        {"C:\\Jobs\\run.txt",
         "C:\\Donn\xC3\xA9"
         "es\\",
         "robocopy.exe \"C:\\Donn\xE9"
         "es\" \"D:\\Backup\" /E /ZB /COPY:DAT /R:0 /W:0\r\n"},
        {"C:\\Jobs\\run",
         "C:\\Donn\xC3\xA9"
         "es\\",
         "robocopy.exe \"C:\\Donn\xE9"
         "es\" \"D:\\Backup\" /E /ZB /COPY:DAT /R:0 /W:0\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        p.written.clear();
        EXPECT_EQ(save(c.name, c.source), Outcome::Saved);
        EXPECT_EQ(p.written, (std::map<std::string, std::string>{{c.name, c.bytes}}));
    }
    EXPECT_TRUE(p.messages.empty());
}

TEST_F(CommandFile, TheFileFollowsTheOptions) {
    w.optFileAddA.select(0);
    w.chkMir.click();
    p.messages.clear();
    EXPECT_EQ(save("C:\\Jobs\\nightly.cmd"), Outcome::Saved);
    EXPECT_EQ(p.written["C:\\Jobs\\nightly.cmd"],
              "robocopy.exe \"C:\\Data\" \"D:\\Backup\" /E /A /ZB /COPY:DAT /MIR /A /R:0 /W:0\r\n");
}

TEST_F(CommandFile, ACommandScriptEscapesWhatTheInterpreterWouldTakeAndOtherNamesKeepTheShownLine) {
    w.txtFileExclName.setText("a&b.txt ^x.txt \"my & file.txt\" 5%");
    w.txtFileExclName.loseFocus();
    w.txtDirExclName.setText("x|y <z>");
    w.txtDirExclName.loseFocus();
    const std::string shown =
        "robocopy.exe \"C:\\A&B%\" \"D:\\Backup\" /E /ZB /COPY:DAT "
        "/XF a&b.txt ^x.txt \"my & file.txt\" 5% /XD x|y <z> /R:0 /W:0";
    const std::string script =
        "robocopy.exe \"C:\\A&B%%\" \"D:\\Backup\" /E /ZB /COPY:DAT "
        "/XF a^&b.txt ^^x.txt \"my & file.txt\" 5%% /XD x^|y ^<z^> /R:0 /W:0";
    for (const char* name : {"C:\\Jobs\\a.cmd", "C:\\Jobs\\a.BAT", "C:\\Jobs\\a.txt", "C:\\Jobs\\a"}) {
        SCOPED_TRACE(name);
        p.written.clear();
        EXPECT_EQ(save(name, "C:\\A&B%\\"), Outcome::Saved);
        EXPECT_EQ(p.written[name], (command::isCommandScriptName(name) ? script : shown) + "\r\n");
    }
    // "Continue?" shows the command as the engine receives it.
    p.messages.clear();
    EXPECT_EQ(command::runCopy("C:\\A&B%\\", "D:\\Backup\\", s, p), Outcome::Started);
    ASSERT_FALSE(p.messages.empty());
    EXPECT_EQ(p.messages[0].text, shown);
}

TEST(CommandFileText, ACharacterTheCodePageCannotHoldIsNamedByItsFieldAndNothingIsWritten) {
    const std::string omega = "\xCE\xA9";  // in neither code page
    const std::string enye = "\xC3\xB1";  // ANSI only
    struct Case {
        const char* name;
        std::string source, destination, excludeFiles;
        const char* field;  // nullptr: the file is written
    } cases[] = {
        {"C:\\Jobs\\a.cmd", "C:\\" + omega + "\\", "D:\\Backup\\", "", "Source Path"},
        {"C:\\Jobs\\a.txt", "C:\\Data\\", "D:\\" + omega + "\\", "", "Destination Path"},
        {"C:\\Jobs\\a.cmd", "C:\\Data\\", "D:\\Backup\\", enye + ".txt",
         "Exclude the Following File Names/Wildcards/Paths."},
        {"C:\\Jobs\\a.txt", "C:\\Data\\", "D:\\Backup\\", enye + ".txt", nullptr},
        {"C:\\Jobs\\a.bat", "C:\\" + omega + "\\", "D:\\Backup\\", omega, "Source Path"},
    };
    const std::string oem = "the OEM code page, in which the command interpreter reads .cmd and .bat files";
    const std::string ansi = "the ANSI code page of this system";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name + (" " + c.source + " " + c.destination + " " + c.excludeFiles));
        AppFixture f;
        f.w.txtFileExclName.setText(c.excludeFiles);
        f.w.txtFileExclName.loseFocus();
        f.p.saveAnswers = {std::string(c.name)};
        Outcome outcome = command::saveCommandFile(c.source, c.destination, f.s, f.p);
        if (!c.field) {
            EXPECT_EQ(outcome, Outcome::Saved);
            EXPECT_EQ(f.p.written[c.name],
                      "robocopy.exe \"C:\\Data\" \"D:\\Backup\" /E /ZB /COPY:DAT /XF \xF1.txt /R:0 /W:0\r\n");
            EXPECT_TRUE(f.p.messages.empty());
            continue;
        }
        EXPECT_EQ(outcome, Outcome::Refused);
        EXPECT_TRUE(f.p.written.empty());
        ASSERT_EQ(f.p.messages.size(), 1u);
        const bool script = std::string(c.name).ends_with(".cmd") || std::string(c.name).ends_with(".bat");
        EXPECT_EQ(f.p.messages[0].title, "Zentrova KV");
        EXPECT_EQ(f.p.messages[0].text,
                  "The value of \"" + std::string(c.field) + "\" holds a character that cannot be written in " +
                      (script ? oem : ansi) + ".\r\nPlease correct it. Nothing was saved.");
        EXPECT_EQ(f.p.messages[0].buttons, Buttons::Ok);
        EXPECT_EQ(f.p.messages[0].icon, Icon::Exclamation);
    }
}

TEST_F(CommandFile, AFailedWriteIsReportedWithTheFileAndTheReason) {
    p.writeError = "Access is denied.";
    EXPECT_EQ(save("C:\\Jobs\\nightly.cmd"), Outcome::WriteFailed);
    EXPECT_TRUE(p.written.empty());
    ASSERT_EQ(p.messages.size(), 1u);
    EXPECT_EQ(p.messages[0].title, "Zentrova KV");
    EXPECT_EQ(p.messages[0].text, "The command file could not be saved:\r\nC:\\Jobs\\nightly.cmd\r\nAccess is denied.");
    EXPECT_EQ(p.messages[0].buttons, Buttons::Ok);
    EXPECT_EQ(p.messages[0].icon, Icon::Critical);
}

TEST_F(CommandFile, TheChecksRunBeforeTheDialogOpens) {
    struct Case {
        const char *source, *destination;
        Outcome outcome;
        const char *title, *textEnd;
    } cases[] = {
        {"", "D:\\Backup\\", Outcome::FocusSource, "Error", "Please select a source directory"},
        {"C:\\Data\\", "", Outcome::FocusDestination, "Error", "Please select a destination directory"},
        {"C:\\Da\"ta\\", "D:\\Backup\\", Outcome::Refused, "Zentrova KV", "Please correct it. Nothing was saved."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.textEnd);
        p.messages.clear();
        EXPECT_EQ(save("C:\\Jobs\\nightly.cmd", c.source, c.destination), c.outcome);
        ASSERT_EQ(p.messages.size(), 1u);
        EXPECT_EQ(p.messages[0].title, c.title);
        EXPECT_TRUE(p.messages[0].text.ends_with(c.textEnd)) << p.messages[0].text;
    }
    EXPECT_TRUE(p.saveDialogs.empty());
    EXPECT_TRUE(p.written.empty());
}
