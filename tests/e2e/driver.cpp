// kvdriver: works another program's windows from outside, the way the end-to-end scenarios need.
//
// One generic mechanism throughout: a top-level window is found by its exact title (visible
// windows of any process), a control inside it by a selector:
//   Class:N         the N-th (from 0) descendant of that window class, in child-window order
//   Class=Caption   the first descendant of that class whose text is exactly Caption
//   Class#K=Caption the K-th (from 0) of those
//   Class@Id        the descendant of that class with that control id (decimal or 0x..)
//   .               the top-level window itself
// Class names compare without regard to case ("Edit", "Button", "SysTabControl32").
// When several windows share a title, unowned windows are tried before owned ones, and the first
// that holds the control is taken.
//
// Every command that waits polls every 20 ms up to its timeout (the last optional argument, in
// milliseconds). Exit code 0 on success, 1 on failure (reason on stderr), 2 on wrong usage.
// Values are printed in UTF-8 exactly, without an added line end.
#include "tests/e2e/driver_io.h"

#include <commctrl.h>
#include <oleacc.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <cwctype>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/win32/LazyModule.h"
#include "ui/win32/Gdi.h"

namespace kv {
namespace {

constexpr DWORD kDefaultTimeoutMs = 10000;
constexpr DWORD kSendTimeoutMs = 5000;  // one message to the other program
constexpr int kMsgBoxTextId = 0xFFFF;
constexpr int kMsgBoxIconId = 0x0440;

// ---------------------------------------------------------------------------------------------
// Text

std::wstring hex(ULONG_PTR v) {
    wchar_t b[32];
    swprintf(b, 32, L"0x%llx", (unsigned long long)v);
    return b;
}

bool sameNoCase(const std::wstring& a, const std::wstring& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](wchar_t x, wchar_t y) {
               return std::towlower(x) == std::towlower(y);
           });
}

// ---------------------------------------------------------------------------------------------
// Windows

std::wstring className(HWND h) {
    wchar_t b[256];
    int n = GetClassNameW(h, b, 256);
    return std::wstring(b, n > 0 ? n : 0);
}

// The title as the window manager knows it; never blocks on the other program.
std::wstring windowTitle(HWND h) {
    std::vector<wchar_t> b(4096);
    int n = GetWindowTextW(h, b.data(), (int)b.size());
    return std::wstring(b.data(), n > 0 ? n : 0);
}

// A control's own text (WM_GETTEXT, answered by the control itself: right for edit boxes too).
std::wstring controlText(HWND h) {
    DWORD_PTR len = 0;
    if (!SendMessageTimeoutW(h, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, kSendTimeoutMs, &len))
        fail(L"the program does not answer WM_GETTEXTLENGTH");
    std::vector<wchar_t> b(len + 2, L'\0');
    DWORD_PTR got = 0;
    if (!SendMessageTimeoutW(h, WM_GETTEXT, b.size(), (LPARAM)b.data(), SMTO_NORMAL, kSendTimeoutMs, &got))
        fail(L"the program does not answer WM_GETTEXT");
    return std::wstring(b.data(), std::min<size_t>(got, len + 1));
}

LRESULT sendOrFail(HWND h, UINT msg, WPARAM w, LPARAM l, const wchar_t* what) {
    DWORD_PTR r = 0;
    if (!SendMessageTimeoutW(h, msg, w, l, SMTO_NORMAL, kSendTimeoutMs, &r))
        fail(std::wstring(L"the program does not answer ") + what);
    return (LRESULT)r;
}

std::vector<HWND> topLevelWindows() {
    std::vector<HWND> all;
    EnumWindows(
        [](HWND h, LPARAM p) -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(p)->push_back(h);
            return TRUE;
        },
        (LPARAM)&all);
    return all;
}

// Visible top-level windows titled exactly so (of the class, when one is given); unowned first.
std::vector<HWND> windowsTitled(const std::wstring& title, const wchar_t* cls = nullptr) {
    std::vector<HWND> unowned, owned;
    for (HWND h : topLevelWindows()) {
        if (!IsWindowVisible(h) || windowTitle(h) != title) continue;
        if (cls && !sameNoCase(className(h), cls)) continue;
        (GetWindow(h, GW_OWNER) ? owned : unowned).push_back(h);
    }
    unowned.insert(unowned.end(), owned.begin(), owned.end());
    return unowned;
}

// Every descendant in child-window order (depth first, siblings in z-order = creation order).
std::vector<HWND> descendants(HWND top) {
    std::vector<HWND> all;
    EnumChildWindows(
        top,
        [](HWND h, LPARAM p) -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(p)->push_back(h);
            return TRUE;
        },
        (LPARAM)&all);
    return all;
}

// The control's place among the descendants of its top-level window of the same class: "Edit:1".
std::wstring ordinalName(HWND top, HWND ctrl) {
    if (ctrl == top) return L".";
    std::wstring cls = className(ctrl);
    int n = 0;
    for (HWND h : descendants(top)) {
        if (h == ctrl) return cls + L":" + std::to_wstring(n);
        if (sameNoCase(className(h), cls)) ++n;
    }
    return cls + L":?";
}

// ---------------------------------------------------------------------------------------------
// Selectors

struct Selector {
    enum class Kind { Self, Ordinal, Caption, Id } kind = Kind::Self;
    std::wstring cls;
    long long n = 0;  // ordinal, or K for Caption, or the id
    std::wstring caption;
    std::wstring source;
};

Selector parseSelector(const std::wstring& s) {
    Selector sel;
    sel.source = s;
    if (s == L".") return sel;
    size_t p = s.find_first_of(L":=@", 1);
    if (p == std::wstring::npos)
        usage(L"selector " + quoted(s) + L" is none of Class:N, Class=Caption, Class#K=Caption, Class@Id, .");
    sel.cls = s.substr(0, p);
    std::wstring rest = s.substr(p + 1);
    switch (s[p]) {
        case L':':
            sel.kind = Selector::Kind::Ordinal;
            sel.n = parseInt(rest, L"ordinal");
            break;
        case L'@':
            sel.kind = Selector::Kind::Id;
            sel.n = parseInt(rest, L"control id");
            break;
        default: {
            sel.kind = Selector::Kind::Caption;
            sel.caption = rest;
            size_t k = sel.cls.rfind(L'#');
            if (k != std::wstring::npos && k > 0) {
                sel.n = parseInt(sel.cls.substr(k + 1), L"caption index");
                sel.cls.resize(k);
            }
        }
    }
    return sel;
}

// The control a selector names among the windows given, in their order; the class and text of
// each come from the two functions, so that a caller may ask the window or a cache.
template <class ClassOf, class TextOf>
HWND pick(HWND top, const std::vector<HWND>& windows, const Selector& sel, ClassOf classOf, TextOf textOf) {
    if (sel.kind == Selector::Kind::Self) return top;
    long long seen = 0;
    for (HWND h : windows) {
        if (!sameNoCase(classOf(h), sel.cls)) continue;
        switch (sel.kind) {
            case Selector::Kind::Ordinal:
                if (seen++ == sel.n) return h;
                break;
            case Selector::Kind::Id:
                if ((long long)GetWindowLongPtrW(h, GWLP_ID) == sel.n) return h;
                break;
            case Selector::Kind::Caption:
                if (textOf(h) == sel.caption && seen++ == sel.n) return h;
                break;
            case Selector::Kind::Self: break;
        }
    }
    return nullptr;
}

HWND resolve(HWND top, const Selector& sel) { return pick(top, descendants(top), sel, className, controlText); }

struct Target {
    HWND top = nullptr;
    HWND ctrl = nullptr;
    explicit operator bool() const { return ctrl != nullptr; }
};

Target findNow(const std::wstring& title, const Selector& sel) {
    for (HWND top : windowsTitled(title))
        if (HWND c = resolve(top, sel)) return {top, c};
    return {};
}

std::wstring whyNotFound(const std::wstring& title, const Selector& sel) {
    if (windowsTitled(title).empty()) return L"no visible window titled " + quoted(title);
    return L"window " + quoted(title) + L" has no control " + sel.source;
}

Target find(const std::wstring& title, const Selector& sel, DWORD ms) {
    Target t = pollUntil(ms, [&] { return findNow(title, sel); });
    if (!t) fail(whyNotFound(title, sel));
    return t;
}

// ---------------------------------------------------------------------------------------------
// Memory in the other program, for messages that carry a pointer Wine does not carry across.

class RemoteBuffer {
public:
    RemoteBuffer(HWND owner, size_t size) : size_(size) {
        DWORD pid = 0;
        GetWindowThreadProcessId(owner, &pid);
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
        if (!process_) fail(L"cannot open the program's process");
        address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
        if (!address_) {
            CloseHandle(process_);
            fail(L"cannot allocate memory in the program's process");
        }
    }
    ~RemoteBuffer() {
        VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        CloseHandle(process_);
    }
    RemoteBuffer(const RemoteBuffer&) = delete;
    RemoteBuffer& operator=(const RemoteBuffer&) = delete;

    LPARAM address() const { return (LPARAM)address_; }
    void read(void* to) const {
        SIZE_T got = 0;
        if (!ReadProcessMemory(process_, address_, to, size_, &got) || got != size_)
            fail(L"cannot read the program's memory");
    }
    void write(const void* from, size_t n) const {
        SIZE_T put = 0;
        if (n > size_ || !WriteProcessMemory(process_, address_, from, n, &put) || put != n)
            fail(L"cannot write the program's memory");
    }

private:
    HANDLE process_ = nullptr;
    void* address_ = nullptr;
    size_t size_;
};

// ---------------------------------------------------------------------------------------------
// Screen pixels (the X display as the person sees it)

COLORREF screenPixel(int x, int y) {
    HDC dc = GetDC(nullptr);
    COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(nullptr, dc);
    return c;
}

std::wstring rgbText(COLORREF c) {
    wchar_t b[16];
    swprintf(b, 16, L"%02X%02X%02X", GetRValue(c), GetGValue(c), GetBValue(c));
    return b;
}

// The pixels, 0x00RRGGBB row by row, of a w x h picture that draw(dc) makes in a memory DC.
template <class Draw>
std::vector<DWORD> drawnPixels(int w, int h, Draw draw) {
    std::vector<DWORD> px((size_t)std::max(w, 0) * std::max(h, 0));
    if (px.empty()) return px;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    const BITMAPINFO bi = win32::topDownBitmapInfo(w, h);
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(mem, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, bmp);
    draw(mem, screen);
    GdiFlush();
    memcpy(px.data(), bits, px.size() * 4);
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    for (auto& p : px) p &= 0xFFFFFF;
    return px;
}

// The pixels of a screen rectangle, 0x00RRGGBB, row by row.
std::vector<DWORD> grabScreen(int x, int y, int w, int h) {
    return drawnPixels(w, h, [&](HDC mem, HDC screen) { BitBlt(mem, 0, 0, w, h, screen, x, y, SRCCOPY); });
}

