// Save, open, save again: for window states from the random model test's sessions, the second
// file is byte for byte the first and the slots are those the first save left, for a command
// script and for a text file. A failure names its seed; ZKV_MODEL_SEED=<seed> runs that one.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "command/CommandFile.h"
#include "tests/unit/RandomSession.h"

namespace {

using platform::Answer;
using testsupport::Session;

constexpr int kStates = 2500;
constexpr int kEventsPerState = 30;

// Every slot that reaches a command line, with the paths.
std::string commandSlots(const slots::SwitchSlots& s) {
    std::string out = s.SourcePathArg + "|" + s.DestPathArg;
    for (const auto& info : slots::commandOrder()) out += "|" + s.*info.slot;
    return out;
}

// One press of Save with the dialog answering this name; Yes to a question about a root.
bool save(Session& x, const std::string& name) {
    x.p.saveAnswers = {name};
    x.p.answers = {Answer::Yes};
    return command::saveCommandFile(x.w.txtSrcPath.text(), x.w.txtDestPath.text(), x.s, x.p) == command::Outcome::Saved;
}

// "" when the state round-trips or cannot be saved at all, else what went wrong.
std::string roundTrip(std::uint64_t seed, const std::string& extension, bool& saved) {
    Session x(seed);
    std::string events;
    for (int i = 0; i < kEventsPerState; ++i) events += "  " + testsupport::step(x) + "\n";
    const std::string first = "C:\\Jobs\\first" + extension, second = "C:\\Jobs\\second" + extension;
    saved = save(x, first);
    if (!saved) {
        // Folders the session left unusable: the switches are what is tried.
        x.w.txtSrcPath.setText("C:\\Data\\");
        x.w.txtDestPath.setText("D:\\Backup\\");
        saved = save(x, first);
    }
    if (!saved) return "";
    const std::string slotsSaved = commandSlots(x.s);
    const std::string why =
        "seed " + std::to_string(seed) + " (" + extension + "), file " + x.p.written[first] + "events:\n" + events;
    if (!x.app.openJob(first)) return "refused: " + x.p.messages.back().text + "\n" + why;
    if (!save(x, second)) return "the opened job was not saved: " + x.p.messages.back().text + "\n" + why;
    if (x.p.written[second] != x.p.written[first]) return "saved again as " + x.p.written[second] + why;
    if (commandSlots(x.s) != slotsSaved) return "slots " + commandSlots(x.s) + "\nnot " + slotsSaved + "\n" + why;
    return "";
}

TEST(JobRoundTrip, SavingAnOpenedJobWritesTheSameFile) {
    for (const std::string extension : {".cmd", ".txt"}) {
        if (const char* one = std::getenv("ZKV_MODEL_SEED")) {
            bool saved = false;
            const std::string failure = roundTrip(std::strtoull(one, nullptr, 10), extension, saved);
            EXPECT_TRUE(failure.empty()) << failure;
            continue;
        }
        int savedStates = 0;
        for (std::uint64_t seed = 1; seed <= kStates; ++seed) {
            bool saved = false;
            const std::string failure = roundTrip(seed, extension, saved);
            ASSERT_TRUE(failure.empty()) << failure;
            savedStates += saved;
        }
        // Most sessions leave a command that can be saved; the rest hold a quote of the user's.
        EXPECT_GT(savedStates, kStates * 3 / 4) << extension;
    }
}

}  // namespace
