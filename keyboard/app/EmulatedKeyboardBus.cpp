#include "keyboard/app/EmulatedKeyboardBus.h"

#include <algorithm>

#include "keyboard/model/KeyFunction.h"
#include "keyboard/model/KeyMap.h"

// The keyboard as it leaves the factory: every profile with the default key
// map and G-key functions (the lighting is the emulator's own default already).
EmulatedKeyboardBus::EmulatedKeyboardBus() {
    keyboard_->change([](sim::KeyboardFirmware& firmware) {
        for (sim::FirmwareProfile& profile : firmware.profiles) {
            std::copy(DefaultKeyMap().begin(), DefaultKeyMap().end(), profile.keyMap.begin());
            for (int slot = 0; slot < 6; ++slot) {
                const auto bytes = DefaultGKeyFunction(slot).Bytes();
                std::copy(bytes.begin(), bytes.end(), profile.gKeys.begin() + slot * 3);
            }
        }
    });
    hid::installBus(&bus_);
}

EmulatedKeyboardBus::~EmulatedKeyboardBus() {
    Detach();
    hid::installBus(nullptr);
}

void EmulatedKeyboardBus::Attach() {
    if (!attached_) {
        bus_.plug(keyboard_);
        attached_ = true;
    }
}

void EmulatedKeyboardBus::Detach() {
    if (attached_) {
        bus_.unplug(*keyboard_);
        attached_ = false;
    }
}