// Whether the window or a visible control in it still waits to be painted.
bool paintPending(HWND top) {
    if (GetUpdateRect(top, nullptr, FALSE)) return true;
    for (HWND h : descendants(top))
        if (IsWindowVisible(h) && GetUpdateRect(h, nullptr, FALSE)) return true;
    return false;
}

// ---------------------------------------------------------------------------------------------
// Properties of a control

// A rectangle in screen coordinates as "l t r b".
std::wstring rectText(const RECT& r) {
    return std::to_wstring(r.left) + L" " + std::to_wstring(r.top) + L" " + std::to_wstring(r.right) + L" " +
        std::to_wstring(r.bottom);
}

std::wstring property(const Target& t, const std::wstring& prop) {
    HWND h = t.ctrl;
    if (prop == L"text") return controlText(h);
    if (prop == L"check") return std::to_wstring(sendOrFail(h, BM_GETCHECK, 0, 0, L"BM_GETCHECK"));
    if (prop == L"enabled") return IsWindowEnabled(h) ? L"1" : L"0";
    if (prop == L"visible") return IsWindowVisible(h) ? L"1" : L"0";
    if (prop == L"owner") {
        HWND owner = GetWindow(h, GW_OWNER);
        return owner ? windowTitle(owner) : L"";
    }
    if (prop == L"tab") return std::to_wstring(sendOrFail(h, TCM_GETCURSEL, 0, 0, L"TCM_GETCURSEL"));
    if (prop == L"tabcount") return std::to_wstring(sendOrFail(h, TCM_GETITEMCOUNT, 0, 0, L"TCM_GETITEMCOUNT"));
    if (prop == L"pos") return std::to_wstring(sendOrFail(h, TBM_GETPOS, 0, 0, L"TBM_GETPOS"));
    if (prop == L"range") {
        LRESULT lo = sendOrFail(h, TBM_GETRANGEMIN, 0, 0, L"TBM_GETRANGEMIN");
        LRESULT hi = sendOrFail(h, TBM_GETRANGEMAX, 0, 0, L"TBM_GETRANGEMAX");
        return std::to_wstring(lo) + L" " + std::to_wstring(hi);
    }
    if (prop == L"date") {
        RemoteBuffer buf(h, sizeof(SYSTEMTIME));
        if (!sendOrFail(h, MCM_GETCURSEL, 0, buf.address(), L"MCM_GETCURSEL"))
            fail(L"the calendar has no selected date");
        SYSTEMTIME st{};
        buf.read(&st);
        wchar_t b[16];
        swprintf(b, 16, L"%04u-%02u-%02u", st.wYear, st.wMonth, st.wDay);
        return b;
    }
    if (prop == L"rect") {
        RECT r{};
        GetWindowRect(h, &r);
        return rectText(r);
    }
    if (prop == L"display") {
        // A tab strip's display area, where its pages go, on the screen.
        RECT r{};
        GetClientRect(h, &r);
        RemoteBuffer buf(h, sizeof(RECT));
        buf.write(&r, sizeof r);
        sendOrFail(h, TCM_ADJUSTRECT, FALSE, buf.address(), L"TCM_ADJUSTRECT");
        buf.read(&r);
        MapWindowPoints(h, nullptr, reinterpret_cast<POINT*>(&r), 2);
        return rectText(r);
    }
    if (prop == L"client") {
        RECT r{};
        GetClientRect(h, &r);
        POINT p{0, 0};
        ClientToScreen(h, &p);
        return std::to_wstring(p.x) + L" " + std::to_wstring(p.y) + L" " + std::to_wstring(p.x + r.right) + L" " +
            std::to_wstring(p.y + r.bottom);
    }
    if (prop == L"class") return className(h);
    if (prop == L"name") return ordinalName(t.top, h);
    if (prop == L"id") return std::to_wstring((long long)GetWindowLongPtrW(h, GWLP_ID));
    if (prop == L"style") return hex((ULONG_PTR)(DWORD)GetWindowLongPtrW(h, GWL_STYLE));
    if (prop == L"exstyle") return hex((ULONG_PTR)(DWORD)GetWindowLongPtrW(h, GWL_EXSTYLE));
    if (prop == L"pid") {
        DWORD pid = 0;
        GetWindowThreadProcessId(h, &pid);
        return std::to_wstring(pid);
    }
    if (prop.rfind(L"pixel:", 0) == 0) {
        // pixel:X,Y  -- the screen colour at X,Y from the control's top left corner, as RRGGBB
        std::wstring xy = prop.substr(6);
        size_t comma = xy.find(L',');
        if (comma == std::wstring::npos) usage(L"pixel wants pixel:X,Y");
        RECT r{};
        GetWindowRect(h, &r);
        int x = (int)parseInt(xy.substr(0, comma), L"x");
        int y = (int)parseInt(xy.substr(comma + 1), L"y");
        return rgbText(screenPixel(r.left + x, r.top + y));
    }
    usage(L"unknown property " + quoted(prop) +
          L" (text check enabled visible owner tab tabcount pos range date rect display client class name id style "
          L"exstyle pid "
          L"pixel:X,Y)");
}

// ---------------------------------------------------------------------------------------------
// Input

// Makes sure the program has taken `posted` posted messages from its queue: each message sent
// to its thread is answered only when it next looks for a message, and it takes at most one
// posted message between two looks. A window that went away has nothing left to do.
void settle(HWND h, int posted) {
    for (int i = 0; i <= posted; ++i) {
        DWORD_PTR r = 0;
        if (!IsWindow(h)) return;
        if (!SendMessageTimeoutW(h, WM_NULL, 0, 0, SMTO_NORMAL, kSendTimeoutMs, &r)) {
            if (!IsWindow(h)) return;
            fail(L"the program does not answer (busy or hung)");
        }
    }
}

// Windows that let a click through to what lies beneath, as their own hit test says: group
// boxes, and labels that do not ask for clicks.
bool clickThrough(HWND h) {
    std::wstring cls = className(h);
    LONG style = (LONG)GetWindowLongPtrW(h, GWL_STYLE);
    if (sameNoCase(cls, L"Button")) return (style & BS_TYPEMASK) == BS_GROUPBOX;
    if (sameNoCase(cls, L"Static")) return !(style & SS_NOTIFY);
    return false;
}

// The window a mouse click at the screen point would reach. WindowFromPoint cannot ask another
// program's windows for their hit test, so it stops at a group box; this walks down the child
// windows in z-order itself and passes over windows that let clicks through.
HWND hitTest(POINT pt) {
    HWND top = WindowFromPoint(pt);
    if (!top) return nullptr;
    HWND at = GetAncestor(top, GA_ROOT);
    for (;;) {
        HWND next = nullptr;
        for (HWND c = GetWindow(at, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            if (!(GetWindowLongPtrW(c, GWL_STYLE) & WS_VISIBLE)) continue;
            RECT r{};
            GetWindowRect(c, &r);
            if (!PtInRect(&r, pt) || clickThrough(c)) continue;
            next = c;
            break;
        }
        if (!next) return at;
        at = next;
    }
}

// Whether a person could click the control now; the reason when not.
std::optional<std::wstring> whyNotClickable(const Target& t) {
    if (!IsWindowVisible(t.ctrl)) return L"is not visible";
    if (!IsWindowEnabled(t.ctrl)) return L"is disabled";
    if (!IsWindowEnabled(t.top)) return L"is in a disabled window (a modal box is open?)";
    if (t.ctrl == t.top) return std::nullopt;
    RECT r{};
    GetWindowRect(t.ctrl, &r);
    POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    HWND hit = hitTest(centre);
    if (hit != t.ctrl && !IsChild(t.ctrl, hit)) {
        std::wstring what = hit ? className(hit) + L" " + quoted(windowTitle(hit)) : L"nothing";
        return L"is covered at its centre by " + what;
    }
    return std::nullopt;
}

Target findClickable(const std::wstring& title, const Selector& sel, DWORD ms) {
    std::wstring why;
    Target t = pollUntil(ms, [&]() -> Target {
        Target f = findNow(title, sel);
        if (!f) {
            why = whyNotFound(title, sel);
            return {};
        }
        if (auto reason = whyNotClickable(f)) {
            why = sel.source + L" in " + quoted(title) + L" " + *reason;
            return {};
        }
        return f;
    });
    if (!t) fail(why);
    return t;
}

LPARAM keyLParam(UINT vk, bool up) {
    UINT scan = MapVirtualKeyW(vk, MAPVK_VK_TO_VSC);
    LPARAM l = 1 | ((LPARAM)(scan & 0xFF) << 16);
    switch (vk) {
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
        case VK_HOME:
        case VK_END:
        case VK_PRIOR:
        case VK_NEXT:
        case VK_INSERT:
        case VK_DELETE: l |= (LPARAM)1 << 24; break;
        default: break;
    }
    if (up) l |= ((LPARAM)1 << 30) | ((LPARAM)1 << 31);
    return l;
}

UINT keyByName(const std::wstring& name) {
    static const std::map<std::wstring, UINT> keys = {
        {L"return", VK_RETURN}, {L"enter", VK_RETURN},  {L"tab", VK_TAB},       {L"escape", VK_ESCAPE},
        {L"esc", VK_ESCAPE},    {L"space", VK_SPACE},   {L"back", VK_BACK},     {L"backspace", VK_BACK},
        {L"delete", VK_DELETE}, {L"insert", VK_INSERT}, {L"left", VK_LEFT},     {L"right", VK_RIGHT},
        {L"up", VK_UP},         {L"down", VK_DOWN},     {L"home", VK_HOME},     {L"end", VK_END},
        {L"pageup", VK_PRIOR},  {L"prior", VK_PRIOR},   {L"pagedown", VK_NEXT}, {L"next", VK_NEXT},
        {L"f1", VK_F1},         {L"f2", VK_F2},         {L"f3", VK_F3},         {L"f4", VK_F4},
        {L"f5", VK_F5},         {L"f6", VK_F6},         {L"f7", VK_F7},         {L"f8", VK_F8},
        {L"f9", VK_F9},         {L"f10", VK_F10},       {L"f11", VK_F11},       {L"f12", VK_F12},
    };
    std::wstring lower = name;
    for (auto& c : lower) c = (wchar_t)std::towlower(c);
    auto it = keys.find(lower);
    if (it != keys.end()) return it->second;
    if (name.size() == 1) {
        SHORT v = VkKeyScanW(name[0]);
        if (v != -1) return LOBYTE(v);
    }
    usage(L"unknown key " + quoted(name));
}

// The focused window of the program that owns `top`; null when it has none.
HWND focusedWindow(HWND top);

// Posts a key's release where the keyboard would send it: to the control, or to whatever has
// the focus once the key press has opened a modal box.
void releaseKey(HWND h, UINT vk) {
    HWND to = h;
    if (!IsWindowEnabled(GetAncestor(h, GA_ROOT)))
        if (HWND f = focusedWindow(h)) to = f;
    PostMessageW(to, WM_KEYUP, vk, keyLParam(vk, true));
    settle(to, 1);
}

// One key press and release, posted, as a keyboard would deliver them: the key goes down, the
// program's own TranslateMessage makes the character and it is handled, and only then the key
// comes up (a rule that runs on key release sees the character already in place).
void pressKey(HWND h, UINT vk) {
    PostMessageW(h, WM_KEYDOWN, vk, keyLParam(vk, false));
    settle(h, 2);  // the key down, then the character it made
    releaseKey(h, vk);
}

// Types the text key by key. Characters that need Shift (which a posted key cannot carry) or
// that have no key arrive as WM_CHAR, followed by the release of their key.
void typeText(HWND h, const std::wstring& text) {
    for (wchar_t c : text) {
        SHORT v = VkKeyScanW(c);
        UINT vk = v == -1 ? 0 : LOBYTE(v);
        if (v != -1 && HIBYTE(v) == 0 && c != L'\r' && c != L'\n') {
            pressKey(h, vk);
            continue;
        }
        PostMessageW(h, WM_CHAR, c, 1);
        settle(h, 1);
        if (vk) releaseKey(h, vk);
    }
}

// WM_SETTEXT is sent, and the change rule it triggers may open a modal box that keeps the send
// from returning. The send runs on its own thread; the command is done when the send returns
// or when the window has become disabled under a modal box.
struct SetTextJob {
    HWND h;
    std::wstring text;
    volatile LONG done = 0;
    volatile LONG ok = 0;
};

DWORD WINAPI setTextThread(void* p) {
    auto* job = static_cast<SetTextJob*>(p);
    DWORD_PTR r = 0;
    BOOL sent = SendMessageTimeoutW(job->h, WM_SETTEXT, 0, (LPARAM)job->text.c_str(), SMTO_NORMAL, INFINITE, &r);
    InterlockedExchange(&job->ok, sent && r ? 1 : 0);
    InterlockedExchange(&job->done, 1);
    return 0;
}

void setText(const Target& t, const std::wstring& text, DWORD ms) {
    const bool wasEnabled = IsWindowEnabled(t.top);
    auto* job = new SetTextJob{t.ctrl, text};  // left behind on purpose if the send never returns
    HANDLE th = CreateThread(nullptr, 0, setTextThread, job, 0, nullptr);
    if (!th) fail(L"cannot start a thread");
    CloseHandle(th);
    bool finished = pollUntil(ms, [&] { return job->done || (wasEnabled && !IsWindowEnabled(t.top)); });
    if (!finished) fail(L"WM_SETTEXT was not answered in time");
    if (job->done && !job->ok) fail(L"the control refused WM_SETTEXT");
}

// ---------------------------------------------------------------------------------------------
// Focus

// The focused window of the program that owns `top`; null when it has none.
HWND focusedWindow(HWND top) {
    DWORD thread = GetWindowThreadProcessId(top, nullptr);
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(thread, &info)) fail(L"GetGUIThreadInfo failed");
    return info.hwndFocus;
}

