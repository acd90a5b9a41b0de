#include "command/CommandFile.h"

#include <vector>

#include "command/CommandLine.h"
#include "command/Messages.h"
#include "command/NoCase.h"

namespace command {

using platform::Buttons;
using platform::CodePage;
using platform::Icon;

namespace {

constexpr std::string_view kLineEnd = "\r\n";

}  // namespace

platform::SaveDialogSetup commandFileDialogSetup() {
    return {"cmd",
            {{"Command Files (*.cmd)", "*.cmd"},
             {"Batch Files (*.bat)", "*.bat"},
             {"Text File (*.txt)", "*.txt"},
             {"All Files (*.*)", "*.*"}},
            "*.cmd",
            true};
}

bool isCommandScriptName(std::string_view name) {
    while (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.remove_suffix(1);
    return endsWithNoCase(name, ".cmd") || endsWithNoCase(name, ".bat");
}

std::string doublePercents(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        out += c;
        if (c == '%') out += c;
    }
    return out;
}

std::string interpreterLine(std::string_view line) {
    std::string out;
    out.reserve(line.size() + line.size() / 8);
    bool quoted = false;
    for (char c : line) {
        if (c == '"') quoted = !quoted;
        if (!quoted && (c == '&' || c == '|' || c == '<' || c == '>' || c == '^')) out += '^';
        out += c;
    }
    return doublePercents(out);
}

std::optional<std::string> findUnencodableField(const slots::SwitchSlots& s, platform::Platform& p, CodePage page) {
    if (!p.encode(s.SourcePathArg, page)) return std::string("Source Path");
    if (!p.encode(s.DestPathArg, page)) return std::string("Destination Path");
    for (const auto& info : slots::commandOrder())
        if (!p.encode(s.*info.slot, page)) return std::string(info.field);
    return std::nullopt;
}

std::optional<std::string> commandFileBytes(const slots::SwitchSlots& s, std::string_view fileName,
                                            platform::Platform& p) {
    const bool script = isCommandScriptName(fileName);
    std::optional<std::string> line =
        script ? p.encode(interpreterLine(displayForm(s)), CodePage::Oem) : p.encode(displayForm(s), CodePage::Ansi);
    if (!line) return std::nullopt;
    return *line + std::string(kLineEnd);
}

std::string unencodableText(std::string_view field, bool commandScript) {
    std::string where = commandScript ? "the OEM code page, in which the command interpreter reads .cmd and .bat files"
                                      : "the ANSI code page of this system";
    return "The value of \"" + std::string(field) + "\" holds a character that cannot be written in " + where +
        ".\r\nPlease correct it. Nothing was saved.";
}

std::string writeFailedText(std::string_view path, std::string_view reason) {
    return "The command file could not be saved:\r\n" + std::string(path) + "\r\n" + std::string(reason);
}

Outcome saveCommandFile(std::string_view sourceBox, std::string_view destinationBox, slots::SwitchSlots& s,
                        platform::Platform& p) {
    Outcome checked = prepareCommand(sourceBox, destinationBox, s, p, "Nothing was saved.");
    if (checked != Outcome::Ready) return checked;

    const platform::Result<std::string> chosen = p.saveFileDialog(commandFileDialogSetup());
    if (chosen.isCancelled()) return Outcome::Cancelled;
    if (chosen.isFailed()) {
        p.messageBox(kAppTitle, dialogFailedText(chosen.reason, "Nothing was saved."), Buttons::Ok, Icon::Exclamation);
        return Outcome::WriteFailed;
    }
    const std::string& name = chosen.value;

    std::optional<std::string> bytes = commandFileBytes(s, name, p);
    if (!bytes) {
        const bool script = isCommandScriptName(name);
        const std::string field =
            findUnencodableField(s, p, script ? CodePage::Oem : CodePage::Ansi).value_or("Command Line");
        p.messageBox(kAppTitle, unencodableText(field, script), Buttons::Ok, Icon::Exclamation);
        return Outcome::Refused;
    }
    const platform::Result<> written = p.replaceFile(name, *bytes);
    if (written.isDone()) return Outcome::Saved;
    p.messageBox(kAppTitle, writeFailedText(name, written.reason), Buttons::Ok, Icon::Critical);
    return Outcome::WriteFailed;
}

}  // namespace command
