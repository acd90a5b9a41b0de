#include "ui/win32/ControlKinds.h"

#include <stdexcept>

#include "platform/win32/Utf.h"
#include "ui/win32/Window.h"

namespace win32 {

namespace {

constexpr UINT_PTR kSubclassId = 1;

const Item& itemOf(DWORD_PTR ref) { return *reinterpret_cast<const Item*>(ref); }

struct Static : ControlKind {
    const wchar_t* windowClass() const override { return L"STATIC"; }
    DWORD style(const ui::LayoutRow& row) const override {
        DWORD s = WS_GROUP | ((row.name == "lblRetryVal" || row.name == "lblWaitVal") ? SS_CENTER : SS_LEFT);
        if (row.caption.find('&') == std::string_view::npos) s |= SS_NOPREFIX;
        return s;
    }
    void mirror(const Item& it) const override { setTextIfDifferent(it.hwnd, it.control->caption()); }
};

struct GroupBox : ControlKind {
    const wchar_t* windowClass() const override { return L"BUTTON"; }
    DWORD style(const ui::LayoutRow&) const override { return WS_GROUP | BS_GROUPBOX; }
    void mirror(const Item& it) const override { setTextIfDifferent(it.hwnd, it.control->caption()); }
};

struct PushButton : ControlKind {
    const wchar_t* windowClass() const override { return L"BUTTON"; }
    DWORD style(const ui::LayoutRow&) const override { return WS_GROUP | BS_PUSHBUTTON | WS_TABSTOP; }
    void mirror(const Item& it) const override { setTextIfDifferent(it.hwnd, it.control->caption()); }
    void command(const Item& it, int code, ui::MainWindow&, bool) const override {
        if (code == BN_CLICKED) static_cast<ui::Button&>(*it.control).press();
    }
};

struct CheckBox : ControlKind {
    const wchar_t* windowClass() const override { return L"BUTTON"; }
    DWORD style(const ui::LayoutRow&) const override {
        return WS_GROUP | BS_AUTOCHECKBOX | BS_MULTILINE | BS_TOP | WS_TABSTOP;
    }
    void mirror(const Item& it) const override {
        int v = static_cast<ui::CheckBox&>(*it.control).value();
        SendMessageW(it.hwnd, BM_SETCHECK, v == 1 ? BST_CHECKED : v == 2 ? BST_INDETERMINATE : BST_UNCHECKED, 0);
    }
    void command(const Item& it, int code, ui::MainWindow& w, bool) const override {
        if (code == BN_CLICKED) {
            LRESULT state = SendMessageW(it.hwnd, BM_GETCHECK, 0, 0);
            static_cast<ui::CheckBox&>(*it.control)
                .setValue(state == BST_CHECKED             ? 1
                              : state == BST_INDETERMINATE ? 2
                                                           : 0);
            mirror(it);  // the rule may have refused or changed the value
        }
        if (code == BN_SETFOCUS) w.focusMoved(it.control);
    }
};

// One window per member of an option array; the model holds which member is selected.
struct OptionButton : ControlKind {
    const wchar_t* windowClass() const override { return L"BUTTON"; }
    DWORD style(const ui::LayoutRow& row) const override {
        DWORD s = BS_AUTORADIOBUTTON | BS_MULTILINE | BS_TOP;
        if (row.index == 0) s |= WS_TABSTOP;
        return row.index > 0 ? s : s | WS_GROUP;
    }
    void mirror(const Item& it) const override {
        SendMessageW(it.hwnd, BM_SETCHECK, takesFocus(it) ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    void command(const Item& it, int code, ui::MainWindow& w, bool) const override {
        if (code == BN_CLICKED && SendMessageW(it.hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED)
            static_cast<ui::OptionGroup&>(*it.control).select(it.row->index);
        if (code == BN_SETFOCUS) w.focusMoved(it.control);
    }
    bool takesFocus(const Item& it) const override {
        return static_cast<ui::OptionGroup&>(*it.control).selected() == it.row->index;
    }
};

struct Edit : ControlKind {
    const wchar_t* windowClass() const override { return L"EDIT"; }
    DWORD exStyle() const override { return WS_EX_CLIENTEDGE; }
    bool captioned() const override { return false; }
    bool coloured() const override { return true; }

protected:
    ~Edit() = default;
};

struct TextBox : Edit {
    DWORD style(const ui::LayoutRow&) const override { return WS_GROUP | ES_AUTOHSCROLL | WS_TABSTOP; }
    void mirror(const Item& it) const override {
        setTextIfDifferent(it.hwnd, static_cast<ui::TextBox&>(*it.control).text());
    }
    void command(const Item& it, int code, ui::MainWindow& w, bool mirroring) const override {
        auto& box = static_cast<ui::TextBox&>(*it.control);
        if (code == EN_CHANGE && !mirroring) box.setText(narrow(windowText(it.hwnd)));
        if (code == EN_SETFOCUS) w.focusMoved(&box);
        if (code == EN_KILLFOCUS) box.loseFocus();
    }
};

// The masked field is a plain edit whose keys the model handles: it keeps the text in the mask.
struct MaskedEdit : Edit {
    DWORD style(const ui::LayoutRow&) const override { return WS_GROUP | WS_TABSTOP; }
    bool fixedPitch() const override { return true; }
    void setUp(const Item& it, UINT) const override {
        SetWindowSubclass(it.hwnd, proc, kSubclassId, reinterpret_cast<DWORD_PTR>(&it));
    }
    void mirror(const Item& it) const override {
        auto& m = static_cast<ui::MaskedEdit&>(*it.control);
        setTextIfDifferent(it.hwnd, m.text());
        SendMessageW(it.hwnd, EM_SETSEL, m.selStart(), m.selStart() + m.selLength());
    }

private:
    // The edit's selection into the model, before the model acts on a key.
    static ui::MaskedEdit& synced(const Item& it) {
        auto& m = static_cast<ui::MaskedEdit&>(*it.control);
        DWORD start = 0, end = 0;
        SendMessageW(it.hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        m.setSelection(static_cast<int>(start), static_cast<int>(end - start));
        return m;
    }
    static void paste(const Item& it, ui::MaskedEdit& m) {
        if (!OpenClipboard(it.hwnd)) return;
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            if (auto* text = static_cast<const wchar_t*>(GlobalLock(data))) {
                m.paste(narrow(text));
                GlobalUnlock(data);
            }
        }
        CloseClipboard();
    }
    // ref: the field's item.
    static LRESULT CALLBACK proc(HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR ref) {
        const Item& it = itemOf(ref);
        return barrier(
            [&]() -> LRESULT {
                switch (msg) {
                    case WM_CHAR:
                        // Control characters (Enter, Tab, Esc, Ctrl+C/V/X) keep their usual meaning.
                        if (wp < 0x20 && wp != L'\b') break;
                        if (wp == L'\b')
                            synced(it).backspace();
                        else if (wp < 0x80)
                            synced(it).typeChar(static_cast<char>(wp));
                        else
                            synced(it);
                        return 0;
                    case WM_KEYDOWN:
                        if (wp == VK_DELETE) {
                            synced(it).deleteForward();
                            return 0;
                        }
                        if (wp == VK_LEFT || wp == VK_RIGHT || wp == VK_HOME || wp == VK_END) {
                            LRESULT r = DefSubclassProc(h, msg, wp, lp);
                            DWORD start = 0, end = 0;
                            SendMessageW(h, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                                         reinterpret_cast<LPARAM>(&end));
                            const int caret = static_cast<int>(end);
                            const int p =
                                static_cast<ui::MaskedEdit&>(*it.control).caretStop(caret, wp == VK_LEFT ? -1 : 1);
                            if (start == end && p != caret) SendMessageW(h, EM_SETSEL, p, p);
                            return r;
                        }
                        break;
                    case WM_CUT:
                        DefSubclassProc(h, WM_COPY, 0, 0);  // a cut copies first, then blanks the digits
                        synced(it).deleteForward();
                        return 0;
                    case WM_CLEAR: synced(it).deleteForward(); return 0;
                    case WM_PASTE: paste(it, synced(it)); return 0;
                    case WM_KEYUP: {
                        LRESULT r = DefSubclassProc(h, msg, wp, lp);
                        synced(it).keyUp(static_cast<int>(wp));
                        return r;
                    }
                }
                return DefSubclassProc(h, msg, wp, lp);
            },
            [] { return LRESULT{0}; });
    }
};

struct Slider : ControlKind {
    const wchar_t* windowClass() const override { return TRACKBAR_CLASSW; }
    DWORD style(const ui::LayoutRow&) const override { return WS_GROUP | TBS_HORZ | TBS_AUTOTICKS | WS_TABSTOP; }
    void setUp(const Item& it, UINT) const override {
        auto& s = static_cast<ui::Slider&>(*it.control);
        SendMessageW(it.hwnd, TBM_SETRANGE, FALSE, MAKELPARAM(s.min(), s.max()));
        SendMessageW(it.hwnd, TBM_SETLINESIZE, 0, s.smallStep());
        SendMessageW(it.hwnd, TBM_SETPAGESIZE, 0, s.largeStep());
        SendMessageW(it.hwnd, TBM_SETTICFREQ, s.largeStep(), 0);
        SetWindowSubclass(it.hwnd, proc, kSubclassId, reinterpret_cast<DWORD_PTR>(&it));
    }
    void mirror(const Item& it) const override {
        int pos = static_cast<ui::Slider&>(*it.control).position();
        if (SendMessageW(it.hwnd, TBM_GETPOS, 0, 0) != pos) SendMessageW(it.hwnd, TBM_SETPOS, TRUE, pos);
    }
    bool scroll(const Item& it, int code) const override {
        if (code != TB_ENDTRACK)
            static_cast<ui::Slider&>(*it.control).scrollTo(static_cast<int>(SendMessageW(it.hwnd, TBM_GETPOS, 0, 0)));
        return true;
    }

private:
    // The mouse-up rule runs once the trackbar has moved; ref: the slider's item.
    static LRESULT CALLBACK proc(HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR ref) {
        LRESULT result = DefSubclassProc(h, msg, wp, lp);
        if (msg == WM_LBUTTONUP || msg == WM_RBUTTONUP || msg == WM_MBUTTONUP)
            barrier([&] { static_cast<ui::Slider&>(*itemOf(ref).control).mouseUp(); }, [] {});
        return result;
    }
};

struct Calendar : ControlKind {
    const wchar_t* windowClass() const override { return MONTHCAL_CLASSW; }
    DWORD style(const ui::LayoutRow&) const override { return WS_GROUP | WS_TABSTOP; }
    void mirror(const Item& it) const override {
        const auto& d = static_cast<ui::Calendar&>(*it.control).date();
        if (d.year <= 0) return;
        SYSTEMTIME st{};
        st.wYear = static_cast<WORD>(d.year);
        st.wMonth = static_cast<WORD>(d.month);
        st.wDay = static_cast<WORD>(d.day);
        SendMessageW(it.hwnd, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&st));
    }
    void notify(const Item& it, const NMHDR& hdr) const override {
        if (hdr.code != MCN_SELCHANGE && hdr.code != MCN_SELECT) return;
        const auto& sel = reinterpret_cast<const NMSELCHANGE&>(hdr);
        static_cast<ui::Calendar&>(*it.control)
            .setDate({sel.stSelStart.wYear, sel.stSelStart.wMonth, sel.stSelStart.wDay});
    }
    // A month calendar takes the size it needs for one month, centred across its rectangle.
    RECT fit(HWND h, RECT r) const override {
        RECT need{};
        if (!SendMessageW(h, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(&need))) return r;
        int w = need.right - need.left, height = need.bottom - need.top;
        if (w <= 0 || height <= 0) return r;
        r.left += ((r.right - r.left) - w) / 2;
        r.right = r.left + w;
        r.bottom = r.top + height;
        return r;
    }
};

struct TabStrip : ControlKind {
    const wchar_t* windowClass() const override { return WC_TABCONTROLW; }
    DWORD style(const ui::LayoutRow&) const override { return WS_GROUP | WS_TABSTOP | WS_CLIPSIBLINGS; }
    void setUp(const Item& it, UINT dpi) const override {
        setTabMetrics(it.hwnd, dpi);
        auto& tabs = static_cast<ui::TabStrip&>(*it.control);
        for (int i = 0; i < tabs.size(); ++i) {
            std::wstring text = widen(tabs.tabCaption(i));
            TCITEMW item{};
            item.mask = TCIF_TEXT;
            item.pszText = text.data();
            SendMessageW(it.hwnd, TCM_INSERTITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        }
    }
    void mirror(const Item& it) const override {
        int sel = static_cast<ui::TabStrip&>(*it.control).selected();
        if (TabCtrl_GetCurSel(it.hwnd) != sel) TabCtrl_SetCurSel(it.hwnd, sel);
    }
    void notify(const Item& it, const NMHDR& hdr) const override {
        if (hdr.code == TCN_SELCHANGE) static_cast<ui::TabStrip&>(*it.control).choose(TabCtrl_GetCurSel(it.hwnd));
    }
};

}  // namespace

const ControlKind& controlKind(ui::Kind kind) {
    static const Static label;
    static const GroupBox frame;
    static const PushButton button;
    static const CheckBox checkBox;
    static const OptionButton option;
    static const TextBox textBox;
    static const MaskedEdit maskedEdit;
    static const Slider slider;
    static const Calendar calendar;
    static const TabStrip tabStrip;
    switch (kind) {
        case ui::Kind::Label: return label;
        case ui::Kind::Frame: return frame;
        case ui::Kind::Button: return button;
        case ui::Kind::CheckBox: return checkBox;
        case ui::Kind::Option: return option;
        case ui::Kind::TextBox: return textBox;
        case ui::Kind::MaskedEdit: return maskedEdit;
        case ui::Kind::Slider: return slider;
        case ui::Kind::Calendar: return calendar;
        case ui::Kind::TabStrip: return tabStrip;
    }
    throw std::logic_error("no adapter for a control kind");
}

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

// Small padding, and no minimum width beyond what a short caption such as "Job" needs, so that
// none scrolls out of view.
void setTabMetrics(HWND tab, UINT dpi) {
    const int d = static_cast<int>(dpi);
    SendMessageW(tab, TCM_SETPADDING, 0, MAKELPARAM(MulDiv(6, d, 96), MulDiv(3, d, 96)));
    SendMessageW(tab, TCM_SETMINTABWIDTH, 0, MulDiv(16, d, 96));
}

}  // namespace win32
