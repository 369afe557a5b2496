#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/hid/Device.h"

namespace hid {

// One top-level collection of a hidraw node. Collections of one node share the
// node; input reports of the other collections are skipped by their id.
class HidrawDevice final : public Device {
public:
    // nullptr when the node cannot be opened or has no such collection.
    static std::unique_ptr<HidrawDevice> open(const std::string& path);
    ~HidrawDevice() override;

    const DeviceInterface& info() const override { return info_; }
    bool setFeature(std::span<const std::uint8_t> report) override;
    int getFeature(std::span<std::uint8_t> report) override;
    bool write(std::span<const std::uint8_t> report) override;
    int getInput(std::span<std::uint8_t> report) override;
    int read(std::span<std::uint8_t> buffer) override;
    void close() override;

private:
    HidrawDevice(int fd, int wakeFd) : fd_(fd), wakeFd_(wakeFd) {}
    bool belongsHere(std::uint8_t reportId) const;

    int fd_;
    int wakeFd_;  // an eventfd that close() signals to end a blocked read
    std::atomic<bool> closed_{false};
    bool numbered_ = false;
    std::vector<std::uint8_t> inputReportIds_;
    DeviceInterface info_;
};

}  // namespace hid
