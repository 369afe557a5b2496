#pragma once

#include <cstdint>
#include <functional>
#include <mutex>
#include <span>
#include <string>
#include <vector>

namespace hid {

// A device that can be plugged into the simulated bus. It is described like a
// real one, by its ids and its report descriptor; the bus makes one device
// interface of each top-level collection. Subclasses answer the reports.
// Collections are numbered from 0 in descriptor order.
class SimulatedDevice {
public:
    SimulatedDevice(std::uint16_t vendorId, std::uint16_t productId,
                    std::vector<std::uint8_t> reportDescriptor, int interfaceNumber = 0);
    virtual ~SimulatedDevice() = default;

    std::uint16_t vendorId() const { return vendorId_; }
    std::uint16_t productId() const { return productId_; }
    int interfaceNumber() const { return interfaceNumber_; }
    const std::vector<std::uint8_t>& reportDescriptor() const { return reportDescriptor_; }
    // The device's first hardware id among the present devices; by default
    // "USB\VID_vvvv&PID_pppp&REV_0100&MI_nn" from its ids and interface number.
    const std::string& hardwareId() const { return hardwareId_; }
    void setHardwareId(std::string id) { hardwareId_ = std::move(id); }

    // Called from whichever thread uses an open handle. Reports have their id
    // in byte 0. The default device refuses everything.
    virtual bool onSetFeature(std::size_t collection, std::span<const std::uint8_t> report);
    virtual int onGetFeature(std::size_t collection, std::span<std::uint8_t> report);
    virtual bool onWrite(std::size_t collection, std::span<const std::uint8_t> report);
    virtual int onGetInput(std::size_t collection, std::span<std::uint8_t> report);

    using InputSink = std::function<void(std::size_t collection, std::vector<std::uint8_t> report)>;
    void connectInput(InputSink sink);  // done by the bus on plug; an empty sink on unplug

protected:
    // Hands an input report (id byte first) to the handles open on the collection;
    // dropped while nothing reads it, as on a real bus.
    void sendInput(std::size_t collection, std::vector<std::uint8_t> report);

private:
    std::uint16_t vendorId_;
    std::uint16_t productId_;
    std::vector<std::uint8_t> reportDescriptor_;
    int interfaceNumber_;
    std::string hardwareId_;
    std::mutex sinkMutex_;
    InputSink sink_;
};

}  // namespace hid
