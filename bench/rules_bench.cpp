// What one user event costs, from the control's event to the last slot its rules write: one
// benchmark per family of option rules, on the loaded window over the recording fake platform
// (whose records are emptied as the runs go, so that memory stays flat).
#include <benchmark/benchmark.h>

#include <string>

#include "tests/unit/AppFixture.h"

namespace {

using platform::Answer;

// The window as a user has set it up for a real job: folders chosen and a handful of options on.
struct Busy : AppFixture {
    Busy() {
        w.txtSrcPath.setText("C:\\Data\\Projects\\");
        w.txtDestPath.setText("E:\\Backup\\Projects\\");
        w.chkMir.click();
        w.chkAcls.click();
        w.optAttribIncExcH.select(1);
        w.chkMaxAgeEnable.click();
        w.txtFileExclName.setText("*.tmp *.bak \"Thumbs Cache.db\"");
        w.txtFileExclName.loseFocus();
        w.sldRetry.scrollTo(3);
        w.sldRetry.mouseUp();
        w.txtLogFile.setText("C:\\Logs\\projects.log");
        w.optLogFile.select(0);
        p.messages.clear();
    }
};

void BM_ToggleClick(benchmark::State& state) {
    AppFixture a;
    for (auto _ : state) a.w.chkVerbose.click();
    benchmark::DoNotOptimize(a.s.VerboseSwitch);
}
BENCHMARK(BM_ToggleClick);

// Data drives timestamps, so one click runs two letter rules and the prefix.
void BM_CopyFlagClickWithCoupling(benchmark::State& state) {
    AppFixture a;
    for (auto _ : state) a.w.chkData.click();
    benchmark::DoNotOptimize(a.s.CopyPrefix);
}
BENCHMARK(BM_CopyFlagClickWithCoupling);

// Rebuilds both include/exclude slots from all nine groups.
void BM_AttributeOptionSelect(benchmark::State& state) {
    AppFixture a;
    int i = 0;
    for (auto _ : state) a.w.optAttribIncExcH.select(i++ % 3);
    benchmark::DoNotOptimize(a.s.AttribIncludeSwitch);
}
BENCHMARK(BM_AttributeOptionSelect);

// A digit typed into the gap field: the locale's number check and the slot.
void BM_NumberFieldKeystroke(benchmark::State& state) {
    AppFixture a;
    a.w.chkIpg.click();
    static const std::string kTyped[] = {"5", "50", "500", "5000", "50000", "500000", "5000000", "50000000"};
    int i = 0;
    for (auto _ : state) a.w.txtIpg.setText(kTyped[i++ % 8]);
    benchmark::DoNotOptimize(a.s.IpgSwitch);
}
BENCHMARK(BM_NumberFieldKeystroke);

// A letter typed into the gap field: refused with a message, the field emptied and focused.
void BM_NumberFieldRejectedKeystroke(benchmark::State& state) {
    AppFixture a;
    a.w.chkIpg.click();
    for (auto _ : state) {
        a.w.txtIpg.setText("a");
        a.p.messages.clear();
    }
    benchmark::DoNotOptimize(a.s.IpgSwitch);
}
BENCHMARK(BM_NumberFieldRejectedKeystroke);

// One digit of 08:00 - 17:30 and its key release; every eighth key completes the window.
void BM_MaskedFieldKeystrokeAndKeyUp(benchmark::State& state) {
    AppFixture a;
    a.w.chkRunHours.click();
    ui::MaskedEdit& m = a.w.mskEdRunHours;
    static const char kDigits[] = "08001730";
    int i = 0;
    for (auto _ : state) {
        if (i % 8 == 0) m.setSelection(0, 0);
        const char c = kDigits[i++ % 8];
        m.typeChar(c);
        m.keyUp(c);
    }
    benchmark::DoNotOptimize(a.s.RunHoursSwitch);
}
BENCHMARK(BM_MaskedFieldKeystrokeAndKeyUp);

void BM_SliderScroll(benchmark::State& state) {
    AppFixture a;
    int i = 0;
    for (auto _ : state) a.w.sldWait.scrollTo(i++ % 31);
    benchmark::DoNotOptimize(a.s.WaitSwitch);
}
BENCHMARK(BM_SliderScroll);

void BM_SliderDragAndRelease(benchmark::State& state) {
    AppFixture a;
    int i = 0;
    for (auto _ : state) {
        a.w.sldRetry.scrollTo(i++ % 31);
        a.w.sldRetry.mouseUp();
    }
    benchmark::DoNotOptimize(a.s.RetrySwitch);
}
BENCHMARK(BM_SliderDragAndRelease);

// Checking formats the calendar's date; unchecking empties the slot.
void BM_DateLimitCheck(benchmark::State& state) {
    AppFixture a;
    for (auto _ : state) a.w.chkMaxAgeEnable.click();
    benchmark::DoNotOptimize(a.s.MaxAgeSwitch);
}
BENCHMARK(BM_DateLimitCheck);

void BM_LogModeSelect(benchmark::State& state) {
    AppFixture a;
    a.w.txtLogFile.setText("C:\\Logs\\nightly backup.log");
    int i = 0;
    for (auto _ : state) a.w.optLogFile.select(i++ % 2);
    benchmark::DoNotOptimize(a.s.LogSwitch);
}
BENCHMARK(BM_LogModeSelect);

// The mirror box's warning is a message box; the fake answers at once.
void BM_MirrorClickWithWarning(benchmark::State& state) {
    AppFixture a;
    for (auto _ : state) {
        a.w.chkMir.click();
        a.p.messages.clear();
    }
    benchmark::DoNotOptimize(a.s.MirSwitch);
}
BENCHMARK(BM_MirrorClickWithWarning);

// The Copy press up to the confirmation: paths derived, every argument checked, the command
// assembled and shown; Cancel starts nothing.
void BM_CopyPressCancelled(benchmark::State& state) {
    Busy a;
    a.p.answers = {Answer::Cancel};
    a.w.cmdRun.press();
    if (a.p.messages.empty() || a.p.messages.back().title != "Continue?" || !a.p.processes.empty())
        state.SkipWithError("the press did not stop at the confirmation");
    for (auto _ : state) {
        a.p.answers = {Answer::Cancel};
        a.w.cmdRun.press();
        a.p.messages.clear();
    }
}
BENCHMARK(BM_CopyPressCancelled);

// The same press answered OK: the launch form built and the engine started.
void BM_CopyPressStarted(benchmark::State& state) {
    Busy a;
    a.p.answers = {Answer::Ok};
    a.w.cmdRun.press();
    if (a.p.processes.size() != 1) state.SkipWithError("the press did not start the engine");
    for (auto _ : state) {
        a.p.answers = {Answer::Ok};
        a.w.cmdRun.press();
        a.p.messages.clear();
        a.p.processes.clear();
    }
}
BENCHMARK(BM_CopyPressStarted);

// Activation puts eighteen groups back to their defaults, each running its rule.
void BM_FormActivate(benchmark::State& state) {
    AppFixture a;
    for (auto _ : state) a.app.Form_Activate();
    benchmark::DoNotOptimize(a.s.SubdirSwitch);
}
BENCHMARK(BM_FormActivate);

// The whole start-up in the model: every control created from the layout, the rules wired,
// the engine checked, the defaults applied and the window activated.
void BM_WindowLoadAndActivate(benchmark::State& state) {
    for (auto _ : state) {
        AppFixture a;
        benchmark::DoNotOptimize(a.s.CopyPrefix);
    }
}
BENCHMARK(BM_WindowLoadAndActivate);

}  // namespace

BENCHMARK_MAIN();
