#include "ui/win32/MainView.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <cwctype>
#include <string>
#include <utility>

#include "command/Messages.h"
#include "platform/win32/Utf.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/DrawnText.h"
#include "ui/win32/SystemColours.h"

namespace win32 {

namespace {

constexpr wchar_t kMainClass[] = L"ZentrovaKVMain";
constexpr wchar_t kPageClass[] = L"ZentrovaKVPage";
constexpr int kFirstId = 100;
constexpr int kAboutMenuId = 40001;
constexpr int kStatusBarId = 99;
constexpr UINT_PTR kGapHostSubclassId = 1;
constexpr DWORD kMainStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
// Files dropped anywhere on the window come to it or to a page: a job file opens.
constexpr DWORD kMainExStyle = WS_EX_CONTROLPARENT | WS_EX_ACCEPTFILES;

bool isPageRow(const ui::LayoutRow& r) { return r.page != ui::PageId::Window; }

// The whole window drawn anew, the pages and their controls too (the window clips its children).
void redrawAll(HWND h) { RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN); }

// A text box that sits in the run of blanks of the check box before it.
bool isGapBox(const ui::LayoutRow& box, const ui::LayoutRow* before) {
    return box.kind == ui::Kind::TextBox && before && before->kind == ui::Kind::CheckBox &&
        before->caption.find("   ") != std::string_view::npos;
}

}  // namespace

MainView::MainView(ui::MainWindow& window, Win32Platform& platform)
    : platform_(platform), w_(window), folderBoxes_(window, platform) {
    // Items are never moved: rules run while a handler still holds one, and a subclassed
    // control holds its own as its reference data.
    items_.reserve(ui::mainLayout().size());
    w_.setObserver(this);
}

MainView::~MainView() { w_.setObserver(nullptr); }

bool MainView::create(HINSTANCE instance) {
    instance_ = instance;
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_TAB_CLASSES | ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);

    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = windowProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    wc.hIconSm = wc.hIcon;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kMainClass;
    RegisterClassExW(&wc);
    wc.hIcon = wc.hIconSm = nullptr;
    wc.lpszClassName = kPageClass;
    RegisterClassExW(&wc);

    HMENU menu = CreateMenu();
    AppendMenuW(menu, MF_STRING, kAboutMenuId, L"&About");
    hwnd_ = CreateWindowExW(kMainExStyle, kMainClass, widen(command::kAppTitle).c_str(), kMainStyle, CW_USEDEFAULT,
                            CW_USEDEFAULT, 400, 500, nullptr, menu, instance, this);
    if (!hwnd_) return false;
    dpi_ = GetDpiForWindow(hwnd_);
    font_ = dialogFont(dpi_);
    fixedFont_ = dialogFont(dpi_, 9, L"Fixedsys", true);
    scale_ = measuredScale(font_.get(), dpi_);
    createStatusBar();

    // The window's outer size, centred on its monitor's work area.
    const SIZE size = windowSize();
    MONITORINFO mi{};
    mi.cbSize = sizeof(mi);
    GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTOPRIMARY), &mi);
    const RECT& work = mi.rcWork;
    SetWindowPos(hwnd_, nullptr, work.left + (work.right - work.left - size.cx) / 2,
                 work.top + (work.bottom - work.top - size.cy) / 2, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);

    for (const auto& row : ui::mainLayout())
        if (!isPageRow(row)) createControl(row, hwnd_, kFirstId + static_cast<int>(items_.size()));
    // The first activation, right after the window appears, always brings the General page to
    // the front. Windows made and shown while the main window is still hidden cost a fraction of
    // those made on the screen, and the window is then painted once, with its page.
    pageShown(ui::PageId::General);
    return true;
}

void MainView::show(int showCommand) {
    ShowWindow(hwnd_, showCommand);
    UpdateWindow(hwnd_);
    // The first showing is an activation.
    firstActivationDone_ = true;
    if (onActivated) onActivated();
    focusFirstControl();
}