// "Class:N" within `top`; "none"; or "outside:<title of the other window>".
std::wstring describeFocus(HWND top) {
    HWND f = focusedWindow(top);
    if (!f) return L"none";
    if (f != top && !IsChild(top, f)) {
        HWND root = GetAncestor(f, GA_ROOT);
        return L"outside:" + windowTitle(root) + L" " + ordinalName(root, f);
    }
    return ordinalName(top, f);
}

// ---------------------------------------------------------------------------------------------
// Message boxes

HWND findBox(const std::wstring& title, DWORD ms) {
    HWND box = pollUntil(ms, [&]() -> HWND {
        for (HWND h : windowsTitled(title, L"#32770"))
            if (GetDlgItem(h, kMsgBoxTextId)) return h;
        return nullptr;
    });
    if (!box) fail(L"no message box titled " + quoted(title));
    return box;
}

struct BoxButton {
    int id;
    const wchar_t* name;
};
constexpr BoxButton kBoxButtons[] = {
    {IDOK, L"ok"},         {IDCANCEL, L"cancel"}, {IDABORT, L"abort"}, {IDRETRY, L"retry"},
    {IDIGNORE, L"ignore"}, {IDYES, L"yes"},       {IDNO, L"no"},       {IDCLOSE, L"close"},
    {IDHELP, L"help"},     {10, L"tryagain"},     {11, L"continue"},
};

const wchar_t* buttonName(int id) {
    for (const auto& b : kBoxButtons)
        if (b.id == id) return b.name;
    return nullptr;
}

int buttonId(const std::wstring& name) {
    std::wstring lower = name;
    for (auto& c : lower) c = (wchar_t)std::towlower(c);
    for (const auto& b : kBoxButtons)
        if (lower == b.name) return b.id;
    usage(L"unknown button " + quoted(name) + L" (ok cancel yes no abort retry ignore ...)");
}

// The visible buttons of a box in child order: "ok,cancel".
std::wstring boxButtons(HWND box) {
    std::wstring list;
    for (HWND h : descendants(box)) {
        if (!sameNoCase(className(h), L"Button") || !IsWindowVisible(h)) continue;
        const wchar_t* name = buttonName((int)GetWindowLongPtrW(h, GWLP_ID));
        if (!list.empty()) list += L",";
        list += name ? name : L"?";
    }
    return list;
}

// Which standard icon the box shows, found by comparing its icon's pixels on the screen with the
// system icons drawn here: question, exclamation, critical, information, none or unknown.
std::wstring boxIcon(HWND box) {
    HWND icon = GetDlgItem(box, kMsgBoxIconId);
    if (!icon || !IsWindowVisible(icon)) return L"none";
    DWORD_PTR shown = 0;
    if (!SendMessageTimeoutW(icon, STM_GETICON, 0, 0, SMTO_NORMAL, kSendTimeoutMs, &shown) || !shown) return L"none";
    RECT r{};
    GetClientRect(icon, &r);
    POINT origin{0, 0};
    ClientToScreen(icon, &origin);
    int w = r.right, h = r.bottom;
    if (w <= 0 || h <= 0) return L"none";

    std::vector<DWORD> seen = grabScreen(origin.x, origin.y, w, h);

    // A system icon drawn here on a plain background, to compare with what the box shows.
    struct Candidate {
        LPCWSTR id;
        const wchar_t* name;
    };
    const Candidate candidates[] = {
        {IDI_QUESTION, L"question"},
        {IDI_EXCLAMATION, L"exclamation"},
        {IDI_HAND, L"critical"},
        {IDI_ASTERISK, L"information"},
    };
    std::wstring best = L"unknown";
    for (const auto& c : candidates) {
        HICON hi = LoadIconW(nullptr, c.id);
        auto onColour = [&](COLORREF bg) {
            return drawnPixels(w, h, [&](HDC mem, HDC) {
                RECT all{0, 0, w, h};
                HBRUSH b = CreateSolidBrush(bg);
                FillRect(mem, &all, b);
                DeleteObject(b);
                DrawIconEx(mem, 0, 0, hi, 0, 0, 0, nullptr, DI_NORMAL);
            });
        };
        std::vector<DWORD> onBlack = onColour(RGB(0, 0, 0));
        std::vector<DWORD> onWhite = onColour(RGB(255, 255, 255));
        size_t opaque = 0, same = 0;
        for (size_t i = 0; i < seen.size(); ++i) {
            if (onBlack[i] != onWhite[i]) continue;  // transparent in the icon: the box's background shows there
            ++opaque;
            if (onBlack[i] == seen[i]) ++same;
        }
        if (opaque > 0 && same * 100 >= opaque * 98) {
            best = c.name;
            break;
        }
    }
    return best;
}

// ---------------------------------------------------------------------------------------------
// Processes and files

std::wstring quoteArgument(const std::wstring& a) {
    if (!a.empty() && a.find_first_of(L" \t\"") == std::wstring::npos) return a;
    std::wstring q = L"\"";
    size_t slashes = 0;
    for (wchar_t c : a) {
        if (c == L'\\') {
            ++slashes;
            continue;
        }
        q.append(c == L'"' ? slashes * 2 + 1 : slashes, L'\\');
        slashes = 0;
        q += c;
    }
    q.append(slashes * 2, L'\\');
    return q + L"\"";
}

std::wstring folderOf(const std::wstring& path) {
    size_t p = path.find_last_of(L"\\/");
    if (p == std::wstring::npos) return L"";
    return p == 2 && path[1] == L':' ? path.substr(0, 3) : path.substr(0, p);
}

bool fileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// ---------------------------------------------------------------------------------------------
// Commands

// The optional timeout after `fixed` arguments.
DWORD timeoutArg(const Args& a, size_t fixed) {
    if (a.size() > fixed + 1) usage(L"too many arguments");
    return a.size() == fixed + 1 ? (DWORD)parseInt(a[fixed], L"timeout") : kDefaultTimeoutMs;
}

int cmdWaitWindow(const Args& a) {
    need(a, 1, L"<title> [ms]");
    DWORD ms = timeoutArg(a, 1);
    if (!pollUntil(ms, [&] { return !windowsTitled(a[0]).empty(); }))
        fail(L"no visible window titled " + quoted(a[0]) + L" after " + std::to_wstring(ms) + L" ms");
    return 0;
}

int cmdWaitGone(const Args& a) {
    need(a, 1, L"<title> [ms]");
    DWORD ms = timeoutArg(a, 1);
    if (!pollUntil(ms, [&] { return windowsTitled(a[0]).empty(); }))
        fail(L"a window titled " + quoted(a[0]) + L" is still shown after " + std::to_wstring(ms) + L" ms");
    return 0;
}

// The window named by a command's only argument, <title> [ms].
Target windowArg(const Args& a) {
    need(a, 1, L"<title> [ms]");
    return find(a[0], parseSelector(L"."), timeoutArg(a, 1));
}

int cmdListWindows(const Args&) {
    for (HWND h : topLevelWindows()) {
        if (!IsWindowVisible(h)) continue;
        DWORD pid = 0;
        GetWindowThreadProcessId(h, &pid);
        print(hex((ULONG_PTR)h) + L" pid=" + std::to_wstring(pid) + L" " + className(h) + L" " +
              quoted(windowTitle(h)) + (GetWindow(h, GW_OWNER) ? L" owned" : L"") + L"\n");
    }
    return 0;
}

