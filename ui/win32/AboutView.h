// The About box: shown without blocking the main window, at most one at a time.
#pragma once

#include <windows.h>

#include <functional>
#include <utility>
#include <vector>

#include "platform/Platform.h"
#include "ui/LayoutScale.h"
#include "ui/win32/Gdi.h"
#include "ui/win32/Window.h"

namespace win32 {

class AboutView final : public Window {
public:
    explicit AboutView(platform::Platform& p) : platform_(p) {}
    ~AboutView() { close(); }

    // Opens the box centred on its owner, or brings the open one forward.
    void open(HWND owner);
    void close();
    bool translate(MSG& msg) { return hwnd_ && IsDialogMessageW(hwnd_, &msg); }
    // Told each time the box becomes the program's active window.
    std::function<void()> onActivated;

private:
    static LRESULT CALLBACK emailProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    LRESULT handle(HWND, UINT, WPARAM, LPARAM) override;
    void setHover(bool);
    void makeFonts(UINT dpi);
    void showIcon();
    void makeSeparator();
    SIZE windowSize() const;
    HFONT fontFor(const ui::LayoutRow&) const;
    void dpiChanged(UINT dpi, const RECT& suggested);

    platform::Platform& platform_;
    HWND email_ = nullptr;
    HWND separator_ = nullptr;
    HWND picture_ = nullptr;
    std::vector<std::pair<const ui::LayoutRow*, HWND>> children_;
    UINT dpi_ = 96;
    Font font_, titleFont_, emailFont_, emailHoverFont_;
    Icon icon_;
    ui::LayoutScale scale_{96, ui::kDesignFont};
    bool hover_ = false;
};

}  // namespace win32
