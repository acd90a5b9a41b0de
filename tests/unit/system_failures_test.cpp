// What the program asks of the system can fail; the user always hears of it, never as if they
// had cancelled, and nothing is changed on the way.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "command/CommandFile.h"
#include "tests/fake/FakePlatform.h"
#include "tests/unit/AppFixture.h"
#include "ui/AboutBox.h"

namespace {

constexpr const char* kWhy = "The system could not do it.";

TEST(SystemFailures, ADialogThatCannotBeShownIsReportedAndChangesNothing) {
    struct Case {
        const char* what;
        std::function<void(AppFixture&)> act;  // with the platform scripted to fail
        const char* consequence;
    } cases[] = {
        {"source folder picker",
         [](AppFixture& f) {
             f.p.folderAnswers = {platform::Result<std::string>::failed(kWhy)};
             f.w.cmdBrowseSrc.press();
         },
         "The folder box was left as it was."},
        {"destination folder picker",
         [](AppFixture& f) {
             f.p.folderAnswers = {platform::Result<std::string>::failed(kWhy)};
             f.w.cmdBrowseDest.press();
         },
         "The folder box was left as it was."},
        {"log file dialog",
         [](AppFixture& f) {
             f.p.saveAnswers = {platform::Result<std::string>::failed(kWhy)};
             f.w.cmdLogFile.press();
         },
         "The log file was left as it was."},
        {"command file dialog",
         [](AppFixture& f) {
             f.p.saveAnswers = {platform::Result<std::string>::failed(kWhy)};
             f.w.cmdSaveBatch.press();
             EXPECT_TRUE(f.p.written.empty());
         },
         "Nothing was saved."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        AppFixture f;
        f.w.txtSrcPath.setText("C:\\Data\\");
        f.w.txtDestPath.setText("D:\\Backup\\");
        f.w.txtLogFile.setText("C:\\logs\\run.log");
        f.w.optLogFile.select(1);
        const std::string slotsBefore = f.switches();
        c.act(f);
        ASSERT_EQ(f.p.messages.size(), 1u);
        EXPECT_EQ(f.p.messages[0].title, "Zentrova KV");
        EXPECT_EQ(f.p.messages[0].text, std::string(kWhy) + "\r\n" + c.consequence);
        EXPECT_EQ(f.p.messages[0].icon, platform::Icon::Exclamation);
        EXPECT_EQ(f.w.txtSrcPath.text(), "C:\\Data\\");
        EXPECT_EQ(f.w.txtDestPath.text(), "D:\\Backup\\");
        EXPECT_EQ(f.w.txtLogFile.text(), "C:\\logs\\run.log");
        EXPECT_EQ(f.switches(), slotsBefore);
    }
}

// The shell could not open a web or mail address: the message gives it as the user can type it.
TEST(SystemFailures, AnAddressThatCannotBeOpenedIsGivenToTheUser) {
    const auto failureText = [](const std::string& address) {
        return "This address could not be opened:\r\n" + address + "\r\n" + kWhy +
            "\r\nPlease type it into your web browser or mail program.";
    };
    {
        SCOPED_TRACE("the download page, when the engine is missing");
        fake::FakePlatform p;
        p.openError = kWhy;
        app::App app{p};
        p.answers = {platform::Answer::Ok};
        EXPECT_FALSE(app.Form_Load());
        EXPECT_EQ(p.opened, (std::vector<std::string>{std::string(app::kEngineDownloadPage)}));
        ASSERT_EQ(p.messages.size(), 2u);
        EXPECT_EQ(p.messages[1].title, "Zentrova KV");
        EXPECT_EQ(p.messages[1].text, failureText(std::string(app::kEngineDownloadPage)));
    }
    {
        SCOPED_TRACE("the About box's mail link");
        fake::FakePlatform p;
        p.openError = kWhy;
        ui::openMailLink(p);
        EXPECT_EQ(p.opened, (std::vector<std::string>{ui::mailLink()}));
        ASSERT_EQ(p.messages.size(), 1u);
        EXPECT_EQ(p.messages[0].title, "Zentrova KV");
        EXPECT_EQ(p.messages[0].text, failureText("support@zentrova.example"));
    }
    {
        SCOPED_TRACE("an address that opens says nothing");
        fake::FakePlatform p;
        ui::openMailLink(p);
        EXPECT_EQ(p.opened.size(), 1u);
        EXPECT_TRUE(p.messages.empty());
    }
}

}  // namespace
