// Opening a saved job into the window: hand-written lines taken in the program's order, lines
// the window cannot show refused with the window left exactly as it was, the window put back to
// its start-up defaults first, the activation's resets, and the three ways in (the dialog, a
// drop, the start).
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "command/CommandFile.h"
#include "command/JobFile.h"
#include "tests/unit/AppFixture.h"

namespace {

using platform::Buttons;
using platform::Icon;

constexpr const char* kJob = "C:\\Jobs\\job.txt";

// Every control's state, as a user could see it, and the slots.
std::string stateOf(const AppFixture& f) {
    std::ostringstream out;
    for (const ui::Control* c : f.w.controls()) {
        out << c->name() << ' ' << c->enabled() << c->visible() << ' ' << c->backColour() << " '" << c->caption()
            << "'";
        if (auto* x = dynamic_cast<const ui::CheckBox*>(c)) out << " value " << x->value();
        if (auto* x = dynamic_cast<const ui::OptionGroup*>(c)) out << " selected " << x->selected();
        if (auto* x = dynamic_cast<const ui::TextBox*>(c)) out << " text '" << x->text() << "'";
        if (auto* x = dynamic_cast<const ui::MaskedEdit*>(c)) out << " text '" << x->text() << "'";
        if (auto* x = dynamic_cast<const ui::Slider*>(c)) out << " position " << x->position();
        if (auto* x = dynamic_cast<const ui::Calendar*>(c))
            out << " date " << x->date().year << '-' << x->date().month << '-' << x->date().day;
        out << '\n';
    }
    out << "DateLimitPage " << f.w.DateLimitPage << '\n';
    out << "paths '" << f.s.SourcePathArg << "' '" << f.s.DestPathArg << "'\nswitches '" << f.switches() << "'\n";
    return out.str();
}

// What "Continue?" shows after a press of Copy.
std::string continued(AppFixture& f) {
    f.p.answers = {platform::Answer::Cancel};
    const std::size_t before = f.p.messages.size();
    f.w.cmdRun.press();
    if (f.p.messages.size() != before + 1) return "(no message)";
    return f.p.messages.back().title + ": " + f.p.messages.back().text;
}

// A window that a user has changed on several pages.
void useTheWindow(AppFixture& f) {
    f.w.txtSrcPath.setText("C:\\Mine\\");
    f.w.txtDestPath.setText("D:\\Theirs\\");
    f.w.chkSecurity.click();
    f.w.chkMinFileSize.click();
    f.w.txtMinFileSize.setText("77");
    f.w.chkIpg.click();
    f.w.txtIpg.setText("5");
    f.w.optAttribAddSubH.select(0);
    f.w.sldWait.scrollTo(9);
    f.w.chkRunHours.click();
    f.w.chkData.click();
    f.w.cmdCalSelect(1).press();
    f.w.chkMinAgeEnable.click();
}

}  // namespace

