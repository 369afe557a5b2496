#include "audio/device/CDeviceIdMgr.h"

#include <gtest/gtest.h>

#include "support/TempFolder.h"

namespace {

struct Case {
    const char* name;
    const char* config;  // nullptr: no file
    int result;
    std::vector<std::string> identities;
};

TEST(CDeviceIdMgrTest, LoadResultsAndTheAcceptancePass) {
    const std::string a = "USB\\VID_0C76&PID_16XX&REV_0100&MI_00";
    const std::string b = "USB\\VID_0C76&PID_17XX&REV_0100&MI_00";
    std::vector<Case> cases = {
        {"no file", nullptr, 1, {}},
        {"no section", "[Version]\r\nDefaultIni=1\r\n", 2, {}},
        {"no keys", "[USB_VID_PID]\r\n; none yet\r\n[Next]\r\nk=v\r\n", 3, {}},
        {"two patterns, trimmed",
         "[USB_VID_PID]\r\nfirst=  USB\\VID_0C76&PID_16XX&REV_0100&MI_00  \r\n"
         "second=USB\\VID_0C76&PID_17XX&REV_0100&MI_00\r\n",
         0,
         {a, b}},
        {"an empty entry ends the pass",
         "[USB_VID_PID]\r\nfirst=USB\\VID_0C76&PID_16XX&REV_0100&MI_00\r\n"
         "blank=   \r\nlast=USB\\VID_0C76&PID_17XX&REV_0100&MI_00\r\n",
         4,
         {a}},
        {"a repeated key name counts twice",
         "[USB_VID_PID]\r\nid=USB\\VID_0C76&PID_16XX&REV_0100&MI_00\r\n"
         "id=USB\\VID_0C76&PID_17XX&REV_0100&MI_00\r\n",
         0,
         {a, b}},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        if (c.config) {
            folder.write("AudioConfig.cfg", c.config);
        }
        CDeviceIdMgr list;
        EXPECT_EQ(list.LoadFromConfig(folder.path()), c.result) << c.name;
        EXPECT_EQ(list.Identities(), c.identities) << c.name;
    }
}

TEST(CDeviceIdMgrTest, AUtf16ListIsRead) {
    TempFolder folder;
    std::u16string text = u"\uFEFF[USB_VID_PID]\r\nvid_pid_1=USB\\VID_0C76&PID_16XX&REV_0100&MI_00\r\n";
    std::string bytes;
    for (char16_t c : text) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    folder.write("AudioConfig.cfg", bytes);
    CDeviceIdMgr list;
    EXPECT_EQ(list.LoadFromConfig(folder.path()), 0);
    EXPECT_EQ(list.Identities(), std::vector<std::string>{"USB\\VID_0C76&PID_16XX&REV_0100&MI_00"});
}

TEST(CDeviceIdMgrTest, OnlySpacesAreTrimmed) {
    EXPECT_EQ(CDeviceIdMgr::Trim("  a b  "), "a b");
    EXPECT_EQ(CDeviceIdMgr::Trim("\ta\t"), "\ta\t");
    EXPECT_EQ(CDeviceIdMgr::Trim("    "), "");
}

}  // namespace
