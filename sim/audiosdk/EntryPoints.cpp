// The entry points of the audio SDK stand-in, with the names and argument
// orders the panel binds. Every call works on the active headset, opening its
// HID interface for the call and closing it after.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <mutex>
#include <string_view>
#include <vector>

#include "platform/driver/DriverExtension.h"
#include "sim/audiosdk/ButtonScanner.h"
#include "sim/audiosdk/HeadsetLink.h"
#include "sim/headset/VendorProtocol.h"

#define SDK_API extern "C" __attribute__((visibility("default")))

namespace {

using namespace sdk;
namespace vendor = sim::vendor;
using Bytes = std::vector<std::uint8_t>;

struct Session {
    std::mutex mutex;
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    bool active = false;
    std::unique_ptr<ButtonScanner> scanner;
};

Session& session() {
    static Session instance;
    return instance;
}

std::unique_ptr<HeadsetLink> activeLink() {
    Session& s = session();
    std::lock_guard lock(s.mutex);
    return s.active ? HeadsetLink::open(s.vendorId, s.productId) : nullptr;
}

template <typename Work>
std::int32_t onHeadset(std::int32_t index, Work work) {
    if (index != 0) {
        return BadArgument;
    }
    auto link = activeLink();
    return link ? work(*link) : NoDevice;
}

std::int32_t call(std::uint8_t what, const Bytes& arguments = {}, std::span<std::uint8_t> answer = {}) {
    return onHeadset(0, [&](HeadsetLink& link) { return link.vendorCall(what, arguments, answer); });
}

void putLe32(Bytes& bytes, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

std::int32_t copyVersion(std::u16string_view version, char16_t* text, std::int32_t capacity) {
    if (!text || capacity <= static_cast<std::int32_t>(version.size())) {
        return BadArgument;
    }
    std::copy(version.begin(), version.end(), text);
    text[version.size()] = 0;
    return Ok;
}

std::int32_t rgbMode(std::uint8_t family, std::uint8_t device, std::uint8_t group, std::uint8_t mode,
                     std::uint8_t speed, std::int32_t wait) {
    Bytes args = {family, device, group, mode, speed};
    putLe32(args, static_cast<std::uint32_t>(wait));
    return call(vendor::RgbMode, args);
}

std::int32_t rgbColour(std::uint8_t family, std::uint8_t device, std::uint8_t group, std::uint8_t index,
                       std::uint8_t red, std::uint8_t green, std::uint8_t blue, std::int32_t wait) {
    Bytes args = {family, device, group, index, red, green, blue};
    putLe32(args, static_cast<std::uint32_t>(wait));
    return call(vendor::RgbColour, args);
}

std::int32_t rgbSingle(std::uint8_t family, std::uint8_t device, std::uint8_t group, std::uint8_t mode,
                       std::uint8_t red, std::uint8_t green, std::uint8_t blue, std::int32_t wait) {
    Bytes args = {family, device, group, mode, red, green, blue};
    putLe32(args, static_cast<std::uint32_t>(wait));
    return call(vendor::RgbSingleColour, args);
}

std::int32_t rgbStep(std::uint8_t family, std::uint8_t device, std::uint8_t steps, std::int32_t wait) {
    Bytes args = {family, device, steps};
    putLe32(args, static_cast<std::uint32_t>(wait));
    return call(vendor::RgbStep, args);
}

std::int32_t rgbBrightness(std::uint8_t family, std::uint8_t device, std::uint8_t led,
                           std::uint8_t brightness, std::int32_t wait) {
    Bytes args = {family, device, led, brightness};
    putLe32(args, static_cast<std::uint32_t>(wait));
    return call(vendor::RgbBrightness, args);
}

std::int32_t readOnOff(std::uint8_t what, std::int32_t* on, std::int32_t index) {
    if (!on) {
        return BadArgument;
    }
    std::uint8_t state[1] = {};
    std::int32_t status =
        onHeadset(index, [&](HeadsetLink& link) { return link.vendorCall(what, {}, state); });
    if (status == Ok) {
        *on = state[0] ? 1 : 0;
    }
    return status;
}

}  // namespace

SDK_API std::int32_t DLLQ9_GetAP_VersionW(char16_t* text, std::int32_t capacity) {
    return copyVersion(u"1.0.0.1", text, capacity);
}

SDK_API std::int32_t DLLQ9_GetDLL_VersionW(char16_t* text, std::int32_t capacity) {
    return copyVersion(u"1.0.0.0", text, capacity);
}

#ifndef SDK_WITHOUT_CHECK_DRIVER
// 0 when the active headset's driver publishes its extension.
SDK_API std::int32_t DLLQ9_CheckDriver() {
    Session& s = session();
    char path[64];
    {
        std::lock_guard lock(s.mutex);
        if (!s.active) {
            return NoDevice;
        }
        std::snprintf(path, sizeof path, "\\\\.\\Class#SonvairExtension&%.4X&%.4X", s.vendorId, s.productId);
    }
    return driver::open(path) ? Ok : NoDevice;
}
#endif

SDK_API std::int32_t DLLQ9_SetActive_Device(std::uint16_t vendorId, std::uint16_t productId) {
    auto link = HeadsetLink::open(vendorId, productId);
    std::int32_t status = link ? link->vendorCall(vendor::Attach, {}) : NoDevice;
    Session& s = session();
    std::lock_guard lock(s.mutex);
    s.active = status == Ok;
    s.vendorId = vendorId;
    s.productId = productId;
    return status;
}

SDK_API std::int32_t DLLQ9_AudioCommand(std::uint8_t* packet, std::uint32_t* length) {
    if (!packet || !length || *length != vendor::kCommandPacketLength) {
        return BadArgument;
    }
    Bytes arguments(packet, packet + vendor::kCommandPacketLength);
    std::uint8_t reply[vendor::kCommandPacketLength];
    std::int32_t status = call(vendor::AudioCommand, arguments, reply);
    if (status == Ok) {
        std::memcpy(packet, reply, sizeof reply);
    }
    return status;
}

SDK_API std::int32_t DLLQ9_ConfigEQ_ById(std::int32_t index) {
    return onHeadset(index, [](HeadsetLink& link) { return link.vendorCall(vendor::ConfigEq, {}); });
}

SDK_API std::int32_t DLLQ9_SetEQ_OnOff_ById(std::int32_t on, std::int32_t index) {
    return onHeadset(index, [&](HeadsetLink& link) {
        return link.vendorCall(vendor::SetEqOnOff, Bytes{static_cast<std::uint8_t>(on != 0)});
    });
}

SDK_API std::int32_t DLLQ9_IsEQ_Enable_ById(std::int32_t* on, std::int32_t index) {
    return readOnOff(vendor::IsEqEnabled, on, index);
}

SDK_API std::int32_t DLLQ9_Config3D_ById(std::int32_t index) {
    return onHeadset(index, [](HeadsetLink& link) { return link.vendorCall(vendor::Config3D, {}); });
}

SDK_API std::int32_t DLLQ9_Set3D_OnOff_ById(std::int32_t on, std::int32_t index) {
    return onHeadset(index, [&](HeadsetLink& link) {
        return link.vendorCall(vendor::Set3DOnOff, Bytes{static_cast<std::uint8_t>(on != 0)});
    });
}

SDK_API std::int32_t DLLQ9_Is3D_Enable_ById(std::int32_t* on, std::int32_t index) {
    return readOnOff(vendor::Is3DEnabled, on, index);
}

SDK_API std::int32_t DLLQ9_SetVirtual7ch1_OnOff(std::int32_t on) {
    return call(vendor::SetSurroundOnOff, Bytes{static_cast<std::uint8_t>(on != 0)});
}

SDK_API std::int32_t DLLQ9_SetVirtual7ch1_Scalar(float scalar) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &scalar, sizeof bits);
    Bytes args;
    putLe32(args, bits);
    return call(vendor::SetSurroundScalar, args);
}

