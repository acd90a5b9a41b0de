// One small adapter per control kind: its window class and styles, how the model is mirrored
// into the control, and what the control's notifications mean. The view walks the layout and
// asks each row's adapter; nothing else in the view knows what a kind needs from Win32.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "ui/MainWindow.h"

namespace win32 {

// One control of the main window as made: its layout row, its model control and its window.
// Items never move once made, so a subclass procedure holds its own as its reference data.
struct Item {
    const ui::LayoutRow* row;
    ui::Control* control;
    HWND hwnd;
};

class ControlKind {
public:
    virtual const wchar_t* windowClass() const = 0;
    // Styles besides WS_CHILD, WS_VISIBLE and WS_DISABLED, the group and tab stops included.
    // Every control starts a group except the later members of an option array, so that each
    // array is one group for the arrow keys.
    virtual DWORD style(const ui::LayoutRow&) const = 0;
    virtual DWORD exStyle() const { return 0; }
    // An edit's window text is its value, not the row's caption.
    virtual bool captioned() const { return true; }
    // Drawn in the fixed-pitch font rather than the dialog font.
    virtual bool fixedPitch() const { return false; }
    // Once, right after the window is made, before the first mirror.
    virtual void setUp(const Item&, UINT /*dpi*/) const {}
    // The model's value into the control, without echoing it back as a user event.
    virtual void mirror(const Item&) const = 0;
    // A WM_COMMAND notification; `mirroring` while the view itself is changing a control.
    virtual void command(const Item&, int /*code*/, ui::MainWindow&, bool /*mirroring*/) const {}
    virtual void notify(const Item&, const NMHDR&) const {}
    // A WM_HSCROLL; false when the kind does not scroll.
    virtual bool scroll(const Item&, int /*code*/) const { return false; }
    // Painted in the model's back colour when it has one.
    virtual bool coloured() const { return false; }
    // The place a control takes within its layout rectangle once it exists; most take it whole.
    virtual RECT fit(HWND, RECT r) const { return r; }
    // Whether this window of the control is the one that takes the focus a rule asks for.
    virtual bool takesFocus(const Item&) const { return true; }

protected:
    ~ControlKind() = default;
};

const ControlKind& controlKind(ui::Kind);

std::wstring windowText(HWND);
void setTextIfDifferent(HWND, const std::string& text);
// Six tabs share the strip's width, at this DPI.
void setTabMetrics(HWND tab, UINT dpi);

}  // namespace win32
