// The model of the main window: every control of every page, the page state and page
// navigation. It holds every control's state from load on, whether or not the view has created
// that control yet, so rules never depend on what has been shown.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "ui/Controls.h"
#include "ui/MainLayout.h"
#include "ui/MaskedEdit.h"
#include "ui/PageSteps.h"

namespace ui {

// The log file's save dialog ("Browse" on the Logging page). Like any file dialog it keeps the
// name it last held from one browse to the next: the name it proposed, or the path chosen in it.
struct LogFileDialog {
    std::string fileName;
};

// The line at the foot of the window that says how the copy runs went. Not a control of any
// page: the view shows it in a status bar below them.
class StatusLine {
public:
    const std::string& text() const { return text_; }
    void setText(std::string text) {
        if (text == text_) return;
        text_ = std::move(text);
        if (shown) shown(text_);
    }
    // The view's, to show each new text.
    std::function<void(const std::string&)> shown;

private:
    std::string text_;
};

// What a view needs to hear besides control changes.
class MainWindowObserver : public ControlObserver {
public:
    // The page was moved onto the tab strip and brought to the front (created if need be).
    virtual void pageShown(PageId) = 0;
    // A rule asked for the input focus to go to this control.
    virtual void focusRequested(Control&) = 0;
};

// Owns the controls, created from the layout table, and finds them by name.
class ControlRegistry {
public:
    explicit ControlRegistry(std::span<const LayoutRow> rows, std::span<const PageInfo> pages = {});
    // "name" for a single control or an option array, "name(i)" for a member of a button array.
    Control* find(std::string_view key) const;
    template <class T>
    T& get(std::string_view key) const {
        auto* c = dynamic_cast<T*>(find(key));
        if (!c) throw std::logic_error("no control " + std::string(key));
        return *c;
    }
    const std::vector<Control*>& all() const { return order_; }
    static std::string key(std::string_view name, int index, Kind kind);

private:
    std::vector<std::unique_ptr<Control>> owned_;
    std::vector<Control*> order_;
    std::map<std::string, Control*, std::less<>> byKey_;
};

class MainWindow {
    ControlRegistry registry_{mainLayout(), mainPages()};

public:
    MainWindow() = default;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    template <class T>
    T& get(std::string_view key) const {
        return registry_.get<T>(key);
    }
    Control* find(std::string_view key) const { return registry_.find(key); }
    const std::vector<Control*>& controls() const { return registry_.all(); }
    void setObserver(MainWindowObserver*);

    Frame& page(PageId id) const;
    Button& cmdCopyOptionNext(int index) const {
        return get<Button>(index == 0 ? "cmdCopyOptionNext(0)" : "cmdCopyOptionNext(1)");
    }
    Button& cmdCalSelect(int index) const { return get<Button>(index == 0 ? "cmdCalSelect(0)" : "cmdCalSelect(1)"); }
    PageSteps copyOptionSteps() const;
    PageSteps dateLimitSteps() const { return {cmdCalSelect(0), cmdCalSelect(1)}; }

    // The log file's save dialog keeps its last name between browses.
    LogFileDialog dlgLogFile;

    // Page state.
    std::int16_t CurrentTab = 0, CopyOptionsPage = 0, FileSelectionPage = 0, DateLimitPage = 0;
    void resetPageState() { CurrentTab = CopyOptionsPage = FileSelectionPage = DateLimitPage = 0; }

    // Moves the page onto the tab strip, brings it to the front and makes it visible.
    void showPage(PageId);
    PageId frontPage() const { return front_; }
    bool everShown(PageId id) const { return shown_[static_cast<int>(id)]; }

    void setFocus(Control&);
    Control* focused() const { return focused_; }
    // The view reports where the focus went by the user's hand.
    void focusMoved(Control* c) { focused_ = c; }
    // Which control takes the focus when the focused one turns grey: a step button that runs out
    // of pages (the tabs' pair or the date limits' pair) hands it to the other one of its pair, if
    // usable. nullptr: the next control in the tab order.
    Control* focusAfterGreying(const Control& greyed) const;

    // Navigation handlers.
    void tabStripOptions_Click();
    void cmdCopyOptionNext_Click(int index);

