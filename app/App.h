// The main window's life: load (engine check and defaults), activation, quit and unload, and
// the window's commands. Portable; the Windows entry point drives it through the view.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "command/CopyRun.h"
#include "command/JobFile.h"
#include "options/Rules.h"
#include "platform/Platform.h"
#include "slots/SwitchSlots.h"
#include "ui/MainWindow.h"

namespace app {

inline constexpr std::string_view kEngineMissingTitle = "Robocopy Not Found";
inline constexpr std::string_view kEngineMissingText =
    "Click OK to download Windows Server 2003 Resource Kit from www.microsoft.com\r\n"
    "Once it is downloaded, Install it and copy Robocopy the the Zentrova program directory\r\n"
    "Then, Restart the Zentrova Program";
inline constexpr std::string_view kEngineDownloadPage =
    "https://www.microsoft.com/en-us/download/details.aspx?id=17657";
inline constexpr std::string_view kQuitTitle = "Close Zentrova";
inline constexpr std::string_view kQuitText = "Quit the Program?";

class App {
public:
    explicit App(platform::Platform&);
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // Checks the engine and applies the defaults. False when the engine is missing: the user
    // has answered the message and the program must end without showing its window.
    bool Form_Load();
    // The defaults that loading gives a new window, on controls as they are made.
    void loadDefaults();
    // Every time the main window becomes the program's active window.
    void Form_Activate();
    // The window's close control: empties the slots and the page state.
    void Form_Unload();

    // Opens a saved job ("Open..." on the Job page, a job file dropped on the window, the
    // program's argument). The file is read and the job tried on a window nobody sees; a refusal
    // is a message and leaves this window as it was. Otherwise the window goes back to its
    // start-up defaults and each control of the job is set as a user would set it, every rule
    // running. False when refused.
    bool openJob(const std::string& path);
    // The two halves of openJob, for the start: the job read and tried before the window is
    // shown (nullopt after the refusal's message), and set after its first activation, which
    // would otherwise undo the job's sub-folder, archive, exclusion and attribute choices.
    std::optional<command::JobLine> tryJob(const std::string& path);
    void setJob(const command::JobLine&);
    // Files dropped on the window: a job file opens; a folder dropped on a folder box goes in it.
    void filesDropped(const std::vector<std::string>& paths, ui::TextBox* folderBox);

    ui::MainWindow window;
    slots::SwitchSlots slots;
    platform::Platform& platform;

private:
    // A copy run that has started and not yet been told ended.
    struct Run {
        platform::RunId id;
        std::string source, destination;
    };

    void cmdRun_Click();
    // A run ended: the status line says how, and a failure is also a message not to be missed.
    void runEnded(platform::RunId, std::uint32_t exitCode);
    void cmdSaveBatch_Click();
    void cmdOpenJob_Click();
    // Hands `use` a window as it stands after loading and its first activation, over a platform
    // that shows nothing: to try a job on, or to take the start-up state from.
    void withStartWindow(const std::function<void(App&)>& use);
    // An empty folder box gets the focus after its message.
    void focusAfter(command::Outcome);
    void ModAskQuit();

    options::Context context_{window, slots, platform};
    std::vector<Run> runs_;
    std::string lastEnded_;
};

}  // namespace app
