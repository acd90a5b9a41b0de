// The real platform: Win32 calls behind the portable interface.
#pragma once

#include <windows.h>
#include <shellapi.h>
#include <shtypes.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/win32/LazyModule.h"
#include "platform/win32/RunWatcher.h"

namespace win32 {

class Win32Platform final : public platform::Platform {
public:
    Win32Platform() = default;
    ~Win32Platform() override;
    Win32Platform(const Win32Platform&) = delete;
    Win32Platform& operator=(const Win32Platform&) = delete;

    // The program's main window. Message boxes and the dialogs belong to whichever of the
    // program's windows is active, and to this one while none is (a run's end told while the
    // engine's console is in front); its taskbar button is the one that flashes.
    void setMainWindow(HWND main) noexcept { main_ = main; }

    platform::Answer messageBox(std::string_view title, std::string_view text, platform::Buttons,
                                platform::Icon) override;
    platform::Result<std::string> saveFileDialog(const platform::SaveDialogSetup&) override;
    platform::Result<std::string> openFileDialog(const platform::SaveDialogSetup&) override;
    platform::Result<std::string> browseForFolder(std::string_view title) override;
    // An empty application lets the system take the program from the command line.
    platform::Result<> startProcess(const std::string& application, const std::string& commandLine,
                                    platform::ShowState) override;
    // As administrator through the shell's "runas" verb, with the same command line.
    platform::Result<platform::RunId> startRun(const std::string& application, const std::string& commandLine,
                                               platform::ShowState, platform::Elevation) override;
    void setRunEndedHandler(std::function<void(platform::RunId, std::uint32_t)> handler) override {
        runs_.setHandler(std::move(handler));
    }
    bool elevated() override;
    std::string timeOfDay() override;
    void drawAttention() override;
    platform::Result<> shellOpen(const std::string& target) override;
    std::optional<std::uint64_t> fileLength(const std::string& path) override;
    bool fileExists(const std::string& path) override;
    bool folderExists(const std::string& path) override;
    std::string programFolder() override;
    // Text values (REG_SZ, REG_EXPAND_SZ) come back as UTF-8 without their terminating NUL, the
    // environment's %NAME%s in an REG_EXPAND_SZ put in; other types as the raw bytes.
    std::optional<platform::RegistryValue> readMachineRegistry(const std::string& key,
                                                               const std::string& value) override;
    platform::Date today() override;
    std::string shortDateText() override;
    bool isLocaleNumber(const std::string& text) override;
    std::optional<std::string> encode(const std::string& utf8, platform::CodePage) override;
    std::optional<std::string> decode(const std::string& bytes, platform::CodePage) override;
    platform::Result<std::string> readFile(const std::string& path, std::size_t most) override;
    platform::Result<> replaceFile(const std::string& path, const std::string& bytes) override;
    bool highContrast() override;
    [[noreturn]] void endProgram() override;

    // The shell completes folder names in the edit box as the user types. Loads the shell's
    // libraries and joins COM, so it is called only once the user starts typing there.
    void completeFolderNames(HWND edit);
    // What was dropped (WM_DROPFILES), and where in the receiving window's client area; the drop
    // is released.
    struct Drop {
        std::vector<std::string> paths;
        POINT point{};
    };
    Drop takeDrop(HDROP);

private:
    HWND owner() const noexcept;
    // The classic file dialog of either kind, with the setup's filters and name.
    platform::Result<std::string> fileDialog(const platform::SaveDialogSetup&, bool save);
    // Joins a single-threaded COM apartment once; the shell's dialogs and verbs need one.
    void ensureCom() noexcept;
    // The file-system path of a shell item, however long; nullopt when it has none.
    std::optional<std::wstring> folderPath(const ITEMIDLIST* item);

    HWND main_ = nullptr;
    LazyModule comdlg32_{L"comdlg32.dll"};
    LazyModule shell32_{L"shell32.dll"};
    LazyModule shlwapi_{L"shlwapi.dll"};
    LazyModule ole32_{L"ole32.dll"};
    LazyModule oleaut32_{L"oleaut32.dll"};
    bool comTried_ = false;
    bool comJoined_ = false;  // CoInitializeEx succeeded, so CoUninitialize is owed
    RunWatcher runs_;
};

}  // namespace win32
