#include "ui/FolderSelection.h"

namespace ui {

namespace {

std::string withBackslash(std::string path) {
    if (path.empty() || path.back() != '\\') path += '\\';
    return path;
}

}  // namespace

std::string modBrowse(platform::Platform& p, slots::SwitchSlots& s, std::string_view title) {
    s.BrowseResult = p.browseForFolder(title);
    return s.BrowseResult;
}

std::string lastNameSuffix(std::string_view source) {
    // The shortest tail longer than one character that begins with a backslash.
    for (size_t i = 2; i <= source.size(); ++i) {
        std::string_view tail = source.substr(source.size() - i);
        if (tail.front() == '\\') return std::string(tail.substr(1));
    }
    return {};
}

void cmdBrowseSrc_Click(MainWindow& w, slots::SwitchSlots& s, platform::Platform& p) {
    std::string result = modBrowse(p, s, "");
    if (!result.empty()) w.txtSrcPath.setText(withBackslash(result));
}

void cmdBrowseDest_Click(MainWindow& w, slots::SwitchSlots& s, platform::Platform& p) {
    std::string suffix = w.chkMatchDest.checked() ? lastNameSuffix(w.txtSrcPath.text()) : std::string();
    std::string result = modBrowse(p, s, "");
    if (!result.empty()) w.txtDestPath.setText(withBackslash(result) + suffix);
}

}  // namespace ui