SDK_API std::int32_t DLLQ9_SetVirtual7ch1(const void* block) {
    if (!block) {
        return BadArgument;
    }
    const auto* bytes = static_cast<const std::uint8_t*>(block);
    return call(vendor::SetSurround, Bytes(bytes, bytes + 68));
}

SDK_API std::int32_t DLLQ9_SetEnc_Parameters(const void* block) {
    if (!block) {
        return BadArgument;
    }
    const auto* bytes = static_cast<const std::uint8_t*>(block);
    return call(vendor::SetEncParameters, Bytes(bytes, bytes + 16));
}

SDK_API std::int32_t DLLQ9_Read_Register_ById(std::uint16_t reg, std::uint8_t* value, std::int32_t index) {
    if (!value) {
        return BadArgument;
    }
    return onHeadset(index, [&](HeadsetLink& link) { return link.readRegister(reg, *value); });
}

SDK_API std::int32_t DLLQ9_Write_Register_ById(std::uint16_t reg, std::uint8_t value, std::int32_t index) {
    return onHeadset(index, [&](HeadsetLink& link) { return link.writeRegister(reg, value); });
}

SDK_API std::int32_t DLLQ9_Read_I2C_ById(std::uint8_t bus, std::uint8_t offset, std::uint8_t* buffer,
                                         std::int32_t count, std::int32_t timeout, std::int32_t index) {
    (void)timeout;  // the bridge answers at once; a real chip would be polled this long
    if (!buffer || count <= 0 || count > 256) {
        return BadArgument;
    }
    return onHeadset(index, [&](HeadsetLink& link) {
        return link.readEeprom(bus, offset, std::span(buffer, static_cast<std::size_t>(count)));
    });
}

