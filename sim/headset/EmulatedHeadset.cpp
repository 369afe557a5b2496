#include "sim/headset/EmulatedHeadset.h"

#include <algorithm>
#include <cstdio>

#include "sim/headset/ExtensionControls.h"
#include "sim/headset/HeadsetDump.h"
#include "sim/headset/RegisterReports.h"
#include "sim/headset/VendorCalls.h"
#include "sim/headset/VendorProtocol.h"

namespace sim {

namespace {

std::vector<std::uint8_t> headsetDescriptor(bool outputReports) {
    std::vector<std::uint8_t> descriptor = {
        0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01,  // vendor page 0xFF00, usage 1, collection
        0x15, 0x00, 0x26, 0xFF, 0x00, 0x75, 0x08,  //   logical 0..255, 8-bit fields
        0x95, 0x20, 0x09, 0x02, 0x81, 0x02,        //   32-byte input
    };
    if (outputReports) {
        descriptor.insert(descriptor.end(), {0x95, 0x20, 0x09, 0x03, 0x91, 0x02});  // 32-byte output
    }
    // The vendor feature report: 319 bytes after the id byte.
    descriptor.insert(descriptor.end(), {0x96, 0x3F, 0x01, 0x09, 0x04, 0xB1, 0x02, 0xC0});
    return descriptor;
}

}  // namespace

EmulatedHeadset::EmulatedHeadset(HeadsetModel model)
    : SimulatedDevice(model.vendorId, model.productId, headsetDescriptor(model.outputReports), 0),
      model_(std::move(model)),
      endpoint_(std::make_shared<audio::SimCaptureEndpoint>("Microphone (" + model_.captureName + ")")),
      chip_(factoryChip()) {
    setHardwareId(model_.hardwareId);
    // The endpoint may outlive the headset in a caller's hands, so it keeps the log alive itself.
    endpoint_->setObserver([log = log_](const std::string& what, bool accepted) {
        log->add({core::systemClock().now(), HeadsetEvent::Capture, {}, accepted, "microphone " + what});
    });
}

std::string EmulatedHeadset::driverExtensionPath() const {
    char path[64];
    std::snprintf(path, sizeof path, "\\\\.\\Class#SonvairExtension&%.4X&%.4X", model_.vendorId,
                  model_.productId);
    return path;
}

std::string EmulatedHeadset::captureInterfacePath() const {
    char path[160];
    std::snprintf(
        path, sizeof path,
        "\\\\?\\USB#VID_%.4X&PID_%.4X&MI_00#7&1d2c3b4a&0&0000#{65e8773d-8f56-11d0-a3b9-00a0c9223196}"
        "\\global",
        model_.vendorId, model_.productId);
    return path;
}

void EmulatedHeadset::plugInto(Machine& machine) {
    {
        std::lock_guard lock(plugMutex_);
        if (machine_) {
            return;
        }
        machine_ = &machine;
    }
    record(HeadsetEvent::Plug, {}, true, "plug");
    if (model_.driverExtension) {
        machine.drivers.publish(driverExtensionPath(), shared_from_this());
    }
    machine.audio.add({model_.captureName, captureInterfacePath()}, endpoint_);
    machine.bus.plug(shared_from_this());
}

void EmulatedHeadset::unplug() {
    Machine* machine = nullptr;
    {
        std::lock_guard lock(plugMutex_);
        std::swap(machine, machine_);
        callsBeforeUnplug_ = -1;
    }
    if (!machine) {
        return;
    }
    record(HeadsetEvent::Unplug, {}, true, "unplug");
    machine->bus.unplug(*this);
    machine->drivers.withdraw(driverExtensionPath());
    machine->audio.remove(*endpoint_);
    std::lock_guard lock(mutex_);
    chip_.buttonScan = false;
}

bool EmulatedHeadset::plugged() const {
    std::lock_guard lock(plugMutex_);
    return machine_ != nullptr;
}

HeadsetChip EmulatedHeadset::chip() const {
    std::lock_guard lock(mutex_);
    return chip_;
}

void EmulatedHeadset::pressButton(std::size_t line) {
    setLine(line, 0);
}

void EmulatedHeadset::releaseButton(std::size_t line) {
    setLine(line, 1);
}

void EmulatedHeadset::setLine(std::size_t line, std::uint8_t level) {
    bool report = false;
    {
        std::lock_guard lock(mutex_);
        if (line >= kLineCount) {
            return;
        }
        chip_.lineLevels[line] = level ? 1 : 0;
        report = chip_.buttonScan;
    }
    if (report) {
        sendButtonReport();
    }
}

void EmulatedHeadset::sendButtonReport() {
    std::vector<std::uint8_t> report(kReportLength, 0);
    report[1] = vendor::kButtonReportMark;
    {
        std::lock_guard lock(mutex_);
        for (std::size_t line = 0; line < kLineCount; ++line) {
            report[2 + line / 8] |= static_cast<std::uint8_t>(chip_.lineLevels[line] << (line % 8));
        }
    }
    char what[48];
    std::snprintf(what, sizeof what, "button report %.2X %.2X", report[2], report[3]);
    record(HeadsetEvent::Input, report, true, what);
    sendInput(0, std::move(report));
}

void EmulatedHeadset::failCommand(std::string what, int times) {
    std::lock_guard lock(mutex_);
    faults_.push_back({std::move(what), times});
}

void EmulatedHeadset::unplugAfter(int calls) {
    std::lock_guard lock(plugMutex_);
    callsBeforeUnplug_ = calls;
}

void EmulatedHeadset::setDriverExtension(bool present) {
    Machine* machine = nullptr;
    {
        std::lock_guard lock(plugMutex_);
        model_.driverExtension = present;
        machine = machine_;
    }
    if (machine && present) {
        machine->drivers.publish(driverExtensionPath(), shared_from_this());
    } else if (machine) {
        machine->drivers.withdraw(driverExtensionPath());
    }
}

std::string EmulatedHeadset::dump() const {
    return describeHeadset(chip(), plugged(), model_);
}

// Counts a call against a pending unplug; false when the headset has just gone.
bool EmulatedHeadset::stillThere() {
    {
        std::lock_guard lock(plugMutex_);
        if (callsBeforeUnplug_ != 0) {
            if (callsBeforeUnplug_ > 0) {
                --callsBeforeUnplug_;
            }
            return machine_ != nullptr;
        }
    }
    unplug();
    return false;
}

// Called with the chip's lock held.
bool EmulatedHeadset::consumeFault(const std::string& what) {
    for (Fault& fault : faults_) {
        if (fault.times > 0 && what.compare(0, fault.what.size(), fault.what) == 0) {
            --fault.times;
            return true;
        }
    }
    return false;
}

void EmulatedHeadset::record(HeadsetEvent event, std::span<const std::uint8_t> bytes, bool accepted,
                             std::string what) {
    log_->add({core::systemClock().now(), event, {bytes.begin(), bytes.end()}, accepted, std::move(what)});
}

bool EmulatedHeadset::onWrite(std::size_t, std::span<const std::uint8_t> report) {
    if (!stillThere()) {
        return false;
    }
    ChipAnswer answer{false, "output report (the interface has none)"};
    if (model_.outputReports) {
        std::lock_guard lock(mutex_);
        HeadsetChip before = chip_;
        answer = RegisterReports(chip_).output(report);
        if (answer.accepted && consumeFault(answer.what)) {
            chip_ = before;
            answer.accepted = false;
        }
    }
    record(HeadsetEvent::Write, report, answer.accepted, answer.what);
    return answer.accepted;
}

int EmulatedHeadset::onGetInput(std::size_t, std::span<std::uint8_t> report) {
    if (!stillThere()) {
        return -1;
    }
    std::size_t length = 0;
    bool refused = false;
    {
        std::lock_guard lock(mutex_);
        refused = consumeFault("input");
        if (!refused) {
            length = RegisterReports(chip_).input(report);
        }
    }
    record(HeadsetEvent::GetInput, report.first(length), !refused && length > 0, "input");
    return refused || length == 0 ? -1 : static_cast<int>(length);
}

bool EmulatedHeadset::onSetFeature(std::size_t, std::span<const std::uint8_t> report) {
    if (!stillThere()) {
        return false;
    }
    ChipAnswer answer{false, "feature report with an id"};
    if (report[0] == 0) {
        std::lock_guard lock(mutex_);
        HeadsetChip before = chip_;
        answer = VendorCalls(chip_).set(report, pendingAnswer_);
        if (answer.accepted && consumeFault(answer.what)) {
            chip_ = before;
            answer.accepted = false;
            pendingAnswer_.clear();
        }
    }
    record(HeadsetEvent::SetFeature, report, answer.accepted, answer.what);
    return answer.accepted;
}

int EmulatedHeadset::onGetFeature(std::size_t, std::span<std::uint8_t> report) {
    if (!stillThere()) {
        return -1;
    }
    std::vector<std::uint8_t> answer;
    {
        std::lock_guard lock(mutex_);
        std::swap(answer, pendingAnswer_);
    }
    std::size_t length = std::min(answer.size(), report.size());
    std::copy_n(answer.begin(), length, report.begin());
    record(HeadsetEvent::GetFeature, report.first(length), length > 0, "answer");
    return length > 0 ? static_cast<int>(length) : -1;
}

std::optional<std::size_t> EmulatedHeadset::onControl(std::uint32_t code, std::span<const std::uint8_t> in,
                                                      std::span<std::uint8_t> out) {
    if (!stillThere()) {
        return std::nullopt;
    }
    ChipAnswer answer;
    std::optional<std::size_t> written;
    {
        std::lock_guard lock(mutex_);
        HeadsetChip before = chip_;
        written = ExtensionControls(chip_).control(code, in, out, answer);
        if (answer.accepted && consumeFault(answer.what)) {
            chip_ = before;
            answer.accepted = false;
            written.reset();
        }
    }
    std::vector<std::uint8_t> bytes = {static_cast<std::uint8_t>(code), static_cast<std::uint8_t>(code >> 8),
                                       static_cast<std::uint8_t>(code >> 16),
                                       static_cast<std::uint8_t>(code >> 24)};
    bytes.insert(bytes.end(), in.begin(), in.end());
    record(HeadsetEvent::Control, bytes, written.has_value(), answer.what);
    return written;
}

}  // namespace sim