int cmdList(const Args& a) {
    Target t = windowArg(a);
    for (HWND h : descendants(t.top)) {
        int depth = 0;
        for (HWND p = GetParent(h); p && p != t.top; p = GetParent(p)) ++depth;
        RECT r{};
        GetWindowRect(h, &r);
        print(std::wstring(depth * 2, L' ') + ordinalName(t.top, h) + L" id=" +
              std::to_wstring((long long)GetWindowLongPtrW(h, GWLP_ID)) + (IsWindowVisible(h) ? L"" : L" hidden") +
              (IsWindowEnabled(h) ? L"" : L" disabled") + L" [" + std::to_wstring(r.left) + L"," +
              std::to_wstring(r.top) + L" " + std::to_wstring(r.right - r.left) + L"x" +
              std::to_wstring(r.bottom - r.top) + L"] " + quoted(controlText(h)) + L"\n");
    }
    return 0;
}

int cmdGet(const Args& a) {
    need(a, 3, L"<title> <selector> <property> [ms]");
    DWORD ms = timeoutArg(a, 3);
    print(property(find(a[0], parseSelector(a[1]), ms), a[2]));
    return 0;
}

int cmdGetText(const Args& a) {
    need(a, 2, L"<title> <selector> [ms]");
    DWORD ms = timeoutArg(a, 2);
    print(controlText(find(a[0], parseSelector(a[1]), ms).ctrl));
    return 0;
}

int cmdExpect(const Args& a) {
    need(a, 4, L"<title> <selector> <property> <value> [ms]");
    DWORD ms = timeoutArg(a, 4);
    Selector sel = parseSelector(a[1]);
    std::wstring last;
    bool found = false;
    bool ok = pollUntil(ms, [&] {
        Target t = findNow(a[0], sel);
        if (!t) return false;
        found = true;
        last = property(t, a[2]);
        return last == a[3];
    });
    if (ok) return 0;
    if (!found) fail(whyNotFound(a[0], sel));
    fail(a[1] + L" " + a[2] + L" is " + quoted(last) + L", expected " + quoted(a[3]));
}

int cmdExists(const Args& a) {
    need(a, 2, L"<title> <selector>");
    if (a.size() > 2) usage(L"too many arguments");
    print(findNow(a[0], parseSelector(a[1])) ? L"1" : L"0");
    return 0;
}

int cmdSetText(const Args& a) {
    need(a, 3, L"<title> <selector> <text> [ms]");
    DWORD ms = timeoutArg(a, 3);
    Target t = find(a[0], parseSelector(a[1]), ms);
    setText(t, a[2], ms);
    return 0;
}

int cmdClick(const Args& a) {
    need(a, 2, L"<title> <selector> [ms]");
    DWORD ms = timeoutArg(a, 2);
    Target t = findClickable(a[0], parseSelector(a[1]), ms);
    // Posted, never sent: the click may open a modal box, which would hold a send until it closes.
    PostMessageW(t.ctrl, BM_CLICK, 0, 0);
    settle(t.ctrl, 1);
    return 0;
}

int cmdType(const Args& a) {
    need(a, 3, L"<title> <selector> <text> [ms]");
    DWORD ms = timeoutArg(a, 3);
    Target t = find(a[0], parseSelector(a[1]), ms);
    typeText(t.ctrl, a[2]);
    return 0;
}

int cmdKey(const Args& a) {
    need(a, 3, L"<title> <selector> <key> [count] [ms]");
    if (a.size() > 5) usage(L"too many arguments");
    int count = a.size() >= 4 ? (int)parseInt(a[3], L"count") : 1;
    DWORD ms = a.size() == 5 ? (DWORD)parseInt(a[4], L"timeout") : kDefaultTimeoutMs;
    UINT vk = keyByName(a[2]);
    Target t = find(a[0], parseSelector(a[1]), ms);
    for (int i = 0; i < count; ++i) pressKey(t.ctrl, vk);
    return 0;
}

int cmdSelectTab(const Args& a) {
    need(a, 2, L"<title> <tab position> [ms]");
    DWORD ms = timeoutArg(a, 2);
    long long want = parseInt(a[1], L"tab position");
    Target t = find(a[0], parseSelector(L"SysTabControl32:0"), ms);
    LRESULT count = sendOrFail(t.ctrl, TCM_GETITEMCOUNT, 0, 0, L"TCM_GETITEMCOUNT");
    if (want < 0 || want >= count) fail(L"the tab strip has " + std::to_wstring(count) + L" tabs, no position " + a[1]);
    if (!IsWindowEnabled(t.top)) fail(L"the window is disabled (a modal box is open?)");
    // The arrow keys move the selection one tab at a time, with the notifications a click gives.
    Deadline deadline(ms);
    for (;;) {
        LRESULT cur = sendOrFail(t.ctrl, TCM_GETCURSEL, 0, 0, L"TCM_GETCURSEL");
        if (cur == want) return 0;
        if (deadline.passed()) fail(L"the tab strip stays at " + std::to_wstring(cur) + L", wanted " + a[1]);
        pressKey(t.ctrl, cur < want ? VK_RIGHT : VK_LEFT);
        // The next key is chosen only once this one has moved the selection: while the program
        // handles a key it may answer our messages (when it waits on another thread), so having
        // been answered does not prove the key was taken, and a key pressed on a stale reading
        // would take the strip past the tab.
        pollUntil(deadline.left(), [&] { return sendOrFail(t.ctrl, TCM_GETCURSEL, 0, 0, L"TCM_GETCURSEL") != cur; });
    }
}

int cmdMenu(const Args& a) {
    need(a, 2, L"<title> <access letter> [ms]");
    DWORD ms = timeoutArg(a, 2);
    if (a[1].size() != 1) usage(L"the access letter is one character");
    Target t = find(a[0], parseSelector(L"."), ms);
    if (!IsWindowEnabled(t.top)) fail(L"the window is disabled (a modal box is open?)");
    PostMessageW(t.top, WM_SYSCOMMAND, SC_KEYMENU, (LPARAM)std::towlower(a[1][0]));
    settle(t.top, 1);
    return 0;
}

int cmdFocusOf(const Args& a) {
    print(describeFocus(windowArg(a).top));
    return 0;
}

int cmdWaitFocus(const Args& a) {
    need(a, 2, L"<title> <selector> [ms]");
    DWORD ms = timeoutArg(a, 2);
    Selector sel = parseSelector(a[1]);
    Target t = find(a[0], sel, ms);
    if (!pollUntil(ms, [&] { return focusedWindow(t.top) == t.ctrl; }))
        fail(L"the focus is on " + describeFocus(t.top) + L", not on " + a[1]);
    return 0;
}

int cmdWaitPainted(const Args& a) {
    Target t = windowArg(a);
    DWORD ms = timeoutArg(a, 1);
    // Painted when nothing waits for WM_PAINT and the screen shows the same twice in a row.
    std::vector<DWORD> before;
    bool steady = pollUntil(ms, [&] {
        settle(t.top, 0);
        if (paintPending(t.top)) {
            before.clear();
            return false;
        }
        RECT r{};
        GetWindowRect(t.top, &r);
        std::vector<DWORD> now = grabScreen(r.left, r.top, r.right - r.left, r.bottom - r.top);
        bool same = !before.empty() && now == before;
        before = std::move(now);
        if (!same) Sleep(40);
        return same;
    });
    if (!steady) fail(L"the window " + quoted(a[0]) + L" did not finish painting");
    return 0;
}

int cmdMsgBox(const Args& a) {
    need(a, 1, L"<title> [ms]");
    DWORD ms = timeoutArg(a, 1);
    print(controlText(GetDlgItem(findBox(a[0], ms), kMsgBoxTextId)));
    return 0;
}

int cmdMsgBoxInfo(const Args& a) {
    need(a, 1, L"<title> [ms]");
    DWORD ms = timeoutArg(a, 1);
    HWND box = findBox(a[0], ms);
    // The icon is read from the screen, so it must have been painted.
    std::wstring icon;
    pollUntil(std::min<DWORD>(ms, 3000), [&] {
        settle(box, 0);
        icon = paintPending(box) ? L"unknown" : boxIcon(box);
        return icon != L"unknown";
    });
    print(L"buttons=" + boxButtons(box) + L" icon=" + icon);
    return 0;
}

int cmdMsgBoxPress(const Args& a) {
    need(a, 2, L"<title> <button> [ms]");
    DWORD ms = timeoutArg(a, 2);
    int id = buttonId(a[1]);
    HWND box = findBox(a[0], ms);
    HWND button = GetDlgItem(box, id);
    if (!button || !IsWindowVisible(button))
        fail(L"the box " + quoted(a[0]) + L" has no " + a[1] + L" button (it has " + boxButtons(box) + L")");
    if (!IsWindowEnabled(button)) fail(L"the " + a[1] + L" button is disabled");
    PostMessageW(button, BM_CLICK, 0, 0);
    // Done when the box is destroyed: by then the program is back in the code that showed it.
    if (!pollUntil(ms, [&] { return !IsWindow(box); }) && IsWindowVisible(box))
        fail(L"the box " + quoted(a[0]) + L" stays open after " + a[1]);
    return 0;
}

int cmdStart(const Args& a) {
    need(a, 1, L"<exe> [arguments...]");
    std::wstring exe = a[0];
    std::wstring line = quoteArgument(exe);
    for (size_t i = 1; i < a.size(); ++i) line += L" " + quoteArgument(a[i]);
    std::wstring cwd = folderOf(exe);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    std::vector<wchar_t> buf(line.begin(), line.end());
    buf.push_back(0);
    if (!CreateProcessW(exe.c_str(), buf.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        cwd.empty() ? nullptr : cwd.c_str(), &si, &pi))
        fail(L"cannot start " + quoted(exe) + L" (error " + std::to_wstring(GetLastError()) + L")");
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    print(std::to_wstring(pi.dwProcessId));
    return 0;
}

int cmdWaitExit(const Args& a) {
    need(a, 1, L"<pid> [ms]");
    DWORD ms = timeoutArg(a, 1);
    DWORD pid = (DWORD)parseInt(a[0], L"pid");
    HANDLE h = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (!h) return 0;  // already gone
    DWORD r = WaitForSingleObject(h, ms);
    CloseHandle(h);
    if (r != WAIT_OBJECT_0) fail(L"process " + a[0] + L" is still running after " + std::to_wstring(ms) + L" ms");
    return 0;
}

int cmdKill(const Args& a) {
    need(a, 1, L"<pid>");
    DWORD pid = (DWORD)parseInt(a[0], L"pid");
    HANDLE h = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
    if (!h) return 0;  // already gone
    TerminateProcess(h, 1);
    WaitForSingleObject(h, kSendTimeoutMs);
    CloseHandle(h);
    return 0;
}

int cmdWaitFile(const Args& a) {
    need(a, 1, L"<path> [ms]");
    DWORD ms = timeoutArg(a, 1);
    if (!pollUntil(ms, [&] { return fileExists(a[0]); }))
        fail(L"no file " + quoted(a[0]) + L" after " + std::to_wstring(ms) + L" ms");
    return 0;
}

int cmdNoFile(const Args& a) {
    need(a, 2, L"<path> <ms>");
    if (a.size() > 2) usage(L"too many arguments");
    DWORD ms = (DWORD)parseInt(a[1], L"duration");
    if (pollUntil(ms, [&] { return fileExists(a[0]); })) fail(L"the file " + quoted(a[0]) + L" appeared");
    return 0;
}

