#include "ui/win32/Window.h"

#include <string>

#include "command/Messages.h"
#include "platform/win32/Utf.h"

namespace win32 {

void reportFault(const char* what) noexcept {
    static bool reporting = false;
    if (reporting) return;
    reporting = true;
    std::wstring title, text;
    try {
        title = widen(command::kAppTitle);
        text = L"The program met a fault and did not finish what it was doing:\n\n" + widen(what);
    } catch (...) {
        // No memory even for the text: the box says less, but it is still shown.
    }
    MessageBoxW(GetActiveWindow(), text.empty() ? L"The program met a fault." : text.c_str(), title.c_str(),
                MB_OK | MB_ICONERROR);
    reporting = false;
}

LRESULT CALLBACK Window::windowProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        if (!self->hwnd_) self->hwnd_ = h;
        SetWindowLongPtrW(h, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(h, GWLP_USERDATA));
    if (!self) return DefWindowProcW(h, msg, wp, lp);
    return barrier([&] { return self->handle(h, msg, wp, lp); }, [&] { return DefWindowProcW(h, msg, wp, lp); });
}

}  // namespace win32
