// Reading a saved job's file back into its parts: the code page, the first line, the escaping
// that Save writes for the command interpreter undone, and the split into engine, folders and
// switches. Which switches the window takes is tested with the window (open_job_test.cpp).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "command/CommandFile.h"
#include "command/JobFile.h"
#include "tests/fake/FakePlatform.h"

namespace {

using command::cannotTake;
using command::JobLine;
using command::JobRefusal;

// A parsed line as "source|destination|token[tail]|...", or the refusal's reason.
std::string shown(const std::optional<JobRefusal>& refused, const JobLine& job) {
    if (refused) return "refused: " + refused->reason;
    std::string out = job.source + "|" + job.destination;
    for (const auto& s : job.switches) out += "|" + s.token + "[" + s.tail + "]";
    return out;
}
std::string parsed(std::string_view line) {
    JobLine job;
    return shown(command::parseJobLine(line, job), job);
}
std::string read(const std::string& path, fake::FakePlatform& p) {
    JobLine job;
    return shown(command::readJobFile(path, p, job), job);
}

std::string refused(std::string_view token) { return "refused: " + cannotTake(token).reason; }

}  // namespace

// Every text of up to six characters from those the escaping turns on comes back as it was.
TEST(JobFile, ScriptLineTextUndoesTheInterpreterLine) {
    constexpr char kLetters[] = {'a', ' ', '"', '^', '&', '%', '<'};
    std::string text;
    int failures = 0;
    auto extend = [&](auto& self, std::size_t length) -> void {
        std::string back;
        if ((command::scriptLineText(command::interpreterLine(text), back) || back != text) && ++failures <= 5)
            ADD_FAILURE() << "[" << text << "] does not come back";
        if (length == 6) return;
        for (char c : kLetters) {
            text.push_back(c);
            self(self, length + 1);
            text.pop_back();
        }
    };
    extend(extend, 0);
}

TEST(JobFile, ScriptLineTextRefusesWhatTheInterpreterWouldRunOtherwise) {
    struct Case {
        const char *line, *word;
    } cases[] = {
        {"robocopy a b /XF 50%x", "50%x"},  // a lone percent sign starts a variable
        {"robocopy a b /XF %TEMP%", "%TEMP%"},
        {"robocopy a b /XF a&b", "a&b"},  // a second command
        {"robocopy a b >log", ">log"},  // a redirection
        {"robocopy a b /XF x|y", "x|y"},
        {"robocopy a b /NP ^", "^"},  // a caret that ends the line joins the next one to it
    };
    for (const auto& c : cases) {
        std::string back;
        EXPECT_EQ(command::scriptLineText(c.line, back), cannotTake(c.word)) << c.line;
    }
    // Inside quotes nothing is special but the percent sign; a caret escapes any character.
    std::string text;
    EXPECT_FALSE(command::scriptLineText("\"a&b|c^\" ^x %%", text));
    EXPECT_EQ(text, "\"a&b|c^\" x %");
}

TEST(JobFile, TheFirstLineThatHoldsMoreThanBlanks) {
    EXPECT_EQ(command::firstLine("\r\n  \t\r\n\nrobocopy a b\r\nsecond\r\n"), "robocopy a b");
    EXPECT_EQ(command::firstLine("robocopy a b"), "robocopy a b");
    EXPECT_EQ(command::firstLine("  robocopy a b  \n"), "  robocopy a b  ");
    EXPECT_FALSE(command::firstLine(""));
    EXPECT_FALSE(command::firstLine("\r\n \t\n\r\n"));
}

TEST(JobFile, ALineSplitsIntoEngineFoldersAndSwitchesWithTheirWords) {
    struct Case {
        const char *line, *parts;
    } cases[] = {
        {R"(robocopy.exe "C:\Data" "E:\\" /E /R:0 /W:0)", R"(C:\Data|E:\|/E[]|/R:0[]|/W:0[])"},
        {R"(ROBOCOPY C:\a D:\b /mir)", R"(C:\a|D:\b|/mir[])"},
        {R"("C:\Windows\System32\Robocopy.EXE" a b)", "a|b"},
        {R"(C:\Tools\robocopy a b /NP)", "a|b|/NP[]"},
        // Blanks between switches are not values; a list or a text keeps its own, and its words.
        {"robocopy  a\t b   /NP    /R:0   ", "a|b|/NP[   ]|/R:0[]"},
        {R"(robocopy a b /XF  *.tmp "my file.txt"  /LEV:1 2 /R:0)",
         R"(a|b|/XF[  *.tmp "my file.txt" ]|/LEV:1[ 2]|/R:0[])"},
        {R"(robocopy a b /LOG+:"C:\my logs\x.log" /TEE)", R"(a|b|/LOG+:"C:\my logs\x.log"[]|/TEE[])"},
        {"robocopy a b", "a|b"},
    };
    for (const auto& c : cases) EXPECT_EQ(parsed(c.line), c.parts) << c.line;
}

