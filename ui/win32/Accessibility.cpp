#include "ui/win32/Accessibility.h"

#include <commctrl.h>
#include <initguid.h>
#include <oleacc.h>

#include <string>

#include "platform/win32/Utf.h"
#include "ui/AccessibleNames.h"

namespace win32 {

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

}  // namespace win32
