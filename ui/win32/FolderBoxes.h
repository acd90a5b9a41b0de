// The source and destination boxes: a folder dropped on one from Explorer goes in it, and the
// shell offers folder names as the user types. The shell is loaded for neither before it is
// needed: the pages take drops through their window style alone, and the completion joins a
// box at the first key pressed in it, never at start-up.
#pragma once

#include <windows.h>

#include <array>

#include "platform/win32/Win32Platform.h"
#include "ui/MainWindow.h"
#include "ui/win32/ControlKinds.h"

namespace win32 {

class FolderBoxes {
public:
    FolderBoxes(ui::MainWindow& w, Win32Platform& p) : w_(w), platform_(p) {}
    FolderBoxes(const FolderBoxes&) = delete;
    FolderBoxes& operator=(const FolderBoxes&) = delete;

    // Every control once its window is made; a folder box is subclassed, others are left alone.
    void attach(const Item&);
    // The folder box shown on the page at the point (page client coordinates), or nullptr. A
    // drop lands on the page rather than the box under the mouse, because the page's group box
    // lies above its controls, and a drop from another program finds the group box there.
    ui::TextBox* boxAt(HWND page, POINT) const;

private:
    struct Box {
        FolderBoxes* owner = nullptr;
        const Item* item = nullptr;
        bool completing = false;
    };
    // ref: the box.
    static LRESULT CALLBACK proc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);

    ui::MainWindow& w_;
    Win32Platform& platform_;
    std::array<Box, 2> boxes_{};  // never moved: each box's subclass holds its own
    size_t attached_ = 0;
};

}  // namespace win32
