#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <vector>

#include "platform/hid/Device.h"

// The open command interface of the keyboard. Every report goes through here,
// from the window thread and the listener's work alike; a select report and
// the read after it are one transaction, so nobody's select lands between.
class CommandChannel {
public:
    using Milliseconds = std::chrono::milliseconds;

    void Open(std::unique_ptr<hid::Device> device);
    void Close();
    bool IsOpen() const;

    // A feature report of `length` bytes (the rest zero), then the pause.
    // False when no handle is open (no pause then) or the keyboard refused it.
    bool Send(std::span<const std::uint8_t> report, std::size_t length, Milliseconds pauseAfter);
    // Reads feature report `reportId` of `length` bytes; nullopt when no handle
    // is open or the read failed.
    std::optional<std::vector<std::uint8_t>> Get(std::uint8_t reportId, std::size_t length);
    // The select report (profile AND 3, item), 8 ms, the read, 8 ms.
    std::optional<std::vector<std::uint8_t>> SelectAndRead(int profile, std::uint8_t item,
                                                           std::uint8_t reportId, std::size_t length);

private:
    static constexpr Milliseconds kReadPause{8};

    mutable std::mutex mutex_;
    std::unique_ptr<hid::Device> device_;
};
