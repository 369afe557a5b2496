#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/audio/sim/SimCaptureEndpoint.h"
#include "platform/driver/sim/SimDriverDirectory.h"
#include "platform/hid/sim/SimulatedDevice.h"
#include "sim/headset/HeadsetChip.h"
#include "sim/headset/HeadsetLog.h"
#include "sim/headset/Machine.h"

namespace sim {

// What kind of headset to build; the defaults are the panel's own headset.
struct HeadsetModel {
    std::uint16_t vendorId = 0x0C76;
    std::uint16_t productId = 0x161F;
    std::string hardwareId = "USB\\VID_0C76&PID_161F&REV_0100&MI_00";
    bool outputReports = true;    // false: a HID interface without output reports
    bool driverExtension = true;  // false: the driver's extension path is missing
    std::string captureName = "Sonvair Headset";
};

// The headset's audio chip as it behaves on the machine: one HID interface
// (vendor page) with 33-byte input and output reports for the chip registers
// and the vendor feature report of our SDK stand-in; the driver extension at
// its path; a capture endpoint with a level source. Every call and report is
// logged with its time. Faults: a command refused a number of times, the
// driver extension missing, and unplugging after a number of calls.
class EmulatedHeadset final : public hid::SimulatedDevice,
                              public driver::ControlTarget,
                              public std::enable_shared_from_this<EmulatedHeadset> {
public:
    static constexpr std::size_t kReportLength = 33;

    explicit EmulatedHeadset(HeadsetModel model = {});

    const HeadsetModel& model() const { return model_; }
    // "\\.\Class#SonvairExtension&0C76&161F"
    std::string driverExtensionPath() const;
    // "\\?\USB#VID_0C76&PID_161F&MI_00#..."
    std::string captureInterfacePath() const;

    void plugInto(Machine& machine);
    void unplug();
    bool plugged() const;

    HeadsetChip chip() const;
    template <typename Change>
    void change(Change&& change) {
        std::lock_guard lock(mutex_);
        change(chip_);
    }
    audio::SimCaptureEndpoint& captureEndpoint() { return *endpoint_; }

    // Buttons pull their line to 0 while pressed. While button scanning runs,
    // every change of a line sends a button report.
    void pressButton(std::size_t line);
    void releaseButton(std::size_t line);
    void setLine(std::size_t line, std::uint8_t level);

    // The next `times` calls whose log text starts with `what` are refused and
    // change nothing ("audio command 4/0", "select 0x0129", "write", "input",
    // "3D", "query 0"...).
    void failCommand(std::string what, int times);
    // After `calls` more calls the headset is pulled out; the next call finds it gone.
    void unplugAfter(int calls);
    void setDriverExtension(bool present);

    HeadsetLog& log() { return *log_; }
    // The state in lines of text, for tests and the scenario runner.
    std::string dump() const;

    bool onSetFeature(std::size_t collection, std::span<const std::uint8_t> report) override;
    int onGetFeature(std::size_t collection, std::span<std::uint8_t> report) override;
    bool onWrite(std::size_t collection, std::span<const std::uint8_t> report) override;
    int onGetInput(std::size_t collection, std::span<std::uint8_t> report) override;
    std::optional<std::size_t> onControl(std::uint32_t code, std::span<const std::uint8_t> in,
                                         std::span<std::uint8_t> out) override;

private:
    struct Fault {
        std::string what;
        int times;
    };
    bool stillThere();
    bool consumeFault(const std::string& what);
    void record(HeadsetEvent event, std::span<const std::uint8_t> bytes, bool accepted, std::string what);
    void sendButtonReport();

    HeadsetModel model_;
    std::shared_ptr<audio::SimCaptureEndpoint> endpoint_;
    std::shared_ptr<HeadsetLog> log_ = std::make_shared<HeadsetLog>();  // shared with the endpoint

    mutable std::mutex mutex_;
    HeadsetChip chip_;
    std::vector<std::uint8_t> pendingAnswer_;
    std::vector<Fault> faults_;

    mutable std::mutex plugMutex_;
    Machine* machine_ = nullptr;
    int callsBeforeUnplug_ = -1;
};

}  // namespace sim