void MainView::focusFirstControl() {
    HWND page = front_ == ui::PageId::Count ? nullptr : pageWindow(front_);
    HWND first = page ? GetNextDlgTabItem(page, nullptr, FALSE) : nullptr;
    SetFocus(first ? first : hwnd_);
}

bool MainView::translate(MSG& msg) {
    if (!hwnd_) return false;
    // The tab strip's access key ("&General") chooses its tab.
    if (msg.message == WM_SYSCHAR && (msg.hwnd == hwnd_ || IsChild(hwnd_, msg.hwnd))) {
        auto key = std::towupper(static_cast<wint_t>(msg.wParam));
        for (int i = 0; i < w_.tabStripOptions.size(); ++i) {
            std::wstring caption = widen(w_.tabStripOptions.tabCaption(i));
            auto amp = caption.find(L'&');
            if (amp == std::wstring::npos || amp + 1 >= caption.size()) continue;
            if (std::towupper(static_cast<wint_t>(caption[amp + 1])) != key) continue;
            SetFocus(hwndOf(w_.tabStripOptions));
            w_.tabStripOptions.choose(i);
            return true;
        }
    }
    // Ctrl+Tab and Ctrl+Shift+Tab (and Ctrl+PgDn, Ctrl+PgUp) step through the tabs, as in property sheets.
    if (msg.message == WM_KEYDOWN && (GetKeyState(VK_CONTROL) & 0x8000) &&
        (msg.wParam == VK_TAB || msg.wParam == VK_NEXT || msg.wParam == VK_PRIOR) &&
        (msg.hwnd == hwnd_ || IsChild(hwnd_, msg.hwnd))) {
        bool back = msg.wParam == VK_PRIOR || (msg.wParam == VK_TAB && (GetKeyState(VK_SHIFT) & 0x8000));
        int count = w_.tabStripOptions.size();
        w_.tabStripOptions.choose((w_.tabStripOptions.selected() + (back ? count - 1 : 1)) % count);
        focusFirstControl();
        return true;
    }
    return IsDialogMessageW(hwnd_, &msg);
}

HWND MainView::createControl(const ui::LayoutRow& row, HWND parent, int id) {
    const ControlKind& kind = controlKind(row.kind);
    DWORD style = WS_CHILD | WS_VISIBLE | kind.style(row);
    ui::Control* control = w_.find(ui::ControlRegistry::key(row.name, row.index, row.kind));
    // Made in its place and state at once: every later move or change of a window costs time
    // at start-up.
    if (!control->visible()) style &= ~WS_VISIBLE;
    if (!control->enabled()) style |= WS_DISABLED;
    const Item* before = items_.empty() ? nullptr : &items_.back();
    const bool gapBox = isGapBox(row, before ? before->row : nullptr);
    const HWND checkHwnd = gapBox ? before->hwnd : nullptr;  // the check box whose caption holds it
    RECT r = layoutRect(row, before);
    accessibility_.labelBefore(row, parent, instance_);
    HWND h = CreateWindowExW(kind.exStyle(), kind.windowClass(), kind.captioned() ? widen(row.caption).c_str() : L"",
                             style, r.left, r.top, r.right - r.left, r.bottom - r.top, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
    accessibility_.made(row, h);
    const Item& item = items_.emplace_back(Item{&row, control, h});
    byControl_.emplace(control, items_.size() - 1);
    SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(fontFor(row)), FALSE);
    kind.setUp(item, dpi_);
    folderBoxes_.attach(item);
    // A kind that takes the size it needs can tell it only once it exists.
    if (RECT fitted = kind.fit(h, r); !EqualRect(&fitted, &r))
        SetWindowPos(h, nullptr, fitted.left, fitted.top, fitted.right - fitted.left, fitted.bottom - fitted.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    if (gapBox) SetWindowSubclass(checkHwnd, gapHostProc, kGapHostSubclassId, reinterpret_cast<DWORD_PTR>(h));
    mirror(item);
    return h;
}

void MainView::createPage(ui::PageId id) {
    int index = static_cast<int>(id);
    if (pages_[index]) return;
    if (id == ui::PageId::DateLimits) {
        INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_DATE_CLASSES};
        InitCommonControlsEx(&icc);
    } else if (id == ui::PageId::Retry) {
        INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_BAR_CLASSES};
        InitCommonControlsEx(&icc);
    }
    RECT r = pageRect();
    HWND page = CreateWindowExW(WS_EX_CONTROLPARENT | WS_EX_ACCEPTFILES, kPageClass, L"", WS_CHILD | WS_CLIPSIBLINGS,
                                r.left, r.top, r.right - r.left, r.bottom - r.top, hwnd_, nullptr, instance_, this);
    pages_[index] = page;
    const ui::Frame& frame = w_.page(id);
    HWND box = CreateWindowExW(0, L"BUTTON", widen(frame.caption()).c_str(), WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 0, 0,
                               r.right - r.left, r.bottom - r.top, page, nullptr, instance_, nullptr);
    SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    pageBoxes_[index] = box;
    for (const auto& row : ui::mainLayout())
        if (row.page == id) createControl(row, page, kFirstId + static_cast<int>(items_.size()));
}