// The text of one item of another program's tree view.
std::wstring treeItemText(HWND tree, HTREEITEM item) {
    constexpr int kChars = 520;
    RemoteBuffer buf(tree, sizeof(TVITEMW) + kChars * sizeof(wchar_t));
    TVITEMW it{};
    it.mask = TVIF_TEXT;
    it.hItem = item;
    it.pszText = reinterpret_cast<LPWSTR>(buf.address() + sizeof(TVITEMW));
    it.cchTextMax = kChars;
    buf.write(&it, sizeof it);
    if (!sendOrFail(tree, TVM_GETITEMW, 0, buf.address(), L"TVM_GETITEMW"))
        fail(L"the tree does not give the item's text");
    std::vector<char> all(sizeof(TVITEMW) + kChars * sizeof(wchar_t));
    buf.read(all.data());
    const auto* text = reinterpret_cast<const wchar_t*>(all.data() + sizeof(TVITEMW));
    return std::wstring(text, wcsnlen(text, kChars));
}

struct TreeNode {
    HTREEITEM item;
    std::wstring text;
};

// The selected item of a tree view and its parents, from the root down; empty when none.
std::vector<TreeNode> treeChain(HWND tree) {
    std::vector<TreeNode> chain;
    LRESULT item = sendOrFail(tree, TVM_GETNEXTITEM, TVGN_CARET, 0, L"TVM_GETNEXTITEM");
    for (; item; item = sendOrFail(tree, TVM_GETNEXTITEM, TVGN_PARENT, item, L"TVM_GETNEXTITEM")) {
        auto h = reinterpret_cast<HTREEITEM>(item);
        chain.push_back({h, treeItemText(tree, h)});
    }
    std::reverse(chain.begin(), chain.end());
    return chain;
}

constexpr wchar_t kTreeSeparator[] = L" > ";

// "A > B > C"; empty when nothing is selected.
std::wstring treeSelection(HWND tree) {
    std::wstring path;
    for (const TreeNode& n : treeChain(tree)) path += (path.empty() ? L"" : kTreeSeparator) + n.text;
    return path;
}

int cmdTreePath(const Args& a) {
    need(a, 2, L"<title> <selector> [ms]");
    DWORD ms = timeoutArg(a, 2);
    Target t = find(a[0], parseSelector(a[1]), ms);
    std::wstring path = treeSelection(t.ctrl);
    if (path.empty()) fail(L"the tree has no selected item");
    print(path);
    return 0;
}

int cmdClose(const Args& a) {
    Target t = windowArg(a);
    // What the window's close control sends.
    PostMessageW(t.top, WM_SYSCOMMAND, SC_CLOSE, 0);
    settle(t.top, 1);
    return 0;
}

