#pragma once

#include "HeadsetFixture.h"
#include "audio/device/audiosdk/AudioSdk.h"
#include "platform/core/ProgramFolder.h"
#include "support/TempFolder.h"

// The SDK stand-in bound from the test's own folder, on the emulated headset,
// with a program folder whose configuration accepts the headset.
class SdkFixture : public HeadsetFixture {
protected:
    void SetUp() override {
        ASSERT_EQ(Open_DLLQ9_Sonvair16xx(sdk, core::executableFolder()), 0);
        folder.write("AudioConfig.cfg",
                     "[USB_VID_PID]\r\nvid_pid_1=USB\\VID_0C76&PID_16XX&REV_0100&MI_00\r\n");
    }
    std::vector<std::string> Lines() const { return headset->log().lines(); }

    AudioSdk sdk;
    TempFolder folder;
};
