#include "command/CopyRun.h"

#include <tuple>

#include "command/CommandLine.h"
#include "command/Engine.h"
#include "command/FolderSafety.h"
#include "command/Messages.h"

namespace command {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

namespace {

// Refuses a command that would destroy what it was asked to copy, and asks before one that
// purges a whole drive or share; Ready when it may go on. Takes derivePath().value of each box.
Outcome checkFolderSafety(std::string_view source, std::string_view destination, const slots::SwitchSlots& s,
                          platform::Platform& p, std::string_view consequence) {
    const FolderCheck check = checkFolders(source, destination, s);
    std::string refusal;
    switch (check.risk) {
        case FolderRisk::None: return Outcome::Ready;
        case FolderRisk::SameFolder: refusal = sameFolderText(source, destination, consequence); break;
        case FolderRisk::SourceInsideDestination:
            refusal = sourceInsideDestinationText(source, destination, check.switches, consequence);
            break;
        case FolderRisk::DestinationInsideSource:
            refusal = destinationInsideSourceText(source, destination, check.switches, consequence);
            break;
        case FolderRisk::DestinationIsDriveRoot:
        case FolderRisk::DestinationIsShareRoot: {
            const bool share = check.risk == FolderRisk::DestinationIsShareRoot;
            const Answer answer = p.messageBox(kAppTitle, rootPurgeQuestion(destination, share, source, check.switches),
                                               Buttons::YesNoDefaultNo, Icon::Exclamation);
            return answer == Answer::Yes ? Outcome::Ready : Outcome::Cancelled;
        }
    }
    p.messageBox(kAppTitle, refusal, Buttons::Ok, Icon::Exclamation);
    return Outcome::FocusDestination;
}

}  // namespace

Outcome prepareCommand(std::string_view sourceBox, std::string_view destinationBox, slots::SwitchSlots& s,
                       platform::Platform& p, std::string_view consequence) {
    if (sourceBox.empty()) {
        p.messageBox(kErrorTitle, kNeedSource, Buttons::Ok, Icon::None);
        return Outcome::FocusSource;
    }
    if (destinationBox.empty()) {
        p.messageBox(kErrorTitle, kNeedDestination, Buttons::Ok, Icon::None);
        return Outcome::FocusDestination;
    }
    // Refused before anything is derived, so that a refusal changes nothing.
    for (auto [box, field, focus] : {std::tuple{sourceBox, "Source Path", Outcome::FocusSource},
                                     std::tuple{destinationBox, "Destination Path", Outcome::FocusDestination}}) {
        if (isFullPath(derivePath(box).value)) continue;
        p.messageBox(kAppTitle, notFullPathText(field, consequence), Buttons::Ok, Icon::Exclamation);
        return focus;
    }
    if (Outcome safety =
            checkFolderSafety(derivePath(sourceBox).value, derivePath(destinationBox).value, s, p, consequence);
        safety != Outcome::Ready)
        return safety;
    s.SourcePathArg = derivePath(sourceBox).written;
    s.DestPathArg = derivePath(destinationBox).written;
    if (auto field = findBrokenArgument(s, sourceBox, destinationBox)) {
        p.messageBox(kAppTitle, brokenArgumentText(*field, consequence), Buttons::Ok, Icon::Exclamation);
        return Outcome::Refused;
    }
    return Outcome::Ready;
}

Outcome runCopy(std::string_view sourceBox, std::string_view destinationBox, slots::SwitchSlots& s,
                platform::Platform& p, platform::RunId* run) {
    Outcome checked = prepareCommand(sourceBox, destinationBox, s, p, "Nothing was started.");
    if (checked != Outcome::Ready) return checked;
    if (p.messageBox(kContinueTitle, displayForm(s), Buttons::OkCancel, Icon::Question) != Answer::Ok)
        return Outcome::Cancelled;
    const std::string folder = p.programFolder();
    const auto elevation =
        needsAdministrator(s) && !p.elevated() ? platform::Elevation::AsAdministrator : platform::Elevation::AsIs;
    const auto started = p.startRun(enginePath(folder), launchForm(s, folder), kEngineShowState, elevation);
    switch (started.kind) {
        case platform::Result<platform::RunId>::Kind::Done:
            if (run) *run = started.value;
            return Outcome::Started;
        case platform::Result<platform::RunId>::Kind::Cancelled:
            p.messageBox(kAppTitle, kElevationDeclined, Buttons::Ok, Icon::Exclamation);
            return Outcome::Declined;
        case platform::Result<platform::RunId>::Kind::Failed: break;
    }
    p.messageBox(kAppTitle, engineStartFailedText(enginePath(folder), started.reason), Buttons::Ok, Icon::Critical);
    return Outcome::StartFailed;
}

}  // namespace command
