// A headset we do not control: whatever its input reports, vendor answers,
// button reports and driver answers hold, and however long its interface says
// its reports are, the register operations, the SDK stand-in's link and the
// driver controls read only what was handed back and return their codes.
// The first three bytes choose the report lengths; every answer after that
// takes its length and bytes from the input.
#include <algorithm>
#include <cstring>
#include <vector>

#include "FuzzInput.h"
#include "audio/device/ChipExchange.h"
#include "audio/device/ChipRegisters.h"
#include "audio/device/DeviceDiscovery.h"
#include "audio/device/DriverControls.h"
#include "platform/driver/sim/SimDriverDirectory.h"
#include "platform/hid/sim/SimBus.h"
#include "sim/audiosdk/ButtonScanner.h"
#include "sim/audiosdk/HeadsetLink.h"

namespace {

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::uint8_t Next() { return at_ < size_ ? data_[at_++] : 0; }
    bool Done() const { return at_ >= size_; }
    // An answer: a length byte (0xFF refuses), then that many bytes.
    int Answer(std::span<std::uint8_t> out) {
        std::uint8_t length = Next();
        if (length == 0xFF) {
            return -1;
        }
        std::size_t count = std::min<std::size_t>(length, out.size());
        for (std::size_t i = 0; i < count; ++i) {
            out[i] = Next();
        }
        return static_cast<int>(count);
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

std::vector<std::uint8_t> Descriptor(std::uint8_t input, std::uint8_t output, std::uint16_t feature) {
    std::vector<std::uint8_t> d = {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x75, 0x08};
    if (input) {
        d.insert(d.end(), {0x95, input, 0x09, 0x02, 0x81, 0x02});
    }
    if (output) {
        d.insert(d.end(), {0x95, output, 0x09, 0x03, 0x91, 0x02});
    }
    if (feature) {
        d.insert(d.end(), {0x96, static_cast<std::uint8_t>(feature), static_cast<std::uint8_t>(feature >> 8),
                           0x09, 0x04, 0xB1, 0x02});
    }
    d.push_back(0xC0);
    return d;
}

class ScriptedHeadset final : public hid::SimulatedDevice, public driver::ControlTarget {
public:
    ScriptedHeadset(Input& input, std::vector<std::uint8_t> descriptor)
        : SimulatedDevice(0x0C76, 0x161F, std::move(descriptor)), input_(input) {}

    bool onWrite(std::size_t, std::span<const std::uint8_t>) override { return input_.Next() & 1; }
    bool onSetFeature(std::size_t, std::span<const std::uint8_t>) override { return input_.Next() & 1; }
    int onGetFeature(std::size_t, std::span<std::uint8_t> report) override { return input_.Answer(report); }
    int onGetInput(std::size_t, std::span<std::uint8_t> report) override { return input_.Answer(report); }
    std::optional<std::size_t> onControl(std::uint32_t, std::span<const std::uint8_t>,
                                         std::span<std::uint8_t> out) override {
        int length = input_.Answer(out);
        return length < 0 ? std::nullopt : std::optional<std::size_t>(length);
    }

private:
    Input& input_;
};

void RunRegisterOperations(hid::Device& device) {
    std::uint8_t value = 0;
    chip::Lines lines{};
    chip::ReadRegister(device, 297, value);
    chip::ReadLines(device, lines);
    chip::WriteBandGain(device, 4, 0x9FF);
    chip::Write3D(device, true, 10, 3, 10, 3);
    chip::WriteEqualizer(device, EqualizerImage{});
    chip::EndExchange(device);
}

void RunSdkLink(std::unique_ptr<hid::Device> device, Input& input) {
    sdk::HeadsetLink link(std::move(device));
    std::uint8_t value = 0;
    std::uint8_t eeprom[8] = {};
    std::uint8_t answer[286] = {};
    std::uint8_t packet[286] = {4, 8};
    link.readRegister(0x200, value);
    link.readEeprom(0x51, 16 * (input.Next() % 4), eeprom);
    link.vendorCall(0x01, packet, answer);
    link.vendorCall(0x04, {}, std::span(answer, 1));
}

void RunButtonReports(Input& input) {
    std::uint8_t report[40];
    int length = input.Answer(report);
    std::uint8_t bytes[5];
    sdk::buttonBytesOf(report, length, bytes);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input input(data, size);
    std::uint8_t inputLength = input.Next() % 40;
    std::uint8_t outputLength = input.Next() % 40;
    std::uint16_t featureLength = static_cast<std::uint16_t>(input.Next() * 2);
    hid::SimBus bus;
    driver::SimDriverDirectory drivers;
    hid::installBus(&bus);
    driver::installDirectory(&drivers);
    {
        auto headset =
            std::make_shared<ScriptedHeadset>(input, Descriptor(inputLength, outputLength, featureLength));
        bus.plug(headset);
        std::string path = DriverExtensionPath(0x0C76, 0x161F);
        drivers.publish(path, headset);
        while (!input.Done()) {
            if (auto device = OpenHidInterface(0x0C76, 0x161F)) {
                RunRegisterOperations(*device);
            }
            Switch3DProcessing(DeviceIdentity{}, true);
            RunSdkLink(OpenHidInterface(0x0C76, 0x161F), input);
            RunButtonReports(input);
            std::uint32_t value = 0;
            driverctl::Query(path, 0, value);
            driverctl::Status(path, value);
        }
        bus.unplug(*headset);
    }
    driver::installDirectory(nullptr);
    hid::installBus(nullptr);
    return 0;
}
