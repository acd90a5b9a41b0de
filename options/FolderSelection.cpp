#include "options/FolderSelection.h"

namespace options {

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

namespace {

void cmdBrowseSrc_Click(Context& c) {
    std::string result = modBrowse(c.p, c.s, "");
    if (!result.empty()) c.w.txtSrcPath.setText(withBackslash(result));
}

void cmdBrowseDest_Click(Context& c) {
    std::string suffix = c.w.chkMatchDest.checked() ? lastNameSuffix(c.w.txtSrcPath.text()) : std::string();
    std::string result = modBrowse(c.p, c.s, "");
    if (!result.empty()) c.w.txtDestPath.setText(withBackslash(result) + suffix);
}

}  // namespace

void wireFolderSelection(Context& c) {
    c.w.cmdBrowseSrc.onClick = [&c] { cmdBrowseSrc_Click(c); };
    c.w.cmdBrowseDest.onClick = [&c] { cmdBrowseDest_Click(c); };
}

}  // namespace options
