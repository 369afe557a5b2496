// The main form following the headset: arrival, the poll while it is
// missing, and removal.
#include "audio/device/DeviceDiscovery.h"
#include "audio/device/DriverControls.h"
#include "audio/mainform/TAudioMainForm.h"
#include "platform/core/Clock.h"
#include "platform/core/DebugOutput.h"
#include "platform/forms/TTimer.h"

void TAudioMainForm::SetUpMicrophone(bool keepLevelMeter) {
    m_device.m_pCaptureEndpoint =
        FindCaptureEndpoint(m_device.m_identity.m_wVendorId, m_device.m_identity.m_wProductId);
    if (m_device.m_pCaptureEndpoint != nullptr || m_device.m_iOSKind != 6) {
        // The level meter runs only while the Mic page shows it.
        m_device.m_bLevelMeterOpen = keepLevelMeter && m_device.m_iCurrentPage == PageMic;
        m_device.m_bMicReady = true;
    }
}

void TAudioMainForm::SwitchMicrophoneOff() {
    m_device.m_bMicMute = false;
    m_device.m_bMicMonitor = false;
    m_device.m_iMicLevel = 0;
    // The endpoint is looked up again for the call, as it is released after each set-up.
    auto endpoint = m_device.m_pCaptureEndpoint != nullptr
                        ? m_device.m_pCaptureEndpoint
                        : FindCaptureEndpoint(m_device.m_identity.m_wVendorId, m_device.m_identity.m_wProductId);
    if (endpoint != nullptr) {
        endpoint->setMute(false);
    }
}

void TAudioMainForm::DeviceArrival() {
    core::debugOutput("DeviceArrival1");
    core::systemClock().sleep(std::chrono::milliseconds(10));
    if (!m_device.m_bMicReady) {
        SetUpMicrophone(true);
    }
    SwitchMicrophoneOff();
    if (m_device.m_hDevice != nullptr) {
        core::debugOutput("m_hDevice != NULL");
        return;
    }
    if (!ActivateFound(ActivationMoment::Arrival, 5)) {
        return;
    }
    AfterActivation();
}

void TAudioMainForm::Timer1Timer(forms::TObject*) {
    if (!ActivateFound(ActivationMoment::Poll, 10)) {
        return;
    }
    SetUpMicrophone(true);
    SwitchMicrophoneOff();
    AfterActivation();
    Timer1().SetEnabled(false);
}

// Steps 1 to 3 of an activation: false when it ended there.
bool TAudioMainForm::ActivateFound(ActivationMoment moment, int noiseCancellationTries) {
    if (!MakeHeadsetActive(m_sdk, m_strProgramFolder, moment, m_device.m_identity)) {
        if (moment == ActivationMoment::Arrival) {
            core::debugOutput("bResult = 0");
        }
        return false;
    }
    if (OpenHidInterface(m_device.m_identity.m_wVendorId, m_device.m_identity.m_wProductId) == nullptr) {
        Timer1().SetEnabled(true);
        m_device.m_bDeviceActive = false;
        ShowDeviceState();
        return false;
    }
    if (!SendNoiseCancellationOff(m_sdk, noiseCancellationTries)) {
        return false;
    }
    if (DriverExtensionPresent(DriverPath())) {
        core::debugOutput("***** ZRX_Set_DEVICE_SYMBOLIC_NAME Success *****");
    }
    m_device.m_bDeviceActive = true;
    m_device.m_bSync = true;
    m_device.m_bNoDriver = false;
    ShowDeviceState();
    return true;
}

// Steps 4 to 6: the features the profile asks for, on the headset again. The
// lines, noise cancellation, voice effect, equalizer, 3D and surround parts
// come with their pages; what this window owns is done here.
void TAudioMainForm::AfterActivation() {
    m_device.m_bMicMonitor = false;
    m_device.m_pCaptureEndpoint.reset();
    m_device.m_pCaptureEndpoint =
        FindCaptureEndpoint(m_device.m_identity.m_wVendorId, m_device.m_identity.m_wProductId);
    if (m_state.m_iEQFromEEPROM != 0) {
        m_equalizer->ReadFromEeprom();
        m_equalizer->ReadFromEeprom();
    } else if (m_state.m_iEQEN != 0) {
        m_equalizer->ApplyOnOff(1);
    }
    if (m_sdk.fnDLLQ9_SetVirtual7ch1_OnOff(m_state.m_i7ch1EN) != 0) {
        m_sdk.fnDLLQ9_SetVirtual7ch1_OnOff(m_state.m_i7ch1EN);
    }
    if (m_sdk.fnDLLQ9_SetVirtual7ch1_Scalar(m_config.m_mainWindow.m_fV7ch1Scalar) != 0) {
        m_sdk.fnDLLQ9_SetVirtual7ch1_Scalar(m_config.m_mainWindow.m_fV7ch1Scalar);
    }
    std::uint32_t ignored = 0;
    driverctl::Query(DriverPath(), 0, ignored);
    ++m_device.m_iArrivalCount;
    RefreshPage();
}

void TAudioMainForm::DeviceRemoval(const std::string& interfacePath) {
    DeviceIdentity removed{0, 0};
    ParseIds(interfacePath, removed.m_wVendorId, removed.m_wProductId);
    if (removed != m_device.m_identity) {
        return;
    }
    m_device.m_bDeviceActive = false;
    m_device.m_bSync = false;
    m_device.m_bNoDriver = false;
    m_device.m_bMicReady = false;
    m_device.m_bButtonScan = false;
    SwitchFeaturesOff();
    RefreshPage();
    m_device.m_hDevice.reset();
    m_device.m_pCaptureEndpoint.reset();
    m_device.m_bLevelMeterOpen = false;
    m_device.m_iArrivalCount = 0;
}

// The pages show every feature off while no headset is active (see
// LookState); the sound state keeps the profile's values for the next arrival.
void TAudioMainForm::SwitchFeaturesOff() {
    m_device.m_bMicMute = false;
    m_device.m_bMicMonitor = false;
}
