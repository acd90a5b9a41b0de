// What a screen reader and a keyboard user need beyond what the controls show: the names of the
// names table given the Win32 way (a hidden label, a window text, a tooltip and an accessible
// name), and a label that works as a link from the keyboard too.
#pragma once

#include <windows.h>

#include <utility>
#include <vector>

#include "platform/win32/LazyModule.h"
#include "ui/MainLayout.h"

struct IAccPropServices;

namespace win32 {

class Accessibility {
public:
    Accessibility() = default;
    ~Accessibility();
    Accessibility(const Accessibility&) = delete;
    Accessibility& operator=(const Accessibility&) = delete;

    // Just before the control of a layout row is made among its siblings: the hidden label that
    // names it, where it has one. Made first, the label stands right before it in z-order.
    void labelBefore(const ui::LayoutRow&, HWND parent, HINSTANCE);
    // Just after: its window text, and its tooltip and accessible name once those are up.
    void made(const ui::LayoutRow&, HWND);
    // Every message of the window and its pages. Most runs need neither tooltips nor accessible
    // names, and both cost start-up time (the names load COM), so the pointer's first visit to a
    // button with a tooltip brings up the tooltips (the button's parent hears of it first, in
    // WM_SETCURSOR), and the first question of an accessibility client the names (WM_GETOBJECT,
    // which a reader sends the window when it comes to the front, before it asks the controls).
    void message(HWND window, HWND to, UINT msg, WPARAM);

private:
    bool hasTooltip(HWND) const;
    void startTooltips(HWND window);
    void startNames();
    void addTooltip(const ui::LayoutRow&, HWND) const;
    void setName(const ui::LayoutRow&, HWND) const;
    void clearNames();

    std::vector<std::pair<const ui::LayoutRow*, HWND>> named_;  // a tooltip or an accessible name
    HWND tooltip_ = nullptr;
    LazyModule ole32_{L"ole32.dll"};
    IAccPropServices* services_ = nullptr;
    bool namesTried_ = false;
    bool comJoined_ = false;  // CoInitializeEx succeeded, so CoUninitialize is owed
};

// A static control made a link a keyboard reaches (it needs WS_TABSTOP and SS_NOTIFY): Enter and
// Space click it as the mouse does, and it draws the focus rectangle round its text while it has
// the focus. Not focused, it looks as before.
void makeKeyboardLink(HWND label);

}  // namespace win32