// Whether a person sees the control: shown, and what lies at its centre is the control itself
// (or, for a label or group box that lets clicks through, something of the same parent).
bool seenNow(const Target& t) {
    if (!IsWindowVisible(t.ctrl)) return false;
    if (t.ctrl == t.top) return true;
    RECT r{};
    GetWindowRect(t.ctrl, &r);
    HWND hit = hitTest({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
    if (hit == t.ctrl || IsChild(t.ctrl, hit)) return true;
    HWND parent = GetParent(t.ctrl);
    return clickThrough(t.ctrl) && (hit == parent || IsChild(parent, hit));
}

int cmdSeen(const Args& a) {
    need(a, 2, L"<title> <selector> [ms]");
    DWORD ms = timeoutArg(a, 2);
    print(seenNow(find(a[0], parseSelector(a[1]), ms)) ? L"1" : L"0");
    return 0;
}

// What a control's caption needs in the dialog font against the room the control gives it:
// empty when it fits, else a line saying what is cut off. Statics and buttons only; a check
// box's or option button's text starts after its box, as the button control draws it. (A font
// handle is good only in the process that made it, so the control's own font cannot be asked
// for: the driver makes the dialog font, MS Shell Dlg 2 at 8 points, at the control's DPI, or at
// the DPI given when the program was told of another.)
std::wstring clippedCaption(HWND h, int dpiGiven) {
    const std::wstring cls = className(h), text = controlText(h);
    if (text.empty()) return L"";
    const LONG style = GetWindowLongW(h, GWL_STYLE);
    const bool isStatic = _wcsicmp(cls.c_str(), L"Static") == 0;
    if (!isStatic && _wcsicmp(cls.c_str(), L"Button") != 0) return L"";
    const LONG type = isStatic ? (style & SS_TYPEMASK) : (style & BS_TYPEMASK);
    if (isStatic && type > SS_RIGHT && type != SS_SIMPLE && type != SS_LEFTNOWORDWRAP) return L"";  // pictures, frames
    RECT client{};
    GetClientRect(h, &client);
    const int dpi = dpiGiven ? dpiGiven : static_cast<int>(GetDpiForWindow(h));
    HFONT font =
        CreateFontW(-MulDiv(8, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"MS Shell Dlg 2");
    HDC dc = GetDC(h);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW tm{};
    GetTextMetricsW(dc, &tm);
    int width = client.right, height = client.bottom;
    bool wraps = isStatic ? type != SS_SIMPLE && type != SS_LEFTNOWORDWRAP : (style & BS_MULTILINE) != 0;
    bool box = false;
    if (!isStatic) {
        box = type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE || type == BS_AUTO3STATE ||
            type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
        if (box) {
            width -= MulDiv(12, dpi, 96) + 1 + tm.tmAveCharWidth / 2;
        } else if (type == BS_GROUPBOX) {
            width -= 2 * MulDiv(5, dpi, 96);  // the caption sits in the frame line, inset at both ends
            height = tm.tmHeight;
            wraps = false;
        } else {
            width -= 2 * GetSystemMetrics(SM_CXEDGE) + 2;
            height -= 2 * GetSystemMetrics(SM_CYEDGE);
        }
    }
    RECT need{0, 0, width, 0};
    UINT flags = DT_CALCRECT | (wraps ? DT_WORDBREAK : DT_SINGLELINE);
    if (isStatic && (style & SS_NOPREFIX)) flags |= DT_NOPREFIX;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &need, flags);
    SelectObject(dc, old);
    ReleaseDC(h, dc);
    DeleteObject(font);
    if (need.right <= width && need.bottom <= height) return L"";
    return quoted(text) + L" needs " + std::to_wstring(need.right) + L"x" + std::to_wstring(need.bottom) +
        L" but has " + std::to_wstring(width) + L"x" + std::to_wstring(height);
}

int cmdClipped(const Args& a) {
    need(a, 1, L"<title> [ms [dpi]]");
    if (a.size() > 3) usage(L"too many arguments");
    const int dpi = a.size() == 3 ? (int)parseInt(a[2], L"dpi") : 0;
    Target t = find(a[0], parseSelector(L"."), a.size() >= 2 ? (DWORD)parseInt(a[1], L"timeout") : kDefaultTimeoutMs);
    int cut = 0;
    for (HWND h : descendants(t.top)) {
        if (!IsWindowVisible(h)) continue;
        std::wstring line = clippedCaption(h, dpi);
        if (line.empty()) continue;
        print(ordinalName(t.top, h) + L" " + line + L"\n");
        ++cut;
    }
    if (cut) fail(std::to_wstring(cut) + L" captions cut off");
    return 0;
}

// The controls that Tab should reach in a window: every shown, enabled control with a tab stop,
// except option buttons (an option array is reached at its chosen button). Fails, naming them,
// when a shown, enabled edit box, check box, push button, slider or calendar has no tab stop.
int cmdTabStops(const Args& a) {
    Target t = windowArg(a);
    int missing = 0;
    for (HWND h : descendants(t.top)) {
        if (!IsWindowVisible(h) || !IsWindowEnabled(h)) continue;
        const std::wstring cls = className(h);
        const LONG style = GetWindowLongW(h, GWL_STYLE);
        const LONG type = style & BS_TYPEMASK;
        const bool isButton = _wcsicmp(cls.c_str(), L"Button") == 0;
        const bool option = isButton && (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON);
        const bool takesFocus = (isButton && type != BS_GROUPBOX && !option) || _wcsicmp(cls.c_str(), L"Edit") == 0 ||
            _wcsicmp(cls.c_str(), TRACKBAR_CLASSW) == 0 || _wcsicmp(cls.c_str(), MONTHCAL_CLASSW) == 0 ||
            _wcsicmp(cls.c_str(), WC_TABCONTROLW) == 0;
        if (option) continue;
        if (style & WS_TABSTOP) {
            print(ordinalName(t.top, h) + L"\n");
        } else if (takesFocus) {
            print(L"no tab stop: " + ordinalName(t.top, h) + L" " + quoted(controlText(h)) + L"\n");
            ++missing;
        }
    }
    return missing ? 1 : 0;
}

// Presses Tab as the keyboard does (SendInput to the window in front) until the focus is back
// where it started, and prints each control it stopped at: its name, its rectangle and whether
// it is seen (shown and not covered at its centre). Fails when a Tab leaves the focus where it
// was or the walk takes more than <max> presses.
int cmdTabWalk(const Args& a) {
    need(a, 1, L"<title> [max] [ms]");
    int max = a.size() > 1 ? std::stoi(a[1]) : 60;
    DWORD ms = timeoutArg(a, 2);
    Target t = find(a[0], parseSelector(L"."), ms);
    SetForegroundWindow(t.top);
    HWND first = focusedWindow(t.top);
    if (!first) fail(L"nothing in \"" + a[0] + L"\" has the focus");
    HWND at = first;
    for (int i = 0; i < max; ++i) {
        INPUT keys[2]{};
        keys[0].type = keys[1].type = INPUT_KEYBOARD;
        keys[0].ki.wVk = keys[1].ki.wVk = VK_TAB;
        keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(2, keys, sizeof(INPUT));
        HWND from = at;
        if (!pollUntil(2000, [&] { return (at = focusedWindow(t.top)) != from && at != nullptr; }))
            fail(L"Tab left the focus on " + ordinalName(t.top, from));
        RECT r{};
        GetWindowRect(at, &r);
        print(ordinalName(t.top, at) + L" " + std::to_wstring(r.left) + L" " + std::to_wstring(r.top) + L" " +
              std::to_wstring(r.right) + L" " + std::to_wstring(r.bottom) + L" " +
              (seenNow(Target{t.top, at}) ? L"seen" : L"unseen") + L"\n");
        if (at == first) return 0;
    }
    fail(L"Tab did not come back to " + ordinalName(t.top, first) + L" within " + std::to_wstring(max) + L" presses");
    return 1;
}

// Finds controls like resolve() for many selectors in one walk of a window: each control's
// class and text are asked for once.
class WindowSnapshot {
public:
    explicit WindowSnapshot(HWND top) : top_(top), all_(descendants(top)) {}

    HWND resolve(const Selector& sel) {
        return pick(
            top_, all_, sel, [this](HWND h) { return cls(h); }, [this](HWND h) { return text(h); });
    }

private:
    const std::wstring& cls(HWND h) {
        auto it = classes_.find(h);
        return it != classes_.end() ? it->second : classes_.emplace(h, className(h)).first->second;
    }
    const std::wstring& text(HWND h) {
        auto it = texts_.find(h);
        return it != texts_.end() ? it->second : texts_.emplace(h, controlText(h)).first->second;
    }

    HWND top_;
    std::vector<HWND> all_;
    std::map<HWND, std::wstring> classes_, texts_;
};

int cmdExpectAll(const Args& a) {
    need(a, 5, L"<title> <ms> <sel> <property> <value> [<sel> <property> <value>...]");
    if ((a.size() - 2) % 3 != 0) usage(L"the checks come in threes: <sel> <property> <value>");
    DWORD ms = (DWORD)parseInt(a[1], L"timeout");
    std::vector<Selector> sels;
    for (size_t i = 2; i < a.size(); i += 3) sels.push_back(parseSelector(a[i]));
    std::wstring report;
    bool ok = pollUntil(ms, [&] {
        report.clear();
        const std::vector<HWND> tops = windowsTitled(a[0]);
        std::vector<WindowSnapshot> windows(tops.begin(), tops.end());
        for (size_t k = 0; k < sels.size(); ++k) {
            const std::wstring& prop = a[2 + 3 * k + 1];
            const std::wstring& want = a[2 + 3 * k + 2];
            Target t;
            for (size_t w = 0; w < windows.size() && !t; ++w)
                if (HWND c = windows[w].resolve(sels[k])) t = {tops[w], c};
            if (!t) {
                report += L"  " + whyNotFound(a[0], sels[k]) + L"\n";
                continue;
            }
            std::wstring got = prop == L"seen" ? std::wstring(seenNow(t) ? L"1" : L"0") : property(t, prop);
            if (got != want)
                report += L"  " + sels[k].source + L" " + prop + L" is " + quoted(got) + L", expected " + quoted(want) +
                    L"\n";
        }
        return report.empty();
    });
    if (!ok) fail(L"not as expected:\n" + report);
    return 0;
}

// The selection of an edit box, as EM_GETSEL gives it: "start end" (end past the last character).
std::wstring editSelection(HWND h) {
    LRESULT r = sendOrFail(h, EM_GETSEL, 0, 0, L"EM_GETSEL");
    return std::to_wstring(LOWORD(r)) + L" " + std::to_wstring(HIWORD(r));
}

int cmdExpectSel(const Args& a) {
    need(a, 4, L"<title> <selector> <start> <end> [ms]");
    DWORD ms = timeoutArg(a, 4);
    std::wstring want = std::to_wstring(parseInt(a[2], L"start")) + L" " + std::to_wstring(parseInt(a[3], L"end"));
    Target t = find(a[0], parseSelector(a[1]), ms);
    std::wstring last;
    if (!pollUntil(ms, [&] { return (last = editSelection(t.ctrl)) == want; }))
        fail(a[1] + L" selection is " + quoted(last) + L", expected " + quoted(want));
    return 0;
}

std::vector<std::wstring> splitTreePath(const std::wstring& path) {
    std::vector<std::wstring> parts;
    size_t from = 0;
    for (;;) {
        size_t at = path.find(kTreeSeparator, from);
        parts.push_back(path.substr(from, at == std::wstring::npos ? std::wstring::npos : at - from));
        if (at == std::wstring::npos) return parts;
        from = at + wcslen(kTreeSeparator);
    }
}

// Goes to the item of the path with the arrow keys, as a person looking at the tree would:
// Right opens the item on the way (or steps into it when open), Down and Up move among its
// children, Left closes a wrong item or climbs out of a wrong branch. Every key is chosen from
// what the tree shows at that moment, so items that come and go on the way do no harm.
int cmdTreeChoose(const Args& a) {
    need(a, 3, L"<title> <selector> <path> [ms]");
    DWORD ms = timeoutArg(a, 3);
    Target t = find(a[0], parseSelector(a[1]), ms);
    const std::vector<std::wstring> target = splitTreePath(a[2]);
    Deadline deadline(ms);
    std::vector<TreeNode> chain;
    pollUntil(ms, [&] {  // a tree that is still being filled has no selection yet
        chain = treeChain(t.ctrl);
        return !chain.empty();
    });
    if (chain.empty()) fail(L"nothing is chosen in the tree, where the arrow keys do nothing");
    for (;;) {
        size_t common = 0;
        while (common < chain.size() && common < target.size() && chain[common].text == target[common]) ++common;
        if (common == chain.size() && common == target.size()) return 0;
        if (deadline.passed()) fail(L"the tree is at " + quoted(treeSelection(t.ctrl)) + L", not at " + quoted(a[2]));
        const TreeNode& at = chain.back();
        bool open =
            sendOrFail(t.ctrl, TVM_GETITEMSTATE, (WPARAM)at.item, TVIS_EXPANDED, L"TVM_GETITEMSTATE") & TVIS_EXPANDED;
        UINT vk;
        if (common == chain.size()) {
            vk = VK_RIGHT;  // on the way: open it, or step to its first child
        } else if (common == 0) {
            fail(L"the tree's root is " + quoted(chain.front().text) + L", not " + quoted(target.front()));
        } else if (common == target.size() || chain.size() > common + 1 || open) {
            vk = VK_LEFT;  // below the item or in a wrong branch: close it, or climb to its parent
        } else {
            // A sibling of the wanted item: it lies below when it is among the next siblings.
            vk = VK_UP;
            for (LRESULT next = (LRESULT)at.item;
                 (next = sendOrFail(t.ctrl, TVM_GETNEXTITEM, TVGN_NEXT, next, L"TVM_GETNEXTITEM"));)
                if (treeItemText(t.ctrl, reinterpret_cast<HTREEITEM>(next)) == target[common]) {
                    vk = VK_DOWN;
                    break;
                }
        }
        // As for the tab strip: the next key is chosen from what this one did, not before it took.
        const auto state = [&] {
            const auto item = sendOrFail(t.ctrl, TVM_GETNEXTITEM, TVGN_CARET, 0, L"TVM_GETNEXTITEM");
            return std::pair(
                item,
                item ? sendOrFail(t.ctrl, TVM_GETITEMSTATE, (WPARAM)item, TVIS_EXPANDED, L"TVM_GETITEMSTATE") &
                        TVIS_EXPANDED
                     : 0);
        };
        const auto before = state();
        pressKey(t.ctrl, vk);
        pollUntil(std::min<DWORD>(deadline.left(), 2000), [&] { return state() != before; });
        chain = treeChain(t.ctrl);
        if (chain.empty()) fail(L"the tree lost its selection");
    }
}

// Types like `type`, but lets each key come up only once its character has changed the control's
// text. The program posts the character itself when it takes the key press, so a release posted
// before that could be taken first (two sends may be answered in a row, before the press is
// taken); a rule that runs on key release would then not see the character. Every key of the
// text must change the control's text.
int cmdTypeEach(const Args& a) {
    need(a, 3, L"<title> <selector> <text> [ms]");
    DWORD ms = timeoutArg(a, 3);
    Target t = find(a[0], parseSelector(a[1]), ms);
    for (wchar_t c : a[2]) {
        std::wstring before = controlText(t.ctrl);
        SHORT v = VkKeyScanW(c);
        UINT vk = v == -1 ? 0 : LOBYTE(v);
        if (v != -1 && HIBYTE(v) == 0 && c != L'\r' && c != L'\n')
            PostMessageW(t.ctrl, WM_KEYDOWN, vk, keyLParam(vk, false));
        else
            PostMessageW(t.ctrl, WM_CHAR, c, 1);
        if (!pollUntil(ms, [&] { return controlText(t.ctrl) != before; }))
            fail(L"the text did not change at the key " + quoted(std::wstring(1, c)));
        if (vk) releaseKey(t.ctrl, vk);
    }
    return 0;
}

struct Command {
    const wchar_t* name;
    int (*run)(const Args&);
    const wchar_t* help;
};

// What a tab strip shows wrong: scroll arrows, or tabs that fill it with less than a few pixels
// to spare (the next font or rounding would make it scroll). Empty when its tabs fit.
std::wstring tabStripProblem(HWND tab) {
    for (HWND child = GetWindow(tab, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (IsWindowVisible(child) && sameNoCase(className(child), UPDOWN_CLASSW))
            return L"shows scroll arrows: its tabs do not fit";
    LRESULT count = sendOrFail(tab, TCM_GETITEMCOUNT, 0, 0, L"TCM_GETITEMCOUNT");
    if (count <= 0) return L"";
    RemoteBuffer buf(tab, sizeof(RECT));
    if (!sendOrFail(tab, TCM_GETITEMRECT, (WPARAM)(count - 1), buf.address(), L"TCM_GETITEMRECT"))
        fail(L"the tab strip does not give its last tab's place");
    RECT last{}, client{};
    buf.read(&last);
    GetClientRect(tab, &client);
    const int spare = client.right - last.right, want = MulDiv(12, (int)GetDpiForWindow(tab), 96);
    if (spare >= want) return L"";
    return L"has " + std::to_wstring(spare) + L" pixels to spare after its last tab, fewer than " +
        std::to_wstring(want);
}

bool isCheckBox(HWND h) {
    const LONG type = GetWindowLongW(h, GWL_STYLE) & BS_TYPEMASK;
    return sameNoCase(className(h), L"Button") &&
        (type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_3STATE || type == BS_AUTO3STATE);
}

// A text box standing in a check box's caption must sit in the caption's blanks: the screen shows
// no ink of the caption right beside either of its edges. Empty when it does (or stands in none).
std::wstring captionCovered(HWND edit) {
    RECT e{};
    GetWindowRect(edit, &e);
    for (HWND sib = GetWindow(edit, GW_HWNDFIRST); sib; sib = GetWindow(sib, GW_HWNDNEXT)) {
        RECT c{}, both{};
        if (sib == edit || !IsWindowVisible(sib) || !isCheckBox(sib)) continue;
        GetWindowRect(sib, &c);
        if (!IntersectRect(&both, &e, &c)) continue;
        // The middle third of the box's height, clear of a focus rectangle round the caption.
        const int top = e.top + (e.bottom - e.top) / 3, rows = std::max<int>(1, (e.bottom - e.top) / 3);
        constexpr int kBeside = 2;
        for (int x : {(int)e.left - kBeside, (int)e.right}) {
            for (DWORD p : grabScreen(x, top, kBeside, rows)) {
                const int light = std::max({(int)(p >> 16) & 0xFF, (int)(p >> 8) & 0xFF, (int)p & 0xFF});
                if (light < 160)
                    return L"covers the caption of " + quoted(controlText(sib)) + L": ink beside its " +
                        (x < e.left ? L"left" : L"right") + L" edge";
            }
        }
    }
    return L"";
}

// Shown controls that reach outside their parent's client area (a page outside the window's, a
// control outside its page), tab strips whose tabs do not fit with room to spare, and text boxes
// that cover their check box's caption; fails if any. Wants the window painted.
int cmdMisplaced(const Args& a) {
    Target t = windowArg(a);
    int wrong = 0;
    for (HWND h : descendants(t.top)) {
        if (!IsWindowVisible(h)) continue;
        std::wstring problem;
        HWND parent = GetParent(h);
        RECT r{}, room{};
        GetWindowRect(h, &r);
        GetClientRect(parent, &room);
        MapWindowPoints(parent, nullptr, reinterpret_cast<POINT*>(&room), 2);
        if (sameNoCase(className(h), UPDOWN_CLASSW) && sameNoCase(className(parent), WC_TABCONTROLW))
            continue;  // the tab strip's own arrows: told below
        if (r.left < room.left || r.top < room.top || r.right > room.right || r.bottom > room.bottom)
            problem = L"at " + rectText(r) + L" reaches outside " + rectText(room);
        else if (sameNoCase(className(h), WC_TABCONTROLW))
            problem = tabStripProblem(h);
        else if (sameNoCase(className(h), L"Edit"))
            problem = captionCovered(h);
        if (problem.empty()) continue;
        print(ordinalName(t.top, h) + L" " + quoted(controlText(h)) + L" " + problem + L"\n");
        ++wrong;
    }
    if (wrong) fail(std::to_wstring(wrong) + L" controls out of place");
    return 0;
}

// ---------------------------------------------------------------------------------------------
// Names a screen reader gives

// The name an edit box, slider, calendar or date picker is given by the label rule: the text of
// the nearest label or group box before it among its siblings (shown or not), unless a shown
// control that Tab stops at comes first. Empty when it has none.
std::wstring labelName(HWND h) {
    for (HWND p = GetWindow(h, GW_HWNDPREV); p; p = GetWindow(p, GW_HWNDPREV)) {
        const LONG style = GetWindowLongW(p, GWL_STYLE);
        const std::wstring cls = className(p);
        if (sameNoCase(cls, L"Static") || (sameNoCase(cls, L"Button") && (style & BS_TYPEMASK) == BS_GROUPBOX))
            return controlText(p);
        if ((style & WS_VISIBLE) && (style & WS_TABSTOP)) return L"";
    }
    return L"";
}

// What the system's own accessibility layer (oleacc) calls a window when a reader asks; "?" where
// there is no such layer to ask.
std::wstring msaaName(HWND h) {
    static win32::LazyModule oleacc(L"oleacc.dll"), oleaut32(L"oleaut32.dll");
    auto fromWindow = oleacc.function<decltype(::AccessibleObjectFromWindow)>("AccessibleObjectFromWindow");
    auto freeString = oleaut32.function<decltype(::SysFreeString)>("SysFreeString");
    IAccessible* acc = nullptr;
    if (!fromWindow || !freeString ||
        FAILED(fromWindow(h, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible), (void**)&acc)) || !acc)
        return L"?";
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    std::wstring text = SUCCEEDED(acc->get_accName(self, &name)) && name ? name : L"";
    if (name) freeString(name);
    acc->Release();
    return text;
}

// Every shown edit box, slider, calendar and date picker of the window with the name the label
// rule gives it, what oleacc calls it, and a calendar's own text; fails naming those without one.
int cmdNames(const Args& a) {
    Target t = windowArg(a);
    msaaName(t.top);  // a reader asks the window before its controls
    int unnamed = 0;
    for (HWND h : descendants(t.top)) {
        const std::wstring cls = className(h);
        const bool calendar = sameNoCase(cls, MONTHCAL_CLASSW);
        if (!IsWindowVisible(h) ||
            !(calendar || sameNoCase(cls, L"Edit") || sameNoCase(cls, TRACKBAR_CLASSW) ||
              sameNoCase(cls, DATETIMEPICK_CLASSW)))
            continue;
        const std::wstring name = labelName(h);
        print(ordinalName(t.top, h) + L" " + quoted(name) + L" msaa=" + quoted(msaaName(h)) +
              (calendar ? L" text=" + quoted(controlText(h)) : L"") + L"\n");
        if (name.empty()) {
            report(L"no name: " + ordinalName(t.top, h) + L"\n");
            ++unnamed;
        }
    }
    if (unnamed) fail(std::to_wstring(unnamed) + L" inputs without a name");
    return 0;
}

// The visible tooltip of a process, or null.
HWND shownTooltip(DWORD pid) {
    for (HWND top : topLevelWindows()) {
        DWORD owner = 0;
        GetWindowThreadProcessId(top, &owner);
        if (owner == pid && IsWindowVisible(top) && sameNoCase(className(top), TOOLTIPS_CLASSW)) return top;
    }
    return nullptr;
}

// Moves the mouse pointer as a person does, to a point on the screen.
void movePointer(int x, int y) {
    INPUT move{};
    move.type = INPUT_MOUSE;
    move.mi.dx = MulDiv(x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    move.mi.dy = MulDiv(y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &move, sizeof move);
}

// Rests the mouse pointer on the control and prints the text of the tooltip the program shows for
// it; the pointer starts and ends in the screen's far corner, so no other tip is taken for it and
// none is left showing.
int cmdTooltip(const Args& a) {
    need(a, 2, L"<title> <selector> [ms]");
    DWORD ms = timeoutArg(a, 2);
    Target t = findClickable(a[0], parseSelector(a[1]), ms);
    DWORD pid = 0;
    GetWindowThreadProcessId(t.top, &pid);
    const int cornerX = GetSystemMetrics(SM_CXSCREEN) - 1, cornerY = GetSystemMetrics(SM_CYSCREEN) - 1;
    movePointer(cornerX, cornerY);
    if (!pollUntil(ms, [&] { return !shownTooltip(pid); })) fail(L"a tooltip stays shown with the pointer away");
    RECT r{};
    GetWindowRect(t.ctrl, &r);
    // Two moves: the first may be what makes the program set its tooltips up.
    for (int dx : {-2, 0}) {
        movePointer((r.left + r.right) / 2 + dx, (r.top + r.bottom) / 2);
        settle(t.ctrl, 1);
    }
    HWND tip = pollUntil(ms, [&] { return shownTooltip(pid); });
    if (!tip) fail(L"no tooltip shows for " + a[1] + L" within " + std::to_wstring(ms) + L" ms");
    print(controlText(tip));
    movePointer(cornerX, cornerY);
    return 0;
}

// Tells a window that its DPI changed, as Windows does when it moves to a monitor of another
// scale (Wine never sends it by itself): the new DPI, and the suggested rectangle (its place
// now, its size scaled from the old DPI to the new) written into the program's memory.
int cmdDpiChange(const Args& a) {
    need(a, 3, L"<title> <old dpi> <new dpi> [ms]");
    Target t = find(a[0], parseSelector(L"."), timeoutArg(a, 3));
    const int from = (int)parseInt(a[1], L"old dpi"), to = (int)parseInt(a[2], L"new dpi");
    if (from <= 0 || to <= 0) usage(L"a DPI is a positive number");
    RECT r{};
    GetWindowRect(t.top, &r);
    RECT suggested{r.left, r.top, r.left + MulDiv(r.right - r.left, to, from),
                   r.top + MulDiv(r.bottom - r.top, to, from)};
    RemoteBuffer buf(t.top, sizeof(RECT));
    buf.write(&suggested, sizeof suggested);
    sendOrFail(t.top, WM_DPICHANGED, MAKEWPARAM(to, to), buf.address(), L"WM_DPICHANGED");
    return 0;
}

// The colours a person sees in a control's client area, the most frequent first: "RRGGBB count"
// lines. Wants the window painted.
int cmdColours(const Args& a) {
    need(a, 2, L"<title> <selector> [ms]");
    Target t = find(a[0], parseSelector(a[1]), timeoutArg(a, 2));
    RECT r{};
    GetClientRect(t.ctrl, &r);
    POINT origin{0, 0};
    ClientToScreen(t.ctrl, &origin);
    std::map<DWORD, size_t> counts;
    for (DWORD p : grabScreen(origin.x, origin.y, r.right, r.bottom)) ++counts[p];
    std::vector<std::pair<DWORD, size_t>> sorted(counts.begin(), counts.end());
    std::stable_sort(sorted.begin(), sorted.end(), [](const auto& x, const auto& y) { return x.second > y.second; });
    for (const auto& [colour, count] : sorted) {
        wchar_t line[32];
        swprintf(line, 32, L"%06lX %zu\n", static_cast<unsigned long>(colour), count);
        print(line);
    }
    return 0;
}

// The process of a window, opened for what the commands below do in it.
HANDLE openProgram(HWND top) {
    DWORD pid = 0;
    GetWindowThreadProcessId(top, &pid);
    HANDLE process = OpenProcess(PROCESS_CREATE_THREAD | PROCESS_QUERY_INFORMATION | PROCESS_VM_OPERATION |
                                     PROCESS_VM_READ | PROCESS_VM_WRITE | SYNCHRONIZE,
                                 FALSE, pid);
    if (!process) fail(L"cannot open the program's process");
    return process;
}

// Runs a function of kernel32 (loaded at the same address in every process) with one argument on
// a new thread of the program's; its exit code.
DWORD runInProgram(HWND top, const char* function, LPVOID argument, DWORD ms) {
    auto start = reinterpret_cast<LPTHREAD_START_ROUTINE>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), function)));
    HANDLE process = openProgram(top);
    HANDLE thread = CreateRemoteThread(process, nullptr, 0, start, argument, 0, nullptr);
    CloseHandle(process);
    if (!thread) fail(L"cannot start a thread in the program");
    DWORD code = 0;
    const bool done = WaitForSingleObject(thread, ms) == WAIT_OBJECT_0 && GetExitCodeThread(thread, &code);
    CloseHandle(thread);
    if (!done) fail(L"the program's thread did not finish in time");
    return code;
}

