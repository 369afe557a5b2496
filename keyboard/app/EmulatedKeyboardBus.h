#pragma once

#include <memory>

#include "platform/hid/sim/SimBus.h"
#include "sim/keyboard/EmulatedKeyboard.h"

// The emulated keyboard on a simulated bus that the program uses in place of
// the real devices while this object lives (--simulate, scripted runs).
class EmulatedKeyboardBus {
public:
    EmulatedKeyboardBus();
    ~EmulatedKeyboardBus();
    EmulatedKeyboardBus(const EmulatedKeyboardBus&) = delete;
    EmulatedKeyboardBus& operator=(const EmulatedKeyboardBus&) = delete;

    // Both do nothing when the keyboard is already where they would put it.
    void Attach();
    void Detach();
    bool Attached() const { return attached_; }

    hid::SimBus& Bus() { return bus_; }
    sim::EmulatedKeyboard& Keyboard() { return *keyboard_; }

private:
    hid::SimBus bus_;
    std::shared_ptr<sim::EmulatedKeyboard> keyboard_ = std::make_shared<sim::EmulatedKeyboard>();
    bool attached_ = false;
};
