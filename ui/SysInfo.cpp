#include "ui/SysInfo.h"

#include <cstdint>

#include "command/Messages.h"

namespace ui {

std::string decodeRegistryValue(const platform::RegistryValue& v, const std::string& callerText) {
    constexpr std::uint32_t kRegSz = 1, kRegExpandSz = 2, kRegDword = 4;
    std::string bytes(v.data.begin(), v.data.end());
    if (!bytes.empty() && bytes.back() == '\0') bytes.pop_back();
    if (v.type == kRegSz || v.type == kRegExpandSz) return bytes;
    if (v.type == kRegDword) {
        // Little-endian: the last byte is the most significant.
        unsigned long long n = 0;
        for (size_t i = v.data.size(); i-- > 0;) n = n * 256 + v.data[i];
        return std::to_string(n);
    }
    return callerText;
}

std::optional<std::string> GetKeyValue(platform::Platform& p, const std::string& key, const std::string& value,
                                       const std::string& callerText) {
    auto v = p.readMachineRegistry(key, value);
    if (!v) return std::nullopt;
    std::string text = decodeRegistryValue(*v, callerText);
    if (text.empty()) return std::nullopt;
    return text;
}

void StartSysInfo(platform::Platform& p) {
    std::optional<std::string> path = GetKeyValue(p, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH");
    if (!path) {
        if (auto folder = GetKeyValue(p, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO")) {
            std::string file = *folder + "\\MSINFO32.EXE";
            if (p.fileExists(file)) path = file;
        }
    }
    if (path) {
        std::string commandLine = path->find(' ') != std::string::npos ? "\"" + *path + "\"" : *path;
        if (p.startProcess(*path, commandLine, platform::ShowState::Normal).isDone()) return;
    }
    p.messageBox(command::kAppTitle, kSysInfoUnavailable, platform::Buttons::Ok, platform::Icon::None);
}

}  // namespace ui
