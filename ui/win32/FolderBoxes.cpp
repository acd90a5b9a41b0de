#include "ui/win32/FolderBoxes.h"

#include <commctrl.h>

#include "options/FolderSelection.h"
#include "ui/win32/Window.h"

namespace win32 {

namespace {

constexpr UINT_PTR kFolderBoxSubclassId = 1;

}  // namespace

DWORD FolderBoxes::exStyle(const ui::Control& c) const { return options::isFolderBox(w_, c) ? WS_EX_ACCEPTFILES : 0; }

void FolderBoxes::attach(const Item& it) {
    if (!options::isFolderBox(w_, *it.control) || attached_ == boxes_.size()) return;
    Box& box = boxes_[attached_++];
    box = Box{this, &it, false};
    SetWindowSubclass(it.hwnd, proc, kFolderBoxSubclassId, reinterpret_cast<DWORD_PTR>(&box));
}

LRESULT CALLBACK FolderBoxes::proc(HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR ref) {
    Box& box = *reinterpret_cast<Box*>(ref);
    Win32Platform& platform = box.owner->platform_;
    return barrier(
        [&]() -> LRESULT {
            switch (msg) {
                case WM_KEYDOWN:
                    // Before the key's character arrives, so that it is completed too.
                    if (!box.completing) {
                        box.completing = true;
                        platform.completeFolderNames(h);
                    }
                    break;
                case WM_DROPFILES:
                    options::dropOnFolderBox(platform, static_cast<ui::TextBox&>(*box.item->control),
                                             platform.droppedPaths(reinterpret_cast<HDROP>(wp)));
                    return 0;
            }
            return DefSubclassProc(h, msg, wp, lp);
        },
        [] { return LRESULT{0}; });
}

}  // namespace win32
