// The inter-packet gap field under arbitrary typing: its box checked, the input typed key by
// key (or pasted whole, by the first byte's choice). After every change the field holds a text
// the locale reads as a number, or nothing, and the slot is empty or " /IPG:" and that text.
#include <cstdint>
#include <string>

#include "app/App.h"
#include "command/CommandLine.h"
#include "command/Engine.h"
#include "tests/fake/FakePlatform.h"
#include "tests/fuzz/FuzzInput.h"

namespace {

void check(app::App& app, fake::FakePlatform& p, const std::string& after) {
    const std::string& text = app.window.txtIpg.text();
    const std::string& slot = app.slots.IpgSwitch;
    if (!text.empty() && !p.isLocaleNumber(text)) fuzz::fail("after " + after + " txtIpg holds '" + text + "'");
    if (slot != (text.empty() ? std::string() : " /IPG:" + text))
        fuzz::fail("after " + after + " IpgSwitch is '" + slot + "' for the text '" + text + "'");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    fake::FakePlatform p;
    p.files[command::enginePath(p.folder)] = command::kEngineSize;
    app::App app{p};
    if (!app.Form_Load()) fuzz::fail("the window did not load");
    app.Form_Activate();
    ui::MainWindow& w = app.window;
    w.chkIpg.click();

    const std::string input(reinterpret_cast<const char*>(data) + 1, size - 1);
    if (data[0] & 1) {
        w.txtIpg.setText(input);
        check(app, p, "a paste");
    } else {
        for (char c : input) {
            std::string text = w.txtIpg.text();
            if (c != '\b')
                text += c;  // a backspace takes the last character off
            else if (!text.empty())
                text.pop_back();
            w.txtIpg.setText(text);
            check(app, p, "a key");
        }
    }
    w.chkIpg.click();
    if (!w.txtIpg.text().empty() || !app.slots.IpgSwitch.empty())
        fuzz::fail("unchecking left '" + w.txtIpg.text() + "' and '" + app.slots.IpgSwitch + "'");
    return 0;
}