HWND MainView::hwndOf(const ui::Control& c) const {
    auto found = byControl_.find(&c);
    return found == byControl_.end() ? nullptr : items_[found->second].hwnd;
}

RECT MainView::pageRect() const {
    HWND tab = hwndOf(w_.tabStripOptions);
    RECT r{};
    if (!tab) return r;
    GetWindowRect(tab, &r);
    MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&r), 2);
    TabCtrl_AdjustRect(tab, FALSE, &r);
    return r;
}

RECT MainView::layoutRect(const ui::LayoutRow& row, const Item* before) const {
    return isGapBox(row, before ? before->row : nullptr) ? gapBoxRect(row, *before) : pxRect(row.rect, scale_);
}

// The check box before the text box in the layout names it; find where its run of blanks falls
// as the caption is drawn.
RECT MainView::gapBoxRect(const ui::LayoutRow& box, const Item& check) const {
    RECT r = pxRect(box.rect, scale_);
    std::wstring caption = widen(check.row->caption);
    size_t gap = caption.find(L"   ");
    size_t gapEnd = caption.find_first_not_of(L' ', gap);
    HDC dc = GetDC(check.hwnd);
    HGDIOBJ old = SelectObject(dc, font_.get());
    SIZE before{}, through{}, blank{}, digit{};
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(gap), &before);
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(gapEnd), &through);
    GetTextExtentPoint32W(dc, L" ", 1, &blank);
    GetTextExtentPoint32W(dc, L"0", 1, &digit);
    SelectObject(dc, old);
    ReleaseDC(check.hwnd, dc);
    // Where the text before the blanks ends and the text after them starts, as drawn; the
    // measured extents where the font cannot be drawn here.
    int textEnd = before.cx, nextStart = through.cx;
    const std::vector<bool> head = inkColumns(font_.get(), caption.substr(0, gap));
    const std::vector<bool> all = inkColumns(font_.get(), caption.substr(0, gapEnd + 1));
    auto lastInk = std::find(head.rbegin(), head.rend(), true);
    if (lastInk != head.rend()) {
        textEnd = static_cast<int>(head.rend() - lastInk);
        auto nextInk =
            std::find(all.begin() + std::min<size_t>(all.size(), static_cast<size_t>(textEnd)), all.end(), true);
        if (nextInk != all.end()) nextStart = static_cast<int>(nextInk - all.begin());
    }
    RECT c = pxRect(check.row->rect, scale_);
    // The check mark (12 pixels and its border at 96 DPI) and the half digit the button leaves
    // before its text.
    int glyph = MulDiv(12, static_cast<int>(dpi_), 96) + 1 + digit.cx / 2;
    // Two blanks of room on either side absorb the few pixels by which buttons place their text
    // differently from one system and DPI to another.
    r.left = c.left + glyph + textEnd + 2 * blank.cx;
    r.right = c.left + glyph + nextStart - 2 * blank.cx;
    r.top = c.top - MulDiv(2, static_cast<int>(dpi_), 96);
    r.bottom = r.top + scale_.y(box.rect.height);
    return r;
}

