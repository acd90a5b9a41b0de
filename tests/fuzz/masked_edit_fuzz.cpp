// The masked field under arbitrary editing: typed characters, Backspace, Delete, pastes,
// selections (any numbers, as a message could carry) and whole texts set by code. Whatever
// happens, its text keeps the mask's shape and its selection stays within the text. The first
// byte picks a bare field with one of several masks, or the window's run-hours field with its
// key-up rule attached, whose slot must then stay empty or a valid ordered window.
#include <cstdint>
#include <iterator>
#include <memory>
#include <string>

#include "app/App.h"
#include "command/CommandLine.h"
#include "command/Engine.h"
#include "tests/fake/FakePlatform.h"
#include "tests/fuzz/FuzzInput.h"
#include "ui/MaskedEdit.h"

namespace {

const char* const kMasks[] = {"##:## - ##:##", "", "#", "##", ":", "#-#", "(###) ###-####", "--##", "#:"};

void checkShape(const ui::MaskedEdit& m, const char* op) {
    const std::string& t = m.text();
    const std::string& mask = m.mask();
    bool ok = t.size() == mask.size() && m.selStart() >= 0 && m.selLength() >= 0 &&
        m.selStart() + m.selLength() <= m.length();
    for (std::size_t i = 0; ok && i < mask.size(); ++i)
        ok = mask[i] == ui::MaskedEdit::kDigit ? t[i] == ' ' || (t[i] >= '0' && t[i] <= '9') : t[i] == mask[i];
    if (!ok)
        fuzz::fail(std::string("after ") + op + " the text '" + t + "' (selection " + std::to_string(m.selStart()) +
                   "+" + std::to_string(m.selLength()) + ") leaves the mask '" + mask + "'");
}

bool two(const std::string& v, std::size_t at, int most) {
    return v[at] >= '0' && v[at] <= '9' && v[at + 1] >= '0' && v[at + 1] <= '9' &&
        (v[at] - '0') * 10 + (v[at + 1] - '0') <= most;
}

void checkRunHours(const std::string& v) {
    if (v.empty()) return;
    bool ok = v.size() == 14 && v.compare(0, 5, " /RH:") == 0 && v[9] == '-' && two(v, 5, 23) && two(v, 7, 59) &&
        two(v, 10, 23) && two(v, 12, 59) && v.substr(10, 4) > v.substr(5, 4);
    if (!ok) fuzz::fail("RunHoursSwitch '" + v + "'");
}

// The window loaded over a present engine, its run-hours box checked.
struct Window {
    Window() {
        p.files[command::enginePath(p.folder)] = command::kEngineSize;
        if (!app.Form_Load()) fuzz::fail("the window did not load");
        app.Form_Activate();
        app.window.chkRunHours.click();
    }
    fake::FakePlatform p;
    app::App app{p};
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Input in(data, size);
    const std::size_t choice = in.byte() % (std::size(kMasks) + 1);
    std::unique_ptr<Window> window;
    std::unique_ptr<ui::MaskedEdit> bare;
    if (choice == std::size(kMasks))
        window = std::make_unique<Window>();
    else
        bare = std::make_unique<ui::MaskedEdit>("mskFuzz", kMasks[choice]);
    ui::MaskedEdit& m = window ? window->app.window.mskEdRunHours : *bare;

    while (!in.empty()) {
        const char* op = "";
        int key = 0;
        switch (in.byte() % 8) {
            case 0: {
                char c = static_cast<char>(in.byte());
                m.typeChar(c);
                op = "typeChar";
                key = static_cast<unsigned char>(c);
                break;
            }
            case 1:
                m.backspace();
                op = "backspace";
                key = 8;
                break;
            case 2:
                m.deleteForward();
                op = "deleteForward";
                key = 46;
                break;
            case 3:
                m.paste(in.text());
                op = "paste";
                key = 0x56;
                break;
            case 4: {
                int start = static_cast<std::int8_t>(in.byte()), count = static_cast<std::int8_t>(in.byte());
                m.setSelection(start, count);
                op = "setSelection";
                key = 37;
                break;
            }
            case 5: {
                int start = in.int32(), count = in.int32();
                m.setSelection(start, count);
                op = "setSelection (any int)";
                key = 39;
                break;
            }
            case 6:
                m.setText(in.text());
                op = "setText";
                break;
            default:
                key = in.byte();
                op = "keyUp";
                break;
        }
        m.keyUp(key);
        checkShape(m, op);
        if (window) checkRunHours(window->app.slots.RunHoursSwitch);
    }
    return 0;
}
