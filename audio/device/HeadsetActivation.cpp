#include "audio/device/HeadsetActivation.h"

#include <chrono>
#include <cstdio>

#include "audio/device/CDeviceIdMgr.h"
#include "audio/device/DeviceDiscovery.h"
#include "audio/device/audiosdk/AudioCommandPacket.h"
#include "platform/core/Clock.h"
#include "platform/core/DebugOutput.h"

namespace {

std::int32_t SetActiveDevice(const AudioSdk& sdk, const DeviceIdentity& identity) {
    std::int32_t status = sdk.fnDLLQ9_SetActive_Device
                              ? sdk.fnDLLQ9_SetActive_Device(identity.m_wVendorId, identity.m_wProductId)
                              : -1;
    if (status != 0) {
        char text[80];
        std::snprintf(text, sizeof text, "***** fnDLLQ9_SetActive_Device, ret = %d *****", status);
        core::debugOutput(text);
    }
    return status;
}

}  // namespace

bool MakeHeadsetActive(const AudioSdk& sdk, const std::string& programFolder, ActivationMoment moment,
                       DeviceIdentity& identity) {
    std::string hardwareId;
    {
        CDeviceIdMgr list;
        list.LoadFromConfig(programFolder);  // an empty list simply finds nothing
        hardwareId = FindDevice(list.Identities());
        if (hardwareId.empty() && moment == ActivationMoment::StartUp) {
            hardwareId = FindDevice(list.Identities());
        }
    }
    if (hardwareId.empty() && moment != ActivationMoment::StartUp) {
        return false;
    }
    ParseIds(hardwareId, identity.m_wVendorId, identity.m_wProductId);
    if (SetActiveDevice(sdk, identity) != 0) {
        if (moment == ActivationMoment::StartUp) {
            core::systemClock().sleep(std::chrono::milliseconds(10));
            SetActiveDevice(sdk, identity);
        } else if (moment == ActivationMoment::Poll) {
            SetActiveDevice(sdk, identity);
        }
    }
    return !hardwareId.empty();
}

bool SendNoiseCancellationOff(const AudioSdk& sdk, int tries) {
    for (int i = 0; i < tries; ++i) {
        AudioCommandPacket packet =
            AudioCommandPacket::WithValue(AudioCommandPacket::kNoiseCancellation, 0, 0);
        if (packet.Send(sdk) == 0) {
            return true;
        }
    }
    return false;
}
