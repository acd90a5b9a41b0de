// The Windows entry point: the real platform, the window model and its view, the message loop.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/App.h"
#include "command/Arguments.h"
#include "platform/win32/Utf.h"
#include "platform/win32/Win32Platform.h"
#include "ui/win32/AboutView.h"
#include "ui/win32/MainView.h"
#include "ui/win32/Window.h"

namespace {

int run(HINSTANCE instance, std::wstring_view arguments, int showCommand) {
    win32::Win32Platform platform;
    app::App app(platform);
    if (!app.Form_Load()) return 0;  // no engine: the user has been told, the window is never shown
    // A job named as the argument is tried before the window shows (a refusal's message comes
    // first) and set after the first activation, which would undo part of it.
    std::optional<command::JobLine> job;
    if (const std::vector<std::string> args = command::splitArguments(win32::narrow(arguments)); !args.empty())
        job = app.tryJob(args.front());

    win32::MainView view(app.window, platform);
    if (!view.create(instance)) return 1;
    platform.setMainWindow(view.hwnd());
    // Message boxes and dialogs belong to whichever of our windows is active.
    win32::AboutView about(platform);
    about.onActivated = [&view] { view.aboutActivated(); };
    view.onActivated = [&app] { app.Form_Activate(); };
    view.onAbout = [&about, &view] { about.open(view.hwnd()); };
    view.onDropped = [&app](const std::vector<std::string>& paths, ui::TextBox* box) { app.filesDropped(paths, box); };
    view.onClosing = [&app, &about] {
        app.Form_Unload();
        about.close();
    };
    view.show(showCommand);
    if (job) app.setJob(*job);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (about.translate(msg) || view.translate(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR arguments, int showCommand) {
    // The program sits in a user-writable folder beside the engine: load DLLs only from the
    // system folder, never from our own.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    // A fault outside any window's messages (loading, making the window) is told too.
    return win32::barrier([&] { return run(instance, arguments ? arguments : L"", showCommand); }, [] { return 1; });
}
