#include "ui/win32/Accessibility.h"

#include <commctrl.h>
#include <initguid.h>
#include <oleacc.h>

#include <algorithm>
#include <string>

#include "platform/win32/Utf.h"
#include "ui/AccessibleNames.h"
#include "ui/win32/ControlKinds.h"

namespace win32 {

namespace {

constexpr UINT_PTR kLinkSubclassId = 0x4C4B;  // apart from the hover subclass the link may have

bool clicksLink(WPARAM key) { return key == VK_RETURN || key == VK_SPACE; }

void drawFocus(HWND h, HDC dc) {
    if (GetFocus() != h || (SendMessageW(h, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS)) return;
    const std::wstring text = windowText(h);
    RECT client{}, r{};
    GetClientRect(h, &client);
    r.right = client.right;
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(h, WM_GETFONT, 0, 0)));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
    // A pixel of room round the text, within the control.
    r.right = std::min(r.right + 2, client.right);
    r.bottom = std::min(r.bottom + 2, client.bottom);
    DrawFocusRect(dc, &r);
}

LRESULT CALLBACK linkProc(HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
    switch (msg) {
        case WM_GETDLGCODE: {
            // Enter and Space are the link's, not the dialog's (Enter would press the default button).
            const auto* m = reinterpret_cast<const MSG*>(lp);
            const LRESULT code = DefSubclassProc(h, msg, wp, lp);
            if (m && (m->message == WM_KEYDOWN || m->message == WM_CHAR) && clicksLink(m->wParam))
                return code | DLGC_WANTMESSAGE;
            return code;
        }
        case WM_KEYDOWN:
            if (!clicksLink(wp)) break;
            // A held key repeats; the link opens once.
            if (!(lp & 0x40000000))
                SendMessageW(GetParent(h), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(h), STN_CLICKED),
                             reinterpret_cast<LPARAM>(h));
            return 0;
        case WM_CHAR:
            if (clicksLink(wp)) return 0;
            break;
        case WM_PAINT: {
            // The focus rectangle is drawn into the same painting, so that it is inverted exactly
            // once wherever the text is drawn afresh.
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(h, &ps);
            DefSubclassProc(h, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
            drawFocus(h, dc);
            EndPaint(h, &ps);
            return 0;
        }
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_UPDATEUISTATE: InvalidateRect(h, nullptr, TRUE); break;
    }
    return DefSubclassProc(h, msg, wp, lp);
}

}  // namespace

Accessibility::~Accessibility() {
    if (services_) services_->Release();
    if (!comJoined_) return;
    if (auto uninitialize = ole32_.function<decltype(::CoUninitialize)>("CoUninitialize")) uninitialize();
}

void Accessibility::labelBefore(const ui::LayoutRow& row, HWND parent, HINSTANCE instance) {
    const ui::AccessibleName* n = ui::accessibleNameOf(row);
    if (!n || n->by != ui::NameBy::HiddenLabel) return;
    // Never shown and never reached by Tab: a reader takes the name from it all the same.
    CreateWindowExW(0, L"STATIC", widen(n->name).c_str(), WS_CHILD | SS_LEFT | SS_NOPREFIX, 0, 0, 0, 0, parent, nullptr,
                    instance, nullptr);
}

void Accessibility::made(const ui::LayoutRow& row, HWND h) {
    const ui::AccessibleName* n = ui::accessibleNameOf(row);
    if (!n || n->by == ui::NameBy::HiddenLabel) return;
    if (n->by == ui::NameBy::WindowText) {
        SetWindowTextW(h, widen(n->name).c_str());
        return;
    }
    named_.emplace_back(&row, h);
    if (tooltip_) addTooltip(row, h);
    if (services_) setName(row, h);
}

void Accessibility::message(HWND window, HWND to, UINT msg, WPARAM wp) {
    if (msg == WM_SETCURSOR && !tooltip_ && hasTooltip(reinterpret_cast<HWND>(wp))) startTooltips(window);
    if (msg == WM_GETOBJECT && !namesTried_) startNames();
    if (msg == WM_DESTROY && to == window) clearNames();
}

bool Accessibility::hasTooltip(HWND h) const {
    for (const auto& [row, named] : named_)
        if (named == h) return ui::accessibleNameOf(*row)->by == ui::NameBy::Tooltip;
    return false;
}

void Accessibility::startTooltips(HWND window) {
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window, nullptr,
                               reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE)), nullptr);
    if (!tooltip_) return;
    for (const auto& [row, h] : named_) addTooltip(*row, h);
}

void Accessibility::addTooltip(const ui::LayoutRow& row, HWND h) const {
    if (ui::accessibleNameOf(row)->by != ui::NameBy::Tooltip) return;
    std::wstring text = widen(ui::accessibleName(row));
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(h);
    tool.uId = reinterpret_cast<UINT_PTR>(h);
    tool.lpszText = text.data();
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

// Where the system has no annotation service (or no COM), the controls keep the names their
// captions give them.
void Accessibility::startNames() {
    namesTried_ = true;
    auto initialize = ole32_.function<decltype(::CoInitializeEx)>("CoInitializeEx");
    auto create = ole32_.function<decltype(::CoCreateInstance)>("CoCreateInstance");
    if (!initialize || !create) return;
    comJoined_ = SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    if (FAILED(create(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                      reinterpret_cast<void**>(&services_))))
        services_ = nullptr;
    if (!services_) return;
    for (const auto& [row, h] : named_) setName(*row, h);
}

void Accessibility::setName(const ui::LayoutRow& row, HWND h) const {
    services_->SetHwndPropStr(h, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, PROPID_ACC_NAME,
                              widen(ui::accessibleName(row)).c_str());
}

// An annotation outlives its window unless it is cleared.
void Accessibility::clearNames() {
    if (!services_) return;
    MSAAPROPID name = PROPID_ACC_NAME;
    for (const auto& [row, h] : named_)
        services_->ClearHwndProps(h, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, &name, 1);
}

void makeKeyboardLink(HWND label) { SetWindowSubclass(label, linkProc, kLinkSubclassId, 0); }

}  // namespace win32
