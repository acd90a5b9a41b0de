// How a Windows program splits its command line into arguments.
// The rules are those of CommandLineToArgvW (and the C runtime the engine is built with):
// 2n backslashes before a quote give n backslashes and toggle quoting, 2n+1 give n and a literal
// quote, other backslashes are literal; the first argument ends at the next quote or blank.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace command {

// Splits a whole command line; the first argument is the program path.
std::vector<std::string> splitCommandLine(std::string_view commandLine);
// Splits text that follows a program path (no special first argument).
std::vector<std::string> splitArguments(std::string_view text);

}  // namespace command
