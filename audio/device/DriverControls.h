#pragma once

#include <cstdint>
#include <string>

// The headset driver's extension controls at the path found for the current
// headset. Each opens the path, issues one control and closes it.
// Results: 0 ok, 1 the path cannot be opened, 2 the control failed,
// 3 (query) no bytes returned.
namespace driverctl {

inline constexpr std::uint32_t kQuery = 0x00223028;
inline constexpr std::uint32_t kStatus = 0x00223190;
inline constexpr std::uint32_t kSelectRoomEffect = 0x08232008;
inline constexpr std::uint32_t kEffectProcessing = 0x08232000;

int Query(const std::string& path, std::uint16_t selector, std::uint32_t& value);
// The second 32-bit word of the answer. A short answer counts as a failed control.
int Status(const std::string& path, std::uint32_t& status);
int SelectRoomEffect(const std::string& path, std::uint32_t effectIndex);
int EffectProcessing(const std::string& path, std::uint32_t value);

}  // namespace driverctl
