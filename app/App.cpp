#include "app/App.h"

#include <algorithm>

#include "app/MutePlatform.h"

#include "command/CommandFile.h"
#include "command/CommandLine.h"
#include "command/CopyRun.h"
#include "command/Engine.h"
#include "command/Messages.h"
#include "command/OpenAddress.h"
#include "command/RunEnd.h"
#include "options/DateLimits.h"
#include "options/FolderSelection.h"
#include "options/OpenJob.h"

namespace app {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

App::App(platform::Platform& p) : platform(p) {
    options::wireRules(context_);
    window.tabStripOptions.onClick = [this] { window.tabStripOptions_Click(); };
    window.cmdCopyOptionNext(0).onClick = [this] { window.cmdCopyOptionNext_Click(0); };
    window.cmdCopyOptionNext(1).onClick = [this] { window.cmdCopyOptionNext_Click(1); };
    window.cmdRun.onClick = [this] { cmdRun_Click(); };
    window.cmdSaveBatch.onClick = [this] { cmdSaveBatch_Click(); };
    window.cmdOpenJob.onClick = [this] { cmdOpenJob_Click(); };
    window.cmdQuit.onClick = [this] { ModAskQuit(); };
    platform.setRunEndedHandler([this](platform::RunId run, std::uint32_t code) { runEnded(run, code); });
}

bool App::Form_Load() {
    if (!command::engineFound(platform)) {
        if (platform.messageBox(kEngineMissingTitle, kEngineMissingText, Buttons::OkCancel, Icon::Exclamation) ==
            Answer::Ok)
            command::openAddress(platform, kEngineDownloadPage, kEngineDownloadPage);
        return false;
    }
    loadDefaults();
    return true;
}

void App::loadDefaults() {
    // Every default of the loaded window, each set once, in this order: a control set here runs
    // its rule, and a later default may depend on what an earlier one left.
    auto& w = window;
    // Before the first tab change the page-step buttons are neither usable nor seen.
    for (int i : {0, 1}) {
        w.cmdCopyOptionNext(i).setEnabled(false);
        w.cmdCopyOptionNext(i).setVisible(false);
    }
    // The run-hours field is usable only once "Run Hours" is checked, like the number fields.
    w.mskEdRunHours.setBackColour(ui::kGrey);
    w.mskEdRunHours.setEnabled(false);
    w.chkMatchDest.setValue(1);
    w.optExclXtraLoneLy.select(2);
    w.optFileExcl.select(3);
    w.resetPageState();
    options::showDateLimitPage(context_);
    slots.clear();
    slots.RetrySwitch = " /R:0";
    slots.WaitSwitch = " /W:0";
    for (ui::TextBox* box : {&w.txtMon, &w.txtMot, &w.txtIpg}) {
        box->setEnabled(false);
        box->setBackColour(ui::kGrey);
    }
    const platform::Date today = platform.today();
    for (ui::Calendar* cal : {&w.calMinAge, &w.calMaxAge, &w.calMaxLad, &w.calMinLad}) cal->setDate(today);
    w.optCopyMode.select(2);
    // Checking data checks timestamps and puts " /COPY:" on the command line.
    w.chkData.setValue(1);
    w.chkAttrib.setValue(1);
}

void App::Form_Activate() {
    auto& w = window;
    w.optFileAddA.select(2);
    w.optFileExcl.select(3);
    w.optExclXtraLoneLy.select(2);
    w.optSub.select(1);
    w.txtDirLev.setEnabled(false);
    w.showPage(ui::PageId::General);
    for (ui::OptionGroup* g :
         {&w.optAttribAddSubR, &w.optAttribAddSubA, &w.optAttribAddSubS, &w.optAttribAddSubH, &w.optAttribAddSubN,
          &w.optAttribAddSubT, &w.optAttribIncExcR, &w.optAttribIncExcA, &w.optAttribIncExcS, &w.optAttribIncExcH,
          &w.optAttribIncExcN, &w.optAttribIncExcT, &w.optAttribIncExcC, &w.optAttribIncExcE, &w.optAttribIncExcO})
        g->select(2);
}

void App::Form_Unload() {
    window.resetPageState();
    slots.clear();
}

void App::cmdRun_Click() {
    platform::RunId run = 0;
    const std::string source = window.txtSrcPath.text(), destination = window.txtDestPath.text();
    const command::Outcome outcome = command::runCopy(source, destination, slots, platform, &run);
    if (outcome == command::Outcome::Started && run != 0) {
        runs_.push_back({run, command::derivePath(source).value, command::derivePath(destination).value});
        window.statusLine.setText(command::runStatus(lastEnded_, runs_.size()));
    }
    focusAfter(outcome);
}

void App::runEnded(platform::RunId id, std::uint32_t exitCode) {
    auto it = std::find_if(runs_.begin(), runs_.end(), [id](const Run& r) { return r.id == id; });
    if (it == runs_.end()) return;  // each run is told once
    const Run run = *it;
    runs_.erase(it);
    const std::string time = platform.timeOfDay();
    lastEnded_ = command::runEndedStatus(time, exitCode);
    window.statusLine.setText(command::runStatus(lastEnded_, runs_.size()));
    if (!command::runFailed(exitCode)) return;
    platform.drawAttention();
    platform.messageBox(command::kAppTitle, command::runFailedText(run.source, run.destination, time, exitCode),
                        Buttons::Ok, command::runFailedSeriously(exitCode) ? Icon::Critical : Icon::Exclamation);
}

void App::cmdSaveBatch_Click() {
    focusAfter(command::saveCommandFile(window.txtSrcPath.text(), window.txtDestPath.text(), slots, platform));
}

void App::withStartWindow(const std::function<void(App&)>& use) {
    MutePlatform mute(platform);
    App start(mute);
    start.loadDefaults();
    start.Form_Activate();
    use(start);
}

std::optional<command::JobLine> App::tryJob(const std::string& path) {
    command::JobLine job;
    std::optional<command::JobRefusal> refused = command::readJobFile(path, platform, job);
    if (!refused) withStartWindow([&](App& trial) { refused = options::setJob(trial.context_, job); });
    if (!refused) return job;
    platform.messageBox(command::kAppTitle, command::jobRefusedText(path, refused->reason), Buttons::Ok,
                        Icon::Exclamation);
    return std::nullopt;
}

void App::setJob(const command::JobLine& job) {
    withStartWindow([this](App& start) {
        window.takeStateOf(start.window);
        slots = start.slots;
    });
    // A field's rule asks for the focus as a click on its box does; the user's stays where it was.
    ui::Control* focus = window.focused();
    options::setJob(context_, job);  // tried already: every switch is taken
    if (focus && focus->enabled()) window.setFocus(*focus);
}

bool App::openJob(const std::string& path) {
    std::optional<command::JobLine> job = tryJob(path);
    if (job) setJob(*job);
    return job.has_value();
}

void App::cmdOpenJob_Click() {
    const platform::Result<std::string> chosen = platform.openFileDialog(command::commandFileDialogSetup());
    if (chosen.isFailed())
        platform.messageBox(command::kAppTitle,
                            command::dialogFailedText(chosen.reason, "The window was left as it was."), Buttons::Ok,
                            Icon::Exclamation);
    if (chosen.isDone()) openJob(chosen.value);
}

void App::filesDropped(const std::vector<std::string>& paths, ui::TextBox* folderBox) {
    if (paths.size() == 1 && command::isJobFileName(paths.front()) && !platform.folderExists(paths.front())) {
        openJob(paths.front());
        return;
    }
    if (folderBox) options::dropOnFolderBox(platform, *folderBox, paths);
}

void App::focusAfter(command::Outcome outcome) {
    // The two boxes are on the General page: a refusal from another tab (Save on the Job page)
    // brings it to the front, or the focus would go to a box nobody can see.
    const bool toBox = outcome == command::Outcome::FocusSource || outcome == command::Outcome::FocusDestination;
    if (toBox && window.tabStripOptions.selected() != 0) window.tabStripOptions.choose(0);
    switch (outcome) {
        case command::Outcome::FocusSource: window.setFocus(window.txtSrcPath); break;
        case command::Outcome::FocusDestination: window.setFocus(window.txtDestPath); break;
        default: break;
    }
}

void App::ModAskQuit() {
    if (platform.messageBox(kQuitTitle, kQuitText, Buttons::YesNo, Icon::Question) == Answer::Yes)
        platform.endProgram();
}

}  // namespace app
