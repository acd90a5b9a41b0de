// The real main window: creates the Win32 controls from the layout table, forwards each user
// event to the window model and mirrors every model change back into the controls. A page's
// controls are created when the page is first shown, as property sheets do.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/win32/Win32Platform.h"
#include "ui/LayoutScale.h"
#include "ui/MainWindow.h"
#include "ui/win32/Accessibility.h"
#include "ui/win32/ControlKinds.h"
#include "ui/win32/FolderBoxes.h"
#include "ui/win32/Gdi.h"
#include "ui/win32/Window.h"

namespace win32 {

class MainView final : public Window, public ui::MainWindowObserver {
public:
    MainView(ui::MainWindow&, Win32Platform&);
    ~MainView() override;

    // Creates the window (tab strip, bottom row, General page), sizes and centres it.
    bool create(HINSTANCE);
    // Shows the window and runs the first activation.
    void show(int showCommand);
    // Keyboard handling of the dialog kind (Tab, arrows, access keys) for the main window.
    bool translate(MSG&);

    // Called by the About box: it became the program's active window.
    void aboutActivated() { aboutWasActive_ = true; }
    // Set by the entry point. The window became the program's active window in a way that counts
    // as an activation: its first showing, and each return from the About box.
    std::function<void()> onActivated;
    // Opens the About box.
    std::function<void()> onAbout;
    // Files were dropped on the window: their paths, and the folder box under the mouse if any.
    std::function<void(const std::vector<std::string>&, ui::TextBox*)> onDropped;
    // The window's close control was used; the window is destroyed right after.
    std::function<void()> onClosing;

    // ui::MainWindowObserver
    void controlChanged(ui::Control&) override;
    void pageShown(ui::PageId) override;
    void focusRequested(ui::Control&) override;

private:
    static LRESULT CALLBACK gapHostProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    // The main window's messages, and its pages' (they share commands, notifications, colours).
    LRESULT handle(HWND, UINT, WPARAM, LPARAM) override;
    // Messages that pages and the window share: commands, notifications, colours.
    bool handleChildMessage(UINT, WPARAM, LPARAM, LRESULT&);

    void createPage(ui::PageId);
    HWND createControl(const ui::LayoutRow&, HWND parent, int id);
    void mirror(const Item&);
    void placeAll();
    // The status bar at the foot, below the pages: made with the window, its height measured.
    void createStatusBar();
    // Its font, and the height that font needs, at the foot of the window.
    void fitStatusBar();
    int statusBarHeight() const;
    SIZE windowSize() const;
    HFONT fontFor(const ui::LayoutRow&) const;
    void placeItem(const Item&);
    HWND hwndOf(const ui::Control& c) const;  // its first window, if made
    RECT pageRect() const;
    // Where a row's control goes; the item made before it places a text box that sits in its
    // check box's caption.
    RECT layoutRect(const ui::LayoutRow& row, const Item* before) const;
    RECT gapBoxRect(const ui::LayoutRow& box, const Item& check) const;
    HWND pageWindow(ui::PageId id) const { return pages_[static_cast<int>(id)]; }
    // The item of a control window that sent a message, found by its control id.
    Item* itemOf(HWND from);
    void focusFirstControl();
    void moveFocusOff(const ui::Control& c, HWND h);
    // The system's colours or its high-contrast mode changed: every control is drawn again.
    void coloursChanged();

    Win32Platform& platform_;
    ui::MainWindow& w_;
    HINSTANCE instance_ = nullptr;
    UINT dpi_ = 96;
    Font font_, fixedFont_;
    ui::LayoutScale scale_{96, ui::kDesignFont};
    std::map<COLORREF, Brush> brushes_;
    FolderBoxes folderBoxes_;
    std::vector<Item> items_;  // index + 100 is the control id
    std::multimap<const ui::Control*, size_t> byControl_;
    HWND pages_[ui::kPageCount] = {};
    HWND pageBoxes_[ui::kPageCount] = {};
    ui::PageId front_ = ui::PageId::Count;
    bool mirroring_ = false;
    bool aboutWasActive_ = false;
    HWND savedFocus_ = nullptr;
    HWND statusBar_ = nullptr;
    bool firstActivationDone_ = false;
    Accessibility accessibility_;
};

}  // namespace win32
