// The start-up reference: the least a window built from the common controls 6 pays under Wine.
// It loads the tab class, opens one window of the main window's size holding one empty tab
// control, and runs a message loop. The benchmark divides the program's start-up by this one's.
#include <windows.h>
#include <commctrl.h>

namespace {

constexpr wchar_t kClass[] = L"ZentrovaReference";
constexpr wchar_t kTitle[] = L"Zentrova Reference";
// The main window's outer size in twips: 382 x 500 pixels at 96 DPI.
constexpr int kWidthTwips = 5725;
constexpr int kHeightTwips = 7500;
constexpr int kMargin = 8;

HWND g_tab = nullptr;

int px(int twips, UINT dpi) { return MulDiv(twips, static_cast<int>(dpi), 1440); }

// Keeps the tab control filling the client area but for a small margin.
void layoutTab(HWND hwnd) {
    if (!g_tab) return;
    RECT rc;
    GetClientRect(hwnd, &rc);
    MoveWindow(g_tab, kMargin, kMargin, rc.right - 2 * kMargin, rc.bottom - 2 * kMargin, TRUE);
}

LRESULT CALLBACK windowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_CREATE:
            g_tab = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP, 0, 0,
                                    0, 0, hwnd, nullptr, reinterpret_cast<CREATESTRUCTW*>(lp)->hInstance, nullptr);
            return g_tab ? 0 : -1;
        case WM_SIZE: layoutTab(hwnd); return 0;
        case WM_DESTROY: PostQuitMessage(0); return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_TAB_CLASSES};
    InitCommonControlsEx(&icc);

    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = windowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClass;
    if (!RegisterClassExW(&wc)) return 1;

    HWND hwnd = CreateWindowExW(0, kClass, kTitle, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                                CW_USEDEFAULT, CW_USEDEFAULT, 382, 500, nullptr, nullptr, instance, nullptr);
    if (!hwnd) return 1;

    // The same size and place as the main window: twips at the window's DPI, centred on its monitor.
    UINT dpi = GetDpiForWindow(hwnd);
    int width = px(kWidthTwips, dpi), height = px(kHeightTwips, dpi);
    MONITORINFO mi{};
    mi.cbSize = sizeof(mi);
    GetMonitorInfoW(MonitorFromWindow(hwnd, MONITOR_DEFAULTTOPRIMARY), &mi);
    const RECT& work = mi.rcWork;
    SetWindowPos(hwnd, nullptr, work.left + (work.right - work.left - width) / 2,
                 work.top + (work.bottom - work.top - height) / 2, width, height, SWP_NOZORDER | SWP_NOACTIVATE);

    ShowWindow(hwnd, showCommand);
    UpdateWindow(hwnd);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (IsDialogMessageW(hwnd, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}
