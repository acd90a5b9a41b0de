// The source and destination boxes: a folder dropped on one from Explorer goes in it, and the
// shell offers folder names as the user types. The shell is loaded for neither before it is
// needed: the boxes' page takes drops through its window style alone, and the completion joins a
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

    // The extended styles that a page's window adds: the page of the folder boxes accepts files.
    // The page takes the drop rather than the box under the mouse, because its group box lies
    // above its controls, and a drop from another program finds the group box there.
    DWORD pageExStyle(ui::PageId) const;
    // Every control once its window is made; a folder box is subclassed, others are left alone.
    void attach(const Item&);
    // A drop (WM_DROPFILES) on a page: a folder dropped on a folder box goes in it.
    void dropped(HWND page, HDROP);

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
