// A platform for the unit tests: records every call and answers from a script.
#pragma once

#include <deque>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace fake {

struct MessageBoxCall {
    std::string title, text;
    platform::Buttons buttons;
    platform::Icon icon;
};

struct ProcessCall {
    std::string application, commandLine;
    platform::ShowState show;
    // For a copy run: its number and how it was started; a plain start is As-is and number 0.
    platform::Elevation elevation = platform::Elevation::AsIs;
    platform::RunId run = 0;
};

// A scripted answer of a dialog: a path is a choice, nullopt a cancel, and failed(...) a dialog
// that the system could not show.
struct DialogAnswer : platform::Result<std::string> {
    DialogAnswer(platform::Result<std::string> r) : Result(std::move(r)) {}
    DialogAnswer(std::string chosen) : Result(done(std::move(chosen))) {}
    DialogAnswer(const char* chosen) : DialogAnswer(std::string(chosen)) {}
    DialogAnswer(std::nullopt_t) : Result(cancelled()) {}
    DialogAnswer(std::optional<std::string> chosen) : Result(chosen ? done(std::move(*chosen)) : cancelled()) {}
};

class FakePlatform : public platform::Platform {
public:
    // Scripted answers, taken in order; a message box without a scripted answer answers OK
    // (Yes for a Yes/No box, No for one whose default is No, as Enter would).
    std::deque<platform::Answer> answers;
    // A dialog without a scripted answer is cancelled.
    std::deque<DialogAnswer> saveAnswers;
    std::deque<DialogAnswer> openAnswers;
    std::deque<DialogAnswer> folderAnswers;
    std::string startError;  // a program or a run that cannot start fails with this reason
    std::string openError;  // the shell's open fails with this reason
    std::map<std::string, std::uint64_t> files;  // path -> length
    std::set<std::string> folders;
    bool highContrastOn = false;
    bool elevatedToken = true;  // as Wine and an administrator's "Run as administrator" start
    bool declineConsent = false;  // the user answers No at the consent prompt
    std::string time = "14:32";
    int attentionDrawn = 0;
    std::map<std::string, platform::RegistryValue> registry;  // "key\\value" -> value
    platform::Date date{2026, 12, 7};
    std::string shortDate = "12/7/2026";
    std::string writeError;
    std::string readError;  // every read fails with this reason
    bool ended = false;

    std::vector<MessageBoxCall> messages;
    std::vector<platform::SaveDialogSetup> saveDialogs;
    std::vector<platform::SaveDialogSetup> openDialogs;
    std::vector<std::string> folderTitles;
    std::vector<ProcessCall> processes;
    std::vector<std::string> opened;
    // path -> bytes: what replaceFile wrote, and what readFile reads.
    std::map<std::string, std::string> written;
    std::string folder = "C:\\Tools\\Zentrova";

    static platform::Answer unscriptedAnswer(platform::Buttons b) {
        switch (b) {
            case platform::Buttons::YesNo: return platform::Answer::Yes;
            case platform::Buttons::YesNoDefaultNo: return platform::Answer::No;
            default: return platform::Answer::Ok;
        }
    }
    platform::Answer messageBox(std::string_view title, std::string_view text, platform::Buttons b,
                                platform::Icon i) override {
        messages.push_back({std::string(title), std::string(text), b, i});
        if (answers.empty()) return unscriptedAnswer(b);
        auto a = answers.front();
        answers.pop_front();
        return a;
    }
    static platform::Result<std::string> next(std::deque<DialogAnswer>& answers) {
        if (answers.empty()) return platform::Result<std::string>::cancelled();
        platform::Result<std::string> a = answers.front();
        answers.pop_front();
        return a;
    }
    platform::Result<std::string> saveFileDialog(const platform::SaveDialogSetup& setup) override {
        saveDialogs.push_back(setup);
        return next(saveAnswers);
    }
    platform::Result<std::string> openFileDialog(const platform::SaveDialogSetup& setup) override {
        openDialogs.push_back(setup);
        return next(openAnswers);
    }
    platform::Result<std::string> browseForFolder(std::string_view title) override {
        folderTitles.emplace_back(title);
        return next(folderAnswers);
    }
    static platform::Result<> outcome(const std::string& error) {
        return error.empty() ? platform::Result<>::done() : platform::Result<>::failed(error);
    }
    platform::Result<> startProcess(const std::string& app, const std::string& cmd, platform::ShowState s) override {
        processes.push_back({app, cmd, s});
        return outcome(startError);
    }
    platform::Result<platform::RunId> startRun(const std::string& app, const std::string& cmd, platform::ShowState s,
                                               platform::Elevation e) override {
        if (e == platform::Elevation::AsAdministrator && declineConsent)
            return platform::Result<platform::RunId>::cancelled();
        processes.push_back({app, cmd, s, e, 0});
        if (!startError.empty()) return platform::Result<platform::RunId>::failed(startError);
        processes.back().run = ++lastRun;
        return platform::Result<platform::RunId>::done(lastRun);
    }
    void setRunEndedHandler(std::function<void(platform::RunId, std::uint32_t)> h) override { runEnded = std::move(h); }
    // The run ends with the exit code, as the system tells it.
    void endRun(platform::RunId run, std::uint32_t exitCode) { runEnded(run, exitCode); }
    bool elevated() override { return elevatedToken; }
    std::string timeOfDay() override { return time; }
    void drawAttention() override { ++attentionDrawn; }
    platform::Result<> shellOpen(const std::string& target) override {
        opened.push_back(target);
        return outcome(openError);
    }
    std::optional<std::uint64_t> fileLength(const std::string& path) override {
        auto it = files.find(path);
        if (it == files.end()) return std::nullopt;
        return it->second;
    }
    bool fileExists(const std::string& path) override { return files.count(path) != 0; }
    bool folderExists(const std::string& path) override { return folders.count(path) != 0; }
    std::string programFolder() override { return folder; }
    std::optional<platform::RegistryValue> readMachineRegistry(const std::string& key,
                                                               const std::string& value) override {
        auto it = registry.find(key + "\\" + value);
        if (it == registry.end()) return std::nullopt;
        return it->second;
    }
    platform::Date today() override { return date; }
    std::string shortDateText() override { return shortDate; }
    // Plain C-locale reading: optional sign, digits, one full stop, an exponent.
    bool isLocaleNumber(const std::string& text) override;
    // ANSI is Windows-1252 restricted to ASCII and Latin-1 here; OEM is ASCII plus a few of 437.
    std::optional<std::string> encode(const std::string& utf8, platform::CodePage) override;
    // The inverse of encode: bytes it never gives back are no text.
    std::optional<std::string> decode(const std::string& bytes, platform::CodePage) override;
    platform::Result<std::string> readFile(const std::string& path, std::size_t most) override {
        auto it = written.find(path);
        if (!readError.empty()) return platform::Result<std::string>::failed(readError);
        if (it == written.end()) return platform::Result<std::string>::failed("The system cannot find the file.");
        return platform::Result<std::string>::done(it->second.substr(0, most));
    }
    platform::Result<> replaceFile(const std::string& path, const std::string& bytes) override {
        if (writeError.empty()) written[path] = bytes;
        return outcome(writeError);
    }
    bool highContrast() override { return highContrastOn; }
    void endProgram() override { ended = true; }

private:
    platform::RunId lastRun = 0;
    std::function<void(platform::RunId, std::uint32_t)> runEnded = [](platform::RunId, std::uint32_t) {};
};

}  // namespace fake