SDK_API std::int32_t DLLQ9_ScanButton_ById(std::uint16_t vendorId, std::uint16_t productId,
                                           ButtonCallback callback, std::int32_t start, std::int32_t index) {
    if (index != 0) {
        return BadArgument;
    }
    Session& s = session();
    std::unique_ptr<ButtonScanner> stopped;
    {
        std::lock_guard lock(s.mutex);
        stopped = std::move(s.scanner);
    }
    stopped.reset();
    auto link = HeadsetLink::open(vendorId, productId);
    if (!link) {
        return NoDevice;
    }
    std::int32_t status =
        link->vendorCall(vendor::ScanButtons, Bytes{static_cast<std::uint8_t>(start ? 1 : 0)});
    if (status != Ok || !start) {
        return status;
    }
    auto reader = HeadsetLink::open(vendorId, productId);
    if (!reader) {
        return NoDevice;
    }
    auto scanner = std::make_unique<ButtonScanner>(reader->release(), vendorId, productId, callback);
    std::lock_guard lock(s.mutex);
    s.scanner = std::move(scanner);
    return Ok;
}

SDK_API std::int32_t DLLQ9_SetGpioMode_ById(const std::uint8_t* modes, std::int32_t count,
                                            std::int32_t index) {
    if (!modes || count < 0 || count > 10) {
        return BadArgument;
    }
    Bytes args(1 + 10, 0);
    args[0] = static_cast<std::uint8_t>(count);
    std::copy(modes, modes + count, args.begin() + 1);
    return onHeadset(index, [&](HeadsetLink& link) { return link.vendorCall(vendor::SetGpioModes, args); });
}

SDK_API std::int32_t DLLQ9_SetGpioModeEx_ById(std::int32_t line, std::int32_t mode, std::int32_t index) {
    if (line < 0 || line > 9) {
        return BadArgument;
    }
    return onHeadset(index, [&](HeadsetLink& link) {
        return link.vendorCall(vendor::SetGpioMode,
                               Bytes{static_cast<std::uint8_t>(line), static_cast<std::uint8_t>(mode)});
    });
}

SDK_API std::int32_t DLLQ9_GetGpioEx_ById(std::int32_t line, std::int32_t* value, std::int32_t index) {
    if (!value || line < 0 || line > 9) {
        return BadArgument;
    }
    std::uint8_t level[1] = {};
    std::int32_t status = onHeadset(index, [&](HeadsetLink& link) {
        return link.vendorCall(vendor::GetGpio, Bytes{static_cast<std::uint8_t>(line)}, level);
    });
    if (status == Ok) {
        *value = level[0];
    }
    return status;
}

