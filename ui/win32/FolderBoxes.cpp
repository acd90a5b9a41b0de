#include "ui/win32/FolderBoxes.h"

#include <commctrl.h>

#include "options/FolderSelection.h"
#include "ui/win32/Window.h"

namespace win32 {

namespace {

constexpr UINT_PTR kFolderBoxSubclassId = 1;

}  // namespace

void FolderBoxes::attach(const Item& it) {
    if (!options::isFolderBox(w_, *it.control) || attached_ == boxes_.size()) return;
    Box& box = boxes_[attached_++];
    box = Box{this, &it, false};
    SetWindowSubclass(it.hwnd, proc, kFolderBoxSubclassId, reinterpret_cast<DWORD_PTR>(&box));
}

ui::TextBox* FolderBoxes::boxAt(HWND page, POINT point) const {
    for (size_t i = 0; i < attached_; ++i) {
        const Item& it = *boxes_[i].item;
        RECT r{};
        GetWindowRect(it.hwnd, &r);
        MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&r), 2);
        if (GetParent(it.hwnd) == page && IsWindowVisible(it.hwnd) && PtInRect(&r, point))
            return static_cast<ui::TextBox*>(it.control);
    }
    return nullptr;
}

LRESULT CALLBACK FolderBoxes::proc(HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR ref) {
    Box& box = *reinterpret_cast<Box*>(ref);
    // Before the key's character arrives, so that it is completed too.
    if (msg == WM_KEYDOWN && !box.completing) {
        box.completing = true;
        barrier([&] { box.owner->platform_.completeFolderNames(h); }, [] {});
    }
    return DefSubclassProc(h, msg, wp, lp);
}

}  // namespace win32
