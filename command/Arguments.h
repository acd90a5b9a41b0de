// How the engine's C runtime splits its command line into arguments: blanks and tabs outside
// quotes separate; 2n backslashes before a quote give n backslashes and toggle quoting, 2n+1 give
// n and a literal quote, other backslashes are literal; inside quotes a doubled quote is a literal
// quote and quoting goes on. The program name has quotes that group and no escapes.
// (CommandLineToArgvW differs in the last two: it ends quoting after a doubled quote, and a
// quoted program name at its closing quote.)
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace command {

// Splits a whole command line; the first argument is the program path.
std::vector<std::string> splitCommandLine(std::string_view commandLine);
// Splits text that follows a program path (no special first argument).
std::vector<std::string> splitArguments(std::string_view text);

// An argument and where it was written: text[begin, end) of the line it came from.
struct PlacedArgument {
    std::string value;
    std::size_t begin = 0, end = 0;
};
struct PlacedLine {
    std::vector<PlacedArgument> arguments;  // the program path first
    bool quoteOpen = false;  // the line ended inside quotes: the last argument ran to its end
};
// splitCommandLine, keeping each argument's place and whether the line closed every quote.
PlacedLine splitPlacedCommandLine(std::string_view commandLine);

}  // namespace command
