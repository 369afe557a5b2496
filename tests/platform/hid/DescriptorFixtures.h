#pragma once

#include <cstdint>
#include <vector>

// Report descriptors of real kinds of devices, item by item.

// A gaming keyboard's vendor interface: an event collection that sends short
// input reports and a command collection of feature reports.
inline const std::vector<std::uint8_t> kVendorKeyboardDescriptor = {
    0x05, 0x0A,                                            // Usage Page (0x0A)
    0x09, 0x01,                                            // Usage (1)
    0xA1, 0x01,                                            // Collection (Application)
    0x85, 0x01,                                            //   Report ID (1)
    0x15, 0x00,                                            //   Logical Minimum (0)
    0x26, 0xFF, 0x00,                                      //   Logical Maximum (255)
    0x75, 0x08,                                            //   Report Size (8)
    0x95, 0x07,                                            //   Report Count (7)
    0x09, 0x02,                                            //   Usage (2)
    0x81, 0x02,                                            //   Input (Data, Variable, Absolute): 7 bytes
    0xC0,                                                  // End Collection
    0x06, 0x0B, 0x00,                                      // Usage Page (0x000B), two-byte form
    0x09, 0x01,                                            // Usage (1)
    0xA1, 0x01,                                            // Collection (Application)
    0x85, 0x04,                                            //   Report ID (4)
    0x95, 0x02,                                            //   Report Count (2)
    0x09, 0x04,                                            //   Usage (4)
    0xB1, 0x02,                                            //   Feature: 2 bytes
    0x85, 0x05, 0x95, 0x02, 0x09, 0x05, 0xB1, 0x02,        // Report ID 5, Feature 2 bytes
    0x85, 0x06, 0x96, 0xBF, 0x00, 0x09, 0x06, 0xB1, 0x02,  // Report ID 6, Feature 191 bytes
    0x85, 0x07, 0x95, 0x07, 0x09, 0x07, 0xB1, 0x02,        // Report ID 7, Feature 7 bytes
    0x85, 0x08, 0x96, 0xE1, 0x00, 0x09, 0x08, 0xB1, 0x02,  // Report ID 8, Feature 225 bytes
    0xC0,                                                  // End Collection
};

// A media-key device with numbered reports: consumer control (id 1) and
// system control (id 2) with padding bits, Push/Pop around the second.
inline const std::vector<std::uint8_t> kNumberedMediaKeysDescriptor = {
    0x05, 0x0C,                    // Usage Page (Consumer)
    0x09, 0x01,                    // Usage (Consumer Control)
    0xA1, 0x01,                    // Collection (Application)
    0x85, 0x01,                    //   Report ID (1)
    0x19, 0x00,                    //   Usage Minimum (0)
    0x2A, 0x3C, 0x02,              //   Usage Maximum (0x23C)
    0x15, 0x00,                    //   Logical Minimum (0)
    0x26, 0x3C, 0x02,              //   Logical Maximum (0x23C)
    0x75, 0x10,                    //   Report Size (16)
    0x95, 0x01,                    //   Report Count (1)
    0x81, 0x00,                    //   Input (Data, Array): 2 bytes
    0xC0,                          // End Collection
    0xA4,                          // Push
    0x0B, 0x80, 0x00, 0x01, 0x00,  // Usage (Generic Desktop 0x80 System Control), four-byte form
    0xA1, 0x01,                    // Collection (Application)
    0x85, 0x02,                    //   Report ID (2)
    0x75, 0x02,                    //   Report Size (2)
    0x95, 0x01,                    //   Report Count (1)
    0x81, 0x00,                    //   Input: 2 bits
    0x75, 0x06,                    //   Report Size (6)
    0x81, 0x03,                    //   Input (Constant): 6 padding bits
    0xC0,                          // End Collection
    0xB4,                          // Pop: back to 16-bit reports of page Consumer
    0x09, 0x01,                    // Usage (Consumer Control)
    0xA1, 0x01,                    // Collection (Application)
    0x85, 0x03,                    //   Report ID (3)
    0x91, 0x02,                    //   Output: 16 bits of the popped Report Size
    0xC0,                          // End Collection
};

// The boot keyboard without report ids: modifiers, a reserved byte, LED
// output with padding, six key codes.
inline const std::vector<std::uint8_t> kBootKeyboardDescriptor = {
    0x05, 0x01,              // Usage Page (Generic Desktop)
    0x09, 0x06,              // Usage (Keyboard)
    0xA1, 0x01,              // Collection (Application)
    0x05, 0x07,              //   Usage Page (Keyboard)
    0x19, 0xE0, 0x29, 0xE7,  //   Usage Minimum (0xE0), Usage Maximum (0xE7)
    0x15, 0x00, 0x25, 0x01,  //   Logical Minimum (0), Logical Maximum (1)
    0x75, 0x01, 0x95, 0x08,  //   Report Size (1), Report Count (8)
    0x81, 0x02,              //   Input: modifier bits
    0x95, 0x01, 0x75, 0x08,  //   Report Count (1), Report Size (8)
    0x81, 0x01,              //   Input (Constant): reserved byte
    0x95, 0x05, 0x75, 0x01,  //   Report Count (5), Report Size (1)
    0x05, 0x08,              //   Usage Page (LEDs)
    0x19, 0x01, 0x29, 0x05,  //   Usage Minimum (1), Usage Maximum (5)
    0x91, 0x02,              //   Output: LED bits
    0x95, 0x01, 0x75, 0x03,  //   Report Count (1), Report Size (3)
    0x91, 0x01,              //   Output (Constant): padding
    0x95, 0x06, 0x75, 0x08,  //   Report Count (6), Report Size (8)
    0x15, 0x00, 0x25, 0x65,  //   Logical Minimum (0), Logical Maximum (101)
    0x05, 0x07,              //   Usage Page (Keyboard)
    0x19, 0x00, 0x29, 0x65,  //   Usage Minimum (0), Usage Maximum (101)
    0x81, 0x00,              //   Input (Data, Array): six key codes
    0xC0,                    // End Collection
};
