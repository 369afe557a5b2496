#pragma once

#include <string>

#include "audio/device/DeviceIdentity.h"
#include "audio/device/audiosdk/AudioSdk.h"

// When the panel looks for its headset: each moment has its own retries.
enum class ActivationMoment {
    StartUp,  // search repeated once; SetActive retried after 10 ms
    Arrival,  // no repeats
    Poll,     // SetActive retried once at once
};

// Finds the headset from the identity list of the program folder's
// configuration, takes its ids and makes it the SDK's active device. At
// start-up the ids are taken even when nothing was found (0 and 0, as the
// empty hardware id parses); on arrival and poll a failed search changes
// nothing. True when a device was found.
bool MakeHeadsetActive(const AudioSdk& sdk, const std::string& programFolder, ActivationMoment moment,
                       DeviceIdentity& identity);

// Noise cancellation off (command group 4, sub-command 0, value 0) up to
// `tries` times until the headset takes it: the first command a newly
// arrived headset must accept. True when one try succeeded.
bool SendNoiseCancellationOff(const AudioSdk& sdk, int tries);
