#include "command/Arguments.h"

namespace command {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Argument splitting after the program path, character for character as the runtime does it.
std::vector<std::string> splitRest(std::string_view s, size_t i, std::vector<std::string> out) {
    while (i < s.size() && isBlank(s[i])) ++i;
    if (i >= s.size()) return out;
    std::string arg;
    size_t backslashes = 0;
    bool quoted = false;
    while (i < s.size()) {
        char c = s[i];
        if (isBlank(c) && !quoted) {
            out.push_back(std::move(arg));
            arg.clear();
            while (i < s.size() && isBlank(s[i])) ++i;
            if (i >= s.size()) return out;
            backslashes = 0;
            continue;
        }
        if (c == '\\') {
            arg += c;
            ++backslashes;
            ++i;
            continue;
        }
        if (c == '"') {
            if (backslashes % 2 == 1) {
                arg.resize(arg.size() - backslashes / 2 - 1);
                arg += '"';
            } else {
                arg.resize(arg.size() - backslashes / 2);
                // Inside quotes a doubled quote is one literal quote, and quoting goes on.
                if (quoted && i + 1 < s.size() && s[i + 1] == '"') {
                    arg += '"';
                    ++i;
                } else {
                    quoted = !quoted;
                }
            }
            ++i;
            backslashes = 0;
            continue;
        }
        arg += c;
        backslashes = 0;
        ++i;
    }
    out.push_back(std::move(arg));
    return out;
}

}  // namespace

std::vector<std::string> splitCommandLine(std::string_view s) {
    std::string program;
    bool quoted = false;
    size_t i = 0;
    for (; i < s.size() && (quoted || !isBlank(s[i])); ++i) {
        if (s[i] == '"')
            quoted = !quoted;
        else
            program += s[i];
    }
    return splitRest(s, i, {std::move(program)});
}

std::vector<std::string> splitArguments(std::string_view text) { return splitRest(text, 0, {}); }

}  // namespace command
