#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/audio/AudioSystem.h"
#include "platform/hid/Device.h"

// The reference pattern; only its length takes part in the search.
inline constexpr const char* kReferenceHardwareId = "USB\\VID_0C76&PID_16XX&REV_0100&MI_00";

// Whether a hardware id matches one identity pattern: same length, equal
// without regard to letter case, an "X" in the pattern matching anything.
bool HardwareIdMatches(const std::string& hardwareId, const std::string& identity);

// The hardware id of the first present device whose id has the reference
// pattern's length and matches one of the identities; "" when none does.
std::string FindDevice(const std::vector<std::string>& identities);
std::string FindDevice(const std::vector<std::string>& identities,
                       const std::vector<std::string>& hardwareIds);

// Vendor and product id after "VID_" (or "Vid_") and "PID_" (or "Pid_"),
// four hexadecimal characters each; a missing marker leaves the rest 0.
void ParseIds(const std::string& text, std::uint16_t& vendorId, std::uint16_t& productId);

// The first HID interface with both ids, open; nullptr when there is none.
std::unique_ptr<hid::Device> OpenHidInterface(std::uint16_t vendorId, std::uint16_t productId);

// "\\.\Class#SonvairExtension&VVVV&PPPP"
std::string DriverExtensionPath(std::uint16_t vendorId, std::uint16_t productId);
// Present when the path opens (it is closed again at once).
bool DriverExtensionPresent(const std::string& path);

// The headset's capture endpoint: the display name of the (last) capture
// device whose interface path begins with "\\?\USB#VID_vvvv&PID_pppp"
// (letter case aside), then the first active endpoint whose friendly name
// contains it. nullptr when any step finds nothing or fails, or the display
// name is empty.
std::shared_ptr<audio::CaptureEndpoint> FindCaptureEndpoint(std::uint16_t vendorId, std::uint16_t productId);
