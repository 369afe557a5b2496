#include "audio/device/DeviceDiscovery.h"

#include "HeadsetFixture.h"

namespace {

const std::string kPattern = "USB\\VID_0C76&PID_16XX&REV_0100&MI_00";

TEST(HardwareIdMatches, XStandsForAnyOneCharacterInEitherCase) {
    struct Case {
        const char* hardwareId;
        const char* identity;
        bool matches;
    };
    for (Case c : {
             Case{"USB\\VID_0C76&PID_161F&REV_0100&MI_00", kPattern.c_str(), true},
             Case{"USB\\VID_0C76&PID_16AB&REV_0100&MI_00", kPattern.c_str(), true},
             Case{"usb\\vid_0c76&pid_16ab&rev_0100&mi_00", kPattern.c_str(), true},
             Case{"USB\\VID_0C76&PID_161F&REV_0100&MI_00", "usb\\vid_0c76&pid_16xx&rev_0100&mi_00", true},
             Case{"USB\\VID_0C76&PID_171F&REV_0100&MI_00", kPattern.c_str(), false},
             Case{"USB\\VID_0C76&PID_161F&REV_0100&MI_01", kPattern.c_str(), false},
             Case{"USB\\VID_0C76&PID_161F&REV_0100", kPattern.c_str(), false},
             Case{"USB\\VID_0C76&PID_161F&REV_0100&MI_000", kPattern.c_str(), false},
         }) {
        EXPECT_EQ(HardwareIdMatches(c.hardwareId, c.identity), c.matches)
            << c.hardwareId << " ~ " << c.identity;
    }
}

TEST(FindDevice, OnlyIdsOfTheReferenceLengthTakePartAndTheFirstMatchWins) {
    std::vector<std::string> present = {
        "USB\\VID_0C76&PID_161F",  // would match its own identity, but is not 36 characters long
        "USB\\VID_046D&PID_C52B&REV_1203&MI_00",
        "USB\\VID_0C76&PID_1612&REV_0100&MI_00",
        "USB\\VID_0C76&PID_161F&REV_0100&MI_00",
    };
    EXPECT_EQ(FindDevice({"USB\\VID_0C76&PID_161F", kPattern}, present), present[2]);
    EXPECT_EQ(FindDevice({"USB\\VID_0C76&PID_161F"}, present), "");
    EXPECT_EQ(FindDevice({}, present), "");
}

TEST(ParseIds, FourHexCharactersAfterEachMarker) {
    struct Case {
        const char* text;
        std::uint16_t vendorId, productId;
    };
    for (Case c : {
             Case{"USB\\VID_0C76&PID_161F&REV_0100&MI_00", 0x0C76, 0x161F},
             Case{"hid#Vid_0c76&Pid_161f&MI_00#sim0", 0x0C76, 0x161F},
             Case{"USB\\VID_0C76&PID_161F9", 0x0C76, 0x161F},
             Case{"USB\\PID_161F&REV_0100", 0, 0},  // no "VID_": both stay 0
             Case{"USB\\VID_0C76", 0x0C76, 0},
             Case{"USB\\VID_0C&PID_", 0x0C, 0},
             Case{"", 0, 0},
         }) {
        std::uint16_t vendorId = 1, productId = 1;
        ParseIds(c.text, vendorId, productId);
        EXPECT_EQ(vendorId, c.vendorId) << c.text;
        EXPECT_EQ(productId, c.productId) << c.text;
    }
}

class DiscoveryTest : public HeadsetFixture {};

TEST_F(DiscoveryTest, ThePluggedHeadsetIsFoundWithItsInterfaceDriverExtensionAndCaptureEndpoint) {
    auto mouse = std::make_shared<hid::SimulatedDevice>(
        0x046D, 0xC52B,
        std::vector<std::uint8_t>{0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x75, 0x08, 0x95, 0x03, 0x81, 0x02,
                                  0xC0});
    machine.bus.plug(mouse);
    Plug();

    EXPECT_EQ(FindDevice({kPattern}), "USB\\VID_0C76&PID_161F&REV_0100&MI_00");
    auto device = OpenHidInterface(0x0C76, 0x161F);
    ASSERT_TRUE(device);
    EXPECT_EQ(device->info().outputReportLength, 33);
    EXPECT_FALSE(OpenHidInterface(0x0C76, 0x1620));

    std::string path = DriverExtensionPath(0x0C76, 0x161F);
    EXPECT_EQ(path, "\\\\.\\Class#SonvairExtension&0C76&161F");
    EXPECT_TRUE(DriverExtensionPresent(path));
    EXPECT_FALSE(DriverExtensionPresent(DriverExtensionPath(0x0C76, 0x1620)));

    auto endpoint = FindCaptureEndpoint(0x0C76, 0x161F);
    ASSERT_TRUE(endpoint);
    EXPECT_EQ(endpoint->friendlyName(), "Microphone (Sonvair Headset)");
    EXPECT_FALSE(FindCaptureEndpoint(0x0C76, 0x1620));

    headset->unplug();
    EXPECT_EQ(FindDevice({kPattern}), "");
    EXPECT_FALSE(DriverExtensionPresent(path));
    EXPECT_FALSE(FindCaptureEndpoint(0x0C76, 0x161F));
}

TEST_F(DiscoveryTest, AHeadsetWithoutItsDriverExtension) {
    sim::HeadsetModel model;
    model.driverExtension = false;
    Plug(model);
    EXPECT_TRUE(OpenHidInterface(0x0C76, 0x161F));
    EXPECT_FALSE(DriverExtensionPresent(DriverExtensionPath(0x0C76, 0x161F)));
    headset->setDriverExtension(true);
    EXPECT_TRUE(DriverExtensionPresent(DriverExtensionPath(0x0C76, 0x161F)));
}

TEST_F(DiscoveryTest, CaptureEndpointOfTheLastMatchingDeviceWhoseNameAnEndpointContains) {
    auto first = std::make_shared<audio::SimCaptureEndpoint>("Microphone (Old Headset)");
    auto second = std::make_shared<audio::SimCaptureEndpoint>("Line In (USB Headset Sonvair)");
    machine.audio.add({"Old Headset", "\\\\?\\usb#vid_0c76&pid_161f&mi_00#1"}, first);
    machine.audio.add({"Sonvair", "\\\\?\\USB#VID_0C76&PID_161F&MI_00#2"}, second);
    machine.audio.add({"Other", "\\\\?\\USB#VID_046D&PID_C52B&MI_00#3"},
                      std::make_shared<audio::SimCaptureEndpoint>("Microphone (Sonvair)"));

    // "Sonvair" is the display name taken; the first endpoint containing it is the second one.
    EXPECT_EQ(FindCaptureEndpoint(0x0C76, 0x161F), second);
    machine.audio.failEndpointWalk(true);
    EXPECT_FALSE(FindCaptureEndpoint(0x0C76, 0x161F));
}

TEST_F(DiscoveryTest, ACaptureDeviceWithoutANameMatchesNoEndpoint) {
    machine.audio.add({"", "\\\\?\\USB#VID_0C76&PID_161F&MI_00#1"},
                      std::make_shared<audio::SimCaptureEndpoint>("Microphone (Webcam)"));
    EXPECT_FALSE(FindCaptureEndpoint(0x0C76, 0x161F));
}

}  // namespace