// A line without /COPY: has no copy flag checked: the engine's default is the window's DAT.
TEST(OpenJob, HandWrittenLinesComeBackInTheProgramsOrder) {
    struct Case {
        const char *name, *line, *shown;
    } cases[] = {
        {"the program's own line", R"(robocopy.exe "C:\Data" "D:\Backup" /E /ZB /COPY:DAT /R:0 /W:0)",
         R"(robocopy.exe "C:\Data" "D:\Backup" /E /ZB /COPY:DAT /R:0 /W:0)"},
        {"another order", R"(robocopy.exe "C:\Data" "D:\Backup" /R:3 /MIR /W:5 /COPY:DT /B /S)",
         R"(robocopy.exe "C:\Data" "D:\Backup" /S /B /COPY:DT /MIR /R:3 /W:5)"},
        {"lower case", R"(robocopy.exe c:\data "d:\my backup" /e /copy:tad /a+:hr /xa:sh /r:1 /w:2 /np /log:c:\x.log)",
         R"(robocopy.exe "c:\data" "d:\my backup" /E /ZB /COPY:DAT /A+:RH /XA:SH /R:1 /W:2 /LOG:"c:\x.log" /NP)"},
        {"without .exe, after a folder", R"(C:\Windows\System32\ROBOCOPY "C:\Data" "E:\\" /E /ZB /R:0 /W:0)",
         R"(robocopy.exe "C:\Data" "E:\\" /E /ZB /R:0 /W:0)"},
        {"extra blanks", "robocopy   \"C:\\Data\"\t\"D:\\Backup\"    /E     /ZB   /R:0  /W:0   ",
         R"(robocopy.exe "C:\Data" "D:\Backup" /E /ZB /R:0 /W:0)"},
        {"the archive switch once", R"(robocopy C:\Data D:\Backup /M /R:0 /W:0)",
         R"(robocopy.exe "C:\Data" "D:\Backup" /E /M /ZB /M /R:0 /W:0)"},
        {"values in their fields",
         R"(robocopy C:\Data D:\Backup /LEV:3 /RH:0930-1715 /IPG:50 /MON:2 /MOT:10 /MAXAGE:20250131 /MINLAD:20240229 /XF *.tmp "a b.txt" /XD old /MIN:100 /MAX:5000 /LOG+:"C:\my logs\x.log" /R:30 /W:30 /TEE)",
         R"(robocopy.exe "C:\Data" "D:\Backup" /E /LEV:3 /ZB /MON:2 /MOT:10 /IPG:50 /RH:0930-1715 /XF *.tmp "a b.txt" /XD old /MIN:100 /MAX:5000 /MAXAGE:20250131 /MINLAD:20240229 /R:30 /W:30 /LOG+:"C:\my logs\x.log" /TEE)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AppFixture f;
        useTheWindow(f);
        f.p.written[kJob] = std::string(c.line) + "\r\n";
        ASSERT_TRUE(f.app.openJob(kJob)) << f.p.messages.back().text;
        EXPECT_EQ(continued(f), std::string("Continue?: ") + c.shown);
    }
}

TEST(OpenJob, ALineTheWindowCannotShowIsRefusedAndTheWindowStaysAsItWas) {
    struct Case {
        const char *name, *bytes, *reason;
    } cases[] = {
        {"an unknown switch", "robocopy a b /E /XYZ /R:0", "It holds \"/XYZ\", which this program cannot take."},
        {"a switch the window does not set", "robocopy a b /PF", "It holds \"/PF\", which this program cannot take."},
        {"a number the field refuses", "robocopy a b /IPG:fast",
         "It holds \"/IPG:fast\", which this program cannot take."},
        {"a retry count past the slider", "robocopy a b /R:31", "It holds \"/R:31\", which this program cannot take."},
        {"run hours that end before they start", "robocopy a b /RH:1700-0900",
         "It holds \"/RH:1700-0900\", which this program cannot take."},
        {"a date that does not exist", "robocopy a b /MAXAGE:20250229",
         "It holds \"/MAXAGE:20250229\", which this program cannot take."},
        {"an age in days", "robocopy a b /MAXAGE:30", "It holds \"/MAXAGE:30\", which this program cannot take."},
        {"a copy flag that does not exist", "robocopy a b /COPY:DX",
         "It holds \"/COPY:DX\", which this program cannot take."},
        {"a letter twice", "robocopy a b /A+:RR", "It holds \"/A+:RR\", which this program cannot take."},
        {"a letter both added and removed", "robocopy a b /A+:R /A-:R",
         "It holds \"/A+:R\", which this program cannot take."},
        {"two sub-folder choices", "robocopy a b /S /E", "It holds \"/S\", which this program cannot take."},
        {"a value on a plain switch", "robocopy a b /MIR:yes",
         "It holds \"/MIR:yes\", which this program cannot take."},
        {"a word after a plain switch", "robocopy a b /MIR *.txt",
         "It holds \"/MIR *.txt\", which this program cannot take."},
        {"an empty list", "robocopy a b /XF /R:0", "It holds \"/XF\", which this program cannot take."},
        {"a third folder", "robocopy a b c /E", "It holds \"c\", which this program cannot take."},
        {"an unbalanced quote", "robocopy \"a\" \"b /E", "It holds \"\"b /E\", which this program cannot take."},
        {"another program", "xcopy a b /E", "It holds \"xcopy\", which this program cannot take."},
        {"an empty file", "", "It holds no robocopy command line."},
        {"one folder", "robocopy a", "It does not name both a source and a destination folder."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AppFixture f;
        useTheWindow(f);
        const std::string before = stateOf(f);
        const std::size_t messages = f.p.messages.size();
        f.p.written[kJob] = c.bytes;
        EXPECT_FALSE(f.app.openJob(kJob));
        ASSERT_EQ(f.p.messages.size(), messages + 1);
        EXPECT_EQ(f.p.messages.back().title, "Zentrova KV");
        EXPECT_EQ(f.p.messages.back().text, command::jobRefusedText(kJob, c.reason));
        EXPECT_EQ(f.p.messages.back().icon, Icon::Exclamation);
        EXPECT_EQ(stateOf(f), before);
    }
    AppFixture f;
    useTheWindow(f);
    const std::string before = stateOf(f);
    f.p.written[kJob] = "robocopy a b /E\r\n" + std::string(command::kJobFileMostBytes, ' ');
    EXPECT_FALSE(f.app.openJob(kJob));
    EXPECT_EQ(f.p.messages.back().text,
              command::jobRefusedText(kJob, "It is larger than 64 KB, which no saved job is."));
    EXPECT_EQ(stateOf(f), before);
}

// Whatever the user had done, an opened job starts from the window a fresh start shows.
TEST(OpenJob, TheWindowGoesBackToItsStartBeforeTheJobIsSet) {
    const std::string line = "robocopy.exe \"C:\\Data\" \"D:\\Backup\" /S /LEV:2 /ZB /COPY:DAT /MOV /R:4 /W:0\r\n";
    AppFixture used, fresh;
    useTheWindow(used);
    for (AppFixture* f : {&used, &fresh}) {
        f->p.written[kJob] = line;
        ASSERT_TRUE(f->app.openJob(kJob));
    }
    EXPECT_EQ(stateOf(used), stateOf(fresh));
    EXPECT_EQ(continued(used), "Continue?: " + line.substr(0, line.size() - 2));
}

// The warning is there to be read: a /MIR opened shows it once, as a click would, and the trial
// before it shows nothing.
TEST(OpenJob, AMirrorInTheFileShowsTheWarningOnce) {
    AppFixture f;
    f.p.written[kJob] = "robocopy a b /MIR /XYZ";
    EXPECT_FALSE(f.app.openJob(kJob));
    ASSERT_EQ(f.p.messages.size(), 1u);
    EXPECT_EQ(f.p.messages[0].title, "Zentrova KV");
    f.p.written[kJob] = "robocopy a b /MIR";
    EXPECT_TRUE(f.app.openJob(kJob));
    ASSERT_EQ(f.p.messages.size(), 2u);
    EXPECT_EQ(f.p.messages[1].title, "WARNING!");
    EXPECT_TRUE(f.w.chkMir.checked());
}

// At the start the job is set after the first activation, so that its groups survive it; a later
// activation (back from the About box) resets them as it always has.
TEST(OpenJob, TheJobSurvivesTheFirstActivationAndALaterOneResetsItsGroups) {
    const char* line = "robocopy a b /S /A /COPY:DAT /XO /XL /A+:R /IA:C";
    AppFixture f;
    f.p.written[kJob] = line;
    std::optional<command::JobLine> job = f.app.tryJob(kJob);
    ASSERT_TRUE(job);
    f.app.Form_Activate();
    f.app.setJob(*job);
    EXPECT_EQ(f.switches(), " /S /A /ZB /COPY:DAT /A+:R /IA:C /A /XO /XL /R:0 /W:0");
    f.app.Form_Activate();
    EXPECT_EQ(f.switches(), kStartupSwitches);
}

// The rules of the fields a job fills ask for the focus, as a click on their box does; it stays
// where the user had it, on a page that may not be in front.
TEST(OpenJob, TheFocusStaysWhereTheUserHadIt) {
    AppFixture f;
    f.w.focusMoved(&f.w.cmdOpenJob);
    f.p.written[kJob] = "robocopy a b /IPG:5 /MIN:10 /RH:0800-0900";
    ASSERT_TRUE(f.app.openJob(kJob));
    EXPECT_EQ(f.w.focused(), &f.w.cmdOpenJob);
}

TEST(OpenJob, TheDialogHasSavesFiltersAndACancelChangesNothing) {
    AppFixture f;
    useTheWindow(f);
    const std::string before = stateOf(f);
    f.w.cmdOpenJob.press();
    ASSERT_EQ(f.p.openDialogs.size(), 1u);
    EXPECT_EQ(f.p.openDialogs[0].filters, command::commandFileDialogSetup().filters);
    EXPECT_EQ(stateOf(f), before);
    f.p.openAnswers = {platform::Result<std::string>::failed("No memory.")};
    f.w.cmdOpenJob.press();
    EXPECT_EQ(f.p.messages.back().title, "Zentrova KV");
    EXPECT_EQ(stateOf(f), before);
    f.p.written["C:\\Jobs\\a.cmd"] = "robocopy.exe \"C:\\100%%\" \"D:\\x\" /XF a^&b /R:0 /W:0\r\n";
    f.p.openAnswers = {"C:\\Jobs\\a.cmd"};
    f.w.cmdOpenJob.press();
    EXPECT_EQ(continued(f), "Continue?: robocopy.exe \"C:\\100%\" \"D:\\x\" /E /ZB /XF a&b /R:0 /W:0");
}

TEST(OpenJob, ADroppedJobFileOpensAndADroppedFolderStillFillsItsBox) {
    AppFixture f;
    f.p.written["C:\\Jobs\\a.BAT"] = "robocopy C:\\a D:\\b /COPY:DAT /NP";
    f.p.written["C:\\Jobs\\b.log"] = "robocopy C:\\a D:\\b /NP";
    f.p.folders = {"C:\\Jobs\\folder.cmd", "E:\\Data"};
    f.app.filesDropped({"C:\\Jobs\\b.log"}, nullptr);  // not a job file's name
    f.app.filesDropped({"C:\\Jobs\\a.BAT", "C:\\Jobs\\a.BAT"}, nullptr);  // two files
    f.app.filesDropped({"C:\\Jobs\\folder.cmd"}, &f.w.txtDestPath);  // a folder, whatever its name
    EXPECT_EQ(f.switches(), kStartupSwitches);
    EXPECT_EQ(f.w.txtDestPath.text(), "C:\\Jobs\\folder.cmd\\");
    f.app.filesDropped({"E:\\Data"}, &f.w.txtSrcPath);
    EXPECT_EQ(f.w.txtSrcPath.text(), "E:\\Data\\");
    f.app.filesDropped({"C:\\Jobs\\a.BAT"}, &f.w.txtSrcPath);
    EXPECT_EQ(f.w.txtSrcPath.text(), "C:\\a");
    EXPECT_EQ(f.switches(), std::string(kStartupSwitches) + " /NP");
}
