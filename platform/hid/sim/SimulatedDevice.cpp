#include "platform/hid/sim/SimulatedDevice.h"

#include <cstdio>

namespace hid {

SimulatedDevice::SimulatedDevice(std::uint16_t vendorId, std::uint16_t productId,
                                 std::vector<std::uint8_t> reportDescriptor, int interfaceNumber)
    : vendorId_(vendorId),
      productId_(productId),
      reportDescriptor_(std::move(reportDescriptor)),
      interfaceNumber_(interfaceNumber) {
    char id[64];
    std::snprintf(id, sizeof id, "USB\\VID_%04X&PID_%04X&REV_0100&MI_%02X", vendorId, productId,
                  static_cast<unsigned>(interfaceNumber) & 0xFF);
    hardwareId_ = id;
}

bool SimulatedDevice::onSetFeature(std::size_t, std::span<const std::uint8_t>) {
    return false;
}

int SimulatedDevice::onGetFeature(std::size_t, std::span<std::uint8_t>) {
    return -1;
}

bool SimulatedDevice::onWrite(std::size_t, std::span<const std::uint8_t>) {
    return false;
}

int SimulatedDevice::onGetInput(std::size_t, std::span<std::uint8_t>) {
    return -1;
}

void SimulatedDevice::connectInput(InputSink sink) {
    std::lock_guard lock(sinkMutex_);
    sink_ = std::move(sink);
}

void SimulatedDevice::sendInput(std::size_t collection, std::vector<std::uint8_t> report) {
    std::lock_guard lock(sinkMutex_);
    if (sink_) {
        sink_(collection, std::move(report));
    }
}

}  // namespace hid
