// Settings files may hold anything a user or an installer left in them.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "audio/settings/CIniMgr.h"
#include "platform/profile/ProfileDocument.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);

    CIniMgr ini;
    int result = ini.LoadBytes(bytes);
    if (result != CIniMgr::LoadOk && result != CIniMgr::LoadDecodeFailed) {
        __builtin_trap();
    }
    std::vector<std::string> keys;
    ini.GetKeyNames("S", keys);
    for (const std::string& key : keys) {
        ini.GetValue("S", key);
    }

    // An edit keeps every byte it does not replace and still finds what it wrote.
    auto document = profile::ProfileDocument::parse(std::string(bytes));
    document.find("S", "k");
    document.set("S", "k", "v");
    auto again = profile::ProfileDocument::parse(document.bytes());
    if (again.find("S", "k") != std::optional<std::string>("v")) {
        __builtin_trap();
    }
    return 0;
}
