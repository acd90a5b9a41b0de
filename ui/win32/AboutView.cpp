#include "ui/win32/AboutView.h"

#include <commctrl.h>

#include <utility>

#include "platform/win32/Utf.h"
#include "ui/AboutBox.h"
#include "ui/MainLayout.h"
#include "ui/SysInfo.h"
#include "ui/win32/Accessibility.h"
#include "ui/win32/Dpi.h"
#include "ui/win32/SystemColours.h"

namespace win32 {

namespace {

constexpr wchar_t kAboutClass[] = L"ZentrovaKVAbout";
constexpr int kEmailId = 200, kSysInfoId = 201;
// The etched separator between the description and the mail link, in twips.
constexpr ui::Rect kSeparator{240, 2400, 5250, 30};
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

}  // namespace

void AboutView::open(HWND owner) {
    if (hwnd_) {
        SetActiveWindow(hwnd_);
        return;
    }
    static bool registered = false;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!registered) {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = windowProc;
        wc.hInstance = instance;
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = kAboutClass;
        RegisterClassExW(&wc);
        registered = true;
    }
    const ui::AboutTexts texts = ui::aboutTexts();
    makeFonts(GetDpiForWindow(owner));
    const SIZE size = windowSize();
    RECT o{};
    GetWindowRect(owner, &o);
    hwnd_ = CreateWindowExW(kExStyle, kAboutClass, widen(texts.caption).c_str(), kStyle,
                            o.left + (o.right - o.left - size.cx) / 2, o.top + (o.bottom - o.top - size.cy) / 2,
                            size.cx, size.cy, owner, nullptr, instance, this);
    if (!hwnd_) return;

    children_.clear();
    for (const auto& row : ui::aboutLayout()) {
        RECT r = pxRect(row.rect, scale_);
        const wchar_t* cls = row.kind == ui::Kind::Button ? L"BUTTON" : L"STATIC";
        DWORD s = WS_CHILD | WS_VISIBLE;
        std::wstring text = widen(row.caption);
        int id = 0;
        if (row.name == "picIcon")
            s |= SS_ICON;
        else if (row.kind == ui::Kind::Label)
            s |= SS_NOPREFIX;
        if (row.name == "lblVersion") text = widen(texts.version);
        if (row.name == "lblTitle") text = widen(texts.title);
        if (row.name == "lblDescription") text = widen(texts.description);
        if (row.name == "lblEmail") {
            text = widen(texts.email);
            s |= SS_NOTIFY | WS_TABSTOP;
            id = kEmailId;
        }
        if (row.name == "cmdOK") {
            s |= BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP;
            id = IDOK;
        }
        if (row.name == "cmdSysInfo") {
            s |= BS_PUSHBUTTON | WS_TABSTOP;
            id = kSysInfoId;
        }
        HWND h = CreateWindowExW(0, cls, text.c_str(), s, r.left, r.top, r.right - r.left, r.bottom - r.top, hwnd_,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
        children_.push_back({&row, h});
        if (row.name == "lblEmail") {
            email_ = h;
            SetWindowSubclass(h, emailProc, 1, reinterpret_cast<DWORD_PTR>(this));
            makeKeyboardLink(h);
        }
        SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(fontFor(row)), FALSE);
        if (row.name == "picIcon") picture_ = h;
    }
    showIcon();
    makeSeparator();
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    SetFocus(GetDlgItem(hwnd_, IDOK));
}

void AboutView::makeFonts(UINT dpi) {
    dpi_ = dpi;
    font_ = dialogFont(dpi_);
    titleFont_ = dialogFont(dpi_, 12, L"MS Shell Dlg 2", false, FW_BOLD);
    emailFont_ = dialogFont(dpi_);
    emailHoverFont_ = dialogFont(dpi_, 8, L"MS Shell Dlg 2", false, FW_BOLD, true);
    scale_ = measuredScale(font_.get(), dpi_);
}

