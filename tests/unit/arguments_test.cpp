#include <gtest/gtest.h>

#include "command/Arguments.h"
#include "tests/support/QuoteArgument.h"

using command::splitArguments;
using command::splitCommandLine;
using Args = std::vector<std::string>;

// Hand-checked against the documented CommandLineToArgvW behaviour.
TEST(Arguments, SplitsAsTheSystemDoes) {
    struct Case {
        const char* line;
        Args args;
    } cases[] = {
        {R"(a b   c)", {"a", "b", "c"}},
        {R"("a b" c)", {"a b", "c"}},
        {R"("C:\Data" "D:\Backup" /E)", {"C:\\Data", "D:\\Backup", "/E"}},
        {R"("E:\\" x)", {"E:\\", "x"}},  // 2n backslashes before a quote: n, quote ends
        {R"("C:\Data\" /E /R:0)", {"C:\\Data\" /E /R:0"}},  // odd: a literal quote, the rest swallowed
        {R"(a\\\"b)", {"a\\\"b"}},
        {R"(a\\b c)", {"a\\\\b", "c"}},  // backslashes not before a quote stay
        {R"("" x)", {"", "x"}},
        {R"(/LOG:"C:\my logs\a.log" /NP)", {"/LOG:C:\\my logs\\a.log", "/NP"}},
        {R"("a""b" c)", {"a\"b c"}},  // a doubled quote inside quotes: literal, still quoted
        {"\ta\t", {"a"}},
    };
    for (const auto& c : cases) EXPECT_EQ(splitArguments(c.line), c.args) << c.line;
}

TEST(Arguments, FirstArgumentEndsAtQuoteOrBlankWithoutEscapes) {
    EXPECT_EQ(splitCommandLine(R"("C:\Program Files\Z\robocopy.exe" "C:\Data" /E)"),
              (Args{"C:\\Program Files\\Z\\robocopy.exe", "C:\\Data", "/E"}));
    EXPECT_EQ(splitCommandLine(R"(C:\Tools\robocopy.exe "x")"), (Args{"C:\\Tools\\robocopy.exe", "x"}));
    // Unquoted, a blank splits the path: the fault the quoted launch form avoids.
    EXPECT_EQ(splitCommandLine(R"(C:\Program Files\robocopy.exe)")[0], "C:\\Program");
}

TEST(Arguments, QuotedValuesWithoutQuotesComeBackWhole) {
    for (const char* v : {"", "C:\\", "E:\\", "C:\\Data\\\\", "with space", "\\\\server\\share\\", "a\\b"}) {
        EXPECT_EQ(splitArguments(testsupport::quoteArgument(v) + " /Z"), (Args{v, "/Z"})) << v;
    }
}
