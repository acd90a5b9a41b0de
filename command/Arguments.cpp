#include "command/Arguments.h"

namespace command {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Argument splitting after the program path, character for character as the system does it.
std::vector<std::string> splitRest(std::string_view s, size_t i, std::vector<std::string> out) {
    while (i < s.size() && isBlank(s[i])) ++i;
    if (i >= s.size()) return out;
    std::string arg;
    size_t backslashes = 0;
    int quotes = 0;  // 1 while inside quotes
    while (i < s.size()) {
        char c = s[i];
        if (isBlank(c) && quotes == 0) {
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
            if (backslashes % 2 == 0) {
                arg.resize(arg.size() - backslashes / 2);
                ++quotes;
            } else {
                arg.resize(arg.size() - backslashes / 2 - 1);
                arg += '"';
            }
            ++i;
            backslashes = 0;
            // A run of quotes: every third one is a literal quote.
            while (i < s.size() && s[i] == '"') {
                if (++quotes == 3) {
                    arg += '"';
                    quotes = 0;
                }
                ++i;
            }
            if (quotes == 2) quotes = 0;
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
    size_t i = 0;
    if (!s.empty() && s[0] == '"') {
        for (i = 1; i < s.size() && s[i] != '"'; ++i) program += s[i];
        if (i < s.size()) ++i;
    } else {
        for (; i < s.size() && !isBlank(s[i]); ++i) program += s[i];
    }
    return splitRest(s, i, {std::move(program)});
}

std::vector<std::string> splitArguments(std::string_view text) { return splitRest(text, 0, {}); }

}  // namespace command
