#pragma once

#include <cstdint>
#include <string>

// The vendor audio SDK's entry points in the order they are bound; a missing
// one is reported by its place in this list. Every call returns 0 on success.
// "ById" calls end with a device index, always 0.
using DLLQ9_ButtonCallback = std::int32_t (*)(std::uint32_t vendorId, std::uint32_t productId,
                                              const std::uint8_t* data, std::uint32_t, std::uint32_t);

#define AUDIO_SDK_ENTRY_POINTS(X)                                                                              \
    X(DLLQ9_GetAP_VersionW, char16_t* text, std::int32_t capacity)                                             \
    X(DLLQ9_GetDLL_VersionW, char16_t* text, std::int32_t capacity)                                            \
    X(DLLQ9_CheckDriver)                                                                                       \
    X(DLLQ9_SetActive_Device, std::uint16_t vendorId, std::uint16_t productId)                                 \
    X(DLLQ9_AudioCommand, std::uint8_t* packet, std::uint32_t* length)                                         \
    X(DLLQ9_ConfigEQ_ById, std::int32_t index)                                                                 \
    X(DLLQ9_SetEQ_OnOff_ById, std::int32_t on, std::int32_t index)                                             \
    X(DLLQ9_IsEQ_Enable_ById, std::int32_t* on, std::int32_t index)                                            \
    X(DLLQ9_Config3D_ById, std::int32_t index)                                                                 \
    X(DLLQ9_Set3D_OnOff_ById, std::int32_t on, std::int32_t index)                                             \
    X(DLLQ9_Is3D_Enable_ById, std::int32_t* on, std::int32_t index)                                            \
    X(DLLQ9_SetVirtual7ch1_OnOff, std::int32_t on)                                                             \
    X(DLLQ9_SetVirtual7ch1_Scalar, float scalar)                                                               \
    X(DLLQ9_SetVirtual7ch1, const void* surroundBlock)                                                         \
    X(DLLQ9_SetEnc_Parameters, const void* noiseCancellationBlock)                                             \
    X(DLLQ9_Read_Register_ById, std::uint16_t reg, std::uint8_t* value, std::int32_t index)                    \
    X(DLLQ9_Write_Register_ById, std::uint16_t reg, std::uint8_t value, std::int32_t index)                    \
    X(DLLQ9_Read_I2C_ById, std::uint8_t busAddress, std::uint8_t offset, std::uint8_t* buffer,                 \
      std::int32_t count, std::int32_t timeout, std::int32_t index)                                            \
    X(DLLQ9_ScanButton_ById, std::uint16_t vendorId, std::uint16_t productId, DLLQ9_ButtonCallback callback,   \
      std::int32_t start, std::int32_t index)                                                                  \
    X(DLLQ9_SetGpioMode_ById, const std::uint8_t* modes, std::int32_t count, std::int32_t index)               \
    X(DLLQ9_SetGpioModeEx_ById, std::int32_t line, std::int32_t mode, std::int32_t index)                      \
    X(DLLQ9_GetGpioEx_ById, std::int32_t line, std::int32_t* value, std::int32_t index)                        \
    X(DLLQ9_SetRGB_Mode_ById, std::uint8_t deviceId, std::uint8_t group, std::uint8_t mode, std::uint8_t speed, \
      std::int32_t wait, std::uint8_t reserved)                                                                \
    X(DLLQ9_SetRGB_Color_ById, std::uint8_t deviceId, std::uint8_t group, std::uint8_t index, std::uint8_t red, \
      std::uint8_t green, std::uint8_t blue, std::int32_t wait, std::uint8_t reserved)                         \
    X(DLLQ9_SetRGB_SingleColor_ById, std::uint8_t deviceId, std::uint8_t group, std::uint8_t mode,             \
      std::uint8_t red, std::uint8_t green, std::uint8_t blue, std::int32_t wait, std::uint8_t reserved)       \
    X(DLLQ9_SetRGB_Step_ById, std::uint8_t deviceId, std::uint8_t steps, std::int32_t wait,                    \
      std::uint8_t reserved)                                                                                   \
    X(DLLQ9_UsbHidSlave_SetRGB_Mode_Ex, std::uint8_t group, std::uint8_t mode, std::uint8_t speed,             \
      std::int32_t wait)                                                                                       \
    X(DLLQ9_UsbHidSlave_SetRGB_Color_Ex, std::uint8_t group, std::uint8_t index, std::uint8_t red,             \
      std::uint8_t green, std::uint8_t blue, std::int32_t wait)                                                \
    X(DLLQ9_UsbHidSlave_SetRGB_SingleColor_Ex, std::uint8_t group, std::uint8_t mode, std::uint8_t red,        \
      std::uint8_t green, std::uint8_t blue, std::int32_t wait)                                                \
    X(DLLQ9_UsbHidSlave_SetRGB_Step_Ex, std::uint8_t steps, std::int32_t wait)                                 \
    X(DLLQ9_UsbHidSlave_SetRGB_Brightness_Ex, std::uint8_t led, std::uint8_t brightness, std::int32_t wait)   \
    X(DLLQ9_SetRGB_Color, std::uint8_t deviceId, std::uint8_t group, std::uint8_t slot, std::uint8_t red,      \
      std::uint8_t green, std::uint8_t blue, std::int32_t wait)                                                \
    X(DLLQ9_SetRGB_SingleColor, std::uint8_t deviceId, std::uint8_t group, std::uint8_t mode, std::uint8_t red, \
      std::uint8_t green, std::uint8_t blue, std::int32_t wait)                                                \
    X(DLLQ9_SetRGB_Mode, std::uint8_t deviceId, std::uint8_t led, std::uint8_t mode, std::uint8_t speed,       \
      std::int32_t wait)                                                                                       \
    X(DLLQ9_SetRGB_Brightness, std::uint8_t deviceId, std::uint8_t led, std::uint8_t brightness,               \
      std::int32_t wait)                                                                                       \
    X(DLLQ9_SetRGB_Step, std::uint8_t deviceId, std::uint8_t steps, std::int32_t wait)

// The bound entry points. Each member is named after its entry point with
// "fn" before it and is null until bound.
struct AudioSdk {
#define AUDIO_SDK_MEMBER(name, ...) std::int32_t (*fn##name)(__VA_ARGS__) = nullptr;
    AUDIO_SDK_ENTRY_POINTS(AUDIO_SDK_MEMBER)
#undef AUDIO_SDK_MEMBER

    AudioSdk() = default;
    AudioSdk(const AudioSdk&) = delete;
    AudioSdk& operator=(const AudioSdk&) = delete;
    ~AudioSdk();

    void* m_hLibrary = nullptr;
};

// The SDK's file name on this platform: lib + its name + ".so".
inline constexpr const char* kAudioSdkFileName = "libDLLQ9_Sonvair16xx_x32.so";

// Loads the SDK by its bare file name, from the program folder first and then
// from the library path, and binds every entry point. 0 when all are bound;
// 1 when the library cannot be loaded (after a box captioned "Error" saying
// "error %d: %s"); otherwise the place of the first missing entry point plus
// one (its name goes to the debug output).
int Open_DLLQ9_Sonvair16xx(AudioSdk& sdk, const std::string& programFolder,
                           const std::string& fileName = kAudioSdkFileName);
