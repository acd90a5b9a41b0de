#include "ui/AboutBox.h"

#include "command/OpenAddress.h"
#include "command/Version.h"

namespace ui {

AboutTexts aboutTexts() {
    const std::string title = ZKV_PRODUCT_NAME;
    return {"About " + title, title,
            "Version " + std::to_string(ZKV_VERSION_MAJOR) + "." + std::to_string(ZKV_VERSION_MINOR) + "." +
                std::to_string(ZKV_VERSION_REVISION),
            "A Handy GUI that Unleashes the Power\r\nof Microsoft's RoboCopy", std::string(kSupportAddress)};
}

std::string mailLink() { return "mailto:" + std::string(kSupportAddress) + "?Subject=Regarding Zentrova."; }

void openMailLink(platform::Platform& p) { command::openAddress(p, mailLink(), kSupportAddress); }

}  // namespace ui
