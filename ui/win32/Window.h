// The base of the program's windows: the object is found from its window through the pointer
// handed over at creation, and no exception crosses into the system's code unseen.
#pragma once

#include <windows.h>

#include <exception>

namespace win32 {

// Tells the user that something failed inside the program, in a message box titled with the
// program's name. A fault must never pass silently; a second one while the first is still being
// told is not shown again, or a fault in painting would open box after box.
void reportFault(const char* what) noexcept;

// Runs a message handler; after a fault in it, reported, the system gets what `onFault` says.
template <class F, class G>
auto barrier(F&& handler, G&& onFault) noexcept -> decltype(handler()) {
    try {
        return handler();
    } catch (const std::exception& e) {
        reportFault(e.what());
    } catch (...) {
        reportFault("an unknown exception");
    }
    return onFault();
}

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    HWND hwnd() const { return hwnd_; }

protected:
    ~Window() = default;
    // The procedure of every window class whose windows are made with their object as the
    // creation parameter. The object's first window becomes hwnd_; it may own child windows
    // of its own classes too, which reach handle() with their own handle.
    static LRESULT CALLBACK windowProc(HWND, UINT, WPARAM, LPARAM);
    virtual LRESULT handle(HWND, UINT, WPARAM, LPARAM) = 0;

    HWND hwnd_ = nullptr;
};

}  // namespace win32
