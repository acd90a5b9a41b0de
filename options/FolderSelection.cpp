#include "options/FolderSelection.h"

#include "command/Messages.h"

namespace options {

namespace {

// A chosen folder as a folder box shows it, whether picked or dropped: with a final backslash.
std::string withBackslash(std::string folder) {
    if (folder.empty() || folder.back() != '\\') folder += '\\';
    return folder;
}

}  // namespace

std::string modBrowse(platform::Platform& p, slots::SwitchSlots& s, std::string_view title) {
    const platform::Result<std::string> picked = p.browseForFolder(title);
    if (picked.isFailed())
        p.messageBox(command::kAppTitle, command::dialogFailedText(picked.reason, "The folder box was left as it was."),
                     platform::Buttons::Ok, platform::Icon::Exclamation);
    s.BrowseResult = picked.value;  // "" unless a folder was chosen
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

bool isFolderBox(const ui::MainWindow& w, const ui::Control& c) { return &c == &w.txtSrcPath || &c == &w.txtDestPath; }

std::optional<std::string> folderDropText(std::span<const DroppedItem> items) {
    if (items.size() != 1 || !items.front().folder) return std::nullopt;
    return withBackslash(items.front().path);
}

void dropOnFolderBox(platform::Platform& p, ui::TextBox& box, const std::vector<std::string>& paths) {
    std::vector<DroppedItem> items;
    for (const std::string& path : paths) items.push_back({path, p.folderExists(path)});
    if (auto text = folderDropText(items)) box.setText(*text);
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
