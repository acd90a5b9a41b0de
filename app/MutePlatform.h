// The real platform for a window that nobody sees: it asks the system what the rules ask (numbers,
// dates, files), but shows nothing, starts nothing and writes nothing. A saved job is tried on
// such a window before the real one is touched.
#pragma once

#include "platform/Platform.h"

namespace app {

class MutePlatform final : public platform::Platform {
public:
    explicit MutePlatform(platform::Platform& real) : real_(real) {}

    // Answered as Enter would answer it.
    platform::Answer messageBox(std::string_view, std::string_view, platform::Buttons b, platform::Icon) override {
        if (b == platform::Buttons::YesNo) return platform::Answer::Yes;
        if (b == platform::Buttons::YesNoDefaultNo) return platform::Answer::No;
        return platform::Answer::Ok;
    }
    platform::Result<std::string> saveFileDialog(const platform::SaveDialogSetup&) override { return cancelled(); }
    platform::Result<std::string> openFileDialog(const platform::SaveDialogSetup&) override { return cancelled(); }
    platform::Result<std::string> browseForFolder(std::string_view) override { return cancelled(); }
    platform::Result<> startProcess(const std::string&, const std::string&, platform::ShowState) override {
        return platform::Result<>::cancelled();
    }
    platform::Result<platform::RunId> startRun(const std::string&, const std::string&, platform::ShowState,
                                               platform::Elevation) override {
        return platform::Result<platform::RunId>::cancelled();
    }
    // The real window's handler stays the one that hears of its runs.
    void setRunEndedHandler(std::function<void(platform::RunId, std::uint32_t)>) override {}
    bool elevated() override { return real_.elevated(); }
    std::string timeOfDay() override { return real_.timeOfDay(); }
    void drawAttention() override {}
    platform::Result<> shellOpen(const std::string&) override { return platform::Result<>::cancelled(); }
    std::optional<std::uint64_t> fileLength(const std::string& path) override { return real_.fileLength(path); }
    bool fileExists(const std::string& path) override { return real_.fileExists(path); }
    bool folderExists(const std::string& path) override { return real_.folderExists(path); }
    std::string programFolder() override { return real_.programFolder(); }
    std::optional<platform::RegistryValue> readMachineRegistry(const std::string& key,
                                                               const std::string& value) override {
        return real_.readMachineRegistry(key, value);
    }
    platform::Date today() override { return real_.today(); }
    std::string shortDateText() override { return real_.shortDateText(); }
    bool isLocaleNumber(const std::string& text) override { return real_.isLocaleNumber(text); }
    std::optional<std::string> encode(const std::string& utf8, platform::CodePage page) override {
        return real_.encode(utf8, page);
    }
    std::optional<std::string> decode(const std::string& bytes, platform::CodePage page) override {
        return real_.decode(bytes, page);
    }
    platform::Result<std::string> readFile(const std::string& path, std::size_t most) override {
        return real_.readFile(path, most);
    }
    platform::Result<> replaceFile(const std::string&, const std::string&) override {
        return platform::Result<>::cancelled();
    }
    bool highContrast() override { return real_.highContrast(); }
    void endProgram() override {}

private:
    static platform::Result<std::string> cancelled() { return platform::Result<std::string>::cancelled(); }
    platform::Platform& real_;
};

}  // namespace app