    TabStrip& tabStripOptions = get<TabStrip>("tabStripOptions");
    Label& lblSrcPath = get<Label>("lblSrcPath");
    TextBox& txtSrcPath = get<TextBox>("txtSrcPath");
    Button& cmdBrowseSrc = get<Button>("cmdBrowseSrc");
    Label& lblDestPath = get<Label>("lblDestPath");
    TextBox& txtDestPath = get<TextBox>("txtDestPath");
    Button& cmdBrowseDest = get<Button>("cmdBrowseDest");
    CheckBox& chkMatchDest = get<CheckBox>("chkMatchDest");
    Button& cmdRun = get<Button>("cmdRun");
    Button& cmdQuit = get<Button>("cmdQuit");
    Frame& frmSubDir = get<Frame>("frmSubDir");
    OptionGroup& optSub = get<OptionGroup>("optSub");
    CheckBox& chkLev = get<CheckBox>("chkLev");
    TextBox& txtDirLev = get<TextBox>("txtDirLev");
    Frame& fmRestart = get<Frame>("fmRestart");
    OptionGroup& optCopyMode = get<OptionGroup>("optCopyMode");
    Frame& fmFlags = get<Frame>("fmFlags");
    CheckBox& chkData = get<CheckBox>("chkData");
    CheckBox& chkAcls = get<CheckBox>("chkAcls");
    CheckBox& chkAttrib = get<CheckBox>("chkAttrib");
    CheckBox& chkOwnership = get<CheckBox>("chkOwnership");
    CheckBox& chkTimestamps = get<CheckBox>("chkTimestamps");
    CheckBox& chkAudit = get<CheckBox>("chkAudit");
    Frame& fmRunHours = get<Frame>("fmRunHours");
    CheckBox& chkRunHours = get<CheckBox>("chkRunHours");
    MaskedEdit& mskEdRunHours = get<MaskedEdit>("mskEdRunHours");
    CheckBox& chkPf = get<CheckBox>("chkPf");
    CheckBox& chkIpg = get<CheckBox>("chkIpg");
    TextBox& txtIpg = get<TextBox>("txtIpg");
    Frame& frmSecurity = get<Frame>("frmSecurity");
    CheckBox& chkSecurity = get<CheckBox>("chkSecurity");
    CheckBox& chkCopyAll = get<CheckBox>("chkCopyAll");
    CheckBox& chkNoCopy = get<CheckBox>("chkNoCopy");
    Frame& fmMir = get<Frame>("fmMir");
    CheckBox& chkPurge = get<CheckBox>("chkPurge");
    CheckBox& chkMir = get<CheckBox>("chkMir");
    CheckBox& chkMon = get<CheckBox>("chkMon");
    TextBox& txtMon = get<TextBox>("txtMon");
    CheckBox& chkMot = get<CheckBox>("chkMot");
    TextBox& txtMot = get<TextBox>("txtMot");
    Frame& fmMove = get<Frame>("fmMove");
    CheckBox& chkMov = get<CheckBox>("chkMov");
    CheckBox& chkMove = get<CheckBox>("chkMove");
    CheckBox& chkCreate = get<CheckBox>("chkCreate");
    CheckBox& chkFat = get<CheckBox>("chkFat");
    CheckBox& chkFft = get<CheckBox>("chkFft");
    CheckBox& chkNoLfns = get<CheckBox>("chkNoLfns");
    Label& lblAddSubAttrib = get<Label>("lblAddSubAttrib");
    Label& lblAddSubR = get<Label>("lblAddSubR");
    OptionGroup& optAttribAddSubR = get<OptionGroup>("optAttribAddSubR");
    Label& lblAddSubA = get<Label>("lblAddSubA");
    OptionGroup& optAttribAddSubA = get<OptionGroup>("optAttribAddSubA");
    Label& lblAddSubS = get<Label>("lblAddSubS");
    OptionGroup& optAttribAddSubS = get<OptionGroup>("optAttribAddSubS");
    Label& lblAddSubH = get<Label>("lblAddSubH");
    OptionGroup& optAttribAddSubH = get<OptionGroup>("optAttribAddSubH");
    Label& lblAddSubN = get<Label>("lblAddSubN");
    OptionGroup& optAttribAddSubN = get<OptionGroup>("optAttribAddSubN");
    Label& lblAddSubT = get<Label>("lblAddSubT");
    OptionGroup& optAttribAddSubT = get<OptionGroup>("optAttribAddSubT");
    Label& lblAttribIncExc = get<Label>("lblAttribIncExc");
    Label& lblAttribIncExcR = get<Label>("lblAttribIncExcR");
    OptionGroup& optAttribIncExcR = get<OptionGroup>("optAttribIncExcR");
    Label& lblAttribIncExcA = get<Label>("lblAttribIncExcA");
    OptionGroup& optAttribIncExcA = get<OptionGroup>("optAttribIncExcA");
    Label& lblAttribIncExcS = get<Label>("lblAttribIncExcS");
    OptionGroup& optAttribIncExcS = get<OptionGroup>("optAttribIncExcS");
    Label& lblAttribIncExcH = get<Label>("lblAttribIncExcH");
    OptionGroup& optAttribIncExcH = get<OptionGroup>("optAttribIncExcH");
    Label& lblAttribIncExcN = get<Label>("lblAttribIncExcN");
    OptionGroup& optAttribIncExcN = get<OptionGroup>("optAttribIncExcN");
    Label& lblAttribIncExcT = get<Label>("lblAttribIncExcT");
    OptionGroup& optAttribIncExcT = get<OptionGroup>("optAttribIncExcT");
    Label& lblAttribIncExcC = get<Label>("lblAttribIncExcC");
    OptionGroup& optAttribIncExcC = get<OptionGroup>("optAttribIncExcC");
    Label& lblAttribIncExcE = get<Label>("lblAttribIncExcE");
    OptionGroup& optAttribIncExcE = get<OptionGroup>("optAttribIncExcE");
    Label& lblAttribIncExO = get<Label>("lblAttribIncExO");
    OptionGroup& optAttribIncExcO = get<OptionGroup>("optAttribIncExcO");
    Frame& fmArchiveSetIncOnly = get<Frame>("fmArchiveSetIncOnly");
    OptionGroup& optArchiveSetIncOnly = get<OptionGroup>("optArchiveSetIncOnly");
    Label& lblFileExclName = get<Label>("lblFileExclName");
    TextBox& txtFileExclName = get<TextBox>("txtFileExclName");
    Label& lblDirExclName = get<Label>("lblDirExclName");
    TextBox& txtDirExclName = get<TextBox>("txtDirExclName");
    Frame& fmExclChange = get<Frame>("fmExclChange");
    OptionGroup& optFileExcl = get<OptionGroup>("optFileExcl");
    Frame& fmExclXtraLonely = get<Frame>("fmExclXtraLonely");
    OptionGroup& optExclXtraLoneLy = get<OptionGroup>("optExclXtraLoneLy");
    CheckBox& chkInclSame = get<CheckBox>("chkInclSame");
    CheckBox& chkInclTweaked = get<CheckBox>("chkInclTweaked");
    Calendar& calMaxAge = get<Calendar>("calMaxAge");
    Calendar& calMinAge = get<Calendar>("calMinAge");
    Calendar& calMaxLad = get<Calendar>("calMaxLad");
    Calendar& calMinLad = get<Calendar>("calMinLad");
    CheckBox& chkMaxAgeEnable = get<CheckBox>("chkMaxAgeEnable");
    CheckBox& chkMinAgeEnable = get<CheckBox>("chkMinAgeEnable");
    CheckBox& chkMaxLadEnable = get<CheckBox>("chkMaxLadEnable");
    CheckBox& chkMinLadEnable = get<CheckBox>("chkMinLadEnable");
    Frame& fmAttribA = get<Frame>("fmAttribA");
    OptionGroup& optFileAddA = get<OptionGroup>("optFileAddA");
    CheckBox& chkMinFileSize = get<CheckBox>("chkMinFileSize");
    TextBox& txtMinFileSize = get<TextBox>("txtMinFileSize");
    CheckBox& chkMaxFileSize = get<CheckBox>("chkMaxFileSize");
    TextBox& txtMaxFileSize = get<TextBox>("txtMaxFileSize");
    CheckBox& chkExcJunction = get<CheckBox>("chkExcJunction");
    Label& lblRetryTxt = get<Label>("lblRetryTxt");
    Slider& sldRetry = get<Slider>("sldRetry");
    Label& lblRetryVal = get<Label>("lblRetryVal");
    Label& lblWaitTxt = get<Label>("lblWaitTxt");
    Slider& sldWait = get<Slider>("sldWait");
    Label& lblWaitVal = get<Label>("lblWaitVal");
    CheckBox& chkReg = get<CheckBox>("chkReg");
    CheckBox& chkTbd = get<CheckBox>("chkTbd");
    CheckBox& chkNp = get<CheckBox>("chkNp");
    CheckBox& chkEta = get<CheckBox>("chkEta");
    Frame& Frame2 = get<Frame>("Frame2");
    TextBox& txtLogFile = get<TextBox>("txtLogFile");
    Button& cmdLogFile = get<Button>("cmdLogFile");
    OptionGroup& optLogFile = get<OptionGroup>("optLogFile");
    CheckBox& chkTerminal = get<CheckBox>("chkTerminal");
    CheckBox& chkListOnly = get<CheckBox>("chkListOnly");
    CheckBox& chkReportXtra = get<CheckBox>("chkReportXtra");
    CheckBox& chkVerbose = get<CheckBox>("chkVerbose");
    CheckBox& chkInclSource = get<CheckBox>("chkInclSource");
    CheckBox& chkInclFullPath = get<CheckBox>("chkInclFullPath");
    CheckBox& chkJobHeader = get<CheckBox>("chkJobHeader");
    CheckBox& chkJobSummary = get<CheckBox>("chkJobSummary");
    Frame& fmSaveBatch = get<Frame>("fmSaveBatch");
    Button& cmdSaveBatch = get<Button>("cmdSaveBatch");
    StatusLine statusLine;

private:
    MainWindowObserver* observer_ = nullptr;
    PageId front_ = PageId::Count;
    bool shown_[kPageCount] = {};
    Control* focused_ = nullptr;
};

}  // namespace ui
