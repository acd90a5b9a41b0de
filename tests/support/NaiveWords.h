// The words a person reads in switch text: blanks and tabs outside double quotes separate, a
// double quote only groups and is dropped. Deliberately naive (no backslash rules), so that the
// engine's own command-line splitting has something independent to agree with. Shared by the
// random model test and the arguments fuzz target.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace testsupport {

inline std::vector<std::string> naiveWords(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    bool open = false, quoted = false;
    for (char c : text) {
        if (c == '"') {
            quoted = !quoted;
            open = true;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (open) words.push_back(word);
            word.clear();
            open = false;
        } else {
            word += c;
            open = true;
        }
    }
    if (open) words.push_back(word);
    return words;
}

}  // namespace testsupport
