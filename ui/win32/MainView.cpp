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

namespace win32 {

namespace {

constexpr wchar_t kMainClass[] = L"ZentrovaKVMain";
constexpr wchar_t kPageClass[] = L"ZentrovaKVPage";
constexpr int kFirstId = 100;
constexpr int kAboutMenuId = 40001;
constexpr UINT_PTR kSubclassId = 1;
constexpr DWORD kMainStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kMainExStyle = WS_EX_CONTROLPARENT;

std::wstring windowText(HWND h) {
    int n = GetWindowTextLengthW(h);
    std::wstring s(static_cast<size_t>(n) + 1, L'\0');
    GetWindowTextW(h, s.data(), n + 1);
    s.resize(static_cast<size_t>(n));
    return s;
}

void setTextIfDifferent(HWND h, const std::string& text) {
    std::wstring wide = widen(text);
    if (windowText(h) != wide) SetWindowTextW(h, wide.c_str());
}

bool isPageRow(const ui::LayoutRow& r) { return r.page != ui::PageId::Window; }

// A text box that sits in the run of blanks of the check box before it.
bool isGapBox(const ui::LayoutRow& box, const ui::LayoutRow* before) {
    return box.kind == ui::Kind::TextBox && before && before->kind == ui::Kind::CheckBox &&
           before->caption.find("   ") != std::string_view::npos;
}

}  // namespace

MainView::MainView(app::App& app) : app_(app), w_(app.window) {
    // Items are never moved: rules run while a handler still holds one.
    items_.reserve(ui::mainLayout().size());
    w_.setObserver(this);
}

MainView::~MainView() { w_.setObserver(nullptr); }

bool MainView::create(HINSTANCE instance) {
    instance_ = instance;
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
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
    wc.lpfnWndProc = pageProc;
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

    // The window's outer size, centred on its monitor's work area.
    const SIZE size = windowSize();
    MONITORINFO mi{sizeof(mi)};
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
    app_.Form_Activate();
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
    const wchar_t* cls = L"STATIC";
    DWORD style = WS_CHILD | WS_VISIBLE;
    DWORD exStyle = 0;
    std::wstring caption = widen(row.caption);
    switch (row.kind) {
        case ui::Kind::Label:
            style |= (row.name == "lblRetryVal" || row.name == "lblWaitVal") ? SS_CENTER : SS_LEFT;
            if (caption.find(L'&') == std::wstring::npos) style |= SS_NOPREFIX;
            break;
        case ui::Kind::Frame:
            cls = L"BUTTON";
            style |= BS_GROUPBOX;
            break;
        case ui::Kind::Button:
            cls = L"BUTTON";
            style |= BS_PUSHBUTTON | WS_TABSTOP;
            break;
        case ui::Kind::CheckBox:
            cls = L"BUTTON";
            style |= BS_AUTOCHECKBOX | BS_MULTILINE | BS_TOP | WS_TABSTOP;
            break;
        case ui::Kind::Option:
            cls = L"BUTTON";
            style |= BS_AUTORADIOBUTTON | BS_MULTILINE | BS_TOP;
            if (row.index == 0) style |= WS_TABSTOP;
            break;
        case ui::Kind::TextBox:
            cls = L"EDIT";
            style |= ES_AUTOHSCROLL | WS_TABSTOP;
            exStyle |= WS_EX_CLIENTEDGE;
            caption.clear();
            break;
        case ui::Kind::MaskedEdit:
            cls = L"EDIT";
            style |= WS_TABSTOP;
            exStyle |= WS_EX_CLIENTEDGE;
            caption.clear();
            break;
        case ui::Kind::Slider:
            cls = TRACKBAR_CLASSW;
            style |= TBS_HORZ | TBS_AUTOTICKS | WS_TABSTOP;
            break;
        case ui::Kind::Calendar:
            cls = MONTHCAL_CLASSW;
            style |= WS_TABSTOP;
            break;
        case ui::Kind::TabStrip:
            cls = WC_TABCONTROLW;
            style |= WS_TABSTOP | WS_CLIPSIBLINGS;
            break;
    }
    // Every control starts a group except the later members of an option array, so that each
    // array is one group for the arrow keys.
    if (!(row.kind == ui::Kind::Option && row.index > 0)) style |= WS_GROUP;
    std::string key = ui::ControlRegistry::key(row.name, row.index, row.kind);
    ui::Control* control = w_.find(key);
    // Made in its place and state at once: every later move or change of a window costs time
    // at start-up.
    if (!control->visible()) style &= ~WS_VISIBLE;
    if (!control->enabled()) style |= WS_DISABLED;
    const Item* before = items_.empty() ? nullptr : &items_.back();
    const bool gapBox = isGapBox(row, before ? before->row : nullptr);
    const HWND checkHwnd = gapBox ? before->hwnd : nullptr;  // the check box whose caption holds it
    RECT r = layoutRect(row, before);
    HWND h = CreateWindowExW(exStyle, cls, caption.c_str(), style, r.left, r.top, r.right - r.left, r.bottom - r.top,
                             parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
    items_.push_back({&row, control, h});
    byControl_.emplace(control, items_.size() - 1);
    SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(fontFor(row)), FALSE);

    if (row.kind == ui::Kind::TabStrip) {
        setTabMetrics(h);
        auto& tabs = w_.tabStripOptions;
        for (int i = 0; i < tabs.size(); ++i) {
            std::wstring text = widen(tabs.tabCaption(i));
            TCITEMW item{};
            item.mask = TCIF_TEXT;
            item.pszText = text.data();
            SendMessageW(h, TCM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        }
    } else if (row.kind == ui::Kind::Slider) {
        auto* s = static_cast<ui::Slider*>(control);
        SendMessageW(h, TBM_SETRANGE, FALSE, MAKELPARAM(s->min(), s->max()));
        SendMessageW(h, TBM_SETLINESIZE, 0, s->smallStep());
        SendMessageW(h, TBM_SETPAGESIZE, 0, s->largeStep());
        SendMessageW(h, TBM_SETTICFREQ, s->largeStep(), 0);
        SetWindowSubclass(h, sliderProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    } else if (row.kind == ui::Kind::MaskedEdit) {
        SetWindowSubclass(h, maskedEditProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    }
    if (row.kind == ui::Kind::Calendar) placeItem(items_.back());
    if (gapBox) SetWindowSubclass(checkHwnd, gapHostProc, kSubclassId, reinterpret_cast<DWORD_PTR>(h));
    mirror(items_.back());
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
    HWND page = CreateWindowExW(WS_EX_CONTROLPARENT, kPageClass, L"", WS_CHILD | WS_CLIPSIBLINGS, r.left, r.top,
                                r.right - r.left, r.bottom - r.top, hwnd_, nullptr, instance_, this);
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
        auto nextInk = std::find(all.begin() + std::min<size_t>(all.size(), static_cast<size_t>(textEnd)), all.end(), true);
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
    RECT r = layoutRect(*it.row, &it == &items_.front() ? nullptr : &it - 1);
    int height = r.bottom - r.top;
    // A month calendar takes the size it needs for one month.
    if (it.row->kind == ui::Kind::Calendar) {
        RECT need{};
        if (SendMessageW(it.hwnd, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&need))) {
            int w = need.right - need.left, h = need.bottom - need.top;
            if (w > 0 && h > 0) {
                r.left += ((r.right - r.left) - w) / 2;
                r.right = r.left + w;
                height = h;
            }
        }
    }
    SetWindowPos(it.hwnd, nullptr, r.left, r.top, r.right - r.left, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

SIZE MainView::windowSize() const {
    return outerSize(scale_, ui::kClientWidthTwips, ui::kClientHeightTwips, ui::kWindowWidthTwips,
                     ui::kWindowHeightTwips, kMainStyle, kMainExStyle, true);
}

HFONT MainView::fontFor(const ui::LayoutRow& row) const {
    return row.kind == ui::Kind::MaskedEdit ? fixedFont_.get() : font_.get();
}

// Six tabs share the strip's width: small padding, and no minimum width beyond what a short
// caption such as "Job" needs, so that none scrolls out of view.
void MainView::setTabMetrics(HWND tab) const {
    const int dpi = static_cast<int>(dpi_);
    SendMessageW(tab, TCM_SETPADDING, 0, MAKELPARAM(MulDiv(6, dpi, 96), MulDiv(3, dpi, 96)));
    SendMessageW(tab, TCM_SETMINTABWIDTH, 0, MulDiv(16, dpi, 96));
}

// Everything again for a new DPI or font: the fonts first (the tab row's height, and so the
// pages' area, follows the font), then the window's own controls with the tab strip, then the
// pages on the strip's new display area, then their controls.
void MainView::placeAll() {
    for (const Item& it : items_) SendMessageW(it.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(fontFor(*it.row)), TRUE);
    for (HWND box : pageBoxes_)
        if (box) SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
    if (HWND tab = hwndOf(w_.tabStripOptions)) setTabMetrics(tab);
    for (const Item& it : items_)
        if (!isPageRow(*it.row)) placeItem(it);
    RECT r = pageRect();
    for (int i = 0; i < ui::kPageCount; ++i) {
        if (!pages_[i]) continue;
        SetWindowPos(pages_[i], nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
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
    switch (c.kind()) {
        case ui::Kind::Label:
        case ui::Kind::Frame:
        case ui::Kind::Button: setTextIfDifferent(h, c.caption()); break;
        case ui::Kind::CheckBox: {
            int v = static_cast<ui::CheckBox&>(c).value();
            SendMessageW(h, BM_SETCHECK, v == 1 ? BST_CHECKED : v == 2 ? BST_INDETERMINATE : BST_UNCHECKED, 0);
            break;
        }
        case ui::Kind::Option:
            SendMessageW(h, BM_SETCHECK,
                         static_cast<ui::OptionGroup&>(c).selected() == it.row->index ? BST_CHECKED : BST_UNCHECKED, 0);
            break;
        case ui::Kind::TextBox: setTextIfDifferent(h, static_cast<ui::TextBox&>(c).text()); break;
        case ui::Kind::MaskedEdit: {
            auto& m = static_cast<ui::MaskedEdit&>(c);
            setTextIfDifferent(h, m.text());
            SendMessageW(h, EM_SETSEL, m.selStart(), m.selStart() + m.selLength());
            break;
        }
        case ui::Kind::Slider: {
            int pos = static_cast<ui::Slider&>(c).position();
            if (SendMessageW(h, TBM_GETPOS, 0, 0) != pos) SendMessageW(h, TBM_SETPOS, TRUE, pos);
            break;
        }
        case ui::Kind::Calendar: {
            const auto& d = static_cast<ui::Calendar&>(c).date();
            if (d.year > 0) {
                SYSTEMTIME st{};
                st.wYear = static_cast<WORD>(d.year);
                st.wMonth = static_cast<WORD>(d.month);
                st.wDay = static_cast<WORD>(d.day);
                SendMessageW(h, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&st));
            }
            break;
        }
        case ui::Kind::TabStrip: {
            int sel = static_cast<ui::TabStrip&>(c).selected();
            if (TabCtrl_GetCurSel(h) != sel) TabCtrl_SetCurSel(h, sel);
            break;
        }
    }
    if (c.backColour() != 0) InvalidateRect(h, nullptr, TRUE);
    mirroring_ = false;
}

// A control that turns grey while it has the focus would leave the keyboard nowhere (Windows
// drops the focus with it). A step button that runs out of pages hands it to the other one,
// as a person stepping through the pages expects; anything else to the next control.
void MainView::moveFocusOff(const ui::Control& c, HWND h) {
    const ui::Control* other = &c == &w_.cmdCopyOptionNext(1) ? &w_.cmdCopyOptionNext(0)
                               : &c == &w_.cmdCopyOptionNext(0) ? &w_.cmdCopyOptionNext(1)
                                                                 : nullptr;
    HWND to = other && other->enabled() ? hwndOf(*other) : nullptr;
    if (!to) to = GetNextDlgTabItem(hwnd_, h, FALSE);
    SetFocus(to && to != h ? to : hwnd_);
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
        if (c.kind() == ui::Kind::Option && static_cast<ui::OptionGroup&>(c).selected() != item.row->index) continue;
        SetFocus(item.hwnd);
        return;
    }
}

MainView::Item* MainView::itemById(int id) {
    size_t index = static_cast<size_t>(id - kFirstId);
    return id >= kFirstId && index < items_.size() ? &items_[index] : nullptr;
}

void MainView::onCommand(Item& it, int code) {
    ui::Control& c = *it.control;
    switch (c.kind()) {
        case ui::Kind::Button:
            if (code == BN_CLICKED) static_cast<ui::Button&>(c).press();
            break;
        case ui::Kind::CheckBox:
            if (code == BN_CLICKED) {
                LRESULT state = SendMessageW(it.hwnd, BM_GETCHECK, 0, 0);
                static_cast<ui::CheckBox&>(c).setValue(state == BST_CHECKED ? 1 : state == BST_INDETERMINATE ? 2 : 0);
                mirror(it);  // the rule may have refused or changed the value
            }
            if (code == BN_SETFOCUS) w_.focusMoved(&c);
            break;
        case ui::Kind::Option:
            if (code == BN_CLICKED && SendMessageW(it.hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED)
                static_cast<ui::OptionGroup&>(c).select(it.row->index);
            if (code == BN_SETFOCUS) w_.focusMoved(&c);
            break;
        case ui::Kind::TextBox:
            if (code == EN_CHANGE && !mirroring_) static_cast<ui::TextBox&>(c).setText(narrow(windowText(it.hwnd)));
            if (code == EN_SETFOCUS) w_.focusMoved(&c);
            if (code == EN_KILLFOCUS) static_cast<ui::TextBox&>(c).loseFocus();
            break;
        default: break;
    }
}

bool MainView::handleChildMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    switch (msg) {
        case WM_COMMAND: {
            if (Item* it = itemById(LOWORD(wp))) {
                if (reinterpret_cast<HWND>(lp) == it->hwnd) onCommand(*it, HIWORD(wp));
                result = 0;
                return true;
            }
            return false;
        }
        case WM_NOTIFY: {
            auto* hdr = reinterpret_cast<NMHDR*>(lp);
            Item* it = itemById(static_cast<int>(hdr->idFrom));
            if (!it || it->hwnd != hdr->hwndFrom) return false;
            if (hdr->code == TCN_SELCHANGE) {
                w_.tabStripOptions.choose(TabCtrl_GetCurSel(it->hwnd));
            } else if (hdr->code == MCN_SELCHANGE || hdr->code == MCN_SELECT) {
                auto* sel = reinterpret_cast<NMSELCHANGE*>(lp);
                static_cast<ui::Calendar*>(it->control)
                    ->setDate({sel->stSelStart.wYear, sel->stSelStart.wMonth, sel->stSelStart.wDay});
            }
            result = 0;
            return true;
        }
        case WM_HSCROLL: {
            HWND from = reinterpret_cast<HWND>(lp);
            for (Item& it : items_) {
                if (it.hwnd != from || it.control->kind() != ui::Kind::Slider) continue;
                if (LOWORD(wp) != TB_ENDTRACK)
                    static_cast<ui::Slider*>(it.control)->scrollTo(static_cast<int>(SendMessageW(from, TBM_GETPOS, 0, 0)));
                result = 0;
                return true;
            }
            return false;
        }
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC: {
            HWND from = reinterpret_cast<HWND>(lp);
            for (Item& it : items_) {
                if (it.hwnd != from) continue;
                COLORREF colour = it.control->backColour();
                bool editable = it.control->kind() == ui::Kind::TextBox || it.control->kind() == ui::Kind::MaskedEdit;
                if (!editable || colour == 0) return false;
                // Colours are kept as 0xBBGGRR, as COLORREF is.
                auto found = brushes_.find(colour);
                if (found == brushes_.end()) found = brushes_.emplace(colour, Brush(CreateSolidBrush(colour))).first;
                SetBkColor(reinterpret_cast<HDC>(wp), colour);
                result = reinterpret_cast<LRESULT>(found->second.get());
                return true;
            }
            return false;
        }
    }
    return false;
}

LRESULT MainView::handle(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    if (handleChildMessage(msg, wp, lp, result)) return result;
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
                app_.Form_Activate();
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
            // Where the system suggests, in the size this layout needs there.
            const RECT* r = reinterpret_cast<const RECT*>(lp);
            const SIZE size = windowSize();
            SetWindowPos(hwnd_, nullptr, r->left, r->top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
            placeAll();
            return 0;
        }
        case WM_CLOSE:
            app_.Form_Unload();
            if (onClosing) onClosing();
            DestroyWindow(hwnd_);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcW(hwnd_, msg, wp, lp);
}

LRESULT CALLBACK MainView::windowProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* self = static_cast<MainView*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        self->hwnd_ = h;
        SetWindowLongPtrW(h, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainView*>(GetWindowLongPtrW(h, GWLP_USERDATA));
    if (!self) return DefWindowProcW(h, msg, wp, lp);
    // No exception may cross into the system's code.
    try {
        return self->handle(msg, wp, lp);
    } catch (...) {
        return DefWindowProcW(h, msg, wp, lp);
    }
}

LRESULT CALLBACK MainView::pageProc(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE)
        SetWindowLongPtrW(h, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams));
    auto* self = reinterpret_cast<MainView*>(GetWindowLongPtrW(h, GWLP_USERDATA));
    if (self) {
        try {
            LRESULT result = 0;
            if (self->handleChildMessage(msg, wp, lp, result)) return result;
        } catch (...) {
        }
    }
    return DefWindowProcW(h, msg, wp, lp);
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
        case WM_KEYUP:
            RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
            break;
    }
    return result;
}

LRESULT CALLBACK MainView::sliderProc(HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR ref) {
    LRESULT result = DefSubclassProc(h, msg, wp, lp);
    if (msg == WM_LBUTTONUP || msg == WM_RBUTTONUP || msg == WM_MBUTTONUP) {
        auto* self = reinterpret_cast<MainView*>(ref);
        try {
            for (Item& it : self->items_)
                if (it.hwnd == h) static_cast<ui::Slider*>(it.control)->mouseUp();
        } catch (...) {
        }
    }
    return result;
}

void MainView::onMaskedKey(Item& it, UINT msg, WPARAM wp) {
    auto& m = static_cast<ui::MaskedEdit&>(*it.control);
    DWORD start = 0, end = 0;
    SendMessageW(it.hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    m.setSelection(static_cast<int>(start), static_cast<int>(end - start));
    if (msg == WM_CHAR) {
        if (wp == L'\b') m.backspace();
        else if (wp < 0x80) m.typeChar(static_cast<char>(wp));
    } else if (msg == WM_KEYDOWN && wp == VK_DELETE) {
        m.deleteForward();
    } else if (msg == WM_PASTE) {
        if (!OpenClipboard(it.hwnd)) return;
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            if (auto* text = static_cast<const wchar_t*>(GlobalLock(data))) {
                m.paste(narrow(text));
                GlobalUnlock(data);
            }
        }
        CloseClipboard();
    } else if (msg == WM_CUT || msg == WM_CLEAR) {
        m.deleteForward();
    }
}

LRESULT CALLBACK MainView::maskedEditProc(HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR ref) {
    auto* self = reinterpret_cast<MainView*>(ref);
    Item* item = nullptr;
    for (Item& it : self->items_)
        if (it.hwnd == h) item = &it;
    if (!item) return DefSubclassProc(h, msg, wp, lp);
    try {
        switch (msg) {
            case WM_CHAR:
                // Control characters (Enter, Tab, Esc, Ctrl+C/V/X) keep their usual meaning.
                if (wp < 0x20 && wp != L'\b') break;
                self->onMaskedKey(*item, msg, wp);
                return 0;
            case WM_KEYDOWN:
                if (wp == VK_DELETE) {
                    self->onMaskedKey(*item, msg, wp);
                    return 0;
                }
                if (wp == VK_LEFT || wp == VK_RIGHT || wp == VK_HOME || wp == VK_END) {
                    LRESULT r = DefSubclassProc(h, msg, wp, lp);
                    // The caret never rests before a literal: step over it in the direction moved.
                    DWORD start = 0, end = 0;
                    SendMessageW(h, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
                    const std::string& mask = static_cast<ui::MaskedEdit*>(item->control)->mask();
                    int p = static_cast<int>(end);
                    int n = static_cast<int>(mask.size());
                    while (p >= 0 && p < n && mask[static_cast<size_t>(p)] != '#') p += wp == VK_LEFT ? -1 : 1;
                    if (p < 0) p = 0;
                    if (start == end && p != static_cast<int>(end)) SendMessageW(h, EM_SETSEL, p, p);
                    return r;
                }
                break;
            case WM_CUT:
                DefSubclassProc(h, WM_COPY, 0, 0);  // a cut copies first, then blanks the digits
                self->onMaskedKey(*item, msg, wp);
                return 0;
            case WM_PASTE:
            case WM_CLEAR:
                self->onMaskedKey(*item, msg, wp);
                return 0;
            case WM_KEYUP: {
                LRESULT r = DefSubclassProc(h, msg, wp, lp);
                auto& m = static_cast<ui::MaskedEdit&>(*item->control);
                DWORD start = 0, end = 0;
                SendMessageW(h, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
                m.setSelection(static_cast<int>(start), static_cast<int>(end - start));
                m.keyUp(static_cast<int>(wp));
                return r;
            }
        }
    } catch (...) {
        return 0;
    }
    return DefSubclassProc(h, msg, wp, lp);
}

}  // namespace win32
