// Keeps each started copy run's process and tells when it ends, on the window's thread: the
// system's wait thread only posts a message to a hidden window of this thread, which takes the
// exit code and calls the handler. Runs still going when the program ends go on by themselves.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>

#include "platform/Platform.h"

namespace win32 {

class RunWatcher {
public:
    RunWatcher();
    ~RunWatcher();
    RunWatcher(const RunWatcher&) = delete;
    RunWatcher& operator=(const RunWatcher&) = delete;

    void setHandler(std::function<void(platform::RunId, std::uint32_t)> handler) { handler_ = std::move(handler); }
    // Takes the started process's handle and watches it; the run's number. Called on the
    // window's thread. 0 when it cannot be watched (the process runs on, unwatched).
    platform::RunId watch(HANDLE process);

private:
    struct Run;
    static void CALLBACK ended(void* run, BOOLEAN timedOut);
    static LRESULT CALLBACK windowProc(HWND, UINT, WPARAM, LPARAM);
    bool ensureWindow();
    void report(platform::RunId);

    HWND window_ = nullptr;
    platform::RunId last_ = 0;
    std::map<platform::RunId, std::unique_ptr<Run>> runs_;
    std::function<void(platform::RunId, std::uint32_t)> handler_;
};

}  // namespace win32
