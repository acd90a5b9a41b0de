#include "ui/win32/FolderBoxes.h"

#include <commctrl.h>

#include "options/FolderSelection.h"
#include "ui/win32/Window.h"

namespace win32 {

namespace {

constexpr UINT_PTR kFolderBoxSubclassId = 1;

}  // namespace

DWORD FolderBoxes::pageExStyle(ui::PageId page) const {
    for (const auto& row : ui::mainLayout()) {
        if (row.page != page) continue;
        const ui::Control* c = w_.find(ui::ControlRegistry::key(row.name, row.index, row.kind));
        if (c && options::isFolderBox(w_, *c)) return WS_EX_ACCEPTFILES;
    }
    return 0;
}

void FolderBoxes::attach(const Item& it) {
    if (!options::isFolderBox(w_, *it.control) || attached_ == boxes_.size()) return;
    Box& box = boxes_[attached_++];
    box = Box{this, &it, false};
    SetWindowSubclass(it.hwnd, proc, kFolderBoxSubclassId, reinterpret_cast<DWORD_PTR>(&box));
}

void FolderBoxes::dropped(HWND page, HDROP drop) {
    const Win32Platform::Drop d = platform_.takeDrop(drop);
    for (size_t i = 0; i < attached_; ++i) {
        const Item& it = *boxes_[i].item;
        RECT r{};
        GetWindowRect(it.hwnd, &r);
        MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&r), 2);
        if (GetParent(it.hwnd) != page || !IsWindowVisible(it.hwnd) || !PtInRect(&r, d.point)) continue;
        options::dropOnFolderBox(platform_, static_cast<ui::TextBox&>(*it.control), d.paths);
        return;
    }
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
