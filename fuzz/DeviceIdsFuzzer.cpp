// The identity list as a configuration file may hold it, in any encoding:
// loading keeps its results, accepted identities are trimmed and never
// empty, and matching them against present hardware ids (and parsing ids
// from whatever they hold) stays within the texts.
#include <algorithm>

#include "FuzzInput.h"
#include "support/TempFolder.h"
#include "audio/device/CDeviceIdMgr.h"
#include "audio/device/DeviceDiscovery.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static TempFolder folder;
    folder.write("AudioConfig.cfg", AsText(data, size));
    CDeviceIdMgr list;
    int result = list.LoadFromConfig(folder.path());
    FUZZ_CHECK(result >= 0 && result <= 4);
    FUZZ_CHECK(list.Identities().size() <= list.RawEntries().size());
    std::vector<std::string> present = {"USB\\VID_0C76&PID_161F&REV_0100&MI_00", "USB\\VID_0C76&PID_161F",
                                        "HID\\VID_046D&PID_C52B&REV_1203&MI_00"};
    for (const std::string& identity : list.Identities()) {
        FUZZ_CHECK(!identity.empty() && identity.front() != ' ' && identity.back() != ' ');
        present.push_back(identity);
        std::uint16_t vendorId = 0, productId = 0;
        ParseIds(identity, vendorId, productId);
    }
    std::string found = FindDevice(list.Identities(), present);
    FUZZ_CHECK(found.empty() || std::find(present.begin(), present.end(), found) != present.end());
    std::uint16_t vendorId = 0, productId = 0;
    ParseIds(AsText(data, size), vendorId, productId);
    return 0;
}
