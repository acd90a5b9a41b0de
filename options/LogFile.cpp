// The log file options: the name box, "Browse" with its save dialog, and the two modes
// "Append Log File" (index 0) and "Overwrite Log File" (index 1). The name reaches the slot,
// in double quotes and unchanged, only when a mode is clicked or a browse ends.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "command/Messages.h"
#include "command/Arguments.h"
#include "options/OpenJob.h"
#include "options/Rules.h"

namespace options {

namespace {

constexpr int kAppend = 0, kOverwrite = 1;
// The switch of each mode, by its index.
constexpr std::string_view kModeSwitches[] = {" /LOG+:", " /LOG:"};

const platform::SaveDialogSetup kDialogSetup{
    "log",
    {{"Log Files (*.log)", "*.log"}, {"Text Files (*.txt)", "*.txt"}, {"All Files (*.*)", "*.*"}},
    "",
};

// The slot for a mode and a name; nullopt for an index that is no mode.
std::optional<std::string> logSwitch(int mode, const std::string& name) {
    if (name.empty()) return std::string();
    if (mode != kAppend && mode != kOverwrite) return std::nullopt;
    return std::string(kModeSwitches[mode]) + "\"" + name + "\"";
}

// The name proposed from today's short date: its first two parts and the last two characters
// of its third, as 12/7/2026 gives 12726.txt. Nothing for a date not written with "/".
std::optional<std::string> nameFromDate(std::string_view date) {
    std::vector<std::string_view> parts;
    for (size_t from = 0;;) {
        size_t slash = date.find('/', from);
        parts.push_back(date.substr(from, slash == std::string_view::npos ? std::string_view::npos : slash - from));
        if (slash == std::string_view::npos) break;
        from = slash + 1;
    }
    if (parts.size() < 3) return std::nullopt;
    std::string_view year = parts[2].size() > 2 ? parts[2].substr(parts[2].size() - 2) : parts[2];
    return std::string(parts[0]) + std::string(parts[1]) + std::string(year) + ".txt";
}

void optLogFile_Click(Context& c, int index) {
    if (auto fragment = logSwitch(index, c.w.txtLogFile.text())) c.s.LogSwitch = *fragment;
}

void cmdLogFile_Click(Context& c) {
    platform::SaveDialogSetup setup = kDialogSetup;
    ui::LogFileDialog& dialog = c.w.dlgLogFile;
    if (auto name = nameFromDate(c.p.shortDateText())) {
        setup.initialName = *name;
    } else {
        setup.initialName = dialog.fileName;
    }
    dialog.fileName = setup.initialName;

    const platform::Result<std::string> chosen = c.p.saveFileDialog(setup);
    if (chosen.isFailed()) {
        // Not the user's cancel: the log file stays as it was.
        c.p.messageBox(command::kAppTitle, command::dialogFailedText(chosen.reason, "The log file was left as it was."),
                       platform::Buttons::Ok, platform::Icon::Exclamation);
        return;
    }
    if (chosen.isCancelled()) {
        // A cancelled browse leaves no log file, neither in the box nor on the command line.
        c.w.txtLogFile.setText("");
        c.s.LogSwitch = "";
        return;
    }
    dialog.fileName = chosen.value;
    c.w.txtLogFile.setText(chosen.value);
    if (c.w.optLogFile.selected() != kOverwrite) c.w.optLogFile.select(kAppend);
    c.s.LogSwitch = logSwitch(c.w.optLogFile.selected(), c.w.txtLogFile.text()).value_or(std::string());
}

}  // namespace

// The name typed into its box (as the engine reads it: quotes only group), then its mode
// clicked. A name the dialog cannot give, with a quote in it, is none.
Read readLogFile(Context& c, const command::JobSwitch& js, std::vector<Expectation>& expected) {
    for (const int mode : {kAppend, kOverwrite}) {
        if (!isSwitch(js, kModeSwitches[mode])) continue;
        const std::optional<std::string> value = fixedValue(js);
        const std::vector<std::string> name = value ? command::splitArguments(*value) : std::vector<std::string>();
        if (name.size() != 1 || name[0].empty() || name[0].find('"') != std::string::npos) return Read::Refused;
        c.w.txtLogFile.setText(name[0]);
        c.w.optLogFile.select(mode);
        expected.push_back({&slots::SwitchSlots::LogSwitch, *logSwitch(mode, name[0])});
        return Read::Set;
    }
    return Read::NotOurs;
}

void wireLogFile(Context& c) {
    c.w.optLogFile.onClick = [&c](int index) { optLogFile_Click(c, index); };
    c.w.cmdLogFile.onClick = [&c] { cmdLogFile_Click(c); };
}

}  // namespace options
