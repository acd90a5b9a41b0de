#include "command/CommandLine.h"

#include <vector>

#include "command/Arguments.h"

namespace command {

namespace {

bool isDriveSpec(std::string_view s) {
    return s.size() == 2 && s[1] == ':' && ((s[0] >= 'A' && s[0] <= 'Z') || (s[0] >= 'a' && s[0] <= 'z'));
}

// Windows takes a forward slash for a backslash in a path.
bool isSeparator(char c) { return c == '\\' || c == '/'; }

std::string pathsAndSwitches(const slots::SwitchSlots& s) {
    return "\"" + s.SourcePathArg + "\" \"" + s.DestPathArg + "\"" + switchText(s);
}

// How a person reads a fragment: blanks outside quotes separate words, quotes only group.
std::vector<std::string> naiveWords(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false, quoted = false;
    for (char c : text) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (inWord) words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) words.push_back(word);
    return words;
}

struct Piece {
    std::string field;
    std::string text;
    std::vector<std::string> intended;
};

// A piece is sound when it splits into its intended words and ends every quote it opens, so
// that what follows it on the line is not swallowed.
bool sound(const Piece& p) {
    static const std::string kProbe = "/Z";
    std::vector<std::string> expected = p.intended;
    expected.push_back(kProbe);
    return splitArguments(p.text + " " + kProbe) == expected;
}

}  // namespace

PathArgument derivePath(std::string_view box) {
    while (!box.empty() && box.back() == '\\') box.remove_suffix(1);
    std::string value(box);
    if (isDriveSpec(value)) return {value + "\\\\", value + "\\"};
    return {value, value};
}

bool isFullPath(std::string_view folder) {
    if (folder.size() >= 2 && isSeparator(folder[0]) && isSeparator(folder[1])) return true;
    return folder.size() >= 3 && isDriveSpec(folder.substr(0, 2)) && isSeparator(folder[2]);
}

std::string switchText(const slots::SwitchSlots& s) {
    std::string out;
    for (const auto& info : slots::commandOrder()) out += s.*info.slot;
    return out;
}

std::string displayForm(const slots::SwitchSlots& s) { return std::string(kEngineName) + " " + pathsAndSwitches(s); }

std::string enginePath(std::string_view programFolder) {
    return std::string(programFolder) + "\\" + std::string(kEngineName);
}

std::string launchForm(const slots::SwitchSlots& s, std::string_view programFolder) {
    std::string path = enginePath(programFolder);
    if (path.find_first_of(" \t") != std::string::npos) path = "\"" + path + "\"";
    return path + " " + pathsAndSwitches(s);
}

std::optional<std::string> findBrokenArgument(const slots::SwitchSlots& s, std::string_view sourceBox,
                                              std::string_view destinationBox) {
    std::vector<Piece> pieces;
    pieces.push_back({"Source Path", "\"" + s.SourcePathArg + "\"", {derivePath(sourceBox).value}});
    pieces.push_back({"Destination Path", "\"" + s.DestPathArg + "\"", {derivePath(destinationBox).value}});
    for (const auto& info : slots::commandOrder()) {
        const std::string& text = s.*info.slot;
        if (text.empty()) continue;
        // The copy-flag letters carry no blank: they extend the fragment before them.
        if (text[0] != ' ' && pieces.size() > 2) {
            pieces.back().text += text;
            pieces.back().intended = naiveWords(pieces.back().text);
            continue;
        }
        pieces.push_back({std::string(info.field), text, naiveWords(text)});
    }
    std::vector<std::string> all{std::string(kEngineName)};
    for (const Piece& p : pieces) {
        if (!sound(p)) return p.field;
        all.insert(all.end(), p.intended.begin(), p.intended.end());
    }
    // Each piece on its own is sound; the whole line must then split the same way.
    if (splitCommandLine(displayForm(s)) != all) return std::string("Command Line");
    return std::nullopt;
}

}  // namespace command