void MainView::placeItem(const Item& it) {
    RECT r = controlKind(it.row->kind).fit(it.hwnd, layoutRect(*it.row, &it == &items_.front() ? nullptr : &it - 1));
    SetWindowPos(it.hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainView::createStatusBar() {
    // No sizing grip: the window's size is fixed.
    statusBar_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, hwnd_,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(kStatusBarId)), instance_, nullptr);
    if (!statusBar_) return;
    fitStatusBar();
    w_.statusLine.shown = [this](const std::string& text) {
        SendMessageW(statusBar_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(widen(text).c_str()));
    };
    w_.statusLine.shown(w_.statusLine.text());
}

void MainView::fitStatusBar() {
    SendMessageW(statusBar_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    SendMessageW(statusBar_, WM_SIZE, 0, 0);  // takes the height its font needs
}

int MainView::statusBarHeight() const {
    RECT r{};
    if (!statusBar_ || !GetWindowRect(statusBar_, &r)) return 0;
    return r.bottom - r.top;
}

SIZE MainView::windowSize() const {
    // The status bar adds its own height below the pages, which keep their size and place.
    return outerSize(scale_, ui::kClientWidthTwips, ui::kClientHeightTwips, ui::kWindowWidthTwips,
                     ui::kWindowHeightTwips, kMainStyle, kMainExStyle, true, statusBarHeight());
}

HFONT MainView::fontFor(const ui::LayoutRow& row) const {
    return controlKind(row.kind).fixedPitch() ? fixedFont_.get() : font_.get();
}

// Everything again for a new DPI or font: the fonts first (the tab row's height, and so the
// pages' area, follows the font), then the window's own controls with the tab strip, then the
// pages on the strip's new display area, then their controls.
void MainView::placeAll() {
    for (const Item& it : items_) SendMessageW(it.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(fontFor(*it.row)), TRUE);
    for (HWND box : pageBoxes_)
        if (box) SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
    if (HWND tab = hwndOf(w_.tabStripOptions)) setTabMetrics(tab, dpi_);
    for (const Item& it : items_)
        if (!isPageRow(*it.row)) placeItem(it);
    RECT r = pageRect();
    for (int i = 0; i < ui::kPageCount; ++i) {
        if (!pages_[i]) continue;
        SetWindowPos(pages_[i], nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SetWindowPos(pageBoxes_[i], nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    for (const Item& it : items_)
        if (isPageRow(*it.row)) placeItem(it);
}

void MainView::mirror(const Item& it) {
    mirroring_ = true;
    ui::Control& c = *it.control;
    HWND h = it.hwnd;
    if (IsWindowEnabled(h) != c.enabled()) {
        if (!c.enabled() && GetFocus() == h) moveFocusOff(c, h);
        EnableWindow(h, c.enabled());
    }
    bool shown = (GetWindowLongW(h, GWL_STYLE) & WS_VISIBLE) != 0;
    if (shown != c.visible()) ShowWindow(h, c.visible() ? SW_SHOWNA : SW_HIDE);
    controlKind(c.kind()).mirror(it);
    if (c.backColour() != 0) InvalidateRect(h, nullptr, TRUE);
    mirroring_ = false;
}

// A control that turns grey while it has the focus would leave the keyboard nowhere (Windows
// drops the focus with it). The model says who takes it; else the next control does.
void MainView::moveFocusOff(const ui::Control& c, HWND h) {
    const ui::Control* heir = w_.focusAfterGreying(c);
    HWND to = heir ? hwndOf(*heir) : nullptr;
    if (!to) to = GetNextDlgTabItem(hwnd_, h, FALSE);
    SetFocus(to && to != h ? to : hwnd_);
}

// The colour rules ask for the mode and the colours at every paint; the brushes of the old
// colours go.
void MainView::coloursChanged() {
    brushes_.clear();
    redrawAll(hwnd_);
}

void MainView::controlChanged(ui::Control& c) {
    for (const auto& p : ui::mainPages()) {
        if (&w_.page(p.id) != &c) continue;
        if (HWND box = pageBoxes_[static_cast<int>(p.id)]) setTextIfDifferent(box, c.caption());
        return;
    }
    auto range = byControl_.equal_range(&c);
    for (auto it = range.first; it != range.second; ++it) mirror(items_[it->second]);
}

void MainView::pageShown(ui::PageId id) {
    if (!hwnd_) return;
    createPage(id);
    HWND page = pageWindow(id);
    // Pages covered by the front page are hidden as well, so that the keyboard never reaches
    // a control that cannot be seen.
    if (front_ != ui::PageId::Count && front_ != id) {
        HWND old = pageWindow(front_);
        // The focus must not stay behind on a page that is no longer seen.
        HWND f = GetFocus();
        bool lost = f && IsChild(old, f);
        ShowWindow(old, SW_HIDE);
        if (lost) SetFocus(hwndOf(w_.tabStripOptions));
    }
    // A page already in front stays as it is.
    if (front_ == id && IsWindowVisible(page)) return;
    front_ = id;
    SetWindowPos(page, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
}

void MainView::focusRequested(ui::Control& c) {
    auto range = byControl_.equal_range(&c);
    for (auto it = range.first; it != range.second; ++it) {
        const Item& item = items_[it->second];
        if (!controlKind(c.kind()).takesFocus(item)) continue;
        SetFocus(item.hwnd);
        return;
    }
}

// A control's id is its item's index + kFirstId; any other window has no item.
Item* MainView::itemOf(HWND from) {
    const int id = from ? GetDlgCtrlID(from) : 0;
    const size_t index = static_cast<size_t>(id - kFirstId);
    Item* it = id >= kFirstId && index < items_.size() ? &items_[index] : nullptr;
    return it && it->hwnd == from ? it : nullptr;
}

bool MainView::handleChildMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    switch (msg) {
        case WM_COMMAND: {
            Item* it = itemOf(reinterpret_cast<HWND>(lp));
            if (!it) return false;
            controlKind(it->row->kind).command(*it, HIWORD(wp), w_, mirroring_);
            result = 0;
            return true;
        }
        case WM_NOTIFY: {
            const auto& hdr = *reinterpret_cast<const NMHDR*>(lp);
            Item* it = itemOf(hdr.hwndFrom);
            if (!it) return false;
            controlKind(it->row->kind).notify(*it, hdr);
            result = 0;
            return true;
        }
        case WM_HSCROLL: {
            Item* it = itemOf(reinterpret_cast<HWND>(lp));
            if (!it || !controlKind(it->row->kind).scroll(*it, LOWORD(wp))) return false;
            result = 0;
            return true;
        }
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC: {
            Item* it = itemOf(reinterpret_cast<HWND>(lp));
            if (!it || !controlKind(it->row->kind).coloured()) return false;
            const auto paint = ui::boxPaint(platform_, it->control->backColour(), systemColours());
            if (!paint) return false;
            // Colours are kept as 0xBBGGRR, as COLORREF is.
            auto found = brushes_.find(paint->background);
            if (found == brushes_.end())
                found = brushes_.emplace(paint->background, Brush(CreateSolidBrush(paint->background))).first;
            SetTextColor(reinterpret_cast<HDC>(wp), paint->text);
            SetBkColor(reinterpret_cast<HDC>(wp), paint->background);
            result = reinterpret_cast<LRESULT>(found->second.get());
            return true;
        }
    }
    return false;
}

LRESULT MainView::handle(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    accessibility_.message(hwnd_, h, msg, wp);
    LRESULT result = 0;
    if (handleChildMessage(msg, wp, lp, result)) return result;
    if (msg == WM_DROPFILES) {
        const Win32Platform::Drop d = platform_.takeDrop(reinterpret_cast<HDROP>(wp));
        if (onDropped) onDropped(d.paths, h == hwnd_ ? nullptr : folderBoxes_.boxAt(h, d.point));
        return 0;
    }
    if (h != hwnd_) return DefWindowProcW(h, msg, wp, lp);  // a page
    switch (msg) {
        case WM_COMMAND:
            if (LOWORD(wp) == kAboutMenuId && HIWORD(wp) == 0) {
                if (onAbout) onAbout();
                return 0;
            }
            break;
        case WM_ACTIVATE: {
            if (LOWORD(wp) == WA_INACTIVE) {
                HWND f = GetFocus();
                if (f && IsChild(hwnd_, f)) savedFocus_ = f;
                return 0;
            }
            if (savedFocus_ && IsWindow(savedFocus_)) SetFocus(savedFocus_);
            // Back from the About box: an activation of the window. A message box or a file
            // dialog closing, or a return from another program, is not.
            if (aboutWasActive_ && firstActivationDone_) {
                aboutWasActive_ = false;
                if (onActivated) onActivated();
            }
            HWND f = GetFocus();
            if (!f || !IsWindowVisible(f)) focusFirstControl();
            return 0;
        }
        case WM_DPICHANGED: {
            // The old fonts stay alive until every control has its new one.
            Font oldFont = std::exchange(font_, dialogFont(HIWORD(wp)));
            Font oldFixed = std::exchange(fixedFont_, dialogFont(HIWORD(wp), 9, L"Fixedsys", true));
            dpi_ = HIWORD(wp);
            scale_ = measuredScale(font_.get(), dpi_);
            if (statusBar_) fitStatusBar();
            // Where the system suggests, in the size this layout needs there.
            const RECT* r = reinterpret_cast<const RECT*>(lp);
            const SIZE size = windowSize();
            SetWindowPos(hwnd_, nullptr, r->left, r->top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
            placeAll();
            // A page keeps its pixels when resized and a group box paints only its frame and caption,
            // so without this the old layout's frames and marks stay where nothing new covers them.
            redrawAll(hwnd_);
            return 0;
        }
        case WM_SIZE:
            // The status bar keeps to the foot of the window.
            if (statusBar_) SendMessageW(statusBar_, WM_SIZE, 0, 0);
            return 0;
        case WM_SYSCOLORCHANGE:
            // The common controls hear of it only from their parent.
            for (const Item& it : items_) SendMessageW(it.hwnd, WM_SYSCOLORCHANGE, 0, 0);
            if (statusBar_) SendMessageW(statusBar_, WM_SYSCOLORCHANGE, 0, 0);
            coloursChanged();
            return 0;
        case WM_SETTINGCHANGE:
            if (wp == SPI_SETHIGHCONTRAST) coloursChanged();
            break;
        case WM_CLOSE:
            if (onClosing) onClosing();
            DestroyWindow(hwnd_);
            return 0;
        case WM_DESTROY: PostQuitMessage(0); return 0;
    }
    return DefWindowProcW(hwnd_, msg, wp, lp);
}

// A text box standing in its check box's caption lies under the check box, which comes before
// it in the tab order and so above it. The check box lets the mouse through to the box while the
// box is usable, and after anything that makes it draw (its focus rectangle, for one, runs round
// the whole caption) the box is drawn again over it. ref: the text box.
LRESULT CALLBACK MainView::gapHostProc(HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR ref) {
    HWND box = reinterpret_cast<HWND>(ref);
    // A grey box takes no clicks: there a click is the check box's, as on the rest of its caption.
    if (msg == WM_NCHITTEST && IsWindowVisible(box) && IsWindowEnabled(box)) {
        RECT r{};
        GetWindowRect(box, &r);
        if (PtInRect(&r, POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)})) return HTTRANSPARENT;
    }
    LRESULT result = DefSubclassProc(h, msg, wp, lp);
    switch (msg) {
        case WM_PAINT:
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_ENABLE:
        case WM_SETTEXT:
        case WM_UPDATEUISTATE:
        case BM_SETCHECK:
        case BM_SETSTATE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_KEYDOWN:
        case WM_KEYUP: RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW); break;
    }
    return result;
}

}  // namespace win32
