#include "command/OpenAddress.h"

#include <string>

#include "command/Messages.h"

namespace command {

bool openAddress(platform::Platform& p, std::string_view target, std::string_view shown) {
    const platform::Result<> opened = p.shellOpen(std::string(target));
    if (opened.isDone()) return true;
    p.messageBox(kAppTitle, openFailedText(shown, opened.reason), platform::Buttons::Ok, platform::Icon::Exclamation);
    return false;
}

}  // namespace command
