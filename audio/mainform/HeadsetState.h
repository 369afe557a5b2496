#pragma once

#include <memory>

#include "audio/device/DeviceIdentity.h"
#include "audio/settings/PanelPage.h"
#include "platform/audio/AudioSystem.h"
#include "platform/hid/Device.h"

// What the main form knows of the headset between calls. All cleared at creation.
struct HeadsetState {
    DeviceIdentity m_identity;
    bool m_bDeviceActive = false;  // found and activated: gates every feature
    bool m_bSync = false;          // equalizer and 3D register writes reach the headset
    std::unique_ptr<hid::Device> m_hDevice;  // only from start-up until exit or removal
    std::shared_ptr<audio::CaptureEndpoint> m_pCaptureEndpoint;
    bool m_bNoDriver = false;  // the HID interface without the driver extension, at start-up
    bool m_bMicReady = false;
    bool m_bLevelMeterOpen = false;
    bool m_bButtonScan = false;
    int m_iArrivalCount = 0;
    bool m_bButtonThreadBusy = false;
    int m_iOSKind = 6;  // "Vista or later" on this platform
    int m_iCurrentPage = PageEQ;
    // The microphone's switches as the Mic page shows them.
    bool m_bMicBoost = false;
    bool m_bMicMute = false;
    bool m_bMicMonitor = false;
    int m_iMicLevel = 0;
};