// The program's icon in the size of a large icon at the box's DPI, which the picture takes on.
// The system's own icon size is that of the DPI the program started at.
void AboutView::showIcon() {
    const int size = GetSystemMetricsForDpi(SM_CXICON, dpi_);
    Icon icon(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
    SendMessageW(picture_, STM_SETICON, reinterpret_cast<WPARAM>(icon.get()), 0);
    icon_ = std::move(icon);  // the one shown before goes only now
}

// The etched line between the description and the mail link. The static fits itself round its
// line only as it is made, so a new DPI makes it anew.
void AboutView::makeSeparator() {
    if (separator_) DestroyWindow(separator_);
    RECT sep = pxRect(kSeparator, scale_);
    separator_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_ETCHEDHORZ, sep.left, sep.top,
                                 sep.right - sep.left, 2, hwnd_, nullptr, GetModuleHandleW(nullptr), nullptr);
}

SIZE AboutView::windowSize() const {
    return outerSize(scale_, ui::kAboutClientWidthTwips, ui::kAboutClientHeightTwips, 0, 0, kStyle, kExStyle, false);
}

HFONT AboutView::fontFor(const ui::LayoutRow& row) const {
    if (row.name == "lblTitle") return titleFont_.get();
    if (row.name == "lblEmail") return hover_ ? emailHoverFont_.get() : emailFont_.get();
    return font_.get();
}

// A new DPI: new fonts on every control before the old ones go, then every control in its place.
void AboutView::dpiChanged(UINT dpi, const RECT& suggested) {
    Font oldFont = std::move(font_), oldTitle = std::move(titleFont_), oldEmail = std::move(emailFont_),
         oldHover = std::move(emailHoverFont_);
    makeFonts(dpi);
    const SIZE size = windowSize();
    SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    for (const auto& [row, h] : children_) {
        RECT r = pxRect(row->rect, scale_);
        SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(fontFor(*row)), FALSE);
        SetWindowPos(h, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    makeSeparator();
    showIcon();
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void AboutView::close() {
    if (hwnd_) DestroyWindow(hwnd_);
}

void AboutView::setHover(bool on) {
    if (hover_ == on || !email_) return;
    hover_ = on;
    SendMessageW(email_, WM_SETFONT, reinterpret_cast<WPARAM>(on ? emailHoverFont_.get() : emailFont_.get()), TRUE);
    InvalidateRect(email_, nullptr, TRUE);
}

LRESULT AboutView::handle(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    // Closed: what is left of the window's messages is the system's.
    if (!hwnd_) return DefWindowProcW(h, msg, wp, lp);
    switch (msg) {
        case WM_ACTIVATE:
            if (LOWORD(wp) != WA_INACTIVE && onActivated) onActivated();
            break;
        case WM_COMMAND:
            switch (LOWORD(wp)) {
                case IDOK:
                case IDCANCEL: close(); return 0;  // Enter and Esc both close the box
                case kSysInfoId: ui::StartSysInfo(platform_); return 0;
                case kEmailId:
                    if (HIWORD(wp) == STN_CLICKED) ui::openMailLink(platform_);
                    return 0;
            }
            break;
        case WM_MOUSEMOVE: setHover(false); break;
        case WM_CTLCOLORSTATIC:
            if (reinterpret_cast<HWND>(lp) == email_) {
                SetTextColor(reinterpret_cast<HDC>(wp), ui::mailLinkColour(platform_, hover_, systemColours()));
                SetBkMode(reinterpret_cast<HDC>(wp), TRANSPARENT);
                return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
            }
            break;
        case WM_SYSCOLORCHANGE:
        case WM_SETTINGCHANGE:
            // The link's colour follows the system's colours and its high-contrast mode.
            if (msg == WM_SYSCOLORCHANGE || wp == SPI_SETHIGHCONTRAST) InvalidateRect(email_, nullptr, TRUE);
            break;
        case WM_DPICHANGED: dpiChanged(HIWORD(wp), *reinterpret_cast<const RECT*>(lp)); return 0;
        case WM_CLOSE: close(); return 0;
        case WM_DESTROY:
            hwnd_ = nullptr;
            email_ = separator_ = picture_ = nullptr;
            children_.clear();
            hover_ = false;
            return 0;
    }
    return DefWindowProcW(hwnd_, msg, wp, lp);
}

LRESULT CALLBACK AboutView::emailProc(HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR ref) {
    auto* self = reinterpret_cast<AboutView*>(ref);
    if (msg == WM_MOUSEMOVE) self->setHover(true);
    if (msg == WM_SETCURSOR) {
        SetCursor(LoadCursorW(nullptr, IDC_HAND));  // the link's own pointer
        return TRUE;
    }
    return DefSubclassProc(h, msg, wp, lp);
}

}  // namespace win32