// The modules loaded in a window's program, by name.
std::map<std::wstring, HMODULE> programModules(HWND top) {
    DWORD pid = 0;
    GetWindowThreadProcessId(top, &pid);
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, pid);
    if (snapshot == INVALID_HANDLE_VALUE) fail(L"cannot list the program's modules");
    std::map<std::wstring, HMODULE> modules;
    MODULEENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Module32FirstW(snapshot, &entry); more; more = Module32NextW(snapshot, &entry)) {
        std::wstring name = entry.szModule;
        for (auto& c : name) c = (wchar_t)std::towlower(c);
        modules[name] = entry.hModule;
    }
    CloseHandle(snapshot);
    return modules;
}

int cmdModules(const Args& a) {
    for (const auto& [name, module] : programModules(windowArg(a).top)) print(name + L"\n");
    return 0;
}

// Loads a DLL into a window's program, for a test that stands in for a part of the system that
// Wine does not have.
int cmdInject(const Args& a) {
    need(a, 2, L"<title> <dll path> [ms]");
    DWORD ms = timeoutArg(a, 2);
    Target t = find(a[0], parseSelector(L"."), ms);
    const std::wstring& path = a[1];
    RemoteBuffer buf(t.top, (path.size() + 1) * sizeof(wchar_t));
    buf.write(path.c_str(), (path.size() + 1) * sizeof(wchar_t));
    if (!runInProgram(t.top, "LoadLibraryW", reinterpret_cast<LPVOID>(buf.address()), ms))
        fail(L"the program could not load " + quoted(path));
    return 0;
}

