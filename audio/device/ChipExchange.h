#pragma once

#include <memory>

#include "audio/device/DeviceIdentity.h"
#include "platform/hid/Device.h"

// The frame of every feature operation on the chip: open the current
// headset's HID interface, run the register reads and writes, send the
// end-of-exchange report and close. A failing step ends the exchange at once
// with its own code and without the end-of-exchange report.
class ChipExchange {
public:
    static constexpr int kNoInterface = 1;

    // `work(device)` returns 0 or the failing step's code; `endFailed` is the
    // code when only the end-of-exchange report fails.
    template <typename Work>
    static int Run(const DeviceIdentity& identity, int endFailed, Work work) {
        std::unique_ptr<hid::Device> device = Open(identity);
        if (!device) {
            return kNoInterface;
        }
        int result = work(*device);
        if (result == 0 && !End(*device)) {
            result = endFailed;
        }
        device->close();
        return result;
    }

private:
    static std::unique_ptr<hid::Device> Open(const DeviceIdentity& identity);
    static bool End(hid::Device& device);
};

// Register 256 bit 7 set or cleared; when switching on, registers 461 and 462
// have a nibble of 0xA raised to 0xF. 0 ok; 1 no HID interface; 2 reading 256
// failed, 3 writing it; 4 and 5 reading and writing 461, 6 and 7 for 462;
// 8 the end of the exchange failed.
int Switch3DProcessing(const DeviceIdentity& identity, bool on);
