#include "keyboard/link/CommandChannel.h"

#include <algorithm>

#include "platform/core/Clock.h"

namespace {

// Reports are built in a zeroed buffer of this size; only the stated length goes out.
constexpr std::size_t kReportBuffer = 255;

}  // namespace

void CommandChannel::Open(std::unique_ptr<hid::Device> device) {
    std::lock_guard lock(mutex_);
    if (device_) {
        device_->close();
    }
    device_ = std::move(device);
}

void CommandChannel::Close() {
    std::lock_guard lock(mutex_);
    if (device_) {
        device_->close();
        device_.reset();
    }
}

bool CommandChannel::IsOpen() const {
    std::lock_guard lock(mutex_);
    return device_ != nullptr;
}

bool CommandChannel::Send(std::span<const std::uint8_t> report, std::size_t length, Milliseconds pauseAfter) {
    std::lock_guard lock(mutex_);
    if (!device_) {
        return false;
    }
    std::vector<std::uint8_t> buffer(kReportBuffer, 0);
    std::copy_n(report.begin(), std::min({report.size(), length, kReportBuffer}), buffer.begin());
    buffer.resize(std::min(length, kReportBuffer));
    bool sent = device_->setFeature(buffer);
    core::systemClock().sleep(pauseAfter);
    return sent;
}

std::optional<std::vector<std::uint8_t>> CommandChannel::Get(std::uint8_t reportId, std::size_t length) {
    std::lock_guard lock(mutex_);
    if (!device_) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> buffer(std::min(length, kReportBuffer), 0);
    buffer[0] = reportId;
    if (device_->getFeature(buffer) <= 0) {
        return std::nullopt;
    }
    return buffer;
}

std::optional<std::vector<std::uint8_t>> CommandChannel::SelectAndRead(int profile, std::uint8_t item,
                                                                       std::uint8_t reportId,
                                                                       std::size_t length) {
    std::lock_guard lock(mutex_);
    if (!device_) {
        return std::nullopt;
    }
    core::Clock& clock = core::systemClock();
    std::vector<std::uint8_t> select = {0x04, static_cast<std::uint8_t>(profile & 3), item};
    device_->setFeature(select);  // its result does not matter; the read tells
    clock.sleep(kReadPause);
    std::vector<std::uint8_t> buffer(std::min(length, kReportBuffer), 0);
    buffer[0] = reportId;
    bool received = device_->getFeature(buffer) > 0;
    clock.sleep(kReadPause);
    if (!received) {
        return std::nullopt;
    }
    return buffer;
}