// Unloads a DLL that inject loaded, by its file name.
int cmdEject(const Args& a) {
    need(a, 2, L"<title> <dll name> [ms]");
    DWORD ms = timeoutArg(a, 2);
    Target t = find(a[0], parseSelector(L"."), ms);
    std::wstring name = a[1];
    for (auto& c : name) c = (wchar_t)std::towlower(c);
    const auto modules = programModules(t.top);
    auto found = modules.find(name);
    if (found == modules.end()) fail(L"the program has no module " + quoted(a[1]));
    if (!runInProgram(t.top, "FreeLibrary", found->second, ms)) fail(L"the program could not unload " + a[1]);
    return 0;
}

// Sends a message to every top-level window of a window's program, as the system tells every
// program of a change of its settings or colours.
void tellProgram(HWND top, UINT msg, WPARAM wp, const wchar_t* what) {
    DWORD pid = 0;
    GetWindowThreadProcessId(top, &pid);
    for (HWND h : topLevelWindows()) {
        DWORD owner = 0;
        GetWindowThreadProcessId(h, &owner);
        if (owner == pid) sendOrFail(h, msg, wp, 0, what);
    }
}

int cmdSettingChange(const Args& a) {
    need(a, 2, L"<title> <setting> [ms]");
    tellProgram(find(a[0], parseSelector(L"."), timeoutArg(a, 2)).top, WM_SETTINGCHANGE,
                (WPARAM)parseInt(a[1], L"setting"), L"WM_SETTINGCHANGE");
    return 0;
}

int cmdSysColorChange(const Args& a) {
    tellProgram(windowArg(a).top, WM_SYSCOLORCHANGE, 0, L"WM_SYSCOLORCHANGE");
    return 0;
}

const Command kCommands[] = {
    {L"wait-window", cmdWaitWindow, L"<title> [ms]                 a visible top-level window titled so"},
    {L"wait-gone", cmdWaitGone, L"<title> [ms]                   no visible window titled so"},
    {L"list-windows", cmdListWindows, L"                            visible top-level windows"},
    {L"list", cmdList, L"<title> [ms]                        the window's controls, with their selectors"},
    {L"get", cmdGet, L"<title> <sel> <property> [ms]         print a property (text check enabled ...)"},
    {L"get-text", cmdGetText, L"<title> <sel> [ms]              print the control's text"},
    {L"expect", cmdExpect, L"<title> <sel> <property> <value> [ms]  wait until the property is so"},
    {L"exists", cmdExists, L"<title> <sel>                     print 1 or 0 at once"},
    {L"set-text", cmdSetText, L"<title> <sel> <text> [ms]       WM_SETTEXT (as code setting it)"},
    {L"click", cmdClick, L"<title> <sel> [ms]                 post BM_CLICK once clickable"},
    {L"type", cmdType, L"<title> <sel> <text> [ms]            post the keys of the text"},
    {L"key", cmdKey, L"<title> <sel> <key> [count] [ms]        post a key (Return Tab Left F1 a ...)"},
    {L"select-tab", cmdSelectTab, L"<title> <n> [ms]              move the tab strip to position n"},
    {L"menu", cmdMenu, L"<title> <letter> [ms]               choose a menu item by its access key"},
    {L"focus-of", cmdFocusOf, L"<title> [ms]                    print Class:N of the focused control"},
    {L"wait-focus", cmdWaitFocus, L"<title> <sel> [ms]            wait until the control has the focus"},
    {L"wait-painted", cmdWaitPainted, L"<title> [ms]                wait until the window is painted and steady"},
    {L"msgbox", cmdMsgBox, L"<title> [ms]                      print the message box's text"},
    {L"msgbox-info", cmdMsgBoxInfo, L"<title> [ms]                 print buttons=ok,cancel icon=question"},
    {L"msgbox-press", cmdMsgBoxPress, L"<title> <button> [ms]       press ok|cancel|yes|no, wait it closes"},
    {L"start", cmdStart, L"<exe> [args...]                    start without waiting, print the pid"},
    {L"wait-exit", cmdWaitExit, L"<pid> [ms]                     wait until the process has ended"},
    {L"kill", cmdKill, L"<pid>                                end a process this run started"},
    {L"wait-file", cmdWaitFile, L"<path> [ms]                    wait until the file exists"},
    {L"no-file", cmdNoFile, L"<path> <ms>                      fail if the file appears within ms"},
    {L"tree-path", cmdTreePath, L"<title> <sel> [ms]             print the tree's selected item: A > B > C"},
    {L"close", cmdClose, L"<title> [ms]                        close the window as its close control does"},
    {L"clipped", cmdClipped,
     L"<title> [ms [dpi]]              list shown captions cut off by their control; fails if any"},
    {L"misplaced", cmdMisplaced,
     L"<title> [ms]                  controls outside their parent, tabs that scroll, captions covered"},
    {L"dpi-change", cmdDpiChange, L"<title> <old> <new> [ms]     send WM_DPICHANGED with a suggested rectangle"},
    {L"tab-stops", cmdTabStops, L"<title> [ms]                  controls Tab should reach (option buttons aside)"},
    {L"tab-walk", cmdTabWalk, L"<title> [max] [ms]              press Tab round the window: name rect seen"},
    {L"seen", cmdSeen, L"<title> <sel> [ms]                  print 1 if shown and not covered at its centre"},
    {L"expect-all", cmdExpectAll,
     L"<title> <ms> <sel> <prop> <value>...  wait until all are so (prop: any of get's, or seen)"},
    {L"expect-sel", cmdExpectSel, L"<title> <sel> <start> <end> [ms]  wait until the edit selection is so"},
    {L"tree-choose", cmdTreeChoose, L"<title> <sel> <A > B > C> [ms]   go to that tree item with the arrow keys"},
    {L"type-each", cmdTypeEach, L"<title> <sel> <text> [ms]       type, each key up once the text changed"},
    {L"names", cmdNames, L"<title> [ms]                       inputs with their names; fails if one has none"},
    {L"tooltip", cmdTooltip, L"<title> <sel> [ms]               rest the pointer on it, print its tooltip's text"},
    {L"colours", cmdColours, L"<title> <sel> [ms]               colours in the client area: RRGGBB count"},
    {L"modules", cmdModules, L"<title> [ms]                     the DLLs loaded in the window's program"},
    {L"inject", cmdInject, L"<title> <dll path> [ms]           load a DLL into the window's program"},
    {L"eject", cmdEject, L"<title> <dll name> [ms]             unload a DLL that inject loaded"},
    {L"setting-change", cmdSettingChange, L"<title> <setting> [ms]   WM_SETTINGCHANGE to the program's windows"},
    {L"syscolor-change", cmdSysColorChange, L"<title> [ms]           WM_SYSCOLORCHANGE to the program's windows"},
    {L"serve", cmdServe, L"<out file> <err file>            take commands on stdin (driver_session.cpp)"},
    {L"setenv", cmdSetEnv, L"<prefix> [NAME=VALUE...]        the variables with that prefix, for later starts"},
    {L"reset", cmdReset, L"<snapshot>                        end programs left in the prefix, put keys back"},
    {L"reg-save", cmdRegSave, L"<file> <key>...               save registry keys for reset"},
    {L"reg-set", cmdRegSet, L"<key> <name> sz|expand_sz|dword <data>  set a registry value"},
    {L"reg-delete", cmdRegDelete, L"<key>                       delete a registry key and all below it"},
};

void printUsage() {
    std::wstring text =
        L"usage: kvdriver <command> [arguments]\n"
        L"selectors: Class:N  Class=Caption  Class#K=Caption  Class@Id  .\n";
    for (const auto& c : kCommands) text += std::wstring(L"  ") + c.name + L" " + c.help + L"\n";
    report(text);
}

}  // namespace

int runCommand(const std::wstring& name, const Args& args) {
    for (const auto& c : kCommands) {
        if (name != c.name) continue;
        gaveUpAfter();
        try {
            return c.run(args);
        } catch (const UsageError& e) {
            report(L"kvdriver " + name + L": " + e.message + L"\n");
            return 2;
        } catch (const Failure& e) {
            // Say how long it waited, when a wait came to nothing and the reason does not say.
            const DWORD waited = gaveUpAfter();
            std::wstring why = e.message;
            while (!why.empty() && why.back() == L'\n') why.pop_back();
            if (waited && why.find(L" ms") == std::wstring::npos)
                why += (why.find(L'\n') == std::wstring::npos ? L" " : L"\n  ") +
                    (L"(waited " + std::to_wstring(waited) + L" ms)");
            report(L"kvdriver " + name + L": " + why + L"\n");
            return 1;
        }
    }
    report(L"kvdriver: unknown command " + quoted(name) + L"\n");
    printUsage();
    return 2;
}

}  // namespace kv

namespace {

void writeTo(DWORD which, const std::string& bytes) {
    HANDLE h = GetStdHandle(which);
    DWORD written = 0;
    if (h && h != INVALID_HANDLE_VALUE && !bytes.empty())
        WriteFile(h, bytes.data(), (DWORD)bytes.size(), &written, nullptr);
}

// Why a one-off command failed also goes to the file named by ZKV_DRIVER_LOG: now and then a
// failed command's stderr arrives empty under Wine, and the file still tells why.
void appendToLog(const std::string& bytes) {
    wchar_t path[MAX_PATH];
    DWORD n = GetEnvironmentVariableW(L"ZKV_DRIVER_LOG", path, MAX_PATH);
    if (bytes.empty() || n == 0 || n >= MAX_PATH) return;
    HANDLE f = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteFile(f, bytes.data(), (DWORD)bytes.size(), &written, nullptr);
    CloseHandle(f);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    int rc = 2;
    if (argc < 2) {
        kv::printUsage();
    } else {
        rc = kv::runCommand(argv[1], kv::Args(argv + 2, argv + argc));
    }
    writeTo(STD_OUTPUT_HANDLE, kv::takePrinted());
    const std::string why = kv::takeReported();
    writeTo(STD_ERROR_HANDLE, why);
    appendToLog(why);
    return rc;
}