TEST(JobFile, ALineWithoutTheEngineAndTwoFoldersOrWithAnOpenQuoteIsRefused) {
    struct Case {
        const char *line, *refusal;
    } cases[] = {
        {"xcopy a b /E", "xcopy"},
        {"robocopy.exe.bak a b", "robocopy.exe.bak"},
        {"@echo off", "@echo"},
        {R"(robocopy a b c /E)", "c"},  // a third folder
        {R"(robocopy "a" "b" "c d")", "\"c d\""},
        {R"(robocopy a /E b)", "/E"},  // a switch where a folder belongs
        {R"(robocopy "a" "b /E)", "\"b /E"},  // an open quote is quoted with all it swallowed
        {R"(robocopy a b /XF "x)", "\"x"},
        {R"(robocopy a b /LOG:"C:\logs\" /NP)", R"(/LOG:"C:\logs\" /NP)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(parsed(c.line), refused(c.refusal)) << c.line;
    }
    EXPECT_EQ(parsed("robocopy a"), "refused: It does not name both a source and a destination folder.");
}

TEST(JobFile, AFileIsReadInTheCodePageSaveWritesItsKindIn) {
    fake::FakePlatform p;
    // "é" is 0x82 in the OEM code page and 0xE9 in the ANSI one; the script doubles its percent.
    p.written["C:\\j.cmd"] = "robocopy.exe \"C:\\caf\x82\" \"D:\\x\" /XF 100%%.txt a^&b\r\n";
    p.written["C:\\j.txt"] = "robocopy.exe \"C:\\caf\xE9\" \"D:\\x\" /XF 100%%.txt\r\n";
    p.written["C:\\j.BAT"] = "robocopy.exe \"C:\\caf\xE9\" \"D:\\x\"\r\n";  // 0xE9 is none of the fake's OEM letters
    EXPECT_EQ(read("C:\\j.cmd", p), "C:\\caf\xC3\xA9|D:\\x|/XF[ 100%.txt a&b]");
    EXPECT_EQ(read("C:\\j.txt", p), "C:\\caf\xC3\xA9|D:\\x|/XF[ 100%%.txt]");
    EXPECT_EQ(read("C:\\j.BAT", p),
              "refused: It is not text in the OEM code page, in which .cmd and .bat files are saved.");
}

TEST(JobFile, AFileThatCannotBeAJobIsRefusedWithItsReason) {
    fake::FakePlatform p;
    const std::string line = "robocopy.exe a b\r\n";
    p.written["C:\\big.txt"] = line + std::string(command::kJobFileMostBytes + 1 - line.size(), ' ');
    p.written["C:\\full.txt"] = line + std::string(command::kJobFileMostBytes - line.size(), ' ');
    p.written["C:\\empty.cmd"] = "";
    p.written["C:\\blank.cmd"] = "\r\n \r\n";
    EXPECT_EQ(read("C:\\big.txt", p), "refused: It is larger than 64 KB, which no saved job is.");
    EXPECT_EQ(read("C:\\full.txt", p), "a|b");
    EXPECT_EQ(read("C:\\empty.cmd", p), "refused: It holds no robocopy command line.");
    EXPECT_EQ(read("C:\\blank.cmd", p), "refused: It holds no robocopy command line.");
    p.readError = "Access is denied.";
    EXPECT_EQ(read("C:\\full.txt", p), "refused: Access is denied.");
    EXPECT_EQ(command::jobRefusedText("C:\\j.cmd", "Access is denied."),
              "The job could not be opened:\r\nC:\\j.cmd\r\nAccess is denied.\r\nThe window was left as it was.");
}
