#include "audio/device/ChipExchange.h"

#include "audio/device/ChipRegisters.h"
#include "audio/device/DeviceDiscovery.h"

std::unique_ptr<hid::Device> ChipExchange::Open(const DeviceIdentity& identity) {
    return OpenHidInterface(identity.m_wVendorId, identity.m_wProductId);
}

bool ChipExchange::End(hid::Device& device) {
    return chip::EndExchange(device) == 0;
}

int Switch3DProcessing(const DeviceIdentity& identity, bool on) {
    return ChipExchange::Run(identity, 8, [on](hid::Device& device) {
        std::uint8_t processing = 0;
        if (chip::ReadRegister(device, chip::kProcessing, processing) != 0) {
            return 2;
        }
        processing = static_cast<std::uint8_t>(on ? processing | 0x80 : processing & ~0x80);
        if (chip::WriteRegister(device, chip::kProcessing, processing) != 0) {
            return 3;
        }
        if (!on) {
            return 0;
        }
        int step = 4;
        for (std::uint16_t reg : {chip::kThreeDTune1, chip::kThreeDTune2}) {
            std::uint8_t tune = 0;
            if (chip::ReadRegister(device, reg, tune) != 0) {
                return step;
            }
            if (chip::WriteRegister(device, reg, chip::RaiseTuneNibbles(tune)) != 0) {
                return step + 1;
            }
            step += 2;
        }
        return 0;
    });
}
