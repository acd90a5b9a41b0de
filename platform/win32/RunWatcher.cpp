#include "platform/win32/RunWatcher.h"

namespace win32 {
namespace {

constexpr UINT kRunEnded = WM_APP + 1;
constexpr wchar_t kWindowClass[] = L"ZentrovaKVRuns";

}  // namespace

struct RunWatcher::Run {
    platform::RunId id = 0;
    HWND notify = nullptr;
    HANDLE process = nullptr;
    HANDLE wait = nullptr;

    ~Run() {
        // Waits until a callback that is running has finished, so that it never outlives this.
        if (wait) UnregisterWaitEx(wait, INVALID_HANDLE_VALUE);
        if (process) CloseHandle(process);
    }
};

RunWatcher::RunWatcher() = default;

RunWatcher::~RunWatcher() {
    runs_.clear();
    if (window_) DestroyWindow(window_);
}

// On the system's wait thread: nothing but a message to the window's thread.
void CALLBACK RunWatcher::ended(void* context, BOOLEAN) {
    const auto* run = static_cast<const Run*>(context);
    PostMessageW(run->notify, kRunEnded, static_cast<WPARAM>(run->id), 0);
}

LRESULT CALLBACK RunWatcher::windowProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == kRunEnded) {
        if (auto* self = reinterpret_cast<RunWatcher*>(GetWindowLongPtrW(h, GWLP_USERDATA)))
            self->report(static_cast<platform::RunId>(wp));
        return 0;
    }
    return DefWindowProcW(h, msg, wp, lp);
}

bool RunWatcher::ensureWindow() {
    if (window_) return true;
    static const ATOM registered = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = windowProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = kWindowClass;
        return RegisterClassW(&wc);
    }();
    if (!registered) return false;
    window_ =
        CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (window_) SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    return window_ != nullptr;
}

platform::RunId RunWatcher::watch(HANDLE process) {
    if (!process) return 0;
    auto run = std::make_unique<Run>();
    run->process = process;
    if (!ensureWindow()) return 0;
    run->id = ++last_;
    run->notify = window_;
    if (!RegisterWaitForSingleObject(&run->wait, process, ended, run.get(), INFINITE,
                                     WT_EXECUTEONLYONCE | WT_EXECUTEINWAITTHREAD)) {
        run->wait = nullptr;
        return 0;
    }
    const platform::RunId id = run->id;
    runs_.emplace(id, std::move(run));
    return id;
}

void RunWatcher::report(platform::RunId id) {
    auto it = runs_.find(id);
    if (it == runs_.end()) return;  // told once only
    DWORD code = 0;
    if (!GetExitCodeProcess(it->second->process, &code)) code = static_cast<DWORD>(-1);
    runs_.erase(it);
    if (handler_) handler_(id, code);
}

}  // namespace win32