SDK_API std::int32_t DLLQ9_SetRGB_Mode_ById(std::uint8_t device, std::uint8_t group, std::uint8_t mode,
                                            std::uint8_t speed, std::int32_t wait, std::uint8_t) {
    return rgbMode(vendor::Master, device, group, mode, speed, wait);
}

SDK_API std::int32_t DLLQ9_SetRGB_Color_ById(std::uint8_t device, std::uint8_t group, std::uint8_t index,
                                             std::uint8_t red, std::uint8_t green, std::uint8_t blue,
                                             std::int32_t wait, std::uint8_t) {
    return rgbColour(vendor::Master, device, group, index, red, green, blue, wait);
}

SDK_API std::int32_t DLLQ9_SetRGB_SingleColor_ById(std::uint8_t device, std::uint8_t group, std::uint8_t mode,
                                                   std::uint8_t red, std::uint8_t green, std::uint8_t blue,
                                                   std::int32_t wait, std::uint8_t) {
    return rgbSingle(vendor::Master, device, group, mode, red, green, blue, wait);
}

SDK_API std::int32_t DLLQ9_SetRGB_Step_ById(std::uint8_t device, std::uint8_t steps, std::int32_t wait,
                                            std::uint8_t) {
    return rgbStep(vendor::Master, device, steps, wait);
}

SDK_API std::int32_t DLLQ9_SetRGB_Color(std::uint8_t device, std::uint8_t group, std::uint8_t slot,
                                        std::uint8_t red, std::uint8_t green, std::uint8_t blue,
                                        std::int32_t wait) {
    return rgbColour(vendor::Master, device, group, slot, red, green, blue, wait);
}

SDK_API std::int32_t DLLQ9_SetRGB_SingleColor(std::uint8_t device, std::uint8_t group, std::uint8_t mode,
                                              std::uint8_t red, std::uint8_t green, std::uint8_t blue,
                                              std::int32_t wait) {
    return rgbSingle(vendor::Master, device, group, mode, red, green, blue, wait);
}

SDK_API std::int32_t DLLQ9_SetRGB_Mode(std::uint8_t device, std::uint8_t led, std::uint8_t mode,
                                       std::uint8_t speed, std::int32_t wait) {
    return rgbMode(vendor::Master, device, led, mode, speed, wait);
}

SDK_API std::int32_t DLLQ9_SetRGB_Brightness(std::uint8_t device, std::uint8_t led, std::uint8_t brightness,
                                             std::int32_t wait) {
    return rgbBrightness(vendor::Master, device, led, brightness, wait);
}

SDK_API std::int32_t DLLQ9_SetRGB_Step(std::uint8_t device, std::uint8_t steps, std::int32_t wait) {
    return rgbStep(vendor::Master, device, steps, wait);
}

SDK_API std::int32_t DLLQ9_UsbHidSlave_SetRGB_Mode_Ex(std::uint8_t group, std::uint8_t mode,
                                                      std::uint8_t speed, std::int32_t wait) {
    return rgbMode(vendor::Slave, 0, group, mode, speed, wait);
}

SDK_API std::int32_t DLLQ9_UsbHidSlave_SetRGB_Color_Ex(std::uint8_t group, std::uint8_t index,
                                                       std::uint8_t red, std::uint8_t green,
                                                       std::uint8_t blue, std::int32_t wait) {
    return rgbColour(vendor::Slave, 0, group, index, red, green, blue, wait);
}

SDK_API std::int32_t DLLQ9_UsbHidSlave_SetRGB_SingleColor_Ex(std::uint8_t group, std::uint8_t mode,
                                                             std::uint8_t red, std::uint8_t green,
                                                             std::uint8_t blue, std::int32_t wait) {
    return rgbSingle(vendor::Slave, 0, group, mode, red, green, blue, wait);
}

SDK_API std::int32_t DLLQ9_UsbHidSlave_SetRGB_Step_Ex(std::uint8_t steps, std::int32_t wait) {
    return rgbStep(vendor::Slave, 0, steps, wait);
}

SDK_API std::int32_t DLLQ9_UsbHidSlave_SetRGB_Brightness_Ex(std::uint8_t led, std::uint8_t brightness,
                                                            std::int32_t wait) {
    return rgbBrightness(vendor::Slave, 0, led, brightness, wait);
}
