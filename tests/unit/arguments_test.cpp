#include <gtest/gtest.h>

#include "command/Arguments.h"
#include "tests/support/QuoteArgument.h"
#include "tests/support/RuntimeArgv.h"

using command::splitArguments;
using command::splitCommandLine;
using testsupport::runtimeArguments;
using testsupport::runtimeArgv;
using Args = std::vector<std::string>;

// Microsoft's table of command lines and the argv the C runtime makes of them, then cases of
// our own; the product and the oracle must both give each answer.
TEST(Arguments, SplitAsTheRuntimeDocumentsIt) {
    struct Case {
        const char* line;
        Args args;
    } cases[] = {
        {R"(p "a b c" d e)", {"p", "a b c", "d", "e"}},
        {R"(p "ab\"c" "\\" d)", {"p", "ab\"c", "\\", "d"}},
        {R"(p a\\\b d"e f"g h)", {"p", "a\\\\\\b", "de fg", "h"}},
        {R"(p a\\\"b c d)", {"p", "a\\\"b", "c", "d"}},
        {R"(p a\\\\"b c" d e)", {"p", "a\\\\b c", "d", "e"}},
        {R"(p a"b"" c d)", {"p", "ab\" c d"}},  // a doubled quote inside quotes: literal, still quoted
        {R"(p "C:\Data" "D:\Backup" /E)", {"p", "C:\\Data", "D:\\Backup", "/E"}},
        {R"(p "E:\\" x)", {"p", "E:\\", "x"}},  // 2n backslashes before a quote: n, quote ends
        {R"(p "C:\Data\" /E /R:0)", {"p", "C:\\Data\" /E /R:0"}},  // odd: a literal quote, the rest swallowed
        {R"(p /LOG:"C:\my logs\a.log" /NP)", {"p", "/LOG:C:\\my logs\\a.log", "/NP"}},
        {R"(p "" x "")", {"p", "", "x", ""}},
        {"p\ta\t", {"p", "a"}},
        {R"(p "a""b" c)", {"p", "a\"b", "c"}},
        {R"(p """a)", {"p", "\"a"}},
        {R"(p "unclosed \)", {"p", "unclosed \\"}},
        // The program name: quotes group and are dropped, a backslash is a letter.
        {R"("C:\Program Files\Z\robocopy.exe" "C:\Data" /E)", {"C:\\Program Files\\Z\\robocopy.exe", "C:\\Data", "/E"}},
        {R"(C:\"Program Files"\robocopy.exe x)", {"C:\\Program Files\\robocopy.exe", "x"}},
        {R"("C:\Tools\"robocopy.exe x)", {"C:\\Tools\\robocopy.exe", "x"}},
        {R"(C:\Program Files\robocopy.exe)", {"C:\\Program", "Files\\robocopy.exe"}},
        {"", {""}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(runtimeArgv(c.line), c.args) << "oracle: " << c.line;
        EXPECT_EQ(splitCommandLine(c.line), c.args) << c.line;
    }
}

// Every text of up to eight characters from the ones the rules turn on.
TEST(Arguments, AgreeWithTheOracleOnEveryShortText) {
    constexpr char kLetters[] = {'a', ' ', '"', '\\'};
    std::string text;
    int disagreements = 0;
    auto check = [&](const std::string& t) {
        const bool same = splitCommandLine(t) == runtimeArgv(t) && splitArguments(t) == runtimeArguments(t);
        if (!same && ++disagreements <= 5) ADD_FAILURE() << "splits otherwise than the runtime: [" << t << "]";
    };
    auto extend = [&](auto& self, std::size_t length) -> void {
        check(text);
        if (length == 8) return;
        for (char c : kLetters) {
            text.push_back(c);
            self(self, length + 1);
            text.pop_back();
        }
    };
    extend(extend, 0);
    EXPECT_EQ(disagreements, 0);
}

TEST(Arguments, QuotedValuesWithoutQuotesComeBackWhole) {
    for (const char* v : {"", "C:\\", "E:\\", "C:\\Data\\\\", "with space", "\\\\server\\share\\", "a\\b"}) {
        EXPECT_EQ(splitArguments(testsupport::quoteArgument(v) + " /Z"), (Args{v, "/Z"})) << v;
    }
}
