#include "audio/device/DeviceDiscovery.h"

#include <cctype>
#include <cstdio>

#include "platform/core/Unicode.h"
#include "platform/driver/DriverExtension.h"
#include "platform/hid/Bus.h"

namespace {

char16_t Upper(char16_t c) {
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

// Compared as the other platform's wide strings, so lengths count UTF-16 units.
std::u16string UpperWide(const std::string& text) {
    std::u16string wide = core::utf8ToUtf16(text);
    for (char16_t& c : wide) {
        c = Upper(c);
    }
    return wide;
}

std::size_t ReferenceLength() {
    static const std::size_t length = core::utf8ToUtf16(kReferenceHardwareId).size();
    return length;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Up to four hexadecimal digits from `at`; reading stops at the first other character.
std::uint16_t ReadHex4(const std::string& text, std::size_t at) {
    unsigned value = 0;
    for (std::size_t i = at; i < text.size() && i < at + 4; ++i) {
        int digit = HexDigit(text[i]);
        if (digit < 0) {
            break;
        }
        value = value * 16 + static_cast<unsigned>(digit);
    }
    return static_cast<std::uint16_t>(value);
}

std::size_t FindMarker(const std::string& text, const char* upper, const char* mixed) {
    std::size_t at = text.find(upper);
    return at != std::string::npos ? at : text.find(mixed);
}

bool StartsWithIgnoringCase(const std::string& text, const std::string& prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(text[i])) !=
            std::toupper(static_cast<unsigned char>(prefix[i]))) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool HardwareIdMatches(const std::string& hardwareId, const std::string& identity) {
    std::u16string device = UpperWide(hardwareId);
    std::u16string pattern = UpperWide(identity);
    if (device.size() != pattern.size()) {
        return false;
    }
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != u'X' && pattern[i] != device[i]) {
            return false;
        }
    }
    return true;
}

std::string FindDevice(const std::vector<std::string>& identities,
                       const std::vector<std::string>& hardwareIds) {
    for (const std::string& hardwareId : hardwareIds) {
        if (core::utf8ToUtf16(hardwareId).size() != ReferenceLength()) {
            continue;
        }
        for (const std::string& identity : identities) {
            if (HardwareIdMatches(hardwareId, identity)) {
                return hardwareId;
            }
        }
    }
    return {};
}

std::string FindDevice(const std::vector<std::string>& identities) {
    return FindDevice(identities, hid::hardwareIds());
}

void ParseIds(const std::string& text, std::uint16_t& vendorId, std::uint16_t& productId) {
    vendorId = 0;
    productId = 0;
    std::size_t vid = FindMarker(text, "VID_", "Vid_");
    if (vid == std::string::npos) {
        return;
    }
    vendorId = ReadHex4(text, vid + 4);
    std::size_t pid = FindMarker(text, "PID_", "Pid_");
    if (pid == std::string::npos) {
        return;
    }
    productId = ReadHex4(text, pid + 4);
}

std::unique_ptr<hid::Device> OpenHidInterface(std::uint16_t vendorId, std::uint16_t productId) {
    for (const hid::DeviceInterface& interface : hid::enumerate()) {
        std::unique_ptr<hid::Device> device = hid::open(interface.path);
        if (device && device->info().vendorId == vendorId && device->info().productId == productId) {
            return device;
        }
    }
    return nullptr;
}

std::string DriverExtensionPath(std::uint16_t vendorId, std::uint16_t productId) {
    char path[64];
    std::snprintf(path, sizeof path, "\\\\.\\Class#SonvairExtension&%.4X&%.4X", vendorId, productId);
    return path;
}

bool DriverExtensionPresent(const std::string& path) {
    return driver::open(path) != nullptr;
}

std::shared_ptr<audio::CaptureEndpoint> FindCaptureEndpoint(std::uint16_t vendorId, std::uint16_t productId) {
    char prefix[48];
    std::snprintf(prefix, sizeof prefix, "\\\\?\\USB#VID_%.4X&PID_%.4X", vendorId, productId);
    audio::AudioSystem& system = audio::system();
    std::string displayName;
    bool found = false;
    for (const audio::CaptureDevice& device : system.captureDevices()) {
        if (StartsWithIgnoringCase(device.interfacePath, prefix)) {
            displayName = device.displayName;
            found = true;
        }
    }
    // An empty name is contained in every name: it would hand over whichever
    // microphone comes first, so it matches nothing.
    if (!found || displayName.empty()) {
        return nullptr;
    }
    auto endpoints = system.activeCaptureEndpoints();
    if (!endpoints) {
        return nullptr;
    }
    for (const auto& endpoint : *endpoints) {
        if (endpoint && endpoint->friendlyName().find(displayName) != std::string::npos) {
            return endpoint;
        }
    }
    return nullptr;
}
