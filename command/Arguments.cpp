#include "command/Arguments.h"

namespace command {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Argument splitting after the program path, character for character as the runtime does it.
void splitRest(std::string_view s, size_t i, PlacedLine& out) {
    while (i < s.size() && isBlank(s[i])) ++i;
    if (i >= s.size()) return;
    PlacedArgument arg{{}, i, i};
    size_t backslashes = 0;
    bool quoted = false;
    while (i < s.size()) {
        char c = s[i];
        if (isBlank(c) && !quoted) {
            arg.end = i;
            out.arguments.push_back(std::move(arg));
            while (i < s.size() && isBlank(s[i])) ++i;
            if (i >= s.size()) return;
            arg = {{}, i, i};
            backslashes = 0;
            continue;
        }
        if (c == '\\') {
            arg.value += c;
            ++backslashes;
            ++i;
            continue;
        }
        if (c == '"') {
            if (backslashes % 2 == 1) {
                arg.value.resize(arg.value.size() - backslashes / 2 - 1);
                arg.value += '"';
            } else {
                arg.value.resize(arg.value.size() - backslashes / 2);
                // Inside quotes a doubled quote is one literal quote, and quoting goes on.
                if (quoted && i + 1 < s.size() && s[i + 1] == '"') {
                    arg.value += '"';
                    ++i;
                } else {
                    quoted = !quoted;
                }
            }
            ++i;
            backslashes = 0;
            continue;
        }
        arg.value += c;
        backslashes = 0;
        ++i;
    }
    arg.end = i;
    out.arguments.push_back(std::move(arg));
    out.quoteOpen = quoted;
}

std::vector<std::string> values(PlacedLine line) {
    std::vector<std::string> out;
    out.reserve(line.arguments.size());
    for (PlacedArgument& a : line.arguments) out.push_back(std::move(a.value));
    return out;
}

}  // namespace

PlacedLine splitPlacedCommandLine(std::string_view s) {
    PlacedLine out;
    std::string program;
    bool quoted = false;
    size_t i = 0;
    for (; i < s.size() && (quoted || !isBlank(s[i])); ++i) {
        if (s[i] == '"')
            quoted = !quoted;
        else
            program += s[i];
    }
    out.arguments.push_back({std::move(program), 0, i});
    out.quoteOpen = quoted;
    splitRest(s, i, out);
    return out;
}

std::vector<std::string> splitCommandLine(std::string_view s) { return values(splitPlacedCommandLine(s)); }

std::vector<std::string> splitArguments(std::string_view text) {
    PlacedLine out;
    splitRest(text, 0, out);
    return values(std::move(out));
}

}  // namespace command
